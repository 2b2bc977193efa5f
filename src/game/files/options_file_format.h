// Options.ini: the player's last choices as a file, eight values one to a line, no sections or keys.
#pragma once

#include "game/core/bounded_read.h"
#include "game/core/options.h"
#include "game/files/game_folders.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kvarnel {

// The eight lines: integers as " 4 " (a blank, the number, a blank), picture names as held.
// A name the reader would not get back whole is written in double quotes.
std::string composeOptionsFile(const Options& options);

// Reads the items in order into options. Items are separated by commas and line ends; leading
// blanks are skipped; a quoted item runs to the next quote ("" inside stands for one quote).
// A setting whose item is missing
// keeps its value; an integer item that is not a number gives 0.
void parseOptionsFile(std::string_view text, Options& options);

// File-level reading and writing; every failure is silent. The write never destroys the old
// file when it fails. The read says whether there was a file to read.
BoundedReadResult readOptionsFile(const std::string& path, Options& options);
void writeOptionsFile(const std::string& path, const Options& options, TargetKind kind = TargetKind::OwnFile);

// The options as the game starts: the defaults, then what Options.ini in the options folder
// holds. A player who has none yet (or no options folder) starts from the Options.ini the game
// comes with in its data folder. A picture name that could lead out of its picture folder is no
// picture.
Options readGameOptions(const GameFolders& folders);

// Writes Options.ini into the folders' options folder, made when missing; failures are silent.
void writeGameOptions(const GameFolders& folders, const Options& options);

} // namespace kvarnel
