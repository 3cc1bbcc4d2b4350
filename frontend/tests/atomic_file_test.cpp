// The checked whole-file writer: every failing call (a write cut short, a
// full device, the sync, the rename) leaves the old file whole, no temporary
// file behind, and the system's reason; the streamed content alike.
#include "atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <stdexcept>

#include "input_file.h"
#include "record_fields.h"
#include "test_support.h"
#include "start_up.h"

namespace fe {
namespace {

using keldor_test::Entries;
using keldor_test::ReadFile;
using keldor_test::TempFolder;
using keldor_test::WriteFile;

std::size_t budget = 0;  // bytes the next writes may still write

ssize_t WriteWithin(int fd, const void* data, size_t size) {
  if (budget == 0) {
    errno = ENOSPC;
    return -1;
  }
  const ssize_t n = ::write(fd, data, size < budget ? size : budget);
  if (n > 0) budget -= static_cast<std::size_t>(n);
  return n;
}
ssize_t WriteNothing(int, const void*, size_t) { return 0; }
ssize_t WriteInterrupted(int fd, const void* data, size_t size) {
  static bool once = false;
  if ((once = !once)) {
    errno = EINTR;
    return -1;
  }
  return ::write(fd, data, size < 4 ? size : 4);
}
int SyncFails(int) {
  errno = EIO;
  return -1;
}
int RenameFails(const char*, const char*) {
  errno = EXDEV;
  return -1;
}

class AtomicFile : public ::testing::Test {
 protected:
  void TearDown() override { AtomicFileCalls::Restore(); }
};

TEST_F(AtomicFile, EveryFailingCallLeavesTheOldFileWholeAndNoTemporary) {
  const std::string content = "NEW CONTENT OF THE FILE\n";
  struct Case {
    const char* what;
    AtomicFileCalls calls;
    std::size_t budget;
    int error;
  };
  const AtomicFileCalls real = AtomicFileCalls::Current();
  const Case cases[] = {
      {"no room at all", {&WriteWithin, real.fsync, real.rename}, 0, ENOSPC},
      {"cut after 5 bytes", {&WriteWithin, real.fsync, real.rename}, 5, ENOSPC},
      {"cut one byte short", {&WriteWithin, real.fsync, real.rename}, content.size() - 1, ENOSPC},
      {"a write that makes no progress", {&WriteNothing, real.fsync, real.rename}, 0, ENOSPC},
      {"the sync", {real.write, &SyncFails, real.rename}, 0, EIO},
      {"the rename", {real.write, real.fsync, &RenameFails}, 0, EXDEV},
  };
  for (const Case& c : cases) {
    for (const bool existed : {true, false}) {
      TempFolder dir;
      if (existed) WriteFile(dir / "f.json", "old");
      AtomicFileCalls::Current() = c.calls;
      budget = c.budget;
      std::string reason;
      EXPECT_FALSE(WriteFileAtomically(dir / "f.json", content, &reason)) << c.what;
      AtomicFileCalls::Restore();
      EXPECT_EQ(reason, std::strerror(c.error)) << c.what;
      if (existed) {
        EXPECT_EQ(ReadFile(dir / "f.json"), "old") << c.what;
      } else {
        EXPECT_FALSE(keldor_test::Exists(dir / "f.json")) << c.what;
      }
      EXPECT_EQ(Entries(dir.path()), existed ? 1u : 0u) << c.what;
    }
  }
}

TEST_F(AtomicFile, WritesTheWholeContentThroughShortAndInterruptedWrites) {
  TempFolder dir;
  AtomicFileCalls::Current().write = &WriteInterrupted;
  std::string reason;
  const std::string content(1000, 'x');
  ASSERT_TRUE(WriteFileAtomically(dir / "f.csv", content, &reason)) << reason;
  EXPECT_EQ(ReadFile(dir / "f.csv"), content);
  // An empty file is a whole file too.
  ASSERT_TRUE(WriteFileAtomically(dir / "f.csv", "", &reason)) << reason;
  EXPECT_EQ(ReadFile(dir / "f.csv"), "");
  EXPECT_EQ(Entries(dir.path()), 1u);
}

TEST_F(AtomicFile, StreamedContentIsWrittenOnlyWhenMadeWhole) {
  TempFolder dir;
  WriteFile(dir / "f.pdf", "old");
  std::string reason;
  ASSERT_TRUE(WriteFileAtomically(dir / "f.pdf", [](std::ostream& out) { out << "A" << 1.5 << '\n'; },
                                  &reason));
  EXPECT_EQ(ReadFile(dir / "f.pdf"), "A1.5\n");

  EXPECT_FALSE(WriteFileAtomically(
      dir / "f.pdf", [](std::ostream& out) { out << "half"; out.setstate(std::ios::badbit); },
      &reason));
  EXPECT_EQ(reason, "the content could not be made");
  EXPECT_FALSE(WriteFileAtomically(
      dir / "f.pdf", [](std::ostream& out) { out << "half"; throw std::runtime_error("no page"); },
      &reason));
  EXPECT_EQ(reason, "no page");
  budget = 2;
  AtomicFileCalls::Current().write = &WriteWithin;
  EXPECT_FALSE(WriteFileAtomically(dir / "f.pdf", [](std::ostream& out) { out << "longer"; },
                                   &reason));
  EXPECT_EQ(reason, std::strerror(ENOSPC));
  EXPECT_EQ(ReadFile(dir / "f.pdf"), "A1.5\n");
  EXPECT_EQ(Entries(dir.path()), 1u);
}

// Saving the input file on a full disk keeps the old file and says why.
TEST_F(AtomicFile, AnInputFileSaveThatFailsPartWayKeepsTheOldFile) {
  TempFolder dir;
  WriteFile(dir / "w.in", "old contents");
  InputRecord r = StartUp();
  const InputRecord before = r;
  budget = 100;
  AtomicFileCalls::Current().write = &WriteWithin;
  std::string error;
  EXPECT_FALSE(SaveInputFile(r, dir / "w.in", &error));
  EXPECT_EQ(error, "Cannot write file " + (dir / "w.in") + ": No space left on device");
  EXPECT_EQ(r, before);  // still not saved anywhere
  EXPECT_EQ(ReadFile(dir / "w.in"), "old contents");
  EXPECT_EQ(Entries(dir.path()), 1u);
}

}  // namespace
}  // namespace fe
