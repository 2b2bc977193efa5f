// The maze file (*.lbr): eight CR LF lines, a header, six numbers and one digit per grid cell.
#pragma once

#include "game/core/maze.h"

#include <string>
#include <string_view>

namespace kvarnel {

enum class MazeFileResult { Ok, NotFound, CannotOpen, NotMazeFile, WriteProtected, CannotSave };

// The file's bytes for the maze in play.
std::string composeMazeFile(const Maze& maze);

// Parses a file's bytes into maze; on any result but Ok, maze is unchanged. Refuses files whose
// numbers the game could not have written: sizes it cannot make, grid bounds that are not
// twice the sizes, a hero outside the maze, a missing or non-numeric number line, a grid line
// shorter than the grid.
MazeFileResult parseMazeFile(std::string_view bytes, Maze& maze);

// Writes through a temporary file beside the target, renamed over it only when complete.
MazeFileResult writeMazeFile(const Maze& maze, const std::string& path);

// Reads path into maze; on any result but Ok, maze is unchanged.
MazeFileResult readMazeFile(const std::string& path, Maze& maze);

// The message that reports a result other than Ok, in the interface's language.
std::string mazeFileMessage(MazeFileResult result, const std::string& path);

} // namespace kvarnel
