// Start-up and shut-down of the game's settings: the program folder and Options.ini.
#pragma once

#include "core/game_state.h"
#include "files/options_file_format.h"

#include <string>

namespace kvarnel {

inline constexpr const char* optionsFileName = "Options.ini";

// The program folder ending in its separator: "\" when the folder holds one, "/" otherwise.
std::string appFolderOf(const std::string& folder);

// The settings as the game starts: the program folder, the defaults, then Options.ini.
void loadStartupSettings(GameState& state, const std::string& programFolder);

// Writes Options.ini from the settings; failures are silent.
void SaveFileINI(const GameState& state);

Options optionsOf(const GameState& state);
void applyOptions(const Options& options, GameState& state);

} // namespace kvarnel
