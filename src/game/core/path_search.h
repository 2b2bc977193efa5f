// The search that marks the one way from the top-left room out through the exit opening.
#pragma once

#include "game/core/maze.h"

namespace kvarnel {

// Marks with cellPath every cell on the way from room (0, 0) to the opening below the
// bottom-right room, in a grid fresh from generateMaze; all other open cells stay cellOpen.
void markWayOut(Maze& maze);

} // namespace kvarnel
