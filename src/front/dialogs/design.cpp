// The windows' designed look.
#include "front/dialogs/design.h"

#include <QFontDatabase>
#include <QWidget>

#include <cmath>

namespace kvarnel {

void installFontSubstitutions() {
  QFont::insertSubstitutions(sansSerif, {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  QFont::insertSubstitutions(serif, {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
}

QFont designFont(const QString& family, double points, bool bold, bool underline) {
  QFont font(family);
  font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
  font.setBold(bold);
  font.setUnderline(underline);
  return font;
}

void makeDialogFrame(QWidget* dialog, int clientWidth, int clientHeight) {
  dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  dialog->setFixedSize(clientWidth, clientHeight);
}

} // namespace kvarnel
