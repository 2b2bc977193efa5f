// Qt's own dialogs in Russian.
#include "front/platform/qt_platform.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTranslator>

#include <gtest/gtest.h>

namespace kvarnel {
namespace {

TEST(QtTranslation, QtsOwnDialogsSpeakRussian) {
  QTranslator translator;
  ASSERT_TRUE(installQtTranslation(translator)) << "Qt's translations are installed";
  QMessageBox question;
  question.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(question.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Да"));
  EXPECT_EQ(question.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Нет"));
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Открыть"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Сохранить как"));
  QCoreApplication::removeTranslator(&translator);
}

} // namespace
} // namespace kvarnel
