// Where the game's data is found: beside the executable in a build or an unpacked copy,
// under share/kvarnel of an installation prefix.
#include "game/files/game_data_folder.h"

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
  EXPECT_EQ(installedDataFolder(bin.string()), (prefix / "share" / "kvarnel").string());
  EXPECT_EQ(installedDataFolder((prefix / "bin/").string()), (prefix / "share" / "kvarnel").string());
  EXPECT_FALSE(holdsGamePictures(bin.string()));
  std::ofstream(bin / "Герои") << "x"; // a file of that name is no picture folder
  EXPECT_FALSE(holdsGamePictures(bin.string()));
  fs::remove(bin / "Герои");
  fs::create_directories(bin / "Герои");
  EXPECT_TRUE(holdsGamePictures(bin.string()));
  fs::remove_all(prefix);
}

} // namespace
} // namespace kvarnel
