// The settings of play beyond the designed game.
#include "game/files/extra_settings.h"

#include "game/core/atomic_file.h"
#include "game/core/bounded_read.h"

namespace kvarnel {
namespace {

constexpr std::string_view pauseOnFocusLossName = "pause-on-focus-loss";

} // namespace

std::string composeExtraSettings(const ExtraSettings& settings) {
  return std::string(pauseOnFocusLossName) + (settings.pauseOnFocusLoss ? "=1\n" : "=0\n");
}

ExtraSettings parseExtraSettings(std::string_view text) {
  ExtraSettings settings;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || line.substr(0, equals) != pauseOnFocusLossName) continue;
    const std::string_view value = line.substr(equals + 1);
    if (value == "0" || value == "1") settings.pauseOnFocusLoss = value == "1";
  }
  return settings;
}

ExtraSettings readExtraSettings(const GameFolders& folders) {
  if (folders.options.empty()) return {};
  const BoundedRead read = readFileBounded(folders.options + extrasFileName, 1 << 12);
  return read.result == BoundedReadResult::Ok ? parseExtraSettings(read.bytes) : ExtraSettings{};
}

void writeExtraSettings(const GameFolders& folders, const ExtraSettings& settings) {
  if (folders.options.empty()) return;
  makeFolder(folders.options);
  writeFileAtomically(folders.options + extrasFileName, composeExtraSettings(settings), ownFilesKind(folders));
}

} // namespace kvarnel
