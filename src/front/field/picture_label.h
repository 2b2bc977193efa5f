// A label that shows its picture in the picture's own colours, enabled or not.
#pragma once

#include <QLabel>

namespace kvarnel {

// Qt paints the picture of a disabled label greyed out; in the game's windows a disabled picture
// only takes no input, and the hero or a preview must keep its colours pixel for pixel. The
// picture stands at the top-left corner of the frame's inside and is cut off at its edges.
class PictureLabel : public QLabel {
public:
  using QLabel::QLabel;

protected:
  void paintEvent(QPaintEvent* event) override;
};

} // namespace kvarnel
