// Designed positions and sizes are in twips: 15 to the pixel.
#pragma once

#include <QRect>

namespace kvarnel {

constexpr int twips(int t) { return t / 15; }

inline QRect twipsRect(int left, int top, int width, int height) {
  return {twips(left), twips(top), twips(width), twips(height)};
}

} // namespace kvarnel
