// The about window.
#include "windows/frm_oprog.h"

#include "view/picture_box.h"
#include "web/web_links.h"
#include "windows/design.h"
#include "windows/embedded_pictures.h"
#include "windows/twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace kvarnel {
namespace {

const QColor windowColour(192, 192, 192);
const QString siteAddress = QStringLiteral("https://kvarnel.example.org/");

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

frmOprog::frmOprog(std::string appFolder, DocumentOpener& documents, QWidget* parent)
    : QDialog(parent), appFolder_(std::move(appFolder)), documents_(documents) {
  setObjectName(QStringLiteral("frmOprog"));
  setWindowTitle(QStringLiteral("О программе"));
  setFont(designFont(sansSerif, 12, true));
  setBackground(this, windowColour);
  makeDialogFrame(this, twips(5340), twips(3135));
  createControls();
  Form_Load();
}

void frmOprog::createControls() {
  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(twipsRect(240, 120, 1065, 1890));
  Image1->setPixmap(aboutLogo());

  Label2[3] = label(this, QStringLiteral("Label2_3"), twipsRect(1560, 120, 3300, 300),
                    QStringLiteral("Автор: команда Кварнели"));
  Label2[4] = label(this, QStringLiteral("Label2_4"), twipsRect(1560, 480, 3630, 300),
                    QStringLiteral("Почта: kvarnel@example.org"));
  Label2[5] = label(this, QStringLiteral("Label2_5"), twipsRect(1560, 840, 720, 300), QStringLiteral("Сайт:"));

  Label1 = label(this, QStringLiteral("Label1"), twipsRect(2280, 840, 2745, 300),
                 QStringLiteral("Кварнель в сети"));
  Label1->setFont(designFont(sansSerif, 12, true, true));
  QPalette linkColours = Label1->palette();
  linkColours.setColor(QPalette::WindowText, QColor(0, 0, 192));
  Label1->setPalette(linkColours);
  Label1->setCursor(Qt::PointingHandCursor);
  Label1->setProperty("tag", siteAddress);
  Label1->installEventFilter(this);

  Label2[6] = label(this, QStringLiteral("Label2_6"), twipsRect(1560, 1200, 1560, 300),
                    QStringLiteral("Версия: v1.1"));
  Label2[7] = label(this, QStringLiteral("Label2_7"), twipsRect(1560, 1560, 3045, 300),
                    QStringLiteral("Дата: 3 июня 2009 год -"));
  Label2[0] = label(this, QStringLiteral("Label2_0"), twipsRect(2340, 1920, 2235, 300),
                    QStringLiteral("27 июля 2015 год"));

  Line1 = line(this, "Line1", 120, 2280, 5160, palette().color(QPalette::WindowText));
  Line2 = line(this, "Line2", 120, 2295, 5160, palette().color(QPalette::Base));

  Picture1 = new PictureBox(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setGeometry(twipsRect(120, 2400, 1200, 675));
  Picture1->setBackgroundColour(Qt::white);

  OK = new QPushButton(QStringLiteral("OK"), this);
  OK->setObjectName(QStringLiteral("OK"));
  OK->setGeometry(twipsRect(3840, 2460, 1335, 495));
  setBackground(OK, windowColour);
  OK->setDefault(true);
  OK->setFocus();
  connect(OK, &QPushButton::clicked, this, &frmOprog::OK_Click);
}

void frmOprog::Form_Load() {
  QPainter painter(&Picture1->canvas());
  // Corners are inclusive; the red band runs on past the box's last row and is cut there.
  painter.fillRect(QRect(QPoint(0, 15), QPoint(79, 30)), QColor(0, 0, 255));
  painter.fillRect(QRect(QPoint(0, 31), QPoint(79, 45)), QColor(255, 0, 0));
  painter.end();
  Picture1->update();
}

void frmOprog::Label1_Click() {
  SaveFileUrl(appFolder_, Label1->property("tag").toString().toStdString(), documents_);
}

void frmOprog::OK_Click() { accept(); }

bool frmOprog::eventFilter(QObject* watched, QEvent* event) {
  // A click is a left press released over the label, as a button would take it.
  if (watched == Label1 && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && Label1->rect().contains(mouse->position().toPoint()))
      Label1_Click();
  }
  return QDialog::eventFilter(watched, event);
}

} // namespace kvarnel
