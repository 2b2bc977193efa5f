// Playing in the main window: clicks into walks, the step timer, the game clock, the end window
// and the menu commands that act during a game.
#include "files/maze_file_format.h"
#include "play/frm_end.h"
#include "play/play_fixture.h"
#include "support/game_fixture.h"
#include "view/field_widget.h"
#include "view/picture_box.h"

#include <QAction>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace kvarnel {
namespace {

using testing::GameFixture;
using testing::mazeFrom;

// A 4 x 3 maze: the top row is a corridor, the right column leads down to the exit room.
//   rooms (0,0)-(1,0)-(2,0)-(3,0), (3,0)-(3,1)-(3,2); (0,1) hangs below (0,0); the rest walled.
MazeState corridorMaze() {
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

class Play : public GameFixture {
protected:
  void SetUp() override {
    GameFixture::SetUp();
    setPictures(32, 16, 32);
  }
  // Puts a hand-built maze into play as an opened file would.
  void play(const MazeState& maze) {
    state.maze = maze;
    window->showOpenedMaze();
  }
  void clickField(QPoint at) {
    QTest::mousePress(window->picPole, Qt::LeftButton, {}, at);
    QTest::mouseRelease(window->picPole, Qt::LeftButton, {}, at);
  }
  // Runs the step timer until the walk has ended; returns the number of ticks.
  int finishWalk() {
    int ticks = 0;
    while (window->tmrStep->isActive() && ticks < 10000) {
      window->tmrStep_Timer();
      ++ticks;
    }
    return ticks;
  }
  QPoint restOf(int col, int row) const { return {16 + 48 * col, 16 + 48 * row}; }
  QColor timeBarPixel(int x) const { return window->picTime->canvas().pixelColor(x, 5); }
};

TEST_F(Play, AClickInTheHerosRowWalksToTheRoomAskedFor) {
  play(corridorMaze());
  EXPECT_TRUE(window->picPole->isEnabled());
  clickField(restOf(3, 0) + QPoint(20, 10));
  EXPECT_EQ(state.maze.heroCol, 3) << "the hero's room changes at once";
  EXPECT_FALSE(window->picPole->isEnabled());
  EXPECT_TRUE(window->tmrStep->isActive());
  EXPECT_EQ(finishWalk(), 6);
  EXPECT_EQ(window->picGeroy->pos(), restOf(3, 0));
  EXPECT_TRUE(window->picPole->isEnabled());
  EXPECT_TRUE(window->picGeroy->isEnabled());
  EXPECT_FALSE(window->tmrPobeda->isActive());
}

TEST_F(Play, AClickFarPastTheCorridorsEndStopsBeforeTheWall) {
  play(corridorMaze());
  clickField(restOf(0, 2) + QPoint(5, 5));
  EXPECT_EQ(state.maze.heroRow, 1);
  EXPECT_EQ(finishWalk(), 2);
  EXPECT_EQ(window->picGeroy->pos(), restOf(0, 1));
}

TEST_F(Play, ClicksThatAskForNoWalkChangeNothing) {
  play(corridorMaze());
  clickField(restOf(1, 1) + QPoint(5, 5)); // diagonal
  clickField(restOf(0, 0) + QPoint(32, 60)); // the column just right of the hero: down, into (0,1)
  EXPECT_EQ(state.maze.heroRow, 1);
  finishWalk();
  clickField(restOf(0, 1) + QPoint(60, 5)); // right of (0,1) there is a wall
  EXPECT_FALSE(window->tmrStep->isActive());
  EXPECT_EQ(state.maze.heroCol, 0);
  // The hero's own box takes no clicks, and a release without a press is ignored.
  QTest::mouseClick(window->picGeroy, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(window->picPole, Qt::LeftButton, {}, restOf(0, 0) + QPoint(5, 5));
  EXPECT_FALSE(window->tmrStep->isActive());
  EXPECT_EQ(state.maze.heroRow, 1);
}

TEST_F(Play, TheExitRoomWinsOneSecondAfterTheWalkEnds) {
  state.settings.mazeFilePath = "x.lbr";
  window->setSaveItemsEnabled(true);
  MazeState maze = corridorMaze();
  testing::placeHero(maze, 3, 0);
  play(maze);
  std::vector<std::string> texts;
  modals.script = [&](QDialog& d) {
    texts.push_back(static_cast<frmEnd&>(d).text().endMessage);
    static_cast<frmEnd&>(d).OK->click();
  };
  clickField(restOf(3, 2) + QPoint(5, 5));
  EXPECT_EQ(finishWalk(), 4);
  EXPECT_TRUE(window->tmrPobeda->isActive());
  EXPECT_FALSE(window->picPole->isEnabled());
  EXPECT_FALSE(window->MenuSave->isEnabled());
  EXPECT_FALSE(window->MenuSaveAs->isEnabled());
  EXPECT_TRUE(texts.empty());
  window->tmrPobeda_Timer();
  EXPECT_EQ(texts, std::vector<std::string>{"СВОБОДА!!!"});
  EXPECT_EQ(state.settings.dialogArg, 0);
  EXPECT_FALSE(window->tmrPobeda->isActive());
  window->tmrPobeda_Timer(); // a stray tick shows nothing
  EXPECT_EQ(texts.size(), 1u);
  EXPECT_FALSE(window->picPole->isEnabled());
}

TEST_F(Play, OddCellStepsDriftUntilTheNextDrawing) {
  setPictures(32, 17, 32);
  play(corridorMaze());
  ASSERT_EQ(state.maze.cellStep % 2, 1);
  const int step = state.maze.cellStep;
  const int half = state.maze.halfStep;
  const QPoint start = window->picGeroy->pos();
  clickField(start + QPoint(step + 5, 5));
  finishWalk();
  EXPECT_EQ(window->picGeroy->pos(), start + QPoint(2 * half, 0));
  window->DrawMaze();
  EXPECT_EQ(window->picGeroy->pos(), start + QPoint(step, 0));
}

TEST_F(Play, TheViewportFollowsALongWalk) {
  std::string top(363, '.');
  top.front() = top.back() = '#';
  play(mazeFrom({std::string(363, '#'), top, std::string(363, '#'), std::string(363, '#'),
                 std::string(363, '#'), std::string(363, '#'), std::string(363, '#')}));
  ASSERT_TRUE(window->HScroll1->isVisible());
  clickField(restOf(20, 0) + QPoint(5, 5));
  finishWalk();
  EXPECT_EQ(state.maze.heroCol, 20);
  EXPECT_EQ(window->HScroll1->value(), 3 * 48);
  EXPECT_EQ(window->picPole->x(), -3 * 48);
}

TEST_F(Play, ATenSecondLimitEndsTheGameAtTheEleventhTick) {
  state.settings.timedGame = 1;
  state.settings.limitSeconds = 10;
  state.settings.secondsLeft = 10;
  newMaze(4, 4);
  std::vector<std::string> texts;
  modals.script = [&](QDialog& d) { texts.push_back(static_cast<frmEnd&>(d).text().endMessage); };
  const int width = state.settings.viewWidth;
  ASSERT_GT(width, 0);
  window->tmrTimer_Timer();
  EXPECT_EQ(state.settings.secondsLeft, 9);
  const int red = width / 10; // the bar's first tenth
  EXPECT_EQ(timeBarPixel(red - 2), QColor(255, 0, 0));
  EXPECT_EQ(timeBarPixel(red + 2), QColor(0, 255, 0));
  for (int i = 0; i < 9; ++i) window->tmrTimer_Timer();
  EXPECT_EQ(state.settings.secondsLeft, 0);
  EXPECT_EQ(timeBarPixel(width - 1), QColor(255, 0, 0));
  EXPECT_TRUE(texts.empty());
  window->tmrTimer_Timer();
  EXPECT_EQ(texts, std::vector<std::string>{"ВЫ НЕ УСПЕЛИ!!!"});
  EXPECT_EQ(state.settings.dialogArg, 1);
  EXPECT_FALSE(window->tmrTimer->isActive());
  EXPECT_FALSE(window->picPole->isEnabled());
  EXPECT_EQ(window->picTime->backgroundColour(), QColor(255, 0, 0));
  EXPECT_EQ(state.settings.secondsLeft, 0) << "the clock never goes below zero";
}

TEST_F(Play, ResizingDuringATimedGameKeepsTheBarsProportion) {
  state.settings.timedGame = 1;
  state.settings.limitMinutes = 1;
  state.settings.secondsLeft = 60;
  newMaze(4, 4);
  for (int i = 0; i < 30; ++i) window->tmrTimer_Timer();
  window->resize(window->width() + 200, window->height());
  const int width = state.settings.viewWidth;
  EXPECT_FLOAT_EQ(state.settings.barPerSecond, static_cast<float>(width) / 60.0f);
  window->tmrTimer_Timer();
  const int red = width - static_cast<int>(state.settings.barPerSecond * 29.0f + 0.5f);
  EXPECT_EQ(timeBarPixel(red - 1), QColor(255, 0, 0));
  EXPECT_EQ(timeBarPixel(red + 2), QColor(0, 255, 0));
}

TEST_F(Play, AWalkThatRunsOutOfTimeEndsLockedAndWithoutVictory) {
  state.settings.timedGame = 1;
  state.settings.limitSeconds = 1;
  state.settings.secondsLeft = 1;
  newMaze(4, 4);
  MazeState maze = corridorMaze();
  testing::placeHero(maze, 3, 0);
  state.maze = maze;
  window->DrawMaze();
  window->tmrTimer->start();
  int endWindows = 0;
  modals.script = [&](QDialog&) { ++endWindows; };
  clickField(restOf(3, 2) + QPoint(5, 5));
  ASSERT_TRUE(window->tmrStep->isActive());
  window->tmrTimer_Timer();
  window->tmrTimer_Timer(); // time up during the walk
  EXPECT_EQ(endWindows, 1);
  finishWalk();
  EXPECT_EQ(window->picGeroy->pos(), restOf(3, 2));
  EXPECT_FALSE(window->picPole->isEnabled());
  EXPECT_FALSE(window->tmrPobeda->isActive());
  window->tmrPobeda_Timer();
  EXPECT_EQ(endWindows, 1);
}

TEST_F(Play, TheEndWindowsLettersJumpOverTheirShadow) {
  frmEnd end(0, clock, window.get());
  EXPECT_EQ(end.windowTitle(), QStringLiteral("Конец игры"));
  EXPECT_TRUE(end.OK->isDefault());
  EXPECT_TRUE(end.Timer1->isActive());
  EXPECT_EQ(end.Timer1->interval(), 100);
  EXPECT_EQ(end.text().messageColor, 65280);
  // The picture box is as wide as the message and centred.
  EXPECT_NEAR(end.Picture1->x() * 2 + end.Picture1->width(), end.width(), 1);
  clock.randoms = {0.0, 0.99, 0.5};
  end.Timer1_Timer();
  const QImage& canvas = end.Picture1->canvas();
  bool green = false;
  bool black = false;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const QColor c = canvas.pixelColor(x, y);
      green = green || c == QColor(0, 255, 0);
      black = black || c == QColor(0, 0, 0);
    }
  }
  EXPECT_TRUE(green);
  EXPECT_TRUE(black);
  end.OK->click();
  EXPECT_FALSE(end.isVisible());
}

TEST_F(Play, MenuCommandsDuringAGame) {
  // At start-up the save commands are off, so Ctrl+S does nothing.
  QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(fileDialogs.saveRequests.empty());

  // Opening a file at start-up leaves them off; the hero stands where the file put him.
  MazeState saved = corridorMaze();
  testing::placeHero(saved, 2, 0);
  ASSERT_EQ(WriteMazeFile(saved, appFolder + "saved.lbr"), MazeFileResult::Ok);
  fileDialogs.openAnswers.push_back(appFolder + "saved.lbr");
  window->MenuOpen->trigger();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Кварнель - [saved.lbr]"));
  EXPECT_FALSE(window->MenuSave->isEnabled());
  EXPECT_EQ(window->picGeroy->pos(), restOf(2, 0));
  EXPECT_TRUE(window->picPole->isEnabled());

  // F1 opens the help page, the clock goes on; "О программе" shows the about window.
  window->HelpCallHelp->trigger();
  EXPECT_EQ(documents.opened, std::vector<std::string>{appFolder + "Справка.htm"});
  window->HelpAbout->trigger();
  EXPECT_EQ(modals.shown, std::vector<std::string>{"frmOprog"});

  // Opening during a walk drops the walk: the hero stands in the opened room.
  clickField(restOf(0, 0) + QPoint(5, 5));
  ASSERT_TRUE(window->tmrStep->isActive());
  fileDialogs.openAnswers.push_back(appFolder + "saved.lbr");
  window->MenuOpen->trigger();
  EXPECT_FALSE(window->tmrStep->isActive());
  EXPECT_EQ(window->picGeroy->pos(), restOf(2, 0));
}

} // namespace
} // namespace kvarnel
