// The game's release. The build defines KVARNEL_VERSION and KVARNEL_HOME from the project's
// version and home page, for this file alone.
#include "game/core/release.h"

namespace kvarnel {

std::string releaseVersion() { return KVARNEL_VERSION; }

std::string shortReleaseVersion() {
  const std::string version = releaseVersion();
  return version.substr(0, version.find('.', version.find('.') + 1));
}

std::string homeAddress() { return KVARNEL_HOME; }

std::string issuesAddress() { return homeAddress() + "/issues"; }

} // namespace kvarnel
