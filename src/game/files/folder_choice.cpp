// Which folders the game reads and writes.
#include "game/files/folder_choice.h"

#include "game/core/picture_kinds.h"
#include "game/files/game_data_folder.h"

#include <filesystem>

namespace kvarnel {
namespace {

std::string folderOrNone(const std::string& folder) { return folder.empty() ? folder : appFolderOf(folder); }

} // namespace

GameFolders chooseGameFolders(const ProgramFolder& program, const PlayerFolders& player) {
  if (program.holdsPictures && program.writable) return programFolders(program.path);
  const std::string data =
      appFolderOf(program.holdsPictures ? program.path : installedDataFolder(program.path));
  return {data, folderOrNone(player.config), folderOrNone(player.cache), folderOrNone(player.appData),
          folderOrNone(player.documents)};
}

void makeFolder(const std::string& folder) {
  std::error_code ignored;
  if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
}

void makeOwnPictureFolders(const GameFolders& folders) {
  if (folders.userData.empty() || folders.userData == folders.data) return;
  for (PictureKind kind : pictureKinds) makeFolder(pictureFolderOf(folders.userData, kind));
}

} // namespace kvarnel
