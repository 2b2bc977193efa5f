// Whole files as bytes, for tests that write inputs and check what is left on disk.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace kvarnel::testing {

// The file's bytes; empty when it cannot be read.
inline std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The names in folder that begin with prefix, sorted: what a write left beside its file.
inline std::vector<std::string> filesIn(const std::string& folder, const std::string& prefix = "") {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::string name = entry.path().filename().string();
    if (name.starts_with(prefix)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

} // namespace kvarnel::testing
