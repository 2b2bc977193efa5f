// The code of a maze, "WxH:TEXT": its size and its seed text, enough to make the very same maze
// anywhere. TEXT is the seed text without its leading blank: " 45296.17" in 20 x 4 rooms is
// "20x4:45296.17".
#pragma once

#include "game/core/player_text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvarnel {

struct MazeCode {
  std::int32_t roomsAcross = 0;
  std::int32_t roomsDown = 0;
  std::string seedText; // with its leading blank, as newMaze takes it
  bool operator==(const MazeCode&) const = default;
};

// The longest TEXT a code may carry.
inline constexpr std::size_t longestCodeText = 64;

// What the player is told when a code cannot be used, in the designed Russian (playerText gives
// it translated).
inline constexpr const char* mazeCodeHelp =
    KVARNEL_TEXT("Game", "Код лабиринта выглядит так: 20x4:45296.17 - число комнат по горизонтали и по вертикали (от 2 "
                         "до 16383, всего не больше 32767 комнат), двоеточие и текст.");

// The code of a maze of roomsAcross x roomsDown rooms made from seedText; nothing when the seed text does
// not begin with a blank (the game never makes such a text) or the code would not read back.
std::optional<std::string> mazeCodeText(std::int32_t roomsAcross, std::int32_t roomsDown, const std::string& seedText);

// Reads a code as a player types or pastes it: blanks around it and after the ":" are dropped,
// and the size may be written with "x", "X", the Cyrillic "х" or "Х", or "×". Nothing when the
// text is no code: no size, a size beyond the limits, no ":", an empty TEXT, control
// characters, or a TEXT longer than longestCodeText bytes.
std::optional<MazeCode> parseMazeCode(std::string_view text);

} // namespace kvarnel
