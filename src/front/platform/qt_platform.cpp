// The platform interfaces as Qt provides them.
#include "front/platform/qt_platform.h"

#include "front/dialogs/modal_runner.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QScreen>
#include <QTranslator>
#include <QTreeView>
#include <QUrl>

namespace kvarnel {
namespace {

// The file dialogs' size, in characters across and lines down: room for a long name beside
// its size, kind and date.
constexpr int fileDialogColumns = 140;
constexpr int fileDialogLines = 28;

} // namespace

void ExecModalRunner::run(QDialog& dialog) {
  dialog.exec();
  // The window under the dialog takes the keyboard again, even where no window manager hands
  // it back: its shortcuts and walking keys work at once.
  if (QWidget* parent = dialog.parentWidget()) parent->window()->activateWindow();
}

MessageAnswer QtMessageBoxes::show(const std::string& text, MessageIcon icon, MessageButtons buttons,
                                   MessageAnswer defaultAnswer) {
  QMessageBox box(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Warning,
                  QCoreApplication::translate("Platform", "Кварнель"), QString::fromStdString(text),
                  QMessageBox::NoButton, owner_);
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
  prepareFileDialog(dialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilter(request.filter.empty() ? QCoreApplication::translate("Platform", "Лабиринт (*.lbr)")
                                              : QString::fromStdString(request.filter));
  dialog.setDirectory(QString::fromStdString(request.startFolder));
  if (!request.proposedName.empty()) dialog.selectFile(QString::fromStdString(request.proposedName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst().toStdString();
}

bool speakInterfaceLanguage(QLocale::Language language, QTranslator& qtTexts) {
  QLocale::setDefault(QLocale(language));
  if (!qtTexts.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  return QCoreApplication::installTranslator(&qtTexts);
}

namespace {

// Qt's file list takes its sizes and dates from the system's locale, that is from LANG, and its
// word for a folder from a part of its catalogue that the Russian one lacks. Shown here in the
// default locale, the interface's.
class LocalisedFileColumns : public QIdentityProxyModel {
public:
  using QIdentityProxyModel::QIdentityProxyModel;

  enum Column { Name, Size, Kind, Date };
  static QString size(qint64 bytes) { return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat); }
  static QString date(const QDateTime& when) { return QLocale().toString(when, QLocale::ShortFormat); }
  // Qt's own word, from Qt's catalogue: not one of the game's texts to translate.
  static QString folder() {
    const char* qtsContext = "QFileDialog";
    return QCoreApplication::translate(qtsContext, "Folder");
  }

  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || files == nullptr) return QIdentityProxyModel::data(index, role);
    const QModelIndex file = mapToSource(index);
    switch (index.column()) {
    case Size: return files->isDir(file) ? QString() : size(files->size(file));
    case Kind: return files->isDir(file) ? folder() : QIdentityProxyModel::data(index, role);
    case Date: return date(files->lastModified(file));
    default: return QIdentityProxyModel::data(index, role);
    }
  }
};

} // namespace

void prepareFileDialog(QFileDialog& dialog) {
  // The desktop's own dialog would speak the desktop's language.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setViewMode(QFileDialog::Detail);
  dialog.setProxyModel(new LocalisedFileColumns(&dialog));
  const QSize wanted(dialog.fontMetrics().averageCharWidth() * fileDialogColumns,
                     dialog.fontMetrics().height() * fileDialogLines);
  dialog.resize(wanted.boundedTo(dialog.screen()->availableSize()));
  auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  if (list == nullptr) return;
  // The widest of each column's texts; the name takes what the others leave.
  const QFontMetrics metrics = list->fontMetrics();
  auto width = [&](const QString& widest) { return metrics.horizontalAdvance(widest) + 3 * metrics.averageCharWidth(); };
  using Columns = LocalisedFileColumns;
  list->header()->setStretchLastSection(false);
  list->header()->setSectionResizeMode(Columns::Name, QHeaderView::Stretch);
  list->header()->resizeSection(Columns::Size, width(Columns::size(999'900'000'000)));
  list->header()->resizeSection(Columns::Kind, width(QMimeDatabase().mimeTypeForName(QStringLiteral("text/plain")).comment()));
  list->header()->resizeSection(Columns::Date, width(Columns::date(QDateTime(QDate(2000, 12, 28), QTime(23, 59)))));
}

bool QtDocumentOpener::open(const std::string& pathOrAddress) {
  const QString target = QString::fromStdString(pathOrAddress);
  const QUrl url = target.contains(QStringLiteral("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
  return QDesktopServices::openUrl(url);
}

} // namespace kvarnel
