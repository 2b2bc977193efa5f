// Where the pictures of each kind are found: the player's own folder first, then the game's.
#pragma once

#include "game/core/picture_kinds.h"

#include <QString>
#include <QStringList>

#include <string>

namespace kvarnel {

// Folders that hold "Герои", "Стенки" and "Двери", with or without a separator at the end.
struct PictureFolders {
  std::string game; // the pictures that come with the game
  std::string own;  // the player's own; none when empty or the game's folder itself
};

// The kind's folders in the order a name is looked up: the player's first.
QStringList kindFolders(const PictureFolders& folders, PictureKind kind);

// The names of the files in the kind's folders, sorted, each name once. Missing folders list
// nothing, and a picture's variant for dense screens (NAME@2x.EXT beside NAME.EXT) is no picture
// of its own: the loader takes it in the picture's place.
QStringList pictureNames(const PictureFolders& folders, PictureKind kind);

// Where the kind's picture fileName is read from: the player's file when there is one of that
// name, else the game's; with no file of that name, whatever else bears it (the player's first).
// fileName must be a plain file name (isPlainFileName).
QString picturePath(const PictureFolders& folders, PictureKind kind, const std::string& fileName);

} // namespace kvarnel
