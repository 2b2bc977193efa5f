// How much memory and file reading a stretch of a test took, from the kernel's own counters.
#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>

namespace kvarnel::testing {

// Counters the kernel keeps for this process. Timing is never measured: the number of bytes read
// shows whether a reader stopped early, and the peak resident memory whether it held a whole file.
class ResourceProbe {
public:
  // Resets the peak memory to what is resident now and notes the bytes read so far. False when
  // the kernel offers neither counter (then the growths below are nothing).
  bool start() {
    std::ofstream reset("/proc/self/clear_refs");
    reset << "5"; // the resident set's high-water mark becomes the current resident set
    reset.flush();
    const bool resetDone = static_cast<bool>(reset);
    startResident_ = resetDone ? statusValue("VmRSS:") : std::nullopt;
    startRead_ = ioValue("rchar:");
    return startResident_ && startRead_;
  }

  // How far the resident memory rose above its level at start, in bytes, at its highest.
  std::optional<std::int64_t> peakMemoryGrowth() const {
    const std::optional<std::int64_t> peak = statusValue("VmHWM:");
    if (!peak || !startResident_) return std::nullopt;
    return (*peak - *startResident_) * 1024;
  }

  // Bytes this process read from files and pipes since start.
  std::optional<std::int64_t> bytesRead() const {
    const std::optional<std::int64_t> now = ioValue("rchar:");
    if (!now || !startRead_) return std::nullopt;
    return *now - *startRead_;
  }

private:
  static std::optional<std::int64_t> valueAfter(const char* file, const std::string& key) {
    std::ifstream in(file);
    std::string word;
    while (in >> word) {
      if (word != key) continue;
      std::int64_t value = 0;
      if (in >> value) return value;
      return std::nullopt;
    }
    return std::nullopt;
  }
  static std::optional<std::int64_t> statusValue(const std::string& key) {
    return valueAfter("/proc/self/status", key); // in kB
  }
  static std::optional<std::int64_t> ioValue(const std::string& key) { return valueAfter("/proc/self/io", key); }

  std::optional<std::int64_t> startResident_;
  std::optional<std::int64_t> startRead_;
};

} // namespace kvarnel::testing
