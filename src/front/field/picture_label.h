// A label that shows its picture in the picture's own colours, enabled or not.
#pragma once

#include <QLabel>

#include <functional>

namespace kvarnel {

// Qt paints the picture of a disabled label greyed out; in the game's windows a disabled picture
// only takes no input, and the hero or a preview must keep its colours pixel for pixel. The
// picture stands at the top-left corner of the frame's inside and is cut off at its edges; one of
// another density than the screen's is scaled smoothly.
class PictureLabel : public QLabel {
public:
  using QLabel::QLabel;

  // From now on the picture is drawn by draw for the device pixel ratio of the screen the label
  // is on, and drawn again when that ratio changes.
  void drawWith(std::function<QPixmap(qreal ratio)> draw);

protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

private:
  void drawForScreen();

  std::function<QPixmap(qreal)> draw_;
};

} // namespace kvarnel
