// A main window over a temporary program folder, with fake services.
#include "support/game_fixture.h"

#include "play/start_up.h"

#include <QDir>
#include <QImage>

namespace kvarnel::testing {

QPixmap solidPicture(int width, int height, const QColor& colour) {
  QPixmap p(width, height);
  p.fill(colour);
  return p;
}

void putPicture(const std::string& appFolder, const char* folder, const char* name, int width,
                int height, const QColor& colour) {
  const QString dir = QString::fromStdString(appFolder) + QString::fromUtf8(folder);
  QDir().mkpath(dir);
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  image.save(dir + QStringLiteral("/") + QString::fromUtf8(name), "PNG");
}

void GameFixture::SetUp() {
  ASSERT_TRUE(folder.isValid());
  restart();
}

void GameFixture::restart() {
  window.reset();
  loadStartupSettings(state, folder.path().toStdString());
  appFolder = state.settings.appFolder;
  window = std::make_unique<frmForma>(state, services, modals);
  window->show();
}

void GameFixture::TearDown() { window.reset(); }

void GameFixture::setPictures(int heroSize, int wallSize, int doorSize) {
  window->picGeroy1->setPixmap(solidPicture(heroSize, heroSize, Qt::blue));
  window->picStenka->setPixmap(solidPicture(wallSize, wallSize, Qt::black));
  window->picStenka->resize(wallSize, wallSize);
  window->picDveri->setPixmap(solidPicture(doorSize, doorSize, Qt::red));
  window->picDveri->resize(doorSize, doorSize);
}

void GameFixture::putStandardPictures() {
  putPicture(appFolder, "Герои", "hero.png", 32, 32, Qt::blue);
  putPicture(appFolder, "Стенки", "wall.png", 16, 16, Qt::black);
  putPicture(appFolder, "Двери", "door.png", 32, 32, Qt::red);
}

void GameFixture::newMaze(int width, int height) {
  state.maze.mazeWidth = width;
  state.maze.mazeHeight = height;
  ASSERT_TRUE(window->SqrOutputMaze());
}

} // namespace kvarnel::testing
