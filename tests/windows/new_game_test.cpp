// The new-game dialog, the picture chooser and picture loading, driven through the main window.
#include "core/picture_kinds.h"
#include "support/game_fixture.h"
#include "view/field_widget.h"
#include "view/picture_box.h"
#include "windows/frm_new.h"
#include "windows/frm_select.h"
#include "windows/load_pic.h"

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

namespace kvarnel {
namespace {

using testing::GameFixture;
using testing::putPicture;

class NewGame : public GameFixture {
protected:
  void SetUp() override {
    GameFixture::SetUp();
    putStandardPictures();
  }
  void choosePictures() {
    state.settings.heroPicture = "hero.png";
    state.settings.wallPicture = "wall.png";
    state.settings.doorPicture = "door.png";
  }
  // Opens "Новая игра" and lets `player` act on the dialog.
  void newGameDialog(const std::function<void(frmNew&)>& player) {
    modals.script = [&](QDialog& dialog) {
      if (auto* d = qobject_cast<frmNew*>(&dialog)) player(*d);
    };
    window->MenuNew->trigger();
    modals.script = nullptr;
  }
  std::vector<std::string> messageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages.shown) texts.push_back(m.text);
    return texts;
  }
};

TEST_F(NewGame, FirstOpeningShowsTheDefaults) {
  newGameDialog([](frmNew& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Новая игра"));
    EXPECT_EQ(d.size(), QSize(431, 382));
    EXPECT_EQ(d.txtPoleWidth->text(), QStringLiteral("4"));
    EXPECT_EQ(d.txtPoleHeight->text(), QStringLiteral("4"));
    EXPECT_FALSE(d.chTime->isChecked());
    EXPECT_FALSE(d.txtMin->isEnabled());
    EXPECT_FALSE(d.txtSec->isEnabled());
    EXPECT_EQ(d.txtMin->currentText(), QStringLiteral("0"));
    EXPECT_EQ(d.txtSec->currentText(), QStringLiteral("0"));
    EXPECT_EQ(d.txtMin->count(), 5);
    EXPECT_EQ(d.txtSec->itemText(4), QStringLiteral("50"));
    EXPECT_FALSE(d.kOK->isDefault());
    EXPECT_FALSE(d.picGeroy->isEnabled());
    // Checking the box enables the time fields, unchecking keeps their text.
    d.chTime->click();
    EXPECT_TRUE(d.txtMin->isEnabled());
    d.txtMin->setEditText(QStringLiteral("3"));
    d.chTime->click();
    EXPECT_FALSE(d.txtSec->isEnabled());
    EXPECT_EQ(d.txtMin->currentText(), QStringLiteral("3"));
  });
  EXPECT_EQ(modals.shown, std::vector<std::string>{"frmNew"});
}

TEST_F(NewGame, FieldsTakeOnlyDigits) {
  newGameDialog([](frmNew& d) {
    d.txtPoleWidth->clear();
    QTest::keyClicks(d.txtPoleWidth, QStringLiteral("1a-.2 3"));
    QTest::keyClick(d.txtPoleWidth, Qt::Key_Return);
    EXPECT_EQ(d.txtPoleWidth->text(), QStringLiteral("123"));
    QTest::keyClick(d.txtPoleWidth, Qt::Key_Backspace);
    EXPECT_EQ(d.txtPoleWidth->text(), QStringLiteral("12"));
    d.chTime->click();
    d.txtSec->lineEdit()->clear();
    QTest::keyClicks(d.txtSec->lineEdit(), QStringLiteral("x4y5"));
    EXPECT_EQ(d.txtSec->currentText(), QStringLiteral("45"));
  });
}

TEST_F(NewGame, TimeChecksComeFirstAndKeepTheDialogOpen) {
  choosePictures();
  const GameState before = state;
  newGameDialog([&](frmNew& d) {
    d.chTime->click();
    auto start = [&](const char* minutes, const char* seconds) {
      d.txtMin->setEditText(QString::fromLatin1(minutes));
      d.txtSec->setEditText(QString::fromLatin1(seconds));
      d.kOK->click();
    };
    start("0", "0");
    start("", "");
    start("60", "0");
    start("0", "60");
    start("99999999999", "0"); // pasted beyond 32 bits
    d.txtPoleWidth->setText(QStringLiteral("16384"));
    start("1", "0");
    d.txtPoleWidth->setText(QStringLiteral("182"));
    d.txtPoleHeight->setText(QStringLiteral("181"));
    d.kOK->click();
    d.txtPoleWidth->setText(QStringLiteral("4294967298"));
    d.kOK->click();
    EXPECT_TRUE(d.isVisible());
  });
  const std::string noTime = frmNew::noTimeMessage;
  const std::string tooLong = frmNew::longTimeMessage;
  const std::string tooLarge = frmNew::tooLargeMessage;
  EXPECT_EQ(messageTexts(), (std::vector<std::string>{noTime, noTime, tooLong, tooLong, tooLong, tooLarge,
                                                      tooLarge, tooLarge}));
  for (const auto& m : messages.shown) EXPECT_EQ(m.icon, MessageIcon::Stop);
  EXPECT_EQ(state.maze.mazeShown, 0);
  EXPECT_EQ(state.settings.timedGame, before.settings.timedGame);
  EXPECT_EQ(state.maze.mazeWidth, before.maze.mazeWidth);
}

TEST_F(NewGame, OnlyTheFirstMissingPictureOpensTheChooser) {
  state.settings.heroPicture = "hero.png";
  state.settings.doorPicture = "door.png";
  std::vector<QString> captions;
  modals.script = [&](QDialog& dialog) {
    if (auto* d = qobject_cast<frmNew*>(&dialog)) d->kOK->click();
    if (qobject_cast<frmSelect*>(&dialog)) captions.push_back(dialog.windowTitle());
  };
  window->MenuNew->trigger();
  EXPECT_EQ(modals.shown, (std::vector<std::string>{"frmNew", "frmSelect"}));
  EXPECT_EQ(captions, std::vector<QString>{QStringLiteral("Выбор стенки")});
  EXPECT_EQ(state.settings.dialogArg, 1);
  EXPECT_EQ(state.settings.chooserFromMenu, 0);
  EXPECT_EQ(state.maze.mazeShown, 0);
}

TEST_F(NewGame, TimedAndUntimedStarts) {
  choosePictures();
  state.settings.mazeFilePath = "/old/maze.lbr";
  window->setFileCaption(state.settings.mazeFilePath);
  newGameDialog([](frmNew& d) {
    d.txtPoleWidth->setText(QStringLiteral("7"));
    d.txtPoleHeight->setText(QStringLiteral("1"));
    d.chTime->click();
    d.txtMin->setEditText(QStringLiteral("59"));
    d.txtSec->setEditText(QStringLiteral("59"));
    d.kOK->click();
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_EQ(state.maze.mazeShown, 1);
  EXPECT_EQ(state.maze.mazeWidth, 7);
  EXPECT_EQ(state.maze.mazeHeight, 2);
  EXPECT_EQ(state.settings.timedGame, 1);
  EXPECT_EQ(state.settings.secondsLeft, 3599);
  EXPECT_TRUE(window->tmrTimer->isActive());
  EXPECT_TRUE(window->picTime->isVisible());
  EXPECT_FALSE(window->MenuSave->isEnabled());
  EXPECT_FALSE(window->MenuSaveAs->isEnabled());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Кварнель"));
  EXPECT_EQ(state.settings.mazeFilePath, "");
  EXPECT_TRUE(window->picPole->isEnabled());
  EXPECT_EQ(window->picStenka->size(), QSize(16, 16));

  // The dialog was only hidden: it comes back as it was left, "1" included.
  newGameDialog([](frmNew& d) {
    EXPECT_EQ(d.txtPoleHeight->text(), QStringLiteral("1"));
    EXPECT_TRUE(d.chTime->isChecked());
    d.chTime->click();
    d.kOK->click();
  });
  EXPECT_EQ(state.settings.timedGame, 0);
  EXPECT_EQ(state.settings.limitMinutes, 0);
  EXPECT_EQ(state.settings.limitSeconds, 0);
  EXPECT_FALSE(window->tmrTimer->isActive());
  EXPECT_TRUE(window->MenuSave->isEnabled());
  EXPECT_TRUE(window->MenuSaveAs->isEnabled());
}

TEST_F(NewGame, CancelUnloadsTheDialogAndStoresNothing) {
  choosePictures();
  newGameDialog([](frmNew& d) {
    d.txtPoleWidth->setText(QStringLiteral("9"));
    d.kNO->click();
  });
  EXPECT_EQ(state.maze.mazeWidth, 4);
  newGameDialog([](frmNew& d) {
    EXPECT_EQ(d.txtPoleWidth->text(), QStringLiteral("4")) << "loaded afresh";
    EXPECT_FALSE(d.picGeroy->pixmap().isNull()) << "the remembered hero is previewed";
    d.close();
  });
  newGameDialog([](frmNew& d) { EXPECT_EQ(d.txtPoleWidth->text(), QStringLiteral("4")); });
}

TEST_F(NewGame, AcceptingPicturesChecksShapeAndSide) {
  putPicture(appFolder, "Стенки", "a16.png", 16, 16);
  putPicture(appFolder, "Герои", "a16.png", 16, 16);
  putPicture(appFolder, "Двери", "a31.png", 31, 31);
  putPicture(appFolder, "Двери", "b33.png", 33, 33);
  putPicture(appFolder, "Двери", "c32x33.png", 32, 33);
  putPicture(appFolder, "Двери", "d10x12.png", 10, 12);
  struct Case {
    int kind;
    const char* file;
    const char* refusal; // nullptr: accepted
  };
  const Case cases[] = {
      {1, "a16.png", nullptr},          {0, "a16.png", wrongSizeMessage}, {2, "a31.png", wrongSizeMessage},
      {2, "door.png", nullptr},         {2, "b33.png", nullptr},          {2, "c32x33.png", notSquareMessage},
      {2, "d10x12.png", notSquareMessage},
  };
  for (const Case& c : cases) {
    messages.shown.clear();
    state.settings.doorPicture.clear();
    bool closed = false;
    modals.script = [&](QDialog& dialog) {
      auto& chooser = static_cast<frmSelect&>(dialog);
      const auto found = chooser.File1->findItems(QString::fromLatin1(c.file), Qt::MatchExactly);
      ASSERT_EQ(found.size(), 1);
      chooser.File1->setCurrentItem(found[0]);
      chooser.kOK->click();
      closed = !chooser.isVisible();
    };
    window->MenuSel[static_cast<std::size_t>(c.kind)]->trigger();
    const std::string remembered = rememberedPicture(state.settings, kindOf(c.kind));
    if (c.refusal == nullptr) {
      EXPECT_TRUE(messages.shown.empty()) << c.file;
      EXPECT_TRUE(closed) << c.file;
      EXPECT_EQ(remembered, c.file);
    } else {
      ASSERT_EQ(messageTexts(), std::vector<std::string>{c.refusal}) << c.file;
      EXPECT_FALSE(closed) << c.file;
    }
  }
}

TEST_F(NewGame, AFailedLoadForgetsTheNameAndKeepsThePicture) {
  choosePictures();
  const PictureTarget store = window->pictureStore(PictureKind::Wall);
  LoadPic(state, *window, PictureKind::Wall, "wall.png", store);
  ASSERT_EQ(window->picStenka->size(), QSize(16, 16));
  QFile::remove(QString::fromStdString(appFolder) + QStringLiteral("Стенки/wall.png"));
  LoadPic(state, *window, PictureKind::Wall, "wall.png", store);
  EXPECT_EQ(state.settings.wallPicture, "");
  EXPECT_EQ(window->picStenka->pixmap().size(), QSize(16, 16));
  LoadPic(state, *window, PictureKind::Hero, "", window->pictureStore(PictureKind::Hero));
  EXPECT_EQ(state.settings.heroPicture, "");

  // The chooser turns a file that vanished after selection into "Рисунок не открыт.".
  modals.script = [&](QDialog& dialog) {
    auto& chooser = static_cast<frmSelect&>(dialog);
    QFile::remove(QString::fromStdString(appFolder) + QStringLiteral("Двери/door.png"));
    chooser.kOK->click();
    EXPECT_TRUE(chooser.isVisible());
  };
  window->MenuSel[2]->trigger();
  EXPECT_EQ(messageTexts(), std::vector<std::string>{notOpenedMessage});
}

TEST_F(NewGame, APictureChosenFromTheMenuRedrawsTheMazeWithTheHeroInPlace) {
  choosePictures();
  newGameDialog([](frmNew& d) { d.kOK->click(); });
  state.maze.heroCol = 1;
  state.maze.heroRow = 2;
  window->DrawMaze();
  putPicture(appFolder, "Стенки", "wide.png", 24, 24, Qt::green);
  modals.script = [&](QDialog& dialog) {
    auto& chooser = static_cast<frmSelect&>(dialog);
    chooser.File1->setCurrentItem(chooser.File1->findItems(QStringLiteral("wide.png"), Qt::MatchExactly)[0]);
    chooser.kOK->click();
  };
  window->MenuSel[1]->trigger();
  EXPECT_EQ(state.settings.wallPicture, "wide.png");
  EXPECT_EQ(state.maze.wallSize, 24);
  EXPECT_EQ(state.maze.heroCol, 1);
  EXPECT_EQ(state.maze.heroRow, 2);
  EXPECT_EQ(window->picGeroy->pos(), QPoint(state.maze.wallSize + state.maze.cellStep,
                                            state.maze.wallSize + 2 * state.maze.cellStep));
  EXPECT_EQ(window->picPole->grab().toImage().pixelColor(0, 0), QColor(Qt::green));
}

TEST_F(NewGame, TheChooserPreviewsAndScrolls) {
  putPicture(appFolder, "Герои", "big.png", 400, 400);
  putPicture(appFolder, "Герои", "tall.png", 320, 400);
  QFile notes(QString::fromStdString(appFolder) + QStringLiteral("Герои/notes.txt"));
  ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
  notes.write("not a picture");
  notes.close();
  state.settings.dialogArg = 0;
  state.settings.chooserFromMenu = 1;
  frmSelect chooser(state, messages, *window, {}, window.get());
  chooser.show();
  EXPECT_EQ(chooser.windowTitle(), QStringLiteral("Выбор героя"));
  EXPECT_EQ(chooser.File1->currentItem()->text(), QStringLiteral("big.png")) << "the first file is selected";
  EXPECT_TRUE(chooser.kOK->isEnabled());
  EXPECT_TRUE(chooser.kOK->isDefault());
  EXPECT_TRUE(chooser.HScroll1->isVisible());
  EXPECT_TRUE(chooser.VScroll1->isVisible());
  EXPECT_TRUE(chooser.PctrUgol->isVisible());
  EXPECT_EQ(chooser.HScroll1->maximum(), 400 - chooser.HScroll1->width());
  EXPECT_EQ(chooser.VScroll1->maximum(), 400 - chooser.VScroll1->height());
  chooser.HScroll1->setValue(40);
  EXPECT_EQ(chooser.picPole->x(), chooser.picControl->contentsRect().x() - 40);

  // Slightly narrower than the area but taller: the vertical bar takes 17 pixels of the width.
  chooser.File1->setCurrentRow(chooser.File1->count() - 1); // tall.png
  EXPECT_EQ(chooser.HScroll1->value(), 0);
  EXPECT_TRUE(chooser.VScroll1->isVisible());
  EXPECT_TRUE(chooser.HScroll1->isVisible());

  chooser.File1->setCurrentItem(chooser.File1->findItems(QStringLiteral("notes.txt"), Qt::MatchExactly)[0]);
  EXPECT_FALSE(chooser.kOK->isEnabled());
  EXPECT_FALSE(chooser.picPole->isVisible());
  EXPECT_EQ(chooser.picPole->size(), QSize(1, 1));
  EXPECT_FALSE(chooser.HScroll1->isVisible());
  emit chooser.File1->itemDoubleClicked(chooser.File1->currentItem());
  EXPECT_TRUE(messages.shown.empty()) << "a double click on a file that did not load does nothing";

  chooser.File1->setCurrentItem(chooser.File1->findItems(QStringLiteral("hero.png"), Qt::MatchExactly)[0]);
  EXPECT_TRUE(chooser.kOK->isEnabled());
  EXPECT_FALSE(chooser.PctrUgol->isVisible());
  emit chooser.File1->itemDoubleClicked(chooser.File1->currentItem());
  EXPECT_EQ(state.settings.heroPicture, "hero.png");
  EXPECT_FALSE(chooser.isVisible());
}

TEST_F(NewGame, AMissingFolderListsNothing) {
  state.settings.appFolder = appFolder + "nowhere/";
  state.settings.dialogArg = 2;
  frmSelect chooser(state, messages, *window, {}, window.get());
  EXPECT_EQ(chooser.File1->count(), 0);
  EXPECT_FALSE(chooser.kOK->isEnabled());
  EXPECT_EQ(chooser.windowTitle(), QStringLiteral("Выбор стенки"));
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
