// Loading the hero, wall and door pictures.
#include "windows/load_pic.h"

#include "core/picture_kinds.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>

namespace kvarnel {

std::optional<QImage> readPicture(const QString& path) {
  if (!QFileInfo(path).isFile()) return std::nullopt;
  QImageReader::setAllocationLimit(static_cast<int>(largestPictureBytes / (1024 * 1024)));
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  const QSize size = reader.size();
  // Four bytes a pixel once decoded; a header may claim any size, so check before reading.
  if (size.isValid() && static_cast<qint64>(size.width()) * size.height() * 4 > largestPictureBytes)
    return std::nullopt;
  QImage image = reader.read();
  if (image.isNull()) return std::nullopt;
  return image;
}

QString picturePath(const SharedSettings& settings, PictureKind kind, const std::string& fileName) {
  return QString::fromStdString(pictureFolderOf(settings.appFolder, kind) + fileName);
}

void showPicture(const PictureTarget& target, const QImage& picture) {
  target.box->setPixmap(QPixmap::fromImage(picture));
  if (target.sizesToPicture) target.box->resize(picture.size());
}

void LoadPic(GameState& state, GameWindow& window, PictureKind kind, const std::string& fileName,
             const PictureTarget& target) {
  std::string remembered;
  // A name with a folder part could load a picture from anywhere: it is no picture of the kind.
  if (isPlainFileName(fileName)) {
    const std::optional<QImage> picture = readPicture(picturePath(state.settings, kind, fileName));
    // A remembered picture obeys the chooser's rules too: a file changed since it was chosen,
    // or named by hand in Options.ini, could be a wall so wide that the field's size overflows.
    if (picture && !pictureRefusal(kind, picture->width(), picture->height())) {
      showPicture(target, *picture);
      remembered = fileName;
    }
  }
  rememberedPicture(state.settings, kind) = remembered;
  if (!remembered.empty() && state.settings.chooserFromMenu == 1 && state.maze.mazeShown == 1)
    window.DrawMaze();
}

} // namespace kvarnel
