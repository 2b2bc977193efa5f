// A widget's solid background.
#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace kvarnel {

inline void setBackground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

} // namespace kvarnel
