// Where the game's files are, and its options.
#include "game/files/start_up.h"

#include "game/files/folder_choice.h"

namespace kvarnel {

std::string appFolderOf(const std::string& folder) {
  const char separator = folder.find('\\') != std::string::npos ? '\\' : '/';
  std::string result = folder;
  if (result.empty() || result.back() != separator) result += separator;
  return result;
}

GameFolders programFolders(const std::string& programFolder) {
  const std::string folder = appFolderOf(programFolder);
  return {folder, folder, folder, folder, folder};
}

Options readStartupOptions(const GameFolders& folders) {
  Options options;
  if (folders.options.empty()) return options; // no folder of the player's to keep them in
  readOptionsFile(folders.options + optionsFileName, options);
  // Options.ini may have been edited by hand.
  for (PictureKind kind : pictureKinds) {
    std::string& name = rememberedPicture(options, kind);
    if (!isPlainFileName(name)) name.clear();
  }
  return options;
}

void writeOptions(const GameFolders& folders, const Options& options) {
  if (folders.options.empty()) return;
  makeFolder(folders.options);
  writeOptionsFile(folders.options + optionsFileName, options);
}

} // namespace kvarnel
