// Fuzz target: the options file reader, over bytes and over a file on disk.
#include "game/files/options_file_format.h"
#include "fuzz_support.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace kvarnel::fuzz {
namespace {

// The eight settings in file order, integers as their decimal text.
std::array<std::string, 8> fieldsOf(const Options& o) {
  return {std::to_string(o.roomsAcross),   std::to_string(o.roomsDown), o.heroPicture,
          o.wallPicture,                 o.doorPicture,                std::to_string(o.timedGame),
          std::to_string(o.limitMinutes), std::to_string(o.limitSeconds)};
}

bool sameOptions(const Options& a, const Options& b) { return fieldsOf(a) == fieldsOf(b); }

// Settings that differ from the defaults in every field, so that an item the reader skipped shows.
Options otherOptions() {
  Options options;
  options.roomsAcross = -11;
  options.roomsDown = 123456;
  options.heroPicture = "hero, held";
  options.wallPicture = "\"wall\"";
  options.doorPicture = " door";
  options.timedGame = 7;
  options.limitMinutes = -1;
  options.limitSeconds = 2147483647;
  return options;
}

} // namespace

// One input: its properties, then the same bytes read as a file.
void fuzzOptionsFile(std::string_view bytes) {
  static const ScratchFile scratch("options");

  Options read;
  parseOptionsFile(bytes, read);

  // Items are taken in order: the same bytes read over other settings give the same values up
  // to the first missing item, and from there on every setting keeps what it held.
  {
    const Options start = otherOptions();
    Options over = start;
    parseOptionsFile(bytes, over);
    const auto a = fieldsOf(read), b = fieldsOf(over);
    const auto defaults = fieldsOf(Options{}), previous = fieldsOf(start);
    std::size_t k = 0;
    while (k < a.size() && a[k] == b[k]) ++k;
    for (; k < a.size(); ++k)
      check(a[k] == defaults[k] && b[k] == previous[k], "a missing item keeps the setting");
  }

  // Whatever the reader took in, the writer writes so that it reads back unchanged over any
  // previous settings, and writing that again gives the same bytes.
  const std::string text = composeOptionsFile(read);
  Options again = otherOptions();
  parseOptionsFile(text, again);
  check(sameOptions(again, read), "written options read back unchanged");
  check(composeOptionsFile(again) == text, "writing read-back options gives the same bytes");

  // The file reader gives what the bytes give, for files below the 64 KiB it reads at most.
  if (bytes.size() >= (std::size_t{1} << 16)) return;
  scratch.put(bytes);
  Options fromFile;
  readOptionsFile(scratch.path(), fromFile);
  check(sameOptions(fromFile, read), "the file reads as its bytes parse");
}

} // namespace kvarnel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kvarnel::fuzz::fuzzOptionsFile(kvarnel::fuzz::bytesOf(data, size));
  return 0;
}
