// Qt's own dialogs and locale in the interface's language, whatever LANG says.
#include "front/platform/qt_platform.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QTreeView>

#include <gtest/gtest.h>

namespace kvarnel {
namespace {

TEST(InterfaceLanguage, QtsDialogsSizesAndDatesSpeakRussian) {
  const QLocale before;
  QTranslator translator;
  ASSERT_TRUE(speakInterfaceLanguage(QLocale::Russian, translator)) << "Qt's translations are installed";
  EXPECT_EQ(QLocale().language(), QLocale::Russian);
  QMessageBox question;
  question.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(question.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Да"));
  EXPECT_EQ(question.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Нет"));

  QTemporaryDir folder;
  QDir(folder.path()).mkdir(QStringLiteral("Лабиринты"));
  QFile maze(folder.filePath(QStringLiteral("Лабиринт из похода по горам Алтая.lbr")));
  ASSERT_TRUE(maze.open(QIODevice::WriteOnly));
  maze.write(QByteArray(3789, ' '));
  maze.close();

  QFileDialog dialog;
  prepareFileDialog(dialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Открыть"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Сохранить как"));
  dialog.setDirectory(folder.path());
  dialog.show();
  auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([&] { return list->model()->rowCount(list->rootIndex()) == 2; }));
  auto shown = [&](int row, int column) {
    return list->model()->index(row, column, list->rootIndex()).data().toString();
  };
  const int file = shown(0, 0).endsWith(QStringLiteral(".lbr")) ? 0 : 1;
  EXPECT_EQ(shown(file, 1), QStringLiteral("3,7 кБ"));
  EXPECT_EQ(shown(1 - file, 2), QStringLiteral("Папка"));
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d$")).match(shown(file, 3)).hasMatch())
      << shown(file, 3).toStdString();
  // Every column is wide enough for its texts, and all of them fit the list.
  const QFontMetrics metrics = list->fontMetrics();
  int across = 0;
  for (int column = 0; column < 4; ++column) {
    for (int row = 0; row < 2; ++row)
      EXPECT_LT(metrics.horizontalAdvance(shown(row, column)) + (column == 0 ? list->iconSize().width() : 0),
                list->header()->sectionSize(column))
          << shown(row, column).toStdString();
    across += list->header()->sectionSize(column);
  }
  EXPECT_LE(across, list->viewport()->width());

  QCoreApplication::removeTranslator(&translator);
  QLocale::setDefault(before);
}

} // namespace
} // namespace kvarnel
