// The end window.
#include "play/frm_end.h"

#include "core/rounding.h"
#include "view/picture_box.h"
#include "windows/design.h"
#include "windows/twips.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace kvarnel {
namespace {

const QColor background(224, 224, 224);

QColor colourOf(std::int32_t bgr) { return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff); }

} // namespace

frmEnd::frmEnd(std::int32_t dialogArg, Clock& clock, QWidget* parent)
    : QDialog(parent), clock_(clock), text_(endWindowText(dialogArg)) {
  setObjectName(QStringLiteral("frmEnd"));
  setWindowTitle(QStringLiteral("Конец игры"));
  setFont(designFont(sansSerif, 12, true));
  setBackground(this, background);

  Picture1 = new PictureBox(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setGeometry(twipsRect(120, 120, 2400, 1260));
  Picture1->setBackgroundColour(background);
  Picture1->setFont(designFont(serif, 36, true));

  OK = new QPushButton(QStringLiteral("OK"), this);
  OK->setObjectName(QStringLiteral("OK"));
  OK->setGeometry(twipsRect(6120, 1680, 1335, 495));
  OK->setDefault(true);
  setBackground(OK, background);
  connect(OK, &QPushButton::clicked, this, &QDialog::accept);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(100);
  connect(Timer1, &QTimer::timeout, this, &frmEnd::Timer1_Timer);

  makeDialogFrame(this, twips(7560), twips(2265));
  Form_Load();
}

void frmEnd::Form_Load() {
  const QFontMetricsF metrics(Picture1->font());
  const QString message = QString::fromStdString(text_.endMessage);
  const int boxWidth = roundHalfEven(metrics.horizontalAdvance(message) + 4);
  Picture1->setGeometry(roundHalfEven((width() - boxWidth) * 0.5), Picture1->y(), boxWidth, Picture1->height());
  letters_ = lettersOf(text_.endMessage);
  for (const std::string& letter : letters_)
    advances_.push_back(metrics.horizontalAdvance(QString::fromStdString(letter)));
  Timer1->start();
}

void frmEnd::Timer1_Timer() {
  const std::vector<std::int32_t> drops = letterDrops(letters_.size(), clock_);
  const LetterLayout layout = layOutLetters(advances_, drops);
  Picture1->clear();
  QPainter painter(&Picture1->canvas());
  painter.setFont(Picture1->font());
  const qreal ascent = QFontMetricsF(Picture1->font()).ascent();
  auto pass = [&](const std::vector<LetterSpot>& spots, const QColor& colour) {
    painter.setPen(colour);
    for (std::size_t j = 0; j < letters_.size(); ++j)
      painter.drawText(QPointF(spots[j].x, spots[j].y + ascent), QString::fromStdString(letters_[j]));
  };
  pass(layout.shadow, Qt::black);
  pass(layout.colour, colourOf(text_.messageColor));
  Picture1->update();
}

} // namespace kvarnel
