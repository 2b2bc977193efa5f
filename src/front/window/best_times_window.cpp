// The window "Рекорды".
#include "front/window/best_times_window.h"

#include "front/dialogs/design.h"
#include "front/dialogs/dialog_buttons.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace kvarnel {
namespace {

QString sizeText(MazeSize size) { return QStringLiteral("%1 × %2").arg(size.roomsAcross).arg(size.roomsDown); }

QTreeWidgetItem* timeRow(QTreeWidgetItem* sizeItem, std::size_t place, const BestTime& time) {
  return new QTreeWidgetItem(sizeItem, {QString::number(place + 1), QString::fromStdString(minutesAndSeconds(time.milliseconds)),
                                        QString::number(time.roomsWalked), QString::number(time.wayLength),
                                        time.timed ? BestTimesWindow::tr("на время") : QString(),
                                        QString::fromStdString(dateText(time.date))});
}

void markRow(QTreeWidgetItem* row) {
  for (int column = 0; column < row->columnCount(); ++column) {
    QFont font = row->font(column);
    font.setBold(true);
    row->setFont(column, font);
    row->setBackground(column, QColor(255, 236, 139));
  }
}

QString noticeText(const std::string& setAside) {
  return BestTimesWindow::tr("В файле рекордов было то, что игра не смогла прочитать. Он сохранён рядом как «%1», "
                             "а все рекорды, которые удалось прочитать, перенесены в новый файл.")
      .arg(QString::fromStdString(setAside));
}

} // namespace

BestTimesWindow::BestTimesWindow(const BestTimes& table, std::optional<BestTimePlace> mark, QWidget* parent,
                                 const std::string& setAside)
    : QDialog(parent) {
  setObjectName(QStringLiteral("frmRecords"));
  setWindowTitle(tr("Рекорды"));
  setFont(designFont(sansSerif, 10, false));

  auto* list = new QTreeWidget(this);
  list->setObjectName(QStringLiteral("lstRecords"));
  list->setGeometry(12, 12, 536, setAside.empty() ? 300 : 244);
  if (!setAside.empty()) {
    auto* notice = new QLabel(noticeText(setAside), this);
    notice->setObjectName(QStringLiteral("lblRecordsSetAside"));
    notice->setWordWrap(true);
    notice->setGeometry(12, 262, 536, 52);
  }
  list->setHeaderLabels({tr("Место"), tr("Время"), tr("Пройдено комнат"), tr("Кратчайший путь"), tr("Игра"), tr("Дата")});
  list->setRootIsDecorated(false);
  list->setIndentation(0);
  list->setItemsExpandable(false);
  list->setSelectionMode(QAbstractItemView::NoSelection);
  list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

  std::vector<const SizeBestTimes*> sizes;
  for (const SizeBestTimes& s : table.sizes) sizes.push_back(&s);
  std::sort(sizes.begin(), sizes.end(), [](const SizeBestTimes* a, const SizeBestTimes* b) {
    const auto key = [](MazeSize m) { return std::pair{std::int64_t{m.roomsAcross} * m.roomsDown, m.roomsAcross}; };
    return key(a->size) < key(b->size);
  });
  QTreeWidgetItem* marked = nullptr;
  for (const SizeBestTimes* s : sizes) {
    auto* sizeItem = new QTreeWidgetItem(list, {sizeText(s->size)});
    sizeItem->setFirstColumnSpanned(true);
    QFont font = sizeItem->font(0);
    font.setBold(true);
    sizeItem->setFont(0, font);
    for (std::size_t place = 0; place < s->times.size(); ++place) {
      QTreeWidgetItem* row = timeRow(sizeItem, place, s->times[place]);
      if (mark && mark->size == s->size && mark->place == place) marked = row;
    }
  }
  if (sizes.empty()) new QTreeWidgetItem(list, {tr("Побед пока нет")});
  list->expandAll();
  for (int i = 0; i < list->topLevelItemCount(); ++i) list->topLevelItem(i)->setFirstColumnSpanned(true);
  if (marked != nullptr) {
    markRow(marked);
    list->scrollToItem(marked);
  }

  QPushButton* ok = dialogButton(this, "OK", QStringLiteral("OK"), {448, 322, 100, 30}, EnterPresses::Yes);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  makeDialogFrame(this, 560, 364);
  ok->setFocus();
}

} // namespace kvarnel
