// Saving and loading the input file: the layout byte for byte, the round trip
// for every combination of options, the older layouts, and failures that
// must leave the record and the files as they were.
#include "input_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include "input_defaults.h"
#include "number_text.h"
#include "record_fields.h"
#include "test_files.h"

namespace fe {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

InputRecord StartUp(int units = 1) {
  InputRecord r;
  InitialiseInput(r, units);
  return r;
}

// Every field a distinct value with at most 7 digits, counts and arrays
// included, for the given options.
InputRecord Distinct(int units, int mode, int soil, int foot) {
  InputRecord r = StartUp(units);
  r.IMODE = mode;
  r.ISOIL = soil;
  r.IFOOT = foot;
  r.IOPTIM = 2;
  r.IDESIGN = 2;
  r.OPTSL = 1;
  int k = 0;  // field k holds +-(3k + 1.25): distinct and exact in 7 digits
  const auto next = [&k] { ++k; return (k % 2 ? 1.0f : -1.0f) * (3.0f * float(k) + 1.25f); };
  VisitFields(r, [&](const char*, auto& field) {
    if constexpr (std::is_same_v<std::decay_t<decltype(field)>, float>) field = next();
  });
  r.RHOC = 2.36E-05f;
  r.PILEP = 1.234567E+08f;
  r.NLC = 2;
  r.NSEG = 3;
  r.NSUR = 2;
  r.NROWS = 2;
  for (RecordArray* a : {&r.FD, &r.FL, &r.FE, &r.FSUR, &r.FW, &r.FEQ, &r.LSEG, &r.ASEG, &r.SURL,
                         &r.XSBEG, &r.YSBEG, &r.XSEND, &r.YSEND, &r.PILEX, &r.PILEB, &r.PILES})
    *a = {0.0f, next(), next(), next(), next()};
  r.TITLE = "  Wall \"A\", stage 2  ";
  return r;
}

std::string Text(const InputRecord& r) {
  std::string text, error;
  EXPECT_TRUE(InputFileText(r, &text, &error)) << error;
  return text;
}

TEST(SaveInputFile, WritesTheStartUpExampleByteForByte) {
  InputRecord r = StartUp();
  r.H = 120.0f;
  r.NLC = 1;
  r.FD = {0.0f, 1.4f};
  r.FL = r.FE = r.FSUR = {0.0f, 1.7f};
  r.FW = r.FEQ = {0.0f, 0.0f};
  TempDir dir;
  std::string error;
  ASSERT_TRUE(SaveInputFile(r, dir / "example.in", &error)) << error;
  EXPECT_EQ(ReadFile(dir / "example.in"), ReadFile(KELDOR_SOURCE_DIR "/tests/golden/startup-example.in"));
  EXPECT_EQ(r.INPATH, dir / "example.in");
  EXPECT_EQ(r.INFILE.trimmedRight(), "example.in");
}

// A saved file loaded again reproduces every field the options make
// relevant: the file it writes then is the same, byte for byte.
TEST(LoadInputFile, ReproducesEverySavedFieldForEveryCombinationOfOptions) {
  TempDir dir;
  for (int units : {1, 2})
    for (int mode : {1, 2})
      for (int soil : {1, 2})
        for (int foot : {1, 2}) {
          SCOPED_TRACE(::testing::Message() << "units " << units << " mode " << mode << " soil "
                                            << soil << " foot " << foot);
          InputRecord saved = Distinct(units, mode, soil, foot);
          std::string error;
          ASSERT_TRUE(SaveInputFile(saved, dir / "w.in", &error)) << error;
          InputRecord loaded = StartUp(3 - units);  // the other units were in force
          ASSERT_TRUE(LoadInputFile(loaded, dir / "w.in", &error)) << error;
          EXPECT_EQ(Text(loaded), Text(saved));
          EXPECT_EQ(loaded.TITLE.trimmedRight(), "Wall \"A\", stage 2");
          EXPECT_EQ(loaded.IUNITS, units);
          EXPECT_EQ(loaded.RHOC, 2.36E-05f);
          EXPECT_EQ(loaded.NLC, 2);
          EXPECT_EQ(loaded.FEQ.size(), 3u);
          EXPECT_EQ(loaded.FEQ[2], saved.FEQ[2]);
          EXPECT_EQ(loaded.INPATH, dir / "w.in");
          EXPECT_EQ(loaded.INFILE.trimmedRight(), "w.in");
        }
}

// Sections the file does not hold keep the defaults of the units in force
// before the load, not the file's units.
TEST(LoadInputFile, AbsentSectionsHoldTheDefaultsOfTheUnitsInForce) {
  TempDir dir;
  InputRecord si = StartUp(2);
  si.H = 3000.0f;
  si.NLC = 1;
  si.FD = si.FL = si.FE = si.FSUR = si.FW = si.FEQ = {0.0f, 1.0f};
  std::string error;
  ASSERT_TRUE(SaveInputFile(si, dir / "si.in", &error));
  InputRecord r = StartUp(1);
  r.PILEDIA = 99.0f;
  r.TITLE = "Before";
  ASSERT_TRUE(LoadInputFile(r, dir / "si.in", &error)) << error;
  EXPECT_EQ(r.IUNITS, 2);
  EXPECT_EQ(r.FC, 25.0f);
  EXPECT_EQ(r.PILEDIA, 12.0f);  // English pile default
  EXPECT_EQ(r.PILEP, 90000.0f);
  EXPECT_EQ(r.TITLE.trimmedRight(), "Keldor Program Output");
}

TEST(LoadInputFile, DesignFileSetsTheReviewValuesFromTheLimits) {
  TempDir dir;
  WriteFile(dir / "d.in", ReadFile(KELDOR_SOURCE_DIR "/tests/golden/startup-example.in"));
  InputRecord r = StartUp();
  r.WT = 40.0f;
  r.WF = 90.0f;
  std::string error;
  ASSERT_TRUE(LoadInputFile(r, dir / "d.in", &error)) << error;
  EXPECT_EQ(r.BW, 2.4f);
  EXPECT_EQ(r.TF, 15.0f);
  EXPECT_EQ(r.DK, 0.0f);
  EXPECT_EQ(r.WT, 0.0f);
  EXPECT_EQ(r.WF, 0.0f);
  EXPECT_EQ(r.H, 120.0f);
  EXPECT_EQ(r.FL, (RecordArray{0.0f, 1.7f}));
}

const char* const kReviewPile =
    "\"Review\"\r\n1,2,1,1,2,1\r\n.0868,4000,60000,.0694,0,0\r\n.3,.333,0,.5\r\n1.66,3.32\r\n"
    "0,0,.33,0\r\n0,0\r\n0,0\r\n0,0\r\n0,0,0,0\r\n1\r\n1.4,1.7,1.7,1.7,0,0\r\n120,0,0\r\n0\r\n"
    "12,2.4,15,0,30,100\r\n.05,.05,.05\r\n2,2,3\r\n1,.5\r\n12,18,36,18.43\r\n"
    "90000,120000,180000\r\n10000,13300,20000\r\n2\r\n18,18.43,72\r\n66,0,72\r\n";

TEST(LoadInputFile, ReviewFileSetsTheLimitsFromTheWall) {
  TempDir dir;
  WriteFile(dir / "r.in", kReviewPile);
  InputRecord r = StartUp();
  std::string error;
  ASSERT_TRUE(LoadInputFile(r, dir / "r.in", &error)) << error;
  EXPECT_EQ(r.WT, 30.0f);
  EXPECT_EQ(r.WF, 100.0f);
  EXPECT_EQ(r.WTMAX, 30.0f);
  EXPECT_EQ(r.WTMIN, 30.0f);
  EXPECT_EQ(r.WHMAX, 70.0f);
  EXPECT_EQ(r.NROWS, 2);
  EXPECT_EQ(r.PILEB, (RecordArray{0.0f, 18.43f, 0.0f}));
  EXPECT_EQ(r.PILES, (RecordArray{0.0f, 72.0f, 72.0f}));
}

TEST(LoadInputFile, FileWithoutTitleKeepsTheTitle) {
  TempDir dir;
  const std::string example = ReadFile(KELDOR_SOURCE_DIR "/tests/golden/startup-example.in");
  WriteFile(dir / "t.in", example.substr(example.find('\n') + 1));
  InputRecord r = StartUp();
  r.TITLE = "Kept";
  std::string error;
  ASSERT_TRUE(LoadInputFile(r, dir / "t.in", &error)) << error;
  EXPECT_EQ(r.TITLE.trimmedRight(), "Kept");
  EXPECT_EQ(r.H, 120.0f);
  EXPECT_EQ(r.RHOC, 0.0868f);
}

// The older layout: five options, no title, no minimum toe width.
TEST(LoadInputFile, FiveOptionFileLoadsWithVolumeOptimisationAndNoMinimumToe) {
  TempDir dir;
  WriteFile(dir / "old.in",
            "1,1,1,1,1\r\n2.36E-05,25,420,1.9E-05,0,0\r\n.3,.333,0,.5\r\n1.66,3.32\r\n0,0,.33,0\r\n"
            "0,0\r\n0,0\r\n0,0\r\n0,0,0,0\r\n1\r\n1.4,1.7,1.7,1.7,0,0\r\n120,0,0\r\n0\r\n"
            "12,2.4,15,0,500,400\r\n2,2,3\r\n1,.5\r\n20.83,27.77,41.67\r\n.64,.64,.64\r\n"
            "2,1.5,1.5\r\n1.5,1.2,1.2\r\n");
  InputRecord r = StartUp();
  r.WTMIN = 5.0f;
  r.TITLE = "Kept";
  std::string error;
  ASSERT_TRUE(LoadInputFile(r, dir / "old.in", &error)) << error;
  EXPECT_EQ(r.IOPTIM, 1);
  EXPECT_EQ(r.WTMIN, 0.0f);
  EXPECT_EQ(r.RHOC, 2.36E-05f);  // the first material value is not lost
  EXPECT_EQ(r.FC, 25.0f);
  EXPECT_EQ(r.WHMAX, 400.0f);
  EXPECT_EQ(r.CW, 2.0f);
  EXPECT_EQ(r.SFSLEQ, 1.2f);
  EXPECT_EQ(r.TITLE.trimmedRight(), "Kept");
}

// A quoted title that reads as a unit code is still the title; reading it as
// the units would shift every later field.
TEST(LoadInputFile, TitleThatReadsAsANumberIsStillTheTitle) {
  TempDir dir;
  std::string example = ReadFile(KELDOR_SOURCE_DIR "/tests/golden/startup-example.in");
  example.replace(0, example.find('\r'), "\"2\"");
  WriteFile(dir / "n.in", example);
  InputRecord r = StartUp();
  std::string error;
  ASSERT_TRUE(LoadInputFile(r, dir / "n.in", &error)) << error;
  EXPECT_EQ(r.TITLE.trimmedRight(), "2");
  EXPECT_EQ(r.IUNITS, 1);
  EXPECT_EQ(r.RHOC, 0.0868f);
  EXPECT_EQ(r.SFSLEQ, 1.2f);
  // Written by hand without quotes, a title that is not a unit code is found.
  example.replace(0, 3, "My wall");
  WriteFile(dir / "u.in", example);
  ASSERT_TRUE(LoadInputFile(r, dir / "u.in", &error)) << error;
  EXPECT_EQ(r.TITLE.trimmedRight(), "My wall");
  EXPECT_EQ(r.RHOC, 0.0868f);
}

TEST(LoadInputFile, DesignPileFileHasNoRowsAndIrregularFileMayHaveNoSurcharges) {
  TempDir dir;
  InputRecord saved = Distinct(1, 1, 2, 2);
  saved.NSUR = 0;
  const std::string text = Text(saved);
  // Design mode pile file: the file ends with the lateral pile loads.
  const std::string lateral = FileNumber(saved.PILEV) + "," + FileNumber(saved.PILEVW) + "," +
                              FileNumber(saved.PILEVEQ) + "\r\n";
  EXPECT_EQ(text.substr(text.size() - lateral.size()), lateral) << text;
  WriteFile(dir / "p.in", text);
  InputRecord r = StartUp();
  r.NROWS = 4;
  r.SURL = {0.0f, 9.0f};
  std::string error;
  ASSERT_TRUE(LoadInputFile(r, dir / "p.in", &error)) << error;
  EXPECT_EQ(r.NROWS, 0);
  EXPECT_EQ(r.NSUR, 0);
  EXPECT_EQ(r.SURL, (RecordArray{0.0f, 9.0f}));  // no surcharge lines were read
  EXPECT_EQ(r.NSEG, 3);
  EXPECT_EQ(r.PILEVEQ, saved.PILEVEQ);
}

// Hand-edited files: LF line ends, no last line end, blanks around fields,
// empty lines, and values that continue on the next line.
TEST(LoadInputFile, AcceptsLooseLineEndsAndLayout) {
  TempDir dir;
  std::string example = ReadFile(KELDOR_SOURCE_DIR "/tests/golden/startup-example.in");
  InputRecord expected = StartUp();
  std::string error;
  ASSERT_TRUE(LoadInputFile(expected, KELDOR_SOURCE_DIR "/tests/golden/startup-example.in", &error));

  std::string lf;
  for (char c : example)
    if (c != '\r') lf += c;
  lf.pop_back();  // no line end after the last line
  WriteFile(dir / "lf.in", lf);
  InputRecord r = StartUp();
  ASSERT_TRUE(LoadInputFile(r, dir / "lf.in", &error)) << error;
  EXPECT_EQ(Text(r), Text(expected));

  std::string loose = lf;
  loose.replace(loose.find("1,1,1,1,1,1"), 11, "  1 , 1,1\r\n\r\n1,\t1,1  ");
  loose.replace(loose.find("120,0,0"), 7, "\r\r120,0,0");  // old Mac line ends
  WriteFile(dir / "loose.in", loose);
  r = StartUp();
  ASSERT_TRUE(LoadInputFile(r, dir / "loose.in", &error)) << error;
  EXPECT_EQ(Text(r), Text(expected));
}

// A failed load leaves the record, file names included, exactly as it was.
void ExpectLoadFails(const std::string& content, const std::string& expectedWhy = "") {
  TempDir dir;
  WriteFile(dir / "bad.in", content);
  InputRecord r = Distinct(2, 2, 2, 2);
  r.INPATH = "/keep/this.in";
  r.INFILE = "this.in";
  const InputRecord before = r;
  std::string error;
  EXPECT_FALSE(LoadInputFile(r, dir / "bad.in", &error)) << content;
  EXPECT_EQ(r, before);
  if (!expectedWhy.empty()) {
    EXPECT_EQ(error, "Cannot load file " + (dir / "bad.in") + ": " + expectedWhy);
  }
}

TEST(LoadInputFile, FailureLeavesTheRecordAndFileNamesUnchanged) {
  TempDir dir;
  InputRecord r = Distinct(2, 1, 1, 1);
  r.INPATH = "/keep/this.in";
  const InputRecord before = r;
  std::string error;
  EXPECT_FALSE(LoadInputFile(r, dir / "missing.in", &error));
  EXPECT_EQ(error, "Cannot open file " + (dir / "missing.in") + ": No such file or directory");
  EXPECT_EQ(r, before);
  EXPECT_FALSE(LoadInputFile(r, dir.path().string(), &error));
  EXPECT_EQ(error, "Cannot open file " + dir.path().string() + ": Is a directory");
  EXPECT_EQ(r, before);
}

// Every proper prefix of a file that ends at a line end is missing fields.
TEST(LoadInputFile, TruncatedFileFailsAtEveryLine) {
  const std::string text = Text(Distinct(1, 2, 2, 2));
  for (std::size_t end = text.find('\n'); end + 1 < text.size(); end = text.find('\n', end + 1))
    ExpectLoadFails(text.substr(0, end + 1));
  ExpectLoadFails("", "the file ends before the program options");
  ExpectLoadFails("\"Only a title\"\r\n", "the file ends before the program options");
}

TEST(LoadInputFile, CountsThatCannotSizeTheirArraysFail) {
  const std::string example = ReadFile(KELDOR_SOURCE_DIR "/tests/golden/startup-example.in");
  const auto withCount = [&](const std::string& count) {
    std::string t = example;
    t.replace(t.find("\r\n1\r\n") + 2, 1, count);
    return t;
  };
  ExpectLoadFails(withCount("0"),
                  "line 11: \"0\" in the number of load combinations is not a number from 1 to 32767");
  ExpectLoadFails(withCount("-2"));
  // Far too many: refused before any array is made.
  ExpectLoadFails(withCount("2000000000"),
                  "line 11: \"2000000000\" in the number of load combinations is not a number "
                  "from 1 to 32767");
  ExpectLoadFails(withCount("32768"));

  std::string review = kReviewPile;
  review.replace(review.find("\r\n2\r\n18,") + 2, 1, "0");
  ExpectLoadFails(review, "line 22: \"0\" in the number of pile rows is not a number from 1 to 32767");
}

TEST(LoadInputFile, NumbersTooLargeToStoreFail) {
  std::string example = ReadFile(KELDOR_SOURCE_DIR "/tests/golden/startup-example.in");
  example.replace(example.find("4000"), 4, "1e39");
  ExpectLoadFails(example, "line 3: \"1e39\" in the material properties is too large");
}

// Nothing a malformed file holds may crash the program or make it allocate
// without bound.
TEST(LoadInputFile, MalformedFilesFailCleanly) {
  ExpectLoadFails(std::string(100000, 'x'), "line 1 is too long for an input file");
  ExpectLoadFails(std::string("\0\0\0\xff\xfe", 5) + "\r\n\"");
  ExpectLoadFails("\"unterminated title\r\n1,1");
  const std::string text = Text(Distinct(1, 2, 2, 2));
  for (std::size_t cut = 0; cut < text.size(); cut += 7) {
    TempDir dir;
    WriteFile(dir / "cut.in", text.substr(0, cut));
    InputRecord r = StartUp();
    std::string error;
    LoadInputFile(r, dir / "cut.in", &error);  // may load or fail, never crash
  }
}

TEST(SaveInputFile, AFailedSaveLeavesTheExistingFileAndTheRecord) {
  TempDir dir;
  WriteFile(dir / "w.in", "old contents");
  InputRecord r = StartUp();
  r.H = std::numeric_limits<float>::infinity();
  const InputRecord before = r;
  std::string error;
  EXPECT_FALSE(SaveInputFile(r, dir / "w.in", &error));
  EXPECT_EQ(error, "Cannot write file " + (dir / "w.in") + ": a value of the soil configuration is not a number");
  EXPECT_EQ(ReadFile(dir / "w.in"), "old contents");
  EXPECT_EQ(r, before);

  r = StartUp();
  EXPECT_FALSE(SaveInputFile(r, dir / "no-folder/w.in", &error));
  EXPECT_EQ(error, "Cannot write file " + (dir / "no-folder/w.in") + ": No such file or directory");
  std::filesystem::create_directory(dir / "folder");
  EXPECT_FALSE(SaveInputFile(r, dir / "folder", &error));
  EXPECT_EQ(error, "Cannot write file " + (dir / "folder") + ": Is a directory");
  EXPECT_EQ(r, StartUp());

  r.NLC = 40000;  // a count the file could not be loaded with
  EXPECT_FALSE(SaveInputFile(r, dir / "w.in", &error));
  EXPECT_EQ(ReadFile(dir / "w.in"), "old contents");
  // Nothing is left behind beside the target.
  std::size_t files = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) files += e.is_regular_file();
  EXPECT_EQ(files, 1u);
}

TEST(SaveInputFile, ReplacesAFileKeepingItsPermissionsAndFollowsLinks) {
  TempDir dir;
  WriteFile(dir / "w.in", "old");
  ::chmod((dir / "w.in").c_str(), 0640);
  std::filesystem::create_symlink(dir / "w.in", dir / "link.in");
  InputRecord r = StartUp();
  std::string error;
  ASSERT_TRUE(SaveInputFile(r, dir / "link.in", &error)) << error;
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.in"));
  EXPECT_EQ(ReadFile(dir / "w.in"), Text(r));
  struct stat st {};
  ::stat((dir / "w.in").c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

}  // namespace
}  // namespace fe

namespace fe {
namespace {

// The bundled examples and the golden inputs are written as the program
// writes them: loading one and saving it again changes no byte.
TEST(InputFiles, BundledFilesAreInTheFormTheProgramWrites) {
  for (const char* folder : {KELDOR_SOURCE_DIR "/examples", KELDOR_SOURCE_DIR "/tests/golden"})
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().extension() != ".in" || entry.path().stem() == "older-five-options") continue;
      InputRecord r = StartUp();
      std::string error;
      ASSERT_TRUE(LoadInputFile(r, entry.path().string(), &error)) << error;
      EXPECT_EQ(Text(r), ReadFile(entry.path().string())) << entry.path();
    }
}

}  // namespace
}  // namespace fe
