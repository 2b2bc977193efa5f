// The window "Код лабиринта".
#include "front/dialogs/maze_code_window.h"

#include "front/dialogs/design.h"
#include "front/dialogs/dialog_buttons.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvarnel {

MazeCodeWindow::MazeCodeWindow(const QString& code, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmCode"));
  setWindowTitle(tr("Код лабиринта"));
  setFont(designFont(sansSerif, 10, false));

  auto* label = new QLabel(tr("Этот лабиринт можно построить снова по его коду:"), this);
  label->setGeometry(12, 12, 376, 20);
  code_ = new QLineEdit(code, this);
  code_->setObjectName(QStringLiteral("txtCode"));
  code_->setReadOnly(true);
  code_->setGeometry(12, 38, 376, 26);
  code_->setFont(designFont(sansSerif, 12, true));

  connect(dialogButton(this, "kCopy", tr("Копировать"), {168, 78, 110, 30}), &QPushButton::clicked, this,
          &MazeCodeWindow::copy);
  connect(dialogButton(this, "OK", QStringLiteral("OK"), {288, 78, 100, 30}, EnterPresses::Yes),
          &QPushButton::clicked, this, &QDialog::accept);

  makeDialogFrame(this, 400, 120);
  code_->selectAll();
  code_->setFocus();
}

void MazeCodeWindow::copy() {
  QGuiApplication::clipboard()->setText(code_->text());
  code_->selectAll();
  code_->setFocus();
}

} // namespace kvarnel
