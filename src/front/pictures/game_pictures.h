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
// names live in the options only. A picture may be a variant for dense screens: its size for the
// game is always its logical size, deviceIndependentSize.
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

// The densest device pixel ratio among the screens: pictures are loaded for it, and scaled down
// smoothly where the window shows them on a less dense screen.
qreal densestScreenRatio();

// A picture NAME.EXT may have variants for dense screens beside it, NAME@2x.EXT drawn at twice its
// size (@3x at three times, and so on), as Qt names them. For a screen of the given ratio this is
// the variant of the picture read from path, looked for from the ratio rounded up down to @2x,
// the first that reads and is exactly that many times the picture's size, its devicePixelRatio
// set so that its logical size is the picture's; the picture itself when none is.
QImage densityVariant(const QString& path, const QImage& picture, qreal ratio);

struct LoadedPicture {
  std::optional<QPixmap> picture;
  std::string refusal; // when there is no picture: why, in the words the chooser shows
};

// The pictures of the remembered names; one that does not load stays missing, its name kept.
GamePictures loadRememberedPictures(const PictureFolders& folders, const Options& options,
                                    qreal ratio = densestScreenRatio());

// The kind's picture fileName from its folders (the player's file first). A name that is not a plain file
// name, a file that is no picture, and a picture the chooser would refuse (not square, or too
// small for the kind) give no picture: a remembered name may come from a hand-edited
// Options.ini or name a file changed since, and a 1 000 000 x 1 wall would overflow the field.
// The picture is checked as the player named it; then its variant for a screen of that ratio
// takes its place.
LoadedPicture loadPicture(const PictureFolders& folders, PictureKind kind, const std::string& fileName,
                          qreal ratio = densestScreenRatio());

} // namespace kvarnel
