// The rules of "Старт!" in the new-game dialog: what the entries ask for, or why they cannot.
#pragma once

#include "game/core/options.h"
#include "game/core/player_text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace kvarnel {

// A game against the clock: minutes and seconds, each 0 to 59, not both 0.
struct TimeLimit {
  std::int32_t minutes = 0;
  std::int32_t seconds = 0;
  std::int32_t totalSeconds() const { return minutes * 60 + seconds; }
};

struct NewGameRequest {
  std::int32_t roomsAcross = 0;
  std::int32_t roomsDown = 0;
  std::optional<TimeLimit> limit; // none: an untimed game
};

// The dialog's entries as typed.
struct NewGameEntries {
  std::string width;
  std::string height;
  bool timed = false;
  std::string minutes;
  std::string seconds;
};

// The refusals of "Старт!", in the designed Russian (playerText gives them translated).
inline constexpr const char* noTimeMessage = KVARNEL_TEXT("Game", "Вы не установили время игры");
inline constexpr const char* longTimeMessage = KVARNEL_TEXT("Game", "Максимальное количество секунд - 59");
inline constexpr const char* tooLargeMessage =
    KVARNEL_TEXT("Game", "Такой лабиринт не построить. По горизонтали и по вертикали можно задать не больше 16383 "
                         "дорожек, а всего - не больше 32767 комнат (например, 181 x 181).");

// The game the entries ask for, or the message that stops it, in the interface's language. Numbers are read from the digits
// an entry starts with (none gives 0; a number beyond 32 bits fails its check); sizes below 2
// count as 2. The time checks come first, then the size.
std::variant<NewGameRequest, std::string> newGameRequestOf(const NewGameEntries& entries);

// The options after "Старт!": the size and the time limit asked for (0:00 for an untimed game).
void rememberNewGame(Options& options, const NewGameRequest& request);

} // namespace kvarnel
