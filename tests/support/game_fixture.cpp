// A main window over a temporary program folder, with fake services.
#include "support/game_fixture.h"

#include "game/files/start_up.h"

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
  ASSERT_TRUE(userFolder.isValid());
  restart();
}

void GameFixture::restart() {
  window.reset();
  GameFolders folders = programFolders(folder.path().toStdString());
  folders.userData = userData = appFolderOf(userFolder.path().toStdString());
  appFolder = folders.data;
  window = std::make_unique<MainWindow>(folders, readStartupOptions(folders), services, modals);
  window->show();
}

void GameFixture::TearDown() { window.reset(); }

void GameFixture::setPictures(int heroSize, int wallSize, int doorSize) {
  GamePictures pictures;
  pictures[PictureKind::Hero] = Picture{solidPicture(heroSize, heroSize, Qt::blue), "hero.png"};
  pictures[PictureKind::Wall] = Picture{solidPicture(wallSize, wallSize, Qt::black), "wall.png"};
  pictures[PictureKind::Door] = Picture{solidPicture(doorSize, doorSize, Qt::red), "door.png"};
  window->usePictures(pictures);
}

void GameFixture::putStandardPictures() {
  putPicture(appFolder, "Герои", "hero.png", 32, 32, Qt::blue);
  putPicture(appFolder, "Стенки", "wall.png", 16, 16, Qt::black);
  putPicture(appFolder, "Двери", "door.png", 32, 32, Qt::red);
}

void GameFixture::newMaze(int width, int height) {
  window->startNewMaze({width, height, std::nullopt});
  ASSERT_EQ(maze().roomsAcross, width);
}

} // namespace kvarnel::testing
