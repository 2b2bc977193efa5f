// Replacing a file's whole content safely: a temporary beside it, renamed over it when complete.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kvarnel {

enum class AtomicWriteResult {
  Ok,
  AccessDenied, // a read-only target, a folder of that name, a folder we may not write into
  Failed,       // a missing folder, a bad name, a full disk, any other failure
};

// Whose name the target is, which decides what a symbolic link or a special file there means.
enum class TargetKind {
  // A file the player named: through a symbolic link the linked file is replaced, and an
  // existing character device or pipe is written in place.
  ChosenFile,
  // A file the program names in its own folder: a symbolic link of that name is replaced
  // itself and never followed, so a link planted there redirects nothing, and anything but a
  // regular file refuses the write.
  OwnFile,
  // A file the program names in the player's own folders: as OwnFile, except that a link to a
  // regular file the player owns is written through and stays a link (a dotfile manager's), the
  // linked file replaced safely in its own folder.
  PlayersOwnFile,
};

// The file calls the writer makes: the system's, or a test's that fails some of them or watches
// their order. Each returns and sets errno as the system call of its name does.
class FileCalls {
public:
  virtual ~FileCalls() = default;
  virtual int open(const char* path, int flags, unsigned mode);
  virtual long write(int fd, const void* bytes, std::size_t size);
  virtual int fsync(int fd);
  virtual int close(int fd);
  virtual int rename(const char* from, const char* to);
  virtual int unlink(const char* path);
  // Whether the process of that id still runs, so that its temporaries are still its own.
  virtual bool processRuns(long pid);
};

FileCalls& systemFileCalls();

// The old file, if any, stays untouched unless the new content was written completely: the
// temporary is written, flushed to disk, renamed over the target, and the folder flushed, so
// that a power cut leaves the old file or the new one. A replaced file keeps its rights (and,
// for the superuser, its owner). Only where the folder itself refuses new files (read-only, or
// EACCES, EPERM, EROFS when the temporary is made) is a writable regular file written in place;
// any other failure (no room, no inodes, no file handles) leaves the old file as it was.
// Temporaries that processes which no longer run left in the folder go first: any in the
// program's own folders (OwnFile, PlayersOwnFile), those of the same file elsewhere.
AtomicWriteResult writeFileAtomically(const std::string& path, std::string_view bytes,
                                      TargetKind kind = TargetKind::ChosenFile,
                                      FileCalls& calls = systemFileCalls());

} // namespace kvarnel
