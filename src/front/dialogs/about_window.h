// The about window: version and dates, author and contact lines, the link to the game's site,
// the logo and the three-band picture.
#pragma once

#include <QDialog>

class QLabel;

namespace kvarnel {

class PictureBox;

class AboutWindow : public QDialog {
  Q_OBJECT
public:
  explicit AboutWindow(QWidget* parent = nullptr);

signals:
  // The player clicked the link to this address; the window stays open.
  void addressClicked(const QString& address);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void createControls();
  void paintBands();

  QLabel* link_ = nullptr;
  PictureBox* bands_ = nullptr;
};

} // namespace kvarnel
