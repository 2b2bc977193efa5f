// Where a maze and its caption go on a page: the arithmetic of paper, in any unit.
#pragma once

#include "game/core/maze.h"

#include <optional>
#include <string_view>

namespace kvarnel {

struct PageBox {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
};

struct PageLayout {
  PageBox maze;    // the maze's outer walls, rooms square
  PageBox caption; // the line under it
  double roomSide = 0;
};

// The maze scaled to fit a page of that size inside its margins, rooms square, centred across
// and as high as it fits, with a line under it for its caption.
PageLayout layOutPage(double pageWidth, double pageHeight, MazeSize rooms);

// A maze wider than it is high sits better across the page.
constexpr bool landscapeSuits(MazeSize rooms) { return rooms.roomsAcross > rooms.roomsDown; }

enum class PaperKind { A4, Letter };

struct PaperMillimetres {
  double width = 0;
  double height = 0;
};

// "a4" or "letter", in any letter case; nothing for another name.
std::optional<PaperKind> paperKindOf(std::string_view name);
// The sheet standing upright.
PaperMillimetres paperMillimetres(PaperKind kind);

} // namespace kvarnel
