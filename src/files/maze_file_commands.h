// The open and save commands: file dialogs, the ".lbr" rule, the replace question, and what the
// game remembers about the current maze file.
#pragma once

#include "core/game_state.h"
#include "core/platform.h"

#include <string>

namespace kvarnel {

// The main window as the open and save commands see it.
class MazeFileWindow {
public:
  virtual ~MazeFileWindow() = default;
  // "Кварнель", or "Кварнель - [name]" for the file at path.
  virtual void setFileCaption(const std::string& path) = 0;
  // The maze state now holds an opened maze: stop the clock, lay the window out, set the caption
  // for mazeFilePath and draw the maze with the hero where the file put him.
  virtual void showOpenedMaze() = 0;
};

// The part of a path after its last separator ("\" or "/"), the whole path when it has none.
std::string fileNameOf(const std::string& path);
// The part of a path up to and including its last separator, empty when it has none.
std::string folderOf(const std::string& path);
// The path with ".lbr" appended unless it already ends so, in any letter case.
std::string withMazeExtension(const std::string& path);

// "Сохранить" (saveAs false) and "Сохранить как..." (saveAs true).
void DialogBoxSave(bool saveAs, GameState& state, Services& services, MazeFileWindow& window);
// "Открыть".
void DialogBoxOpen(GameState& state, Services& services, MazeFileWindow& window);

// Shows the save or open dialog in dialogFolder with proposedName; empty when cancelled. A
// confirmed path moves dialogFolder to its folder.
std::string ApiOpenSave(bool save, const std::string& proposedName, SharedSettings& settings,
                        FileDialogs& dialogs);

// Writes the maze in play to path, asking first before replacing another existing file.
void SaveGame(const std::string& path, GameState& state, MessageBoxes& messages, MazeFileWindow& window);
// Reads the maze file at path into play; on failure nothing changes but the message shown.
void OpenGame(const std::string& path, GameState& state, MessageBoxes& messages, MazeFileWindow& window);

} // namespace kvarnel
