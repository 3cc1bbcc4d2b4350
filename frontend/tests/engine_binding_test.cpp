// The engine driven only through its exports, bound by file name at run time
// as the program binds it: run start, the side file, the count check, and
// repeated runs in one process.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "engine_library.h"
#include "run_engine.h"

namespace fe {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// A small review record of a spread-footing wall: enough for any run.
InputRecord SmallRecord() {
  InputRecord r;
  r.IUNITS = 1, r.IMODE = 2, r.IDESIGN = 1, r.ISOIL = 1, r.IFOOT = 1, r.IOPTIM = 1;
  r.RHOC = 0.0868f, r.FC = 4000, r.FS = 60000, r.RHOS = 0.0694f;
  r.KA = 0.3f, r.YE = 0.333f, r.YEQ = 0.5f, r.KP = 1.66f, r.KPEQ = 3.32f, r.SSEQ = 0.33f;
  r.NLC = 1;
  for (RecordArray* a : {&r.FD, &r.FL, &r.FE, &r.FSUR, &r.FW, &r.FEQ}) a->assign(2, 0.0f);
  r.FD[1] = 1.4f, r.FE[1] = 1.7f;
  r.H = 120, r.TWMIN = 12, r.TF = 18, r.WT = 36, r.WF = 96;
  r.ASW = r.ASFTOP = r.ASFBOT = 0.5f, r.CW = r.CFTOP = 2, r.CFBOT = 3, r.DBAR = 1, r.RATIO = 0.5f;
  r.Q = 20.83f, r.QW = 27.77f, r.QEQ = 41.67f, r.CS = r.CSW = r.CSEQ = 0.64f;
  r.SFOT = 2, r.SFOTW = r.SFOTEQ = r.SFSL = 1.5f, r.SFSLW = r.SFSLEQ = 1.2f;
  r.INFILE.set("small.in");
  r.OUTFILE.set("small.out");
  r.TITLE.set("Binding test");
  return r;
}

class EngineBinding : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    engine_ = Engine(&error);
    ASSERT_NE(engine_, nullptr) << error;
    dir_ = fs::temp_directory_path() / ("keldor-binding-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    old_ = fs::current_path();
    fs::current_path(dir_);  // the side file goes to the current folder
  }
  void TearDown() override {
    fs::current_path(old_);
    fs::remove_all(dir_);
  }
  EngineLibrary* engine_ = nullptr;
  fs::path dir_, old_;
};

TEST_F(EngineBinding, BlankOutputPathWritesKeldorOutInTheCurrentFolder) {
  InputRecord r = SmallRecord();
  RunEngine(*engine_, r);
  const std::string report = ReadFile(dir_ / "KELDOR.OUT");
  EXPECT_EQ(report.rfind(" Binding test", 0), 0u);
  EXPECT_NE(report.find(" (Version  1.42)"), std::string::npos);
  EXPECT_TRUE(fs::exists(dir_ / "KELDOR.DAT"));
}

TEST_F(EngineBinding, EveryLineEndsWithCarriageReturnAndLineFeed) {
  InputRecord r = SmallRecord();
  RunEngine(*engine_, r);
  const std::string report = ReadFile(dir_ / "KELDOR.OUT");
  ASSERT_FALSE(report.empty());
  EXPECT_EQ(report.substr(report.size() - 2), "\r\n");
  for (std::size_t i = report.find('\n'); i != std::string::npos; i = report.find('\n', i + 1))
    ASSERT_EQ(report[i - 1], '\r') << "at byte " << i;
  // The title line keeps its trailing blanks: one blank and 80 columns.
  EXPECT_EQ(report.find("\r\n"), 81u);
}

// A report in a folder that does not exist cannot be created: the run returns
// and writes nothing anywhere, not even the side file.
TEST_F(EngineBinding, ReportThatCannotBeCreatedWritesNothing) {
  InputRecord r = SmallRecord();
  r.OUTPATH.set((dir_ / "no-such-folder" / "wall.out").string());
  RunEngine(*engine_, r);
  EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(EngineBinding, SideFileThatCannotBeOpenedIsReportedAndEndsTheRun) {
  fs::create_directory(dir_ / "KELDOR.DAT");  // a folder in the way of the side file
  InputRecord r = SmallRecord();
  r.OUTPATH.set((dir_ / "wall.out").string());
  RunEngine(*engine_, r);
  EXPECT_EQ(ReadFile(dir_ / "wall.out"), "\r\n ERROR OPENING KELDOR.DAT ***\r\n");
}

// A count set after its arrays (SETLC after SETLF) must never make the engine
// read past the arrays; the report names the entries it ignored.
TEST_F(EngineBinding, CountLongerThanItsArraysIsReportedNotOverrun) {
  InputRecord r = SmallRecord();
  r.OUTPATH.set((dir_ / "wall.out").string());
  RunEngine(*engine_, r);
  const float z = 0.0f;
  const std::int32_t five = 5;
  engine_->SETLC(&z, &z, &z, &z, &z, &z, &z, &z, &z, &z, &five);
  engine_->CONDLL(r.OUTPATH.data(), r.INFILE.data(), r.OUTFILE.data(), r.TITLE.data(),
                  r.VERSION.data());
  const std::string report = ReadFile(dir_ / "wall.out");
  EXPECT_NE(report.find("\r\n\r\n ONLY 1 OF 5 LOAD COMBINATIONS WERE SET; THE OTHERS ARE IGNORED ***\r\n"),
            std::string::npos);
}

TEST_F(EngineBinding, TwoRunsInOneProcessWriteTheSameReport) {
  InputRecord r = SmallRecord();
  r.OUTPATH.set((dir_ / "one.out").string());
  RunEngine(*engine_, r);
  r.OUTPATH.set((dir_ / "two.out").string());
  RunEngine(*engine_, r);
  auto masked = [](std::string s) {
    const auto at = s.find(" (Version ");
    return s.erase(at, s.find('\r', at) - at);
  };
  EXPECT_EQ(masked(ReadFile(dir_ / "one.out")), masked(ReadFile(dir_ / "two.out")));
}

}  // namespace
}  // namespace fe
