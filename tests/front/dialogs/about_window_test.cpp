// The about window: its look, the three-band picture, the link and closing it.
#include "front/dialogs/about_window.h"

#include "game/files/web_links.h"
#include "support/game_fixture.h"
#include "front/field/picture_box.h"
#include "front/dialogs/design.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace kvarnel {
namespace {

class AboutWindowTest : public testing::GameFixture {
protected:
  void SetUp() override {
    installFontSubstitutions();
    GameFixture::SetUp();
  }
  template <class T = QWidget> static T* in(QDialog& w, const char* name) { return testing::control<T>(&w, name); }
};

TEST_F(AboutWindowTest, ComesUpAsDesigned) {
  AboutWindow w;
  EXPECT_EQ(w.objectName(), QStringLiteral("frmOprog"));
  EXPECT_EQ(w.windowTitle(), QStringLiteral("О программе"));
  EXPECT_EQ(w.size(), QSize(356, 209));
  auto* ok = in<QPushButton>(w, "OK");
  auto* link = in<QLabel>(w, "Label1");
  EXPECT_EQ(in<QLabel>(w, "Image1")->pixmap().size(), QSize(71, 126));
  EXPECT_EQ(in(w, "Image1")->geometry(), QRect(16, 8, 71, 126));
  EXPECT_EQ(in(w, "Picture1")->geometry(), QRect(8, 160, 80, 45));
  EXPECT_EQ(ok->geometry(), QRect(256, 164, 89, 33));
  EXPECT_EQ(ok->text(), QStringLiteral("OK"));
  EXPECT_TRUE(ok->isDefault());
  EXPECT_EQ(in<QLabel>(w, "Label2_5")->text(), QStringLiteral("Сайт:"));
  EXPECT_EQ(in<QLabel>(w, "Label2_6")->text(), QStringLiteral("Версия: v1.1"));
  EXPECT_EQ(in<QLabel>(w, "Label2_7")->text(), QStringLiteral("Дата: 3 июня 2009 год -"));
  EXPECT_EQ(in<QLabel>(w, "Label2_0")->text(), QStringLiteral("27 июля 2015 год"));
  // The project's one home, whose issues take the players' questions.
  EXPECT_EQ(link->property("tag").toString(), QStringLiteral("https://github.com/kvarnel/kvarnel"));
  EXPECT_EQ(in<QLabel>(w, "Label2_4")->toolTip(), QStringLiteral("https://github.com/kvarnel/kvarnel/issues"));
  EXPECT_TRUE(link->font().underline());
  EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 192));
  EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(in(w, "Line1")->geometry(), QRect(8, 152, 336, 1));
  EXPECT_EQ(in(w, "Line2")->geometry(), QRect(8, 153, 336, 1));
  // Every text is whole in its designed box.
  for (const char* name : {"Label2_0", "Label2_3", "Label2_4", "Label2_5", "Label2_6", "Label2_7", "Label1"}) {
    QLabel* label = in<QLabel>(w, name);
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
        << label->objectName().toStdString();
  }
}

TEST_F(AboutWindowTest, PictureShowsWhiteBlueAndRedBands) {
  AboutWindow w;
  const QImage shown = in(w, "Picture1")->grab().toImage();
  ASSERT_EQ(shown.size(), QSize(80, 45));
  for (int y = 0; y < 45; ++y) {
    const QColor band = y < 15 ? QColor(Qt::white) : y <= 30 ? QColor(0, 0, 255) : QColor(255, 0, 0);
    for (int x : {0, 40, 79})
      EXPECT_EQ(shown.pixelColor(x, y).name().toStdString(), band.name().toStdString()) << x << "," << y;
  }
}

TEST_F(AboutWindowTest, EnterPressesOkAndTheCloseBoxClosesToo) {
  AboutWindow w;
  w.show();
  QTest::keyClick(&w, Qt::Key_Return);
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_FALSE(w.isVisible());

  AboutWindow again;
  again.show();
  again.close();
  EXPECT_EQ(again.result(), QDialog::Rejected);
  EXPECT_FALSE(again.isVisible());
}

TEST_F(AboutWindowTest, ClickingTheLinkOpensItsPageAndLeavesTheWindowOpen) {
  modals.script = [&](QDialog& w) {
    QLabel* link = in<QLabel>(w, "Label1");
    QTest::mouseClick(link, Qt::LeftButton);
    const std::string page = appFolder + "0.html";
    EXPECT_EQ(documents.opened, std::vector<std::string>{page});
    EXPECT_TRUE(std::filesystem::is_regular_file(page));
    EXPECT_TRUE(w.isVisible());
    // A press that is dragged off the label before release is no click.
    QTest::mousePress(link, Qt::LeftButton);
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(documents.opened.size(), 1u);
    EXPECT_TRUE(messages.shown.empty());
    // Where the desktop opens no page, the message names the address, not the game's detour.
    documents.succeed = false;
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, pageNotOpenedMessage(link->property("tag").toString().toStdString()));
    EXPECT_TRUE(w.isVisible());
  };
  menuItem("HelpAbout")->trigger();
  EXPECT_EQ(modals.shown, std::vector<std::string>{"frmOprog"});
}

} // namespace
} // namespace kvarnel
