// "Печать..." and "Экспорт..." played through the main window: files that open, the help mark of
// paper with the way, refusals that keep an old file, printing to a PDF file.
#include "support/file_bytes.h"
#include "support/game_fixture.h"

#include <QCheckBox>
#include <QImage>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <fstream>

namespace kvarnel {
namespace {

class Paper : public testing::GameFixture {
protected:
  void SetUp() override {
    GameFixture::SetUp();
    setPictures(32, 16, 32);
  }
  // The paper window's answers, then the print dialog's when printing.
  void answer(PaperLook look, bool withWay, const std::string& printTo = {}) {
    modals.script = [=, this](QDialog& dialog) {
      if (dialog.objectName() == QStringLiteral("frmPaper")) {
        testing::control<QRadioButton>(&dialog, look == PaperLook::Lines ? "optLines" : "optPictures")->click();
        testing::control<QCheckBox>(&dialog, "chWay")->setChecked(withWay);
        testing::control<QPushButton>(&dialog, "kOK")->click();
      } else if (auto* print = qobject_cast<QPrintDialog*>(&dialog); print != nullptr && !printTo.empty()) {
        print->accept();
        print->printer()->setOutputFormat(QPrinter::PdfFormat);
        print->printer()->setOutputFileName(QString::fromStdString(printTo));
      }
    };
  }
  std::string file(const char* name) const { return userData + name; }
  static int pdfPages(const std::string& path) {
    return static_cast<int>(QString::fromLatin1(testing::readBytes(path)).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
  }
};

TEST_F(Paper, ExportWritesThreeKindsThatOpenAndTheWayCountsAsHelp) {
  EXPECT_FALSE(menuItem("GameExport")->isEnabled());
  EXPECT_FALSE(menuItem("GamePrint")->isEnabled());
  newMaze(20, 4);
  ASSERT_TRUE(menuItem("GameExport")->isEnabled());

  answer(PaperLook::Lines, false);
  for (const char* name : {"m.pdf", "m.svg", "m.png"}) fileDialogs.saveAnswers.push_back(file(name));
  for (int i = 0; i < 3; ++i) menuItem("GameExport")->trigger();
  EXPECT_EQ(fileDialogs.saveRequests.at(0).proposedName, "20x4-45296.17.pdf");
  EXPECT_EQ(fileDialogs.saveRequests.at(0).startFolder, appFolder) << "the documents folder of a copy at home";
  EXPECT_NE(fileDialogs.saveRequests.at(0).filter.find("*.svg"), std::string::npos);
  EXPECT_EQ(fileDialogs.saveRequests.at(1).startFolder, userData) << "then where the last one went";
  EXPECT_EQ(pdfPages(file("m.pdf")), 1);
  EXPECT_TRUE(QSvgRenderer(QString::fromStdString(file("m.svg"))).isValid());
  // A4 across at 150 dots an inch; Letter where the locale measures in inches.
  const bool inches = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
  EXPECT_EQ(QImage(QString::fromStdString(file("m.png"))).size(), inches ? QSize(1650, 1275) : QSize(1754, 1240));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(session().helped()) << "paper without the way is nothing";

  answer(PaperLook::Pictures, true);
  fileDialogs.saveAnswers.push_back(file("way")); // no ending: a PDF
  messages.answers.push_back(MessageAnswer::Yes);
  menuItem("GameExport")->trigger();
  EXPECT_EQ(pdfPages(file("way.pdf")), 1);
  EXPECT_TRUE(session().helped()) << "no best time after handing out the way";
}

TEST_F(Paper, RefusalsSayWhyAndKeepTheOldFile) {
  play(testing::madeMaze(6, 5), userData + "old.lbr");
  { std::ofstream(file("keep.svg")) << "old"; }
  answer(PaperLook::Lines, true);
  fileDialogs.saveAnswers = {file("m.jpg"), file("keep.svg"), userData + "no/such/folder/m.pdf"};
  for (int i = 0; i < 3; ++i) menuItem("GameExport")->trigger();
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_NE(messages.shown[0].text.find(".png"), std::string::npos);
  EXPECT_EQ(messages.shown[1].buttons, MessageButtons::YesNo) << "replace?";
  EXPECT_EQ(messages.shown[2].icon, MessageIcon::Stop);
  EXPECT_EQ(testing::readBytes(file("keep.svg")), "old") << "No keeps the old file";
  EXPECT_FALSE(session().helped()) << "nothing went on paper";

  // Cancelling the paper window asks for no file at all.
  modals.script = [](QDialog& dialog) { dialog.reject(); };
  menuItem("GameExport")->trigger();
  EXPECT_EQ(fileDialogs.saveRequests.size(), 3u);
}

TEST_F(Paper, PrintingGoesThroughThePrintDialogToAPdfFile) {
  window->startNewMaze({4, 20, TimeLimit{1, 0}});
  answer(PaperLook::Lines, false, file("printed.pdf"));
  std::vector<std::string> pausedIn;
  auto script = modals.script;
  modals.script = [&](QDialog& dialog) {
    if (session().paused()) pausedIn.push_back(dialog.objectName().toStdString());
    script(dialog);
  };
  menuItem("GamePrint")->trigger();
  EXPECT_EQ(modals.shown, (std::vector<std::string>{"frmPaper", "dlgPrint"}));
  EXPECT_EQ(pausedIn, modals.shown) << "the clock waits in both";
  EXPECT_FALSE(session().paused());
  EXPECT_EQ(pdfPages(file("printed.pdf")), 1);
  EXPECT_FALSE(session().helped());

  // The print dialog cancelled: nothing printed, no help.
  answer(PaperLook::Lines, true);
  menuItem("GamePrint")->trigger();
  EXPECT_FALSE(session().helped());
  answer(PaperLook::Lines, true, file("answer.pdf"));
  menuItem("GamePrint")->trigger();
  EXPECT_TRUE(session().helped());
}

} // namespace
} // namespace kvarnel
