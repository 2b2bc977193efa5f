// Making a new maze: sizing the grid, generating, marking the way out, closing the border.
#pragma once

#include "game/core/clock.h"
#include "game/core/maze.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kvarnel {

// Generates into the sized grid and marks its way out; both border openings are left open.
void carveMaze(Maze& maze, const std::string& seedText);

// A new maze of width x height rooms with the hero in room (0, 0) and the outer wall closed;
// nothing for a size that cannot be made.
std::optional<Maze> newMaze(std::int32_t width, std::int32_t height, const std::string& seedText);

// The seed text of a new maze made now: the time of day as the game writes it.
std::string seedTextNow(Clock& clock);

} // namespace kvarnel
