// A seeded monkey plays the main window: random clicks, ticks, resizes, scrolls, picture
// changes, new games, saves and opens, with the game's invariants checked after every event.
#include "play/frm_end.h"
#include "support/game_fixture.h"
#include "view/field_widget.h"
#include "windows/frm_new.h"
#include "windows/frm_select.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <random>

namespace kvarnel {
namespace {

using testing::GameFixture;
using testing::putPicture;

class Monkey : public GameFixture {
protected:
  void SetUp() override {
    GameFixture::SetUp();
    // Even room pitches only, so that a finished walk stands exactly on its room.
    putPicture(appFolder, "Герои", "a.png", 32, 32, Qt::blue);
    putPicture(appFolder, "Герои", "b.png", 32, 32, Qt::cyan);
    putPicture(appFolder, "Стенки", "16.png", 16, 16, Qt::black);
    putPicture(appFolder, "Стенки", "24.png", 24, 24, Qt::darkGray);
    putPicture(appFolder, "Стенки", "32.png", 32, 32, Qt::gray);
    putPicture(appFolder, "Стенки", "64.png", 64, 64, Qt::darkGreen);
    putPicture(appFolder, "Двери", "32.png", 32, 32, Qt::red);
    putPicture(appFolder, "Двери", "48.png", 48, 48, Qt::magenta);
    modals.script = [this](QDialog& dialog) { answer(dialog); };
  }

  int pick(int lowest, int highest) { return std::uniform_int_distribution<int>(lowest, highest)(random); }

  void answer(QDialog& dialog) {
    if (auto* d = qobject_cast<frmNew*>(&dialog)) {
      d->txtPoleWidth->setText(QString::number(pick(0, 3) == 0 ? pick(2, 181) : pick(0, 12)));
      d->txtPoleHeight->setText(QString::number(pick(0, 12)));
      if (d->chTime->isChecked() != (pick(0, 2) == 0)) d->chTime->click();
      d->txtMin->setEditText(QString::number(pick(0, 5) == 0 ? 1 : 0));
      d->txtSec->setEditText(QString::number(pick(0, 8)));
      d->kOK->click();
      if (!d->isVisible()) newGameStarted();
    } else if (auto* s = qobject_cast<frmSelect*>(&dialog)) {
      if (s->File1->count() > 0) s->File1->setCurrentRow(pick(0, s->File1->count() - 1));
      s->kOK->click();
    } else if (auto* e = qobject_cast<frmEnd*>(&dialog)) {
      ++endWindowsThisGame;
      ++seen.endWindows;
      e->Timer1_Timer();
      e->OK->click();
    }
  }

  void newGameStarted() {
    ++seen.games;
    endWindowsThisGame = 0;
    saveExpected = state.settings.timedGame == 0;
  }

  void event() {
    switch (pick(0, 15)) {
    case 0:
    case 1:
    case 2:
    case 3: { // a click on the field, mostly in the hero's row or column
      if (!window->picPole->isEnabled()) break;
      QPoint at(pick(0, window->picPole->width()), pick(0, window->picPole->height()));
      const MazeState& maze = state.maze;
      if (pick(0, 1) == 0) at.setX(maze.heroX + pick(0, maze.heroSize));
      else if (pick(0, 1) == 0) at.setY(maze.heroY + pick(0, maze.heroSize));
      QTest::mousePress(window->picPole, Qt::LeftButton, {}, at);
      QTest::mouseRelease(window->picPole, Qt::LeftButton, {}, at);
      if (window->tmrStep->isActive()) ++seen.walks;
      break;
    }
    case 4:
    case 5:
    case 6:
    case 7:
      window->tmrStep_Timer();
      if (window->tmrPobeda->isActive()) saveExpected = false; // the hero got out
      break;
    case 8:
      window->tmrTimer_Timer();
      window->tmrPobeda_Timer();
      break;
    case 9: window->resize(pick(100, 900), pick(60, 700)); break;
    case 10:
      if (!window->HScroll1->isHidden()) window->HScroll1->setValue(pick(0, window->HScroll1->maximum()));
      if (!window->VScroll1->isHidden()) window->VScroll1->setValue(pick(0, window->VScroll1->maximum()));
      break;
    case 11: window->MenuSel[static_cast<std::size_t>(pick(0, 2))]->trigger(); break;
    case 12:
      if (pick(0, 5) == 0) window->MenuNew->trigger();
      break;
    case 13:
      if (window->MenuSave->isEnabled()) {
        fileDialogs.saveAnswers.push_back(appFolder + "m" + std::to_string(pick(0, 3)));
        messages.answers.push_back(pick(0, 1) == 0 ? MessageAnswer::Yes : MessageAnswer::No);
        (pick(0, 1) == 0 ? window->MenuSave : window->MenuSaveAs)->trigger();
        ++seen.saves;
        fileDialogs.saveAnswers.clear();
        messages.answers.clear();
      }
      break;
    case 14:
    case 15:
      if (pick(0, 3) == 0) {
        fileDialogs.openAnswers.push_back(appFolder + "m" + std::to_string(pick(0, 4)));
        const std::size_t messagesBefore = messages.shown.size();
        window->MenuOpen->trigger();
        fileDialogs.openAnswers.clear();
        if (messages.shown.size() == messagesBefore) { // opened: a new game begins
          ++seen.opens;
          endWindowsThisGame = 0;
        }
      }
      break;
    }
  }

  void checkInvariants(int step) {
    const MazeState& maze = state.maze;
    SCOPED_TRACE("event " + std::to_string(step));
    ASSERT_GE(state.settings.secondsLeft, 0);
    ASSERT_LE(endWindowsThisGame, 1);
    ASSERT_EQ(window->MenuSave->isEnabled(), saveExpected);
    ASSERT_EQ(window->MenuSaveAs->isEnabled(), saveExpected);
    if (maze.mazeShown != 1) return;
    ASSERT_GE(maze.heroCol, 0);
    ASSERT_GE(maze.heroRow, 0);
    ASSERT_LT(maze.heroCol, maze.mazeWidth);
    ASSERT_LT(maze.heroRow, maze.mazeHeight);
    ASSERT_NE(maze.cell(2 * maze.heroCol + 1, 2 * maze.heroRow + 1), cellWall);
    if (!window->tmrStep->isActive()) {
      const QPoint rest(maze.wallSize + maze.heroCol * maze.cellStep, maze.wallSize + maze.heroRow * maze.cellStep);
      ASSERT_EQ(window->picGeroy->pos(), rest);
    }
  }

  struct Seen {
    int games = 0, walks = 0, endWindows = 0, saves = 0, opens = 0;
  } seen;
  std::mt19937 random{20261209};
  int endWindowsThisGame = 0;
  bool saveExpected = false;
};

TEST_F(Monkey, TwentyThousandEventsKeepTheGameSound) {
  state.settings.heroPicture = "a.png";
  state.settings.wallPicture = "16.png";
  state.settings.doorPicture = "32.png";
  window->MenuNew->trigger();
  for (int step = 0; step < 20000; ++step) {
    event();
    ASSERT_NO_FATAL_FAILURE(checkInvariants(step));
  }
  // The monkey really played.
  EXPECT_GT(seen.games, 50);
  EXPECT_GT(seen.walks, 500);
  EXPECT_GT(seen.endWindows, 5);
  EXPECT_GT(seen.saves, 20);
  EXPECT_GT(seen.opens, 5);
}

} // namespace
} // namespace kvarnel
