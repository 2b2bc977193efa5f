// kvarnel-maze: generate and read, their outputs and exit codes.
#include "core/maze_checks.h"
#include "files/maze_file_format.h"
#include "maze_tool.h"
#include "support/fake_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kvarnel {
namespace {

struct ToolRun {
  int code;
  std::string out, err;
};

ToolRun run(std::vector<std::string> args) {
  std::ostringstream out, err;
  testing::FakeClock clock;
  const int code = runMazeTool(args, out, err, clock);
  return {code, out.str(), err.str()};
}

TEST(MazeTool, GenerateKnownSeedIsTheGamesFile) {
  const ToolRun r = run({"generate", "6", "4", "--seed-text", " 45296.17"});
  ASSERT_EQ(r.code, 0) << r.err;
  MazeState maze;
  ASSERT_EQ(parseMazeFile(r.out, maze), MazeFileResult::Ok);
  maze.roomCount = 24;
  EXPECT_EQ(maze.gridMaxX, 12);
  EXPECT_EQ(maze.gridMaxY, 8);
  EXPECT_EQ(maze.heroCol, 0);
  EXPECT_EQ(testing::finishedMazeFault(maze), "");
  EXPECT_EQ(r.out, composeMazeFile(maze));
  // --seconds makes the same seed text from the time of day; the fake clock is 12:34:56.17.
  EXPECT_EQ(run({"generate", "6", "4", "--seconds", "45296.17"}).out, r.out);
  EXPECT_EQ(run({"generate", "6", "4"}).out, r.out);
  EXPECT_EQ(run({"generate", "2", "2"}).out.size(), 63u);
}

TEST(MazeTool, ReadWritesTheFileBackOrReportsTheGamesMessage) {
  const auto dir = std::filesystem::temp_directory_path() / ("kvarnel-tool-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string file = (dir / "m.lbr").string(), copy = (dir / "copy.lbr").string();
  ASSERT_EQ(run({"generate", "5", "7", "-o", file}).code, 0);
  const ToolRun back = run({"read", file});
  EXPECT_EQ(back.code, 0);
  std::ifstream in(file, std::ios::binary);
  EXPECT_EQ(back.out, std::string(std::istreambuf_iterator<char>(in), {}));
  EXPECT_EQ(run({"read", file, "-o", copy}).code, 0);
  EXPECT_TRUE(std::filesystem::exists(copy));

  const ToolRun missing = run({"read", (dir / "none.lbr").string()});
  EXPECT_EQ(missing.code, 1);
  EXPECT_EQ(missing.err, "Файл \"" + (dir / "none.lbr").string() + "\" не найден.\n");
  std::filesystem::remove_all(dir);
}

TEST(MazeTool, BadArgumentsExitTwoWithOneLine) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {},
           {"frobnicate"},
           {"generate"},
           {"generate", "4"},
           {"generate", "x", "4"},
           {"generate", "1", "4"},
           {"generate", "16384", "2"},
           {"generate", "182", "181"},
           {"generate", "99999999999999999999", "2"},
           {"generate", "4", "4", "--seed-text"},
           {"generate", "4", "4", "--seed-text", "a", "--seconds", "1"},
           {"generate", "4", "4", "--seconds", "noon"},
           {"generate", "4", "4", "--bogus"},
           {"read"},
           {"read", "a", "b"},
       }) {
    const ToolRun r = run(args);
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  const ToolRun help = run({"--help"});
  EXPECT_EQ(help.code, 0);
  for (const char* word : {"generate", "--seed-text", "--seconds", "read", "-o", "16383", "32767"})
    EXPECT_NE(help.out.find(word), std::string::npos) << word;
}

TEST(MazeTool, TheExecutableRuns) {
  const std::string tool = KVARNEL_MAZE_TOOL;
  EXPECT_EQ(std::system((tool + " --help >/dev/null").c_str()), 0);
  EXPECT_EQ(WEXITSTATUS(std::system((tool + " generate 1 1 2>/dev/null").c_str())), 2);
  EXPECT_EQ(WEXITSTATUS(std::system((tool + " read /nonexistent/x.lbr 2>/dev/null").c_str())), 1);
}

} // namespace
} // namespace kvarnel
