// Where the game's files are, and its options.
#include "play/start_up.h"

namespace kvarnel {

std::string appFolderOf(const std::string& folder) {
  const char separator = folder.find('\\') != std::string::npos ? '\\' : '/';
  std::string result = folder;
  if (result.empty() || result.back() != separator) result += separator;
  return result;
}

GameFolders programFolders(const std::string& programFolder) {
  const std::string folder = appFolderOf(programFolder);
  return {folder, folder, folder, {}};
}

Options readStartupOptions(const GameFolders& folders) {
  Options options;
  readOptionsFile(folders.options + optionsFileName, options);
  // Options.ini may have been edited by hand.
  for (PictureKind kind : pictureKinds) {
    std::string& name = rememberedPicture(options, kind);
    if (!isPlainFileName(name)) name.clear();
  }
  return options;
}

void writeOptions(const GameFolders& folders, const Options& options) {
  writeOptionsFile(folders.options + optionsFileName, options);
}

} // namespace kvarnel
