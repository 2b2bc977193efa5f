// The window "Лабиринт по коду".
#include "front/dialogs/code_entry_dialog.h"

#include "front/dialogs/design.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvarnel {

CodeEntryDialog::CodeEntryDialog(MessageBoxes& messages, QWidget* parent) : QDialog(parent), messages_(messages) {
  setObjectName(QStringLiteral("frmFromCode"));
  setWindowTitle(QStringLiteral("Лабиринт по коду"));
  setFont(designFont(sansSerif, 10, false));

  auto* label = new QLabel(QStringLiteral("Код лабиринта (например, 20x4:45296.17):"), this);
  label->setGeometry(12, 12, 376, 20);
  entry_ = new QLineEdit(this);
  entry_->setObjectName(QStringLiteral("txtCode"));
  entry_->setGeometry(12, 38, 376, 26);
  entry_->setFont(designFont(sansSerif, 12, true));
  label->setBuddy(entry_);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("kOK"));
  ok->setGeometry(178, 78, 100, 30);
  ok->setDefault(true); // Enter in the entry confirms
  connect(ok, &QPushButton::clicked, this, &CodeEntryDialog::confirm);
  auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
  cancel->setObjectName(QStringLiteral("kNO"));
  cancel->setGeometry(288, 78, 100, 30);
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  makeDialogFrame(this, 400, 120);
  entry_->setFocus();
}

void CodeEntryDialog::confirm() {
  code_ = parseMazeCode(entry_->text().toStdString());
  if (!code_) {
    messages_.stop(mazeCodeHelp);
    entry_->selectAll();
    entry_->setFocus();
    return;
  }
  accept();
}

} // namespace kvarnel
