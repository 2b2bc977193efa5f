// The commands of kvarnel-maze, over argument lists and streams so that tests can run them.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kvarnel {

class Clock;
struct PictureFolders;

// Exit codes: 0 done, 1 a file could not be read or written, 2 bad arguments or an unusable
// picture. pictures are the folders that render draws with; render paints, so it needs a
// QGuiApplication.
int runMazeTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                Clock& clock, const PictureFolders& pictures);

// "generate", args[0] included: the one command that needs neither pictures nor files read.
int generateMaze(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, Clock& clock);

} // namespace kvarnel
