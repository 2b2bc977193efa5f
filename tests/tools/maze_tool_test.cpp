// kvarnel-maze: generate and read, their outputs and exit codes.
#include "game/core/maze_checks.h"
#include "game/files/maze_file_format.h"
#include "tool_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace kvarnel {
namespace {

namespace fs = std::filesystem;

TEST(MazeTool, GenerateKnownSeedIsTheGamesFile) {
  const ToolRun r = run({"generate", "6", "4", "--seed-text", " 45296.17"});
  ASSERT_EQ(r.code, 0) << r.err;
  Maze maze;
  ASSERT_EQ(parseMazeFile(r.out, maze), MazeFileResult::Ok);
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

  // A file cut short in its grid line is no maze file.
  const std::string bytes = back.out;
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes.substr(0, bytes.size() - 10);
  const ToolRun cut = run({"read", file});
  EXPECT_EQ(cut.code, 1);
  EXPECT_EQ(cut.err, "Файл \"" + file + "\" не подходит к программе.\n");

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

TEST_F(MazeToolExecutable, ExitCodesAndOutputs) {
  const ToolRun made = exec("generate 6 4 --seed-text ' 45296.17'");
  EXPECT_EQ(made.code, 0);
  EXPECT_EQ(made.out, run({"generate", "6", "4", "--seed-text", " 45296.17"}).out);
  EXPECT_EQ(made.err, "");
  EXPECT_EQ(exec("generate 2 2 -o " + path("m.lbr")).code, 0);
  EXPECT_EQ(fs::file_size(path("m.lbr")), 63u);
  const ToolRun back = exec("read " + path("m.lbr"));
  EXPECT_EQ(back.code, 0);
  EXPECT_EQ(back.out, get(path("m.lbr")));

  std::ofstream(path("bad.lbr")) << "[Labirint]\r\n";
  const ToolRun bad = exec("read " + path("bad.lbr"));
  EXPECT_EQ(bad.code, 1);
  EXPECT_EQ(bad.out, "");
  EXPECT_EQ(bad.err, "Файл \"" + path("bad.lbr") + "\" не подходит к программе.\n");
  EXPECT_EQ(exec("read " + path("m.lbr") + " -o /dev/full").err,
            "Файл \"/dev/full\" сохранить не возможно.\n");

  for (const char* args : {"", "generate 1 1", "generate 200 200", "generate 4 4 --seconds 86400",
                           "generate 4 4 --seconds 1e300", "read"}) {
    const ToolRun r = exec(args);
    EXPECT_EQ(r.code, 2) << args;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << args;
  }
  EXPECT_EQ(exec("generate 4 4 --help").code, 0);

  // Both programs name the project's version; the game answers before it needs a display.
  EXPECT_EQ(exec("--version").out, "kvarnel-maze " KVARNEL_VERSION "\n");
  const std::string game = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb " KVARNEL_APP_DIR "/kvarnel";
  ASSERT_EQ(std::system((game + " --version >" + path("version")).c_str()), 0);
  EXPECT_EQ(get(path("version")), "kvarnel " KVARNEL_VERSION "\n");
}

TEST_F(MazeToolExecutable, StandardOutputThatCannotBeWrittenIsAFailure) {
  const int status = std::system((std::string(KVARNEL_MAZE_TOOL) + " generate 40 40 >/dev/full 2>" +
                                  path("stderr")).c_str());
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(get(path("stderr")), "kvarnel-maze: cannot write to standard output\n");
}

TEST_F(MazeToolExecutable, BothProgramsOutliveTheFileSizeLimit) {
  // Beyond `ulimit -f` the save fails with its message, the old file kept, instead of SIGXFSZ.
  std::ofstream(path("keep.lbr")) << "old";
  const ToolRun tool = exec("generate 16383 2 -o " + path("keep.lbr"), "ulimit -f 100;");
  EXPECT_EQ(tool.code, 1);
  EXPECT_EQ(tool.err, "Файл \"" + path("keep.lbr") + "\" сохранить не возможно.\n");
  EXPECT_EQ(get(path("keep.lbr")), "old");

  // The game, installed with nothing beside it, ended by `timeout` and unable to write
  // Options.ini, ends as a signal ends it: cleanly.
  fs::create_directories(dir / "bin");
  fs::create_directories(dir / "home");
  fs::copy_file(KVARNEL_APP_DIR "/kvarnel", dir / "bin/kvarnel");
  const std::string game = "cd " + dir.string() + " && ulimit -f 0 && HOME=" + path("home") +
                           " QT_QPA_PLATFORM=offscreen timeout --preserve-status -s TERM 2 bin/kvarnel 2>/dev/null";
  const int status = std::system(game.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(testing::filesIn(path("home/.config/kvarnel")), std::vector<std::string>{}) << "nothing, not even half";
}

TEST_F(MazeToolExecutable, AnotherUsersFilesAreNeitherReadNorReplaced) {
  // The superuser passes every access check, so the tool runs as an ordinary user here.
  if (::geteuid() != 0 || std::system("command -v setpriv >/dev/null") != 0)
    GTEST_SKIP() << "needs the superuser to act as another user";
  const std::string asNobody = "setpriv --reuid=65534 --regid=65534 --clear-groups";
  fs::permissions(dir, fs::perms::all);
  std::ofstream(path("theirs.lbr")) << "old";
  fs::permissions(path("theirs.lbr"), fs::perms::owner_read | fs::perms::owner_write |
                                          fs::perms::group_read | fs::perms::others_read);
  const ToolRun replace = exec("generate 2 2 -o " + path("theirs.lbr"), asNobody);
  EXPECT_EQ(replace.code, 1);
  EXPECT_EQ(replace.err, "Файл \"" + path("theirs.lbr") + "\" защищён от записи.\n");
  EXPECT_EQ(get(path("theirs.lbr")), "old");

  fs::permissions(path("theirs.lbr"), fs::perms::owner_read | fs::perms::owner_write);
  const ToolRun read = exec("read " + path("theirs.lbr"), asNobody);
  EXPECT_EQ(read.code, 1);
  EXPECT_EQ(read.err, "Файл \"" + path("theirs.lbr") + "\" открыть не возможно.\n");
}

} // namespace
} // namespace kvarnel
