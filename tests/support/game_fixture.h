// A main window over a temporary program folder, with fake services, for widget tests.
#pragma once

#include "front/window/main_window.h"
#include "support/fake_modal_runner.h"
#include "support/fake_platform.h"
#include "support/mazes.h"

#include <QAction>
#include <QColor>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace kvarnel::testing {

// A square picture of one colour.
QPixmap solidPicture(int width, int height, const QColor& colour);

// Writes a PNG of the given size into a picture folder of the program folder.
void putPicture(const std::string& appFolder, const char* folder, const char* name, int width,
                int height, const QColor& colour = Qt::darkGray);

// The widget, timer or action of that object name under root; fails the test when there is none.
template <class T> T* control(const QObject* root, const char* name) {
  T* found = root->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

// One timeout of the timer, as if its interval had passed.
inline void fire(QTimer& timer) { QMetaObject::invokeMethod(&timer, "timeout", Qt::DirectConnection); }

class GameFixture : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the game afresh over the same program folder, as the next run would: the main
  // window is made anew and Options.ini is read again.
  void restart();
  // Solid pictures of these sides for the hero (blue), the wall (black) and the door (red).
  void setPictures(int heroSize, int wallSize, int doorSize);
  // hero.png (32), wall.png (16) and door.png (32) in the picture folders.
  void putStandardPictures();
  // A new untimed maze of the given size, seeded from the fake clock.
  void newMaze(int width, int height);
  // Puts a hand-built maze into play as an opened file would.
  void play(const Maze& maze, const std::string& path = "") { window->playOpenedMaze(maze, path); }

  // One timeout of the named timer; the step timer until the walk has ended (its ticks).
  void tick(const char* name) { fire(*control<QTimer>(name)); }
  int finishWalk();
  // A press and release at `at` of the field, in field pixels.
  void clickField(QPoint at);
  // A key pressed while the window has the keyboard, whichever of its widgets has the focus.
  void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // Walks from room (0, 0) of a new 2 x 2 maze into the room before the exit, by a click.
  void walkNextToTheExit();
  // Where the hero's box stands at rest in room (col, row) with 16-pixel walls.
  static QPoint restOf(int col, int row) { return {16 + 48 * col, 16 + 48 * row}; }

  template <class T = QWidget> T* control(const char* name) const { return testing::control<T>(window.get(), name); }
  QAction* menuItem(const char* name) const { return control<QAction>(name); }
  const GameSession& session() const { return window->session(); }
  const Maze& maze() const { return window->session().maze(); }

  QTemporaryDir folder;
  std::string appFolder; // ends in "/"
  QTemporaryDir userFolder;
  std::string userData; // the player's data folder, apart from the program folder; ends in "/"
  FakeMessageBoxes messages;
  FakeFileDialogs fileDialogs;
  FakeDocumentOpener documents;
  FakeClock clock;
  Services services{messages, fileDialogs, documents, clock};
  FakeModalRunner modals;
  std::unique_ptr<MainWindow> window;
};

} // namespace kvarnel::testing
