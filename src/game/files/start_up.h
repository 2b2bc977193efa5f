// Where the game's files are, and the options it starts with and leaves behind.
#pragma once

#include "game/files/options_file_format.h"

#include <string>

namespace kvarnel {

inline constexpr const char* optionsFileName = "Options.ini";
inline constexpr const char* helpPageName = "Справка.htm";

// The program folder ending in its separator: "\" when the folder holds one, "/" otherwise.
std::string appFolderOf(const std::string& folder);

// Each folder ends in its separator. An empty options folder keeps no options.
struct GameFolders {
  std::string data;    // the picture folders and the help page
  std::string options; // Options.ini
  std::string pages;   // the redirect pages that open web addresses
  std::string userData; // the player's own: his picture folders, the best times and the game kept
                        // at exit; empty: none
  std::string mazes;    // where the open and save dialogs start
};

// Everything in the program folder, as a copy of the game that may write there has it.
GameFolders programFolders(const std::string& programFolder);

// The options as the game starts: the defaults, then what Options.ini holds. A picture name
// that could lead out of its picture folder is no picture.
Options readStartupOptions(const GameFolders& folders);

// Writes Options.ini; failures are silent.
void writeOptions(const GameFolders& folders, const Options& options);

} // namespace kvarnel
