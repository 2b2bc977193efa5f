// Reading the beginning of a regular file, whatever the path names in its place.
#pragma once

#include <cstddef>
#include <string>

namespace kvarnel {

enum class BoundedReadResult {
  Ok,
  Missing, // nothing of that name
  Failed,  // a folder, a device, a pipe or a socket of that name, or a failed open or read
};

struct BoundedRead {
  BoundedReadResult result = BoundedReadResult::Failed;
  std::string bytes; // at most limit bytes from the start of the file; empty unless Ok
};

// Opens path once and reads from it only when it is a regular file: opening a pipe nobody
// writes to does not wait, and an endless device is not read. Reading stops after limit bytes,
// so neither time nor memory grows with the file.
BoundedRead readFileBounded(const std::string& path, std::size_t limit);

} // namespace kvarnel
