// The main window as the dialogs see it: its picture stores, save commands, caption and maze.
#pragma once

#include "core/game_state.h"

#include <string>

class QLabel;

namespace kvarnel {

// A picture box that a picture is loaded into.
struct PictureTarget {
  QLabel* box = nullptr;
  bool sizesToPicture = false; // takes the picture's size; otherwise keeps its own and cuts it off
};

class GameWindow {
public:
  virtual ~GameWindow() = default;
  virtual PictureTarget pictureStore(PictureKind kind) = 0;
  // Redraws the maze on show with the pictures in the stores.
  virtual void DrawMaze() = 0;
  virtual void setSaveItemsEnabled(bool enabled) = 0;
  virtual void setFileCaption(const std::string& path) = 0;
  // A new maze of mazeWidth x mazeHeight rooms; false, changing nothing, for a size too large.
  virtual bool SqrOutputMaze() = 0;
};

} // namespace kvarnel
