// Running kvarnel-maze in tests: its commands in the test process, and the built program
// through the shell, in a temporary folder of its own.
#pragma once

#include "maze_tool.h"
#include "support/fake_platform.h"
#include "support/file_bytes.h"
#include "front/pictures/picture_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace kvarnel {

struct ToolRun {
  int code;
  std::string out, err;
};

inline ToolRun run(const std::vector<std::string>& args, const std::string& programFolder = {}) {
  std::ostringstream out, err;
  testing::FakeClock clock;
  const int code = runMazeTool(args, out, err, clock, PictureFolders{programFolder, {}});
  return {code, out.str(), err.str()};
}

// Runs the built executable through the shell; prefix may run it as another user.
class MazeToolExecutable : public ::testing::Test {
protected:
  std::filesystem::path dir;
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("kvarnel-tool-exe-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::string path(const std::string& name) const { return (dir / name).string(); }
  static std::string get(const std::string& file) { return testing::readBytes(file); }
  ToolRun exec(const std::string& args, const std::string& prefix = "") const {
    const std::string out = path("stdout"), err = path("stderr");
    const int status = std::system((prefix + " " + KVARNEL_MAZE_TOOL + " " + args + " >" + out +
                                    " 2>" + err).c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, get(out), get(err)};
  }
};

} // namespace kvarnel
