// The open and save commands.
#include "files/maze_file_commands.h"

#include "files/maze_file_format.h"

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

std::string replaceQuestion(const std::string& path) {
  return "Файл \"" + path + "\" уже существует.\r\nЗаменить его?";
}

} // namespace

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

std::string ApiOpenSave(bool save, const std::string& proposedName, SharedSettings& settings,
                        FileDialogs& dialogs) {
  const FileDialogRequest request{settings.dialogFolder, proposedName};
  const std::optional<std::string> chosen = save ? dialogs.askSave(request) : dialogs.askOpen(request);
  if (!chosen || chosen->empty()) return {};
  settings.dialogFolder = folderOf(*chosen);
  return *chosen;
}

void DialogBoxSave(bool saveAs, GameState& state, Services& services, MazeFileWindow& window) {
  SharedSettings& s = state.settings;
  if (!saveAs && !s.mazeFilePath.empty()) {
    SaveGame(s.mazeFilePath, state, services.messages, window);
    return;
  }
  const std::string proposed = s.mazeFilePath.empty() ? std::string() : fileNameOf(s.mazeFilePath);
  const std::string path = ApiOpenSave(true, proposed, s, services.fileDialogs);
  if (path.empty()) return;
  SaveGame(withMazeExtension(path), state, services.messages, window);
}

void DialogBoxOpen(GameState& state, Services& services, MazeFileWindow& window) {
  const std::string path = ApiOpenSave(false, {}, state.settings, services.fileDialogs);
  if (path.empty()) return;
  OpenGame(withMazeExtension(path), state, services.messages, window);
}

void SaveGame(const std::string& path, GameState& state, MessageBoxes& messages, MazeFileWindow& window) {
  SharedSettings& s = state.settings;
  if (path != s.mazeFilePath && fileExists(path)) {
    const MessageAnswer answer = messages.show(replaceQuestion(path), MessageIcon::Exclamation,
                                               MessageButtons::YesNo, MessageAnswer::No);
    if (answer != MessageAnswer::Yes) return;
  }
  const MazeFileResult result = WriteMazeFile(state.maze, path);
  if (result != MazeFileResult::Ok) {
    messages.stop(MazeFileMessage(result, path));
    return;
  }
  s.mazeFilePath = path;
  s.dialogFolder = folderOf(path);
  window.setFileCaption(path);
}

void OpenGame(const std::string& path, GameState& state, MessageBoxes& messages, MazeFileWindow& window) {
  const MazeFileResult result = ReadMazeFile(state.maze, path);
  if (result != MazeFileResult::Ok) {
    messages.stop(MazeFileMessage(result, path));
    return;
  }
  SharedSettings& s = state.settings;
  s.timedGame = 0;
  s.mazeFilePath = path;
  s.dialogFolder = folderOf(path);
  window.showOpenedMaze();
}

} // namespace kvarnel
