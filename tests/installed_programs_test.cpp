// The programs as they are installed: `cmake --install` into a scratch prefix
// and the Debian package, unpacked into a scratch root. Each runs an example
// from a folder of its own, as the build tree's programs run it.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

#include "test_support.h"

namespace keldor_test {
namespace {

const std::string kBuild = KELDOR_BINARY_DIR;
const std::string kExample = "design-10ft-spread.in";

// What an installed tree holds, under its prefix.
const char* const kInstalledFiles[] = {
    "bin/keldor-run", "bin/Keldor", "lib/keldor/libkeldor.so", "lib/keldor/libkeldor-export.so",
    "share/keldor/examples/design-10ft-spread.in", "share/keldor/examples/review-si-spread.in",
    "share/keldor/help/Introduction.htm", "share/keldor/help/HowTheAnalysisWorks.htm",
    "share/doc/keldor/README.md", "share/doc/keldor/verification.md",
    "share/man/man1/keldor-run.1.gz", "share/applications/keldor.desktop",
    "share/icons/hicolor/scalable/apps/keldor.svg"};

struct Written {
  std::string report, side, drawing;
};

// Runs the keldor-run `program` on a copy of the example `input` in a fresh
// folder `work`, drawing the wall as well (through the export module).
Written RunExample(const std::string& program, const std::string& input, const std::string& work) {
  std::filesystem::create_directories(work + "/walls");
  WriteFile(work + "/walls/wall.in", ReadFile(input));
  const Outcome o = RunProgram(program, {"--svg", "wall.svg", "walls/wall.in"}, work);
  EXPECT_EQ(o.status, 0) << program << ": " << o.err;
  EXPECT_EQ(o.err, "") << program;
  EXPECT_EQ(o.out.rfind("Output written to walls/wall.out\nDesign converged: ", 0), 0u) << o.out;
  return {MaskRunLine(ReadFile(work + "/walls/wall.out")), ReadFile(work + "/KELDOR.DAT"),
          ReadFile(work + "/wall.svg")};
}

// The installed tree under `prefix` is whole, and its keldor-run, from another
// folder, writes what the build tree's writes; returns its --version line.
std::string CheckInstalledTree(const std::string& prefix, const TempFolder& scratch) {
  for (const char* file : kInstalledFiles) EXPECT_TRUE(Exists(prefix + "/" + file)) << file;
  const Written built = RunExample(ProgramFolder() + "/keldor-run",
                                   KELDOR_SOURCE_DIR "/examples/" + kExample, scratch / "built");
  const Written installed = RunExample(prefix + "/bin/keldor-run",
                                       prefix + "/share/keldor/examples/" + kExample, scratch / "installed");
  EXPECT_NE(installed.report.find("P R O G R A M   K E L D O R"), std::string::npos);
  EXPECT_EQ(installed.report, built.report);
  EXPECT_EQ(installed.side, built.side);
  EXPECT_EQ(installed.drawing.rfind("<?xml", 0), 0u);
  EXPECT_EQ(installed.drawing, built.drawing);
  return RunProgram(prefix + "/bin/keldor-run", {"--version"}, scratch.path()).out;
}

TEST(Installed, CmakeInstallIntoAPrefix) {
  TempFolder scratch;
  const Outcome o =
      RunProgram(KELDOR_CMAKE_COMMAND, {"--install", kBuild, "--prefix", scratch / "prefix"}, scratch.path());
  ASSERT_EQ(o.status, 0) << o.out << o.err;
  EXPECT_EQ(CheckInstalledTree(scratch / "prefix", scratch), "keldor-run " KELDOR_SHOWN_VERSION "\n");

  // Without its library the installed program says where it looked.
  std::filesystem::remove(scratch / "prefix/lib/keldor/libkeldor.so");
  const Outcome missing = RunProgram(scratch / "prefix/bin/keldor-run", {"walls/wall.in"}, scratch / "built");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find((scratch / "prefix/lib/keldor/libkeldor.so") + ": cannot open"), std::string::npos)
      << missing.err;
}

// The package names the libraries its programs need and the report's font,
// and its version is the program's.
TEST(Installed, DebianPackage) {
  TempFolder scratch;
  const Outcome made = RunProgram(
      KELDOR_CPACK_COMMAND, {"-G", "DEB", "--config", kBuild + "/CPackConfig.cmake", "-B", scratch / "pkg"},
      scratch.path());
  ASSERT_EQ(made.status, 0) << made.out << made.err;
  std::string deb;
  for (const auto& entry : std::filesystem::directory_iterator(scratch / "pkg"))
    if (entry.path().extension() == ".deb") deb = entry.path().string();
  ASSERT_FALSE(deb.empty()) << made.out;

  const Outcome fields = RunProgram("dpkg-deb", {"-f", deb, "Package", "Version", "Depends"}, scratch.path());
  ASSERT_EQ(fields.status, 0) << fields.err;
  EXPECT_EQ(fields.out.rfind("Package: keldor\nVersion: " KELDOR_VERSION "\nDepends: ", 0), 0u) << fields.out;
  for (const char* needed : {"libc6", "libstdc\\+\\+6", "libqt6core6", "libqt6gui6", "libqt6widgets6",
                             "libqt6svg6", "libqt6printsupport6", "fonts-dejavu-core"}) {
    const std::regex named(std::string("Depends: (.*, )?") + needed + "( |,|\n)");
    EXPECT_TRUE(std::regex_search(fields.out, named)) << needed << " in " << fields.out;
  }

  const Outcome unpacked = RunProgram("dpkg-deb", {"-x", deb, scratch / "root"}, scratch.path());
  ASSERT_EQ(unpacked.status, 0) << unpacked.err;
  EXPECT_EQ(CheckInstalledTree(scratch / "root/usr", scratch), "keldor-run " KELDOR_SHOWN_VERSION "\n");
}

}  // namespace
}  // namespace keldor_test
