// The new-game dialog.
#include "front/dialogs/new_game_dialog.h"

#include "front/field/picture_label.h"
#include "front/dialogs/design.h"
#include "front/dialogs/dialog_buttons.h"
#include "front/dialogs/modal_runner.h"
#include "front/dialogs/picture_chooser.h"
#include "front/dialogs/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <variant>

namespace kvarnel {
namespace {

const QColor violet(192, 0, 192);

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& at) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setGeometry(at);
  return l;
}

QLabel* preview(QWidget* parent, const char* name, const QRect& at) {
  auto* box = new PictureLabel(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(at);
  box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setBackground(box, Qt::white);
  box->setEnabled(false);
  return box;
}

QLineEdit* sizeEntry(QWidget* parent, const char* name, const QRect& at) {
  auto* entry = new QLineEdit(QStringLiteral("4"), parent);
  entry->setObjectName(QString::fromLatin1(name));
  entry->setGeometry(at);
  entry->setFont(designFont(sansSerif, 9.75, true));
  return entry;
}

QComboBox* timeEntry(QWidget* parent, const char* name, const QRect& at, const QStringList& items) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(at);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->addItems(items);
  box->setCurrentIndex(-1);
  box->setCompleter(nullptr); // what the player types stays as typed; the list is only picked from
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

} // namespace

NewGameDialog::NewGameDialog(const Options& options, PictureFolders pictureFolders, MessageBoxes& messages,
                             ModalRunner& modals, QWidget* parent)
    : QDialog(parent), pictureFolders_(std::move(pictureFolders)), messages_(messages), modals_(modals) {
  setObjectName(QStringLiteral("frmNew"));
  setWindowTitle(tr("Новая игра"));
  setFont(designFont(sansSerif, 12, true));
  createControls();
  makeDialogFrame(this, twips(6465), twips(5730));
  fillEntries(options);
}

void NewGameDialog::createControls() {
  label(this, "lblPoleWidth", tr("Кол-во дорожек по горизонтали:"), twipsRect(120, 180, 4200, 300));
  label(this, "lblPoleHeight", tr("Кол-во дорожек по вертикали:"), twipsRect(120, 660, 3930, 300));
  widthEntry_ = sizeEntry(this, "txtPoleWidth", twipsRect(4440, 120, 735, 360));
  heightEntry_ = sizeEntry(this, "txtPoleHeight", twipsRect(4440, 600, 735, 360));

  label(this, "Label3", tr("Герой:"), twipsRect(120, 1080, 840, 300));
  label(this, "Label4", tr("Стенки:"), twipsRect(2280, 1080, 1005, 300));
  label(this, "Label5", tr("Дверь:"), twipsRect(4440, 1080, 885, 300));
  previews_ = {preview(this, "picGeroy", twipsRect(120, 1440, 1920, 1920)),
               preview(this, "picStenka", twipsRect(2280, 1440, 1920, 1920)),
               preview(this, "picDveri", twipsRect(4440, 1440, 1920, 1920))};

  std::array<QPushButton*, 3> chooseButtons{};
  for (PictureKind kind : pictureKinds) {
    const int i = static_cast<int>(kindIndex(kind));
    const std::string name = "Command1_" + std::to_string(i);
    QPushButton* b = dialogButton(this, name.c_str(), chooserCaption(kind), twipsRect(120 + 2160 * i, 3480, 1935, 495));
    connect(b, &QPushButton::clicked, this, [this, kind] { choosePicture(kind); });
    chooseButtons[kindIndex(kind)] = b;
  }

  timedBox_ = new QCheckBox(tr("Игра на время:"), this);
  timedBox_->setObjectName(QStringLiteral("chTime"));
  timedBox_->setGeometry(twipsRect(120, 4140, 2295, 330));
  paintViolet(timedBox_);
  paintViolet(label(this, "Label1", tr("минуты"), twipsRect(120, 4620, 1020, 330)));
  paintViolet(label(this, "Label2", tr("секунды"), twipsRect(2280, 4620, 1110, 330)));
  minutesEntry_ = timeEntry(this, "txtMin", twipsRect(1200, 4560, 855, 435), {"1", "2", "3", "4", "5"});
  secondsEntry_ = timeEntry(this, "txtSec", twipsRect(3480, 4560, 855, 435), {"10", "20", "30", "40", "50"});
  connect(timedBox_, &QCheckBox::toggled, this, &NewGameDialog::enableTimeEntries);

  // Neither button is the default: Enter presses nothing.
  QPushButton* startButton = dialogButton(this, "kOK", tr("Старт!"), twipsRect(3600, 5160, 1335, 495));
  QPushButton* cancelButton = dialogButton(this, "kNO", tr("Отмена"), twipsRect(5040, 5160, 1335, 495));
  connect(startButton, &QPushButton::clicked, this, &NewGameDialog::start);
  connect(cancelButton, &QPushButton::clicked, this, &NewGameDialog::reject);

  // A combo box hands the keys it receives straight to its line edit, past any filter there.
  for (QWidget* entry : std::initializer_list<QWidget*>{widthEntry_, heightEntry_, minutesEntry_, secondsEntry_,
                                                        minutesEntry_->lineEdit(), secondsEntry_->lineEdit()})
    entry->installEventFilter(this);

  QWidget* order[] = {widthEntry_,   heightEntry_,  chooseButtons[0], chooseButtons[1], timedBox_,
                      minutesEntry_, secondsEntry_, startButton,      cancelButton,     chooseButtons[2]};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void NewGameDialog::fillEntries(const Options& options) {
  timedBox_->setChecked(options.timedGame == 1);
  enableTimeEntries();
  minutesEntry_->setEditText(QString::number(options.limitMinutes));
  secondsEntry_->setEditText(QString::number(options.limitSeconds));
  if (options.roomsAcross > 0) widthEntry_->setText(QString::number(options.roomsAcross));
  if (options.roomsDown > 0) heightEntry_->setText(QString::number(options.roomsDown));
  takeNames(options);
  for (PictureKind kind : pictureKinds) {
    const std::string& name = pictureName(kind);
    if (name.empty()) continue;
    const LoadedPicture loaded = loadPicture(pictureFolders_, kind, name);
    if (loaded.picture) showPicture(kind, *loaded.picture, name);
    else names_[kindIndex(kind)].clear();
  }
}

void NewGameDialog::takeNames(const Options& options) {
  for (PictureKind kind : pictureKinds) names_[kindIndex(kind)] = rememberedPicture(options, kind);
}

void NewGameDialog::showPicture(PictureKind kind, const QPixmap& picture, const std::string& name) {
  previews_[kindIndex(kind)]->setPixmap(picture);
  previewNames_[kindIndex(kind)] = name;
}

void NewGameDialog::enableTimeEntries() {
  minutesEntry_->setEnabled(timedBox_->isChecked());
  secondsEntry_->setEnabled(timedBox_->isChecked());
}

void NewGameDialog::choosePicture(PictureKind kind) {
  const ChooserOutcome outcome = askForPicture(kind, pictureFolders_, messages_, modals_, this);
  if (outcome.rememberedName) names_[kindIndex(kind)] = *outcome.rememberedName;
  if (outcome.picture) showPicture(kind, *outcome.picture, *outcome.rememberedName);
}

// The previews' pictures where they show the remembered names; the others are loaded now, and a
// name that does not load is forgotten.
GamePictures NewGameDialog::picturesOfNames() {
  GamePictures pictures;
  for (PictureKind kind : pictureKinds) {
    std::string& name = names_[kindIndex(kind)];
    if (name == previewNames_[kindIndex(kind)]) {
      pictures[kind] = previews_[kindIndex(kind)]->pixmap();
      continue;
    }
    const LoadedPicture loaded = loadPicture(pictureFolders_, kind, name);
    if (loaded.picture) pictures[kind] = *loaded.picture;
    else name.clear();
  }
  return pictures;
}

void NewGameDialog::start() {
  const NewGameEntries entries{widthEntry_->text().toStdString(), heightEntry_->text().toStdString(),
                               timedBox_->isChecked(), minutesEntry_->currentText().toStdString(),
                               secondsEntry_->currentText().toStdString()};
  const std::variant<NewGameRequest, std::string> checked = newGameRequestOf(entries);
  if (const auto* message = std::get_if<std::string>(&checked)) {
    messages_.stop(*message);
    return;
  }
  for (PictureKind kind : pictureKinds) {
    if (pictureName(kind).empty()) {
      choosePicture(kind);
      return;
    }
  }
  choice_ = NewGameChoice{std::get<NewGameRequest>(checked), picturesOfNames()};
  accept(); // hidden, not unloaded: the next "Новая игра" shows the entries as they were left
}

bool NewGameDialog::eventFilter(QObject* watched, QEvent* event) {
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

void NewGameDialog::keyPressEvent(QKeyEvent* event) {
  // No cancel button: Escape closes nothing.
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

void NewGameDialog::reject() {
  unloaded_ = true;
  QDialog::reject();
}

} // namespace kvarnel
