// kvarnel-maze: maze files without the window.
#include "maze_tool.h"

#include "core/system_clock.h"

#include <iostream>

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  kvarnel::SystemClock clock;
  return kvarnel::runMazeTool({argv + 1, argv + argc}, std::cout, std::cerr, clock);
}
