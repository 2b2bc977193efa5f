// Replacing a file's whole content safely: a temporary beside it, renamed over it when complete.
#pragma once

#include <string>
#include <string_view>

namespace kvarnel {

enum class AtomicWriteResult {
  Ok,
  AccessDenied, // a read-only target, a folder of that name, a folder we may not write into
  Failed,       // a missing folder, a bad name, a full disk, any other failure
};

// The old file, if any, stays untouched unless the new content was written completely.
// A replaced file keeps its rights (and, for the superuser, its owner); through a symbolic link
// the linked file is replaced. An existing character device or pipe is written in place.
AtomicWriteResult writeFileAtomically(const std::string& path, std::string_view bytes);

} // namespace kvarnel
