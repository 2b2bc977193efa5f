// The panel that covers the whole viewport while the game is paused: plain, with "Пауза" in the
// middle, so that a pause shows nothing of the maze. A click on it asks to go on.
#pragma once

#include <QLabel>

namespace kvarnel {

class PausePanel : public QLabel {
  Q_OBJECT
public:
  // Covers the parent from now on, whatever its size.
  explicit PausePanel(QWidget* parent);

signals:
  void clicked();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
};

} // namespace kvarnel
