// The safe whole-file write under failing file calls: what survives, the order in which the
// content reaches the disk, and the temporaries that crashes left.
#include "game/core/atomic_file.h"
#include "support/file_bytes.h"

#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <vector>

namespace kvarnel {
namespace {

// The system's calls, watched by the kind of file they go to; making a temporary may fail.
class WatchedCalls : public FileCalls {
public:
  int open(const char* path, int flags, unsigned mode) override {
    const bool temporary = (flags & O_CREAT) != 0;
    if (temporary && failCreate != 0) return errno = failCreate, -1;
    const int fd = FileCalls::open(path, flags, mode);
    kinds[fd] = temporary ? "temporary" : (flags & O_DIRECTORY) != 0 ? "folder" : "target";
    calls.push_back(((flags & O_TRUNC) != 0 ? "truncate " : "open ") + kinds[fd]);
    return fd;
  }
  long write(int fd, const void* bytes, std::size_t size) override {
    calls.push_back("write " + kinds[fd]);
    return FileCalls::write(fd, bytes, size);
  }
  int fsync(int fd) override {
    calls.push_back("fsync " + kinds[fd]);
    return FileCalls::fsync(fd);
  }
  int rename(const char* from, const char* to) override {
    calls.push_back("rename");
    return FileCalls::rename(from, to);
  }
  bool processRuns(long pid) override { return pid != endedProcess; }

  static constexpr long endedProcess = 999999999;
  int failCreate = 0;
  std::map<int, std::string> kinds;
  std::vector<std::string> calls;
};

class AtomicFileTest : public ::testing::Test {
protected:
  std::string path(const std::string& name) const { return dir.path().toStdString() + "/" + name; }
  QTemporaryDir dir;
  WatchedCalls calls;
};

TEST_F(AtomicFileTest, OnlyAFolderThatRefusesNewFilesIsWrittenInPlace) {
  for (const int error : {ENOSPC, EDQUOT, EMFILE, EIO, EACCES, EPERM, EROFS}) {
    const bool refused = error == EACCES || error == EPERM || error == EROFS;
    testing::writeBytes(path("keep.lbr"), "old maze");
    calls.failCreate = error;
    EXPECT_EQ(writeFileAtomically(path("keep.lbr"), "new maze", TargetKind::ChosenFile, calls),
              refused ? AtomicWriteResult::Ok : AtomicWriteResult::Failed)
        << std::strerror(error);
    EXPECT_EQ(testing::readBytes(path("keep.lbr")), refused ? "new maze" : "old maze") << std::strerror(error);
  }
  EXPECT_EQ(testing::filesIn(dir.path().toStdString()), std::vector<std::string>{"keep.lbr"});
}

TEST_F(AtomicFileTest, TheContentReachesTheDiskBeforeTheRenameAndTheRenameAfter) {
  ASSERT_EQ(writeFileAtomically(path("Options.ini"), "options", TargetKind::OwnFile, calls), AtomicWriteResult::Ok);
  EXPECT_EQ(calls.calls, (std::vector<std::string>{"open temporary", "write temporary", "fsync temporary", "rename",
                                                    "open folder", "fsync folder"}));
}

TEST_F(AtomicFileTest, TemporariesOfEndedProcessesGoAndNothingElse) {
  const std::string ended = std::to_string(WatchedCalls::endedProcess), running = std::to_string(::getpid() + 1);
  std::vector<std::string> kept{".Options.ini." + running + "-0.tmp", "Options.ini." + ended + "-0.tmp",
                                ".Options.ini." + ended + "-x.tmp", ".Options.ini." + ended + ".tmp"};
  for (const std::string& name : kept) testing::writeBytes(path(name), "left");
  for (const char* n : {".Options.ini.", ".Extras.ini."}) testing::writeBytes(path(n + ended + "-7.tmp"), "killed");
  ASSERT_EQ(writeFileAtomically(path("Options.ini"), "options", TargetKind::OwnFile, calls), AtomicWriteResult::Ok);
  // In a folder the player chose, another file's temporary may be another program's.
  testing::writeBytes(path(".notes.txt." + ended + "-0.tmp"), "left");
  ASSERT_EQ(writeFileAtomically(path("m.lbr"), "maze", TargetKind::ChosenFile, calls), AtomicWriteResult::Ok);
  kept.insert(kept.end(), {".notes.txt." + ended + "-0.tmp", "Options.ini", "m.lbr"});
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(testing::filesIn(dir.path().toStdString()), kept);
}

} // namespace
} // namespace kvarnel
