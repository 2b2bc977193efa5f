// "Печать..." and "Экспорт...": the maze on show goes on paper, through the window that asks how,
// then the print dialog or the save dialog.
#pragma once

#include "game/core/maze.h"
#include "game/core/platform.h"
#include "front/paper/maze_sheet.h"

#include <QString>

#include <optional>
#include <string>

class QWidget;

namespace kvarnel {

class ModalRunner;

// What goes on paper: the maze, the line under it and the pictures of the pictures look.
struct PaperSubject {
  const Maze* maze = nullptr;
  QString caption;
  const GamePictures* pictures = nullptr;
};

// The caption under a maze: its code when it was made from one, else its file's name.
QString paperCaption(const std::optional<std::string>& mazeCode, const std::string& mazeFilePath);

class PaperFlow {
public:
  // The save dialog starts in documentsFolder, then where the last export went.
  PaperFlow(Services& services, ModalRunner& modals, QWidget* parent, std::string documentsFolder);

  // Each is true when the maze went on paper with the way to the door.
  bool print(const PaperSubject& subject);
  bool exportFile(const PaperSubject& subject);

private:
  std::optional<std::string> askExportPath(const QString& caption);

  Services& services_;
  ModalRunner& modals_;
  QWidget* parent_;
  std::string folder_;
};

} // namespace kvarnel
