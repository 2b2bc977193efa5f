// The picture chooser.
#include "front/dialogs/picture_chooser.h"

#include "front/dialogs/design.h"
#include "front/dialogs/dialog_buttons.h"
#include "front/dialogs/modal_runner.h"
#include "front/field/scroll_bars.h"
#include "front/dialogs/twips.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

namespace kvarnel {
namespace {

// The preview area's sunken frame; its children are placed inside it.
constexpr int frameWidth = 2;

} // namespace

QString chooserCaption(PictureKind kind) {
  switch (kind) {
  case PictureKind::Wall: return PictureChooser::tr("Выбор стенки");
  case PictureKind::Door: return PictureChooser::tr("Выбор двери");
  case PictureKind::Hero: break;
  }
  return PictureChooser::tr("Выбор героя");
}

PictureChooser::PictureChooser(PictureKind kind, PictureFolders folders, MessageBoxes& messages, QWidget* parent)
    : QDialog(parent), kind_(kind), folders_(std::move(folders)), messages_(messages) {
  setObjectName(QStringLiteral("frmSelect"));
  setWindowTitle(chooserCaption(kind_));
  setFont(designFont(sansSerif, 12, true));
  setBackground(this, QColor(192, 192, 192));
  createControls();
  makeDialogFrame(this, twips(8280), twips(6075));
  listPictures();
}

void PictureChooser::createControls() {
  files_ = new QListWidget(this);
  files_->setObjectName(QStringLiteral("File1"));
  files_->setGeometry(twipsRect(120, 120, 3015, 5790));

  previewArea_ = new QFrame(this);
  previewArea_->setObjectName(QStringLiteral("picControl"));
  previewArea_->setGeometry(twipsRect(3240, 120, 4935, 5295));
  previewArea_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  previewArea_->setLineWidth(frameWidth);
  setBackground(previewArea_, palette().color(QPalette::Button));

  preview_ = new QLabel(previewArea_);
  preview_->setObjectName(QStringLiteral("picPole"));
  preview_->setGeometry(twipsRect(0, 0, 5400, 5280).translated(frameWidth, frameWidth));
  preview_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setBackground(preview_, Qt::white);
  preview_->hide();

  verticalBar_ = new QScrollBar(Qt::Vertical, previewArea_);
  verticalBar_->setObjectName(QStringLiteral("VScroll1"));
  verticalBar_->setGeometry(twipsRect(4560, 0, 255, 4980).translated(frameWidth, frameWidth));
  horizontalBar_ = new QScrollBar(Qt::Horizontal, previewArea_);
  horizontalBar_->setObjectName(QStringLiteral("HScroll1"));
  horizontalBar_->setGeometry(twipsRect(0, 4980, 4620, 255).translated(frameWidth, frameWidth));
  for (QScrollBar* bar : {verticalBar_, horizontalBar_}) {
    bar->setFocusPolicy(Qt::NoFocus); // the bars never keep the focus
    bar->hide();
    connect(bar, &QScrollBar::valueChanged, this, &PictureChooser::movePreview);
  }
  scrollCorner_ = new QWidget(previewArea_);
  scrollCorner_->setObjectName(QStringLiteral("PctrUgol"));
  scrollCorner_->setGeometry(twipsRect(4620, 4980, 255, 255).translated(frameWidth, frameWidth));
  setBackground(scrollCorner_, palette().color(QPalette::Window));
  scrollCorner_->hide();

  chooseButton_ =
      dialogButton(this, "kOK", tr("Выбрать"), twipsRect(5400, 5520, 1335, 495), EnterPresses::Yes);
  chooseButton_->setEnabled(false);
  QPushButton* cancelButton = dialogButton(this, "kNO", tr("Отмена"), twipsRect(6840, 5520, 1335, 495));
  for (QPushButton* b : {chooseButton_, cancelButton}) setBackground(b, QColor(192, 192, 192));
  setTabOrder(files_, chooseButton_);
  setTabOrder(chooseButton_, cancelButton);

  connect(files_, &QListWidget::currentRowChanged, this, &PictureChooser::previewSelected);
  connect(files_, &QListWidget::itemDoubleClicked, this, [this] {
    if (chooseButton_->isEnabled()) choose();
  });
  connect(chooseButton_, &QPushButton::clicked, this, &PictureChooser::choose);
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void PictureChooser::listPictures() {
  files_->addItems(pictureNames(folders_, kind_));
  if (files_->count() > 0) files_->setCurrentRow(0);
}

void PictureChooser::previewSelected() {
  const QListWidgetItem* item = files_->currentItem();
  const std::optional<QImage> picture =
      item ? readPicture(picturePath(folders_, kind_, item->text().toStdString())) : std::nullopt;
  if (picture) {
    preview_->setPixmap(QPixmap::fromImage(*picture));
    preview_->resize(picture->size());
    preview_->show();
  } else {
    preview_->hide();
    preview_->clear();
    preview_->setGeometry(frameWidth, frameWidth, 1, 1);
  }
  chooseButton_->setEnabled(picture.has_value());
  fitPreviewScrollBars();
}

void PictureChooser::fitPreviewScrollBars() {
  const QRect inner = previewArea_->contentsRect();
  const ScrollBarsNeeded need =
      scrollBarsNeeded(preview_->width(), preview_->height(), inner.width(), inner.height());
  const ScrollBarSetup none;
  fitScrollBar(*horizontalBar_, need.horizontal ? scrollBarFor(preview_->width(), horizontalBar_->width()) : none);
  fitScrollBar(*verticalBar_, need.vertical ? scrollBarFor(preview_->height(), verticalBar_->height()) : none);
  scrollCorner_->setVisible(need.horizontal && need.vertical);
}

void PictureChooser::movePreview() {
  preview_->move(frameWidth - horizontalBar_->value(), frameWidth - verticalBar_->value());
}

void PictureChooser::choose() {
  const QListWidgetItem* item = files_->currentItem();
  if (item == nullptr) return;
  if (const std::optional<std::string> refusal = pictureRefusal(kind_, preview_->width(), preview_->height())) {
    messages_.stop(*refusal);
    return;
  }
  LoadedPicture loaded = loadPicture(folders_, kind_, item->text().toStdString());
  if (!loaded.picture) {
    // The file changed since it was previewed: the kind's picture is forgotten.
    outcome_.rememberedName = std::string();
    messages_.stop(playerText(notOpenedMessage));
    return;
  }
  outcome_ = {std::move(loaded.picture), item->text().toStdString()};
  accept();
}

ChooserOutcome PictureChooser::outcome() const { return outcome_; }

ChooserOutcome askForPicture(PictureKind kind, const PictureFolders& folders, MessageBoxes& messages,
                             ModalRunner& modals, QWidget* parent) {
  PictureChooser chooser(kind, folders, messages, parent);
  modals.run(chooser);
  return chooser.outcome();
}

} // namespace kvarnel
