// Structural checks of a finished maze shared by the core and file tests.
#pragma once

#include "game/core/maze.h"

#include <string>

namespace kvarnel::testing {

// Empty when the maze is a finished new maze: rooms open, posts and border closed, a perfect
// maze (rooms - 1 openings, all rooms connected), and code 1 exactly on the one way from room
// (0, 0) to the bottom-right room. Otherwise the first fault found.
std::string finishedMazeFault(const Maze& maze);

} // namespace kvarnel::testing
