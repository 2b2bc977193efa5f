// The main window's timers.
#include "front/window/game_timers.h"

#include <QString>
#include <QTimer>

namespace kvarnel {

QTimer* gameTimer(QObject* parent, const char* name, int interval, bool once) {
  auto* t = new QTimer(parent);
  t->setObjectName(QString::fromLatin1(name));
  t->setInterval(interval);
  t->setSingleShot(once);
  return t;
}

void runTimer(QTimer& timer, bool runs, int interval) {
  if (!runs) timer.stop();
  else if (!timer.isActive() || timer.interval() != interval) timer.start(interval);
}

} // namespace kvarnel
