// Where the game's files live: the pictures and the help page that come with it, the player's
// options, records and own pictures, the redirect pages, and where the file dialogs start.
#pragma once

#include "game/core/atomic_file.h"
#include "game/core/player_text.h"

#include <functional>
#include <string>

namespace kvarnel {

inline constexpr const char* optionsFileName = "Options.ini";
// The settings of the play beyond the designed game; Options.ini keeps its designed eight lines.
inline constexpr const char* extrasFileName = "Extras.ini";
//: The help page's file name in the game's folder; the build lays out one page for each language.
inline constexpr const char* helpPageName = KVARNEL_TEXT("Game", "Справка.htm");
inline constexpr const char* bestTimesFileName = "records.txt";
inline constexpr const char* keptGameFileName = "last-game.lbr";

// The program folder ending in its separator: "\" when the folder holds one, "/" otherwise.
std::string appFolderOf(const std::string& folder);

// Each folder ends in its separator; an empty one is none, and nothing is kept there.
struct GameFolders {
  std::string data;     // the picture folders and the help page
  std::string options;  // Options.ini and Extras.ini
  std::string pages;    // the redirect pages that open web addresses
  std::string userData; // the player's own: his picture folders, the best times, the kept game
  std::string mazes;    // where the open and save dialogs start
  bool playersOwn = false; // options and records lie in the player's own folders, not the game's
  std::string documents = {}; // where exported mazes go first: the player's documents folder
};

// How the game's own files in these folders are written: in the player's own folders a link he
// made to a file of his is written through; in a copy's program folder a link is replaced.
inline TargetKind ownFilesKind(const GameFolders& folders) {
  return folders.playersOwn ? TargetKind::PlayersOwnFile : TargetKind::OwnFile;
}

// Everything in the program folder, as a copy of the game that may write there has it.
GameFolders programFolders(const std::string& programFolder);

// What is known of the executable's folder.
struct ProgramFolder {
  std::string path;
  bool holdsPictures = false; // the picture folders are beside the executable: a copy of the game
  bool writable = false;      // the player may write there
};

// The player's folders for the game; any may be empty when there is none.
struct PlayerFolders {
  std::string config;    // Options.ini
  std::string cache;     // redirect pages
  std::string appData;   // his own picture folders and records
  std::string documents; // where the open and save dialogs start
};

// A copy of the game in a folder the player may write to keeps everything there, as ever. A
// copy on a read-only medium reads its data there and keeps the rest in the player's folders;
// so does an installed game, which reads its data from ../share/kvarnel and never writes under
// its prefix, whoever runs it.
GameFolders chooseGameFolders(const ProgramFolder& program, const PlayerFolders& player);

// An environment variable's value, as getenv gives it; nullptr when unset.
using Environment = std::function<const char*(const char*)>;

// The player's folders by the XDG base directory rules: $XDG_CONFIG_HOME/kvarnel,
// $XDG_CACHE_HOME/kvarnel and $XDG_DATA_HOME/kvarnel, each from $HOME when its variable is unset,
// empty or relative. A relative or empty HOME is no home: a folder that needs it is none. The
// documents folder is XDG_DOCUMENTS_DIR of the player's user-dirs.dirs when it exists, else home.
PlayerFolders playerFoldersOf(const Environment& environment);

// The game's folders for the executable in executableFolder and the player's environment.
GameFolders findGameFolders(const std::string& executableFolder, const Environment& environment);

// The executable's folder, what it holds and whether the player may write there.
ProgramFolder programFolderOf(const std::string& executableFolder);

// The folder of the running executable; empty when the system does not say.
std::string runningExecutableFolder();

// Whether folder holds the picture folders ("Герои" stands for the three): the build's folder, or
// a copy of the game unpacked anywhere.
bool holdsGamePictures(const std::string& folder);
// <executableFolder>/../share/kvarnel, where installing under a prefix puts the data, without a
// separator at the end.
std::string installedDataFolder(const std::string& executableFolder);

// Makes folder and the folders above it when missing; an empty name makes nothing, and failures
// are silent.
void makeFolder(const std::string& folder);

// Makes the player's own picture folders when they lie outside the game's data; failures are
// silent. Nothing is made in a copy of the game that keeps everything in its own folder.
void makeOwnPictureFolders(const GameFolders& folders);

} // namespace kvarnel
