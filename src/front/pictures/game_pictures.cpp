// The hero, wall and door pictures, and loading them.
#include "front/pictures/game_pictures.h"

#include "game/view/field_geometry.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

#include <cmath>

namespace kvarnel {

std::int32_t GamePictures::wallSide() const {
  const QPixmap& wall = (*this)[PictureKind::Wall];
  return wall.isNull() ? heroSquareSide : static_cast<std::int32_t>(std::lround(wall.deviceIndependentSize().width()));
}

bool GamePictures::operator==(const GamePictures& other) const {
  for (std::size_t i = 0; i < byKind.size(); ++i)
    if (byKind[i].cacheKey() != other.byKind[i].cacheKey()) return false;
  return true;
}

std::optional<QImage> readPicture(const QString& path) {
  if (!QFileInfo(path).isFile()) return std::nullopt;
  // Whatever a reader that cannot tell the size beforehand decodes stays within twice the
  // largest picture at four bytes a pixel.
  constexpr int allocationLimitMegabytes = 2 * largestPictureSide * largestPictureSide * 4 / (1024 * 1024);
  QImageReader::setAllocationLimit(allocationLimitMegabytes);
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  // A header may claim any size, so the sides are checked before decoding.
  const QSize size = reader.size();
  const auto fits = [](QSize s) { return s.width() <= largestPictureSide && s.height() <= largestPictureSide; };
  if (size.isValid() && !fits(size)) return std::nullopt;
  QImage image = reader.read();
  if (image.isNull() || !fits(image.size())) return std::nullopt;
  return image;
}

qreal densestScreenRatio() { return qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0; }

QImage densityVariant(const QString& path, const QImage& picture, qreal ratio) {
  const QFileInfo file(path);
  const QString name = file.fileName();
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  const QString stem = dot > 0 ? name.left(dot) : name;
  const QString suffix = dot > 0 ? name.mid(dot) : QString();
  // At most @8x: no screen is denser, and a longer search would only read the folder in vain.
  for (int times = std::min(8, static_cast<int>(std::ceil(ratio - 0.001))); times >= 2; --times) {
    const QString variantPath = file.dir().filePath(stem + QStringLiteral("@%1x").arg(times) + suffix);
    std::optional<QImage> variant = readPicture(variantPath);
    if (variant && variant->size() == picture.size() * times) {
      variant->setDevicePixelRatio(times);
      return *variant;
    }
  }
  return picture;
}

LoadedPicture loadPicture(const PictureFolders& folders, PictureKind kind, const std::string& fileName, qreal ratio) {
  if (!isPlainFileName(fileName)) return {std::nullopt, playerText(notOpenedMessage)};
  const QString path = picturePath(folders, kind, fileName);
  const std::optional<QImage> image = readPicture(path);
  if (!image) return {std::nullopt, playerText(notOpenedMessage)};
  if (std::optional<std::string> refusal = pictureRefusal(kind, image->width(), image->height()))
    return {std::nullopt, std::move(*refusal)};
  return {QPixmap::fromImage(densityVariant(path, *image, ratio)), {}};
}

GamePictures loadRememberedPictures(const PictureFolders& folders, const Options& options, qreal ratio) {
  GamePictures pictures;
  for (PictureKind kind : pictureKinds) {
    if (const LoadedPicture loaded = loadPicture(folders, kind, rememberedPicture(options, kind), ratio); loaded.picture)
      pictures[kind] = *loaded.picture;
  }
  return pictures;
}

} // namespace kvarnel
