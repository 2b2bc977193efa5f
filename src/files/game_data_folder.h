// Where the game's pictures and help page lie: beside the executable, or where an installation
// puts them.
#pragma once

#include <string>

namespace kvarnel {

// The folder that holds the picture folders: the executable's own folder when it holds "Герои"
// (the build's folder, or a copy of the game unpacked anywhere), otherwise
// <executableFolder>/../share/kvarnel, where installing under a prefix puts them.
std::string gameDataFolder(const std::string& executableFolder);

// Whether folder holds the picture folders ("Герои" stands for the three).
bool holdsGamePictures(const std::string& folder);
// <executableFolder>/../share/kvarnel, without a separator at the end.
std::string installedDataFolder(const std::string& executableFolder);

} // namespace kvarnel
