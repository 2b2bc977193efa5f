// The three picture kinds: their folders in the program folder, their smallest side and the
// setting that remembers the chosen file.
#pragma once

#include "core/game_state.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvarnel {

inline constexpr std::array<PictureKind, 3> pictureKinds{PictureKind::Hero, PictureKind::Wall,
                                                         PictureKind::Door};

constexpr int kindIndex(PictureKind kind) { return static_cast<int>(kind); }

// The kind handed over in dialogArg; out-of-range values mean the hero.
constexpr PictureKind kindOf(std::int32_t dialogArg) {
  return dialogArg == 1 ? PictureKind::Wall : dialogArg == 2 ? PictureKind::Door : PictureKind::Hero;
}

inline std::string pictureFolderName(PictureKind kind) {
  static const std::array<std::string, 3> names{"Герои", "Стенки", "Двери"};
  return names[static_cast<std::size_t>(kindIndex(kind))];
}

// The kind's picture folder: appFolder ends in the separator the rest of the path uses.
inline std::string pictureFolderOf(const std::string& appFolder, PictureKind kind) {
  const std::string separator = appFolder.empty() ? std::string("/") : appFolder.substr(appFolder.size() - 1);
  return appFolder + pictureFolderName(kind) + separator;
}

// True when name is a file name alone, one that can only name a file inside the folder it is
// appended to: not empty, not "." or "..", no separator of either kind and no NUL. Remembered
// names come from Options.ini, which anyone may edit, and must not reach other folders.
inline bool isPlainFileName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

constexpr int smallestPictureSide(PictureKind kind) { return kind == PictureKind::Wall ? 16 : 32; }

inline std::string& rememberedPicture(SharedSettings& settings, PictureKind kind) {
  switch (kind) {
  case PictureKind::Wall: return settings.wallPicture;
  case PictureKind::Door: return settings.doorPicture;
  case PictureKind::Hero: break;
  }
  return settings.heroPicture;
}

inline constexpr const char* notSquareMessage = "Рисунок не квадратный.";
inline constexpr const char* wrongSizeMessage = "Не подходящий размер рисунка. Прочтите справку.";
inline constexpr const char* notOpenedMessage = "Рисунок не открыт.";

// Why a picture of width x height cannot be the kind's picture, or nothing when it can: the
// square check comes before the size check.
inline std::optional<std::string> pictureRefusal(PictureKind kind, int width, int height) {
  if (width != height) return std::string(notSquareMessage);
  if (width < smallestPictureSide(kind)) return std::string(wrongSizeMessage);
  return std::nullopt;
}

} // namespace kvarnel
