// Reading the beginning of a regular file.
#include "game/core/bounded_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace kvarnel {

BoundedRead readFileBounded(const std::string& path, std::size_t limit) {
  BoundedRead read;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    read.result = errno == ENOENT ? BoundedReadResult::Missing : BoundedReadResult::Failed;
    return read;
  }
  struct stat info {};
  bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  std::string& bytes = read.bytes;
  if (ok && limit > 0) {
    // One byte more than the file holds, so that the end shows without growing the buffer.
    bytes.resize(static_cast<std::size_t>(
        std::clamp<off_t>(info.st_size, 0, static_cast<off_t>(limit) - 1)) + 1);
    std::size_t got = 0;
    // The size may have changed since fstat: read until the end or the limit.
    while (ok && got < limit) {
      if (got == bytes.size()) bytes.resize(std::min(limit, bytes.size() * 2 + 4096));
      const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
      if (n < 0 && errno == EINTR) continue;
      ok = n >= 0;
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
  }
  ::close(fd);
  if (!ok) bytes.clear();
  read.result = ok ? BoundedReadResult::Ok : BoundedReadResult::Failed;
  return read;
}

} // namespace kvarnel
