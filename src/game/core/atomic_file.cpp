// Replacing a file's whole content safely.
#include "game/core/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>

namespace kvarnel {

int FileCalls::open(const char* path, int flags, unsigned mode) { return ::open(path, flags, static_cast<mode_t>(mode)); }
long FileCalls::write(int fd, const void* bytes, std::size_t size) { return ::write(fd, bytes, size); }
int FileCalls::fsync(int fd) { return ::fsync(fd); }
int FileCalls::close(int fd) { return ::close(fd); }
int FileCalls::rename(const char* from, const char* to) { return std::rename(from, to); }
int FileCalls::unlink(const char* path) { return ::unlink(path); }
bool FileCalls::processRuns(long pid) {
  // A process of another user answers EPERM: it runs all the same.
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

FileCalls& systemFileCalls() {
  static FileCalls calls;
  return calls;
}

namespace {

namespace fs = std::filesystem;

AtomicWriteResult failure(int error) {
  const bool denied = error == EACCES || error == EPERM || error == EROFS || error == EISDIR;
  return denied ? AtomicWriteResult::AccessDenied : AtomicWriteResult::Failed;
}

// The folder itself takes no new file: only then may an existing file be written in place.
bool folderRefuses(int error) { return error == EACCES || error == EPERM || error == EROFS; }

// Write access as the file system grants it, and as the mode bits ask for it: the superuser
// passes every access check, yet a file or folder marked read-only is meant to stay so.
bool writable(const std::string& path, const struct stat& info) {
  return ::access(path.c_str(), W_OK) == 0 && (info.st_mode & 0222) != 0;
}

bool writeAll(FileCalls& calls, int fd, std::string_view bytes) {
  for (std::size_t written = 0; written < bytes.size();) {
    const long n = calls.write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

// A character device or a pipe has no old content to keep, and renaming a file over it would
// destroy it (a superuser's -o /dev/null), so it is written in place. A pipe nobody reads fails
// at once instead of blocking.
AtomicWriteResult writeInPlace(FileCalls& calls, const std::string& path, std::string_view bytes) {
  const int fd = calls.open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC, 0);
  if (fd < 0) return failure(errno);
  const int flags = ::fcntl(fd, F_GETFL);
  bool ok = flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0 && writeAll(calls, fd, bytes);
  ok = calls.close(fd) == 0 && ok;
  return ok ? AtomicWriteResult::Ok : AtomicWriteResult::Failed;
}

// A regular file in a folder that takes no new file (read-only, or on a file system that refuses
// new names) can still be written where it is, as before temporaries: its old content is lost
// should the write fail, but a failed or short write is still reported as a failure. A link
// put in its place since it was looked at is not followed.
AtomicWriteResult rewriteInPlace(FileCalls& calls, const std::string& path, std::string_view bytes) {
  const int fd = calls.open(path.c_str(), O_WRONLY | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0);
  if (fd < 0) return failure(errno);
  bool ok = writeAll(calls, fd, bytes) && calls.fsync(fd) == 0;
  ok = calls.close(fd) == 0 && ok;
  return ok ? AtomicWriteResult::Ok : AtomicWriteResult::Failed;
}

// ".NAME.": how the temporaries of NAME begin, "PID-N.tmp" following.
std::string temporaryStem(const fs::path& target) {
  // Built by appending: GCC 12 at -O3 sees an overlapping copy in "." + std::string&& that
  // cannot happen (a false -Wrestrict).
  std::string stem = ".";
  stem.append(target.filename().string(), 0, 200);
  stem.append(".");
  return stem;
}

// The process id in a temporary's name ".NAME.PID-N.tmp"; nothing for any other name.
std::optional<long> temporaryOwner(std::string_view name) {
  if (!name.starts_with('.') || !name.ends_with(".tmp")) return std::nullopt;
  name.remove_suffix(4);
  const auto digitsAtEnd = [&name] {
    std::size_t n = 0;
    while (n < name.size() && name[name.size() - 1 - n] >= '0' && name[name.size() - 1 - n] <= '9') ++n;
    return n;
  };
  const std::size_t attempt = digitsAtEnd();
  if (attempt == 0 || attempt == name.size() || name[name.size() - attempt - 1] != '-') return std::nullopt;
  name.remove_suffix(attempt + 1);
  const std::size_t digits = digitsAtEnd();
  if (digits == 0 || digits > 18 || digits + 2 >= name.size() || name[name.size() - digits - 1] != '.')
    return std::nullopt;
  long pid = 0;
  std::from_chars(name.data() + name.size() - digits, name.data() + name.size(), pid);
  return pid > 0 ? std::optional<long>(pid) : std::nullopt;
}

// A kill or a crash during a write leaves its temporary behind: the next write removes the
// regular files of this user named as temporaries whose process no longer runs. In the game's
// own folders every such name is the game's; in a folder the player chose, only those of the
// file written are surely the game's.
void removeStaleTemporaries(FileCalls& calls, const fs::path& folder, const std::string& prefix) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!name.starts_with(prefix)) continue;
    const std::optional<long> pid = temporaryOwner(name);
    if (!pid || *pid == ::getpid() || calls.processRuns(*pid)) continue;
    struct stat info {};
    if (::lstat(it->path().c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid())
      calls.unlink(it->path().c_str());
  }
}

// A new file beside the target, created with the rights a plain new file would get. Its name
// shows which file it belongs to, should a crash leave it behind.
int createTemporary(FileCalls& calls, const fs::path& folder, const std::string& stem, std::string& temp) {
  const std::string ours = stem + std::to_string(::getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = (folder / (ours + std::to_string(attempt) + ".tmp")).string();
    const int fd = calls.open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

// The regular file the player owns that a link in his own folder names, nothing for anything
// else: such a link is his, put there by him or his dotfile manager.
std::optional<fs::path> playersLinkedFile(const fs::path& link) {
  std::error_code ec;
  if (!fs::is_symlink(fs::symlink_status(link, ec))) return std::nullopt;
  fs::path real = fs::canonical(link, ec);
  struct stat info {};
  if (ec || ::stat(real.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::getuid())
    return std::nullopt;
  return real;
}

} // namespace

AtomicWriteResult writeFileAtomically(const std::string& path, std::string_view bytes, TargetKind kind, FileCalls& calls) {
  const bool own = kind != TargetKind::ChosenFile;
  fs::path target(path);
  std::error_code ec;
  // Through a link to a chosen file, the file it names is replaced and the link stays.
  if (!own && fs::is_symlink(fs::symlink_status(target, ec))) {
    fs::path real = fs::canonical(target, ec);
    if (!ec) target = std::move(real);
  }
  if (kind == TargetKind::PlayersOwnFile) {
    if (std::optional<fs::path> real = playersLinkedFile(target)) target = std::move(*real);
  }
  const std::string targetName = target.string();

  struct stat old {};
  bool exists = (own ? ::lstat(targetName.c_str(), &old) : ::stat(targetName.c_str(), &old)) == 0;
  // The rename below replaces a link at an own file's name, never what it points to.
  if (own && exists && S_ISLNK(old.st_mode)) exists = false;
  if (exists && S_ISDIR(old.st_mode)) return AtomicWriteResult::AccessDenied;
  if (exists && !writable(targetName, old)) return AtomicWriteResult::AccessDenied;
  if (exists && !own && (S_ISCHR(old.st_mode) || S_ISFIFO(old.st_mode)))
    return writeInPlace(calls, targetName, bytes);
  if (exists && !S_ISREG(old.st_mode)) return AtomicWriteResult::Failed;

  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  struct stat folderInfo {};
  if (target.filename().empty() || ::stat(folder.c_str(), &folderInfo) != 0 ||
      !S_ISDIR(folderInfo.st_mode))
    return AtomicWriteResult::Failed;
  const bool rewritable = exists && S_ISREG(old.st_mode);
  if (!writable(folder.string(), folderInfo))
    return rewritable ? rewriteInPlace(calls, targetName, bytes) : AtomicWriteResult::AccessDenied;

  const std::string stem = temporaryStem(target);
  removeStaleTemporaries(calls, folder, own ? "." : stem);
  std::string temp;
  const int fd = createTemporary(calls, folder, stem, temp);
  if (fd < 0) {
    const int error = errno;
    // No room, no inodes, no file handles: the old file must stay as it is.
    if (rewritable && folderRefuses(error)) return rewriteInPlace(calls, targetName, bytes);
    return failure(error);
  }

  bool ok = true;
  if (exists) {
    // Keep the replaced file's owner (possible for the superuser only) and rights.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
      // Someone else's file in a folder we may write to becomes ours, with the same rights.
    }
    ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  }
  // Every failure of the write counts: a full disk is not a saved file. The content is on disk
  // before the rename makes it the file's.
  ok = ok && writeAll(calls, fd, bytes) && calls.fsync(fd) == 0;
  ok = calls.close(fd) == 0 && ok;
  int error = 0;
  if (ok && calls.rename(temp.c_str(), targetName.c_str()) != 0) {
    error = errno;
    ok = false;
  }
  if (!ok) {
    calls.unlink(temp.c_str());
    return failure(error);
  }
  // Make the rename itself durable; the new content is already on disk either way.
  const int folderFd = calls.open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
  if (folderFd >= 0) {
    calls.fsync(folderFd);
    calls.close(folderFd);
  }
  return AtomicWriteResult::Ok;
}

} // namespace kvarnel
