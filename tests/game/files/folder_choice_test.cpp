// Where the game keeps its files: a writable copy keeps everything beside itself, a read-only
// copy and an installed game read their data there and keep the player's files in his folders.
#include "game/files/folder_choice.h"

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

TEST(FolderChoice, OnlyAGameOutsideItsOwnFolderMakesThePlayersFolders) {
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
  writeOptions(installed, Options{});
  EXPECT_TRUE(fs::is_regular_file(root / "config/Options.ini"));
}

} // namespace
} // namespace kvarnel
