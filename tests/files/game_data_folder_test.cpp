// Where the game's data is found: beside the executable in a build or an unpacked copy,
// under share/kvarnel of an installation prefix.
#include "files/game_data_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace kvarnel {
namespace {

namespace fs = std::filesystem;

TEST(GameDataFolder, BesideTheExecutableWhenItHoldsTheHeroesElseUnderThePrefix) {
  const fs::path prefix = fs::temp_directory_path() / ("kvarnel-data-" + std::to_string(::getpid()));
  fs::remove_all(prefix);
  const fs::path bin = prefix / "bin";
  fs::create_directories(bin);
  const std::string installed = (prefix / "share" / "kvarnel").string();

  // An installed executable's folder holds no pictures.
  EXPECT_EQ(gameDataFolder(bin.string()), installed);
  EXPECT_EQ(gameDataFolder((prefix / "bin/").string()), installed);
  // A file named like the folder is no picture folder.
  std::ofstream(bin / "Герои") << "x";
  EXPECT_EQ(gameDataFolder(bin.string()), installed);
  // The build's folder, or a copy of the game: the pictures are beside the executable, even
  // when an installation's folder exists as well.
  fs::remove(bin / "Герои");
  fs::create_directories(bin / "Герои");
  fs::create_directories(installed);
  EXPECT_EQ(gameDataFolder(bin.string()), bin.string());

  fs::remove_all(prefix);
}

} // namespace
} // namespace kvarnel
