// Replacing a file's whole content safely.
#include "game/core/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace kvarnel {
namespace {

namespace fs = std::filesystem;

AtomicWriteResult failure(int error) {
  const bool denied = error == EACCES || error == EPERM || error == EROFS || error == EISDIR;
  return denied ? AtomicWriteResult::AccessDenied : AtomicWriteResult::Failed;
}

// Write access as the file system grants it, and as the mode bits ask for it: the superuser
// passes every access check, yet a file or folder marked read-only is meant to stay so.
bool writable(const std::string& path, const struct stat& info) {
  return ::access(path.c_str(), W_OK) == 0 && (info.st_mode & 0222) != 0;
}

bool writeAll(int fd, std::string_view bytes) {
  for (std::size_t written = 0; written < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

// A character device or a pipe has no old content to keep, and renaming a file over it would
// destroy it (a superuser's -o /dev/null), so it is written in place. A pipe nobody reads fails
// at once instead of blocking.
AtomicWriteResult writeInPlace(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return failure(errno);
  const int flags = ::fcntl(fd, F_GETFL);
  bool ok = flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0 && writeAll(fd, bytes);
  ok = ::close(fd) == 0 && ok;
  return ok ? AtomicWriteResult::Ok : AtomicWriteResult::Failed;
}

// A regular file in a folder that takes no new file (read-only, or on a file system that refuses
// new names) can still be written where it is, as before temporaries: its old content is lost
// should the write fail, but a failed or short write is still reported as a failure. A link
// put in its place since it was looked at is not followed.
AtomicWriteResult rewriteInPlace(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return failure(errno);
  bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  return ok ? AtomicWriteResult::Ok : AtomicWriteResult::Failed;
}

// A new file beside the target, created with the rights a plain new file would get. Its name
// shows which file it belongs to, should a crash leave it behind.
int createTemporary(const fs::path& folder, const fs::path& target, std::string& temp) {
  // Built by appending: GCC 12 at -O3 sees an overlapping copy in "." + std::string&& that
  // cannot happen (a false -Wrestrict).
  std::string stem = ".";
  stem.append(target.filename().string(), 0, 200);
  stem.append(".").append(std::to_string(::getpid())).append("-");
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = (folder / (stem + std::to_string(attempt) + ".tmp")).string();
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

} // namespace

AtomicWriteResult writeFileAtomically(const std::string& path, std::string_view bytes, TargetKind kind) {
  const bool own = kind == TargetKind::OwnFile;
  fs::path target(path);
  std::error_code ec;
  // Through a link to a chosen file, the file it names is replaced and the link stays.
  if (!own && fs::is_symlink(fs::symlink_status(target, ec))) {
    fs::path real = fs::canonical(target, ec);
    if (!ec) target = std::move(real);
  }
  const std::string targetName = target.string();

  struct stat old {};
  bool exists = (own ? ::lstat(targetName.c_str(), &old) : ::stat(targetName.c_str(), &old)) == 0;
  // The rename below replaces a link at an own file's name, never what it points to.
  if (own && exists && S_ISLNK(old.st_mode)) exists = false;
  if (exists && S_ISDIR(old.st_mode)) return AtomicWriteResult::AccessDenied;
  if (exists && !writable(targetName, old)) return AtomicWriteResult::AccessDenied;
  if (exists && !own && (S_ISCHR(old.st_mode) || S_ISFIFO(old.st_mode)))
    return writeInPlace(targetName, bytes);
  if (exists && !S_ISREG(old.st_mode)) return AtomicWriteResult::Failed;

  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  struct stat folderInfo {};
  if (target.filename().empty() || ::stat(folder.c_str(), &folderInfo) != 0 ||
      !S_ISDIR(folderInfo.st_mode))
    return AtomicWriteResult::Failed;
  const bool rewritable = exists && S_ISREG(old.st_mode);
  if (!writable(folder.string(), folderInfo))
    return rewritable ? rewriteInPlace(targetName, bytes) : AtomicWriteResult::AccessDenied;

  std::string temp;
  const int fd = createTemporary(folder, target, temp);
  if (fd < 0) return rewritable ? rewriteInPlace(targetName, bytes) : failure(errno);

  bool ok = true;
  if (exists) {
    // Keep the replaced file's owner (possible for the superuser only) and rights.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
      // Someone else's file in a folder we may write to becomes ours, with the same rights.
    }
    ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  }
  // Every failure of the write counts: a full disk is not a saved file.
  ok = ok && writeAll(fd, bytes) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  int error = 0;
  if (ok && ::rename(temp.c_str(), targetName.c_str()) != 0) {
    error = errno;
    ok = false;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return failure(error);
  }
  // Make the rename itself durable; the new content is already on disk either way.
  const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    ::fsync(folderFd);
    ::close(folderFd);
  }
  return AtomicWriteResult::Ok;
}

} // namespace kvarnel
