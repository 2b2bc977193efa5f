// kvarnel-maze render: a maze file drawn into a picture file as the playing field shows it.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace kvarnel {

// The largest picture render makes: a field beyond these is refused rather than drawn in part.
inline constexpr std::int64_t maxRenderSide = 16384;
inline constexpr std::int64_t maxRenderBytes = std::int64_t{256} << 20; // at 4 bytes a pixel

struct PictureFolders;

// args[0] is "render"; the pictures come from the picture folders, the player's first. Paints
// through the field painter, so a QGuiApplication must exist. Exit codes as runMazeTool's.
int renderMaze(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const PictureFolders& pictures);

} // namespace kvarnel
