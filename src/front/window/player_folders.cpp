// The game's folders for the running executable.
#include "front/window/player_folders.h"

#include "game/files/game_data_folder.h"
#include "game/files/folder_choice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kvarnel {
namespace {

std::string location(QStandardPaths::StandardLocation kind) {
  return QStandardPaths::writableLocation(kind).toStdString();
}

} // namespace

GameFolders findGameFolders() {
  const QString executableFolder = QCoreApplication::applicationDirPath();
  const ProgramFolder program{executableFolder.toStdString(), holdsGamePictures(executableFolder.toStdString()),
                              QFileInfo(executableFolder).isWritable()};
  QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (documents.isEmpty() || !QFileInfo(documents).isDir()) documents = QDir::homePath();
  return chooseGameFolders(program, {location(QStandardPaths::AppConfigLocation),
                                     location(QStandardPaths::CacheLocation),
                                     location(QStandardPaths::AppDataLocation), documents.toStdString()});
}

} // namespace kvarnel
