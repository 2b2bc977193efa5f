// The pause panel.
#include "front/field/pause_panel.h"

#include "front/field/background.h"

#include <QEvent>
#include <QFont>
#include <QWheelEvent>

namespace kvarnel {

PausePanel::PausePanel(QWidget* parent) : QLabel(tr("Пауза"), parent) {
  setObjectName(QStringLiteral("PausePanel"));
  setAlignment(Qt::AlignCenter);
  setBackground(this, QColor(224, 224, 224));
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, QColor(96, 96, 96));
  setPalette(palette);
  QFont font = this->font();
  font.setPixelSize(32);
  font.setBold(true);
  setFont(font);
  setCursor(Qt::PointingHandCursor);
  setGeometry(parent->rect());
  parent->installEventFilter(this);
  hide();
}

bool PausePanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
  return QLabel::eventFilter(watched, event);
}

void PausePanel::mouseReleaseEvent(QMouseEvent*) { emit clicked(); }

// The maze under the panel stays where it is.
void PausePanel::wheelEvent(QWheelEvent* event) { event->accept(); }

} // namespace kvarnel
