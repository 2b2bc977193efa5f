// A seeded monkey plays the main window: random clicks, walking keys, ticks, resizes, scrolls,
// picture changes, new games, saves and opens, restarts, pauses, the way out and maze codes, with
// the game's invariants checked after every event.
#include "game/play/best_times.h"
#include "front/window/end_of_game_window.h"
#include "support/file_bytes.h"
#include "game/files/options_file_format.h"
#include "support/game_fixture.h"
#include "front/field/field_widget.h"
#include "front/dialogs/code_entry_dialog.h"
#include "front/dialogs/new_game_dialog.h"
#include "front/dialogs/picture_chooser.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
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
    Options options;
    options.heroPicture = "a.png";
    options.wallPicture = "16.png";
    options.doorPicture = "32.png";
    writeGameOptions(programFolders(appFolder), options);
    restart();
    modals.script = [this](QDialog& dialog) { answer(dialog); };
  }

  int pick(int lowest, int highest) { return std::uniform_int_distribution<int>(lowest, highest)(random); }

  template <class T> T* in(QDialog& dialog, const char* name) { return testing::control<T>(&dialog, name); }

  void answer(QDialog& dialog) {
    if (qobject_cast<NewGameDialog*>(&dialog) != nullptr) {
      in<QLineEdit>(dialog, "txtPoleWidth")->setText(QString::number(pick(0, 3) == 0 ? pick(2, 181) : pick(0, 12)));
      in<QLineEdit>(dialog, "txtPoleHeight")->setText(QString::number(pick(0, 12)));
      auto* timed = in<QCheckBox>(dialog, "chTime");
      if (timed->isChecked() != (pick(0, 2) == 0)) timed->click();
      in<QComboBox>(dialog, "txtMin")->setEditText(QString::number(pick(0, 5) == 0 ? 1 : 0));
      in<QComboBox>(dialog, "txtSec")->setEditText(QString::number(pick(0, 8)));
      in<QPushButton>(dialog, "kOK")->click();
      newGameAsked = !dialog.isVisible();
    } else if (qobject_cast<PictureChooser*>(&dialog) != nullptr) {
      auto* files = in<QListWidget>(dialog, "File1");
      if (files->count() > 0) files->setCurrentRow(pick(0, files->count() - 1));
      in<QPushButton>(dialog, "kOK")->click();
    } else if (qobject_cast<EndOfGameWindow*>(&dialog) != nullptr) {
      ++endWindowsThisGame;
      ++seen.endWindows;
      testing::fire(*in<QTimer>(dialog, "Timer1"));
      in<QPushButton>(dialog, "OK")->click();
    } else if (qobject_cast<CodeEntryDialog*>(&dialog) != nullptr) { // a code, good or bad, or none
      const std::string code = std::to_string(pick(0, 7)) + (pick(0, 3) == 0 ? "*" : "x") + std::to_string(pick(0, 7));
      in<QLineEdit>(dialog, "txtCode")->setText(QString::fromStdString(code + ":" + std::to_string(pick(0, 99))));
      in<QPushButton>(dialog, pick(0, 4) == 0 ? "kNO" : "kOK")->click();
      if (dialog.isVisible()) in<QPushButton>(dialog, "kNO")->click();
      if (dialog.result() == QDialog::Accepted) gameBegun(true);
    } else if (auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("OK"))) { // code, best times
      ok->click();
    }
  }

  void newGame() {
    newGameAsked = false;
    menuItem("MenuNew")->trigger();
    if (!newGameAsked) return;
    ++seen.games;
    endWindowsThisGame = 0;
    saveExpected = !session().timedGame().limit;
  }

  void tick(const char* name) { testing::fire(*control<QTimer>(name)); }

  void walkKey() {
    static constexpr int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_W, 0x424, 0x42B, Qt::Key_D};
    QKeyEvent press(QEvent::KeyPress, keys[pick(0, 7)], pick(0, 3) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
    const bool walking = control<QTimer>("tmrStep")->isActive();
    QApplication::sendEvent(window.get(), &press);
    if (!walking && control<QTimer>("tmrStep")->isActive()) ++seen.walks;
  }

  // A new game, or the same maze again (F5), which leaves saving as it was.
  void gameBegun(std::optional<bool> savable) {
    ++seen.games;
    endWindowsThisGame = 0;
    saveExpected = savable.value_or(saveExpected);
  }

  void gameMenuEvent() {
    const int choice = pick(0, 9);
    const char* items[] = {"GameRestart", "GamePause", "GamePause", "GameShowWay", "GameCode", "GameFromCode", "GameRecords"};
    if (choice == 7 && control("PausePanel")->isVisible()) QTest::mouseClick(control("PausePanel"), Qt::LeftButton);
    if (choice >= 8) emit qGuiApp->applicationStateChanged(choice == 8 ? Qt::ApplicationInactive : Qt::ApplicationActive);
    if (choice == 9 && pick(0, 9) == 0) menuItem("GameAutoPause")->trigger();
    // Restarts, the way and the best times now and then: a monkey that restarted often would never win.
    if (choice >= 7 || !menuItem(items[choice])->isEnabled() || ((choice == 0 || choice >= 3) && pick(0, 9) != 0)) return;
    menuItem(items[choice])->trigger();
    if (choice == 0) gameBegun(std::nullopt);
    seen.restarts += choice == 0 ? 1 : 0;
    seen.pauses += session().paused() ? 1 : 0;
  }

  void event() {
    switch (pick(0, 21)) {
    case 0:
    case 1:
    case 2:
    case 3: { // a click on the field, mostly in the hero's row or column
      QWidget* field = control("picPole");
      if (!field->isEnabled()) break;
      QPoint at(pick(0, field->width()), pick(0, field->height()));
      const FieldView& view = session().view();
      if (pick(0, 1) == 0) at.setX(view.heroX + pick(0, view.geometry.heroSize));
      else if (pick(0, 1) == 0) at.setY(view.heroY + pick(0, view.geometry.heroSize));
      QTest::mousePress(field, Qt::LeftButton, {}, at);
      QTest::mouseRelease(field, Qt::LeftButton, {}, at);
      if (control<QTimer>("tmrStep")->isActive()) ++seen.walks;
      break;
    }
    case 4:
    case 5:
    case 6:
    case 7:
      tick("tmrStep");
      if (control<QTimer>("tmrPobeda")->isActive()) saveExpected = false; // the hero got out
      break;
    case 8:
      tick("tmrTimer");
      tick("tmrPobeda");
      break;
    case 9: window->resize(pick(100, 900), pick(60, 700)); break;
    case 10:
      for (const char* name : {"HScroll1", "VScroll1"}) {
        auto* bar = control<QScrollBar>(name);
        if (!bar->isHidden()) bar->setValue(pick(0, bar->maximum()));
      }
      break;
    case 11: menuItem(("MenuSel_" + std::to_string(pick(0, 2))).c_str())->trigger(); break;
    case 12:
      if (pick(0, 5) == 0) newGame();
      break;
    case 13:
      if (menuItem("MenuSave")->isEnabled()) {
        fileDialogs.saveAnswers.push_back(appFolder + "m" + std::to_string(pick(0, 3)));
        messages.answers.push_back(pick(0, 1) == 0 ? MessageAnswer::Yes : MessageAnswer::No);
        menuItem(pick(0, 1) == 0 ? "MenuSave" : "MenuSaveAs")->trigger();
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
        menuItem("MenuOpen")->trigger();
        fileDialogs.openAnswers.clear();
        if (messages.shown.size() == messagesBefore) { // opened: a new game begins
          ++seen.opens;
          endWindowsThisGame = 0;
        }
      }
      break;
    case 16:
    case 17:
    case 18: walkKey(); break;
    case 19:
    case 20:
    case 21: gameMenuEvent(); break;
    }
  }

  // Around every event: a paused clock does not move, and only unhelped games of mazes made from
  // a seed enter the best times.
  struct Before {
    bool paused, mayRecord;
    std::int32_t secondsLeft;
    std::string bestTimes;
  };
  Before before() const {
    return {session().paused(), !session().helped() && session().mazeCode().has_value(),
            session().timedGame().secondsLeft, testing::readBytes(userData + bestTimesFileName)};
  }
  void checkAround(const Before& was) {
    ASSERT_TRUE(!(was.paused && session().paused()) || session().timedGame().secondsLeft == was.secondsLeft);
    ASSERT_TRUE(!session().paused() || (!control<QTimer>("tmrTimer")->isActive() && control("PausePanel")->isVisible()));
    if (testing::readBytes(userData + bestTimesFileName) == was.bestTimes) return;
    ASSERT_TRUE(was.mayRecord) << "a helped game or a maze from a file entered the best times";
    ++seen.bestTimes;
  }

  void checkInvariants(int step) {
    SCOPED_TRACE("event " + std::to_string(step));
    ASSERT_GE(session().timedGame().secondsLeft, 0);
    ASSERT_LE(endWindowsThisGame, 1);
    ASSERT_EQ(menuItem("MenuSave")->isEnabled(), saveExpected);
    ASSERT_EQ(menuItem("MenuSaveAs")->isEnabled(), saveExpected);
    if (!session().mazeShown()) return;
    const Maze& m = maze();
    ASSERT_GE(m.heroCol, 0);
    ASSERT_GE(m.heroRow, 0);
    ASSERT_LT(m.heroCol, m.roomsAcross);
    ASSERT_LT(m.heroRow, m.roomsDown);
    ASSERT_NE(m.cell(2 * m.heroCol + 1, 2 * m.heroRow + 1), cellWall);
    if (!control<QTimer>("tmrStep")->isActive() && !session().paused()) { // a pause may stop a walk midway
      const FieldGeometry& g = session().view().geometry;
      const QPoint rest(g.wallSize + maze().heroCol * g.cellStep, g.wallSize + maze().heroRow * g.cellStep);
      ASSERT_EQ(control("picGeroy")->pos() + control<FieldWidget>("picPole")->origin(), rest);
    }
  }

  struct Seen {
    int games = 0, walks = 0, endWindows = 0, saves = 0, opens = 0, restarts = 0, pauses = 0, bestTimes = 0;
  } seen;
  std::mt19937 random{20261209};
  int endWindowsThisGame = 0;
  bool saveExpected = false;
  bool newGameAsked = false;
};

TEST_F(Monkey, TwentyThousandEventsKeepTheGameSound) {
  newGame();
  for (int step = 0; step < 20000; ++step) {
    const Before was = before();
    event();
    ASSERT_NO_FATAL_FAILURE(checkInvariants(step));
    ASSERT_NO_FATAL_FAILURE(checkAround(was)) << "event " << step;
  }
  // The monkey really played.
  EXPECT_GT(seen.games, 50);
  EXPECT_GT(seen.walks, 500);
  EXPECT_GT(seen.endWindows, 5);
  EXPECT_GT(seen.saves, 20);
  EXPECT_GT(seen.opens, 5);
  EXPECT_GT(seen.restarts, 5);
  EXPECT_GT(seen.pauses, 5);
  EXPECT_GT(seen.bestTimes, 0);
}

} // namespace
} // namespace kvarnel
