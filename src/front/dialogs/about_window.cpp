// The about window.
#include "front/dialogs/about_window.h"

#include "game/core/release.h"
#include "front/field/picture_box.h"
#include "front/dialogs/design.h"
#include "front/dialogs/dialog_buttons.h"
#include "front/pictures/embedded_pictures.h"
#include "front/dialogs/twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace kvarnel {
namespace {

const QColor windowColour(192, 192, 192);

QLabel* label(QWidget* parent, const QString& name, const QRect& designed, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setGeometry(designed);
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setBackground(l, windowColour);
  return l;
}

// One pixel high, in a colour of the desktop's scheme: two of them make the etched rule.
QWidget* line(QWidget* parent, const char* name, int leftTw, int topTw, int rightTw, const QColor& colour) {
  auto* l = new QWidget(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setGeometry(twips(leftTw), twips(topTw), twips(rightTw) - twips(leftTw), 1);
  setBackground(l, colour);
  return l;
}

} // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmOprog"));
  setWindowTitle(tr("О программе"));
  setFont(designFont(sansSerif, 12, true));
  setBackground(this, windowColour);
  makeDialogFrame(this, twips(5340), twips(3135));
  createControls();
  paintBands();
}

void AboutWindow::createControls() {
  auto* logo = new QLabel(this);
  logo->setObjectName(QStringLiteral("Image1"));
  logo->setGeometry(twipsRect(240, 120, 1065, 1890));
  logo->setPixmap(aboutLogo());

  label(this, QStringLiteral("Label2_3"), twipsRect(1560, 120, 3300, 300), tr("Автор: команда Кварнели"));
  // The game's home takes the players' questions on its page of issues.
  QLabel* contact = label(this, QStringLiteral("Label2_4"), twipsRect(1560, 480, 3630, 300),
                          tr("Отзывы: Issues на сайте"));
  contact->setToolTip(QString::fromStdString(issuesAddress()));
  label(this, QStringLiteral("Label2_5"), twipsRect(1560, 840, 720, 300), tr("Сайт:"));

  link_ = label(this, QStringLiteral("Label1"), twipsRect(2280, 840, 2745, 300),
                tr("Кварнель на GitHub"));
  link_->setFont(designFont(sansSerif, 12, true, true));
  QPalette linkColours = link_->palette();
  linkColours.setColor(QPalette::WindowText, QColor(0, 0, 192));
  link_->setPalette(linkColours);
  link_->setCursor(Qt::PointingHandCursor);
  link_->setProperty("tag", QString::fromStdString(homeAddress()));
  link_->setToolTip(QString::fromStdString(homeAddress()));
  link_->installEventFilter(this);

  label(this, QStringLiteral("Label2_6"), twipsRect(1560, 1200, 1560, 300), tr("Версия: v%1").arg(QString::fromStdString(shortReleaseVersion())));
  label(this, QStringLiteral("Label2_7"), twipsRect(1560, 1560, 3045, 300), tr("Дата: 3 июня 2009 год -"));
  label(this, QStringLiteral("Label2_0"), twipsRect(2340, 1920, 2235, 300), tr("27 июля 2015 год"));

  line(this, "Line1", 120, 2280, 5160, palette().color(QPalette::WindowText));
  line(this, "Line2", 120, 2295, 5160, palette().color(QPalette::Base));

  bands_ = new PictureBox(this);
  bands_->setObjectName(QStringLiteral("Picture1"));
  bands_->setGeometry(twipsRect(120, 2400, 1200, 675));
  bands_->setBackgroundColour(Qt::white);

  QPushButton* ok = dialogButton(this, "OK", QStringLiteral("OK"), twipsRect(3840, 2460, 1335, 495), EnterPresses::Yes);
  setBackground(ok, windowColour);
  ok->setFocus();
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutWindow::paintBands() {
  QPainter painter(&bands_->canvas());
  // Corners are inclusive; the red band runs on past the box's last row and is cut there.
  painter.fillRect(QRect(QPoint(0, 15), QPoint(79, 30)), QColor(0, 0, 255));
  painter.fillRect(QRect(QPoint(0, 31), QPoint(79, 45)), QColor(255, 0, 0));
  painter.end();
  bands_->update();
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
  // A click is a left press released over the label, as a button would take it.
  if (watched == link_ && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && link_->rect().contains(mouse->position().toPoint()))
      emit addressClicked(link_->property("tag").toString());
  }
  return QDialog::eventFilter(watched, event);
}

} // namespace kvarnel
