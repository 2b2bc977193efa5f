// The windows' designed look: fonts, colours, dialog frames.
#pragma once

#include "front/field/background.h"

#include <QColor>
#include <QFont>

#include <cstdint>

class QWidget;

namespace kvarnel {

// Maps the designed font families to the nearest installed ones. Call once at start-up.
void installFontSubstitutions();

// A designed font. Point sizes are turned into pixels at 96 dots per inch, so that every
// window keeps its designed proportions whatever the screen reports.
QFont designFont(const QString& family, double points, bool bold, bool underline = false);

inline const QString sansSerif = QStringLiteral("MS Sans Serif");
inline const QString serif = QStringLiteral("Times New Roman");

// A fixed-size dialog with a close box and no minimise or maximise box, centred.
void makeDialogFrame(QWidget* dialog, int clientWidth, int clientHeight);

} // namespace kvarnel
