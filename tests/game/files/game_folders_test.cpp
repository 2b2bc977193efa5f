// Where the game keeps its files: a writable copy keeps everything beside itself, a read-only
// copy and an installed game read their data there and keep the player's files in his folders,
// found by the XDG rules.
#include "game/files/game_folders.h"

#include "game/files/options_file_format.h"
#include "game/play/player_records.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <map>

namespace kvarnel {
namespace {

namespace fs = std::filesystem;

const PlayerFolders player{"/home/p/.config/kvarnel", "/home/p/.cache/kvarnel/", "/home/p/.local/share/kvarnel",
                           "/home/p/Документы"};

TEST(GameFolders, CopiesKeepEverythingBesideThemselvesInstalledGamesWriteOnlyThePlayersFolders) {
  // The program folder as plain values: held as a string in the table, GCC 12 at -O3 wrongly
  // warns that the string may be used uninitialized.
  struct Row {
    const char* program;
    bool holdsPictures;
    bool writable;
    const PlayerFolders& player;
    GameFolders expected;
  };
  const PlayerFolders none;
  const Row rows[] = {
      // The build's folder or a copy on a stick: as ever.
      {"/media/stick/Кварнель", true, true,
       player,
       {"/media/stick/Кварнель/", "/media/stick/Кварнель/", "/media/stick/Кварнель/", "/media/stick/Кварнель/",
        "/media/stick/Кварнель/"}},
      // A copy on a read-only medium: its pictures, the player's folders for the rest.
      {"/media/cdrom", true, false,
       player,
       {"/media/cdrom/", "/home/p/.config/kvarnel/", "/home/p/.cache/kvarnel/", "/home/p/.local/share/kvarnel/",
        "/home/p/Документы/"}},
      // Installed: nothing is written under the prefix, even by a user who may write there.
      {"/usr/local/bin", false, true,
       player,
       {"/usr/local/share/kvarnel/", "/home/p/.config/kvarnel/", "/home/p/.cache/kvarnel/",
        "/home/p/.local/share/kvarnel/", "/home/p/Документы/"}},
      {"/usr/games/", false, false,
       player,
       {"/usr/share/kvarnel/", "/home/p/.config/kvarnel/", "/home/p/.cache/kvarnel/",
        "/home/p/.local/share/kvarnel/", "/home/p/Документы/"}},
      // A folder the desktop does not name stays unnamed, never the root or the current folder.
      {"/usr/bin", false, false, none, {"/usr/share/kvarnel/", "", "", "", ""}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.program) + (row.holdsPictures ? " copy" : " installed") +
                 (row.writable ? " writable" : " read-only"));
    const GameFolders f = chooseGameFolders({row.program, row.holdsPictures, row.writable}, row.player);
    EXPECT_EQ(f.data, row.expected.data);
    EXPECT_EQ(f.options, row.expected.options);
    EXPECT_EQ(f.pages, row.expected.pages);
    EXPECT_EQ(f.userData, row.expected.userData);
    EXPECT_EQ(f.mazes, row.expected.mazes);
    // Exports go to the player's documents, even from a copy that keeps its files at home.
    EXPECT_EQ(f.documents, row.player.documents.empty() ? "" : row.player.documents + "/");
  }
}

TEST(GameFolders, OnlyAGameOutsideItsOwnFolderMakesThePlayersFolders) {
  QTemporaryDir home;
  const fs::path root(home.path().toStdString());
  const PlayerFolders mine{(root / "config").string(), (root / "cache").string(), (root / "data").string(), {}};
  // A writable copy has its picture folders already, and makes none in the player's folders.
  fs::create_directories(root / "copy/Герои");
  makeOwnPictureFolders(chooseGameFolders({(root / "copy").string(), true, true}, mine));
  EXPECT_FALSE(fs::exists(root / "data"));
  EXPECT_FALSE(fs::exists(root / "copy/Стенки"));

  const GameFolders installed = chooseGameFolders({(root / "prefix/bin").string(), false, false}, mine);
  makeOwnPictureFolders(installed);
  for (const char* kind : {"Герои", "Стенки", "Двери"}) EXPECT_TRUE(fs::is_empty(root / "data" / kind)) << kind;
  writeGameOptions(installed, Options{});
  EXPECT_TRUE(fs::is_regular_file(root / "config/Options.ini"));
}

TEST(GameFolders, ProgramFolderAndItsPictures) {
  EXPECT_EQ(appFolderOf("/opt/kvarnel"), "/opt/kvarnel/");
  EXPECT_EQ(appFolderOf("/opt/kvarnel/"), "/opt/kvarnel/");
  EXPECT_EQ(appFolderOf("C:\\"), "C:\\");
  EXPECT_EQ(appFolderOf("C:\\Игры"), "C:\\Игры\\");
  EXPECT_EQ(installedDataFolder("/usr/games"), "/usr/share/kvarnel");
  EXPECT_EQ(installedDataFolder("/opt/k/bin/"), "/opt/k/share/kvarnel");

  QTemporaryDir dir;
  const fs::path bin(dir.path().toStdString());
  EXPECT_FALSE(holdsGamePictures(bin.string()));
  std::ofstream(bin / "Герои") << "x"; // a file of that name is no picture folder
  EXPECT_FALSE(holdsGamePictures(bin.string()));
  fs::remove(bin / "Герои");
  fs::create_directories(bin / "Герои");
  EXPECT_TRUE(programFolderOf(bin.string()).holdsPictures);
  EXPECT_TRUE(programFolderOf(bin.string()).writable);
  EXPECT_FALSE(runningExecutableFolder().empty());

  const Options options = readGameOptions(programFolders(bin.string()));
  EXPECT_EQ(options.roomsAcross, 4);
  EXPECT_EQ(options.heroPicture, "");
}

TEST(GameFolders, APlayerWithoutOptionsStartsFromThoseTheGameComesWith) {
  QTemporaryDir dir;
  const fs::path root(dir.path().toStdString());
  fs::create_directories(root / "share/kvarnel");
  fs::copy_file(KVARNEL_SOURCE_DIR "/assets/Options.ini", root / "share/kvarnel/Options.ini");
  const GameFolders installed = chooseGameFolders({(root / "bin").string(), false, false},
                                                  {(root / "config").string(), {}, {}, {}});
  const Options shipped = readGameOptions(installed);
  EXPECT_EQ(shipped.heroPicture, "Рыцарь.png");
  EXPECT_EQ(shipped.wallPicture, "Кирпич.png");
  EXPECT_EQ(shipped.doorPicture, "Дверь.png");
  EXPECT_EQ(readGameOptions({installed.data, "", "", "", "", true}).wallPicture, "Кирпич.png") << "no home";
  // Once the player has options of his own, even empty ones, they are all he gets.
  fs::create_directories(root / "config");
  std::ofstream(root / "config/Options.ini") << " 7 \r\n";
  const Options own = readGameOptions(installed);
  EXPECT_EQ(own.roomsAcross, 7);
  EXPECT_EQ(own.heroPicture, "");
}

// A dotfile manager links the player's files into his folders: writing them keeps the links.
TEST(GameFolders, ThePlayersLinksToHisFilesStayLinks) {
  QTemporaryDir dir;
  const fs::path root(dir.path().toStdString());
  fs::create_directories(root / "dotfiles");
  fs::create_directories(root / "config");
  fs::create_directories(root / "data");
  testing::writeBytes((root / "dotfiles/Options.ini").string(), "");
  testing::writeBytes((root / "dotfiles/records.txt").string(), "");
  fs::create_symlink(root / "dotfiles/Options.ini", root / "config/Options.ini");
  fs::create_symlink(root / "dotfiles/records.txt", root / "data/records.txt");
  const GameFolders installed = chooseGameFolders({(root / "bin").string(), false, false},
                                                  {(root / "config").string(), {}, (root / "data").string(), {}});
  ASSERT_TRUE(installed.playersOwn);
  Options options;
  options.roomsAcross = 12;
  writeGameOptions(installed, options);
  PlayerRecords(installed.userData, installed.playersOwn).enterBestTime({{4, 4}, {1000, 5, 5, false, {2026, 1, 2}}});
  for (const char* name : {"config/Options.ini", "data/records.txt"}) EXPECT_TRUE(fs::is_symlink(root / name)) << name;
  EXPECT_EQ(readGameOptions(installed).roomsAcross, 12);
  EXPECT_EQ(testing::readBytes((root / "dotfiles/records.txt").string()),
            "kvarnel best times 1\n4 4 1000 5 5 0 2026-01-02\n");
}

// The XDG base directory rules: an absolute variable wins, an unset, empty or relative one
// falls back on an absolute HOME, and without that there is no folder at all.
TEST(GameFolders, ThePlayersFoldersFollowTheXdgRules) {
  QTemporaryDir home;
  const std::string h = home.path().toStdString();
  fs::create_directories(h + "/.config");
  fs::create_directories(h + "/Документы");
  testing::writeBytes(h + "/.config/user-dirs.dirs", "# made by the desktop\nXDG_DOCUMENTS_DIR=\"$HOME/Документы\"\n");
  struct Row {
    std::map<std::string, std::string> environment;
    PlayerFolders expected;
  };
  const Row rows[] = {
      {{{"HOME", h}},
       {h + "/.config/kvarnel", h + "/.cache/kvarnel", h + "/.local/share/kvarnel", h + "/Документы"}},
      {{{"HOME", h}, {"XDG_CONFIG_HOME", "/xdg/c"}, {"XDG_CACHE_HOME", "rel/cache"}, {"XDG_DATA_HOME", ""}},
       {"/xdg/c/kvarnel", h + "/.cache/kvarnel", h + "/.local/share/kvarnel", h}},
      {{}, {"", "", "", ""}},
      {{{"HOME", ""}}, {"", "", "", ""}},
      {{{"HOME", "home/p"}, {"XDG_DATA_HOME", "/d"}}, {"", "", "/d/kvarnel", ""}},
  };
  for (const Row& row : rows) {
    const PlayerFolders f = playerFoldersOf([&](const char* name) -> const char* {
      const auto found = row.environment.find(name);
      return found == row.environment.end() ? nullptr : found->second.c_str();
    });
    EXPECT_EQ(f.config, row.expected.config);
    EXPECT_EQ(f.cache, row.expected.cache);
    EXPECT_EQ(f.appData, row.expected.appData);
    EXPECT_EQ(f.documents, row.expected.documents);
  }
  // Without a home an installed game writes nothing: no folder names Options.ini.
  EXPECT_EQ(chooseGameFolders({"/usr/games", false, false}, {}).options, "");
}

} // namespace
} // namespace kvarnel
