// The main window: its first state, start-up and shut-down, drawing, layout and scrolling.
#include "game/files/maze_file_format.h"
#include "game/files/options_file_format.h"
#include "game/files/game_folders.h"
#include "support/game_fixture.h"
#include "front/field/field_widget.h"
#include "front/field/picture_box.h"
#include "front/pictures/embedded_pictures.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <fstream>

namespace kvarnel {
namespace {

using testing::GameFixture;

class MainWindowTest : public GameFixture {
protected:
  QWidget* field() const { return control("picPole"); }
  QLabel* heroBox() const { return control<QLabel>("picGeroy"); }
  QScrollBar* bar(const char* name) const { return control<QScrollBar>(name); }
  QTimer* timer(const char* name) const { return control<QTimer>(name); }
  void startTimed(int minutes, int seconds, int width, int height) {
    window->startNewMaze({width, height, TimeLimit{minutes, seconds}});
  }
  // The field's scroll position.
  QPoint origin() const { return control<FieldWidget>("picPole")->origin(); }
  // The field's pixel at (x, y), scrolled into view.
  QColor fieldPixel(int x, int y) const {
    for (auto [name, at] : {std::pair{"HScroll1", x}, std::pair{"VScroll1", y}}) {
      QScrollBar* b = bar(name);
      if (!b->isHidden()) b->setValue(std::min(at, b->maximum()));
    }
    return field()->grab().toImage().pixelColor(QPoint(x, y) - origin());
  }
};

QColor pixelOf(QWidget* widget, int x, int y) { return widget->grab().toImage().pixelColor(x, y); }

TEST_F(MainWindowTest, ComesUpAsDesigned) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Кварнель"));
  EXPECT_EQ(window->windowIcon().pixmap(32).toImage(), gameIcon().pixmap(32).toImage());
  EXPECT_EQ(control("client")->size(), QSize(632, 409));
  EXPECT_FALSE(field()->isEnabled());
  EXPECT_TRUE(field()->isVisible());
  EXPECT_FALSE(control("picTime")->isVisible());
  EXPECT_FALSE(heroBox()->isVisible());
  EXPECT_FALSE(menuItem("MenuSave")->isEnabled());
  EXPECT_FALSE(menuItem("MenuSaveAs")->isEnabled());
  for (const char* name : {"MenuNew", "MenuSel_0", "MenuSel_1", "MenuSel_2", "MenuOpen", "MenuExit",
                           "HelpCallHelp", "HelpAbout"})
    EXPECT_TRUE(menuItem(name)->isEnabled()) << name;
  for (const char* name : {"tmrStep", "tmrTimer", "tmrPobeda"}) EXPECT_FALSE(timer(name)->isActive());
  EXPECT_EQ(timer("tmrStep")->interval(), 50);
  EXPECT_EQ(timer("tmrTimer")->interval(), 1000);
  EXPECT_EQ(timer("tmrPobeda")->interval(), 1000);
  // The title picture stands centred: (632 - 300) / 2.
  EXPECT_EQ(field()->geometry(), QRect(166, 0, 300, 400));
  EXPECT_EQ(pixelOf(field(), 2, 2), QColor(Qt::white));
  // Menu captions and shortcuts.
  const struct {
    const char* name;
    const char* text;
    QKeySequence key;
  } items[] = {{"MenuNew", "Новая игра", QKeySequence(Qt::Key_F4)},
               {"MenuSel_0", "Выбор героя", {}},
               {"MenuSel_1", "Выбор стенки", {}},
               {"MenuSel_2", "Выбор двери", {}},
               {"MenuOpen", "Открыть", QKeySequence(Qt::CTRL | Qt::Key_O)},
               {"MenuSave", "Сохранить", QKeySequence(Qt::CTRL | Qt::Key_S)},
               {"MenuSaveAs", "Сохранить как...", {}},
               {"MenuExit", "Выход", {}},
               {"HelpCallHelp", "Вызов справки", QKeySequence(Qt::Key_F1)},
               {"HelpAbout", "О программе", {}}};
  for (const auto& item : items) {
    EXPECT_EQ(menuItem(item.name)->text(), QString::fromUtf8(item.text));
    EXPECT_EQ(menuItem(item.name)->shortcut(), item.key) << item.text;
  }
  EXPECT_EQ(control<QMenu>("Menu")->title(), QStringLiteral("Меню"));
  EXPECT_EQ(control<QMenu>("Help")->title(), QStringLiteral("Справка"));
  EXPECT_EQ(control<QMenu>("Menu")->actions().size(), 10); // with the two separators
}

TEST_F(MainWindowTest, PicturesBeforeAnyMazeDrawNothing) {
  setPictures(32, 16, 32);
  EXPECT_FALSE(session().mazeShown());
  EXPECT_FALSE(field()->isEnabled());
  EXPECT_FALSE(heroBox()->isVisible());
}

TEST_F(MainWindowTest, SixteenPixelWallsAndThe32PixelHero) {
  setPictures(32, 16, 32);
  newMaze(4, 4);
  // Every maze shown is laid out: the view's extents are the viewport's inside, both ways.
  EXPECT_EQ(session().view().viewWidth, 628);
  EXPECT_EQ(session().view().viewHeight, 405);
  EXPECT_EQ(session().view().geometry.cellStep, 48);
  EXPECT_EQ(session().view().geometry.halfStep, 24);
  EXPECT_EQ(field()->size(), QSize(208, 208));
  EXPECT_EQ(field()->pos(), QPoint(0, 0));
  EXPECT_TRUE(field()->isEnabled());
  EXPECT_EQ(heroBox()->geometry(), QRect(16, 16, 32, 32));
  EXPECT_TRUE(session().mazeShown());
  const QImage picture = field()->grab().toImage();
  EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::black)); // the outer wall
  EXPECT_EQ(picture.pixelColor(207, 207), QColor(Qt::black));
  EXPECT_EQ(picture.pixelColor(170, 170), QColor(Qt::red)); // the door at (160, 160)
  window->playOpenedMaze(testing::withHeroAt(maze(), 1, 2), "");
  EXPECT_EQ(heroBox()->pos(), QPoint(64, 112));
  EXPECT_FALSE(timer("tmrTimer")->isActive());
}

TEST_F(MainWindowTest, WideWallsCentreTheHeroInItsBox) {
  setPictures(32, 64, 32);
  newMaze(3, 3);
  EXPECT_EQ(session().view().geometry.heroSize, 64);
  EXPECT_EQ(session().view().geometry.cellStep, 128);
  EXPECT_EQ(heroBox()->size(), QSize(64, 64));
  const QImage box = heroBox()->grab().toImage();
  EXPECT_EQ(box.pixelColor(8, 8), QColor(Qt::white));
  EXPECT_EQ(box.pixelColor(20, 20), QColor(Qt::blue));
  EXPECT_EQ(box.pixelColor(50, 50), QColor(Qt::white));
}

TEST_F(MainWindowTest, TwentyFourPixelWallsLineUpWithTheDoor) {
  setPictures(32, 24, 32);
  newMaze(10, 10);
  EXPECT_EQ(session().view().geometry.cellStep, 56);
  EXPECT_EQ(fieldPixel(24 + 9 * 56 + 16, 24 + 9 * 56 + 16), QColor(Qt::red));
  EXPECT_EQ(fieldPixel(583, 583), QColor(Qt::black));
}

TEST_F(MainWindowTest, TimedGameStartsTheClockAndShowsTheTimeBar) {
  setPictures(32, 16, 32);
  startTimed(0, 10, 4, 4);
  EXPECT_TRUE(timer("tmrTimer")->isActive());
  EXPECT_TRUE(control("picTime")->isVisible());
  EXPECT_EQ(control("picTime")->geometry(), QRect(0, 0, 632, 19));
  EXPECT_EQ(control("picControl")->geometry(), QRect(0, 23, 632, 386));
  EXPECT_EQ(session().view().viewWidth, 628);
  EXPECT_FLOAT_EQ(session().timedGame().barPerSecond, 62.8f);
}

TEST_F(MainWindowTest, ScrollBarsFollowTheFieldSize) {
  setPictures(32, 16, 32);
  newMaze(20, 4); // 20 * 48 + 16 = 976 wide, 208 high
  QScrollBar* across = bar("HScroll1");
  EXPECT_TRUE(across->isVisible());
  EXPECT_FALSE(bar("VScroll1")->isVisible());
  // Inside the viewport's 2-pixel frame: 632 - 4 wide, 409 - 4 high.
  EXPECT_EQ(across->width(), 628);
  EXPECT_EQ(across->maximum(), 976 - 628);
  EXPECT_EQ(across->pageStep(), 628);
  EXPECT_EQ(across->singleStep(), 314);
  EXPECT_EQ(across->y(), 405 - 17);
  EXPECT_EQ(field()->size(), QSize(628, 208)) << "the field widget is no larger than the view";
  across->setValue(120);
  EXPECT_EQ(origin(), QPoint(120, 0));
  window->resize(window->width() + 10, window->height()); // every layout pass scrolls back to the corner
  EXPECT_EQ(across->value(), 0);
  EXPECT_EQ(origin(), QPoint(0, 0));
}

// Fields far larger than a widget can be (16 777 215 pixels) scroll to their far corner and the
// door: 181 x 181 rooms with a 600-pixel wall, and 16383 x 2 rooms with a 1024-pixel one.
TEST_F(MainWindowTest, TheLargestFieldsScrollToTheirFarCornerAndTheDoor) {
  for (auto [across, down, wall] : {std::tuple{181, 181, 600}, std::tuple{16383, 2, 1024}}) {
    setPictures(32, wall, wall);
    newMaze(across, down);
    const std::int64_t width = std::int64_t{across} * 2 * wall + wall;
    QScrollBar* horizontal = bar("HScroll1");
    QScrollBar* vertical = bar("VScroll1");
    EXPECT_TRUE(horizontal->isVisible());
    EXPECT_EQ(horizontal->maximum() + std::int64_t{horizontal->width()}, width) << across;
    // The far corner is the outer wall; the door stands in the room before it.
    const int bottom = vertical->maximum() + vertical->height() - 1;
    EXPECT_EQ(fieldPixel(static_cast<int>(width - 1), bottom), QColor(Qt::black)) << across;
    const int door = wall + (across - 1) * 2 * wall;
    EXPECT_EQ(fieldPixel(door + 20, wall + (down - 1) * 2 * wall + 20), QColor(Qt::red)) << across;
    // The bars stay on top: no part of the field lies under them.
    for (QWidget* above : {static_cast<QWidget*>(horizontal), static_cast<QWidget*>(vertical), control("PctrUgol")})
      EXPECT_FALSE(field()->geometry().intersects(above->geometry())) << above->objectName().toStdString();
  }
}

TEST_F(MainWindowTest, TinyWindowsClampTheViewport) {
  setPictures(32, 16, 32);
  startTimed(1, 0, 4, 4);
  control("client")->resize(300, 10);
  EXPECT_EQ(control("picControl")->height(), 0);
  EXPECT_EQ(session().view().viewHeight, 0);
}

TEST_F(MainWindowTest, AMazeOpenedBeforeAnyGameIsDrawnWithTheLastRunsPictures) {
  putStandardPictures();
  Options options;
  options.heroPicture = "hero.png";
  options.wallPicture = "wall.png";
  writeGameOptions(programFolders(appFolder), options);
  restart();
  ASSERT_EQ(writeMazeFile(testing::madeMaze(4, 4), appFolder + "m.lbr"), MazeFileResult::Ok);

  // No door was ever chosen: the chooser asks for one, and cancelled it leaves the maze unopened.
  fileDialogs.openAnswers.push_back(appFolder + "m.lbr");
  menuItem("MenuOpen")->trigger();
  EXPECT_EQ(modals.shown, std::vector<std::string>{"frmSelect"});
  EXPECT_FALSE(session().mazeShown());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Кварнель"));

  modals.script = [](QDialog& chooser) { testing::control<QPushButton>(&chooser, "kOK")->click(); };
  fileDialogs.openAnswers.push_back(appFolder + "m.lbr");
  menuItem("MenuOpen")->trigger();
  ASSERT_TRUE(session().mazeShown());
  EXPECT_EQ(window->options().doorPicture, "door.png");
  EXPECT_EQ(fieldPixel(0, 0), QColor(Qt::black)) << "the wall of the last run";
  EXPECT_EQ(fieldPixel(170, 170), QColor(Qt::red)) << "the door just chosen";
  EXPECT_EQ(heroBox()->grab().toImage().pixelColor(16, 16), QColor(Qt::blue)) << "the hero of the last run";
}

TEST_F(MainWindowTest, ClosingWritesTheOptions) {
  Options options;
  options.roomsAcross = 7;
  options.heroPicture = "Рыцарь, новый.png";
  options.timedGame = 1;
  options.limitSeconds = 30;
  writeGameOptions(programFolders(appFolder), options);
  restart();
  EXPECT_EQ(window->files().dialogFolder, appFolder);
  std::remove((appFolder + "Options.ini").c_str());
  window->close();
  const Options back = readGameOptions(programFolders(appFolder));
  EXPECT_EQ(back.roomsAcross, 7);
  EXPECT_EQ(back.heroPicture, "Рыцарь, новый.png");
  EXPECT_EQ(back.timedGame, 1);
  EXPECT_EQ(back.limitSeconds, 30);
}

} // namespace
} // namespace kvarnel
