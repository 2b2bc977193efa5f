// kvarnel-maze render: the field painted by the window's own painter into a picture file.
#include "render_command.h"

#include "game/core/picture_kinds.h"
#include "game/files/maze_file_format.h"
#include "tool_output.h"
#include "game/view/field_geometry.h"
#include "front/paper/paper_export.h"
#include "front/pictures/game_pictures.h"
#include "front/pictures/picture_folders.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <array>
#include <cmath>
#include <optional>
#include <ostream>

namespace kvarnel {
namespace {

struct KindOption {
  PictureKind kind;
  std::string_view option;
  std::string_view noun;
};

constexpr std::array<KindOption, 3> kindOptions{{
    {PictureKind::Hero, "--hero", "hero"},
    {PictureKind::Wall, "--wall", "wall"},
    {PictureKind::Door, "--door", "door"},
}};

struct RenderArgs {
  std::optional<std::string> file;
  std::optional<std::string> outFile;
  std::array<std::optional<std::string>, 3> names; // by kind
  std::optional<std::string> style;
  bool way = false;
};

QString qtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::ostream& operator<<(std::ostream& os, const QString& text) { return os << text.toStdString(); }

std::optional<RenderArgs> parseArgs(const std::vector<std::string>& args, std::ostream& err) {
  RenderArgs parsed;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--way" && !parsed.way) {
      parsed.way = true;
      continue;
    }
    std::optional<std::string>* slot = a == "-o" ? &parsed.outFile : a == "--style" ? &parsed.style : nullptr;
    for (std::size_t k = 0; k < kindOptions.size(); ++k)
      if (a == kindOptions[k].option) slot = &parsed.names[k];
    if (slot != nullptr) {
      if (i + 1 >= args.size() || *slot) {
        err << "kvarnel-maze: " << a << " needs one value\n";
        return std::nullopt;
      }
      *slot = args[++i];
    } else if (!parsed.file && !a.starts_with("-")) {
      parsed.file = a;
    } else {
      err << "kvarnel-maze: unexpected argument '" << a << "' (see --help)\n";
      return std::nullopt;
    }
  }
  if (!parsed.file) {
    err << "kvarnel-maze: render takes FILE (see --help)\n";
    return std::nullopt;
  }
  if (parsed.style && *parsed.style != "lines" && *parsed.style != "pictures") {
    err << "kvarnel-maze: --style is lines or pictures, not '" << *parsed.style << "'\n";
    return std::nullopt;
  }
  for (std::size_t k = 0; k < kindOptions.size(); ++k) {
    const std::optional<std::string>& name = parsed.names[k];
    // The game takes a picture by its name in the kind's folder, never from elsewhere.
    if (name && !isPlainFileName(*name)) {
      err << "kvarnel-maze: " << kindOptions[k].option << " takes a file name in the folder \""
          << pictureFolderName(kindOptions[k].kind) << "\"\n";
      return std::nullopt;
    }
  }
  return parsed;
}

// The kind of file named by the output file's ending: "svg", "pdf" or a picture format; PNG for
// standard output or no ending.
std::optional<QByteArray> outputFormat(const std::optional<std::string>& outFile, std::ostream& err) {
  QByteArray format = "png";
  if (outFile) {
    const QString suffix = QFileInfo(qtText(*outFile)).suffix().toLower();
    if (!suffix.isEmpty()) format = suffix.toUtf8();
  }
  if (format == "svg" || format == "pdf" || QImageWriter::supportedImageFormats().contains(format)) return format;
  err << "kvarnel-maze: cannot write ." << format.toStdString()
      << " files; name the output *.png, *.svg, *.pdf or another picture kind\n";
  return std::nullopt;
}

// The named picture of the kind, or the first file of its folders by name, read by the game's
// picture loader and checked as the picture chooser checks it, with the chooser's messages.
std::optional<QPixmap> pictureForRender(const KindOption& kind, const std::optional<std::string>& name,
                                        const PictureFolders& folders, std::ostream& err) {
  std::string file;
  if (name) {
    file = *name;
  } else {
    const QStringList files = pictureNames(folders, kind.kind);
    if (files.isEmpty()) {
      err << "kvarnel-maze: no " << kind.noun << " pictures in '"
          << kindFolders(folders, kind.kind).join(QStringLiteral("' or '")) << "'\n";
      return std::nullopt;
    }
    file = files.first().toStdString();
  }
  const QString path = picturePath(folders, kind.kind, file);
  const std::optional<QImage> image = readPicture(path);
  if (!image) {
    err << "kvarnel-maze: " << kind.noun << " picture '" << path << "': " << notOpenedMessage << '\n';
    return std::nullopt;
  }
  if (const std::optional<std::string> refusal = pictureRefusal(kind.kind, image->width(), image->height())) {
    err << "kvarnel-maze: " << kind.noun << " picture '" << path << "' (" << image->width() << " x "
        << image->height() << " pixels): " << *refusal << '\n';
    return std::nullopt;
  }
  return QPixmap::fromImage(*image);
}

// The drawing as a picture of its own size, refused beyond the limits rather than drawn in part.
std::optional<QImage> drawingPicture(const MazeDrawing& drawing, std::ostream& err, int& code) {
  const QSizeF size = drawingSize(drawing);
  const auto width = static_cast<std::int64_t>(std::ceil(size.width()));
  const auto height = static_cast<std::int64_t>(std::ceil(size.height()));
  if (width > maxRenderSide || height > maxRenderSide || width * height * 4 > maxRenderBytes) {
    err << "kvarnel-maze: the field would be " << width << " x " << height
        << " pixels; render draws at most " << maxRenderSide << " pixels a side and "
        << (maxRenderBytes >> 20) << " MB (use a smaller wall picture or maze, or *.svg or *.pdf)\n";
    code = 2;
    return std::nullopt;
  }
  QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
  if (image.isNull()) {
    err << "kvarnel-maze: not enough memory for a picture of " << width << " x " << height << " pixels\n";
    code = 1;
    return std::nullopt;
  }
  QPainter painter(&image);
  paintDrawing(painter, QSizeF(image.size()), drawing);
  return image;
}

std::optional<QByteArray> encoded(const QImage& image, const QByteArray& format, std::ostream& err) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (writer.write(image)) return bytes;
  err << "kvarnel-maze: cannot encode the picture: " << writer.errorString().simplified() << '\n';
  return std::nullopt;
}

} // namespace

int renderMaze(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const PictureFolders& folders) {
  const std::optional<RenderArgs> parsed = parseArgs(args, err);
  if (!parsed) return 2;
  const std::optional<QByteArray> format = outputFormat(parsed->outFile, err);
  if (!format) return 2;

  Maze maze;
  const MazeFileResult read = readMazeFile(*parsed->file, maze);
  if (read != MazeFileResult::Ok) {
    err << mazeFileMessage(read, *parsed->file) << '\n';
    return 1;
  }

  const bool lines = parsed->style == "lines";
  GamePictures pictures;
  for (std::size_t k = 0; k < kindOptions.size() && !lines; ++k) {
    std::optional<QPixmap> picture =
        pictureForRender(kindOptions[k], parsed->names[k], folders, err);
    if (!picture) return 2;
    pictures[kindOptions[k].kind] = std::move(*picture);
  }
  const MazeDrawing drawing{&maze, lines ? PaperLook::Lines : PaperLook::Pictures, parsed->way, &pictures, 1.0};

  std::optional<QByteArray> bytes;
  if (*format == "svg") {
    bytes = drawingSvg(drawing);
  } else if (*format == "pdf") {
    bytes = drawingPdf(drawing);
  } else {
    int code = 0;
    const std::optional<QImage> image = drawingPicture(drawing, err, code);
    if (!image) return code;
    bytes = encoded(*image, *format, err);
  }
  if (!bytes) return 1;
  return writeOutput(std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())), parsed->outFile, out, err);
}

} // namespace kvarnel
