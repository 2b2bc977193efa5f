// The open and save commands over scripted file dialogs and message boxes.
#include "game/files/maze_file_commands.h"

#include "game/files/maze_file_format.h"
#include "support/fake_platform.h"
#include "support/file_bytes.h"
#include "support/mazes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace kvarnel {
namespace {

namespace fs = std::filesystem;
using testing::FakeClock;
using testing::FakeDocumentOpener;
using testing::FakeFileDialogs;
using testing::FakeMessageBoxes;
using testing::readBytes;

class MazeFileCommands : public ::testing::Test {
protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("kvarnel-commands-" + std::to_string(::getpid()) + "-" +
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    files.dialogFolder = dir();
  }
  void TearDown() override {
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder);
  }
  std::string dir() const { return folder.string() + "/"; }
  std::string path(const std::string& name) const { return dir() + name; }
  // The file that became current, as the window puts it in its caption.
  void save(bool saveAs) {
    if (saveMazeCommand(saveAs, maze, files, services)) madeCurrent.push_back(files.mazeFilePath);
  }
  void open() { opened = openMazeCommand(files, services); }

  fs::path folder;
  Maze maze = testing::madeMaze(5, 3);
  MazeFiles files;
  std::vector<std::string> madeCurrent;
  std::optional<OpenedMaze> opened;
  FakeMessageBoxes messages;
  FakeFileDialogs dialogs;
  FakeDocumentOpener documents;
  FakeClock clock;
  Services services{messages, dialogs, documents, clock};
};

TEST(MazeFilePaths, NamesFoldersAndTheMazeExtension) {
  EXPECT_EQ(fileNameOf("C:\\Игры\\maze.lbr"), "maze.lbr");
  EXPECT_EQ(fileNameOf("/home/a/maze.lbr"), "maze.lbr");
  EXPECT_EQ(fileNameOf("maze.lbr"), "maze.lbr");
  EXPECT_EQ(folderOf("C:\\Игры\\maze.lbr"), "C:\\Игры\\");
  EXPECT_EQ(folderOf("maze.lbr"), "");
  EXPECT_EQ(withMazeExtension("maze"), "maze.lbr");
  EXPECT_EQ(withMazeExtension("maze.LBR"), "maze.LBR");
  EXPECT_EQ(withMazeExtension("maze.txt"), "maze.txt.lbr");
  EXPECT_EQ(withMazeExtension("lbr"), "lbr.lbr");
  EXPECT_EQ(withMazeExtension(""), ".lbr");
}

TEST_F(MazeFileCommands, SaveWithoutACurrentFileAsksAndAddsTheExtension) {
  dialogs.saveAnswers.push_back(path("maze"));
  save(false);
  ASSERT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(dialogs.saveRequests[0].startFolder, dir());
  EXPECT_EQ(dialogs.saveRequests[0].proposedName, "");
  EXPECT_EQ(readBytes(path("maze.lbr")), composeMazeFile(maze));
  EXPECT_EQ(files.mazeFilePath, path("maze.lbr"));
  EXPECT_EQ(madeCurrent, std::vector<std::string>{path("maze.lbr")});
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MazeFileCommands, SaveWithACurrentFileRewritesItWithoutAsking) {
  files.mazeFilePath = path("maze.lbr");
  std::ofstream(path("maze.lbr")) << "old";
  save(false);
  EXPECT_TRUE(dialogs.saveRequests.empty());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(readBytes(path("maze.lbr")), composeMazeFile(maze));
}

TEST_F(MazeFileCommands, SaveAsProposesTheCurrentNameAndKeepsItsCase) {
  files.mazeFilePath = path("maze.lbr");
  std::ofstream(path("maze.lbr")) << "old";
  dialogs.saveAnswers.push_back(path("maze.lbr"));
  save(true);
  EXPECT_EQ(dialogs.saveRequests.at(0).proposedName, "maze.lbr");
  EXPECT_TRUE(messages.shown.empty()) << "the current file is replaced without a question";
  EXPECT_EQ(readBytes(path("maze.lbr")), composeMazeFile(maze));

  dialogs.saveAnswers.push_back(path("Other.LBR"));
  save(true);
  EXPECT_TRUE(fs::exists(path("Other.LBR")));
  EXPECT_EQ(files.mazeFilePath, path("Other.LBR"));
}

TEST_F(MazeFileCommands, ReplacingAnotherFileAsksFirst) {
  std::ofstream(path("other.lbr")) << "old";
  fs::create_directory(path("sub"));
  files.mazeFilePath = path("maze.lbr");
  dialogs.saveAnswers.push_back(path("other.lbr"));
  messages.answers.push_back(MessageAnswer::No);
  save(true);
  ASSERT_EQ(messages.shown.size(), 1u);
  const testing::ShownMessage& q = messages.shown[0];
  EXPECT_EQ(q.text, "Файл \"" + path("other.lbr") + "\" уже существует.\r\nЗаменить его?");
  EXPECT_EQ(q.icon, MessageIcon::Exclamation);
  EXPECT_EQ(q.buttons, MessageButtons::YesNo);
  EXPECT_EQ(q.defaultAnswer, MessageAnswer::No);
  EXPECT_EQ(readBytes(path("other.lbr")), "old");
  EXPECT_EQ(files.mazeFilePath, path("maze.lbr"));
  EXPECT_TRUE(madeCurrent.empty());

  // The next dialog starts where the last one was confirmed, even after a No.
  dialogs.saveAnswers.push_back(path("sub/other.lbr"));
  std::ofstream(path("sub/other.lbr")) << "old";
  messages.answers.push_back(MessageAnswer::Yes);
  save(true);
  EXPECT_EQ(dialogs.saveRequests.at(1).startFolder, dir());
  EXPECT_EQ(readBytes(path("sub/other.lbr")), composeMazeFile(maze));
  EXPECT_EQ(files.dialogFolder, path("sub/"));
}

TEST_F(MazeFileCommands, FailedWritesChangeNothingButShowTheMessage) {
  std::ofstream(path("ro.lbr")) << "old";
  fs::permissions(path("ro.lbr"), fs::perms::owner_read);
  files.mazeFilePath = path("maze.lbr");
  dialogs.saveAnswers.push_back(path("ro.lbr"));
  messages.answers.push_back(MessageAnswer::Yes);
  save(true);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text, mazeFileMessage(MazeFileResult::WriteProtected, path("ro.lbr")));
  EXPECT_EQ(messages.shown[1].icon, MessageIcon::Stop);
  EXPECT_EQ(readBytes(path("ro.lbr")), "old");

  dialogs.saveAnswers.push_back(path("missing/m.lbr"));
  save(true);
  EXPECT_EQ(messages.shown.back().text, mazeFileMessage(MazeFileResult::CannotSave, path("missing/m.lbr")));
  EXPECT_EQ(files.mazeFilePath, path("maze.lbr"));
  EXPECT_TRUE(madeCurrent.empty());
}

TEST_F(MazeFileCommands, CancelledDialogsChangeNothing) {
  files.dialogFolder = "/elsewhere/";
  save(true);
  open();
  EXPECT_EQ(files.dialogFolder, "/elsewhere/");
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(madeCurrent.empty());
  EXPECT_FALSE(opened);
}

TEST_F(MazeFileCommands, OpeningReadsTheMazeWithTheHeroWhereItWasSaved) {
  const Maze saved = testing::withHeroAt(maze, 4, 2);
  ASSERT_EQ(writeMazeFile(saved, path("maze.lbr")), MazeFileResult::Ok);
  files.mazeFilePath = path("current.lbr");

  dialogs.openAnswers.push_back(path("maze"));
  open();
  EXPECT_EQ(dialogs.openRequests.at(0).proposedName, "");
  ASSERT_TRUE(opened);
  EXPECT_EQ(opened->path, path("maze.lbr"));
  EXPECT_EQ(opened->maze.mazeGrid, saved.mazeGrid);
  EXPECT_EQ(opened->maze.heroCol, 4);
  EXPECT_EQ(opened->maze.heroRow, 2);
  EXPECT_EQ(files.mazeFilePath, path("current.lbr")) << "the caller makes it current";
}

TEST_F(MazeFileCommands, AFailedOpenGivesNoMaze) {
  std::ofstream(path("notes.txt")) << "[labirint]\n";
  std::ofstream(path("bad.lbr")) << "garbage";
  files.mazeFilePath = path("current.lbr");

  dialogs.openAnswers.push_back(path("notes.txt"));
  open();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, mazeFileMessage(MazeFileResult::NotFound, path("notes.txt.lbr")));
  dialogs.openAnswers.push_back(path("bad.lbr"));
  open();
  EXPECT_EQ(messages.shown.at(1).text, mazeFileMessage(MazeFileResult::NotMazeFile, path("bad.lbr")));

  EXPECT_EQ(files.mazeFilePath, path("current.lbr"));
  EXPECT_FALSE(opened);
}

} // namespace
} // namespace kvarnel
