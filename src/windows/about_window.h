// The about window: version and dates, author and contact lines, the link to the game's site,
// the logo and the three-band picture.
#pragma once

#include "core/platform.h"

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

namespace kvarnel {

class PictureBox;

class frmOprog : public QDialog {
  Q_OBJECT
public:
  // appFolder (ending in a separator) receives the redirect page the link opens.
  frmOprog(std::string appFolder, DocumentOpener& documents, QWidget* parent = nullptr);

  // Draws the three bands into Picture1; runs when the window is created.
  void Form_Load();
  // Opens the site named by Label1's tag through a redirect page; the window stays open.
  void Label1_Click();
  void OK_Click();

  // The controls, named as designed; Label2[i] is the label of that index, where one exists.
  QLabel* Image1 = nullptr;
  QLabel* Label2[8]{};
  QLabel* Label1 = nullptr;
  QWidget* Line1 = nullptr;
  QWidget* Line2 = nullptr;
  PictureBox* Picture1 = nullptr;
  QPushButton* OK = nullptr;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void createControls();

  std::string appFolder_;
  DocumentOpener& documents_;
};

} // namespace kvarnel
