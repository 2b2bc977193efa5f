// The three picture kinds: their folders, their smallest side, and the checks a picture of the
// kind must pass.
#pragma once

#include "game/core/player_text.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kvarnel {

// In the order of their folders, menu items and chooser buttons.
enum class PictureKind { Hero = 0, Wall = 1, Door = 2 };

inline constexpr std::array<PictureKind, 3> pictureKinds{PictureKind::Hero, PictureKind::Wall,
                                                         PictureKind::Door};

constexpr std::size_t kindIndex(PictureKind kind) { return static_cast<std::size_t>(kind); }

inline std::string pictureFolderName(PictureKind kind) {
  static const std::array<std::string, 3> names{"Герои", "Стенки", "Двери"};
  return names[kindIndex(kind)];
}

// The kind's picture folder in dataFolder, which ends in the separator the rest of the path uses.
inline std::string pictureFolderOf(const std::string& dataFolder, PictureKind kind) {
  const std::string separator = dataFolder.empty() ? std::string("/") : dataFolder.substr(dataFolder.size() - 1);
  return dataFolder + pictureFolderName(kind) + separator;
}

// True when name is a file name alone, one that can only name a file inside the folder it is
// appended to: not empty, not "." or "..", no separator of either kind and no NUL. Picture
// names come from Options.ini and the command line, and must not reach other folders.
inline bool isPlainFileName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

constexpr int smallestPictureSide(PictureKind kind) { return kind == PictureKind::Wall ? 16 : 32; }

// Why a picture is refused, in the designed Russian (playerText gives them translated).
inline constexpr const char* notSquareMessage = KVARNEL_TEXT("Game", "Рисунок не квадратный.");
inline constexpr const char* wrongSizeMessage = KVARNEL_TEXT("Game", "Не подходящий размер рисунка. Прочтите справку.");
inline constexpr const char* notOpenedMessage = KVARNEL_TEXT("Game", "Рисунок не открыт.");

// Why a picture of width x height cannot be the kind's picture, or nothing when it can: the
// square check comes before the size check. The refusal is in the interface's language.
inline std::optional<std::string> pictureRefusal(PictureKind kind, int width, int height) {
  if (width != height) return playerText(notSquareMessage);
  if (width < smallestPictureSide(kind)) return playerText(wrongSizeMessage);
  return std::nullopt;
}

} // namespace kvarnel
