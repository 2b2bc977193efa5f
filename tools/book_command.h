// kvarnel-maze book: a PDF of N mazes, one a page with its code, then their answers.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kvarnel {

// args[0] is "book". Paints, so a QGuiApplication must exist. Exit codes as runMazeTool's.
int makeMazeBook(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace kvarnel
