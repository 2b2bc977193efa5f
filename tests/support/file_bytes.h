// Whole files as bytes, for tests that write inputs and check what is left on disk.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

namespace kvarnel::testing {

// The file's bytes; empty when it cannot be read.
inline std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

} // namespace kvarnel::testing
