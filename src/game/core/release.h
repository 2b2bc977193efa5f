// The game's release as the build names it: its version and its home on the web.
#pragma once

#include <string>

namespace kvarnel {

// The version of the release, such as "1.1.0": the package's, the metadata's and --version's.
std::string releaseVersion();
// The version as the about window shows it: the first two numbers, such as "1.1".
std::string shortReleaseVersion();
// The project's home page, and the page of its issues where players report problems.
std::string homeAddress();
std::string issuesAddress();

} // namespace kvarnel
