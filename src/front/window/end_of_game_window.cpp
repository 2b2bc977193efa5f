// The end window.
#include "front/window/end_of_game_window.h"

#include "game/core/rounding.h"
#include "front/field/picture_box.h"
#include "front/dialogs/design.h"
#include "front/dialogs/dialog_buttons.h"
#include "front/dialogs/twips.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace kvarnel {
namespace {

const QColor background(224, 224, 224);

} // namespace

EndOfGameWindow::EndOfGameWindow(GameEnd end, Clock& clock, QWidget* parent)
    : QDialog(parent), clock_(clock), text_(endWindowText(end)) {
  setObjectName(QStringLiteral("frmEnd"));
  setWindowTitle(tr("Конец игры"));
  setFont(designFont(sansSerif, 12, true));
  setBackground(this, background);

  message_ = new PictureBox(this);
  message_->setObjectName(QStringLiteral("Picture1"));
  message_->setGeometry(twipsRect(120, 120, 2400, 1260));
  message_->setBackgroundColour(background);
  message_->setFont(designFont(serif, 36, true));

  QPushButton* ok = dialogButton(this, "OK", QStringLiteral("OK"), twipsRect(6120, 1680, 1335, 495), EnterPresses::Yes);
  setBackground(ok, background);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  letterTimer_ = new QTimer(this);
  letterTimer_->setObjectName(QStringLiteral("Timer1"));
  letterTimer_->setInterval(100);
  connect(letterTimer_, &QTimer::timeout, this, &EndOfGameWindow::jumpLetters);

  makeDialogFrame(this, twips(7560), twips(2265));
  placeMessage();
  letterTimer_->start();
}

// The message box is centred at the width of the message in its font.
void EndOfGameWindow::placeMessage() {
  const QFontMetricsF metrics(message_->font());
  const QString message = QString::fromStdString(text_.endMessage);
  const int boxWidth = roundHalfEven(metrics.horizontalAdvance(message) + 4);
  message_->setGeometry(roundHalfEven((width() - boxWidth) * 0.5), message_->y(), boxWidth, message_->height());
  letters_ = lettersOf(text_.endMessage);
  for (const std::string& letter : letters_)
    advances_.push_back(metrics.horizontalAdvance(QString::fromStdString(letter)));
}

void EndOfGameWindow::jumpLetters() {
  const std::vector<std::int32_t> drops = letterDrops(letters_.size(), clock_);
  const LetterLayout layout = layOutLetters(advances_, drops);
  message_->clear();
  QPainter painter(&message_->canvas());
  painter.setFont(message_->font());
  const qreal ascent = QFontMetricsF(message_->font()).ascent();
  auto pass = [&](const std::vector<LetterSpot>& spots, const QColor& colour) {
    painter.setPen(colour);
    for (std::size_t j = 0; j < letters_.size(); ++j)
      painter.drawText(QPointF(spots[j].x, spots[j].y + ascent), QString::fromStdString(letters_[j]));
  };
  pass(layout.shadow, Qt::black);
  pass(layout.colour, qtColour(text_.messageColor));
  message_->update();
}

} // namespace kvarnel
