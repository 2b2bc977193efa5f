// The window before printing or exporting a maze.
#include "front/dialogs/paper_window.h"

#include "front/dialogs/design.h"
#include "front/dialogs/dialog_buttons.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace kvarnel {

PaperWindow::PaperWindow(PaperUse use, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmPaper"));
  setWindowTitle(use == PaperUse::Print ? tr("Печать") : tr("Экспорт"));
  setFont(designFont(sansSerif, 10, false));

  auto* label = new QLabel(tr("Как нарисовать лабиринт:"), this);
  label->setGeometry(12, 12, 296, 20);
  lines_ = new QRadioButton(tr("Линии"), this);
  lines_->setObjectName(QStringLiteral("optLines"));
  lines_->setGeometry(24, 36, 284, 22);
  lines_->setChecked(true);
  auto* pictures = new QRadioButton(tr("Рисунки"), this);
  pictures->setObjectName(QStringLiteral("optPictures"));
  pictures->setGeometry(24, 60, 284, 22);
  way_ = new QCheckBox(tr("Нарисовать путь к двери"), this);
  way_->setObjectName(QStringLiteral("chWay"));
  way_->setGeometry(12, 92, 296, 22);

  connect(dialogButton(this, "kOK", tr("OK"), {98, 126, 100, 30}, EnterPresses::Yes), &QPushButton::clicked, this,
          &QDialog::accept);
  connect(dialogButton(this, "kNO", tr("Отмена"), {208, 126, 100, 30}), &QPushButton::clicked, this,
          &QDialog::reject);

  makeDialogFrame(this, 320, 168);
  lines_->setFocus();
}

std::optional<PaperChoice> PaperWindow::choice() const {
  if (result() != QDialog::Accepted) return std::nullopt;
  return PaperChoice{lines_->isChecked() ? PaperLook::Lines : PaperLook::Pictures, way_->isChecked()};
}

} // namespace kvarnel
