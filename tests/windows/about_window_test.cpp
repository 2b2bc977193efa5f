// The about window: its look, the three-band picture, the link and closing it.
#include "windows/frm_oprog.h"

#include "support/fake_platform.h"
#include "view/picture_box.h"
#include "windows/design.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace kvarnel {
namespace {

using testing::FakeDocumentOpener;

class AboutWindow : public ::testing::Test {
protected:
  void SetUp() override {
    installFontSubstitutions();
    ASSERT_TRUE(dir.isValid());
    appFolder = dir.path().toStdString() + "/";
  }

  QTemporaryDir dir;
  std::string appFolder;
  FakeDocumentOpener documents;
};

TEST_F(AboutWindow, ComesUpAsDesigned) {
  frmOprog w(appFolder, documents);
  EXPECT_EQ(w.objectName(), QStringLiteral("frmOprog"));
  EXPECT_EQ(w.windowTitle(), QStringLiteral("О программе"));
  EXPECT_EQ(w.size(), QSize(356, 209));
  EXPECT_EQ(w.Image1->pixmap().size(), QSize(71, 126));
  EXPECT_EQ(w.Image1->geometry(), QRect(16, 8, 71, 126));
  EXPECT_EQ(w.Picture1->geometry(), QRect(8, 160, 80, 45));
  EXPECT_EQ(w.OK->geometry(), QRect(256, 164, 89, 33));
  EXPECT_EQ(w.OK->text(), QStringLiteral("OK"));
  EXPECT_TRUE(w.OK->isDefault());
  EXPECT_EQ(w.Label2[5]->text(), QStringLiteral("Сайт:"));
  EXPECT_EQ(w.Label2[6]->text(), QStringLiteral("Версия: v1.1"));
  EXPECT_EQ(w.Label2[7]->text(), QStringLiteral("Дата: 3 июня 2009 год -"));
  EXPECT_EQ(w.Label2[0]->text(), QStringLiteral("27 июля 2015 год"));
  EXPECT_EQ(w.Label1->property("tag").toString(), QStringLiteral("https://kvarnel.example.org/"));
  EXPECT_TRUE(w.Label1->font().underline());
  EXPECT_EQ(w.Label1->palette().color(QPalette::WindowText), QColor(0, 0, 192));
  EXPECT_EQ(w.Label1->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(w.Line1->geometry(), QRect(8, 152, 336, 1));
  EXPECT_EQ(w.Line2->geometry(), QRect(8, 153, 336, 1));
  // Every text is whole in its designed box.
  for (QLabel* label :
       {w.Label2[0], w.Label2[3], w.Label2[4], w.Label2[5], w.Label2[6], w.Label2[7], w.Label1}) {
    EXPECT_EQ(w.findChild<QLabel*>(label->objectName()), label);
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
        << label->objectName().toStdString();
  }
}

TEST_F(AboutWindow, PictureShowsWhiteBlueAndRedBands) {
  frmOprog w(appFolder, documents);
  const QImage shown = w.Picture1->grab().toImage();
  ASSERT_EQ(shown.size(), QSize(80, 45));
  for (int y = 0; y < 45; ++y) {
    const QColor band = y < 15 ? QColor(Qt::white) : y <= 30 ? QColor(0, 0, 255) : QColor(255, 0, 0);
    for (int x : {0, 40, 79})
      EXPECT_EQ(shown.pixelColor(x, y).name().toStdString(), band.name().toStdString()) << x << "," << y;
  }
}

TEST_F(AboutWindow, EnterPressesOkAndTheCloseBoxClosesToo) {
  frmOprog w(appFolder, documents);
  w.show();
  QTest::keyClick(&w, Qt::Key_Return);
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_FALSE(w.isVisible());

  frmOprog again(appFolder, documents);
  again.show();
  again.close();
  EXPECT_EQ(again.result(), QDialog::Rejected);
  EXPECT_FALSE(again.isVisible());
}

TEST_F(AboutWindow, ClickingTheLinkOpensItsPageAndLeavesTheWindowOpen) {
  frmOprog w(appFolder, documents);
  w.show();
  QTest::mouseClick(w.Label1, Qt::LeftButton);
  const std::string page = appFolder + "0.html";
  EXPECT_EQ(documents.opened, std::vector<std::string>{page});
  EXPECT_TRUE(std::filesystem::is_regular_file(page));
  EXPECT_TRUE(w.isVisible());
  // A press that is dragged off the label before release is no click.
  QTest::mousePress(w.Label1, Qt::LeftButton);
  QTest::mouseRelease(w.Label1, Qt::LeftButton, {}, QPoint(-5, -5));
  EXPECT_EQ(documents.opened.size(), 1u);
}

} // namespace
} // namespace kvarnel
