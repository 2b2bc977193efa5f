// Writing a command's result to standard output, where a failed write is a failure too.
#pragma once

#include <ostream>
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

} // namespace kvarnel
