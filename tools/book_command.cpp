// kvarnel-maze book: the book's codes, the game's maze for each, their pages and answer pages.
#include "book_command.h"

#include "tool_output.h"

#include "game/core/size_limits.h"
#include "game/paper/maze_book.h"
#include "front/paper/paper_export.h"

#include <charconv>
#include <optional>
#include <ostream>

namespace kvarnel {
namespace {

struct BookArgs {
  std::optional<std::string> size, count, prefix, paper, outFile;
};

std::optional<BookArgs> parseArgs(const std::vector<std::string>& args, std::ostream& err) {
  BookArgs parsed;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::optional<std::string>* slot = a == "--size"          ? &parsed.size
                                       : a == "--count"       ? &parsed.count
                                       : a == "--code-prefix" ? &parsed.prefix
                                       : a == "--paper"       ? &parsed.paper
                                       : a == "-o"            ? &parsed.outFile
                                                              : nullptr;
    if (slot == nullptr) {
      err << "kvarnel-maze: unexpected argument '" << a << "' (see --help)\n";
      return std::nullopt;
    }
    if (i + 1 >= args.size() || *slot) {
      err << "kvarnel-maze: " << a << " needs one value\n";
      return std::nullopt;
    }
    *slot = args[++i];
  }
  if (!parsed.size || !parsed.count) {
    err << "kvarnel-maze: book takes --size WxH and --count N (see --help)\n";
    return std::nullopt;
  }
  return parsed;
}

std::optional<long long> wholeNumber(std::string_view text) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// "WxH" (or "WXH") within the limits.
std::optional<MazeSize> sizeOf(const std::string& text) {
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return std::nullopt;
  const auto width = wholeNumber(std::string_view(text).substr(0, x));
  const auto height = wholeNumber(std::string_view(text).substr(x + 1));
  if (!width || !height || !mazeSizeFits(*width, *height)) return std::nullopt;
  return MazeSize{static_cast<std::int32_t>(*width), static_cast<std::int32_t>(*height)};
}

// The request, or nothing after its one line.
std::optional<BookRequest> requestOf(const BookArgs& parsed, std::ostream& err) {
  BookRequest request;
  const std::optional<MazeSize> size = sizeOf(*parsed.size);
  if (!size) {
    err << "kvarnel-maze: --size is WxH, " << minRoomsPerSide << " to " << maxRoomsPerSide
        << " rooms a side and at most " << maxRoomCount << " rooms in all\n";
    return std::nullopt;
  }
  request.size = *size;
  const std::optional<long long> count = wholeNumber(*parsed.count);
  if (!count || *count < minBookCount || *count > maxBookCount) {
    err << "kvarnel-maze: --count is a number of mazes from " << minBookCount << " to " << maxBookCount << "\n";
    return std::nullopt;
  }
  request.count = static_cast<int>(*count);
  if (parsed.prefix) request.codePrefix = *parsed.prefix;
  return request;
}

} // namespace

int makeMazeBook(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::optional<BookArgs> parsed = parseArgs(args, err);
  if (!parsed) return 2;
  const std::optional<BookRequest> request = requestOf(*parsed, err);
  if (!request) return 2;
  const std::optional<PaperKind> paper = paperKindOf(parsed->paper.value_or("a4"));
  if (!paper) {
    err << "kvarnel-maze: --paper is a4 or letter, not '" << *parsed->paper << "'\n";
    return 2;
  }
  if (parsed->outFile && paperFormatOf(*parsed->outFile) != PaperFormat::Pdf) {
    err << "kvarnel-maze: a book is a PDF file; name the output *.pdf\n";
    return 2;
  }
  const std::optional<std::vector<BookMaze>> book = bookMazes(*request);
  if (!book) {
    err << "kvarnel-maze: --code-prefix for " << request->count << " mazes is at most "
        << longestBookPrefix(request->count) << " bytes (the first " << significantCodeBytes
        << " of a code's text make its maze), with no control characters and no blank at its start\n";
    return 2;
  }

  std::vector<Maze> mazes;
  mazes.reserve(book->size());
  for (const BookMaze& entry : *book) mazes.push_back(mazeOf(entry));
  // The mazes first, then the answers in the same order.
  std::vector<Sheet> sheets;
  sheets.reserve(2 * mazes.size());
  for (bool answers : {false, true}) {
    for (std::size_t i = 0; i < mazes.size(); ++i) {
      const QString number = QString::number(i + 1) + QStringLiteral(".  ");
      const QString code = QString::fromStdString((*book)[i].code);
      sheets.push_back({{&mazes[i], PaperLook::Lines, answers, nullptr, 1.0},
                        answers ? QStringLiteral("Ответ ") + number + code : number + code});
    }
  }
  const QByteArray bytes = pdfOf(sheets, paperPage(*paper, request->size));
  const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  return writeOutput(view, parsed->outFile, out, err);
}

} // namespace kvarnel
