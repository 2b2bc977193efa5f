// Page layout arithmetic.
#include "game/paper/page_layout.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace kvarnel {
namespace {

// Shares of the page's shorter side.
constexpr double marginShare = 0.06;
constexpr double captionShare = 0.035;
constexpr double gapShare = 0.015;

} // namespace

PageLayout layOutPage(double pageWidth, double pageHeight, MazeSize rooms) {
  const double shorter = std::max(0.0, std::min(pageWidth, pageHeight));
  const double margin = shorter * marginShare;
  const double captionHeight = shorter * captionShare;
  const double gap = shorter * gapShare;
  const double areaWidth = std::max(0.0, pageWidth - 2 * margin);
  const double areaHeight = std::max(0.0, pageHeight - 2 * margin - captionHeight - gap);
  PageLayout layout;
  if (rooms.roomsAcross > 0 && rooms.roomsDown > 0)
    layout.roomSide = std::min(areaWidth / rooms.roomsAcross, areaHeight / rooms.roomsDown);
  const double mazeWidth = layout.roomSide * rooms.roomsAcross;
  const double mazeHeight = layout.roomSide * rooms.roomsDown;
  layout.maze = {margin + (areaWidth - mazeWidth) / 2, margin, mazeWidth, mazeHeight};
  layout.caption = {margin, margin + mazeHeight + gap, areaWidth, captionHeight};
  return layout;
}

std::optional<PaperKind> paperKindOf(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  if (lower == "a4") return PaperKind::A4;
  if (lower == "letter") return PaperKind::Letter;
  return std::nullopt;
}

PaperMillimetres paperMillimetres(PaperKind kind) {
  return kind == PaperKind::A4 ? PaperMillimetres{210.0, 297.0} : PaperMillimetres{215.9, 279.4};
}

} // namespace kvarnel
