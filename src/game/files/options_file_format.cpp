// Options.ini: composing and the lenient reader.
#include "game/files/options_file_format.h"

#include "game/core/atomic_file.h"
#include "game/core/bounded_read.h"

#include <charconv>
#include <optional>

namespace kvarnel {
namespace {

constexpr std::string_view lineEnd = "\r\n";

// Only the beginning of the file matters: eight short items. Reading stops here.
constexpr std::size_t readLimit = 1 << 16;

void appendInteger(std::string& text, std::int32_t value) {
  if (value >= 0) text += ' ';
  text += std::to_string(value);
  text += ' ';
  text += lineEnd;
}

// A name reads back whole unquoted unless it holds a separator or starts with what the reader
// strips or takes for a quote. Such a name is written in quotes, a quote inside it doubled.
void appendName(std::string& text, const std::string& name) {
  const bool needsQuotes = name.find_first_of(",\r\n") != std::string::npos ||
                           (!name.empty() && (name.front() == ' ' || name.front() == '"'));
  if (!needsQuotes) {
    text += name;
  } else {
    text += '"';
    for (char c : name) {
      if (c == '"') text += '"';
      text += c;
    }
    text += '"';
  }
  text += lineEnd;
}

class ItemReader {
public:
  explicit ItemReader(std::string_view text) : rest_(text) {}

  // The next item, or nothing at the end of the text.
  std::optional<std::string> next() {
    if (done_) return std::nullopt;
    while (!rest_.empty() && rest_.front() == ' ') rest_.remove_prefix(1);
    if (rest_.empty()) {
      done_ = true;
      return std::nullopt;
    }
    std::string item;
    if (rest_.front() == '"') {
      // Runs to the next single quote; a doubled quote inside stands for one quote.
      std::size_t i = 1;
      for (; i < rest_.size(); ++i) {
        if (rest_[i] != '"') {
          item += rest_[i];
        } else if (i + 1 < rest_.size() && rest_[i + 1] == '"') {
          item += '"';
          ++i;
        } else {
          break;
        }
      }
      rest_ = i < rest_.size() ? rest_.substr(i + 1) : std::string_view{};
      // Whatever follows the closing quote up to the separator is not part of the value.
      const std::size_t separator = rest_.find_first_of(",\n");
      skipSeparator(separator);
      return item;
    }
    const std::size_t separator = rest_.find_first_of(",\n");
    item = rest_.substr(0, separator);
    if (!item.empty() && item.back() == '\r') item.pop_back();
    skipSeparator(separator);
    return item;
  }

private:
  void skipSeparator(std::size_t separator) {
    if (separator == std::string_view::npos) {
      rest_ = {};
      done_ = true;
      return;
    }
    rest_ = rest_.substr(separator + 1);
  }

  std::string_view rest_;
  bool done_ = false;
};

// The leading integer of an item; 0 when it has none or it does not fit 32 bits.
std::int32_t integerOf(std::string_view item) {
  while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
  std::int32_t value = 0;
  if (!item.empty() && item.front() == '+') item.remove_prefix(1);
  const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
  (void)end;
  return error == std::errc{} ? value : 0;
}

} // namespace

std::string composeOptionsFile(const Options& options) {
  std::string text;
  appendInteger(text, options.roomsAcross);
  appendInteger(text, options.roomsDown);
  appendName(text, options.heroPicture);
  appendName(text, options.wallPicture);
  appendName(text, options.doorPicture);
  appendInteger(text, options.timedGame);
  appendInteger(text, options.limitMinutes);
  appendInteger(text, options.limitSeconds);
  return text;
}

void parseOptionsFile(std::string_view text, Options& options) {
  ItemReader items(text);
  auto readInteger = [&](std::int32_t& setting) {
    if (auto item = items.next()) setting = integerOf(*item);
  };
  auto readName = [&](std::string& setting) {
    if (auto item = items.next()) setting = std::move(*item);
  };
  readInteger(options.roomsAcross);
  readInteger(options.roomsDown);
  readName(options.heroPicture);
  readName(options.wallPicture);
  readName(options.doorPicture);
  readInteger(options.timedGame);
  readInteger(options.limitMinutes);
  readInteger(options.limitSeconds);
}

BoundedReadResult readOptionsFile(const std::string& path, Options& options) {
  // A pipe, a device or a folder in the file's place is no options file: opening the pipe must
  // not wait for a writer, nor the game for it at start-up.
  const BoundedRead read = readFileBounded(path, readLimit);
  if (read.result == BoundedReadResult::Ok) parseOptionsFile(read.bytes, options);
  return read.result;
}

void writeOptionsFile(const std::string& path, const Options& options, TargetKind kind) {
  // The options file is the program's own: a link planted in its place must not redirect it.
  writeFileAtomically(path, composeOptionsFile(options), kind);
}

Options readGameOptions(const GameFolders& folders) {
  Options options;
  const bool ownMissing = folders.options.empty() ||
                          readOptionsFile(folders.options + optionsFileName, options) == BoundedReadResult::Missing;
  // The game's own choice of pictures lets a new player's first "Старт!" start a game.
  if (ownMissing && folders.data != folders.options) readOptionsFile(folders.data + optionsFileName, options);
  // Options.ini may have been edited by hand.
  for (PictureKind kind : pictureKinds) {
    std::string& name = rememberedPicture(options, kind);
    if (!isPlainFileName(name)) name.clear();
  }
  return options;
}

void writeGameOptions(const GameFolders& folders, const Options& options) {
  if (folders.options.empty()) return;
  makeFolder(folders.options);
  writeOptionsFile(folders.options + optionsFileName, options, ownFilesKind(folders));
}

} // namespace kvarnel
