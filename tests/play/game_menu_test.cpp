// The menu "Игра" and the walking keys, played through the main window.
#include "core/maze_code.h"
#include "files/maze_file_format.h"
#include "play/game_menu.h"
#include "support/file_bytes.h"
#include "support/game_fixture.h"
#include "tools/tool_run.h"
#include "view/picture_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
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

using testing::GameFixture;
using testing::mazeFrom;
using testing::withHeroAt;

// 4 x 3 rooms: the top row is a corridor, the right column leads down to the exit room (3, 2),
// (0, 1) hangs below (0, 0).
Maze corridorMaze() {
  return mazeFrom({
      "#########",
      "#.......#",
      "#.#####.#",
      "#.#.#.#.#",
      "#######.#",
      "#.#.#.#.#",
      "#########",
  });
}

class GameMenuTest : public GameFixture {
protected:
  void SetUp() override {
    GameFixture::SetUp();
    setPictures(32, 16, 32);
  }
  QAction* item(const char* name) const { return menuItem(name); }
  QTimer* timer(const char* name) const { return control<QTimer>(name); }
  void tick(const char* name) { testing::fire(*timer(name)); }
  // A key pressed while the window has the keyboard, whatever widget in it has the focus.
  void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* to = QApplication::focusWidget() != nullptr && QApplication::focusWidget()->window() == window.get()
                      ? QApplication::focusWidget()
                      : window.get();
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(to, &press);
  }
  int finishWalk() {
    int ticks = 0;
    for (; timer("tmrStep")->isActive() && ticks < 10000; ++ticks) tick("tmrStep");
    return ticks;
  }
  QPoint heroAt() const { return control("picGeroy")->pos(); }
  static QPoint restOf(int col, int row) { return {16 + 48 * col, 16 + 48 * row}; }
  // Walks a new 2 x 2 maze to its exit by keys and lets the victory delay pass.
  void winTwoByTwo() {
    const bool viaRight = maze().cell(2, 1) != cellWall && maze().cell(3, 2) != cellWall;
    key(viaRight ? Qt::Key_Right : Qt::Key_Down);
    finishWalk();
    key(viaRight ? Qt::Key_Down : Qt::Key_Right);
    finishWalk();
    ASSERT_TRUE(maze().heroAtExit());
    tick("tmrPobeda");
  }
  // Answers every window: "OK" where there is one, the chooser's first picture.
  void answerWithOk() {
    modals.script = [](QDialog& dialog) {
      if (auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("OK"))) ok->click();
      if (auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("kOK"))) ok->click();
    };
  }
};

TEST_F(GameMenuTest, TheThirdMenuSitsBetweenTheTwoAndFollowsTheGame) {
  const QList<QAction*> menus = window->menuBar()->actions();
  ASSERT_EQ(menus.size(), 3);
  EXPECT_EQ(menus[1]->menu()->objectName(), QStringLiteral("Game"));
  EXPECT_EQ(menus[1]->text(), QStringLiteral("Игра"));
  const struct {
    const char* name;
    const char* text;
    QList<QKeySequence> keys;
  } items[] = {{"GameRestart", "Начать заново", {Qt::Key_F5}},
               {"GamePause", "Пауза", {Qt::Key_P, Qt::Key_Pause}},
               {"GameShowWay", "Показать выход", {Qt::Key_H}},
               {"GameCode", "Код лабиринта...", {QKeySequence(Qt::CTRL | Qt::Key_K)}},
               {"GameFromCode", "Лабиринт по коду...", {QKeySequence(Qt::CTRL | Qt::Key_L)}},
               {"GameRecords", "Рекорды", {QKeySequence(Qt::CTRL | Qt::Key_H)}},
               {"GameResume", "Продолжить прошлую игру", {}}};
  for (const auto& i : items) {
    EXPECT_EQ(item(i.name)->text(), QString::fromUtf8(i.text));
    EXPECT_EQ(item(i.name)->shortcuts(), i.keys) << i.text;
  }
  EXPECT_EQ(menus[1]->menu()->actions().size(), 9); // with the two separators
  auto enabled = [&] {
    std::string on;
    for (const auto& i : items) on += item(i.name)->isEnabled() ? "1" : "0";
    return on;
  };
  EXPECT_EQ(enabled(), "0000110");
  newMaze(4, 4);
  EXPECT_EQ(enabled(), "1011110");
  window->startNewMaze({4, 4, TimeLimit{1, 0}});
  EXPECT_EQ(enabled(), "1111110");
  window->playOpenedMaze(corridorMaze(), "");
  EXPECT_EQ(enabled(), "1010110") << "an opened maze has no code";
}

TEST_F(GameMenuTest, KeysWalkAsClicksDoAndTheWheelScrolls) {
  key(Qt::Key_Right); // no maze
  window->playOpenedMaze(corridorMaze(), "");
  key(Qt::Key_Right);
  EXPECT_EQ(maze().heroCol, 1);
  EXPECT_EQ(finishWalk(), 2);
  EXPECT_EQ(heroAt(), restOf(1, 0));
  EXPECT_TRUE(control("picPole")->hasFocus() || !window->isActiveWindow());

  // Held during a walk, the last key is walked after it: a run to the corridor's end.
  key(Qt::Key_Left);
  key(Qt::Key_Down); // replaced by the next
  key(Qt::Key_Right, Qt::ShiftModifier);
  finishWalk();
  EXPECT_EQ(maze().heroCol, 3);
  EXPECT_EQ(heroAt(), restOf(3, 0));
  // The Russian layout's Ы walks down, the keypad's arrows as the others.
  key(0x42B);
  finishWalk();
  EXPECT_EQ(maze().heroRow, 1);
  key(Qt::Key_Up, Qt::KeypadModifier);
  finishWalk();
  EXPECT_EQ(maze().heroRow, 0);
  key(Qt::Key_Right, Qt::ControlModifier); // belongs to no walk
  key(Qt::Key_Up);                         // against the wall
  EXPECT_FALSE(timer("tmrStep")->isActive());

  // A long corridor: arrows never scroll the view, the wheel does, by the bar's small change.
  std::string top(363, '.');
  top.front() = top.back() = '#';
  window->playOpenedMaze(mazeFrom({std::string(363, '#'), top, std::string(363, '#')}), "");
  auto* across = control<QScrollBar>("HScroll1");
  ASSERT_TRUE(across->isVisible());
  key(Qt::Key_Left);
  EXPECT_EQ(across->value(), 0);
  auto wheel = [&](QPoint turn, Qt::KeyboardModifiers modifiers) {
    QWheelEvent event(QPointF(50, 20), QPointF(50, 20), QPoint(), turn, Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(control("picControl"), &event); // where a turn over the field arrives
  };
  wheel({0, -120}, Qt::ShiftModifier);
  EXPECT_EQ(across->value(), across->singleStep());
  wheel({-60, 0}, Qt::NoModifier);
  EXPECT_EQ(across->value(), across->singleStep()) << "half a notch waits for the other half";
  wheel({-60, 0}, Qt::NoModifier);
  EXPECT_EQ(across->value(), 2 * across->singleStep());
  wheel({0, 240}, Qt::ShiftModifier);
  EXPECT_EQ(across->value(), 0);
  wheel({0, -120}, Qt::NoModifier); // no vertical bar to scroll
  EXPECT_EQ(across->value(), 0);
}

TEST_F(GameMenuTest, RestartAndPauseInATimedGame) {
  window->startNewMaze({4, 4, TimeLimit{0, 30}});
  for (int i = 0; i < 12; ++i) tick("tmrTimer");
  tick("tmrTimer");
  key(maze().cell(2, 1) != cellWall ? Qt::Key_Right : Qt::Key_Down);
  finishWalk();
  ASSERT_NE(heroAt(), restOf(0, 0));
  item("GameRestart")->trigger();
  EXPECT_EQ(heroAt(), restOf(0, 0));
  EXPECT_EQ(maze().heroCol + maze().heroRow, 0);
  EXPECT_EQ(session().timedGame().secondsLeft, 30);
  auto* bar = control<PictureBox>("picTime");
  EXPECT_EQ(bar->canvas().pixelColor(2, 5), QColor(0, 255, 0)) << "the time bar is cleared";
  EXPECT_TRUE(timer("tmrTimer")->isActive());

  // A pause covers the maze, stops the clock and takes no keys; a click on the panel goes on.
  tick("tmrTimer");
  item("GamePause")->trigger();
  EXPECT_TRUE(item("GamePause")->isChecked());
  EXPECT_FALSE(timer("tmrTimer")->isActive());
  EXPECT_FALSE(item("GameShowWay")->isEnabled());
  QWidget* panel = control("PausePanel");
  EXPECT_TRUE(panel->isVisible());
  const QImage view = control("picControl")->grab().toImage();
  for (int y = 0; y < view.height(); y += 2)
    for (int x = 0; x < view.width(); x += 2)
      for (QColor shown : {QColor(Qt::black), QColor(Qt::blue), QColor(Qt::red)})
        ASSERT_NE(view.pixelColor(x, y), shown) << x << "," << y << ": a pause shows nothing of the maze";
  tick("tmrTimer");
  key(Qt::Key_Right);
  EXPECT_EQ(session().timedGame().secondsLeft, 29);
  EXPECT_FALSE(timer("tmrStep")->isActive());
  QTest::mouseClick(panel, Qt::LeftButton);
  EXPECT_FALSE(panel->isVisible());
  EXPECT_TRUE(timer("tmrTimer")->isActive());
  EXPECT_LE(timer("tmrTimer")->interval(), 1000) << "what was left of the second";
  tick("tmrTimer");
  EXPECT_EQ(timer("tmrTimer")->interval(), 1000);
  EXPECT_EQ(session().timedGame().secondsLeft, 28);

  // Losing the focus to another program pauses the game.
  emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
  EXPECT_TRUE(session().paused());
  emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
  EXPECT_TRUE(session().paused()) << "only the player goes on";
  window->startNewMaze({4, 4, std::nullopt});
  EXPECT_FALSE(panel->isVisible());
  EXPECT_FALSE(item("GamePause")->isEnabled());
  emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive); // an untimed game goes on
  EXPECT_FALSE(session().paused());
}

TEST_F(GameMenuTest, TheWayIsDrawnOverTheFieldAndFollowsTheHero) {
  window->playOpenedMaze(corridorMaze(), "");
  const QPoint betweenFirstRooms(56, 32);
  auto shown = [&] { return control("picPole")->grab().toImage().pixelColor(betweenFirstRooms); };
  EXPECT_EQ(shown(), QColor(Qt::white));
  item("GameShowWay")->trigger();
  EXPECT_TRUE(item("GameShowWay")->isChecked());
  EXPECT_EQ(shown(), QColor(255, 221, 0));
  EXPECT_EQ(control("picPole")->grab().toImage().pixelColor(32 + 3 * 48, 56 + 48), QColor(255, 221, 0))
      << "down the right-hand column";
  key(Qt::Key_Right);
  finishWalk();
  EXPECT_EQ(shown(), QColor(Qt::white)) << "the way starts where the hero stands";
  item("GameShowWay")->trigger();
  EXPECT_EQ(control("picPole")->grab().toImage().pixelColor(32 + 3 * 48, 56 + 48), QColor(Qt::white));
}

TEST_F(GameMenuTest, CodesShowAndMakeTheSameMazeAsTheTool) {
  newMaze(20, 4);
  std::string shownCode;
  modals.script = [&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Код лабиринта"));
    auto* code = testing::control<QLineEdit>(&dialog, "txtCode");
    shownCode = code->text().toStdString();
    EXPECT_TRUE(code->isReadOnly());
    EXPECT_EQ(code->selectedText(), code->text());
    testing::control<QPushButton>(&dialog, "kCopy")->click();
  };
  item("GameCode")->trigger();
  EXPECT_EQ(shownCode, "20x4:45296.17");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("20x4:45296.17"));

  // Typed codes: a bad one is refused with what a code looks like, and nothing changes.
  const Maze before = maze();
  std::vector<std::string> typed{"20x4", "200x200:1", "7х5: Кварнель"};
  modals.script = [&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Лабиринт по коду"));
    auto* entry = testing::control<QLineEdit>(&dialog, "txtCode");
    EXPECT_TRUE(entry->hasFocus() || !dialog.isActiveWindow());
    for (const std::string& text : typed) {
      entry->setText(QString::fromStdString(text));
      QTest::keyClick(entry, Qt::Key_Return);
    }
    EXPECT_FALSE(dialog.isVisible());
  };
  item("GameFromCode")->trigger();
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, mazeCodeHelp);
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
  ASSERT_EQ(maze().mazeWidth, 7);
  EXPECT_FALSE(session().timedGame().limit);
  EXPECT_NE(maze(), before);

  // Saved, it is the very file the tool makes from the same code.
  modals.script = {};
  fileDialogs.saveAnswers.push_back(appFolder + "coded.lbr");
  item("MenuSaveAs")->trigger();
  const ToolRun tool = run({"generate", "7", "5", "--seed-text", " Кварнель"});
  ASSERT_EQ(tool.code, 0);
  EXPECT_EQ(testing::readBytes(appFolder + "coded.lbr"), tool.out);
  typed = {"2x2:1"};
  modals.script = [&](QDialog& dialog) {
    testing::control<QLineEdit>(&dialog, "txtCode")->setText("2x2:1");
    testing::control<QPushButton>(&dialog, "kNO")->click();
  };
  item("GameFromCode")->trigger();
  EXPECT_EQ(maze().mazeWidth, 7) << "cancelled";
}

TEST_F(GameMenuTest, ACodeWithoutPicturesAsksForThemAsStartDoes) {
  putStandardPictures();
  restart(); // no pictures in use, none remembered
  std::vector<std::string> asked;
  modals.script = [&](QDialog& dialog) {
    asked.push_back(dialog.objectName().toStdString());
    if (dialog.objectName() == QStringLiteral("frmFromCode")) {
      testing::control<QLineEdit>(&dialog, "txtCode")->setText("3x3:1");
      testing::control<QPushButton>(&dialog, "kOK")->click();
    } else if (asked.size() < 4 || asked.size() > 5) {
      testing::control<QPushButton>(&dialog, "kOK")->click(); // the chooser's first picture
    }
  };
  item("GameFromCode")->trigger();
  EXPECT_EQ(asked, (std::vector<std::string>{"frmFromCode", "frmSelect", "frmSelect", "frmSelect"}));
  EXPECT_FALSE(session().mazeShown()) << "the door's chooser was cancelled";
  item("GameFromCode")->trigger(); // the chosen hero and wall are in use now
  EXPECT_EQ(asked.size(), 6u);
  EXPECT_EQ(maze().mazeWidth, 3);
  EXPECT_EQ(window->options().doorPicture, "door.png");
}

TEST_F(GameMenuTest, AVictoryOfANewGameEntersTheBestTimesAndShowsThem) {
  std::vector<std::string> shown;
  std::string markedTime;
  modals.script = [&](QDialog& dialog) {
    shown.push_back(dialog.objectName().toStdString());
    if (auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("lstRecords"))) {
      for (QTreeWidgetItem* row : list->findItems(QStringLiteral("*"), Qt::MatchWildcard | Qt::MatchRecursive))
        if (row->font(1).bold()) markedTime = row->text(1).toStdString();
    }
    if (auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("OK"))) ok->click();
  };
  const std::string records = userData + bestTimesFileName;
  clock.steady = 100;
  window->startNewMaze({2, 2, std::nullopt});
  clock.steady = 165.5;
  winTwoByTwo();
  EXPECT_EQ(shown, (std::vector<std::string>{"frmEnd", "frmRecords"})) << "after the end window";
  EXPECT_EQ(markedTime, "1:05");
  const BestTimes table = readBestTimes(records);
  ASSERT_EQ(table.sizes.size(), 1u);
  EXPECT_EQ(table.sizes[0].times[0].milliseconds, 65500);
  EXPECT_EQ(table.sizes[0].times[0].wayLength, 2);
  EXPECT_EQ(table.sizes[0].times[0].date, clock.date);

  // A maze from a file and a helped game enter nothing.
  const std::string kept = testing::readBytes(records);
  shown.clear();
  window->playOpenedMaze(testing::madeMaze(2, 2), "");
  winTwoByTwo();
  window->startNewMaze({2, 2, std::nullopt});
  item("GameShowWay")->trigger();
  winTwoByTwo();
  EXPECT_EQ(shown, (std::vector<std::string>{"frmEnd", "frmEnd"}));
  EXPECT_EQ(testing::readBytes(records), kept);

  // "Рекорды" lists them whenever asked; a corrupt file is no best time, and no trouble.
  item("GameRecords")->trigger();
  EXPECT_EQ(shown.back(), "frmRecords");
  testing::writeBytes(records, "not the best times");
  item("GameRecords")->trigger();
  window->startNewMaze({2, 2, std::nullopt});
  winTwoByTwo();
  EXPECT_EQ(readBestTimes(records).sizes.size(), 1u);
}

TEST_F(GameMenuTest, LeavingKeepsAnUntimedGameForNextTime) {
  answerWithOk();
  window->startNewMaze({4, 4, std::nullopt});
  key(maze().cell(2, 1) != cellWall ? Qt::Key_Right : Qt::Key_Down);
  const Maze left = maze(); // the walk has not ended: the hero is on his way to this room
  window->close();
  const std::string kept = userData + keptGameFileName;
  EXPECT_EQ(testing::readBytes(kept), composeMazeFile(left));

  putStandardPictures();
  Options remembered;
  remembered.heroPicture = "hero.png";
  remembered.wallPicture = "wall.png";
  remembered.doorPicture = "door.png";
  writeOptions(programFolders(appFolder), remembered);
  restart(); // no pictures in use yet: the remembered ones draw the maze
  ASSERT_TRUE(item("GameResume")->isEnabled());
  item("GameResume")->trigger();
  EXPECT_EQ(maze(), left);
  EXPECT_EQ(window->pictures()[PictureKind::Wall]->name, "wall.png");
  EXPECT_EQ(control("picPole")->grab().toImage().pixelColor(0, 0), QColor(Qt::black));
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Кварнель")) << "not the current file";
  EXPECT_EQ(heroAt(), restOf(left.heroCol, left.heroRow));
  EXPECT_FALSE(std::filesystem::exists(kept)) << "forgotten";
  EXPECT_FALSE(item("GameResume")->isEnabled());

  // Timed games and won games are not kept.
  window->startNewMaze({4, 4, TimeLimit{1, 0}});
  window->close();
  restart();
  setPictures(32, 16, 32);
  window->startNewMaze({2, 2, std::nullopt});
  winTwoByTwo();
  window->close();
  EXPECT_FALSE(std::filesystem::exists(kept));
}

} // namespace
} // namespace kvarnel
