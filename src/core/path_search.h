// The search that marks the one way from the top-left room out through the exit opening.
#pragma once

#include "core/game_state.h"

namespace kvarnel {

// Marks with cellPath every cell on the way from room (0, 0) to the opening below the
// bottom-right room, in a grid fresh from GenerateMaze; all other open cells stay cellOpen.
void MarkSolutionPath(MazeState& maze);

} // namespace kvarnel
