// The new-game dialog, the picture chooser and picture loading, driven through the main window.
#include "game/core/picture_kinds.h"
#include "game/files/options_file_format.h"
#include "support/game_fixture.h"
#include "front/pictures/game_pictures.h"
#include "front/dialogs/new_game_dialog.h"
#include "front/dialogs/picture_chooser.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <filesystem>

namespace kvarnel {
namespace {

using testing::GameFixture;
using testing::putPicture;

// The new-game dialog's controls, as a player finds them.
struct Dialog {
  QDialog& d;
  template <class T = QWidget> T* get(const char* name) const { return testing::control<T>(&d, name); }
  QLineEdit* width() const { return get<QLineEdit>("txtPoleWidth"); }
  QLineEdit* height() const { return get<QLineEdit>("txtPoleHeight"); }
  QCheckBox* timed() const { return get<QCheckBox>("chTime"); }
  QComboBox* minutes() const { return get<QComboBox>("txtMin"); }
  QComboBox* seconds() const { return get<QComboBox>("txtSec"); }
  QPushButton* start() const { return get<QPushButton>("kOK"); }
  QPushButton* cancel() const { return get<QPushButton>("kNO"); }
  QLabel* preview(const char* name) const { return get<QLabel>(name); }
};

// The picture chooser's.
struct Chooser {
  QDialog& d;
  QListWidget* files() const { return testing::control<QListWidget>(&d, "File1"); }
  QPushButton* choose() const { return testing::control<QPushButton>(&d, "kOK"); }
  QScrollBar* bar(const char* name) const { return testing::control<QScrollBar>(&d, name); }
  QWidget* get(const char* name) const { return testing::control<QWidget>(&d, name); }
  void select(const char* file) const {
    const auto found = files()->findItems(QString::fromUtf8(file), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << file;
    files()->setCurrentItem(found[0]);
  }
};

class NewGame : public GameFixture {
protected:
  void SetUp() override {
    GameFixture::SetUp();
    putStandardPictures();
  }
  // The standard pictures chosen in an earlier run.
  void choosePictures(bool hero = true, bool wall = true, bool door = true) {
    Options options;
    if (hero) options.heroPicture = "hero.png";
    if (wall) options.wallPicture = "wall.png";
    if (door) options.doorPicture = "door.png";
    writeGameOptions(programFolders(appFolder), options);
    restart();
  }
  // Opens "Новая игра" and lets `player` act on the dialog.
  void newGameDialog(const std::function<void(const Dialog&)>& player) {
    modals.script = [&](QDialog& dialog) {
      if (qobject_cast<NewGameDialog*>(&dialog) != nullptr) player(Dialog{dialog});
    };
    menuItem("MenuNew")->trigger();
    modals.script = nullptr;
  }
  // Opens the chooser of the kind from the menu and lets `player` act on it.
  void chooseFromMenu(int kind, const std::function<void(const Chooser&)>& player) {
    modals.script = [&](QDialog& dialog) { player(Chooser{dialog}); };
    menuItem(("MenuSel_" + std::to_string(kind)).c_str())->trigger();
    modals.script = nullptr;
  }
  std::vector<std::string> messageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages.shown) texts.push_back(m.text);
    return texts;
  }
};

TEST_F(NewGame, FirstOpeningShowsTheDefaults) {
  newGameDialog([](const Dialog& d) {
    EXPECT_EQ(d.d.windowTitle(), QStringLiteral("Новая игра"));
    EXPECT_EQ(d.d.size(), QSize(431, 382));
    EXPECT_EQ(d.width()->text(), QStringLiteral("4"));
    EXPECT_EQ(d.height()->text(), QStringLiteral("4"));
    EXPECT_FALSE(d.timed()->isChecked());
    EXPECT_FALSE(d.minutes()->isEnabled());
    EXPECT_FALSE(d.seconds()->isEnabled());
    EXPECT_EQ(d.minutes()->currentText(), QStringLiteral("0"));
    EXPECT_EQ(d.seconds()->currentText(), QStringLiteral("0"));
    EXPECT_EQ(d.minutes()->count(), 5);
    EXPECT_EQ(d.seconds()->itemText(4), QStringLiteral("50"));
    EXPECT_FALSE(d.start()->isDefault());
    EXPECT_FALSE(d.preview("picGeroy")->isEnabled());
    // Checking the box enables the time fields, unchecking keeps their text.
    d.timed()->click();
    EXPECT_TRUE(d.minutes()->isEnabled());
    d.minutes()->setEditText(QStringLiteral("3"));
    d.timed()->click();
    EXPECT_FALSE(d.seconds()->isEnabled());
    EXPECT_EQ(d.minutes()->currentText(), QStringLiteral("3"));
  });
  EXPECT_EQ(modals.shown, std::vector<std::string>{"frmNew"});
}

TEST_F(NewGame, FieldsTakeOnlyDigits) {
  newGameDialog([](const Dialog& d) {
    d.width()->clear();
    QTest::keyClicks(d.width(), QStringLiteral("1a-.2 3"));
    QTest::keyClick(d.width(), Qt::Key_Return);
    EXPECT_EQ(d.width()->text(), QStringLiteral("123"));
    QTest::keyClick(d.width(), Qt::Key_Backspace);
    EXPECT_EQ(d.width()->text(), QStringLiteral("12"));
    d.timed()->click();
    d.seconds()->lineEdit()->clear();
    QTest::keyClicks(d.seconds()->lineEdit(), QStringLiteral("x4y5"));
    EXPECT_EQ(d.seconds()->currentText(), QStringLiteral("45"));
    // Typed into the lists as a player does: no key slips past the filter, nothing completes.
    for (QComboBox* entry : {d.minutes(), d.seconds()}) {
      entry->setFocus();
      entry->clearEditText();
      QTest::keyClicks(entry, QStringLiteral("x3"));
      EXPECT_EQ(entry->currentText(), QStringLiteral("3")) << entry->objectName().toStdString();
      QTest::keyClick(entry, Qt::Key_Return);
      EXPECT_EQ(entry->currentText(), QStringLiteral("3")) << entry->objectName().toStdString();
    }
  });
}

TEST_F(NewGame, TimeChecksComeFirstAndKeepTheDialogOpen) {
  choosePictures();
  newGameDialog([&](const Dialog& d) {
    d.timed()->click();
    auto start = [&](const char* minutes, const char* seconds) {
      d.minutes()->setEditText(QString::fromLatin1(minutes));
      d.seconds()->setEditText(QString::fromLatin1(seconds));
      d.start()->click();
    };
    start("0", "0");
    start("", "");
    start("60", "0");
    start("0", "60");
    start("99999999999", "0"); // pasted beyond 32 bits
    d.width()->setText(QStringLiteral("16384"));
    start("1", "0");
    d.width()->setText(QStringLiteral("182"));
    d.height()->setText(QStringLiteral("181"));
    d.start()->click();
    d.width()->setText(QStringLiteral("4294967298"));
    d.start()->click();
    EXPECT_TRUE(d.d.isVisible());
  });
  const std::string noTime = noTimeMessage;
  const std::string tooLong = longTimeMessage;
  const std::string tooLarge = tooLargeMessage;
  EXPECT_EQ(messageTexts(), (std::vector<std::string>{noTime, noTime, tooLong, tooLong, tooLong, tooLarge,
                                                      tooLarge, tooLarge}));
  for (const auto& m : messages.shown) EXPECT_EQ(m.icon, MessageIcon::Stop);
  EXPECT_FALSE(session().mazeShown());
  EXPECT_EQ(window->options().timedGame, 0);
  EXPECT_EQ(window->options().roomsAcross, 4);
}

TEST_F(NewGame, OnlyTheFirstMissingPictureOpensTheChooser) {
  choosePictures(true, false, true);
  std::vector<QString> captions;
  modals.script = [&](QDialog& dialog) {
    if (qobject_cast<NewGameDialog*>(&dialog)) Dialog{dialog}.start()->click();
    if (qobject_cast<PictureChooser*>(&dialog)) captions.push_back(dialog.windowTitle());
  };
  menuItem("MenuNew")->trigger();
  EXPECT_EQ(modals.shown, (std::vector<std::string>{"frmNew", "frmSelect"}));
  EXPECT_EQ(captions, std::vector<QString>{QStringLiteral("Выбор стенки")});
  EXPECT_FALSE(session().mazeShown());
}

TEST_F(NewGame, AFreshCopyOfTheGameStartsItsFirstGameAtOnePress) {
  // The game's folder as the build lays it out: its pictures and the options it comes with.
  namespace fs = std::filesystem;
  for (const char* kind : {"Герои", "Стенки", "Двери"})
    fs::copy(std::string(KVARNEL_APP_DIR "/") + kind, appFolder + kind, fs::copy_options::recursive);
  fs::copy_file(KVARNEL_SOURCE_DIR "/assets/Options.ini", appFolder + "Options.ini");
  restart();
  newGameDialog([](const Dialog& d) { d.start()->click(); });
  EXPECT_EQ(modals.shown, std::vector<std::string>{"frmNew"}) << "no chooser";
  ASSERT_TRUE(session().mazeShown());
  EXPECT_EQ(maze().roomsAcross, 4);
  EXPECT_EQ(maze().roomsDown, 4);
  EXPECT_FALSE(control("HScroll1")->isVisible()) << "the whole maze fits the window";
  EXPECT_FALSE(control("VScroll1")->isVisible());
}

TEST_F(NewGame, TimedAndUntimedStarts) {
  choosePictures();
  window->playOpenedMaze(testing::madeMaze(3, 3), "/old/maze.lbr");
  newGameDialog([](const Dialog& d) {
    d.width()->setText(QStringLiteral("7"));
    d.height()->setText(QStringLiteral("1"));
    d.timed()->click();
    d.minutes()->setEditText(QStringLiteral("59"));
    d.seconds()->setEditText(QStringLiteral("59"));
    d.start()->click();
    EXPECT_FALSE(d.d.isVisible());
  });
  EXPECT_TRUE(session().mazeShown());
  EXPECT_EQ(maze().roomsAcross, 7);
  EXPECT_EQ(maze().roomsDown, 2);
  EXPECT_EQ(window->options().timedGame, 1);
  EXPECT_EQ(session().timedGame().secondsLeft, 3599);
  EXPECT_TRUE(control<QTimer>("tmrTimer")->isActive());
  EXPECT_TRUE(control("picTime")->isVisible());
  EXPECT_FALSE(menuItem("MenuSave")->isEnabled());
  EXPECT_FALSE(menuItem("MenuSaveAs")->isEnabled());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Кварнель"));
  EXPECT_EQ(window->files().mazeFilePath, "");
  EXPECT_TRUE(control("picPole")->isEnabled());
  EXPECT_EQ(window->pictures().wallSide(), 16);

  // The dialog was only hidden: it comes back as it was left, "1" included.
  newGameDialog([](const Dialog& d) {
    EXPECT_EQ(d.height()->text(), QStringLiteral("1"));
    EXPECT_TRUE(d.timed()->isChecked());
    d.timed()->click();
    d.start()->click();
  });
  EXPECT_EQ(window->options().timedGame, 0);
  EXPECT_EQ(window->options().limitMinutes, 0);
  EXPECT_EQ(window->options().limitSeconds, 0);
  EXPECT_FALSE(control<QTimer>("tmrTimer")->isActive());
  EXPECT_TRUE(menuItem("MenuSave")->isEnabled());
  EXPECT_TRUE(menuItem("MenuSaveAs")->isEnabled());
}

TEST_F(NewGame, CancelUnloadsTheDialogAndStoresNothing) {
  choosePictures();
  newGameDialog([](const Dialog& d) {
    d.width()->setText(QStringLiteral("9"));
    d.cancel()->click();
  });
  EXPECT_EQ(window->options().roomsAcross, 4);
  newGameDialog([](const Dialog& d) {
    EXPECT_EQ(d.width()->text(), QStringLiteral("4")) << "loaded afresh";
    EXPECT_FALSE(d.preview("picGeroy")->isEnabled());
    EXPECT_EQ(d.preview("picGeroy")->grab().toImage().pixelColor(10, 10), QColor(Qt::blue))
        << "the remembered hero is previewed in his own colours";
    d.d.close();
  });
  newGameDialog([](const Dialog& d) { EXPECT_EQ(d.width()->text(), QStringLiteral("4")); });
}

TEST_F(NewGame, AcceptingPicturesChecksShapeAndSide) {
  putPicture(appFolder, "Стенки", "a16.png", 16, 16);
  putPicture(appFolder, "Герои", "a16.png", 16, 16);
  putPicture(appFolder, "Двери", "a31.png", 31, 31);
  putPicture(appFolder, "Двери", "b33.png", 33, 33);
  putPicture(appFolder, "Двери", "c32x33.png", 32, 33);
  putPicture(appFolder, "Двери", "d10x12.png", 10, 12);
  struct Case {
    PictureKind kind;
    const char* file;
    const char* refusal; // nullptr: accepted
  };
  const Case cases[] = {
      {PictureKind::Wall, "a16.png", nullptr},          {PictureKind::Hero, "a16.png", wrongSizeMessage},
      {PictureKind::Door, "a31.png", wrongSizeMessage}, {PictureKind::Door, "door.png", nullptr},
      {PictureKind::Door, "b33.png", nullptr},          {PictureKind::Door, "c32x33.png", notSquareMessage},
      {PictureKind::Door, "d10x12.png", notSquareMessage},
  };
  for (const Case& c : cases) {
    messages.shown.clear();
    bool closed = false;
    chooseFromMenu(static_cast<int>(kindIndex(c.kind)), [&](const Chooser& chooser) {
      chooser.select(c.file);
      chooser.choose()->click();
      closed = !chooser.d.isVisible();
    });
    if (c.refusal == nullptr) {
      EXPECT_TRUE(messages.shown.empty()) << c.file;
      EXPECT_TRUE(closed) << c.file;
      EXPECT_EQ(rememberedPicture(window->options(), c.kind), c.file);
    } else {
      ASSERT_EQ(messageTexts(), std::vector<std::string>{c.refusal}) << c.file;
      EXPECT_FALSE(closed) << c.file;
    }
  }
}

TEST_F(NewGame, AFailedLoadForgetsTheNameAndKeepsThePicture) {
  choosePictures();
  const std::optional<QPixmap> wall = loadPicture({appFolder, {}}, PictureKind::Wall, "wall.png").picture;
  ASSERT_TRUE(wall);
  EXPECT_EQ(wall->size(), QSize(16, 16));
  QFile::remove(QString::fromStdString(appFolder) + QStringLiteral("Стенки/wall.png"));
  EXPECT_FALSE(loadPicture({appFolder, {}}, PictureKind::Wall, "wall.png").picture);
  EXPECT_EQ(loadPicture({appFolder, {}}, PictureKind::Hero, "").refusal, notOpenedMessage);

  // "Старт!" forgets the wall whose file is gone and keeps drawing with the last one loaded.
  newGameDialog([](const Dialog& d) { d.start()->click(); });
  EXPECT_EQ(window->options().wallPicture, "");

  // The chooser turns a file that vanished after selection into "Рисунок не открыт." and the
  // kind's remembered picture is forgotten.
  chooseFromMenu(2, [&](const Chooser& chooser) {
    QFile::remove(QString::fromStdString(appFolder) + QStringLiteral("Двери/door.png"));
    chooser.choose()->click();
    EXPECT_TRUE(chooser.d.isVisible());
  });
  EXPECT_EQ(messageTexts(), std::vector<std::string>{notOpenedMessage});
  EXPECT_EQ(window->options().doorPicture, "");
}

TEST_F(NewGame, APictureChosenFromTheMenuRedrawsTheMazeWithTheHeroInPlace) {
  choosePictures();
  newGameDialog([](const Dialog& d) { d.start()->click(); });
  window->playOpenedMaze(testing::withHeroAt(maze(), 1, 2), "");
  putPicture(appFolder, "Стенки", "wide.png", 24, 24, Qt::green);
  chooseFromMenu(1, [](const Chooser& chooser) {
    chooser.select("wide.png");
    chooser.choose()->click();
  });
  const FieldGeometry& g = session().view().geometry;
  EXPECT_EQ(window->options().wallPicture, "wide.png");
  EXPECT_EQ(g.wallSize, 24);
  EXPECT_EQ(maze().heroCol, 1);
  EXPECT_EQ(maze().heroRow, 2);
  EXPECT_EQ(control("picGeroy")->pos(), QPoint(g.wallSize + g.cellStep, g.wallSize + 2 * g.cellStep));
  EXPECT_EQ(control("picPole")->grab().toImage().pixelColor(0, 0), QColor(Qt::green));
}

TEST_F(NewGame, TheChooserPreviewsAndScrolls) {
  putPicture(appFolder, "Герои", "big.png", 400, 400);
  putPicture(appFolder, "Герои", "tall.png", 320, 400);
  QFile notes(QString::fromStdString(appFolder) + QStringLiteral("Герои/notes.txt"));
  ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
  notes.write("not a picture");
  notes.close();
  PictureChooser dialog(PictureKind::Hero, {appFolder, {}}, messages, window.get());
  dialog.show();
  const Chooser chooser{dialog};
  QScrollBar* across = chooser.bar("HScroll1");
  QScrollBar* down = chooser.bar("VScroll1");
  QWidget* preview = chooser.get("picPole");
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Выбор героя"));
  EXPECT_EQ(chooser.files()->currentItem()->text(), QStringLiteral("big.png")) << "the first file is selected";
  EXPECT_TRUE(chooser.choose()->isEnabled());
  EXPECT_TRUE(chooser.choose()->isDefault());
  EXPECT_TRUE(across->isVisible());
  EXPECT_TRUE(down->isVisible());
  EXPECT_TRUE(chooser.get("PctrUgol")->isVisible());
  EXPECT_EQ(across->maximum(), 400 - across->width());
  EXPECT_EQ(down->maximum(), 400 - down->height());
  across->setValue(40);
  EXPECT_EQ(preview->x(), static_cast<QFrame*>(chooser.get("picControl"))->contentsRect().x() - 40);

  // Slightly narrower than the area but taller: the vertical bar takes 17 pixels of the width.
  chooser.files()->setCurrentRow(chooser.files()->count() - 1); // tall.png
  EXPECT_EQ(across->value(), 0);
  EXPECT_TRUE(down->isVisible());
  EXPECT_TRUE(across->isVisible());

  chooser.select("notes.txt");
  EXPECT_FALSE(chooser.choose()->isEnabled());
  EXPECT_FALSE(preview->isVisible());
  EXPECT_EQ(preview->size(), QSize(1, 1));
  EXPECT_FALSE(across->isVisible());
  emit chooser.files()->itemDoubleClicked(chooser.files()->currentItem());
  EXPECT_TRUE(messages.shown.empty()) << "a double click on a file that did not load does nothing";

  chooser.select("hero.png");
  EXPECT_TRUE(chooser.choose()->isEnabled());
  EXPECT_FALSE(chooser.get("PctrUgol")->isVisible());
  emit chooser.files()->itemDoubleClicked(chooser.files()->currentItem());
  EXPECT_TRUE(dialog.outcome().picture);
  EXPECT_EQ(dialog.outcome().rememberedName, "hero.png");
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(NewGame, AMissingFolderListsNothing) {
  PictureChooser dialog(PictureKind::Door, {appFolder + "nowhere/", {}}, messages, window.get());
  const Chooser chooser{dialog};
  EXPECT_EQ(chooser.files()->count(), 0);
  EXPECT_FALSE(chooser.choose()->isEnabled());
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Выбор двери"));
}

TEST_F(NewGame, ThePlayersOwnPicturesJoinTheGamesAndWinOnEqualNames) {
  QTemporaryDir ownDir;
  const std::string own = ownDir.path().toStdString() + "/";
  putPicture(own, "Герои", "hero.png", 48, 48, Qt::green);
  putPicture(own, "Герои", "Мой.png", 32, 32, Qt::yellow);
  putPicture(appFolder, "Герои", "big.png", 400, 400);
  const PictureFolders folders{appFolder, own};

  PictureChooser dialog(PictureKind::Hero, folders, messages, window.get());
  const Chooser chooser{dialog};
  ASSERT_EQ(chooser.files()->count(), 3) << "hero.png is listed once";
  EXPECT_EQ(chooser.files()->item(0)->text(), QStringLiteral("big.png"));
  EXPECT_EQ(chooser.files()->item(1)->text(), QStringLiteral("hero.png"));
  EXPECT_EQ(chooser.files()->item(2)->text(), QStringLiteral("Мой.png"));
  chooser.select("hero.png");
  chooser.choose()->click();
  const ChooserOutcome outcome = dialog.outcome();
  ASSERT_TRUE(outcome.picture);
  EXPECT_EQ(outcome.rememberedName, "hero.png");
  EXPECT_EQ(outcome.picture->width(), 48) << "the player's hero.png, not the game's";

  // Remembered names load from either folder; the game's folder given twice lists it once.
  EXPECT_TRUE(loadPicture(folders, PictureKind::Wall, "wall.png").picture);
  EXPECT_TRUE(loadPicture(folders, PictureKind::Hero, "Мой.png").picture);
  EXPECT_EQ(pictureNames({appFolder, appFolder}, PictureKind::Hero),
            (QStringList{QStringLiteral("big.png"), QStringLiteral("hero.png")}));
}

TEST_F(NewGame, PicturesTooLargeToDecodeOrNotPicturesFailToLoad) {
  // A PNG header claiming 60000 x 60000 pixels.
  QImage tiny(1, 1, QImage::Format_RGB32);
  tiny.fill(Qt::white);
  QByteArray png;
  {
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    tiny.save(&buffer, "PNG");
  }
  auto putBigEndian = [&](int at, quint32 v) {
    for (int i = 0; i < 4; ++i) png[at + i] = static_cast<char>((v >> (24 - 8 * i)) & 0xff);
  };
  putBigEndian(16, 60000);
  putBigEndian(20, 60000);
  const QString dir = QString::fromStdString(appFolder) + QStringLiteral("Герои/");
  QFile huge(dir + QStringLiteral("huge.png"));
  ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
  huge.write(png);
  huge.close();
  EXPECT_FALSE(readPicture(dir + QStringLiteral("huge.png")));
  EXPECT_FALSE(readPicture(dir));
  EXPECT_TRUE(readPicture(dir + QStringLiteral("hero.png")));
}

} // namespace
} // namespace kvarnel
