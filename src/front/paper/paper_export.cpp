// Paper as bytes, and printing.
#include "front/paper/paper_export.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace kvarnel {
namespace {

constexpr int pngDotsPerInch = 150;
// A PDF page may be at most 200 inches a side.
constexpr double largestPdfPoints = 14400;

std::string lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

struct BufferDevice {
  QByteArray bytes;
  QBuffer buffer{&bytes};
  BufferDevice() { buffer.open(QIODevice::WriteOnly); }
};

} // namespace

std::optional<PaperFormat> paperFormatOf(const std::string& path) {
  const std::string name = lowered(path);
  if (name.ends_with(".pdf")) return PaperFormat::Pdf;
  if (name.ends_with(".svg")) return PaperFormat::Svg;
  if (name.ends_with(".png")) return PaperFormat::Png;
  return std::nullopt;
}

QPageLayout paperPage(PaperKind kind, MazeSize rooms) {
  const QPageSize size(kind == PaperKind::A4 ? QPageSize::A4 : QPageSize::Letter);
  return QPageLayout(size, landscapeSuits(rooms) ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

QByteArray pdfOf(const std::vector<Sheet>& sheets, const QPageLayout& page) {
  BufferDevice out;
  {
    QPdfWriter writer(&out.buffer);
    writer.setCreator(QStringLiteral("Кварнель"));
    writer.setResolution(300);
    writer.setPageLayout(page);
    QPainter painter(&writer);
    const QSizeF size(writer.width(), writer.height());
    for (std::size_t i = 0; i < sheets.size(); ++i) {
      if (i > 0) writer.newPage();
      paintSheet(painter, size, sheets[i]);
    }
  }
  return out.bytes;
}

QByteArray svgOf(const Sheet& sheet, const QPageLayout& page) {
  BufferDevice out;
  // In points, a point a unit.
  const QSizeF points = page.fullRect(QPageLayout::Point).size();
  QSvgGenerator svg;
  svg.setOutputDevice(&out.buffer);
  svg.setSize(points.toSize());
  svg.setViewBox(QRectF(QPointF(0, 0), points));
  svg.setResolution(72);
  svg.setTitle(sheet.caption);
  {
    QPainter painter(&svg);
    paintSheet(painter, points, sheet);
  }
  return out.bytes;
}

QByteArray pngOf(const Sheet& sheet, const QPageLayout& page) {
  const QSize pixels = page.fullRectPixels(pngDotsPerInch).size();
  QImage image(pixels, QImage::Format_RGB32);
  if (image.isNull()) return {};
  const int dotsPerMetre = static_cast<int>(std::lround(pngDotsPerInch / 0.0254));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  {
    QPainter painter(&image);
    paintSheet(painter, QSizeF(pixels), sheet);
  }
  BufferDevice out;
  if (!QImageWriter(&out.buffer, "png").write(image)) return {};
  return out.bytes;
}

QByteArray sheetBytes(PaperFormat format, const Sheet& sheet, const QPageLayout& page) {
  switch (format) {
  case PaperFormat::Pdf: return pdfOf({sheet}, page);
  case PaperFormat::Svg: return svgOf(sheet, page);
  case PaperFormat::Png: break;
  }
  return pngOf(sheet, page);
}

QByteArray drawingPdf(const MazeDrawing& drawing) {
  const QSizeF natural = drawingSize(drawing);
  const double scale = std::min(1.0, largestPdfPoints / std::max(natural.width(), natural.height()));
  const QSizeF points = natural * scale;
  BufferDevice out;
  {
    QPdfWriter writer(&out.buffer);
    writer.setCreator(QStringLiteral("Кварнель"));
    writer.setResolution(72);
    writer.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                     QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&writer);
    MazeDrawing scaled = drawing;
    scaled.lineWidth = drawing.lineWidth * scale;
    paintDrawing(painter, QSizeF(writer.width(), writer.height()), scaled);
  }
  return out.bytes;
}

QByteArray drawingSvg(const MazeDrawing& drawing) {
  const QSizeF size = drawingSize(drawing);
  BufferDevice out;
  QSvgGenerator svg;
  svg.setOutputDevice(&out.buffer);
  svg.setSize(size.toSize());
  svg.setViewBox(QRectF(QPointF(0, 0), size));
  {
    QPainter painter(&svg);
    paintDrawing(painter, size, drawing);
  }
  return out.bytes;
}

bool printSheet(QPrinter& printer, const Sheet& sheet) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  paintSheet(painter, printer.pageRect(QPrinter::DevicePixel).size(), sheet);
  return painter.end();
}

} // namespace kvarnel
