// The report writer: lines as written, and every failed write, flush and
// close noticed, kept with its reason and told through KELDOR_WRITTEN, for
// the report and the side file alike.
#include "report.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "keldor.h"
#include "reference_wall.h"
#include "report_capture.h"
#include "state.h"

namespace keldor {
namespace {

using testing_support::FreshState;
using testing_support::SetReferenceWall;

// A write function that lets `budget` bytes through and then fails with
// ENOSPC, writing what still fits (a short write).
std::size_t budget = 0;
int calls = 0;
std::size_t WriteWithin(const void* data, std::size_t size, std::size_t count, std::FILE* f) {
  ++calls;
  const std::size_t want = size * count;
  const std::size_t n = want < budget ? want : budget;
  budget -= n;
  const std::size_t done = n == 0 ? 0 : std::fwrite(data, 1, n, f);
  if (done < want) errno = ENOSPC;
  return done / size;
}

// Three lines of 5 + 2 bytes each; the budget cuts them at every kind of place.
TEST(TextFile, WriteFailingAfterNBytesStopsTheFileAndKeepsTheReason) {
  const std::string whole = "ABCDE\r\nFGHIJ\r\nKLMNO\r\n";
  struct Case {
    std::size_t budget;
    int callsAfter;  // write calls made: none after the failing one
  };
  for (const Case c : {Case{0, 1}, Case{3, 1}, Case{5, 2}, Case{6, 2}, Case{7, 3}, Case{20, 6}}) {
    for (TextFile* file : {&S.report, &S.side}) {
      keldor_test::TempFolder dir;
      const std::string path = dir / "f";
      ASSERT_TRUE(file->create(path));
      file->setWriteFunction(&WriteWithin);
      budget = c.budget, calls = 0;
      for (const char* text : {"ABCDE", "FGHIJ", "KLMNO"}) file->line(text);
      EXPECT_EQ(calls, c.callsAfter) << c.budget;
      EXPECT_FALSE(file->isOpen()) << c.budget;
      EXPECT_FALSE(file->close());
      EXPECT_FALSE(file->written());
      EXPECT_EQ(file->error(), ENOSPC);
      EXPECT_EQ(keldor_test::ReadFile(path), whole.substr(0, c.budget)) << c.budget;
      file->setWriteFunction(&std::fwrite);
      // A new file starts whole again.
      ASSERT_TRUE(file->create(path));
      file->line("X");
      EXPECT_TRUE(file->close());
      EXPECT_TRUE(file->written());
      EXPECT_EQ(file->error(), 0);
      EXPECT_EQ(keldor_test::ReadFile(path), "X\r\n");
    }
  }
}

// Writes that the library buffers fail only when flushed at the close.
TEST(TextFile, FailureAtTheFlushOrCloseIsKept) {
  TextFile file;
  ASSERT_TRUE(file.create("/dev/full"));
  file.line("A LINE THE DEVICE HAS NO ROOM FOR");
  EXPECT_TRUE(file.isOpen());
  EXPECT_FALSE(file.close());
  EXPECT_FALSE(file.written());
  EXPECT_EQ(file.error(), ENOSPC);
  EXPECT_FALSE(file.close());  // a second close keeps the failure

  // A file that cannot be created keeps the reason too.
  EXPECT_FALSE(file.create("/nonexistent-folder/f"));
  EXPECT_FALSE(file.written());
  EXPECT_EQ(file.error(), ENOENT);
  file.line("dropped");
  file.reset();
  EXPECT_EQ(file.error(), 0);
}

// ---- A whole run ------------------------------------------------------------------

struct Written {
  int32_t report = -1, side = -1;
  std::string reason;
};

Written AfterRun(const std::string& outpath, int imode) {
  FreshState();
  SetReferenceWall(0.0f, 0.0f);
  S.IMODE = imode, S.TFMIN = 18.0f, S.DKMAX = 0.0f, S.BW = 0.0f, S.ASW = 0.25f;
  S.WTMIN = 0.0f, S.WTMAX = 60.0f, S.WHMAX = 200.0f;
  std::string path = outpath;
  path.resize(132, ' ');
  const std::string blank80(80, ' '), version = " 1.42";
  CONDLL(path.c_str(), blank80.c_str(), blank80.c_str(), blank80.c_str(), version.c_str());
  Written w;
  char reason[132];
  KELDOR_WRITTEN(&w.report, &w.side, reason);
  w.reason.assign(reason, sizeof reason);
  return w;
}

std::string Padded(std::string text) {
  text.resize(132, ' ');
  return text;
}

TEST(KeldorWritten, TellsWhetherBothFilesOfTheLastRunAreWhole) {
  FreshState();
  Written before;
  char reason[132];
  KELDOR_WRITTEN(&before.report, &before.side, reason);
  EXPECT_EQ(before.report, 0);
  EXPECT_EQ(before.side, 0);
  EXPECT_EQ(std::string(reason, 132), Padded("no analysis has been run"));

  keldor_test::TempFolder dir;
  keldor_test::InFolder in(dir.path());
  const std::string full = std::strerror(ENOSPC);

  // A design writes its passing trials to the side file.
  Written w = AfterRun(dir / "r.out", 1);
  EXPECT_EQ(w.report, 1);
  EXPECT_EQ(w.side, 1);
  EXPECT_EQ(w.reason, std::string(132, ' '));
  EXPECT_FALSE(keldor_test::ReadFile(dir / "KELDOR.DAT").empty());

  w = AfterRun("/dev/full", 1);
  EXPECT_EQ(w.report, 0);
  EXPECT_EQ(w.reason, Padded(full));

  // The side file on a full device: the report is whole, the side file not.
  ASSERT_EQ(::unlink((dir / "KELDOR.DAT").c_str()), 0);
  ASSERT_EQ(::symlink("/dev/full", (dir / "KELDOR.DAT").c_str()), 0);
  w = AfterRun(dir / "r.out", 1);
  EXPECT_EQ(w.report, 1);
  EXPECT_EQ(w.side, 0);
  EXPECT_EQ(w.reason, Padded(full));
  // A review writes nothing to the side file, which is then whole.
  w = AfterRun(dir / "r.out", 2);
  EXPECT_EQ(w.report, 1);
  EXPECT_EQ(w.side, 1);

  // A report that cannot be created: no side file either.
  w = AfterRun(dir / "no-folder/r.out", 2);
  EXPECT_EQ(w.report, 0);
  EXPECT_EQ(w.side, 0);
  EXPECT_EQ(w.reason, Padded(std::strerror(ENOENT)));
  FreshState();
}

}  // namespace
}  // namespace keldor
