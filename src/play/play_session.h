// Where the game in play stands: what the field, the step timer and the end window may do next.
#pragma once

namespace kvarnel {

// NoMaze: start-up, nothing to walk in. Ready: the field takes clicks. Walking: the step timer
// moves the hero. WonWaiting: the hero is in the exit room, the victory timer runs. Won and
// TimeUp: the game has ended and the end window has been asked for, once; only the next maze
// leaves them. A walk that was running when the time ran out goes on in TimeUp to its end.
enum class PlayState { NoMaze, Ready, Walking, WonWaiting, Won, TimeUp };

struct PlaySession {
  PlayState state = PlayState::NoMaze;
  bool mousePressed = false; // a button went down on the field since the last release handled
};

// The field and the hero's box take clicks only while the hero stands ready.
constexpr bool fieldTakesClicks(const PlaySession& play) { return play.state == PlayState::Ready; }

} // namespace kvarnel
