// Making a new maze: sizing the grid, generating, marking the way out, closing the border.
#pragma once

#include "core/clock.h"
#include "core/game_state.h"

#include <string>

namespace kvarnel {

// Generates into the sized grid and marks its way out; both border openings are left open.
void NewMaze(MazeState& maze, const std::string& seedText);

// A new maze of mazeWidth x mazeHeight rooms with the hero in room (0, 0) and the outer wall
// closed. Returns false, changing nothing, when that size cannot be made.
bool startNewMaze(MazeState& maze, const std::string& seedText);

// The same, seeded from the time of day.
bool startNewMaze(MazeState& maze, Clock& clock);

} // namespace kvarnel
