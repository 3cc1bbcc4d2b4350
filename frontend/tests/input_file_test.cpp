// Saving and loading the input file: the layout byte for byte, the round trip
// for every combination of options, the older layouts, and failures that
// must leave the record and the files as they were.
#include "input_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <limits>

#include "number_text.h"
#include "record_fields.h"
#include "test_support.h"
#include "start_up.h"

namespace fe {
namespace {

using keldor_test::ReadFile;
using keldor_test::Replaced;
using keldor_test::TempFolder;
using keldor_test::WriteFile;
using Floats = std::vector<float>;

const std::string kExample = ReadFile(KELDOR_SOURCE_DIR "/tests/golden/startup-example.in");

// Every float field a distinct value exact in 7 digits, two or more records
// in every group, a title with quotes and commas, for the given options.
InputRecord Distinct(int units, int mode, int soil, int foot) {
  InputRecord r = StartUp(units);
  r.IMODE = mode, r.ISOIL = soil, r.IFOOT = foot, r.IOPTIM = r.IDESIGN = 2, r.OPTSL = 1;
  int k = 0;
  const auto next = [&k] { ++k; return (k % 2 ? 1.0f : -1.0f) * (3.0f * float(k) + 1.25f); };
  VisitFields(r, [&](const char*, auto& field) {
    if constexpr (std::is_same_v<std::decay_t<decltype(field)>, float>) field = next();
  });
  r.RHOC = 2.36E-05f, r.PILEP = 1.234567E+08f;
  r.NLC = r.NSUR = r.NROWS = 2, r.NSEG = 3;
  for (RecordArray* a : {&r.FD, &r.FL, &r.FE, &r.FSUR, &r.FW, &r.FEQ, &r.LSEG, &r.ASEG, &r.SURL,
                         &r.XSBEG, &r.YSBEG, &r.XSEND, &r.YSEND, &r.PILEX, &r.PILEB, &r.PILES})
    *a = {next(), next(), next(), next()};
  r.TITLE = "  Wall \"A\", stage 2  ";
  return r;
}

std::string Text(const InputRecord& r) {
  std::string text, error;
  EXPECT_TRUE(InputFileText(r, &text, &error)) << error;
  return text;
}

InputRecord Loaded(const std::string& content, InputRecord r = StartUp()) {
  TempFolder dir;
  WriteFile(dir / "w.in", content);
  std::string error;
  EXPECT_TRUE(LoadInputFile(r, dir / "w.in", &error)) << error;
  return r;
}

TEST(SaveInputFile, WritesTheStartUpExampleByteForByte) {
  InputRecord r = StartUp();
  r.H = 120.0f, r.NLC = 1, r.FD = {1.4f};
  r.FL = r.FE = r.FSUR = {1.7f};
  r.FW = r.FEQ = {0.0f};
  TempFolder dir;
  std::string error;
  ASSERT_TRUE(SaveInputFile(r, dir / "example.in", &error)) << error;
  EXPECT_EQ(ReadFile(dir / "example.in"), kExample);
  EXPECT_EQ(r.INPATH, dir / "example.in");
  EXPECT_EQ(r.INFILE.trimmedRight(), "example.in");
}

// A saved file loaded again reproduces every field the options make
// relevant: the file it writes then is the same, byte for byte.
TEST(LoadInputFile, ReproducesEverySavedFieldForEveryCombinationOfOptions) {
  TempFolder dir;
  for (int options = 0; options < 16; ++options) {
    const int units = 1 + (options & 1), mode = 1 + (options >> 1 & 1);
    const int soil = 1 + (options >> 2 & 1), foot = 1 + (options >> 3 & 1);
    SCOPED_TRACE(::testing::Message() << units << mode << soil << foot);
    InputRecord saved = Distinct(units, mode, soil, foot);
    std::string error;
    ASSERT_TRUE(SaveInputFile(saved, dir / "w.in", &error)) << error;
    InputRecord loaded = StartUp(3 - units);  // the other units were in force
    ASSERT_TRUE(LoadInputFile(loaded, dir / "w.in", &error)) << error;
    EXPECT_EQ(Text(loaded), Text(saved));
    EXPECT_EQ(loaded.TITLE.trimmedRight(), "Wall \"A\", stage 2");
    EXPECT_EQ(loaded.FEQ, (RecordArray{saved.FEQ(1), saved.FEQ(2)}));
    EXPECT_EQ(loaded.INFILE.trimmedRight(), "w.in");
  }
}

// Sections the file does not hold keep the defaults of the units in force
// before the load (English piles for an SI spread-footing file).
TEST(LoadInputFile, AbsentSectionsHoldTheDefaultsOfTheUnitsInForce) {
  InputRecord before = StartUp(1);
  before.PILEDIA = 99.0f;
  const InputRecord r = Loaded(Replaced(kExample, "1,1,1,1,1,1", "2,1,1,1,1,1"), before);
  EXPECT_EQ(r.IUNITS, 2);
  EXPECT_EQ(Floats({r.PILEDIA, r.PILEP}), Floats({12.0f, 90000.0f}));
}

TEST(LoadInputFile, EachModeDerivesTheOtherMemberOfItsPairs) {
  InputRecord r = StartUp();
  r.WT = 40.0f;
  r = Loaded(kExample, r);  // design
  EXPECT_EQ(Floats({r.BW, r.TF, r.WT, r.WF}), Floats({2.4f, 15.0f, 0.0f, 0.0f}));
  r = Loaded(Replaced(Replaced(kExample, "1,1,1,1,1,1", "1,2,1,1,1,1"), "12,2.4,15,0,500,500,0",
                      "12,2.4,15,6,30,100\r\n.05,.05,.05"));
  // The heel limit is what the footing leaves beyond the toe.
  EXPECT_EQ(Floats({r.WTMAX, r.WTMIN, r.WHMAX, r.DKMAX, r.ASFBOT}), Floats({30, 30, 70, 6, 0.05f}));
}

TEST(LoadInputFile, ReadsFilesWithoutTitleAndWithFiveOptions) {
  InputRecord before = StartUp();
  before.TITLE = "Kept", before.WTMIN = 5.0f;
  const std::string untitled = kExample.substr(kExample.find('\n') + 1);
  EXPECT_EQ(Loaded(untitled, before).TITLE.trimmedRight(), "Kept");
  // The older layout: five options, no minimum toe width; SI, so the first
  // material value (2.36E-05) rounds to 0 as a sixth option.
  const std::string old = Replaced(Replaced(Replaced(untitled, "1,1,1,1,1,1", "2,1,1,1,1"), ".0868",
                                            "2.36E-05"), ",500,0\r", ",400\r");
  const InputRecord r = Loaded(old, before);
  EXPECT_EQ(r.IOPTIM, 1);
  EXPECT_EQ(Floats({r.WTMIN, r.RHOC, r.WHMAX, r.SFSLEQ}), Floats({0.0f, 2.36E-05f, 400.0f, 1.2f}));
  EXPECT_EQ(r.TITLE.trimmedRight(), "Kept");
}

// A quoted title that reads as a unit code is still the title: read as the
// units it would shift every later field.
TEST(LoadInputFile, TitleThatReadsAsANumberIsStillTheTitle) {
  InputRecord r = Loaded(Replaced(kExample, "\"Keldor Program Output\"", "\"2\""));
  EXPECT_EQ(r.TITLE.trimmedRight(), "2");
  EXPECT_EQ(std::make_pair(r.IUNITS, r.RHOC), std::make_pair(1, 0.0868f));
  // Written by hand without quotes, a title that is not a unit code is found.
  r = Loaded(Replaced(kExample, "\"Keldor Program Output\"", "My wall"));
  EXPECT_EQ(std::make_pair(r.TITLE.trimmedRight(), r.SFSLEQ), std::make_pair(std::string("My wall"), 1.2f));
}

// Hand-edited files: LF line ends, no last line end, blanks around fields,
// empty lines, CR line ends, and values that continue on the next line.
TEST(LoadInputFile, AcceptsLooseLineEndsAndLayout) {
  std::string loose;
  for (char c : kExample)
    if (c != '\r') loose += c;
  loose.pop_back();
  loose = Replaced(Replaced(loose, "1,1,1,1,1,1", "  1 , 1,1\n\n1,\t1,1  "), "120,0,0", "\r\r120,0,0");
  EXPECT_EQ(Text(Loaded(loose)), Text(Loaded(kExample)));
}

// A failed load leaves the record, file names included, exactly as it was;
// nothing a malformed file holds may crash the program or make it allocate
// without bound.
TEST(LoadInputFile, FailureLeavesTheRecordAndFileNamesUnchanged) {
  TempFolder dir;
  InputRecord r = Distinct(2, 2, 2, 2);
  r.INPATH = "/keep/this.in";
  const InputRecord before = r;
  std::string error;
  const auto fails = [&](const std::string& content, const std::string& why = "") {
    WriteFile(dir / "bad.in", content);
    EXPECT_FALSE(LoadInputFile(r, dir / "bad.in", &error)) << content;
    EXPECT_TRUE(why.empty() || error == "Cannot load file " + (dir / "bad.in") + ": " + why) << error;
  };
  const auto with = [](const std::string& from, const std::string& to) { return Replaced(kExample, from, to); };
  EXPECT_FALSE(LoadInputFile(r, dir / "missing.in", &error));
  EXPECT_EQ(error, "Cannot open file " + (dir / "missing.in") + ": No such file or directory");
  EXPECT_FALSE(LoadInputFile(r, dir.path(), &error));
  EXPECT_EQ(error, "Cannot open file " + dir.path() + ": Is a directory");
  fails("\"Only a title\"\r\n", "the file ends before the program options");
  fails(with("\r\n1\r\n", "\r\n0\r\n"),
        "line 11: \"0\" in the number of load combinations is not a number from 1 to 32767");
  for (const char* count : {"\r\n-2\r\n", "\r\n2000000000\r\n", "\r\n32768\r\n"})
    fails(with("\r\n1\r\n", count));  // refused before any array is made
  fails(with("4000", "1e39"), "line 3: \"1e39\" in the material properties is too large");
  // An irregular backfill needs at least one segment.
  fails(Replaced(with("1,1,1,1,1,1", "1,1,1,2,1,1"), "120,0,0\r\n0\r\n", "120,0\r\n0\r\n"),
        "line 14: \"0\" in the number of irregular backfill segments is not a number from 1 to 32767");
  fails(std::string(100000, 'x'), "line 1 is too long for an input file");
  for (const std::string& junk : {std::string("\0\0\0\xff\xfe", 5) + "\r\n\"", std::string("\"unterminated title\r\n1,1")})
    fails(junk);
  // Every proper prefix ending at a line end lacks fields; one ending inside
  // a line may load or fail, but never crash.
  const std::string text = Text(Distinct(1, 2, 2, 2));
  for (std::size_t cut = 0; cut + 1 < text.size(); ++cut) {
    if (text[cut] == '\n') fails(text.substr(0, cut + 1));
    WriteFile(dir / "cut.in", text.substr(0, cut));
    InputRecord any = StartUp();
    LoadInputFile(any, dir / "cut.in", &error);
  }
  EXPECT_EQ(r, before);
}

TEST(SaveInputFile, AFailedSaveLeavesTheExistingFileAndTheRecord) {
  TempFolder dir;
  WriteFile(dir / "w.in", "old contents");
  InputRecord r = StartUp();
  r.H = std::numeric_limits<float>::infinity();
  const InputRecord before = r;
  std::string error;
  EXPECT_FALSE(SaveInputFile(r, dir / "w.in", &error));
  EXPECT_EQ(error, "Cannot write file " + (dir / "w.in") +
                       ": a value of the soil configuration is not a number");
  EXPECT_EQ(r, before);
  r = StartUp();
  r.NLC = 40000;  // a count the file could not be loaded with
  EXPECT_FALSE(SaveInputFile(r, dir / "w.in", &error));
  r = StartUp();
  EXPECT_FALSE(SaveInputFile(r, dir / "no-folder/w.in", &error));
  EXPECT_EQ(error, "Cannot write file " + (dir / "no-folder/w.in") + ": No such file or directory");
  EXPECT_FALSE(SaveInputFile(r, dir.path(), &error));
  EXPECT_EQ(error, "Cannot write file " + dir.path() + ": Is a directory");
  EXPECT_EQ(r, StartUp());
  EXPECT_EQ(ReadFile(dir / "w.in"), "old contents");
  // Nothing is left behind beside the target.
  EXPECT_EQ(keldor_test::Entries(dir.path()), 1u);
}

TEST(SaveInputFile, ReplacesAFileKeepingItsPermissionsAndFollowsLinks) {
  TempFolder dir;
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

// The bundled examples and golden inputs are written as the program writes
// them: loading one and saving it again changes no byte.
TEST(InputFiles, BundledFilesAreInTheFormTheProgramWrites) {
  for (const char* folder : {KELDOR_SOURCE_DIR "/examples", KELDOR_SOURCE_DIR "/tests/golden"})
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().extension() != ".in" || entry.path().stem() == "older-five-options") continue;
      const std::string text = ReadFile(entry.path().string());
      EXPECT_EQ(Text(Loaded(text)), text) << entry.path();
    }
}

}  // namespace
}  // namespace fe
