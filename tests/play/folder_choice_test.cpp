// Where the game keeps its files: a writable copy keeps everything beside itself, a read-only
// copy and an installed game read their data there and keep the player's files in his folders.
#include "play/folder_choice.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>

namespace kvarnel {
namespace {

namespace fs = std::filesystem;

const PlayerFolders player{"/home/p/.config/kvarnel", "/home/p/.cache/kvarnel/", "/home/p/.local/share/kvarnel",
                           "/home/p/Документы"};

TEST(FolderChoice, CopiesKeepEverythingBesideThemselvesInstalledGamesWriteOnlyThePlayersFolders) {
  struct Row {
    ProgramFolder program;
    PlayerFolders player;
    GameFolders expected;
  };
  const Row rows[] = {
      // The build's folder or a copy on a stick: as ever.
      {{"/media/stick/Кварнель", true, true},
       player,
       {"/media/stick/Кварнель/", "/media/stick/Кварнель/", "/media/stick/Кварнель/", "/media/stick/Кварнель/",
        "/media/stick/Кварнель/"}},
      // A copy on a read-only medium: its pictures, the player's folders for the rest.
      {{"/media/cdrom", true, false},
       player,
       {"/media/cdrom/", "/home/p/.config/kvarnel/", "/home/p/.cache/kvarnel/", "/home/p/.local/share/kvarnel/",
        "/home/p/Документы/"}},
      // Installed: nothing is written under the prefix, even by a user who may write there.
      {{"/usr/local/bin", false, true},
       player,
       {"/usr/local/share/kvarnel/", "/home/p/.config/kvarnel/", "/home/p/.cache/kvarnel/",
        "/home/p/.local/share/kvarnel/", "/home/p/Документы/"}},
      {{"/usr/games/", false, false},
       player,
       {"/usr/share/kvarnel/", "/home/p/.config/kvarnel/", "/home/p/.cache/kvarnel/",
        "/home/p/.local/share/kvarnel/", "/home/p/Документы/"}},
      // A folder the desktop does not name stays unnamed, never the root or the current folder.
      {{"/usr/bin", false, false}, {}, {"/usr/share/kvarnel/", "", "", "", ""}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.program.path + (row.program.holdsPictures ? " copy" : " installed") +
                 (row.program.writable ? " writable" : " read-only"));
    const GameFolders f = chooseGameFolders(row.program, row.player);
    EXPECT_EQ(f.data, row.expected.data);
    EXPECT_EQ(f.options, row.expected.options);
    EXPECT_EQ(f.pages, row.expected.pages);
    EXPECT_EQ(f.userData, row.expected.userData);
    EXPECT_EQ(f.mazes, row.expected.mazes);
  }
}

TEST(FolderChoice, TheInstalledGameMakesThePlayersFoldersAndKeepsItsOptionsThere) {
  QTemporaryDir home;
  const fs::path root(home.path().toStdString());
  fs::create_directories(root / "prefix" / "bin");
  const PlayerFolders mine{(root / ".config/kvarnel").string(), (root / ".cache/kvarnel").string(),
                           (root / ".local/share/kvarnel").string(), (root / "Документы").string()};
  const GameFolders installed = chooseGameFolders({(root / "prefix/bin").string(), false, false}, mine);

  makeOwnPictureFolders(installed);
  for (const char* kind : {"Герои", "Стенки", "Двери"}) {
    EXPECT_TRUE(fs::is_directory(root / ".local/share/kvarnel" / kind)) << kind;
    EXPECT_TRUE(fs::is_empty(root / ".local/share/kvarnel" / kind)) << kind;
  }
  Options options;
  options.mazeWidth = 9;
  options.doorPicture = "Моя дверь.png";
  writeOptions(installed, options);
  EXPECT_TRUE(fs::is_regular_file(root / ".config/kvarnel/Options.ini"));
  const Options back = readStartupOptions(installed);
  EXPECT_EQ(back.mazeWidth, 9);
  EXPECT_EQ(back.doorPicture, "Моя дверь.png");
  EXPECT_TRUE(fs::is_empty(root / "prefix/bin"));

  // A writable copy makes nothing outside its folder, and has its picture folders already.
  const fs::path copy = root / "copy";
  fs::create_directories(copy / "Герои");
  makeOwnPictureFolders(chooseGameFolders({copy.string(), true, true}, mine));
  EXPECT_FALSE(fs::exists(copy / "Стенки"));
}

} // namespace
} // namespace kvarnel
