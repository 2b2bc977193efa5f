// The open and save commands.
#include "game/files/maze_file_commands.h"

#include "game/files/maze_file_format.h"
#include "game/core/player_text.h"

#include <filesystem>
#include <system_error>

namespace kvarnel {
namespace {

constexpr const char* separators = "\\/";
const std::string mazeExtension = ".lbr";

// A file counts as existing when its length can be read; any failure counts as missing.
bool fileExists(const std::string& path) {
  std::error_code error;
  static_cast<void>(std::filesystem::file_size(std::filesystem::path(path), error));
  return !error;
}

} // namespace

bool mayWriteTo(const std::string& path, MessageBoxes& messages) {
  if (!fileExists(path)) return true;
  const std::string question =
      playerText(KVARNEL_TEXT("Game", "Файл \"%1\" уже существует.\r\nЗаменить его?"), {path});
  return messages.show(question, MessageIcon::Exclamation, MessageButtons::YesNo, MessageAnswer::No) ==
         MessageAnswer::Yes;
}

std::string fileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of(separators);
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of(separators);
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string withMazeExtension(const std::string& path) {
  if (path.size() >= mazeExtension.size()) {
    std::string tail = path.substr(path.size() - mazeExtension.size());
    for (char& c : tail) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    if (tail == mazeExtension) return path;
  }
  return path + mazeExtension;
}

std::string askForMazePath(bool save, const std::string& proposedName, MazeFiles& files, FileDialogs& dialogs) {
  const FileDialogRequest request{files.dialogFolder, proposedName, {}};
  const std::optional<std::string> chosen = save ? dialogs.askSave(request) : dialogs.askOpen(request);
  if (!chosen || chosen->empty()) return {};
  files.dialogFolder = folderOf(*chosen);
  return *chosen;
}

bool saveMazeCommand(bool saveAs, const Maze& maze, MazeFiles& files, Services& services) {
  if (!saveAs && !files.mazeFilePath.empty()) return saveMaze(files.mazeFilePath, maze, files, services.messages);
  const std::string proposed = files.mazeFilePath.empty() ? std::string() : fileNameOf(files.mazeFilePath);
  const std::string path = askForMazePath(true, proposed, files, services.fileDialogs);
  if (path.empty()) return false;
  return saveMaze(withMazeExtension(path), maze, files, services.messages);
}

bool saveMaze(const std::string& path, const Maze& maze, MazeFiles& files, MessageBoxes& messages) {
  if (path != files.mazeFilePath && !mayWriteTo(path, messages)) return false;
  const MazeFileResult result = writeMazeFile(maze, path);
  if (result != MazeFileResult::Ok) {
    messages.stop(mazeFileMessage(result, path));
    return false;
  }
  files.mazeFilePath = path;
  files.dialogFolder = folderOf(path);
  return true;
}

std::optional<OpenedMaze> openMazeCommand(MazeFiles& files, Services& services) {
  const std::string chosen = askForMazePath(false, {}, files, services.fileDialogs);
  if (chosen.empty()) return std::nullopt;
  const std::string path = withMazeExtension(chosen);
  std::optional<Maze> maze = readMazeOrSay(path, services.messages);
  if (!maze) return std::nullopt;
  return OpenedMaze{std::move(*maze), path};
}

std::optional<Maze> readMazeOrSay(const std::string& path, MessageBoxes& messages) {
  Maze maze;
  const MazeFileResult result = readMazeFile(path, maze);
  if (result == MazeFileResult::Ok) return maze;
  messages.stop(mazeFileMessage(result, path));
  return std::nullopt;
}

} // namespace kvarnel
