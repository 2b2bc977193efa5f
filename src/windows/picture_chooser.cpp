// The picture chooser.
#include "windows/frm_select.h"

#include "core/picture_kinds.h"
#include "view/scroll_layout.h"
#include "windows/design.h"
#include "windows/load_pic.h"
#include "windows/twips.h"

#include <QDir>
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
  case PictureKind::Wall: return QStringLiteral("Выбор стенки");
  case PictureKind::Door: return QStringLiteral("Выбор двери");
  case PictureKind::Hero: break;
  }
  return QStringLiteral("Выбор героя");
}

frmSelect::frmSelect(GameState& state, MessageBoxes& messages, GameWindow& window,
                     const PictureTargets& dialogPreviews, QWidget* parent)
    : QDialog(parent), state_(state), messages_(messages), window_(window), dialogPreviews_(dialogPreviews),
      kind_(kindOf(state.settings.dialogArg)) {
  setObjectName(QStringLiteral("frmSelect"));
  setWindowTitle(QStringLiteral("Выбор стенки"));
  setFont(designFont(sansSerif, 12, true));
  setBackground(this, QColor(192, 192, 192));
  createControls();
  makeDialogFrame(this, twips(8280), twips(6075));
  fillList();
}

void frmSelect::createControls() {
  File1 = new QListWidget(this);
  File1->setObjectName(QStringLiteral("File1"));
  File1->setGeometry(twipsRect(120, 120, 3015, 5790));

  picControl = new QFrame(this);
  picControl->setObjectName(QStringLiteral("picControl"));
  picControl->setGeometry(twipsRect(3240, 120, 4935, 5295));
  picControl->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  picControl->setLineWidth(frameWidth);
  setBackground(picControl, palette().color(QPalette::Button));

  picPole = new QLabel(picControl);
  picPole->setObjectName(QStringLiteral("picPole"));
  picPole->setGeometry(twipsRect(0, 0, 5400, 5280).translated(frameWidth, frameWidth));
  picPole->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setBackground(picPole, Qt::white);
  picPole->hide();

  VScroll1 = new QScrollBar(Qt::Vertical, picControl);
  VScroll1->setObjectName(QStringLiteral("VScroll1"));
  VScroll1->setGeometry(twipsRect(4560, 0, 255, 4980).translated(frameWidth, frameWidth));
  HScroll1 = new QScrollBar(Qt::Horizontal, picControl);
  HScroll1->setObjectName(QStringLiteral("HScroll1"));
  HScroll1->setGeometry(twipsRect(0, 4980, 4620, 255).translated(frameWidth, frameWidth));
  for (QScrollBar* bar : {VScroll1, HScroll1}) {
    bar->setFocusPolicy(Qt::NoFocus); // the bars never keep the focus
    bar->hide();
    connect(bar, &QScrollBar::valueChanged, this, &frmSelect::movePreview);
  }
  PctrUgol = new QWidget(picControl);
  PctrUgol->setObjectName(QStringLiteral("PctrUgol"));
  PctrUgol->setGeometry(twipsRect(4620, 4980, 255, 255).translated(frameWidth, frameWidth));
  setBackground(PctrUgol, palette().color(QPalette::Window));
  PctrUgol->hide();

  kOK = new QPushButton(QStringLiteral("Выбрать"), this);
  kOK->setObjectName(QStringLiteral("kOK"));
  kOK->setGeometry(twipsRect(5400, 5520, 1335, 495));
  kOK->setEnabled(false);
  kOK->setDefault(true);
  kNO = new QPushButton(QStringLiteral("Отмена"), this);
  kNO->setObjectName(QStringLiteral("kNO"));
  kNO->setGeometry(twipsRect(6840, 5520, 1335, 495));
  kNO->setAutoDefault(false);
  for (QPushButton* b : {kOK, kNO}) setBackground(b, QColor(192, 192, 192));
  setTabOrder(File1, kOK);
  setTabOrder(kOK, kNO);

  connect(File1, &QListWidget::currentRowChanged, this, &frmSelect::File1_Click);
  connect(File1, &QListWidget::itemDoubleClicked, this, [this] {
    if (kOK->isEnabled()) kOK_Click();
  });
  connect(kOK, &QPushButton::clicked, this, &frmSelect::kOK_Click);
  connect(kNO, &QPushButton::clicked, this, &QDialog::reject);
}

void frmSelect::fillList() {
  // A missing folder simply lists nothing.
  const QDir folder(QString::fromStdString(pictureFolderOf(state_.settings.appFolder, kind_)));
  File1->addItems(folder.entryList(QDir::Files, QDir::Name));
  if (File1->count() > 0) File1->setCurrentRow(0);
}

void frmSelect::File1_Click() {
  setWindowTitle(chooserCaption(kind_));
  const QListWidgetItem* item = File1->currentItem();
  const std::optional<QImage> picture =
      item ? readPicture(picturePath(state_.settings, kind_, item->text().toStdString())) : std::nullopt;
  if (picture) {
    showPicture({picPole, true}, *picture);
    picPole->show();
  } else {
    picPole->hide();
    picPole->clear();
    picPole->setGeometry(frameWidth, frameWidth, 1, 1);
  }
  kOK->setEnabled(picture.has_value());
  ProkrutkaStenki();
}

void frmSelect::ProkrutkaStenki() {
  const QRect inner = picControl->contentsRect();
  const ScrollBarsNeeded need = scrollBarsNeeded(picPole->width(), picPole->height(), inner.width(), inner.height());
  auto apply = [](QScrollBar* bar, bool shown, int extent, int length) {
    if (shown) {
      const ScrollBarSetup s = scrollBarFor(extent, length);
      bar->setPageStep(s.largeChange);
      bar->setMaximum(s.maximum);
      bar->setSingleStep(s.smallChange);
    }
    bar->setValue(0);
    bar->setVisible(shown);
  };
  apply(HScroll1, need.horizontal, picPole->width(), HScroll1->width());
  apply(VScroll1, need.vertical, picPole->height(), VScroll1->height());
  PctrUgol->setVisible(need.horizontal && need.vertical);
}

void frmSelect::movePreview() {
  picPole->move(frameWidth - HScroll1->value(), frameWidth - VScroll1->value());
}

void frmSelect::kOK_Click() {
  const QListWidgetItem* item = File1->currentItem();
  if (item == nullptr) return;
  const std::string fileName = item->text().toStdString();
  if (const std::optional<std::string> refusal = pictureRefusal(kind_, picPole->width(), picPole->height())) {
    messages_.stop(*refusal);
    return;
  }
  PictureTarget target = dialogPreviews_[static_cast<std::size_t>(kindIndex(kind_))];
  if (state_.settings.chooserFromMenu == 1 || target.box == nullptr) target = window_.pictureStore(kind_);
  LoadPic(state_, window_, kind_, fileName, target);
  if (rememberedPicture(state_.settings, kind_).empty()) {
    messages_.stop(notOpenedMessage);
    return;
  }
  accept();
}

} // namespace kvarnel
