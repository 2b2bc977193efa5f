// A picture box that keeps its drawing: what is painted into its canvas stays until cleared.
#pragma once

#include <QFrame>
#include <QImage>

namespace kvarnel {

class PictureBox : public QFrame {
  Q_OBJECT
public:
  explicit PictureBox(QWidget* parent = nullptr);

  // The kept drawing, the size of the box's inside (within its frame, if it has one) in logical
  // pixels, at the density of the box's screen; paint into it, then update().
  QImage& canvas();
  // Fills the kept drawing with the background colour.
  void clear();
  void setBackgroundColour(const QColor& colour);
  QColor backgroundColour() const { return background_; }

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  QImage canvas_;
  QColor background_ = Qt::white;
};

} // namespace kvarnel
