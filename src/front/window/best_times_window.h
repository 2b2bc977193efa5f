// The window "Рекорды": the ten best times of each size played, a new one marked.
#pragma once

#include "game/play/best_times.h"

#include <QDialog>

#include <optional>

namespace kvarnel {

class BestTimesWindow : public QDialog {
  Q_OBJECT
public:
  // Lists the table's sizes, smallest first; `mark` is a time just entered.
  BestTimesWindow(const BestTimes& table, std::optional<BestTimePlace> mark, QWidget* parent = nullptr);
};

} // namespace kvarnel
