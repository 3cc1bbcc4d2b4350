// keldor-run as a user runs it: what it prints, the report it writes, and its
// exit status on every kind of failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>

#include "test_support.h"

namespace keldor_test {
namespace {

const std::string kExample = KELDOR_SOURCE_DIR "/tests/golden/startup-example.in";
const std::string kUsage =
    "Usage: keldor-run [-o REPORT] [--svg FILE] [--png FILE [--size WxH]] [--pdf FILE]\n"
    "                  [--json FILE] [--strict] INPUT.in\n"
    "       keldor-run [--out-dir DIR] [-j N] [--vary NAME=FROM:TO:STEP]\n"
    "                  [--summary FILE.csv] INPUT.in...\n";
const std::string kTryHelp = kUsage + "Try 'keldor-run --help' for more information.\n";

TEST(KeldorRun, HelpAndVersion) {
  TempFolder cwd;
  const Outcome help = KeldorRun({"--help"}, cwd.path()), version = KeldorRun({"--version"}, cwd.path());
  EXPECT_EQ(help.out.rfind(kUsage, 0), 0u) << help.out;
  EXPECT_EQ(version.out, "keldor-run 1.42\n");
  EXPECT_EQ(help.status + version.status, 0);
  EXPECT_TRUE(std::filesystem::is_empty(cwd.path()));
}

// The default report is the input's name with .out beside the input; the
// side file goes to the current folder.
TEST(KeldorRun, WritesTheReportBesideTheInputByDefault) {
  TempFolder dir;
  std::filesystem::create_directory(dir / "walls");
  std::filesystem::create_directory(dir / "work");
  WriteFile(dir / "walls/w.1.in", ReadFile(kExample));
  WriteFile(dir / "walls/w.1.out", "an older report");
  const Outcome o = KeldorRun({dir / "walls/w.1.in"}, dir / "work");
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out, "Output written to " + (dir / "walls/w.1.out") +
                       "\nDesign converged: toe 18, footing width 66, footing thickness 15 (in); "
                       "0 of 9 checks NG\n");
  EXPECT_EQ(o.err, "");
  const std::string report = ReadFile(dir / "walls/w.1.out");
  EXPECT_EQ(report.rfind(" Keldor Program Output", 0), 0u);
  for (const char* name : {" Input file  = w.1.in ", " Output file = w.1.out "})
    EXPECT_NE(report.find(name), std::string::npos) << name;
  EXPECT_TRUE(Exists(dir / "work/KELDOR.DAT"));
  EXPECT_FALSE(Exists(dir / "walls/KELDOR.DAT"));
}

// Every refused run, each in a fresh folder holding the example, an invalid
// input (no design height, no cover at the wall), a report that must stay as
// it was and a folder named like a report. "@" in an argument or a message
// stands for that folder. Nothing is printed on standard output, no side
// file is written and no file changes.
struct Refusal {
  const char* why;
  std::vector<std::string> args;
  int status;
  std::string err;
};

const Refusal kRefusals[] = {
    {"no input", {}, 2, "Keldor: No input file was given.\n" + kTryHelp},
    {"unknown option", {"-x", "w.in"}, 2, "Keldor: Unknown option -x.\n" + kTryHelp},
    {"-o last", {"w.in", "-o"}, 2, "Keldor: Option -o needs a report file name.\n" + kTryHelp},
    {"-o in a study", {"-o", "r.out", "w.in", "bad.in"}, 2,
     "Keldor: Option -o names the report of one input; for a study use --out-dir.\n" + kTryHelp},
    {"bad -j", {"-j", "0", "w.in"}, 2,
     "Keldor: The number of analyses at once (-j) must be a whole number from 1 to 1024.\n" + kTryHelp},
    {"bad --vary name", {"--vary", "HEIGHT=96:240:12", "w.in"}, 2,
     "Keldor: --vary HEIGHT=96:240:12: the input has no single value named HEIGHT.\n" + kTryHelp},
    {"bad --vary range", {"--vary=h=96:240:-12", "w.in"}, 2,
     "Keldor: --vary h=96:240:-12: the step goes away from TO.\n" + kTryHelp},
    {"missing input", {"@/none.in"}, 2, "Keldor: Cannot open file @/none.in: No such file or directory\n"},
    // Every validation message, in order; the engine is not run.
    {"invalid input", {"bad.in"}, 2,
     "Keldor: Design height must be greater than zero\n"
     "Keldor: Concrete cover must be greater than zero\n"},
    // The same file under another name is still the input.
    {"report over input", {"-o", "./w.in", "w.in"}, 2,
     "Keldor: The report would replace the input file w.in; choose another output file.\n"},
    {"missing folder", {"-o", "@/missing/w.out", "w.in"}, 1,
     "Keldor: Cannot write the report @/missing/w.out: the folder @/missing does not exist\n"},
    {"report is a folder", {"--output=@/folder.out", "w.in"}, 1,
     "Keldor: Cannot write the report @/folder.out: it is a folder\n"},
    // The engine takes the path in 132 characters: a longer one would be cut
    // and the report written somewhere else.
    {"long path", {"-o", std::string(140, 'r') + ".out", "w.in"}, 1,
     "Keldor: The output file path is 144 characters long; the analysis accepts at most 132. "
     "Choose a shorter path:\n" + std::string(140, 'r') + ".out\n"},
    {"side file is a folder", {"-o", "w.out", "w.in"}, 1,
     "Keldor: Cannot write the side file KELDOR.DAT in the current folder: it is a folder\n"},
    // The results document, the drawings and the PDF: one input each, never
    // over the input or the report, and only with a report.
    {"json of an invalid input", {"--json", "r.json", "bad.in"}, 2,
     "Keldor: Design height must be greater than zero\n"
     "Keldor: Concrete cover must be greater than zero\n"},
    {"json twice", {"--json", "a.json", "--json", "b.json", "w.in"}, 2,
     "Keldor: The results file is named twice.\n" + kTryHelp},
    {"json of a study", {"--json", "a.json", "w.in", "w.in"}, 2,
     "Keldor: Options --json and --strict apply to one input, not to a study.\n" + kTryHelp},
    {"strict study", {"--strict", "--vary", "H=96:120:12", "w.in"}, 2,
     "Keldor: Options --json and --strict apply to one input, not to a study.\n" + kTryHelp},
    {"json over input", {"--json", "w.in", "-o", "r.out", "w.in"}, 2,
     "Keldor: The results w.in would replace w.in.\n"},
    {"--png last", {"--png"}, 2, "Keldor: Option --png needs a file name.\n" + kTryHelp},
    {"svg of a study", {"--svg", "w.svg", "w.in", "w.in"}, 2,
     "Keldor: Options --svg and --png draw the wall of one input.\n" + kTryHelp},
    {"pdf over report", {"-o", "bad.out", "--pdf", "bad.out", "w.in"}, 2,
     "Keldor: The PDF bad.out would replace bad.out.\n"},
    {"pdf of a study", {"--pdf", "a.pdf", "w.in", "w.in"}, 2,
     "Keldor: Option --pdf makes the PDF of one input's report.\n" + kTryHelp},
    {"png size malformed", {"--png", "w.png", "--size", "640x", "w.in"}, 2,
     "Keldor: The picture size \"640x\" must be WIDTHxHEIGHT in pixels, each from 100 to 8000, for "
     "example 1920x1080.\n" + kTryHelp},
    {"size without png", {"--svg", "w.svg", "--size", "640x480", "w.in"}, 2,
     "Keldor: Option --size sets the size of the --png picture.\n" + kTryHelp},
};

std::string At(std::string text, const std::string& folder) {
  for (std::size_t i = text.find('@'); i != std::string::npos; i = text.find('@', i + folder.size()))
    text.replace(i, 1, folder);
  return text;
}

TEST(KeldorRun, RefusedRunsExitWithTheirStatusAndChangeNothing) {
  const std::string example = ReadFile(kExample);
  for (const Refusal& r : kRefusals) {
    SCOPED_TRACE(r.why);
    TempFolder cwd;
    WriteFile(cwd / "w.in", example);
    WriteFile(cwd / "bad.in", Replaced(Replaced(example, "120,0,0", "0,0,0"), "\r\n2,2,3", "\r\n0,2,3"));
    WriteFile(cwd / "bad.out", "kept");
    std::filesystem::create_directory(cwd / "folder.out");
    const bool sideFolder = r.why == std::string("side file is a folder");
    if (sideFolder) std::filesystem::create_directory(cwd / "KELDOR.DAT");
    std::vector<std::string> args;
    for (const std::string& a : r.args) args.push_back(At(a, cwd.path()));
    const Outcome o = KeldorRun(args, cwd.path());
    EXPECT_EQ(o.status, r.status);
    EXPECT_EQ(o.err, At(r.err, cwd.path()));
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(ReadFile(cwd / "w.in"), example);
    EXPECT_EQ(ReadFile(cwd / "bad.out"), "kept");
    EXPECT_FALSE(std::filesystem::is_regular_file(cwd / "KELDOR.DAT"));
    EXPECT_EQ(Entries(cwd.path()), 4u + sideFolder);
  }
}

TEST(KeldorRun, AMissingEngineLibraryIsNamed) {
  TempFolder dir;
  std::filesystem::copy_file(ProgramFolder() + "/keldor-run", dir / "keldor-run");
  const Outcome o = RunProgram(dir / "keldor-run", {"-o", "w.out", kExample}, dir.path());
  EXPECT_EQ(o.status, 1);
  const std::string why = "Keldor: Cannot load the analysis library libkeldor.so: " + (dir / "libkeldor.so");
  EXPECT_EQ(o.err.rfind(why, 0), 0u) << o.err;
  EXPECT_FALSE(Exists(dir / "w.out"));
}

// A write that fails part-way: the report or the side file on a full device,
// or cut by a file size limit (the shell's ulimit, in blocks of 512 or 1024
// bytes, with the limit's signal ignored as a full disk sends none). The
// file cut short is kept beside its own name; a device is left as it is.
struct CutShort {
  const char* why;
  std::string name;    // of the golden input and report, without extension
  std::string report;  // -o; the golden report's name when empty
  int blocks;          // the file size limit; 0 for none
  std::string err;     // "@" stands for the report's name
  bool reportWhole, sideKept;
};

// Whether `part` is a part of `whole` from its start, cut short.
::testing::AssertionResult CutFrom(const std::string& part, const std::string& whole) {
  if (part.empty() || part.size() >= whole.size() || whole.compare(0, part.size(), part) != 0)
    return ::testing::AssertionFailure() << part.size() << " bytes of " << whole.size()
                                         << " are not its start";
  return ::testing::AssertionSuccess();
}

TEST(KeldorRun, AReportOrSideFileCutShortIsNeverAnnouncedAsWritten) {
  const std::string golden = KELDOR_SOURCE_DIR "/tests/golden/";
  const std::string full = "No space left on device", large = "File too large";
  // A review writes no side trials; the irregular design's side file
  // (37632 bytes) is longer than its report (9371).
  const CutShort cases[] = {
      {"report on a full device", "review-pile-english", "/dev/full", 0,
       "Keldor: the report /dev/full is incomplete: " + full + "\n", false, false},
      {"report cut by the size limit", "review-pile-english", "", 8,
       "Keldor: the report @ is incomplete: " + large +
           "\nKeldor: what was written is kept as @.incomplete\n",
       false, false},
      {"side file cut by the size limit", "design-irregular-english", "", 24,
       "Keldor: the side file KELDOR.DAT is incomplete: " + large +
           "\nKeldor: what was written is kept as KELDOR.DAT.incomplete\n",
       true, true},
  };
  for (const CutShort& c : cases) {
    SCOPED_TRACE(c.why);
    TempFolder cwd;
    const std::string input = c.name + ".in", report = c.report.empty() ? c.name + ".out" : c.report;
    WriteFile(cwd / input, ReadFile(golden + input));
    const std::string limit = c.blocks > 0 ? "ulimit -f " + std::to_string(c.blocks) + "; " : "";
    const Outcome o = RunProgram("/bin/sh",
                                 {"-c", "trap '' XFSZ; " + limit + "exec \"$0\" \"$@\"",
                                  ProgramFolder() + "/keldor-run", "-o", report, input},
                                 cwd.path());
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.out, "");
    std::string err = c.err;
    for (std::size_t at; (at = err.find('@')) != std::string::npos;) err.replace(at, 1, report);
    EXPECT_EQ(o.err, err);
    if (c.report.empty()) {
      const std::string expected = MaskRunLine(ReadFile(golden + c.name + ".out"));
      EXPECT_EQ(Exists(cwd / report), c.reportWhole);
      EXPECT_EQ(Exists(cwd / (report + ".incomplete")), !c.reportWhole);
      if (c.reportWhole) {
        EXPECT_TRUE(MaskRunLine(ReadFile(cwd / report)) == expected);
      } else {
        EXPECT_TRUE(CutFrom(MaskRunLine(ReadFile(cwd / (report + ".incomplete"))), expected));
      }
    }
    EXPECT_FALSE(Exists(cwd / "KELDOR.DAT") && c.sideKept);
    if (c.sideKept) {
      EXPECT_TRUE(CutFrom(ReadFile(cwd / "KELDOR.DAT.incomplete"), ReadFile(golden + c.name + ".dat")));
    }
  }
}

// A file that passed the checks before the run but that the engine cannot
// create (a link into a folder that is gone) is named with the reason.
TEST(KeldorRun, AFileTheEngineCannotCreateIsNamed) {
  const std::string review = KELDOR_SOURCE_DIR "/tests/golden/review-pile-english.in";
  TempFolder cwd;
  for (const auto& [link, err] :
       {std::pair<std::string, std::string>{"r.out", "the report r.out"},
        {"KELDOR.DAT", "the side file KELDOR.DAT in the current folder"}}) {
    std::filesystem::remove(cwd / "r.out");
    std::filesystem::create_symlink(cwd / ("gone/" + link), cwd / link);
    const Outcome o = KeldorRun({"-o", "r.out", review}, cwd.path());
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err, "Keldor: Cannot write " + err + ": No such file or directory\n");
  }
  // The report says so too, and is kept.
  EXPECT_NE(ReadFile(cwd / "r.out").find("\r\n ERROR OPENING KELDOR.DAT ***\r\n"), std::string::npos);
}

TEST(KeldorRun, EveryBundledExampleRuns) {
  for (const auto& entry : std::filesystem::directory_iterator(KELDOR_SOURCE_DIR "/examples")) {
    if (entry.path().extension() != ".in") continue;
    TempFolder cwd;
    const Outcome o = KeldorRun({"-o", "r.out", entry.path().string()}, cwd.path());
    EXPECT_EQ(o.status, 0) << entry.path() << '\n' << o.err;
    EXPECT_EQ(o.out.rfind("Output written to r.out\n", 0), 0u) << o.out;
  }
  EXPECT_TRUE(Exists(KELDOR_SOURCE_DIR "/examples/design-10ft-spread.in"));  // the loop ran
}

// The verdict line and --strict for each kind of outcome: a design that
// converged with every check passing, one whose final analysis has NG checks,
// a design that did not converge, a failing review and a passing one.
TEST(KeldorRun, SaysTheVerdictAndStrictFailsOnIt) {
  const struct {
    const char* name;
    const char* line;  // the second line on standard output
    int strict;        // the exit status with --strict
  } verdicts[] = {
      {"startup-example",
       "Design converged: toe 18, footing width 66, footing thickness 15 (in); 0 of 9 checks NG", 0},
      {"design-spread-english",
       "Design converged: toe 48, footing width 186, footing thickness 26 (in); 2 of 27 checks NG", 3},
      {"design-not-converged-english", "Design did not converge", 3},
      {"design-pile-stop-english", "The analysis stopped: PILEBAT and PILEV cannot both be zero", 3},
      {"review-irregular-pile-english",
       "Review finished: 1 of 11 checks NG; governing: pile compression at piles, load "
       "combination 1, ratio 1.284", 3},
      {"review-working-stress-passing",
       "Review finished: 0 of 30 checks NG; governing: shear at toe, load combination 3, "
       "ratio 0.993", 0},
  };
  for (const auto& v : verdicts) {
    SCOPED_TRACE(v.name);
    const std::string input = KELDOR_SOURCE_DIR "/tests/golden/" + std::string(v.name) + ".in";
    TempFolder cwd;
    const Outcome plain = KeldorRun({"-o", "r.out", input}, cwd.path());
    EXPECT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(plain.out, "Output written to r.out\n" + std::string(v.line) + "\n");
    const Outcome strict = KeldorRun({"--strict", "-o", "r.out", input}, cwd.path());
    EXPECT_EQ(strict.status, v.strict) << strict.err;
    EXPECT_EQ(strict.out, plain.out);
    EXPECT_EQ(strict.err, "");
  }
}

// --json FILE writes the document beside the usual lines; --json - puts the
// document alone on standard output and the lines on standard error.
TEST(KeldorRun, WritesTheResultsDocument) {
  TempFolder cwd;
  const std::string input = KELDOR_SOURCE_DIR "/tests/golden/review-irregular-si.in";
  const Outcome file = KeldorRun({"--json", "r.json", "-o", "r.out", input}, cwd.path());
  EXPECT_EQ(file.status, 0) << file.err;
  const std::string doc = ReadFile(cwd / "r.json");
  for (const char* part : {"\"format\": \"keldor-results\"", "\"report\": \"r.out\"",
                           "\"outcome\": \"fail\"", "\"length\": \"mm\""})
    EXPECT_NE(doc.find(part), std::string::npos) << part;

  const Outcome piped = KeldorRun({"--json=-", "-o", "r2.out", input}, cwd.path());
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_EQ(piped.out, Replaced(doc, "\"report\": \"r.out\"", "\"report\": \"r2.out\""));
  EXPECT_EQ(piped.err.rfind("Output written to r2.out\nReview finished: 1 of 30 checks NG", 0), 0u)
      << piped.err;
}

// The drawing of the wall after the run, headless, and the PDF of the
// report (its first page the run's), by option. A document, drawing or PDF
// that cannot be written is named, leaves nothing and fails the command, the
// report itself still written.
TEST(KeldorRun, DrawsTheWallAndWritesThePdf) {
  TempFolder cwd;
  const std::string pile = KELDOR_SOURCE_DIR "/examples/review-12ft-pile.in";
  const Outcome o = KeldorRun({"-o", "r.out", "--svg", "w.svg", "--png", "w.png", "--size", "640x480",
                               "--pdf", "r.pdf", pile},
                              cwd.path());
  if (o.err.find("built without the") != std::string::npos) GTEST_SKIP() << o.err;
  EXPECT_EQ(o.status, 0) << o.err;
  // The report's line and the verdict's, then the drawings' and the PDF's.
  EXPECT_EQ(o.out.rfind("Output written to r.out\nReview finished: ", 0), 0u) << o.out;
  EXPECT_NE(o.out.find("\nDrawing written to w.svg\nDrawing written to w.png\nPDF written to r.pdf\n"),
            std::string::npos) << o.out;
  const std::string svg = ReadFile(cwd / "w.svg");
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("WF = 132 in"), std::string::npos);
  const std::string png = ReadFile(cwd / "w.png");
  EXPECT_EQ(png.rfind("\x89PNG", 0), 0u);
  // The header's width and height, big-endian, after the signature and "IHDR".
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x02\x80\0\0\x01\xe0", 8));  // 640 x 480
  EXPECT_EQ(ReadFile(cwd / "r.pdf").rfind("%PDF-", 0), 0u);

  for (const auto& [option, file, err] :
       {std::tuple<std::string, std::string, std::string>{
            "--svg", "w.jpg", "Keldor: Cannot write file w.jpg: the name must end in .svg or .png\n"},
        {"--pdf", "missing/r.pdf", "Keldor: Cannot write file missing/r.pdf: "},
        {"--json", "missing/r.json", "Keldor: Cannot write the results missing/r.json: "}}) {
    TempFolder again;
    const Outcome failed = KeldorRun({"-o", "r.out", option, file, pile}, again.path());
    EXPECT_EQ(failed.status, 1) << option;
    EXPECT_EQ(failed.err.rfind(err, 0), 0u) << failed.err;
    EXPECT_TRUE(Exists(again / "r.out")) << option;
    EXPECT_FALSE(Exists(again / "w.jpg") || Exists(again / "missing")) << option;
  }
}

}  // namespace
}  // namespace keldor_test
