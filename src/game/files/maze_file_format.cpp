// The maze file: composing, parsing, and the safe write and bounded read.
#include "game/files/maze_file_format.h"

#include "game/core/size_limits.h"
#include "game/core/atomic_file.h"
#include "game/core/bounded_read.h"
#include "game/core/player_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <optional>

namespace kvarnel {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view header = "[labirint]";
constexpr std::string_view lineEnd = "\r\n";

// The largest file the game can write is well below this: header and numbers, and a grid line
// of at most (2 * 16383 + 1) * 5 cells. Reading stops here whatever the file holds.
constexpr std::size_t readLimit = 1 << 20;

void appendNumberField(std::string& text, std::int32_t value) {
  if (value >= 0) text += ' ';
  text += std::to_string(value);
  text += lineEnd;
}

// Splits off the next line (without its CR LF or LF); nothing when no bytes are left.
std::optional<std::string_view> nextLine(std::string_view& rest) {
  if (rest.empty()) return std::nullopt;
  const std::size_t end = rest.find('\n');
  std::string_view line = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// A number line: blanks, an optional minus sign, digits, and blanks after them.
std::optional<std::int32_t> numberField(std::string_view line) {
  const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
  while (!line.empty() && isBlank(line.back())) line.remove_suffix(1);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
  if (error != std::errc{} || end != line.data() + line.size()) return std::nullopt;
  return value;
}

} // namespace

std::string composeMazeFile(const Maze& maze) {
  std::string text;
  text.reserve(64 + maze.mazeGrid.size());
  text += header;
  text += lineEnd;
  for (std::int32_t value : {maze.roomsAcross, maze.roomsDown, maze.heroCol, maze.heroRow,
                             maze.gridMaxX, maze.gridMaxY})
    appendNumberField(text, value);
  // One character per cell: a code beyond 9 (never made by the game) is kept open.
  const std::size_t gridStart = text.size();
  text.resize(gridStart + maze.mazeGrid.size());
  std::transform(maze.mazeGrid.begin(), maze.mazeGrid.end(),
                 text.begin() + static_cast<std::ptrdiff_t>(gridStart), [](std::uint8_t code) {
                   return static_cast<char>('0' + (code <= 9 ? code : std::uint8_t{cellOpen}));
                 });
  text += lineEnd;
  return text;
}

MazeFileResult parseMazeFile(std::string_view bytes, Maze& maze) {
  std::string_view rest = bytes;
  if (nextLine(rest).value_or(std::string_view{}) != header) return MazeFileResult::NotMazeFile;

  std::array<std::int32_t, 6> numbers{};
  for (std::int32_t& number : numbers) {
    const auto line = nextLine(rest);
    const auto value = line ? numberField(*line) : std::nullopt;
    if (!value) return MazeFileResult::NotMazeFile;
    number = *value;
  }
  const auto [width, height, heroCol, heroRow, gridMaxX, gridMaxY] = numbers;
  if (!mazeSizeFits(width, height) || gridMaxX != 2 * width || gridMaxY != 2 * height ||
      heroCol < 0 || heroCol >= width || heroRow < 0 || heroRow >= height)
    return MazeFileResult::NotMazeFile;

  // A grid line shorter than its grid is a file cut short: its missing cells would read as
  // walls and could shut the door off. Past the grid's end, and among the digits, the reader
  // stays lenient: extra characters are ignored and non-digits are walls.
  const std::string_view gridText = nextLine(rest).value_or(std::string_view{});
  std::vector<std::uint8_t> grid(static_cast<std::size_t>(gridMaxX + 1) *
                                     static_cast<std::size_t>(gridMaxY + 1),
                                 cellWall);
  if (gridText.size() < grid.size()) return MazeFileResult::NotMazeFile;
  for (std::size_t k = 0; k < grid.size(); ++k) {
    const char c = gridText[k];
    grid[k] = c >= '0' && c <= '9' ? static_cast<std::uint8_t>(c - '0') : std::uint8_t{cellWall};
  }

  maze.roomsAcross = width;
  maze.roomsDown = height;
  maze.heroCol = heroCol;
  maze.heroRow = heroRow;
  maze.gridMaxX = gridMaxX;
  maze.gridMaxY = gridMaxY;
  maze.mazeGrid = std::move(grid);
  return MazeFileResult::Ok;
}

MazeFileResult writeMazeFile(const Maze& maze, const std::string& path) {
  switch (writeFileAtomically(path, composeMazeFile(maze))) {
  case AtomicWriteResult::Ok: return MazeFileResult::Ok;
  case AtomicWriteResult::AccessDenied: return MazeFileResult::WriteProtected;
  case AtomicWriteResult::Failed: break;
  }
  return MazeFileResult::CannotSave;
}

MazeFileResult readMazeFile(const std::string& path, Maze& maze) {
  const BoundedRead read = readFileBounded(path, readLimit);
  switch (read.result) {
  case BoundedReadResult::Ok: return parseMazeFile(read.bytes, maze);
  case BoundedReadResult::Missing: break;
  case BoundedReadResult::Failed: return MazeFileResult::CannotOpen;
  }
  fs::path folder = fs::path(path).parent_path();
  if (folder.empty()) folder = ".";
  std::error_code ec;
  return fs::is_directory(folder, ec) ? MazeFileResult::NotFound : MazeFileResult::CannotOpen;
}

std::string mazeFileMessage(MazeFileResult result, const std::string& path) {
  const char* message = nullptr;
  switch (result) {
  case MazeFileResult::NotFound: message = KVARNEL_TEXT("Game", "Файл \"%1\" не найден."); break;
  case MazeFileResult::CannotOpen: message = KVARNEL_TEXT("Game", "Файл \"%1\" открыть не возможно."); break;
  case MazeFileResult::NotMazeFile: message = KVARNEL_TEXT("Game", "Файл \"%1\" не подходит к программе."); break;
  case MazeFileResult::WriteProtected: message = KVARNEL_TEXT("Game", "Файл \"%1\" защищён от записи."); break;
  case MazeFileResult::CannotSave: message = KVARNEL_TEXT("Game", "Файл \"%1\" сохранить не возможно."); break;
  case MazeFileResult::Ok: return {};
  }
  return playerText(message, {path});
}

} // namespace kvarnel
