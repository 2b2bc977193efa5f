// The player's last choices, kept between runs: the maze size, the three pictures, the time limit.
#pragma once

#include "game/core/picture_kinds.h"

#include <cstdint>
#include <string>

namespace kvarnel {

struct Options {
  std::int32_t roomsAcross = 4;
  std::int32_t roomsDown = 4;
  std::string heroPicture;
  std::string wallPicture;
  std::string doorPicture;
  std::int32_t timedGame = 0;
  std::int32_t limitMinutes = 0;
  std::int32_t limitSeconds = 0;
};

// The name of the kind's picture the player chose last; empty when there is none.
inline std::string& rememberedPicture(Options& options, PictureKind kind) {
  switch (kind) {
  case PictureKind::Wall: return options.wallPicture;
  case PictureKind::Door: return options.doorPicture;
  case PictureKind::Hero: break;
  }
  return options.heroPicture;
}
inline const std::string& rememberedPicture(const Options& options, PictureKind kind) {
  return rememberedPicture(const_cast<Options&>(options), kind);
}

} // namespace kvarnel
