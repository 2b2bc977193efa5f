// A widget's solid background, and the game's colours as Qt takes them.
#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

#include <cstdint>

namespace kvarnel {

// One of the game's colours (24 bits, red in the low byte).
inline QColor qtColour(std::int32_t bgr) { return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff); }

inline void setBackground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

} // namespace kvarnel
