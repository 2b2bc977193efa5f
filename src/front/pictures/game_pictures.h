// The hero, wall and door pictures the game draws with, and loading them from their folders.
#pragma once

#include "game/core/options.h"
#include "game/core/picture_kinds.h"
#include "front/pictures/picture_folders.h"

#include <QImage>
#include <QPixmap>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace kvarnel {

// The three pictures the field is drawn with, by kind; a null pixmap while a kind has none. Their
// names live in the options only.
struct GamePictures {
  std::array<QPixmap, 3> byKind;

  QPixmap& operator[](PictureKind kind) { return byKind[kindIndex(kind)]; }
  const QPixmap& operator[](PictureKind kind) const { return byKind[kindIndex(kind)]; }
  // The side that sets the walls' thickness; before any wall picture is loaded the walls are
  // as thick as the hero's square.
  std::int32_t wallSide() const;
  // The very same pictures: nothing to draw anew.
  bool operator==(const GamePictures& other) const;
};

// The largest side of a picture that is loaded: no room needs more, and a small file can decode
// to a picture of hundreds of megabytes.
inline constexpr int largestPictureSide = 2048;

// The picture in the file, or nothing when it is not a picture, cannot be read, or is larger than
// largestPictureSide on a side (by the size its header gives, before it is decoded).
std::optional<QImage> readPicture(const QString& path);

struct LoadedPicture {
  std::optional<QPixmap> picture;
  std::string refusal; // when there is no picture: why, in the words the chooser shows
};

// The pictures of the remembered names; one that does not load stays missing, its name kept.
GamePictures loadRememberedPictures(const PictureFolders& folders, const Options& options);

// The kind's picture fileName from its folders (the player's file first). A name that is not a plain file
// name, a file that is no picture, and a picture the chooser would refuse (not square, or too
// small for the kind) give no picture: a remembered name may come from a hand-edited
// Options.ini or name a file changed since, and a 1 000 000 x 1 wall would overflow the field.
LoadedPicture loadPicture(const PictureFolders& folders, PictureKind kind, const std::string& fileName);

} // namespace kvarnel
