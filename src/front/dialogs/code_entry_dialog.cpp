// The window "Лабиринт по коду".
#include "front/dialogs/code_entry_dialog.h"

#include "front/dialogs/design.h"
#include "front/dialogs/dialog_buttons.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvarnel {

CodeEntryDialog::CodeEntryDialog(MessageBoxes& messages, QWidget* parent) : QDialog(parent), messages_(messages) {
  setObjectName(QStringLiteral("frmFromCode"));
  setWindowTitle(tr("Лабиринт по коду"));
  setFont(designFont(sansSerif, 10, false));

  auto* label = new QLabel(tr("Код лабиринта (например, 20x4:45296.17):"), this);
  label->setGeometry(12, 12, 376, 20);
  entry_ = new QLineEdit(this);
  entry_->setObjectName(QStringLiteral("txtCode"));
  entry_->setGeometry(12, 38, 376, 26);
  entry_->setFont(designFont(sansSerif, 12, true));
  label->setBuddy(entry_);

  // Enter in the entry confirms.
  connect(dialogButton(this, "kOK", QStringLiteral("OK"), {178, 78, 100, 30}, EnterPresses::Yes),
          &QPushButton::clicked, this, &CodeEntryDialog::confirm);
  connect(dialogButton(this, "kNO", tr("Отмена"), {288, 78, 100, 30}), &QPushButton::clicked, this,
          &QDialog::reject);

  makeDialogFrame(this, 400, 120);
  entry_->setFocus();
}

void CodeEntryDialog::confirm() {
  code_ = parseMazeCode(entry_->text().toStdString());
  if (!code_) {
    messages_.stop(playerText(mazeCodeHelp));
    entry_->selectAll();
    entry_->setFocus();
    return;
  }
  accept();
}

} // namespace kvarnel
