// The open and save commands: file dialogs, the ".lbr" rule, the replace question, and which
// file the maze in play belongs to.
#pragma once

#include "game/core/maze.h"
#include "game/core/platform.h"

#include <optional>
#include <string>

namespace kvarnel {

// Where the file dialogs start, and the file the maze in play was opened from or saved to.
struct MazeFiles {
  std::string dialogFolder;
  std::string mazeFilePath; // empty when there is none
};

// The part of a path after its last separator ("\" or "/"), the whole path when it has none.
std::string fileNameOf(const std::string& path);
// The part of a path up to and including its last separator, empty when it has none.
std::string folderOf(const std::string& path);
// The path with ".lbr" appended unless it already ends so, in any letter case.
std::string withMazeExtension(const std::string& path);

// Shows the save or open dialog in dialogFolder with proposedName; empty when cancelled. A
// confirmed path moves dialogFolder to its folder.
std::string askForMazePath(bool save, const std::string& proposedName, MazeFiles& files, FileDialogs& dialogs);

// True when nothing is at path, or the player agreed to replace the file there.
bool mayWriteTo(const std::string& path, MessageBoxes& messages);

// "Сохранить" (saveAs false) and "Сохранить как..." (saveAs true). True when the maze was
// written: mazeFilePath then names its file.
bool saveMazeCommand(bool saveAs, const Maze& maze, MazeFiles& files, Services& services);

// Writes the maze to path, asking first before replacing another existing file. True when it
// was written: mazeFilePath then names path.
bool saveMaze(const std::string& path, const Maze& maze, MazeFiles& files, MessageBoxes& messages);

struct OpenedMaze {
  Maze maze;
  std::string path;
};

// "Открыть": the maze chosen in the open dialog, or nothing when the dialog was cancelled or
// the file refused (its message shown). Which file is current is the caller's to decide.
std::optional<OpenedMaze> openMazeCommand(MazeFiles& files, Services& services);

// The maze file at path, or nothing after its message.
std::optional<Maze> readMazeOrSay(const std::string& path, MessageBoxes& messages);

} // namespace kvarnel
