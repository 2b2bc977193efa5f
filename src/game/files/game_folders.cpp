// Where the game's files live.
#include "game/files/game_folders.h"

#include "game/core/bounded_read.h"
#include "game/core/picture_kinds.h"

#include <unistd.h>

#include <filesystem>
#include <string_view>

namespace kvarnel {
namespace {

namespace fs = std::filesystem;

constexpr const char* gameFolderName = "kvarnel";

std::string folderOrNone(const std::string& folder) { return folder.empty() ? folder : appFolderOf(folder); }

// An absolute path from the environment, or none: a relative one would name a folder wherever
// the game happens to be started.
std::string absoluteValue(const Environment& environment, const char* name) {
  const char* value = environment(name);
  if (value == nullptr || value[0] != '/') return {};
  return value;
}

// A base directory: its variable when absolute, else home + fallback; none without either.
std::string baseFolder(const Environment& environment, const char* variable, const std::string& home,
                       const char* fallback) {
  std::string folder = absoluteValue(environment, variable);
  if (folder.empty() && !home.empty()) folder = home + fallback;
  return folder;
}

// XDG_DOCUMENTS_DIR="$HOME/Documents" in user-dirs.dirs, with $HOME put in; empty when absent.
std::string documentsOf(const std::string& configHome, const std::string& home) {
  if (configHome.empty()) return {};
  const BoundedRead read = readFileBounded(configHome + "/user-dirs.dirs", 1 << 16);
  std::string_view text = read.bytes;
  constexpr std::string_view key = "XDG_DOCUMENTS_DIR=\"";
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.starts_with(key)) continue;
    line.remove_prefix(key.size());
    line = line.substr(0, line.find('"'));
    std::string folder(line);
    if (line.starts_with("$HOME")) folder = home.empty() ? std::string() : home + std::string(line.substr(5));
    return folder.starts_with('/') ? folder : std::string();
  }
  return {};
}

bool isFolder(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_directory(path, ec);
}

} // namespace

std::string appFolderOf(const std::string& folder) {
  const char separator = folder.find('\\') != std::string::npos ? '\\' : '/';
  std::string result = folder;
  if (result.empty() || result.back() != separator) result += separator;
  return result;
}

GameFolders programFolders(const std::string& programFolder) {
  const std::string folder = appFolderOf(programFolder);
  return {folder, folder, folder, folder, folder, false, folder};
}

GameFolders chooseGameFolders(const ProgramFolder& program, const PlayerFolders& player) {
  // A copy that keeps its files at home still exports to the player's documents.
  if (program.holdsPictures && program.writable) {
    GameFolders folders = programFolders(program.path);
    if (!player.documents.empty()) folders.documents = folderOrNone(player.documents);
    return folders;
  }
  const std::string data = appFolderOf(program.holdsPictures ? program.path : installedDataFolder(program.path));
  return {data,
          folderOrNone(player.config),
          folderOrNone(player.cache),
          folderOrNone(player.appData),
          folderOrNone(player.documents),
          true,
          folderOrNone(player.documents)};
}

PlayerFolders playerFoldersOf(const Environment& environment) {
  const std::string home = absoluteValue(environment, "HOME");
  const std::string configHome = baseFolder(environment, "XDG_CONFIG_HOME", home, "/.config");
  const std::string cacheHome = baseFolder(environment, "XDG_CACHE_HOME", home, "/.cache");
  const std::string dataHome = baseFolder(environment, "XDG_DATA_HOME", home, "/.local/share");
  auto inGameFolder = [](const std::string& base) { return base.empty() ? base : base + "/" + gameFolderName; };
  std::string documents = documentsOf(configHome, home);
  if (!isFolder(documents)) documents = home;
  return {inGameFolder(configHome), inGameFolder(cacheHome), inGameFolder(dataHome), documents};
}

GameFolders findGameFolders(const std::string& executableFolder, const Environment& environment) {
  return chooseGameFolders(programFolderOf(executableFolder), playerFoldersOf(environment));
}

ProgramFolder programFolderOf(const std::string& executableFolder) {
  return {executableFolder, holdsGamePictures(executableFolder),
          !executableFolder.empty() && ::access(executableFolder.c_str(), W_OK) == 0};
}

std::string runningExecutableFolder() {
  std::error_code ec;
  const fs::path executable = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : executable.parent_path().string();
}

bool holdsGamePictures(const std::string& folder) {
  std::error_code ec;
  return fs::is_directory(fs::path(folder) / pictureFolderName(PictureKind::Hero), ec);
}

std::string installedDataFolder(const std::string& executableFolder) {
  return (fs::path(executableFolder) / ".." / "share" / gameFolderName).lexically_normal().string();
}

void makeFolder(const std::string& folder) {
  std::error_code ignored;
  if (!folder.empty()) fs::create_directories(folder, ignored);
}

void makeOwnPictureFolders(const GameFolders& folders) {
  if (folders.userData.empty() || folders.userData == folders.data) return;
  for (PictureKind kind : pictureKinds) makeFolder(pictureFolderOf(folders.userData, kind));
}

} // namespace kvarnel
