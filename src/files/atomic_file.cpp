// Replacing a file's whole content safely.
#include "files/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace kvarnel {
namespace {

namespace fs = std::filesystem;

bool hasOwnerWrite(const fs::path& path) {
  std::error_code ec;
  const auto perms = fs::status(path, ec).permissions();
  return !ec && (perms & fs::perms::owner_write) != fs::perms::none;
}

AtomicWriteResult failure(int error) {
  const bool denied = error == EACCES || error == EPERM || error == EROFS || error == EISDIR;
  return denied ? AtomicWriteResult::AccessDenied : AtomicWriteResult::Failed;
}

} // namespace

AtomicWriteResult writeFileAtomically(const std::string& path, std::string_view bytes) {
  const fs::path target(path);
  std::error_code ec;
  const fs::file_status status = fs::status(target, ec);
  if (fs::is_directory(status)) return AtomicWriteResult::AccessDenied;
  const bool exists = fs::exists(status);
  // Checked by mode bits too, so that a read-only file is respected even by the superuser.
  if (exists && !hasOwnerWrite(target)) return AtomicWriteResult::AccessDenied;
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  if (target.filename().empty() || !fs::is_directory(folder, ec)) return AtomicWriteResult::Failed;
  if (!hasOwnerWrite(folder)) return AtomicWriteResult::AccessDenied;

  std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = mkstemp(temp.data());
  if (fd < 0) return failure(errno);

  struct stat old {};
  const mode_t mode = exists && ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  bool ok = fchmod(fd, mode) == 0;
  for (std::size_t written = 0; ok && written < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) written += static_cast<std::size_t>(n);
  }
  ok = ok && fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  int error = 0;
  if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
    error = errno;
    ok = false;
  }
  if (ok) return AtomicWriteResult::Ok;
  std::remove(temp.c_str());
  return failure(error);
}

} // namespace kvarnel
