// Hostile Options.ini files: the game starts silently with what it can use, and a remembered
// picture name never reaches outside its picture folder.
#include "game/files/options_file_format.h"
#include "game/files/game_folders.h"
#include "support/file_bytes.h"
#include "support/game_fixture.h"
#include "support/resource_probe.h"
#include "front/pictures/game_pictures.h"
#include "front/dialogs/new_game_dialog.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <fstream>
#include <sstream>

namespace kvarnel {
namespace {

using testing::GameFixture;
using testing::readBytes;
using testing::writeBytes;
using testing::putPicture;
using testing::ResourceProbe;


// A string of every byte of a literal, NULs included.
template <std::size_t N>
std::string bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

void expectSame(const Options& got, const Options& want, const char* why) {
  EXPECT_EQ(got.roomsAcross, want.roomsAcross) << why;
  EXPECT_EQ(got.roomsDown, want.roomsDown) << why;
  EXPECT_EQ(got.heroPicture, want.heroPicture) << why;
  EXPECT_EQ(got.wallPicture, want.wallPicture) << why;
  EXPECT_EQ(got.doorPicture, want.doorPicture) << why;
  EXPECT_EQ(got.timedGame, want.timedGame) << why;
  EXPECT_EQ(got.limitMinutes, want.limitMinutes) << why;
  EXPECT_EQ(got.limitSeconds, want.limitSeconds) << why;
}

class HostileOptions : public GameFixture {
protected:
  std::string optionsFile() const { return appFolder + optionsFileName; }
};

TEST_F(HostileOptions, StartUpTakesWhatItCanAndSaysNothing) {
  const std::string tenMegabytes(10u << 20, '7');
  const struct {
    const char* why;
    std::string text;
    Options expected;
  } rows[] = {
      {"binary without separators", bytes("\x00\x01\xfe\xff\x7f garbage \x00"), {0, 4, "", "", "", 0, 0, 0}},
      {"binary lines", bytes("\xff\xfe\r\n\x00\x00\r\n\x89PNG\r\n\x1a\r\n\x00,\x01\r\n"),
       {0, 0, "\x89PNG", "\x1a", "", 0, 0, 0}},
      {"a picture saved under the name", "\x89PNG\r\n\x1a\n", {0, 0, "", "", "", 0, 0, 0}},
      {"sizes past 32 bits", " 2147483648 \r\n 99999999999999999999 \r\n", {0, 0, "", "", "", 0, 0, 0}},
      {"the largest 32-bit numbers", " 2147483647 \r\n 2147483647 \r\na\r\nb\r\nc\r\n 2147483647 \r\n 2147483647 \r\n"
                                     " 2147483647 \r\n",
       {2147483647, 2147483647, "a", "b", "c", 2147483647, 2147483647, 2147483647}},
      {"negative sizes", "-5 \r\n-2147483648 \r\n\r\n\r\n\r\n-1 \r\n-59 \r\n-2147483649 \r\n",
       {-5, -2147483648, "", "", "", -1, -59, 0}},
      {"an unquoted comma shifts the rest", " 6 \r\n 6 \r\nRed, big.png\r\nwall.png\r\ndoor.png\r\n 1 \r\n 2 \r\n 3 \r\n",
       {6, 6, "Red", "big.png", "wall.png", 0, 1, 2}},
      {"commas alone", ",,,,,,,,,,", {0, 0, "", "", "", 0, 0, 0}},
      {"a doubled quote inside quotes", " 6 \r\n 6 \r\n\"a\"\"b.png\"\r\n\"\"\r\n\"\"\"\"\r\n",
       {6, 6, "a\"b.png", "", "\"", 0, 0, 0}},
      {"an unclosed quote runs to the end", " 6 \r\n 6 \r\n\"hero.png\r\n wall.png\r\n 1 \r\n",
       {6, 6, "hero.png\r\n wall.png\r\n 1 \r\n", "", "", 0, 0, 0}},
      {"names up and out of the picture folders",
       " 6 \r\n 6 \r\n../Стенки/wall.png\r\n/etc/passwd\r\n..\r\n", {6, 6, "", "", "", 0, 0, 0}},
      {"quoted names with separators", " 6 \r\n 6 \r\n\"..\\..\\x.png\"\r\n\"sub/x.png\"\r\n\".\"\r\n",
       {6, 6, "", "", "", 0, 0, 0}},
      {"separators at the ends", " 6 \r\n 6 \r\nhero.png/\r\n../\r\n/\r\n", {6, 6, "", "", "", 0, 0, 0}},
      {"names that only look odd", " 6 \r\n 6 \r\n...\r\n..png\r\n.hidden.png\r\n", {6, 6, "...", "..png", ".hidden.png", 0, 0, 0}},
      {"a 10 MB line", " 6 \r\n 6 \r\nh.png\r\nw.png\r\nd.png\r\n 1 \r\n 2 \r\n" + tenMegabytes + "\r\n",
       {6, 6, "h.png", "w.png", "d.png", 1, 2, 0}},
      {"a 10 MB first line", tenMegabytes + "\r\n 6 \r\n", {0, 4, "", "", "", 0, 0, 0}},
  };
  for (const auto& row : rows) {
    writeBytes(optionsFile(), row.text);
    ResourceProbe probe;
    const bool measured = probe.start();
    const Options read = readGameOptions(programFolders(appFolder));
    if (measured) {
      EXPECT_LT(*probe.bytesRead(), 1 << 20) << row.why;
      EXPECT_LT(*probe.peakMemoryGrowth(), 4 << 20) << row.why;
    }
    expectSame(read, row.expected, row.why);
    EXPECT_EQ(readBytes(optionsFile()), row.text) << row.why;
  }
  EXPECT_TRUE(messages.shown.empty());
}

// The new-game dialog is where the options show: sizes and limits it could never have stored
// are shown or left at its own defaults, and "Старт!" refuses them with its usual messages.
TEST_F(HostileOptions, TheNewGameDialogShowsThemAndStartRefusesThem) {
  putPicture(appFolder, "Герои", "hero.png", 32, 32);
  putPicture(appFolder, "Стенки", "wall.png", 16, 16);
  putPicture(appFolder, "Двери", "door.png", 32, 32);
  const std::string pictures = "hero.png\r\nwall.png\r\ndoor.png\r\n";
  const struct {
    const char* why;
    std::string text;
    const char* width;
    const char* height;
    const char* refusal;
  } rows[] = {
      {"the largest 32-bit sizes", " 2147483647 \r\n 2147483647 \r\n" + pictures, "2147483647", "2147483647",
       tooLargeMessage},
      {"negative sizes", "-5 \r\n-2147483648 \r\n" + pictures, "4", "4", nullptr},
      {"a negative time limit reads as none", " 5 \r\n 5 \r\n" + pictures + " 1 \r\n-1 \r\n-1 \r\n", "5", "5",
       noTimeMessage},
      {"a huge time limit", " 5 \r\n 5 \r\n" + pictures + " 1 \r\n 2147483647 \r\n 2147483647 \r\n", "5", "5",
       longTimeMessage},
  };
  for (const auto& row : rows) {
    writeBytes(optionsFile(), row.text);
    restart();
    messages.shown.clear();
    bool started = false;
    modals.script = [&](QDialog& dialog) {
      ASSERT_NE(qobject_cast<NewGameDialog*>(&dialog), nullptr) << row.why;
      EXPECT_EQ(testing::control<QLineEdit>(&dialog, "txtPoleWidth")->text().toStdString(), row.width) << row.why;
      EXPECT_EQ(testing::control<QLineEdit>(&dialog, "txtPoleHeight")->text().toStdString(), row.height) << row.why;
      testing::control<QPushButton>(&dialog, "kOK")->click();
      started = !dialog.isVisible();
    };
    menuItem("MenuNew")->trigger();
    modals.script = nullptr;
    if (row.refusal == nullptr) {
      EXPECT_TRUE(messages.shown.empty()) << row.why;
      EXPECT_TRUE(started) << row.why;
      EXPECT_EQ(maze().roomsAcross, 4) << row.why;
      EXPECT_TRUE(session().mazeShown()) << row.why;
    } else {
      ASSERT_EQ(messages.shown.size(), 1u) << row.why;
      EXPECT_EQ(messages.shown[0].text, row.refusal) << row.why;
      EXPECT_FALSE(started) << row.why;
      EXPECT_FALSE(maze().hasGrid()) << row.why;
    }
  }
}

// Pictures lie beside the picture folders and in the other kinds' folders; no remembered name
// reaches them, whether it comes from Options.ini or is handed to the loader directly.
TEST_F(HostileOptions, RememberedNamesNeverLeaveThePictureFolder) {
  putPicture(appFolder, "", "outside.png", 32, 32);
  putPicture(appFolder, "Стенки", "wall.png", 32, 32);
  putPicture(appFolder, "Герои", "hero.png", 32, 32);
  putPicture(appFolder, "Герои/sub", "hero.png", 32, 32);
  const std::string names[] = {
      "../outside.png", "../Стенки/wall.png", "../Герои/hero.png", "sub/hero.png", "sub/../hero.png",
      appFolder + "outside.png", "/" + appFolder + "outside.png", "..\\outside.png", "..", ".", "./hero.png",
  };
  for (const std::string& name : names) {
    writeBytes(optionsFile(), " 4 \r\n 4 \r\n\"" + name + "\"\r\n");
    restart();
    EXPECT_EQ(window->options().heroPicture, "") << name;
    const LoadedPicture loaded = loadPicture({appFolder, {}}, PictureKind::Hero, name);
    EXPECT_FALSE(loaded.picture) << name;
    EXPECT_EQ(loaded.refusal, notOpenedMessage) << name;

    // The new-game dialog previews nothing and "Старт!" asks for a hero first.
    std::vector<std::string> shown;
    modals.script = [&](QDialog& dialog) {
      shown.push_back(dialog.objectName().toStdString());
      if (qobject_cast<NewGameDialog*>(&dialog) != nullptr) {
        EXPECT_TRUE(testing::control<QLabel>(&dialog, "picGeroy")->pixmap().isNull()) << name;
        testing::control<QPushButton>(&dialog, "kOK")->click();
      }
    };
    menuItem("MenuNew")->trigger();
    modals.script = nullptr;
    EXPECT_EQ(window->options().heroPicture, "") << name;
    EXPECT_EQ(shown, (std::vector<std::string>{"frmNew", "frmSelect"})) << name;
  }
  // A plain name in the folder still loads.
  EXPECT_TRUE(loadPicture({appFolder, {}}, PictureKind::Hero, "hero.png").picture);
}

} // namespace
} // namespace kvarnel
