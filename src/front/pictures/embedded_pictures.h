// The pictures compiled into the program: the title picture, the window icon, the about logo.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace kvarnel {

QPixmap titlePicture(); // 300 x 400
QIcon gameIcon();       // drawn at 16 to 256 pixels
QPixmap aboutLogo();    // 71 x 126

} // namespace kvarnel
