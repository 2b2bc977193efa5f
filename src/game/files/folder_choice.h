// Which folders the game reads and writes: a copy of the game keeps everything in its own folder;
// an installed game reads its data under the prefix and keeps the player's files in his folders.
#pragma once

#include "game/files/start_up.h"

#include <string>

namespace kvarnel {

// What is known of the executable's folder.
struct ProgramFolder {
  std::string path;
  bool holdsPictures = false; // the picture folders are beside the executable: a copy of the game
  bool writable = false;      // the player may write there
};

// The player's standard folders for the game, as the desktop names them; any may be empty when
// there is none.
struct PlayerFolders {
  std::string config;    // Options.ini
  std::string cache;     // redirect pages
  std::string appData;   // his own picture folders
  std::string documents; // where the open and save dialogs start
};

// A copy of the game in a folder the player may write to keeps everything there, as ever. A
// copy on a read-only medium reads its data there and keeps the rest in the player's folders;
// so does an installed game, which reads its data from ../share/kvarnel and never writes under
// its prefix, whoever runs it. Every folder ends in its separator; an empty one stays empty.
GameFolders chooseGameFolders(const ProgramFolder& program, const PlayerFolders& player);

// Makes folder and the folders above it when missing (the player's config or cache folder may
// not exist yet); an empty name makes nothing, and failures are silent.
void makeFolder(const std::string& folder);

// Makes the player's own picture folders when they lie outside the game's data; failures are
// silent. Nothing is made in a copy of the game that keeps everything in its own folder.
void makeOwnPictureFolders(const GameFolders& folders);

} // namespace kvarnel
