// The rules of "Старт!".
#include "game/play/new_game_request.h"

#include "game/core/size_limits.h"
#include "game/core/typed_number.h"

#include <algorithm>

namespace kvarnel {

std::variant<NewGameRequest, std::string> newGameRequestOf(const NewGameEntries& entries) {
  NewGameRequest request;
  if (entries.timed) {
    const std::optional<std::int32_t> m = leadingNumber(entries.minutes);
    const std::optional<std::int32_t> s = leadingNumber(entries.seconds);
    if (m && s && *m == 0 && *s == 0) return playerText(noTimeMessage);
    if (!m || !s || *m > 59 || *s > 59) return playerText(longTimeMessage);
    request.limit = TimeLimit{*m, *s};
  }
  const std::optional<std::int32_t> width = leadingNumber(entries.width);
  const std::optional<std::int32_t> height = leadingNumber(entries.height);
  if (!width || !height || !mazeSizeFits(std::max(*width, 2), std::max(*height, 2)))
    return playerText(tooLargeMessage);
  request.roomsAcross = std::max(*width, 2);
  request.roomsDown = std::max(*height, 2);
  return request;
}

void rememberNewGame(Options& options, const NewGameRequest& request) {
  options.roomsAcross = request.roomsAcross;
  options.roomsDown = request.roomsDown;
  options.timedGame = request.limit ? 1 : 0;
  options.limitMinutes = request.limit ? request.limit->minutes : 0;
  options.limitSeconds = request.limit ? request.limit->seconds : 0;
}

} // namespace kvarnel
