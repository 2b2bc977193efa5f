// Where the game's pictures and help page lie.
#include "files/game_data_folder.h"

#include "core/picture_kinds.h"

#include <filesystem>

namespace kvarnel {

std::string gameDataFolder(const std::string& executableFolder) {
  namespace fs = std::filesystem;
  const fs::path folder(executableFolder);
  std::error_code ec;
  if (fs::is_directory(folder / pictureFolderName(PictureKind::Hero), ec)) return executableFolder;
  return (folder / ".." / "share" / "kvarnel").lexically_normal().string();
}

} // namespace kvarnel
