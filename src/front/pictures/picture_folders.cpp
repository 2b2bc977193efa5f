// Where the pictures of each kind are found.
#include "front/pictures/picture_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace kvarnel {

QStringList kindFolders(const PictureFolders& folders, PictureKind kind) {
  const QString kindFolder = QString::fromStdString(pictureFolderName(kind));
  QStringList result;
  for (const std::string& folder : {folders.own, folders.game}) {
    if (folder.empty()) continue;
    const QString path = QDir::cleanPath(QDir(QString::fromStdString(folder)).filePath(kindFolder));
    if (!result.contains(path)) result.append(path);
  }
  return result;
}

QStringList pictureNames(const PictureFolders& folders, PictureKind kind) {
  QStringList names;
  for (const QString& folder : kindFolders(folders, kind)) names += QDir(folder).entryList(QDir::Files);
  names.sort();
  names.removeDuplicates();
  // A name like a variant's whose picture is not there is the player's picture, listed.
  static const QRegularExpression variant(QStringLiteral("^(.+)@[2-8]x(\\.[^.]*)?$"));
  const QStringList all = names;
  names.removeIf([&all](const QString& name) {
    const QRegularExpressionMatch m = variant.match(name);
    return m.hasMatch() && all.contains(m.captured(1) + m.captured(2));
  });
  return names;
}

QString picturePath(const PictureFolders& folders, PictureKind kind, const std::string& fileName) {
  const QStringList searched = kindFolders(folders, kind);
  const QString name = QString::fromStdString(fileName);
  for (const QString& folder : searched) {
    const QString path = QDir(folder).filePath(name);
    if (QFileInfo(path).isFile()) return path;
  }
  // No file to read: what there is of that name (a folder, a pipe), the player's first, so that
  // the one told it cannot be read is told where; else the game's folder, where reading fails as
  // for any missing file.
  for (const QString& folder : searched) {
    const QString path = QDir(folder).filePath(name);
    if (QFileInfo(path).exists()) return path;
  }
  return searched.isEmpty() ? QString() : QDir(searched.back()).filePath(name);
}

} // namespace kvarnel
