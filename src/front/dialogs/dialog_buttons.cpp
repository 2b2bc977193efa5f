// The push buttons of the game's dialogs.
#include "front/dialogs/dialog_buttons.h"

#include <QPushButton>

namespace kvarnel {

QPushButton* dialogButton(QWidget* dialog, const char* name, const QString& text, const QRect& at,
                          EnterPresses enter) {
  auto* button = new QPushButton(text, dialog);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(at);
  button->setAutoDefault(false);
  button->setDefault(enter == EnterPresses::Yes);
  return button;
}

} // namespace kvarnel
