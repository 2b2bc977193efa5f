// A hostile program folder: Options.ini that cannot be read or written as a file. The game
// still comes up with its title and ends when closed, silently, and leaves the folder as it was.
#include "game/files/game_folders.h"
#include "support/file_bytes.h"
#include "support/game_fixture.h"
#include "support/mazes.h"
#include "front/field/field_widget.h"

#include <QAction>
#include <QSignalSpy>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace kvarnel {
namespace {

namespace fs = std::filesystem;
using testing::GameFixture;
using testing::readBytes;


// Names and kinds of everything in a folder: what the game must leave as it found it.
std::string listing(const fs::path& folder) {
  std::string text;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const fs::file_status status = fs::symlink_status(entry.path());
    text += entry.path().filename().string() + ":" + std::to_string(static_cast<int>(status.type())) + " ";
  }
  return text;
}

const std::string storedOptions = " 7 \r\n 5 \r\nhero.png\r\nwall.png\r\ndoor.png\r\n 1 \r\n 2 \r\n 30 \r\n";

class HostileProgramFolder : public GameFixture {
protected:
  void TearDown() override {
    unlock();
    GameFixture::TearDown();
  }
  std::string folderPath() const { return folder.path().toStdString(); }
  std::string optionsFile() const { return appFolder + optionsFileName; }
  void unlock() { fs::permissions(folderPath(), fs::perms::owner_all, fs::perm_options::add); }
  void empty() {
    unlock();
    for (const auto& entry : fs::directory_iterator(folderPath())) fs::remove_all(entry.path());
  }
};

TEST_F(HostileProgramFolder, TheGameComesUpAndEndsWhateverOptionsIniIs) {
  const std::string options = appFolder + optionsFileName;
  auto storeOptions = [&] { std::ofstream(options, std::ios::binary) << storedOptions; };
  const struct {
    const char* why;
    std::function<void()> make;
    bool optionsRead; // the stored options come up; otherwise the defaults do
    std::function<bool()> asExpectedAfterwards;
  } rows[] = {
      {"a folder named Options.ini",
       [&] {
         fs::create_directory(options);
         std::ofstream(options + "/inside", std::ios::binary) << storedOptions;
       },
       false, [&] { return fs::is_directory(options) && readBytes(options + "/inside") == storedOptions; }},
      {"a pipe nobody writes to", [&] { ASSERT_EQ(::mkfifo(options.c_str(), 0644), 0); }, false,
       [&] { return fs::is_fifo(options); }},
      {"a read-only Options.ini",
       [&] {
         storeOptions();
         fs::permissions(options, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
       },
       true, [&] { return readBytes(options) == storedOptions; }},
      {"a read-only program folder: Options.ini is written where it is",
       [&] {
         storeOptions();
         fs::permissions(folderPath(), fs::perms::owner_read | fs::perms::owner_exec);
       },
       true, [&] { return readBytes(options).substr(0, 6) == " 12 \r\n"; }},
  };
  for (const auto& row : rows) {
    empty();
    row.make();
    const std::string before = listing(folderPath());
    restart();

    // Start-up: the stored options or the defaults, silently, and the title in the field.
    const Options& read = window->options();
    EXPECT_EQ(read.roomsAcross, row.optionsRead ? 7 : 4) << row.why;
    EXPECT_EQ(read.roomsDown, row.optionsRead ? 5 : 4) << row.why;
    EXPECT_EQ(read.heroPicture, row.optionsRead ? "hero.png" : "") << row.why;
    EXPECT_EQ(read.limitSeconds, row.optionsRead ? 30 : 0) << row.why;
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Кварнель")) << row.why;
    EXPECT_EQ(control("picPole")->size(), QSize(300, 400)) << row.why;
    EXPECT_TRUE(control("picPole")->isVisible()) << row.why;
    EXPECT_TRUE(menuItem("MenuNew")->isEnabled()) << row.why;

    // Closing writes nothing it cannot, says nothing, and the program ends.
    window->playOpenedMaze(testing::madeMaze(12, 2), "");
    QSignalSpy closed(window.get(), &MainWindow::closed);
    EXPECT_TRUE(window->close()) << row.why;
    EXPECT_EQ(closed.count(), 1) << row.why;
    EXPECT_TRUE(messages.shown.empty()) << row.why;
    EXPECT_TRUE(row.asExpectedAfterwards()) << row.why;
    EXPECT_EQ(listing(folderPath()), before) << row.why << ": nothing left behind";
  }
}

TEST_F(HostileProgramFolder, ALinkPlantedAtOptionsIniIsReplacedNeverFollowed) {
  const std::string options = optionsFile();
  const std::string elsewhere = folderPath() + "/elsewhere.txt";
  for (const std::string& target : {std::string("/dev/zero"), elsewhere}) {
    empty();
    std::ofstream(elsewhere, std::ios::binary) << "someone else's file";
    fs::create_symlink(target, options);
    restart();
    window->playOpenedMaze(testing::madeMaze(12, 2), "");
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(readBytes(elsewhere), "someone else's file") << target;
    ASSERT_FALSE(fs::is_symlink(options)) << target;
    EXPECT_EQ(readBytes(options).substr(0, 6), " 12 \r\n") << target;
  }
}

} // namespace
} // namespace kvarnel
