// A main window over a temporary program folder, with fake services, for widget tests.
#pragma once

#include "play/frm_forma.h"
#include "support/fake_modal_runner.h"
#include "support/fake_platform.h"

#include <QColor>
#include <QPixmap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace kvarnel::testing {

// A square picture of one colour.
QPixmap solidPicture(int width, int height, const QColor& colour);

// Writes a PNG of the given size into a picture folder of the program folder.
void putPicture(const std::string& appFolder, const char* folder, const char* name, int width,
                int height, const QColor& colour = Qt::darkGray);

class GameFixture : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the game afresh over the same program folder, as the next run would: the main
  // window is made anew and Options.ini is read again.
  void restart();
  // Puts pictures into the main window's stores as a new game would.
  void setPictures(int heroSize, int wallSize, int doorSize);
  // hero.png (32), wall.png (16) and door.png (32) in the picture folders.
  void putStandardPictures();
  // A new untimed maze of the given size, seeded from the fake clock.
  void newMaze(int width, int height);

  QTemporaryDir folder;
  std::string appFolder; // ends in "/"
  GameState state;
  FakeMessageBoxes messages;
  FakeFileDialogs fileDialogs;
  FakeDocumentOpener documents;
  FakeClock clock;
  Services services{messages, fileDialogs, documents, clock};
  FakeModalRunner modals;
  std::unique_ptr<frmForma> window;
};

} // namespace kvarnel::testing
