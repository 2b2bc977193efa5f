// The main window: its first state, start-up and shut-down, drawing, layout and scrolling.
#include "files/options_file_format.h"
#include "play/start_up.h"
#include "support/game_fixture.h"
#include "view/field_widget.h"
#include "view/picture_box.h"

#include <QAction>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>

#include <fstream>

namespace kvarnel {
namespace {

using testing::GameFixture;

class MainWindow : public GameFixture {};

QColor pixelOf(QWidget* widget, int x, int y) { return widget->grab().toImage().pixelColor(x, y); }

TEST_F(MainWindow, ComesUpAsDesigned) {
  frmForma& w = *window;
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Кварнель"));
  EXPECT_EQ(w.client->size(), QSize(632, 409));
  EXPECT_FALSE(w.picPole->isEnabled());
  EXPECT_TRUE(w.picPole->isVisible());
  EXPECT_FALSE(w.picTime->isVisible());
  EXPECT_FALSE(w.picGeroy->isVisible());
  EXPECT_FALSE(w.MenuSave->isEnabled());
  EXPECT_FALSE(w.MenuSaveAs->isEnabled());
  for (QAction* a : {w.MenuNew, w.MenuSel[0], w.MenuSel[1], w.MenuSel[2], w.MenuOpen, w.MenuExit,
                     w.HelpCallHelp, w.HelpAbout})
    EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
  for (QTimer* t : {w.tmrStep, w.tmrTimer, w.tmrPobeda}) EXPECT_FALSE(t->isActive());
  EXPECT_EQ(w.tmrStep->interval(), 50);
  EXPECT_EQ(w.tmrTimer->interval(), 1000);
  EXPECT_EQ(w.tmrPobeda->interval(), 1000);
  // The title picture stands centred: (632 - 300) / 2.
  EXPECT_EQ(w.picPole->x(), 166);
  EXPECT_EQ(w.picVostrel->pixmap().size(), QSize(300, 400));
  EXPECT_EQ(pixelOf(w.picPole, 2, 2), QColor(Qt::white));
  // Menu captions and shortcuts.
  const struct {
    QAction* action;
    const char* text;
    QKeySequence key;
  } items[] = {{w.MenuNew, "Новая игра", QKeySequence(Qt::Key_F4)},
               {w.MenuSel[0], "Выбор героя", {}},
               {w.MenuSel[1], "Выбор стенки", {}},
               {w.MenuSel[2], "Выбор двери", {}},
               {w.MenuOpen, "Открыть", QKeySequence(Qt::CTRL | Qt::Key_O)},
               {w.MenuSave, "Сохранить", QKeySequence(Qt::CTRL | Qt::Key_S)},
               {w.MenuSaveAs, "Сохранить как...", {}},
               {w.MenuExit, "Выход", {}},
               {w.HelpCallHelp, "Вызов справки", QKeySequence(Qt::Key_F1)},
               {w.HelpAbout, "О программе", {}}};
  for (const auto& item : items) {
    EXPECT_EQ(item.action->text(), QString::fromUtf8(item.text));
    EXPECT_EQ(item.action->shortcut(), item.key) << item.text;
  }
  EXPECT_EQ(w.Menu->title(), QStringLiteral("Меню"));
  EXPECT_EQ(w.Help->title(), QStringLiteral("Справка"));
  EXPECT_EQ(w.Menu->actions().size(), 10); // with the two separators
}

TEST_F(MainWindow, DrawMazeBeforeAnyMazeChangesNothing) {
  window->DrawMaze();
  EXPECT_EQ(state.maze.mazeShown, 0);
  EXPECT_FALSE(window->picPole->isEnabled());
}

TEST_F(MainWindow, SixteenPixelWallsAndThe32PixelHero) {
  setPictures(32, 16, 32);
  newMaze(4, 4);
  frmForma& w = *window;
  EXPECT_EQ(state.maze.cellStep, 48);
  EXPECT_EQ(state.maze.halfStep, 24);
  EXPECT_EQ(w.picPole->size(), QSize(208, 208));
  EXPECT_EQ(w.picPole->pos(), QPoint(0, 0));
  EXPECT_TRUE(w.picPole->isEnabled());
  EXPECT_EQ(w.picGeroy->geometry(), QRect(16, 16, 32, 32));
  EXPECT_EQ(state.maze.mazeShown, 1);
  const QImage field = w.picPole->grab().toImage();
  EXPECT_EQ(field.pixelColor(0, 0), QColor(Qt::black));     // the outer wall
  EXPECT_EQ(field.pixelColor(207, 207), QColor(Qt::black));
  EXPECT_EQ(field.pixelColor(170, 170), QColor(Qt::red));   // the door at (160, 160)
  state.maze.heroCol = 1;
  state.maze.heroRow = 2;
  w.DrawMaze();
  EXPECT_EQ(w.picGeroy->pos(), QPoint(64, 112));
  EXPECT_FALSE(w.tmrTimer->isActive());
}

TEST_F(MainWindow, WideWallsCentreTheHeroInItsBox) {
  setPictures(32, 64, 32);
  newMaze(3, 3);
  EXPECT_EQ(state.maze.heroSize, 64);
  EXPECT_EQ(state.maze.cellStep, 128);
  EXPECT_EQ(window->picGeroy->size(), QSize(64, 64));
  const QImage box = window->picGeroy->grab().toImage();
  EXPECT_EQ(box.pixelColor(8, 8), QColor(Qt::white));
  EXPECT_EQ(box.pixelColor(20, 20), QColor(Qt::blue));
  EXPECT_EQ(box.pixelColor(50, 50), QColor(Qt::white));
}

TEST_F(MainWindow, TwentyFourPixelWallsLineUpWithTheDoor) {
  setPictures(32, 24, 32);
  newMaze(10, 10);
  EXPECT_EQ(state.maze.cellStep, 56);
  EXPECT_EQ(window->picPole->size(), QSize(584, 584));
  const QImage field = window->picPole->grab().toImage();
  EXPECT_EQ(field.pixelColor(24 + 9 * 56 + 16, 24 + 9 * 56 + 16), QColor(Qt::red));
  EXPECT_EQ(field.pixelColor(583, 583), QColor(Qt::black));
}

TEST_F(MainWindow, TimedGameStartsTheClockAndShowsTheTimeBar) {
  setPictures(32, 16, 32);
  state.settings.timedGame = 1;
  state.settings.limitSeconds = 10;
  newMaze(4, 4);
  frmForma& w = *window;
  EXPECT_TRUE(w.tmrTimer->isActive());
  EXPECT_TRUE(w.picTime->isVisible());
  EXPECT_EQ(w.picTime->geometry(), QRect(0, 0, 632, 19));
  EXPECT_EQ(w.picControl->geometry(), QRect(0, 23, 632, 386));
  EXPECT_EQ(state.settings.viewWidth, 628);
  EXPECT_FLOAT_EQ(state.settings.barPerSecond, 62.8f);
}

TEST_F(MainWindow, ScrollBarsFollowTheFieldSize) {
  setPictures(32, 16, 32);
  newMaze(20, 4); // 20 * 48 + 16 = 976 wide, 208 high
  frmForma& w = *window;
  EXPECT_TRUE(w.HScroll1->isVisible());
  EXPECT_FALSE(w.VScroll1->isVisible());
  EXPECT_EQ(w.HScroll1->width(), 632);
  EXPECT_EQ(w.HScroll1->maximum(), 976 - 632);
  EXPECT_EQ(w.HScroll1->pageStep(), 632);
  EXPECT_EQ(w.HScroll1->singleStep(), 316);
  EXPECT_EQ(w.HScroll1->y(), 409 - 17);
  w.HScroll1->setValue(120);
  EXPECT_EQ(w.picPole->x(), -120);
  w.resize(w.width() + 10, w.height()); // every layout pass scrolls back to the corner
  EXPECT_EQ(w.HScroll1->value(), 0);
  EXPECT_EQ(w.picPole->x(), 0);
}

TEST_F(MainWindow, LargestMazeWithTheLargestWallOpensAndScrollsToItsFarCorner) {
  setPictures(32, 600, 600);
  newMaze(181, 181);
  frmForma& w = *window;
  const int side = 181 * 1200 + 600;
  EXPECT_EQ(w.picPole->size(), QSize(side, side));
  EXPECT_TRUE(w.HScroll1->isVisible());
  EXPECT_TRUE(w.VScroll1->isVisible());
  EXPECT_TRUE(w.PctrUgol->isVisible());
  w.HScroll1->setValue(w.HScroll1->maximum());
  w.VScroll1->setValue(w.VScroll1->maximum());
  EXPECT_EQ(w.picPole->x(), -w.HScroll1->maximum());
  EXPECT_EQ(w.picPole->x() + side, w.HScroll1->width());
  // The far corner is the outer wall; the door stands in the room before it.
  const QRect viewRect(0, 0, w.HScroll1->width(), w.VScroll1->height());
  QImage view = w.picControl->grab(viewRect).toImage();
  EXPECT_EQ(view.pixelColor(view.width() - 1, view.height() - 1), QColor(Qt::black));
  const int door = 600 + 180 * 1200;
  w.HScroll1->setValue(door - 10);
  w.VScroll1->setValue(door - 10);
  view = w.picControl->grab(viewRect).toImage();
  EXPECT_EQ(view.pixelColor(20, 20), QColor(Qt::red));
}

TEST_F(MainWindow, TinyWindowsClampTheViewport) {
  setPictures(32, 16, 32);
  state.settings.timedGame = 1;
  state.settings.limitMinutes = 1;
  newMaze(4, 4);
  window->client->resize(300, 10);
  window->Form_Resize();
  EXPECT_EQ(window->picControl->height(), 0);
  EXPECT_EQ(state.settings.viewHeight, 0);
}

TEST(StartUp, ProgramFolderAndOptions) {
  EXPECT_EQ(appFolderOf("/opt/kvarnel"), "/opt/kvarnel/");
  EXPECT_EQ(appFolderOf("/opt/kvarnel/"), "/opt/kvarnel/");
  EXPECT_EQ(appFolderOf("C:\\"), "C:\\");
  EXPECT_EQ(appFolderOf("C:\\Игры"), "C:\\Игры\\");

  QTemporaryDir dir;
  GameState state;
  loadStartupSettings(state, dir.path().toStdString());
  EXPECT_EQ(state.maze.mazeWidth, 4);
  EXPECT_EQ(state.maze.mazeHeight, 4);
  EXPECT_EQ(state.settings.heroPicture, "");
  EXPECT_EQ(state.settings.timedGame, 0);
  EXPECT_EQ(state.settings.dialogFolder, state.settings.appFolder);
}

TEST_F(MainWindow, ClosingWritesTheOptions) {
  state.maze.mazeWidth = 7;
  state.settings.heroPicture = "Рыцарь, новый.png";
  state.settings.timedGame = 1;
  state.settings.limitSeconds = 30;
  window->close();
  Options back;
  readOptionsFile(appFolder + "Options.ini", back);
  EXPECT_EQ(back.mazeWidth, 7);
  EXPECT_EQ(back.heroPicture, "Рыцарь, новый.png");
  EXPECT_EQ(back.timedGame, 1);
  EXPECT_EQ(back.limitSeconds, 30);
  GameState next;
  loadStartupSettings(next, appFolder);
  EXPECT_EQ(next.maze.mazeWidth, 7);
  EXPECT_EQ(next.settings.heroPicture, "Рыцарь, новый.png");
}

} // namespace
} // namespace kvarnel
