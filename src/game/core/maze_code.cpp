// Maze codes.
#include "game/core/maze_code.h"

#include "game/core/size_limits.h"

#include <array>
#include <charconv>

namespace kvarnel {
namespace {

constexpr std::array<std::string_view, 5> sizeSeparators{"x", "X", "\xD1\x85", "\xD0\xA5", "\xC3\x97"};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The rooms written at the start of text, removed from it; 1 to 5 digits.
std::optional<std::int32_t> takeRooms(std::string_view& text) {
  std::size_t digits = 0;
  while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
  if (digits == 0 || digits > 5) return std::nullopt;
  std::int32_t value = 0;
  std::from_chars(text.data(), text.data() + digits, value);
  text.remove_prefix(digits);
  return value;
}

} // namespace

std::optional<std::string> mazeCodeText(std::int32_t roomsAcross, std::int32_t roomsDown, const std::string& seedText) {
  if (seedText.empty() || seedText.front() != ' ') return std::nullopt;
  std::string code = std::to_string(roomsAcross) + "x" + std::to_string(roomsDown) + ":" + seedText.substr(1);
  const std::optional<MazeCode> back = parseMazeCode(code);
  if (!back || back->seedText != seedText) return std::nullopt;
  return code;
}

std::optional<MazeCode> parseMazeCode(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);

  MazeCode code;
  const std::optional<std::int32_t> width = takeRooms(text);
  if (!width) return std::nullopt;
  bool separated = false;
  for (std::string_view separator : sizeSeparators) {
    if (text.starts_with(separator)) {
      text.remove_prefix(separator.size());
      separated = true;
      break;
    }
  }
  if (!separated) return std::nullopt;
  const std::optional<std::int32_t> height = takeRooms(text);
  if (!height || !mazeSizeFits(*width, *height)) return std::nullopt;
  if (text.empty() || text.front() != ':') return std::nullopt;
  text.remove_prefix(1);
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  if (text.empty() || text.size() > longestCodeText) return std::nullopt;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) return std::nullopt;
  }
  code.roomsAcross = *width;
  code.roomsDown = *height;
  code.seedText = " " + std::string(text);
  return code;
}

} // namespace kvarnel
