// The results record: each check and message keeps the number of the report
// line that says it, nothing is recorded for a line that was not written, a
// run starts with none, and a pile row keeps the extremes of its loads.
// Whole runs against their reports are the golden inputs' (tests/).
#include "results.h"

#include <gtest/gtest.h>

#include <cmath>

#include "driver.h"
#include "report_capture.h"
#include "state.h"

namespace keldor {
namespace {

using testing_support::FreshState;

TEST(Results, RowsKeepTheLineThatSaysThem) {
  FreshState();
  S.NLC = 2;
  for (RealArray* a : {&S.FD, &S.FL, &S.FE, &S.FSUR, &S.FW, &S.FEQ}) a->resize(2);
  S.FW(2) = 1.0f;  // combination 2 is a wind combination
  const Lines lines = CaptureReport([] {
    S.report.line(" first");
    CheckPlace(KELDOR_AT_STABILITY, 2);
    ReportCheck(" a check OKAY", SafetyFactor(KELDOR_CHECK_SLIDING, 2.0f, 1.5f), true);
    S.report.blank();
    ReportFailure(" outside ***", Demand(KELDOR_CHECK_RESULTANT, 30.0f, 20.0f));
    ReportMessage("   a note ***   ");
  });
  ASSERT_EQ(lines.size(), 5u);
  const RunResults& r = S.results;
  ASSERT_EQ(r.checks.size(), 2u);
  EXPECT_EQ(r.checks[0].line, 2);
  EXPECT_EQ(r.checks[0].loadSet, KELDOR_WIND_SET);
  EXPECT_EQ(r.checks[0].combination, 2);
  EXPECT_FLOAT_EQ(r.checks[0].ratio, 0.75f);  // required / actual
  EXPECT_TRUE(r.checks[0].passes);
  EXPECT_EQ(r.checks[1].line, 4);
  EXPECT_FLOAT_EQ(r.checks[1].ratio, 1.5f);  // demand / capacity
  EXPECT_FALSE(r.checks[1].passes);
  ASSERT_EQ(r.messages.size(), 2u);
  EXPECT_EQ(r.messages[0].line, 4);
  EXPECT_EQ(r.messages[0].text, "outside ***");
  EXPECT_EQ(r.messages[1].line, 5);
  EXPECT_EQ(r.messages[1].text, "a note ***");
}

// A report that is not open writes nothing, so nothing is recorded.
TEST(Results, NothingForALineNotWritten) {
  FreshState();
  ReportCheck(" OKAY", Demand(KELDOR_CHECK_SHEAR, 1.0f, 2.0f), true);
  ReportMessage(" ***");
  EXPECT_TRUE(S.results.checks.empty());
  EXPECT_TRUE(S.results.messages.empty());
}

TEST(Results, EveryRunStartsWithNone) {
  FreshState();
  S.IMODE = KELDOR_DESIGN;
  CaptureReport([] { ReportMessage(" old ***"); });
  S.results.status = KELDOR_COMPLETE;
  S.results.converged = true;
  RunInit();
  EXPECT_EQ(S.results.status, KELDOR_NO_RESULTS);
  EXPECT_FALSE(S.results.converged);
  EXPECT_TRUE(S.results.messages.empty());
  EXPECT_EQ(S.results.mode, KELDOR_DESIGN);  // the mode asked for
}

TEST(Results, PileRowsKeepTheExtremesOfTheirLoads) {
  FreshState();
  S.NROWS = 2;
  S.PLOAD.resize(2);
  for (const auto& [a, b] : {std::pair{10.0f, -3.0f}, std::pair{4.0f, 8.0f}}) {
    S.PLOAD(1) = a, S.PLOAD(2) = b;
    RecordPileLoads();
  }
  ASSERT_EQ(S.results.piles.size(), 2u);
  EXPECT_EQ(S.results.piles[0].maxLoad, 10.0f);
  EXPECT_EQ(S.results.piles[0].minLoad, 4.0f);
  EXPECT_EQ(S.results.piles[1].maxLoad, 8.0f);
  EXPECT_EQ(S.results.piles[1].minLoad, -3.0f);
}

// The earth forces of a constant slope: the given coefficients, the
// surcharge's resultant at mid-height, no failure angle.
TEST(Results, ConstantSlopeEarthForces) {
  FreshState();
  S.ISOIL = KELDOR_CONSTANT_SLOPE;
  S.KA = 0.3f, S.KAEQ = 0.1f, S.RHOS = 0.1f, S.YE = 1.0f / 3.0f, S.YEQ = 0.6f;
  S.SUR = 2.0f, S.H = 100.0f;
  RecordEarthForces(1);
  const EarthForces& f = S.results.stem;
  EXPECT_FLOAT_EQ(f.earth, 150.0f);  // 0.5 x 0.3 x 0.1 x 100^2
  EXPECT_FLOAT_EQ(f.withSurcharge, 210.0f);  // + 0.3 x 2 x 100
  EXPECT_FLOAT_EQ(f.withSurchargeHeight, (150.0f * 100.0f / 3.0f + 60.0f * 50.0f) / 210.0f);
  EXPECT_FLOAT_EQ(f.seismic, 50.0f);
  EXPECT_FLOAT_EQ(f.seismicHeight, 60.0f);
  EXPECT_TRUE(std::isnan(f.angle[0]));
  EXPECT_FLOAT_EQ(f.coefficient[2], 0.1f);
  EXPECT_FALSE(S.results.footing.computed);
}

}  // namespace
}  // namespace keldor
