// The game's folders for the running executable, from the desktop's standard locations.
#pragma once

#include "game/files/start_up.h"

namespace kvarnel {

// The name the game's standard folders are made from: ~/.config/kvarnel, ~/.cache/kvarnel and
// ~/.local/share/kvarnel by default. Set as QCoreApplication's application name before asking.
inline constexpr const char* gameApplicationName = "kvarnel";

// chooseGameFolders for the executable's folder and the player's standard folders; the
// documents folder is the home folder when the player has none. Needs a QCoreApplication
// named gameApplicationName. Makes nothing.
GameFolders findGameFolders();

} // namespace kvarnel
