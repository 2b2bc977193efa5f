// Playing in the main window: clicks into walks, the step timer, the game clock, the end window
// and the menu commands that act during a game.
#include "game/files/maze_file_format.h"
#include "front/window/end_of_game_window.h"
#include "support/mazes.h"
#include "support/game_fixture.h"
#include "front/field/field_widget.h"
#include "front/field/picture_box.h"

#include <QAction>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace kvarnel {
namespace {

using testing::corridorMaze;
using testing::GameFixture;
using testing::mazeFrom;
using testing::withHeroAt;

class Play : public GameFixture {
protected:
  void SetUp() override {
    GameFixture::SetUp();
    setPictures(32, 16, 32);
  }
  QWidget* field() const { return control("picPole"); }
  QWidget* heroBox() const { return control("picGeroy"); }
  QTimer* timer(const char* name) const { return control<QTimer>(name); }
  QColor timeBarPixel(int x) const { return control<PictureBox>("picTime")->canvas().pixelColor(x, 5); }
  QAction* item(const char* name) const { return menuItem(name); }
};

TEST_F(Play, AClickInTheHerosRowWalksToTheRoomAskedFor) {
  play(corridorMaze());
  EXPECT_TRUE(field()->isEnabled());
  clickField(restOf(3, 0) + QPoint(20, 10));
  EXPECT_EQ(maze().heroCol, 3) << "the hero's room changes at once";
  EXPECT_FALSE(field()->isEnabled());
  EXPECT_TRUE(timer("tmrStep")->isActive());
  // Locked, the hero keeps his own colours.
  EXPECT_EQ(heroBox()->grab().toImage().pixelColor(16, 16), QColor(Qt::blue));
  EXPECT_EQ(finishWalk(), 6);
  EXPECT_EQ(heroBox()->pos(), restOf(3, 0));
  EXPECT_TRUE(field()->isEnabled());
  EXPECT_TRUE(heroBox()->isEnabled());
  EXPECT_FALSE(timer("tmrPobeda")->isActive());
}

TEST_F(Play, AClickFarPastTheCorridorsEndStopsBeforeTheWall) {
  play(corridorMaze());
  clickField(restOf(0, 2) + QPoint(5, 5));
  EXPECT_EQ(maze().heroRow, 1);
  EXPECT_EQ(finishWalk(), 2);
  EXPECT_EQ(heroBox()->pos(), restOf(0, 1));
}

TEST_F(Play, ClicksThatAskForNoWalkChangeNothing) {
  play(corridorMaze());
  clickField(restOf(1, 1) + QPoint(5, 5)); // diagonal
  clickField(restOf(0, 0) + QPoint(32, 60)); // the column just right of the hero: down, into (0,1)
  EXPECT_EQ(maze().heroRow, 1);
  finishWalk();
  clickField(restOf(0, 1) + QPoint(60, 5)); // right of (0,1) there is a wall
  EXPECT_FALSE(timer("tmrStep")->isActive());
  EXPECT_EQ(maze().heroCol, 0);
  // The hero's own box takes no clicks, and a release without a press is ignored.
  QTest::mouseClick(heroBox(), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(field(), Qt::LeftButton, {}, restOf(0, 0) + QPoint(5, 5));
  EXPECT_FALSE(timer("tmrStep")->isActive());
  EXPECT_EQ(maze().heroRow, 1);
}

TEST_F(Play, TheExitRoomWinsOneSecondAfterTheWalkEnds) {
  newMaze(4, 4); // an untimed new game may be saved, and opening a file keeps that
  play(withHeroAt(corridorMaze(), 3, 0), "x.lbr");
  ASSERT_TRUE(item("MenuSave")->isEnabled());
  std::vector<std::string> texts;
  modals.script = [&](QDialog& d) {
    texts.push_back(static_cast<EndOfGameWindow&>(d).text().endMessage);
    testing::control<QPushButton>(&d, "OK")->click();
  };
  clickField(restOf(3, 2) + QPoint(5, 5));
  EXPECT_EQ(finishWalk(), 4);
  EXPECT_TRUE(timer("tmrPobeda")->isActive());
  EXPECT_FALSE(field()->isEnabled());
  EXPECT_FALSE(item("MenuSave")->isEnabled());
  EXPECT_FALSE(item("MenuSaveAs")->isEnabled());
  EXPECT_TRUE(texts.empty());
  tick("tmrPobeda");
  EXPECT_EQ(texts, std::vector<std::string>{"СВОБОДА!!!"});
  EXPECT_FALSE(timer("tmrPobeda")->isActive());
  tick("tmrPobeda"); // a stray tick shows nothing
  EXPECT_EQ(texts.size(), 1u);
  EXPECT_FALSE(field()->isEnabled());
}

TEST_F(Play, OddCellStepsDriftUntilTheNextDrawing) {
  setPictures(32, 17, 32);
  play(corridorMaze());
  const FieldGeometry& g = session().view().geometry;
  ASSERT_EQ(g.cellStep % 2, 1);
  const QPoint start = heroBox()->pos();
  clickField(start + QPoint(g.cellStep + 5, 5));
  finishWalk();
  EXPECT_EQ(heroBox()->pos(), start + QPoint(2 * g.halfStep, 0));
  window->usePictures(window->pictures());
  EXPECT_EQ(heroBox()->pos(), start + QPoint(g.cellStep, 0));
}

TEST_F(Play, TheViewportFollowsALongWalk) {
  std::string top(363, '.');
  top.front() = top.back() = '#';
  play(mazeFrom({std::string(363, '#'), top, std::string(363, '#'), std::string(363, '#'),
                 std::string(363, '#'), std::string(363, '#'), std::string(363, '#')}));
  ASSERT_TRUE(control<QScrollBar>("HScroll1")->isVisible());
  clickField(restOf(20, 0) + QPoint(5, 5));
  finishWalk();
  EXPECT_EQ(maze().heroCol, 20);
  // Three rooms' margin is no longer enough after so long a walk: the view scrolls just far
  // enough to show the hero whole, at its right edge.
  EXPECT_EQ(control<QScrollBar>("HScroll1")->value(), 16 + 20 * 48 + 32 - 628);
  EXPECT_EQ(heroBox()->x() + 32, 628);
}

TEST_F(Play, ATenSecondLimitEndsTheGameAtTheEleventhTick) {
  window->startNewMaze({4, 4, TimeLimit{0, 10}});
  std::vector<std::string> texts;
  modals.script = [&](QDialog& d) { texts.push_back(static_cast<EndOfGameWindow&>(d).text().endMessage); };
  const int width = session().view().viewWidth;
  ASSERT_GT(width, 0);
  tick("tmrTimer");
  EXPECT_EQ(session().timedGame().secondsLeft, 9);
  const int red = width / 10; // the bar's first tenth
  EXPECT_EQ(timeBarPixel(red - 2), QColor(255, 0, 0));
  EXPECT_EQ(timeBarPixel(red + 2), QColor(0, 255, 0));
  for (int i = 0; i < 9; ++i) tick("tmrTimer");
  EXPECT_EQ(session().timedGame().secondsLeft, 0);
  // The bar's inside is the view's width, all red now.
  EXPECT_EQ(control<PictureBox>("picTime")->canvas().width(), width);
  EXPECT_EQ(timeBarPixel(width - 1), QColor(255, 0, 0));
  EXPECT_TRUE(texts.empty());
  tick("tmrTimer");
  EXPECT_EQ(texts, std::vector<std::string>{"ВЫ НЕ УСПЕЛИ!!!"});
  EXPECT_FALSE(timer("tmrTimer")->isActive());
  EXPECT_FALSE(field()->isEnabled());
  EXPECT_EQ(control<PictureBox>("picTime")->backgroundColour(), QColor(255, 0, 0));
  EXPECT_EQ(session().timedGame().secondsLeft, 0) << "the clock never goes below zero";

  // The next game starts afresh: no bar in an untimed game, an all-green one in a timed game.
  window->startNewMaze({4, 4, std::nullopt});
  EXPECT_FALSE(control("picTime")->isVisible());
  window->startNewMaze({4, 4, TimeLimit{0, 10}});
  EXPECT_TRUE(control("picTime")->isVisible());
  EXPECT_EQ(timeBarPixel(0), QColor(0, 255, 0));
  EXPECT_EQ(timeBarPixel(width - 1), QColor(0, 255, 0));
}

TEST_F(Play, ResizingDuringATimedGameKeepsTheBarsProportion) {
  window->startNewMaze({4, 4, TimeLimit{1, 0}});
  for (int i = 0; i < 30; ++i) tick("tmrTimer");
  window->resize(window->width() + 200, window->height());
  const int width = session().view().viewWidth;
  const float barPerSecond = session().timedGame().barPerSecond;
  EXPECT_FLOAT_EQ(barPerSecond, static_cast<float>(width) / 60.0f);
  tick("tmrTimer");
  const int red = width - static_cast<int>(barPerSecond * 29.0f + 0.5f);
  EXPECT_EQ(timeBarPixel(red - 1), QColor(255, 0, 0));
  EXPECT_EQ(timeBarPixel(red + 2), QColor(0, 255, 0));
}

TEST_F(Play, AWalkThatRunsOutOfTimeEndsLockedAndWithoutVictory) {
  window->startNewMaze({2, 2, TimeLimit{0, 1}});
  walkNextToTheExit();
  int endWindows = 0;
  modals.script = [&](QDialog&) { ++endWindows; };
  clickField(restOf(1, 1) + QPoint(5, 5));
  ASSERT_TRUE(timer("tmrStep")->isActive());
  tick("tmrTimer");
  tick("tmrTimer"); // time up during the walk
  EXPECT_EQ(endWindows, 1);
  finishWalk();
  EXPECT_EQ(heroBox()->pos(), restOf(1, 1));
  EXPECT_FALSE(field()->isEnabled());
  EXPECT_FALSE(timer("tmrPobeda")->isActive());
  tick("tmrPobeda");
  EXPECT_EQ(endWindows, 1);
}

TEST_F(Play, TheEndWindowsLettersJumpOverTheirShadow) {
  EndOfGameWindow end(GameEnd::Victory, clock, window.get());
  auto* ok = testing::control<QPushButton>(&end, "OK");
  auto* letters = testing::control<QTimer>(&end, "Timer1");
  auto* message = testing::control<PictureBox>(&end, "Picture1");
  EXPECT_EQ(end.windowTitle(), QStringLiteral("Конец игры"));
  EXPECT_TRUE(ok->isDefault());
  EXPECT_TRUE(letters->isActive());
  EXPECT_EQ(letters->interval(), 100);
  EXPECT_EQ(end.text().messageColor, 65280);
  // The picture box is as wide as the message and centred.
  EXPECT_NEAR(message->x() * 2 + message->width(), end.width(), 1);
  clock.randoms = {0.0, 0.99, 0.5};
  testing::fire(*letters);
  const QImage& canvas = message->canvas();
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
  ok->click();
  EXPECT_FALSE(end.isVisible());
}

TEST_F(Play, MenuCommandsDuringAGame) {
  // At start-up the save commands are off, so Ctrl+S does nothing.
  QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(fileDialogs.saveRequests.empty());

  // Opening a file at start-up leaves them off; the hero stands where the file put him.
  const Maze saved = withHeroAt(corridorMaze(), 2, 0);
  ASSERT_EQ(writeMazeFile(saved, appFolder + "saved.lbr"), MazeFileResult::Ok);
  fileDialogs.openAnswers = {appFolder + "saved.lbr", appFolder + "saved.lbr"};
  item("MenuOpen")->trigger();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Кварнель - [saved.lbr]"));
  EXPECT_FALSE(item("MenuSave")->isEnabled());
  window->activateWindow(); // shortcuts reach the active window only
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QTest::keyClick(window.get(), Qt::Key_F5); // the same maze again leaves saving as it was
  QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(fileDialogs.saveRequests.empty());
  EXPECT_FALSE(item("MenuSave")->isEnabled());
  ASSERT_EQ(heroBox()->pos(), restOf(0, 0));
  item("MenuOpen")->trigger();
  EXPECT_EQ(heroBox()->pos(), restOf(2, 0));
  EXPECT_TRUE(field()->isEnabled());

  // F1 opens the help page, the clock goes on; "О программе" shows the about window.
  item("HelpCallHelp")->trigger();
  EXPECT_EQ(documents.opened, std::vector<std::string>{appFolder + "Справка.htm"});
  documents.succeed = false; // nothing on the desktop opens pages: the player is told which
  item("HelpCallHelp")->trigger();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Не удалось открыть страницу:\n" + appFolder + "Справка.htm");
  item("HelpAbout")->trigger();
  EXPECT_EQ(modals.shown, std::vector<std::string>{"frmOprog"});

  // Opening during a walk drops the walk: the hero stands in the opened room.
  clickField(restOf(0, 0) + QPoint(5, 5));
  ASSERT_TRUE(timer("tmrStep")->isActive());
  fileDialogs.openAnswers.push_back(appFolder + "saved.lbr");
  item("MenuOpen")->trigger();
  EXPECT_FALSE(timer("tmrStep")->isActive());
  EXPECT_EQ(heroBox()->pos(), restOf(2, 0));

  // An opened maze is played untimed; the options remember its size.
  window->startNewMaze({5, 5, TimeLimit{2, 0}});
  ASSERT_TRUE(timer("tmrTimer")->isActive());
  fileDialogs.openAnswers.push_back(appFolder + "saved.lbr");
  item("MenuOpen")->trigger();
  EXPECT_FALSE(timer("tmrTimer")->isActive());
  EXPECT_FALSE(control("picTime")->isVisible());
  EXPECT_EQ(window->options().roomsAcross, 4);
  EXPECT_EQ(window->options().roomsDown, 3);
  EXPECT_EQ(window->options().timedGame, 0);
}

} // namespace
} // namespace kvarnel
