// The maze file: exact bytes, round trips, every result and message, and hostile files.
#include "game/core/maze_checks.h"
#include "game/files/maze_file_format.h"
#include "support/file_bytes.h"
#include "support/mazes.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

namespace kvarnel {
namespace {

namespace fs = std::filesystem;

using testing::madeMaze;

class MazeFileTest : public ::testing::Test {
protected:
  fs::path dir;
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("kvarnel-mazefile-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override {
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir);
  }
  std::string path(const std::string& name) const { return (dir / name).string(); }
  static void put(const std::string& file, const std::string& bytes) { testing::writeBytes(file, bytes); }
  static std::string get(const std::string& file) { return testing::readBytes(file); }
  std::size_t entries() const {
    std::size_t n = 0;
    for ([[maybe_unused]] auto& e : fs::directory_iterator(dir)) ++n;
    return n;
  }
};

TEST_F(MazeFileTest, TwoByTwoIsSixtyThreeBytesOfCrLfLines) {
  const Maze maze = madeMaze(2, 2);
  const std::string text = composeMazeFile(maze);
  ASSERT_EQ(text.size(), 63u);
  EXPECT_EQ(text.substr(0, 36), "[labirint]\r\n 2\r\n 2\r\n 0\r\n 0\r\n 4\r\n 4\r\n");
  EXPECT_EQ(text.substr(61), "\r\n");
  // The first 2H + 1 grid characters are the left border column.
  EXPECT_EQ(text.substr(36, 5), "00000");
}

TEST_F(MazeFileTest, NumberFieldsAndCellOrder) {
  Maze maze = madeMaze(3, 2);
  maze.heroCol = 2;
  maze.heroRow = 1;
  maze.cell(3, 0) = 7; // column 3, top cell: the 4 * 5 + 1st grid character
  const std::string text = composeMazeFile(maze);
  EXPECT_NE(text.find("\r\n 6\r\n 4\r\n"), std::string::npos);
  const std::size_t grid = text.find(" 4\r\n") + 4;
  EXPECT_EQ(text[grid + 3 * 5], '7');
}

TEST_F(MazeFileTest, RoundTripsEveryMazeTheGameMakes) {
  for (auto [w, h] : {std::pair{2, 2}, {6, 4}, {181, 181}, {16383, 2}, {2, 16383}}) {
    Maze maze = madeMaze(w, h);
    maze.heroCol = w - 1;
    maze.heroRow = h / 2;
    ASSERT_EQ(writeMazeFile(maze, path("m.lbr")), MazeFileResult::Ok);
    Maze back;
    ASSERT_EQ(readMazeFile(path("m.lbr"), back), MazeFileResult::Ok);
    EXPECT_EQ(back.roomsAcross, w);
    EXPECT_EQ(back.roomsDown, h);
    EXPECT_EQ(back.heroCol, maze.heroCol);
    EXPECT_EQ(back.heroRow, maze.heroRow);
    EXPECT_EQ(back.gridMaxX, 2 * w);
    EXPECT_EQ(back.gridMaxY, 2 * h);
    EXPECT_EQ(back.mazeGrid, maze.mazeGrid);
    EXPECT_EQ(testing::finishedMazeFault(back), "");
  }
}

TEST_F(MazeFileTest, LenientGridLine) {
  const std::string head = "[labirint]\r\n 2\r\n 2\r\n 1\r\n 1\r\n 4\r\n 4\r\n";
  Maze maze;
  // Non-digits are walls. Extra characters and lines are ignored.
  ASSERT_EQ(parseMazeFile(head + "0000001x 2" + std::string(15, '1') + "\r\n", maze),
            MazeFileResult::Ok);
  EXPECT_EQ(maze.cell(1, 1), 1);
  EXPECT_EQ(maze.cell(1, 2), 0);
  EXPECT_EQ(maze.cell(1, 3), 0);
  EXPECT_EQ(maze.cell(1, 4), 2);
  EXPECT_EQ(maze.cell(4, 4), 1);
  ASSERT_EQ(parseMazeFile(head + std::string(25, '9') + "12345\r\nmore\r\n", maze), MazeFileResult::Ok);
  EXPECT_EQ(maze.cell(4, 4), 9);
  // LF-only line ends, no final line end, a missing grid line.
  ASSERT_EQ(parseMazeFile("[labirint]\n 2\n 2\n 0\n 0\n 4\n 4\n" + std::string(25, '2'), maze),
            MazeFileResult::Ok);
  EXPECT_EQ(maze.cell(0, 0), 2);
  // A grid line shorter than the grid is a file cut short: its missing cells would be walls.
  const Maze before = maze;
  for (const std::string& cut :
       {head, head + "\r\n", head + std::string(24, '2') + "\r\n" + std::string(25, '2')})
    EXPECT_EQ(parseMazeFile(cut, maze), MazeFileResult::NotMazeFile);
  EXPECT_EQ(maze, before);
  // Blanks around a number, and a number without its leading blank.
  const std::string grid(25, '2');
  ASSERT_EQ(parseMazeFile("[labirint]\r\n2\r\n \t2 \r\n 1\t\r\n 0\r\n  4  \r\n4\r\n" + grid, maze), MazeFileResult::Ok);
  EXPECT_EQ(maze.heroCol, 1);
  EXPECT_EQ(maze.gridMaxX, 4);
}

TEST_F(MazeFileTest, HugeGridLineReadsOnlyWhatTheGridNeeds) {
  put(path("big.lbr"), "[labirint]\r\n 2\r\n 2\r\n 0\r\n 0\r\n 4\r\n 4\r\n" +
                           std::string(50u << 20, '2') + "\r\n");
  Maze maze;
  ASSERT_EQ(readMazeFile(path("big.lbr"), maze), MazeFileResult::Ok);
  EXPECT_EQ(maze.mazeGrid.size(), 25u);
}

TEST_F(MazeFileTest, ReadFailuresAndTheirMessages) {
  Maze maze = madeMaze(3, 3);
  const Maze before = maze;
  EXPECT_EQ(readMazeFile(path("none.lbr"), maze), MazeFileResult::NotFound);
  EXPECT_EQ(readMazeFile(path("no-folder/none.lbr"), maze), MazeFileResult::CannotOpen);
  fs::create_directory(path("folder.lbr"));
  EXPECT_EQ(readMazeFile(path("folder.lbr"), maze), MazeFileResult::CannotOpen);
  put(path("file"), "x");
  EXPECT_EQ(readMazeFile(path("file/none.lbr"), maze), MazeFileResult::CannotOpen);
  EXPECT_EQ(maze.mazeGrid, before.mazeGrid);

  const std::string p = "/игры/a.lbr";
  EXPECT_EQ(mazeFileMessage(MazeFileResult::NotFound, p), "Файл \"/игры/a.lbr\" не найден.");
  EXPECT_EQ(mazeFileMessage(MazeFileResult::CannotOpen, p), "Файл \"/игры/a.lbr\" открыть не возможно.");
  EXPECT_EQ(mazeFileMessage(MazeFileResult::NotMazeFile, p), "Файл \"/игры/a.lbr\" не подходит к программе.");
  EXPECT_EQ(mazeFileMessage(MazeFileResult::WriteProtected, p), "Файл \"/игры/a.lbr\" защищён от записи.");
  EXPECT_EQ(mazeFileMessage(MazeFileResult::CannotSave, p), "Файл \"/игры/a.lbr\" сохранить не возможно.");
}

TEST_F(MazeFileTest, WriteFailuresKeepTheOldFile) {
  const Maze maze = madeMaze(3, 3);
  // A read-only target keeps its content.
  put(path("ro.lbr"), "old");
  fs::permissions(path("ro.lbr"), fs::perms::owner_read);
  EXPECT_EQ(writeMazeFile(maze, path("ro.lbr")), MazeFileResult::WriteProtected);
  EXPECT_EQ(get(path("ro.lbr")), "old");
  // A folder of that name, and a read-only folder.
  fs::create_directory(path("dir.lbr"));
  EXPECT_EQ(writeMazeFile(maze, path("dir.lbr")), MazeFileResult::WriteProtected);
  fs::create_directory(path("locked"));
  put(path("locked/old.lbr"), "old");
  fs::permissions(path("locked"), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(writeMazeFile(maze, path("locked/m.lbr")), MazeFileResult::WriteProtected);
  // A writable file in such a folder is written where it is.
  EXPECT_EQ(writeMazeFile(maze, path("locked/old.lbr")), MazeFileResult::Ok);
  EXPECT_EQ(get(path("locked/old.lbr")), composeMazeFile(maze));
  // A missing folder.
  EXPECT_EQ(writeMazeFile(maze, path("missing/m.lbr")), MazeFileResult::CannotSave);
  // Nothing is left behind but what was there.
  EXPECT_EQ(entries(), 3u);
}

TEST_F(MazeFileTest, AFailedWriteIsCannotSaveAndKeepsTheOldFile) {
  const Maze maze = madeMaze(20, 20);
  put(path("m.lbr"), "old");
  // A file-size limit stops the temporary part-way through, as a full disk would.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 100;
  // Both programs ignore SIGXFSZ, so that the write fails with EFBIG; in the test process too.
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const MazeFileResult result = writeMazeFile(maze, path("m.lbr"));
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(result, MazeFileResult::CannotSave);
  EXPECT_EQ(get(path("m.lbr")), "old");
  EXPECT_EQ(entries(), 1u);
  // A device that is always full.
  EXPECT_EQ(writeMazeFile(maze, "/dev/full"), MazeFileResult::CannotSave);
}

TEST_F(MazeFileTest, DevicesAndPipesAreNeverReplacedNorWaitedFor) {
  const Maze maze = madeMaze(2, 2);
  struct stat info {};
  EXPECT_EQ(writeMazeFile(maze, "/dev/null"), MazeFileResult::Ok);
  ASSERT_EQ(::stat("/dev/null", &info), 0);
  EXPECT_TRUE(S_ISCHR(info.st_mode));

  ASSERT_EQ(::mkfifo(path("pipe.lbr").c_str(), 0666), 0);
  EXPECT_EQ(writeMazeFile(maze, path("pipe.lbr")), MazeFileResult::CannotSave); // nobody reads
  Maze read = maze;
  EXPECT_EQ(readMazeFile(path("pipe.lbr"), read), MazeFileResult::CannotOpen);
  ASSERT_EQ(::stat(path("pipe.lbr").c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
  EXPECT_EQ(readMazeFile("/dev/zero", read), MazeFileResult::CannotOpen);
  EXPECT_EQ(read.mazeGrid, maze.mazeGrid);
}

TEST_F(MazeFileTest, ThroughALinkTheLinkedFileIsReplaced) {
  put(path("real.lbr"), "old");
  fs::create_symlink("real.lbr", path("link.lbr"));
  const Maze maze = madeMaze(2, 2);
  ASSERT_EQ(writeMazeFile(maze, path("link.lbr")), MazeFileResult::Ok);
  EXPECT_TRUE(fs::is_symlink(path("link.lbr")));
  EXPECT_EQ(get(path("real.lbr")), composeMazeFile(maze));
  EXPECT_EQ(entries(), 2u);
}

TEST_F(MazeFileTest, NewFileGetsTheUsualRightsAndAReplacedOneKeepsItsOwner) {
  const Maze maze = madeMaze(2, 2);
  const mode_t mask = ::umask(027);
  const MazeFileResult result = writeMazeFile(maze, path("new.lbr"));
  ::umask(mask);
  ASSERT_EQ(result, MazeFileResult::Ok);
  struct stat info {};
  ASSERT_EQ(::stat(path("new.lbr").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);

  if (::geteuid() != 0) GTEST_SKIP() << "only the superuser can own another user's file";
  ASSERT_EQ(::chown(path("new.lbr").c_str(), 65534, 65534), 0);
  ASSERT_EQ(writeMazeFile(maze, path("new.lbr")), MazeFileResult::Ok);
  ASSERT_EQ(::stat(path("new.lbr").c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, 65534u);
  EXPECT_EQ(info.st_gid, 65534u);
}

TEST_F(MazeFileTest, FolderThatRefusesNewFilesIsNotOk) {
  // /proc takes no new files: the temporary cannot be made, and the write is not reported Ok.
  const Maze maze = madeMaze(3, 3);
  EXPECT_EQ(writeMazeFile(maze, "/proc/kvarnel-test.lbr"), MazeFileResult::WriteProtected);
}

TEST_F(MazeFileTest, OverwriteReplacesTheWholeFileAndKeepsItsMode) {
  put(path("m.lbr"), std::string(1000, 'x'));
  fs::permissions(path("m.lbr"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const Maze maze = madeMaze(2, 2);
  ASSERT_EQ(writeMazeFile(maze, path("m.lbr")), MazeFileResult::Ok);
  EXPECT_EQ(get(path("m.lbr")), composeMazeFile(maze));
  EXPECT_EQ(fs::status(path("m.lbr")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

} // namespace
} // namespace kvarnel
