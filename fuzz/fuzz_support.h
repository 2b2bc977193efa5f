// Shared by the fuzz targets: property checks that stop the run, and a scratch file per process.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace kvarnel::fuzz {

// A broken property is a finding like a crash: libFuzzer keeps the input that broke it.
inline void check(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "kvarnel fuzz: property broken: %s\n", property);
  std::abort();
}

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// One file per target and process, removed when the run ends normally. It lives in memory
// (/dev/shm) where there is such a folder: rewriting a file on disk thousands of times a second
// makes the file system flush it and slows the run a hundredfold.
class ScratchFile {
public:
  explicit ScratchFile(const std::string& name)
      : path_((folder() / ("kvarnel-fuzz-" + name + "-" + std::to_string(::getpid()))).string()) {}
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  ~ScratchFile() {
    std::error_code ec;
    std::filesystem::remove(path_, ec);
  }

  const std::string& path() const { return path_; }

  void put(std::string_view bytes) const { putAt(path_, bytes); }

  static void putAt(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    check(static_cast<bool>(out), "the scratch file can be written");
  }

private:
  static std::filesystem::path folder() {
    std::error_code ec;
    if (std::filesystem::is_directory("/dev/shm", ec)) return "/dev/shm";
    return std::filesystem::temp_directory_path();
  }

  std::string path_;
};

} // namespace kvarnel::fuzz
