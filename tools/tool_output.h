// Writing a command's result to standard output, where a failed write is a failure too.
#pragma once

#include "game/core/atomic_file.h"
#include "game/files/maze_file_format.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace kvarnel {

// Exit code 0, or 1 after a message when the stream took the bytes but could not deliver them.
inline int writeStandardOutput(std::string_view bytes, std::ostream& out, std::ostream& err) {
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  if (out) return 0;
  err << "kvarnel-maze: cannot write to standard output\n";
  return 1;
}

// The bytes to the named file, replaced safely (a failed write leaves the old file as it was), or
// to out when no file is named.
inline int writeOutput(std::string_view bytes, const std::optional<std::string>& outFile, std::ostream& out,
                       std::ostream& err) {
  if (!outFile) return writeStandardOutput(bytes, out, err);
  switch (writeFileAtomically(*outFile, bytes)) {
  case AtomicWriteResult::Ok: return 0;
  case AtomicWriteResult::AccessDenied:
    err << mazeFileMessage(MazeFileResult::WriteProtected, *outFile) << '\n';
    return 1;
  case AtomicWriteResult::Failed: break;
  }
  err << mazeFileMessage(MazeFileResult::CannotSave, *outFile) << '\n';
  return 1;
}

} // namespace kvarnel
