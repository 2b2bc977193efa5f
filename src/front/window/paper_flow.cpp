// Printing and exporting the maze on show.
#include "front/window/paper_flow.h"

#include "game/core/atomic_file.h"
#include "game/files/maze_file_commands.h"
#include "front/dialogs/modal_runner.h"
#include "front/dialogs/paper_window.h"
#include "front/paper/paper_export.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>

namespace kvarnel {
namespace {

std::optional<PaperChoice> askHow(PaperUse use, ModalRunner& modals, QWidget* parent) {
  PaperWindow window(use, parent);
  modals.run(window);
  return window.choice();
}

// A name to offer for the file: the code with a dash for its colon, the maze file's name, or a
// plain word.
std::string proposedName(const QString& caption) {
  QString name = caption.isEmpty() ? QCoreApplication::translate("PaperFlow", "Лабиринт")
                                   : QFileInfo(caption).completeBaseName();
  if (caption.contains(QLatin1Char(':'))) name = QString(caption).replace(QLatin1Char(':'), QLatin1Char('-'));
  return (name + QStringLiteral(".pdf")).toStdString();
}

// Letter where the locale measures in inches, A4 elsewhere.
PaperKind localPaper() {
  return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? PaperKind::Letter : PaperKind::A4;
}

} // namespace

QString paperCaption(const std::optional<std::string>& mazeCode, const std::string& mazeFilePath) {
  return QString::fromStdString(mazeCode ? *mazeCode : fileNameOf(mazeFilePath));
}

PaperFlow::PaperFlow(Services& services, ModalRunner& modals, QWidget* parent, std::string documentsFolder)
    : services_(services), modals_(modals), parent_(parent), folder_(std::move(documentsFolder)) {}

bool PaperFlow::print(const PaperSubject& subject) {
  const std::optional<PaperChoice> how = askHow(PaperUse::Print, modals_, parent_);
  if (!how) return false;
  QPrinter printer(QPrinter::HighResolution);
  // Printing to a file offers the name an export would.
  printer.setDocName(QString::fromStdString(proposedName(subject.caption)));
  const MazeSize rooms{subject.maze->roomsAcross, subject.maze->roomsDown};
  printer.setPageOrientation(landscapeSuits(rooms) ? QPageLayout::Landscape : QPageLayout::Portrait);
  QPrintDialog dialog(&printer, parent_);
  dialog.setObjectName(QStringLiteral("dlgPrint"));
  modals_.run(dialog);
  if (dialog.result() != QDialog::Accepted) return false;
  if (!printSheet(printer, {{subject.maze, how->look, how->withWay, subject.pictures, 1.0}, subject.caption})) {
    services_.messages.stop(
        QCoreApplication::translate("PaperFlow", "Не удалось напечатать лабиринт.").toStdString());
    return false;
  }
  return how->withWay;
}

// The file to export to: asked for, given ".pdf" when it has no ending, checked for its kind and,
// when it exists, whether it may be replaced; nothing when the player cancels or is told why not.
std::optional<std::string> PaperFlow::askExportPath(const QString& caption) {
  const QString kinds = QCoreApplication::translate("PaperFlow", "PDF, SVG или PNG (*.pdf *.svg *.png)");
  std::optional<std::string> path = services_.fileDialogs.askSave({folder_, proposedName(caption), kinds.toStdString()});
  if (!path) return std::nullopt;
  // A name without an ending becomes a PDF, as a maze file becomes .lbr.
  if (QFileInfo(QString::fromStdString(fileNameOf(*path))).suffix().isEmpty()) *path += ".pdf";
  if (!paperFormatOf(*path)) {
    services_.messages.stop(QCoreApplication::translate(
        "PaperFlow", "Лабиринт сохраняется в файл PDF, SVG или PNG: имя файла должно кончаться на .pdf, .svg или .png.")
                                .toStdString());
    return std::nullopt;
  }
  if (!mayWriteTo(*path, services_.messages)) return std::nullopt;
  return path;
}

bool PaperFlow::exportFile(const PaperSubject& subject) {
  const std::optional<PaperChoice> how = askHow(PaperUse::Export, modals_, parent_);
  if (!how) return false;
  const std::optional<std::string> path = askExportPath(subject.caption);
  if (!path) return false;
  const MazeSize rooms{subject.maze->roomsAcross, subject.maze->roomsDown};
  const Sheet sheet{{subject.maze, how->look, how->withWay, subject.pictures, 1.0}, subject.caption};
  const QByteArray bytes = sheetBytes(*paperFormatOf(*path), sheet, paperPage(localPaper(), rooms));
  const std::string_view written(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  // The bytes are whole before the file is touched: a failure leaves an old file as it was.
  if (bytes.isEmpty() || writeFileAtomically(*path, written) != AtomicWriteResult::Ok) {
    const QString message = QCoreApplication::translate("PaperFlow", "Не удалось сохранить файл \"%1\".");
    services_.messages.stop(message.arg(QString::fromStdString(*path)).toStdString());
    return false;
  }
  folder_ = folderOf(*path);
  return how->withWay;
}

} // namespace kvarnel
