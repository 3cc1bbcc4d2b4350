// The real engine bound by file name at run time, as the program binds it,
// and driven only through its exports: the binding kept between runs,
// repeated runs in one process, the default report name and files the
// engine cannot create. (The model a design leaves is the golden designs'
// and their reviews'.)
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine_library.h"
#include "input_defaults.h"
#include "input_file.h"
#include "run_engine.h"
#include "test_support.h"

namespace fe {
namespace {

using keldor_test::Exists;
using keldor_test::ReadFile;

// Each test runs in its own current folder, where the side file goes, with
// the start-up example loaded.
class EngineBinding : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    engine_ = Engine(&error);
    ASSERT_NE(engine_, nullptr) << error;
    InitialiseInput(r_, 1);
    ASSERT_TRUE(LoadInputFile(r_, KELDOR_SOURCE_DIR "/tests/golden/startup-example.in", &error));
    r_.TITLE = "Bound";
  }
  void load(const std::string& golden) {
    std::string error;
    ASSERT_TRUE(LoadInputFile(r_, KELDOR_SOURCE_DIR "/tests/golden/" + golden + ".in", &error))
        << error;
  }
  std::string run(const std::string& report) {
    r_.OUTPATH = report.empty() ? "" : dir_ / report;
    RunEngine(*engine_, r_);
    return ReadFile(dir_ / (report.empty() ? "KELDOR.OUT" : report));
  }
  keldor_test::TempFolder dir_;
  keldor_test::InFolder in_{dir_.path()};
  EngineLibrary* engine_ = nullptr;
  InputRecord r_;
};

// The library beside the test program, bound at the first call and kept. A
// design leaves the engine's state full of its search: a second design run
// in the same process must write the same report and side file, and a run
// after the pile stop (which ends a run early) must be a normal run.
TEST_F(EngineBinding, DesignRunsDoNotLeakIntoTheNextRun) {
  std::string error;
  EXPECT_EQ(Engine(&error), engine_);
  EXPECT_EQ(engine_->path(), keldor_test::ProgramFolder() + "/libkeldor.so");
  load("design-pile-irregular-english");
  const std::string first = keldor_test::MaskRunLine(run("first.out"));
  const std::string side = ReadFile(dir_ / "KELDOR.DAT");
  EXPECT_EQ(keldor_test::MaskRunLine(run("second.out")), first);
  EXPECT_EQ(ReadFile(dir_ / "KELDOR.DAT"), side);

  load("design-pile-stop-english");
  const std::string stopped = run("stopped.out");
  const std::string last = " 0.018\r\n\r\n PILEBAT and PILEV cannot both be zero ***\r\n";
  EXPECT_EQ(stopped.substr(stopped.size() - last.size()), last);  // after the stem table
  load("design-pile-irregular-english");
  EXPECT_EQ(keldor_test::MaskRunLine(run("after.out")), first);
  EXPECT_EQ(ReadFile(dir_ / "KELDOR.DAT"), side);
}

// The title comes through the binding.
TEST_F(EngineBinding, BlankOutputPathWritesKeldorOutInTheCurrentFolder) {
  EXPECT_EQ(run("").substr(0, 8), " Bound  ");
}

// A report in a folder that does not exist writes nothing anywhere, not even
// the side file; a side file that cannot be opened is reported and ends the
// run.
TEST_F(EngineBinding, FilesTheEngineCannotCreate) {
  run("no-such-folder/wall.out");
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));
  std::filesystem::create_directory(dir_ / "KELDOR.DAT");
  EXPECT_EQ(run("wall.out"), "\r\n ERROR OPENING KELDOR.DAT ***\r\n");
}

}  // namespace
}  // namespace fe
