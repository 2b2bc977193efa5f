// The game's rules in one place: the maze in play, the hero's walk, the clock of a timed game,
// pause, the way to the door and where the game stands. The window turns each Qt event into one
// of these commands, then shows the game from the state below; a command returns only what
// cannot be read from that state afterwards.
#pragma once

#include "game/core/clock.h"
#include "game/core/maze.h"
#include "game/core/way_search.h"
#include "game/play/best_times.h"
#include "game/play/end_message.h"
#include "game/play/hero_walk.h"
#include "game/play/new_game_request.h"
#include "game/play/play_time.h"
#include "game/play/walk_keys.h"
#include "game/view/field_geometry.h"
#include "game/view/window_layout.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kvarnel {

// NoMaze: start-up, nothing to walk in. Ready: the field takes clicks. Walking: the step timer
// moves the hero. WonWaiting: the hero is in the exit room, the victory delay runs. Won and
// TimeUp: the game has ended and the end window has been asked for, once; only the next maze
// leaves them. A walk that was running when the time ran out goes on in TimeUp to its end.
enum class Phase { NoMaze, Ready, Walking, WonWaiting, Won, TimeUp };

struct Walk {
  std::int32_t dx = 0;
  std::int32_t dy = 0;
  std::int32_t stepsLeft = 0; // half-room steps still to go
};

inline constexpr int millisecondsPerSecond = 1000;

struct TimedGame {
  std::optional<TimeLimit> limit; // none: the game is untimed
  std::int32_t secondsLeft = 0;
  float barPerSecond = 0.0f; // the time bar's pixels per second, from the layout
  int secondGone = 0;        // milliseconds of the clock's current second already gone
  // Whether the clock has counted a second of the limit: until then the bar is all green.
  bool started() const { return limit && secondsLeft < limit->totalSeconds(); }
};

// What happens once and must be acted on beyond showing the game as it stands.
struct SessionEvents {
  std::optional<GameEnd> end;          // show the end window
  std::optional<GameResult> victory;   // a victory that may enter the best times
  std::optional<ViewScroll> scrollTo;  // a walk ended: the view follows the hero
};

class GameSession {
public:
  // Without a clock every play time is 0.
  GameSession() = default;
  // Play times are measured on the clock's steady seconds, dates taken from it.
  explicit GameSession(Clock& clock) : clock_(&clock) {}

  // A new maze for "Старт!" made from seedText, drawn with the given geometry. A size the game
  // cannot make (the dialog refuses it first) changes nothing.
  void startNewMaze(const NewGameRequest& request, const std::string& seedText, const FieldGeometry& geometry);
  // A maze read from a file: played untimed, with the hero where the file put him.
  void openMaze(Maze maze, const FieldGeometry& geometry);
  // The maze in play again from its start: the hero in room (0, 0), a timed game's clock at its
  // full limit. Saving stays as it was; so do the way and the help.
  void restart();
  // Other pictures: the maze on show, if any, is drawn again with the hero in his place.
  void changePictures(const FieldGeometry& geometry);

  // What the client area's layout depends on, for a client area of that size, as the game stands.
  WindowLayoutInput layoutInput(int clientWidth, int clientHeight, bool minimised) const;
  // The client area was laid out: the extents of the field in view, the time bar's scale.
  void takeLayout(const WindowLayout& layout);

  // A button went down on the field, and came up at `at`.
  void press();
  void release(FieldPoint at);
  // A walk key: walked at once where a click would walk, remembered (the last one only) while
  // the hero walks and walked when he stops; nothing where a click would do nothing.
  void walkKey(WalkKey key);
  // Stops or starts again a running timed game: no clock, no walk, no clicks while paused. A
  // pause keeps what the clock had of its current second: clockElapsed is its time since its
  // last tick, and after the pause only the rest of the second is left.
  void setPaused(bool paused, int clockElapsed = 0);
  // Draws the way from the hero's room to the door, following him; a game that showed it is
  // helped and enters no best time.
  void showWay(bool shown);
  // The maze went on paper with the way drawn (printed or exported): the game is helped as if
  // the way had been shown. Without the way paper changes nothing.
  void wayOnPaper();

  // One tick of the step timer: the hero's box moves half a room; bars are the view's scroll
  // bars as they stand.
  SessionEvents stepTick(const ViewScroll& bars);
  // The game clock, `elapsed` milliseconds after its last tick: every whole second of a running
  // clock counts down the limit, and the time runs out one second after the last.
  SessionEvents clockTick(int elapsed);
  // The victory delay's one tick, a second after the hero reached the exit room.
  SessionEvents victoryTick();

  const Maze& maze() const { return maze_; }
  const FieldView& view() const { return view_; }
  const TimedGame& timedGame() const { return timed_; }
  Phase phase() const { return phase_; }
  // Changes whenever the field is to be drawn afresh from its top-left corner: a new, opened or
  // restarted maze.
  std::uint64_t drawing() const { return drawing_; }
  bool mazeShown() const { return phase_ != Phase::NoMaze; }
  bool fieldTakesClicks() const { return phase_ == Phase::Ready && !paused_; }
  bool stepTimerRuns() const;
  bool clockRuns() const;
  // How long the clock is to wait for its next tick: what is left of its current second.
  int clockInterval() const { return millisecondsPerSecond - timed_.secondGone; }
  bool victoryDelayRuns() const { return phase_ == Phase::WonWaiting; }
  // "Сохранить" and "Сохранить как...": allowed in an untimed new game until it is won; an
  // opened maze and a restart leave them as they were.
  bool savingAllowed() const { return savingAllowed_; }

  bool pauseAllowed() const { return paused_ || clockRuns(); }
  bool paused() const { return paused_; }
  bool wayAllowed() const { return mazeShown() && !paused_; }
  bool wayShown() const { return wayShown_; }
  // The way's marks while it is shown; none when the hero's room has no way to the door.
  const WayMarks& way() const { return way_; }
  bool helped() const { return helped_; }
  // "WxH:TEXT" of a maze made from its seed text; nothing for a maze opened from a file.
  std::optional<std::string> mazeCode() const;
  // An untimed game in play and not won: the game keeps it when the player leaves.
  bool keptAtExit() const;

private:
  void beginPlay(const FieldGeometry& geometry);
  void placeHeroBox();
  void beginWalk(const WalkPlan& plan);
  void endWalk();
  void countSecond(SessionEvents& events);
  void findWay();
  double now() const { return clock_ != nullptr ? clock_->steadySeconds() : 0.0; }

  Maze maze_;
  Walk walk_;
  FieldView view_;
  TimedGame timed_;
  Phase phase_ = Phase::NoMaze;
  std::uint64_t drawing_ = 0;
  bool pressed_ = false; // a button went down on the field since the last release handled
  bool savingAllowed_ = false;

  Clock* clock_ = nullptr;
  std::optional<std::string> seedText_; // none for a maze from a file
  std::optional<WalkKey> pendingKey_;
  bool paused_ = false;
  bool wayShown_ = false;
  bool helped_ = false;
  WayMarks way_;
  PlayTime playTime_;
  std::int32_t roomsWalked_ = 0;
  std::optional<GameResult> result_; // a won game that may enter the best times
};

} // namespace kvarnel
