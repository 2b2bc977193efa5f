// The window "Рекорды": the ten best times of each size played, a new one marked.
#pragma once

#include "game/play/best_times.h"

#include <QDialog>

#include <optional>
#include <string>

namespace kvarnel {

class BestTimesWindow : public QDialog {
  Q_OBJECT
public:
  // Lists the table's sizes, smallest first; `mark` is a time just entered. setAside names the
  // file a flawed best-times file was just moved aside to, which the player is told of.
  BestTimesWindow(const BestTimes& table, std::optional<BestTimePlace> mark, QWidget* parent = nullptr,
                  const std::string& setAside = {});
};

} // namespace kvarnel
