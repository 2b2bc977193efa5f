// Where the game's pictures and help page lie: beside the executable, or where an installation
// puts them.
#pragma once

#include <string>

namespace kvarnel {

// Whether folder holds the picture folders ("Герои" stands for the three): the build's folder, or
// a copy of the game unpacked anywhere.
bool holdsGamePictures(const std::string& folder);
// <executableFolder>/../share/kvarnel, where installing under a prefix puts the data, without a
// separator at the end.
std::string installedDataFolder(const std::string& executableFolder);

} // namespace kvarnel
