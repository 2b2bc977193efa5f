// The menu "Игра" and the walking keys, played through the main window.
#include "game/core/maze_code.h"
#include "game/files/maze_file_format.h"
#include "game/files/options_file_format.h"
#include "support/file_bytes.h"
#include "support/game_fixture.h"
#include "tools/tool_run.h"
#include "front/field/picture_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

#include <filesystem>

namespace kvarnel {
namespace {

class GameMenuTest : public testing::GameFixture {
protected:
  void SetUp() override {
    GameFixture::SetUp();
    setPictures(32, 16, 32);
  }
  void trigger(const char* name) { menuItem(name)->trigger(); }
  QColor fieldPixel(int x, int y) const { return control("picPole")->grab().toImage().pixelColor(x, y); }
  // Walks a new 2 x 2 maze to its exit by keys and lets the victory delay pass.
  void winTwoByTwo() {
    const Room next = testing::roomBeforeTheExit(maze());
    key(next.col == 1 ? Qt::Key_Right : Qt::Key_Down);
    finishWalk();
    key(next.col == 1 ? Qt::Key_Down : Qt::Key_Right);
    finishWalk();
    tick("tmrPobeda");
  }
};

const Maze corridor = testing::corridorMaze();

TEST_F(GameMenuTest, TheThirdMenuSitsBetweenTheTwoAndFollowsTheGame) {
  const QList<QAction*> menus = window->menuBar()->actions();
  ASSERT_EQ(menus.size(), 3);
  EXPECT_EQ(menus[1]->text(), QStringLiteral("Игра"));
  EXPECT_EQ(menus[1]->menu()->objectName(), QStringLiteral("Game"));
  const std::tuple<const char*, const char*, QList<QKeySequence>> items[] = {
      {"GameRestart", "Начать заново", {Qt::Key_F5}},
      {"GamePause", "Пауза", {Qt::Key_P, Qt::Key_Pause, QKeySequence(QStringLiteral("З"))}},
      {"GameShowWay", "Показать выход", {Qt::Key_H, QKeySequence(QStringLiteral("Р"))}},
      {"GameAutoPause", "Пауза при потере фокуса", {}},
      {"GameCode", "Код лабиринта...", {QKeySequence(Qt::CTRL | Qt::Key_K)}},
      {"GameFromCode", "Лабиринт по коду...", {QKeySequence(Qt::CTRL | Qt::Key_L)}},
      {"GamePrint", "Печать...", {QKeySequence(Qt::CTRL | Qt::Key_P)}},
      {"GameExport", "Экспорт...", {QKeySequence(Qt::CTRL | Qt::Key_E)}},
      {"GameRecords", "Рекорды", {QKeySequence(Qt::CTRL | Qt::Key_H)}},
      {"GameResume", "Продолжить прошлую игру", {}}};
  for (const auto& [name, text, keys] : items) {
    EXPECT_EQ(menuItem(name)->text(), QString::fromUtf8(text));
    EXPECT_EQ(menuItem(name)->shortcuts(), keys) << text;
  }
  auto on = [&] {
    std::string flags;
    for (const auto& item : items) flags += menuItem(std::get<0>(item))->isEnabled() ? "1" : "0";
    return flags;
  };
  EXPECT_EQ(on(), "0001010010");
  newMaze(4, 4);
  EXPECT_EQ(on(), "1011111110");
  window->startNewMaze({4, 4, TimeLimit{1, 0}});
  EXPECT_EQ(on(), "1111111110");
  window->playOpenedMaze(corridor, "");
  EXPECT_EQ(on(), "1011011110") << "an opened maze has no code";
}

TEST_F(GameMenuTest, KeysWalkTheWayIsDrawnAndTheWheelScrolls) {
  key(Qt::Key_Right); // no maze yet
  window->playOpenedMaze(corridor, "");
  key(Qt::Key_6); // a digit of the main keyboard
  EXPECT_FALSE(control<QTimer>("tmrStep")->isActive());
  key(Qt::Key_6, Qt::KeypadModifier);     // the keypad's, NumLock on
  key(Qt::Key_Down);                      // during the walk: replaced by the next
  key(Qt::Key_Right, Qt::ShiftModifier); // walked after it, as far as the walls allow
  finishWalk();
  EXPECT_EQ(control("picGeroy")->pos(), QPoint(16 + 3 * 48, 16));

  const QColor way(255, 221, 0);
  trigger("GameShowWay");
  EXPECT_EQ(fieldPixel(32 + 3 * 48, 56 + 48), way) << "down the right-hand column to the door";
  EXPECT_EQ(fieldPixel(56, 32), QColor(Qt::white)) << "none behind the hero";

  // A long corridor: arrows never scroll the view; the wheel does, by the bar's small change.
  std::string top(363, '.');
  top.front() = top.back() = '#';
  window->playOpenedMaze(testing::mazeFrom({std::string(363, '#'), top, std::string(363, '#')}), "");
  auto* across = control<QScrollBar>("HScroll1");
  auto wheel = [&](QPoint turn, Qt::KeyboardModifiers modifiers) {
    QWheelEvent event(QPointF(50, 20), QPointF(50, 20), QPoint(), turn, Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(control("picControl"), &event); // where a turn over the field arrives
    return across->value() / across->singleStep();
  };
  key(Qt::Key_Left);
  EXPECT_EQ(across->value(), 0);
  EXPECT_EQ(wheel({0, -120}, Qt::ShiftModifier), 1);
  EXPECT_EQ(wheel({-60, 0}, Qt::NoModifier), 1) << "half a notch waits for the other half";
  EXPECT_EQ(wheel({-60, 0}, Qt::NoModifier), 2);
  EXPECT_EQ(wheel({0, 240}, Qt::ShiftModifier), 0);
}

TEST_F(GameMenuTest, RestartAndPauseInATimedGame) {
  window->startNewMaze({4, 4, TimeLimit{0, 30}});
  for (int i = 0; i < 10; ++i) tick("tmrTimer");
  key(maze().cell(2, 1) != cellWall ? Qt::Key_Right : Qt::Key_Down);
  finishWalk();
  trigger("GameRestart");
  EXPECT_EQ(control("picGeroy")->pos(), QPoint(16, 16));
  EXPECT_EQ(session().timedGame().secondsLeft, 30);
  EXPECT_EQ(control<PictureBox>("picTime")->canvas().pixelColor(2, 5), QColor(0, 255, 0)) << "the bar is cleared";

  // A pause covers the maze, stops the clock and takes no keys; a click on the panel goes on.
  trigger("GamePause");
  EXPECT_FALSE(control<QTimer>("tmrTimer")->isActive());
  const QImage view = control("picControl")->grab().toImage();
  for (int y = 0; y < view.height(); y += 2)
    for (int x = 0; x < view.width(); x += 2)
      for (QColor maze : {QColor(Qt::black), QColor(Qt::blue), QColor(Qt::red)})
        ASSERT_NE(view.pixelColor(x, y), maze) << x << "," << y << ": a pause shows nothing of the maze";
  tick("tmrTimer");
  EXPECT_EQ(session().timedGame().secondsLeft, 30);
  QTest::mouseClick(control("PausePanel"), Qt::LeftButton);
  EXPECT_FALSE(control("PausePanel")->isVisible());
  EXPECT_LE(control<QTimer>("tmrTimer")->interval(), 1000) << "what was left of the second";
  tick("tmrTimer");
  EXPECT_EQ(control<QTimer>("tmrTimer")->interval(), 1000);
  EXPECT_EQ(session().timedGame().secondsLeft, 29);

}

// Another program taking the focus (the browser of the help page among them) pauses a timed game
// only when the player asks for it, and the game remembers that in its own settings file.
TEST_F(GameMenuTest, PausingWhenAnotherProgramTakesTheFocusIsThePlayersChoice) {
  window->startNewMaze({4, 4, TimeLimit{0, 30}});
  menuItem("HelpCallHelp")->trigger();
  emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
  emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
  EXPECT_FALSE(session().paused()) << "off by default: the clock goes on";
  trigger("GameAutoPause");
  emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
  EXPECT_TRUE(menuItem("GamePause")->isChecked());
  EXPECT_TRUE(control("PausePanel")->isVisible());

  const Options options = window->options();
  window->close();
  EXPECT_EQ(testing::readBytes(appFolder + optionsFileName), composeOptionsFile(options))
      << "Options.ini keeps its designed lines";
  restart();
  EXPECT_TRUE(menuItem("GameAutoPause")->isChecked()) << "remembered beside it";
}

// The windows of play beyond the designed game hold a timed game while they are open; the
// designed windows keep the designed clock.
TEST_F(GameMenuTest, TheExtrasWindowsHoldATimedGameAndTheDesignedOnesDoNot) {
  window->startNewMaze({4, 4, TimeLimit{0, 30}});
  std::vector<bool> pausedWhileOpen;
  modals.script = [&](QDialog& dialog) {
    pausedWhileOpen.push_back(session().paused() && control("PausePanel")->isVisible());
    tick("tmrTimer"); // a second while the window is open
    if (auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("OK"))) ok->click();
  };
  for (const char* item : {"GameCode", "GameFromCode", "GameRecords", "GamePrint", "GameExport"}) trigger(item);
  EXPECT_EQ(pausedWhileOpen, std::vector<bool>(5, true));
  EXPECT_EQ(session().timedGame().secondsLeft, 30) << "no second counted";
  EXPECT_FALSE(session().paused());
  EXPECT_TRUE(control<QTimer>("tmrTimer")->isActive());

  pausedWhileOpen.clear();
  trigger("HelpAbout");
  EXPECT_EQ(pausedWhileOpen, std::vector<bool>{false});
  EXPECT_EQ(session().timedGame().secondsLeft, 29) << "the designed clock goes on";
}

TEST_F(GameMenuTest, CodesShowAndMakeTheVeryMazeOfTheTool) {
  newMaze(20, 4);
  modals.script = [&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Код лабиринта"));
    EXPECT_EQ(testing::control<QLineEdit>(&dialog, "txtCode")->selectedText(), QStringLiteral("20x4:45296.17"));
    testing::control<QPushButton>(&dialog, "kCopy")->click();
  };
  trigger("GameCode");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("20x4:45296.17"));

  // A code that is none is refused with what a code looks like; Enter confirms a good one.
  const Maze before = maze();
  modals.script = [&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Лабиринт по коду"));
    auto* entry = testing::control<QLineEdit>(&dialog, "txtCode");
    for (const char* typed : {"20x4", "200x200:1"}) {
      entry->setText(QString::fromUtf8(typed));
      QTest::keyClick(entry, Qt::Key_Return);
      EXPECT_TRUE(dialog.isVisible());
      EXPECT_EQ(maze(), before);
    }
    entry->setText(QStringLiteral("7х5: Кварнель"));
    QTest::keyClick(entry, Qt::Key_Return);
  };
  trigger("GameFromCode");
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text, mazeCodeHelp);
  ASSERT_EQ(maze().roomsAcross, 7);
  EXPECT_FALSE(session().timedGame().limit);

  // Saved, it is the very file the tool makes from the same code.
  modals.script = {};
  fileDialogs.saveAnswers.push_back(appFolder + "coded.lbr");
  trigger("MenuSaveAs");
  EXPECT_EQ(testing::readBytes(appFolder + "coded.lbr"), run({"generate", "7", "5", "--seed-text", " Кварнель"}).out);
}

TEST_F(GameMenuTest, ANewGameWonEntersTheBestTimesAndShowsThem) {
  std::vector<std::string> shown;
  std::string marked;
  modals.script = [&](QDialog& dialog) {
    shown.push_back(dialog.objectName().toStdString());
    if (auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("lstRecords")))
      for (QTreeWidgetItem* row : list->findItems(QStringLiteral("*"), Qt::MatchWildcard | Qt::MatchRecursive))
        if (row->font(1).bold()) marked = row->text(1).toStdString();
    dialog.findChild<QPushButton*>(QStringLiteral("OK"))->click();
  };
  const std::string records = userData + bestTimesFileName;
  clock.steady = 100;
  window->startNewMaze({2, 2, std::nullopt});
  clock.steady = 165.5;
  winTwoByTwo();
  EXPECT_EQ(shown, (std::vector<std::string>{"frmEnd", "frmRecords"})) << "after the end window";
  EXPECT_EQ(marked, "1:05");
  EXPECT_EQ(readBestTimes(records).table.sizes.at(0).times.at(0), (BestTime{65500, 2, 2, false, clock.date}));
  window->playOpenedMaze(testing::madeMaze(2, 2), "");
  winTwoByTwo();
  EXPECT_EQ(shown.size(), 3u) << "a maze from a file: no best times";
}

TEST_F(GameMenuTest, AFlawedBestTimesFileIsSetAsideAndItsGoodRowsKept) {
  std::vector<std::string> notices;
  modals.script = [&](QDialog& dialog) {
    if (auto* notice = dialog.findChild<QLabel*>(QStringLiteral("lblRecordsSetAside")))
      notices.push_back(notice->text().toStdString());
    dialog.findChild<QPushButton*>(QStringLiteral("OK"))->click();
  };
  // Four rows over three sizes, one a hand edit the game cannot read, the last without its end.
  const std::string records = userData + bestTimesFileName;
  const std::string flawed = "kvarnel best times 1\r\n3 3 9000 9 5 0 2024-05-01\r\n5 5 40000 30 12 1 2024-05-02\r\n"
                             "5 5 41000 ? 12 1 2024-05-03\r\n2 2 3000 3 3 0 2024-05-04";
  testing::writeBytes(records, flawed);
  clock.steady = 100;
  window->startNewMaze({2, 2, std::nullopt});
  clock.steady = 102;
  winTwoByTwo();

  const BestTimes table = readBestTimes(records).table;
  ASSERT_EQ(table.sizes.size(), 3u) << "every good row kept";
  EXPECT_EQ(table.sizes[0].times.size(), 2u) << "2 x 2: the victory and the old row";
  const std::vector<std::string> aside = testing::filesIn(userData, "records.txt.bad-");
  ASSERT_EQ(aside.size(), 1u);
  EXPECT_EQ(testing::readBytes(userData + aside[0]), flawed) << "the flawed file set aside whole";
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_NE(notices[0].find(aside[0]), std::string::npos) << notices[0];

  window->startNewMaze({2, 2, std::nullopt});
  winTwoByTwo();
  EXPECT_EQ(notices.size(), 1u) << "told once";
  EXPECT_EQ(testing::filesIn(userData, "records.txt.bad-").size(), 1u);
}

TEST_F(GameMenuTest, LeavingKeepsAnUntimedGameForNextTime) {
  modals.script = [](QDialog& dialog) { dialog.findChild<QPushButton*>(QStringLiteral("OK"))->click(); };
  window->startNewMaze({4, 4, std::nullopt});
  key(maze().cell(2, 1) != cellWall ? Qt::Key_Right : Qt::Key_Down);
  const Maze left = maze(); // the hero is on his way to this room
  window->close();
  const std::string kept = userData + keptGameFileName;
  EXPECT_EQ(testing::readBytes(kept), composeMazeFile(left));

  putStandardPictures();
  Options remembered;
  remembered.heroPicture = "hero.png";
  remembered.wallPicture = "wall.png";
  remembered.doorPicture = "door.png";
  writeGameOptions(programFolders(appFolder), remembered);
  restart(); // no pictures in use yet: the remembered ones draw the maze
  trigger("GameResume");
  EXPECT_EQ(maze(), left);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Кварнель")) << "not the current file";
  EXPECT_EQ(fieldPixel(0, 0), QColor(Qt::black));
  EXPECT_FALSE(std::filesystem::exists(kept)) << "forgotten";
  EXPECT_FALSE(menuItem("GameResume")->isEnabled());
  window->startNewMaze({4, 4, TimeLimit{1, 0}});
  window->close();
  EXPECT_FALSE(std::filesystem::exists(kept)) << "timed games are not kept";
}

} // namespace
} // namespace kvarnel
