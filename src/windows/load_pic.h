// Loading the hero, wall and door pictures from their folders.
#pragma once

#include "core/game_state.h"
#include "windows/game_window.h"

#include <QImage>
#include <QString>

#include <optional>
#include <string>

namespace kvarnel {

// Pictures whose decoded image would take more than this are not loaded.
inline constexpr qint64 largestPictureBytes = 256LL * 1024 * 1024;

// The picture in the file, or nothing when it is not a picture, cannot be read, or would need
// more than largestPictureBytes.
std::optional<QImage> readPicture(const QString& path);

QString picturePath(const SharedSettings& settings, PictureKind kind, const std::string& fileName);

// Shows a picture in its target box, sizing the box to it when the box does that.
void showPicture(const PictureTarget& target, const QImage& picture);

// Loads the kind's picture fileName into target and makes it the kind's remembered picture. A
// failed load, a fileName that is not a plain file name, and a picture the chooser would refuse
// (not square, or too small for the kind) leave the target as it was and forget the name.
// After a load from the main menu the maze on show is redrawn with the new picture.
void LoadPic(GameState& state, GameWindow& window, PictureKind kind, const std::string& fileName,
             const PictureTarget& target);

} // namespace kvarnel
