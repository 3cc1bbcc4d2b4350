// The base reactions the engine records for the drawing against the report:
// for every golden input, each soil pressure block of the stability analysis
// has its reaction with the printed eccentricity and pressures, and the pile
// loads of every combination reach the extremes the pile rows record.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "engine_library.h"
#include "file_names.h"
#include "input_defaults.h"
#include "input_file.h"
#include "run_engine.h"
#include "run_results.h"
#include "test_support.h"
#include "wall_drawing.h"

namespace keldor_test {
namespace {

const std::string kGolden = KELDOR_GOLDEN_DIR;

fe::EngineLibrary& Library() {
  std::string error;
  fe::EngineLibrary* e = fe::EngineAt(ProgramFolder() + "/libkeldor.so", &error);
  if (e == nullptr) ADD_FAILURE() << error;
  return *e;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

// The signed number after the label, when the line starts with it.
bool Value(const std::string& line, const std::string& label, double* value) {
  if (line.rfind(label, 0) != 0) return false;
  *value = std::stod(line.substr(label.size()));
  return true;
}

// Printed in G10.4: within half a unit of the fourth digit.
bool Near(double printed, float value) {
  return std::fabs(printed - value) <= 6e-4 * std::max(std::fabs(printed), std::fabs(double(value))) + 1e-6;
}

std::vector<std::string> GoldenNames() { return keldor_test::InputNames(kGolden); }

class BaseReactions : public ::testing::TestWithParam<std::string> {};

TEST_P(BaseReactions, MatchTheStabilitySection) {
  TempFolder folder;
  fe::InputRecord r;
  fe::InitialiseInput(r, KELDOR_ENGLISH);
  std::string error;
  ASSERT_TRUE(fe::LoadInputFile(r, kGolden + "/" + GetParam() + ".in", &error)) << error;
  ASSERT_TRUE(fe::SetOutputFile(r, folder / "r.out", &error)) << error;
  {
    InFolder in(folder.path());
    fe::RunEngine(Library(), r);
  }
  const std::vector<std::string> report = Lines(ReadFile(folder / "r.out"));
  const fe::RunResults run = fe::ReadRunResults(Library());

  // The eccentricities and pressures the stability section prints.
  std::vector<double> e, toe, heel;
  int combinations = 0;
  bool stability = false;
  for (const std::string& line : report) {
    if (line.find(" E X T E R N A L   S T A B I L I T Y") == 0 ||
        line.find(" P I L E   A N A L Y S I S") == 0)
      stability = true;
    else if (line.find(" F O O T I N G   D E S I G N") == 0)
      stability = false;
    if (!stability) continue;
    double v = 0;
    if (line.rfind(" LOAD COMBINATION ", 0) == 0) ++combinations;
    if (Value(line, "     Eccentricity  = ", &v)) e.push_back(v);
    if (Value(line, "     Toe pressure  = ", &v)) toe.push_back(v);
    if (Value(line, "     Heel pressure = ", &v)) heel.push_back(v);
  }

  if (run.foundation == KELDOR_PILE_FOOTING) {
    // One reaction per combination whose pile group could be analysed, and
    // the rows' extremes are those of the reactions.
    EXPECT_LE(run.reactions.size(), static_cast<std::size_t>(combinations));
    for (std::size_t j = 0; j < run.piles.size(); ++j) {
      float most = NAN;
      for (const fe::BaseReactionResult& b : run.reactions) {
        ASSERT_EQ(b.pileLoads.size(), run.piles.size());
        if (!(most >= b.pileLoads[j])) most = b.pileLoads[j];
      }
      if (!run.reactions.empty()) {
        EXPECT_EQ(most, run.piles[j].maxLoad) << "row " << j + 1;
      }
    }
    return;
  }
  ASSERT_EQ(run.reactions.size(), e.size());
  std::size_t t = 0, h = 0;
  for (std::size_t k = 0; k < e.size(); ++k) {
    const fe::BaseReactionResult& b = run.reactions[k];
    EXPECT_TRUE(Near(e[k], b.eccentricity)) << k << ": " << e[k] << " " << b.eccentricity;
    if (std::fabs(b.eccentricity) >= 0.5f * run.geometry.WF) continue;  // no pressures printed
    ASSERT_LT(t, toe.size());
    EXPECT_TRUE(Near(toe[t++], b.toe)) << k;
    if (std::fabs(b.eccentricity) <= run.geometry.WF / 6) {
      ASSERT_LT(h, heel.size());
      EXPECT_TRUE(Near(heel[h++], b.heel)) << k;
    }
  }
  EXPECT_EQ(t, toe.size());
  EXPECT_EQ(h, heel.size());

  // The drawing of the run: its wall, and a diagram for the governing one.
  const fe::DrawingResults drawn = fe::DrawingResultsOf(run);
  EXPECT_EQ(drawn.combinations.size(), run.reactions.size());
  if (run.analysed) {
    EXPECT_EQ(drawn.WF, run.geometry.WF);
  }
}

INSTANTIATE_TEST_SUITE_P(Golden, BaseReactions, ::testing::ValuesIn(GoldenNames()),
                         [](const auto& test) {
                           std::string name = test.param;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

}  // namespace
}  // namespace keldor_test
