// keldor-run as a user runs it: what it prints, the report it writes, and its
// exit status on every kind of failure.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "test_support.h"

namespace keldor_test {
namespace {

const std::string kExample = KELDOR_SOURCE_DIR "/tests/golden/startup-example.in";

Outcome KeldorRun(const std::vector<std::string>& args, const std::string& cwd) {
  return RunProgram(ProgramFolder() + "/keldor-run", args, cwd);
}

const char* const kUsage = "Usage: keldor-run [-o REPORT] INPUT.in\n";

TEST(KeldorRun, HelpAndVersion) {
  TempFolder cwd;
  Outcome o = KeldorRun({"--help"}, cwd.path());
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out.rfind(kUsage, 0), 0u) << o.out;
  EXPECT_NE(o.out.find("KELDOR.DAT"), std::string::npos);
  EXPECT_NE(o.out.find("Exit status"), std::string::npos);
  o = KeldorRun({"--version"}, cwd.path());
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out, "keldor-run 1.42\n");
  EXPECT_FALSE(Exists(cwd / "KELDOR.DAT"));
}

TEST(KeldorRun, WrongCommandLinesExitWithTwo) {
  TempFolder cwd;
  const std::string tail = std::string(kUsage) + "Try 'keldor-run --help' for more information.\n";
  Outcome o = KeldorRun({}, cwd.path());
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err, "Keldor: No input file was given.\n" + tail);
  o = KeldorRun({"-x", kExample}, cwd.path());
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err, "Keldor: Unknown option -x.\n" + tail);
  o = KeldorRun({kExample, "-o"}, cwd.path());
  EXPECT_EQ(o.err, "Keldor: Option -o needs a report file name.\n" + tail);
  o = KeldorRun({kExample, kExample}, cwd.path());
  EXPECT_EQ(o.err, "Keldor: Only one input file can be run at a time.\n" + tail);
  EXPECT_EQ(o.out, "");
}

// The default report is the input's name with .out beside the input; the
// side file goes to the current directory.
TEST(KeldorRun, WritesTheReportBesideTheInputByDefault) {
  TempFolder dir;
  std::filesystem::create_directory(dir / "walls");
  std::filesystem::create_directory(dir / "work");
  WriteFile(dir / "walls/w.1.in", ReadFile(kExample));
  WriteFile(dir / "walls/w.1.out", "an older report");
  const Outcome o = KeldorRun({dir / "walls/w.1.in"}, dir / "work");
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out, "Output written to " + (dir / "walls/w.1.out") + "\n");
  EXPECT_EQ(o.err, "");
  const std::string report = ReadFile(dir / "walls/w.1.out");
  EXPECT_EQ(report.rfind(" Keldor Program Output", 0), 0u);
  EXPECT_NE(report.find(" Input file  = w.1.in "), std::string::npos);
  EXPECT_NE(report.find(" Output file = w.1.out "), std::string::npos);
  EXPECT_TRUE(Exists(dir / "work/KELDOR.DAT"));
  EXPECT_FALSE(Exists(dir / "walls/KELDOR.DAT"));
}

TEST(KeldorRun, AnInputThatCannotBeLoadedExitsWithTwo) {
  TempFolder cwd;
  const Outcome o = KeldorRun({cwd / "none.in"}, cwd.path());
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err, "Keldor: Cannot open file " + (cwd / "none.in") + ": No such file or directory\n");
  EXPECT_EQ(o.out, "");
  EXPECT_FALSE(Exists(cwd / "KELDOR.DAT"));
}

// Every validation message is printed, in order; the engine is not run and
// an existing report is left alone.
TEST(KeldorRun, InvalidInputPrintsEveryMessageAndWritesNothing) {
  TempFolder cwd;
  std::string text = ReadFile(kExample);
  text.replace(text.find("120,0,0"), 3, "0");         // no design height
  text.replace(text.find("\r\n2,2,3"), 7, "\r\n0,2,3");  // no cover at the wall
  WriteFile(cwd / "bad.in", text);
  WriteFile(cwd / "bad.out", "kept");
  const Outcome o = KeldorRun({"bad.in"}, cwd.path());
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err,
            "Keldor: Design height must be greater than zero\n"
            "Keldor: Concrete cover must be greater than zero\n");
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(ReadFile(cwd / "bad.out"), "kept");
  EXPECT_FALSE(Exists(cwd / "KELDOR.DAT"));
}

TEST(KeldorRun, AReportThatCannotBeWrittenExitsWithOne) {
  TempFolder cwd;
  Outcome o = KeldorRun({"-o", cwd / "missing/w.out", kExample}, cwd.path());
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.err, "Keldor: Cannot write the report " + (cwd / "missing/w.out") + ": the folder " +
                       (cwd / "missing") + " does not exist\n");
  std::filesystem::create_directory(cwd / "folder.out");
  o = KeldorRun({"--output=" + (cwd / "folder.out"), kExample}, cwd.path());
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.err, "Keldor: Cannot write the report " + (cwd / "folder.out") + ": it is a folder\n");
  EXPECT_FALSE(Exists(cwd / "KELDOR.DAT"));
}

// The engine takes the report path in 132 characters: a longer one would be
// cut and the report written somewhere else.
TEST(KeldorRun, AReportPathLongerThanTheEngineTakesIsRefused) {
  TempFolder cwd;
  const std::string longName(140, 'r');
  const Outcome o = KeldorRun({"-o", longName + ".out", kExample}, cwd.path());
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.err, "Keldor: The output file path is 144 characters long; the analysis accepts at "
                   "most 132. Choose a shorter path:\n" + longName + ".out\n");
  EXPECT_TRUE(std::filesystem::is_empty(cwd.path()));
}

TEST(KeldorRun, NeverWritesTheReportOverItsInput) {
  TempFolder cwd;
  WriteFile(cwd / "w.out", ReadFile(kExample));
  const Outcome o = KeldorRun({"w.out"}, cwd.path());
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err, "Keldor: The report would replace the input file w.out; choose another name with -o.\n");
  EXPECT_EQ(ReadFile(cwd / "w.out"), ReadFile(kExample));
}

TEST(KeldorRun, ASideFileThatCannotBeWrittenExitsWithOne) {
  TempFolder cwd;
  std::filesystem::create_directory(cwd / "KELDOR.DAT");
  const Outcome o = KeldorRun({"-o", "w.out", kExample}, cwd.path());
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.err, "Keldor: Cannot write the side file KELDOR.DAT in the current directory: it is a folder\n");
  EXPECT_FALSE(Exists(cwd / "w.out"));
}

TEST(KeldorRun, AMissingEngineLibraryIsNamed) {
  TempFolder dir;
  std::filesystem::copy_file(ProgramFolder() + "/keldor-run", dir / "keldor-run");
  const Outcome o = RunProgram(dir / "keldor-run", {"-o", "w.out", kExample}, dir.path());
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.err.rfind("Keldor: Cannot load the analysis library libkeldor.so: " + (dir / "libkeldor.so"), 0), 0u)
      << o.err;
  EXPECT_FALSE(Exists(dir / "w.out"));
}

// The README's main job and the other bundled examples.
TEST(KeldorRun, EveryBundledExampleRuns) {
  for (const auto& entry : std::filesystem::directory_iterator(KELDOR_SOURCE_DIR "/examples")) {
    if (entry.path().extension() != ".in") continue;
    TempFolder cwd;
    const Outcome o = KeldorRun({"-o", "r.out", entry.path().string()}, cwd.path());
    EXPECT_EQ(o.status, 0) << entry.path() << '\n' << o.err;
    EXPECT_EQ(o.out, "Output written to r.out\n");
  }
  EXPECT_TRUE(Exists(KELDOR_SOURCE_DIR "/examples/design-10ft-spread.in"));
}

}  // namespace
}  // namespace keldor_test
