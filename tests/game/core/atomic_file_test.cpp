// The safe whole-file write under failing file calls: what survives, in which order the content
// reaches the disk, the temporaries that crashes left, and the player's own links.
#include "game/core/atomic_file.h"
#include "support/file_bytes.h"

#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <vector>

namespace kvarnel {
namespace {

namespace fs = std::filesystem;

// The system's calls, watched: each call's name and the file it went to, and a temporary that
// cannot be made, with the error given.
class WatchedCalls : public FileCalls {
public:
  int open(const char* path, int flags, unsigned mode) override {
    const std::string name = fs::path(path).filename().string();
    if ((flags & O_CREAT) != 0 && failCreate != 0) {
      errno = failCreate;
      return -1;
    }
    const int fd = FileCalls::open(path, flags, mode);
    if (fd >= 0) names[fd] = (flags & O_DIRECTORY) != 0 ? "folder" : (flags & O_CREAT) != 0 ? "temporary" : name;
    calls.push_back(std::string((flags & O_TRUNC) != 0 ? "truncate " : "open ") + names[fd]);
    return fd;
  }
  long write(int fd, const void* bytes, std::size_t size) override {
    calls.push_back("write " + names[fd]);
    return FileCalls::write(fd, bytes, size);
  }
  int fsync(int fd) override {
    calls.push_back("fsync " + names[fd]);
    return FileCalls::fsync(fd);
  }
  int rename(const char* from, const char* to) override {
    calls.push_back("rename");
    return FileCalls::rename(from, to);
  }
  bool processRuns(long pid) override { return pid != endedProcess; }

  static constexpr long endedProcess = 999999999;
  int failCreate = 0;
  std::map<int, std::string> names;
  std::vector<std::string> calls;
};

class AtomicFileTest : public ::testing::Test {
protected:
  std::string path(const std::string& name) const { return dir.path().toStdString() + "/" + name; }
  QTemporaryDir dir;
  WatchedCalls calls;
};

TEST_F(AtomicFileTest, OnlyAFolderThatRefusesNewFilesIsWrittenInPlace) {
  const std::string target = path("keep.lbr");
  for (const int error : {ENOSPC, EDQUOT, EMFILE, ENFILE, EIO}) {
    testing::writeBytes(target, "old maze");
    calls.failCreate = error;
    EXPECT_EQ(writeFileAtomically(target, "new maze", TargetKind::ChosenFile, calls), AtomicWriteResult::Failed)
        << std::strerror(error);
    EXPECT_EQ(testing::readBytes(target), "old maze") << std::strerror(error);
  }
  for (const int error : {EACCES, EPERM, EROFS}) {
    testing::writeBytes(target, "old maze");
    calls.failCreate = error;
    EXPECT_EQ(writeFileAtomically(target, "new maze", TargetKind::ChosenFile, calls), AtomicWriteResult::Ok)
        << std::strerror(error);
    EXPECT_EQ(testing::readBytes(target), "new maze") << std::strerror(error);
  }
  calls.failCreate = ENOSPC;
  EXPECT_EQ(writeFileAtomically(path("new.lbr"), "new maze", TargetKind::ChosenFile, calls), AtomicWriteResult::Failed);
  EXPECT_EQ(testing::filesIn(dir.path().toStdString()), std::vector<std::string>{"keep.lbr"});
}

TEST_F(AtomicFileTest, TheContentReachesTheDiskBeforeTheRenameAndTheRenameAfter) {
  ASSERT_EQ(writeFileAtomically(path("Options.ini"), "options", TargetKind::OwnFile, calls), AtomicWriteResult::Ok);
  EXPECT_EQ(calls.calls, (std::vector<std::string>{"open temporary", "write temporary", "fsync temporary", "rename",
                                                    "open folder", "fsync folder"}));
  EXPECT_EQ(testing::readBytes(path("Options.ini")), "options");
}

TEST_F(AtomicFileTest, TemporariesOfEndedProcessesGoAndNothingElse) {
  const std::string ended = std::to_string(WatchedCalls::endedProcess), running = std::to_string(::getpid() + 1);
  const std::vector<std::string> kept{".Options.ini." + running + "-0.tmp",  // its writer still runs
                                      ".Extras.ini." + ended + "-0.tmp",     // another file's
                                      "Options.ini." + ended + "-0.tmp",     // not of that form
                                      ".Options.ini." + ended + "-x.tmp", ".Options.ini." + ended + ".tmp"};
  for (const std::string& name : kept) testing::writeBytes(path(name), "left");
  testing::writeBytes(path(".Options.ini." + ended + "-0.tmp"), "left by a kill");
  testing::writeBytes(path(".Options.ini." + ended + "-7.tmp"), "left by a crash");
  fs::create_directory(path(".Options.ini." + ended + "-1.tmp"));

  ASSERT_EQ(writeFileAtomically(path("Options.ini"), "options", TargetKind::OwnFile, calls), AtomicWriteResult::Ok);
  std::vector<std::string> left = kept;
  left.push_back(".Options.ini." + ended + "-1.tmp");
  left.push_back("Options.ini");
  std::sort(left.begin(), left.end());
  EXPECT_EQ(testing::filesIn(dir.path().toStdString()), left);
}

TEST_F(AtomicFileTest, ThePlayersOwnLinkStaysALinkAndAPlantedOneIsReplaced) {
  fs::create_directory(path("dotfiles"));
  testing::writeBytes(path("dotfiles/Options.ini"), "old");
  fs::create_symlink(path("dotfiles/Options.ini"), path("Options.ini"));
  ASSERT_EQ(writeFileAtomically(path("Options.ini"), "new", TargetKind::PlayersOwnFile), AtomicWriteResult::Ok);
  EXPECT_TRUE(fs::is_symlink(path("Options.ini")));
  EXPECT_EQ(testing::readBytes(path("dotfiles/Options.ini")), "new");
  EXPECT_EQ(testing::filesIn(path("dotfiles")), std::vector<std::string>{"Options.ini"});

  // A link to a folder, to a missing file or to another's file is not the player's: replaced.
  fs::create_directory_symlink(path("dotfiles"), path("records.txt"));
  ASSERT_EQ(writeFileAtomically(path("records.txt"), "times", TargetKind::PlayersOwnFile), AtomicWriteResult::Ok);
  EXPECT_FALSE(fs::is_symlink(path("records.txt")));
  // In a copy's own folder a link is replaced as before.
  ASSERT_EQ(writeFileAtomically(path("Options.ini"), "copy", TargetKind::OwnFile), AtomicWriteResult::Ok);
  EXPECT_FALSE(fs::is_symlink(path("Options.ini")));
  EXPECT_EQ(testing::readBytes(path("dotfiles/Options.ini")), "new");
}

} // namespace
} // namespace kvarnel
