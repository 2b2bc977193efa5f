// The platform interfaces as Qt provides them.
#include "front/platform/qt_platform.h"

#include "front/dialogs/modal_runner.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>
#include <QUrl>

namespace kvarnel {

void ExecModalRunner::run(QDialog& dialog) {
  dialog.exec();
  // The window under the dialog takes the keyboard again, even where no window manager hands
  // it back: its shortcuts and walking keys work at once.
  if (QWidget* parent = dialog.parentWidget()) parent->window()->activateWindow();
}

MessageAnswer QtMessageBoxes::show(const std::string& text, MessageIcon icon, MessageButtons buttons,
                                   MessageAnswer defaultAnswer) {
  QMessageBox box(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Warning,
                  QStringLiteral("Кварнель"), QString::fromStdString(text), QMessageBox::NoButton, owner_);
  if (buttons == MessageButtons::Ok) {
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
  }
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  box.setDefaultButton(defaultAnswer == MessageAnswer::Yes ? QMessageBox::Yes : QMessageBox::No);
  return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

std::optional<std::string> QtFileDialogs::askOpen(const FileDialogRequest& request) { return ask(false, request); }

std::optional<std::string> QtFileDialogs::askSave(const FileDialogRequest& request) { return ask(true, request); }

std::optional<std::string> QtFileDialogs::ask(bool save, const FileDialogRequest& request) {
  QFileDialog dialog(owner_);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilter(QStringLiteral("Лабиринт (*.lbr)"));
  dialog.setDirectory(QString::fromStdString(request.startFolder));
  if (!request.proposedName.empty()) dialog.selectFile(QString::fromStdString(request.proposedName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst().toStdString();
}

bool installQtTranslation(QTranslator& translator) {
  if (!translator.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  return QCoreApplication::installTranslator(&translator);
}

bool QtDocumentOpener::open(const std::string& pathOrAddress) {
  const QString target = QString::fromStdString(pathOrAddress);
  const QUrl url = target.contains(QStringLiteral("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
  return QDesktopServices::openUrl(url);
}

} // namespace kvarnel
