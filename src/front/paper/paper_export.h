// A maze on paper as file bytes: PDF, SVG or PNG by the file's ending, made in memory so that the
// atomic writer can replace an old file only when the new one is complete; and printing.
#pragma once

#include "game/core/maze.h"
#include "game/paper/page_layout.h"
#include "front/paper/maze_sheet.h"

#include <QByteArray>
#include <QPageLayout>

#include <optional>
#include <string>
#include <vector>

class QPrinter;

namespace kvarnel {

enum class PaperFormat { Pdf, Svg, Png };

// ".pdf", ".svg" or ".png" at the path's end, in any letter case; nothing for another ending.
std::optional<PaperFormat> paperFormatOf(const std::string& path);

// The sheet of that kind, turned across for a maze wider than high, with no margins of its own:
// the sheet's layout keeps them.
QPageLayout paperPage(PaperKind kind, MazeSize rooms);

// One page per sheet.
QByteArray pdfOf(const std::vector<Sheet>& sheets, const QPageLayout& page);
// The first sheet only: an SVG or a picture is one page. PNG pages are 150 dots an inch.
QByteArray svgOf(const Sheet& sheet, const QPageLayout& page);
QByteArray pngOf(const Sheet& sheet, const QPageLayout& page);
QByteArray sheetBytes(PaperFormat format, const Sheet& sheet, const QPageLayout& page);

// The drawing alone at its own size, without page or caption (kvarnel-maze render): a PDF page
// or an SVG as large as the drawing, at most 200 inches a side.
QByteArray drawingPdf(const MazeDrawing& drawing);
QByteArray drawingSvg(const MazeDrawing& drawing);

// The sheet printed on the printer's page, as the print dialog left it.
bool printSheet(QPrinter& printer, const Sheet& sheet);

} // namespace kvarnel
