// A main window over a temporary program folder, with fake services.
#include "support/game_fixture.h"

#include "game/files/game_folders.h"
#include "game/files/options_file_format.h"
#include "front/field/field_widget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

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
  window = std::make_unique<MainWindow>(folders, readGameOptions(folders), services, modals);
  window->show();
}

void GameFixture::TearDown() { window.reset(); }

void GameFixture::setPictures(int heroSize, int wallSize, int doorSize) {
  GamePictures pictures;
  pictures[PictureKind::Hero] = solidPicture(heroSize, heroSize, Qt::blue);
  pictures[PictureKind::Wall] = solidPicture(wallSize, wallSize, Qt::black);
  pictures[PictureKind::Door] = solidPicture(doorSize, doorSize, Qt::red);
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

int GameFixture::finishWalk() {
  int ticks = 0;
  for (; control<QTimer>("tmrStep")->isActive() && ticks < 10000; ++ticks) tick("tmrStep");
  return ticks;
}

void GameFixture::clickField(QPoint at) {
  QWidget* field = control("picPole");
  const QPoint shown = at - control<FieldWidget>("picPole")->origin();
  QTest::mousePress(field, Qt::LeftButton, {}, shown);
  QTest::mouseRelease(field, Qt::LeftButton, {}, shown);
}

void GameFixture::key(int key, Qt::KeyboardModifiers modifiers) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(window.get(), &press);
}

void GameFixture::walkNextToTheExit() {
  const Room next = roomBeforeTheExit(maze());
  clickField(restOf(next.col, next.row) + QPoint(5, 5));
  finishWalk();
}

} // namespace kvarnel::testing
