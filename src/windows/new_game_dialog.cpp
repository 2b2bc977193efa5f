// The new-game dialog.
#include "windows/frm_new.h"

#include "core/picture_kinds.h"
#include "core/size_limits.h"
#include "core/typed_number.h"
#include "windows/design.h"
#include "windows/load_pic.h"
#include "windows/modal_runner.h"
#include "windows/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvarnel {

const char* const frmNew::tooLargeMessage =
    "Такой лабиринт не построить. По горизонтали и по вертикали можно задать не больше 16383 "
    "дорожек, а всего - не больше 32767 комнат (например, 181 x 181).";

namespace {

const QColor violet(192, 0, 192);

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& at) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setGeometry(at);
  return l;
}

QLabel* preview(QWidget* parent, const char* name, const QRect& at) {
  auto* box = label(parent, name, QString(), at);
  box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setBackground(box, Qt::white);
  box->setEnabled(false);
  return box;
}

QComboBox* timeField(QWidget* parent, const char* name, const QRect& at, const QStringList& items) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(at);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->addItems(items);
  box->setCurrentIndex(-1);
  box->setFont(designFont(serif, 14.25, false));
  box->setEnabled(false);
  return box;
}

void paintViolet(QWidget* widget) {
  QPalette p = widget->palette();
  p.setColor(QPalette::WindowText, violet);
  widget->setPalette(p);
  widget->setFont(designFont(serif, 14.25, true));
}

// A field's number; nothing when it does not fit in 32 bits.
std::optional<std::int32_t> numberIn(const QString& text) { return leadingNumber(text.toStdString()); }

} // namespace

frmNew::frmNew(GameState& state, Services& services, ModalRunner& modals, GameWindow& window, QWidget* parent)
    : QDialog(parent), state_(state), services_(services), modals_(modals), window_(window) {
  setObjectName(QStringLiteral("frmNew"));
  setWindowTitle(QStringLiteral("Новая игра"));
  setFont(designFont(sansSerif, 12, true));
  createControls();
  makeDialogFrame(this, twips(6465), twips(5730));
  Form_Load();
}

void frmNew::createControls() {
  lblPoleWidth = label(this, "lblPoleWidth", QStringLiteral("Кол-во дорожек по горизонтали:"),
                       twipsRect(120, 180, 4200, 300));
  lblPoleHeight = label(this, "lblPoleHeight", QStringLiteral("Кол-во дорожек по вертикали:"),
                        twipsRect(120, 660, 3930, 300));
  auto sizeField = [this](const char* name, const QRect& at) {
    auto* field = new QLineEdit(QStringLiteral("4"), this);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(at);
    field->setFont(designFont(sansSerif, 9.75, true));
    return field;
  };
  txtPoleWidth = sizeField("txtPoleWidth", twipsRect(4440, 120, 735, 360));
  txtPoleHeight = sizeField("txtPoleHeight", twipsRect(4440, 600, 735, 360));

  label(this, "Label3", QStringLiteral("Герой:"), twipsRect(120, 1080, 840, 300));
  label(this, "Label4", QStringLiteral("Стенки:"), twipsRect(2280, 1080, 1005, 300));
  label(this, "Label5", QStringLiteral("Дверь:"), twipsRect(4440, 1080, 885, 300));
  picGeroy = preview(this, "picGeroy", twipsRect(120, 1440, 1920, 1920));
  picStenka = preview(this, "picStenka", twipsRect(2280, 1440, 1920, 1920));
  picDveri = preview(this, "picDveri", twipsRect(4440, 1440, 1920, 1920));

  const std::array<QString, 3> chooserTexts{chooserCaption(PictureKind::Hero), chooserCaption(PictureKind::Wall),
                                            chooserCaption(PictureKind::Door)};
  for (int i = 0; i < 3; ++i) {
    auto* button = new QPushButton(chooserTexts[static_cast<std::size_t>(i)], this);
    button->setObjectName(QStringLiteral("Command1_%1").arg(i));
    button->setGeometry(twipsRect(120 + 2160 * i, 3480, 1935, 495));
    connect(button, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    Command1[static_cast<std::size_t>(i)] = button;
  }

  chTime = new QCheckBox(QStringLiteral("Игра на время:"), this);
  chTime->setObjectName(QStringLiteral("chTime"));
  chTime->setGeometry(twipsRect(120, 4140, 2295, 330));
  paintViolet(chTime);
  paintViolet(label(this, "Label1", QStringLiteral("минуты"), twipsRect(120, 4620, 1020, 330)));
  paintViolet(label(this, "Label2", QStringLiteral("секунды"), twipsRect(2280, 4620, 1110, 330)));
  txtMin = timeField(this, "txtMin", twipsRect(1200, 4560, 855, 435), {"1", "2", "3", "4", "5"});
  txtSec = timeField(this, "txtSec", twipsRect(3480, 4560, 855, 435), {"10", "20", "30", "40", "50"});
  connect(chTime, &QCheckBox::toggled, this, &frmNew::chTime_Click);

  kOK = new QPushButton(QStringLiteral("Старт!"), this);
  kOK->setObjectName(QStringLiteral("kOK"));
  kOK->setGeometry(twipsRect(3600, 5160, 1335, 495));
  kNO = new QPushButton(QStringLiteral("Отмена"), this);
  kNO->setObjectName(QStringLiteral("kNO"));
  kNO->setGeometry(twipsRect(5040, 5160, 1335, 495));
  connect(kOK, &QPushButton::clicked, this, &frmNew::kOK_Click);
  connect(kNO, &QPushButton::clicked, this, &frmNew::reject);

  // Neither button is the default: Enter presses nothing.
  for (QPushButton* b : {Command1[0], Command1[1], Command1[2], kOK, kNO}) b->setAutoDefault(false);
  for (QLineEdit* field : {txtPoleWidth, txtPoleHeight, txtMin->lineEdit(), txtSec->lineEdit()})
    field->installEventFilter(this);

  QWidget* order[] = {txtPoleWidth, txtPoleHeight, Command1[0], Command1[1], chTime,
                      txtMin,       txtSec,        kOK,         kNO,         Command1[2]};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void frmNew::Form_Load() {
  const SharedSettings& s = state_.settings;
  chTime->setChecked(s.timedGame == 1);
  chTime_Click();
  txtMin->setEditText(QString::number(s.limitMinutes));
  txtSec->setEditText(QString::number(s.limitSeconds));
  if (state_.maze.mazeWidth > 0) txtPoleWidth->setText(QString::number(state_.maze.mazeWidth));
  if (state_.maze.mazeHeight > 0) txtPoleHeight->setText(QString::number(state_.maze.mazeHeight));
  const PictureTargets boxes = previews();
  for (PictureKind kind : pictureKinds) {
    const std::string name = rememberedPicture(state_.settings, kind);
    if (!name.empty()) LoadPic(state_, window_, kind, name, boxes[static_cast<std::size_t>(kindIndex(kind))]);
  }
}

PictureTargets frmNew::previews() const {
  return {PictureTarget{picGeroy, false}, PictureTarget{picStenka, false}, PictureTarget{picDveri, false}};
}

void frmNew::chTime_Click() {
  txtMin->setEnabled(chTime->isChecked());
  txtSec->setEnabled(chTime->isChecked());
}

void frmNew::Command1_Click(int index) {
  state_.settings.dialogArg = index;
  state_.settings.chooserFromMenu = 0;
  frmSelect chooser(state_, services_.messages, window_, previews(), this);
  modals_.run(chooser);
}

void frmNew::kOK_Click() {
  MessageBoxes& messages = services_.messages;
  std::int32_t minutes = 0;
  std::int32_t seconds = 0;
  if (chTime->isChecked()) {
    const std::optional<std::int32_t> m = numberIn(txtMin->currentText());
    const std::optional<std::int32_t> s = numberIn(txtSec->currentText());
    if (m && s && *m == 0 && *s == 0) {
      messages.stop(noTimeMessage);
      return;
    }
    if (!m || !s || *m > 59 || *s > 59) {
      messages.stop(longTimeMessage);
      return;
    }
    minutes = *m;
    seconds = *s;
  }

  const std::optional<std::int32_t> width = numberIn(txtPoleWidth->text());
  const std::optional<std::int32_t> height = numberIn(txtPoleHeight->text());
  if (!width || !height || !mazeSizeFits(std::max(*width, 2), std::max(*height, 2))) {
    messages.stop(tooLargeMessage);
    return;
  }

  for (PictureKind kind : pictureKinds) {
    if (rememberedPicture(state_.settings, kind).empty()) {
      Command1_Click(kindIndex(kind));
      return;
    }
  }

  accept(); // hidden, not unloaded: the next "Новая игра" shows the entries as they were left
  SharedSettings& settings = state_.settings;
  state_.maze.mazeWidth = std::max(*width, 2);
  state_.maze.mazeHeight = std::max(*height, 2);
  settings.timedGame = chTime->isChecked() ? 1 : 0;
  settings.limitMinutes = minutes;
  settings.limitSeconds = seconds;
  if (settings.timedGame == 1) settings.secondsLeft = minutes * 60 + seconds;

  for (PictureKind kind : pictureKinds)
    LoadPic(state_, window_, kind, rememberedPicture(settings, kind), window_.pictureStore(kind));
  window_.setSaveItemsEnabled(settings.timedGame == 0);
  window_.setFileCaption({});
  settings.mazeFilePath.clear();
  window_.SqrOutputMaze();
}

bool frmNew::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    const bool notTyped = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Delete;
    if (!notTyped && !text.isEmpty()) {
      const char16_t code = text.at(0).unicode();
      if (code > 8 && (code < u'0' || code > u'9')) return true; // not typed
    }
  }
  return QDialog::eventFilter(watched, event);
}

void frmNew::keyPressEvent(QKeyEvent* event) {
  // No cancel button: Escape closes nothing.
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

void frmNew::reject() {
  unloaded_ = true;
  QDialog::reject();
}

} // namespace kvarnel
