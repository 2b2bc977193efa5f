// The commands of kvarnel-maze, over argument lists and streams so that tests can run them.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kvarnel {

class Clock;

// Exit codes: 0 done, 1 a maze file could not be read or written, 2 bad arguments.
int runMazeTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                Clock& clock);

} // namespace kvarnel
