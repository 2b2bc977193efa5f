// Where the game's pictures and help page lie.
#include "game/files/game_data_folder.h"

#include "game/core/picture_kinds.h"

#include <filesystem>

namespace kvarnel {

namespace fs = std::filesystem;

bool holdsGamePictures(const std::string& folder) {
  std::error_code ec;
  return fs::is_directory(fs::path(folder) / pictureFolderName(PictureKind::Hero), ec);
}

std::string installedDataFolder(const std::string& executableFolder) {
  return (fs::path(executableFolder) / ".." / "share" / "kvarnel").lexically_normal().string();
}

} // namespace kvarnel
