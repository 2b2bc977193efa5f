// The settings of play beyond the designed game, in their own small file beside Options.ini,
// whose eight lines stay as designed: one "name=value" line each.
#pragma once

#include "game/files/game_folders.h"

#include <string>
#include <string_view>

namespace kvarnel {

struct ExtraSettings {
  bool pauseOnFocusLoss = false; // a timed game pauses when another program takes the focus
  bool operator==(const ExtraSettings&) const = default;
};

std::string composeExtraSettings(const ExtraSettings& settings);
// Lines it does not know, and values that are not 0 or 1, leave the defaults.
ExtraSettings parseExtraSettings(std::string_view text);

// Extras.ini in the options folder; without one, or unreadable, the defaults. Writing makes the
// folder when missing; failures are silent.
ExtraSettings readExtraSettings(const GameFolders& folders);
void writeExtraSettings(const GameFolders& folders, const ExtraSettings& settings);

} // namespace kvarnel
