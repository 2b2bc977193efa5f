// The hero, wall and door pictures, and loading them.
#include "front/pictures/game_pictures.h"

#include "game/view/field_geometry.h"

#include <QFileInfo>
#include <QImageReader>

namespace kvarnel {

std::int32_t GamePictures::wallSide() const {
  const QPixmap& wall = (*this)[PictureKind::Wall];
  return wall.isNull() ? heroSquareSide : wall.width();
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

LoadedPicture loadPicture(const PictureFolders& folders, PictureKind kind, const std::string& fileName) {
  if (!isPlainFileName(fileName)) return {std::nullopt, notOpenedMessage};
  const std::optional<QImage> image = readPicture(picturePath(folders, kind, fileName));
  if (!image) return {std::nullopt, notOpenedMessage};
  if (std::optional<std::string> refusal = pictureRefusal(kind, image->width(), image->height()))
    return {std::nullopt, std::move(*refusal)};
  return {QPixmap::fromImage(*image), {}};
}

GamePictures loadRememberedPictures(const PictureFolders& folders, const Options& options) {
  GamePictures pictures;
  for (PictureKind kind : pictureKinds) {
    if (const LoadedPicture loaded = loadPicture(folders, kind, rememberedPicture(options, kind)); loaded.picture)
      pictures[kind] = *loaded.picture;
  }
  return pictures;
}

} // namespace kvarnel
