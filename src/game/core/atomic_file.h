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

// Whose name the target is, which decides what a symbolic link or a special file there means.
enum class TargetKind {
  // A file the player named: through a symbolic link the linked file is replaced, and an
  // existing character device or pipe is written in place.
  ChosenFile,
  // A file the program names in its own folder: a symbolic link of that name is replaced
  // itself and never followed, so a link planted there redirects nothing, and anything but a
  // regular file refuses the write.
  OwnFile,
};

// The old file, if any, stays untouched unless the new content was written completely.
// A replaced file keeps its rights (and, for the superuser, its owner). Only where no file can
// be made beside it (a read-only folder) is a writable regular file written in place.
AtomicWriteResult writeFileAtomically(const std::string& path, std::string_view bytes,
                                      TargetKind kind = TargetKind::ChosenFile);

} // namespace kvarnel
