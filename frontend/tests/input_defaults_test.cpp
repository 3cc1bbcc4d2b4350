// Start-up initialisation and the section resets.
#include "input_defaults.h"

#include <gtest/gtest.h>

#include "record_fields.h"

namespace fe {
namespace {

InputRecord StartUp(int units = 1) {
  InputRecord r;
  InitialiseInput(r, units);
  return r;
}

TEST(InitialiseInput, GivesTheEnglishStartUpRecord) {
  const InputRecord r = StartUp();
  EXPECT_EQ(r.IUNITS, 1);
  EXPECT_EQ(r.IMODE, 1);
  EXPECT_EQ(r.IDESIGN, 1);
  EXPECT_EQ(r.ISOIL, 1);
  EXPECT_EQ(r.IFOOT, 1);
  EXPECT_EQ(r.IOPTIM, 1);
  EXPECT_EQ(r.PHI, 0.0f);   // material defaults saw the constant slope
  EXPECT_EQ(r.KA, 0.3f);
  EXPECT_EQ(r.RHOC, 0.0868f);
  EXPECT_EQ(r.FC, 4000.0f);
  EXPECT_EQ(r.BW, 2.4f);
  EXPECT_EQ(r.TF, 15.0f);
  EXPECT_EQ(r.DK, 0.0f);
  EXPECT_EQ(r.WT, 0.0f);
  EXPECT_EQ(r.WF, 0.0f);
  EXPECT_EQ(r.WTMAX, 500.0f);
  EXPECT_EQ(r.Q, 20.83f);
  EXPECT_EQ(r.PILEP, 90000.0f);
  EXPECT_EQ(r.NLC, 0);
  EXPECT_EQ(r.NSEG, 0);
  EXPECT_EQ(r.NSUR, 0);
  EXPECT_EQ(r.NROWS, 0);
  EXPECT_EQ(r.INFILE.str(), "None" + std::string(76, ' '));
  EXPECT_EQ(r.OUTFILE.trimmedRight(), "None");
  EXPECT_EQ(r.TITLE.trimmedRight(), "Keldor Program Output");
  EXPECT_TRUE(r.INPATH.empty());
  EXPECT_TRUE(r.OUTPATH.blank());
  EXPECT_FALSE(r.Refreshing);
}

TEST(InitialiseInput, GivesTheSIDefaultsWhenSIIsSelected) {
  const InputRecord r = StartUp(2);
  EXPECT_EQ(r.RHOC, 2.36E-05f);
  EXPECT_EQ(r.FC, 25.0f);
  EXPECT_EQ(r.FS, 420.0f);
  EXPECT_EQ(r.RHOS, 1.9E-05f);
  EXPECT_EQ(r.TWMIN, 300.0f);
  EXPECT_EQ(r.BWMIN, 2.29f);
  EXPECT_EQ(r.BW, 2.29f);
  EXPECT_EQ(r.TFMIN, 400.0f);
  EXPECT_EQ(r.WTMAX, 10000.0f);
  EXPECT_EQ(r.WHMAX, 10000.0f);
  EXPECT_EQ(r.DBAR, 25.0f);
  EXPECT_EQ(r.CW, 50.0f);
  EXPECT_EQ(r.CFBOT, 75.0f);
  EXPECT_EQ(r.Q, 0.1436f);
  EXPECT_EQ(r.QW, 0.1914f);
  EXPECT_EQ(r.QEQ, 0.2872f);
  EXPECT_EQ(r.PILEDIA, 300.0f);
  EXPECT_EQ(r.PILEPW, 533000.0f);
  EXPECT_EQ(r.PILEVW, 53000.0f);
  EXPECT_EQ(r.PILEBAT, 18.43f);
  EXPECT_EQ(r.KP, 1.66f);  // dimensionless defaults are the same in both systems
}

TEST(SectionResets, FrictionAngleAndCoefficientFollowTheBackfill) {
  InputRecord r = StartUp();
  r.ISOIL = 2;
  ResetMaterial(r);
  ResetSoilParameters(r);
  EXPECT_EQ(r.PHI, 32.5f);
  EXPECT_EQ(r.KA, 0.0f);
}

TEST(SectionResets, SetCountsButLeaveArraysAlone) {
  InputRecord r = StartUp();
  r.NLC = 2;
  r.FD = {0.0f, 1.4f, 0.9f};
  r.NROWS = 1;
  r.PILEX = {0.0f, 18.0f};
  ResetLoads(r);
  ResetPileFooting(r);
  EXPECT_EQ(r.NLC, 0);
  EXPECT_EQ(r.NROWS, 0);
  EXPECT_EQ(r.FD, (RecordArray{0.0f, 1.4f, 0.9f}));
  EXPECT_EQ(r.PILEX, (RecordArray{0.0f, 18.0f}));
}

TEST(SectionResets, ResetAllLeavesUnitsFileNamesAndTitleAlone) {
  InputRecord r = StartUp(2);
  r.TITLE = "Mine";
  r.INFILE = "w.in";
  r.INPATH = "/x/w.in";
  r.IMODE = 2;
  r.FC = 1.0f;
  ResetAll(r);
  EXPECT_EQ(r.IUNITS, 2);
  EXPECT_EQ(r.TITLE.trimmedRight(), "Mine");
  EXPECT_EQ(r.INFILE.trimmedRight(), "w.in");
  EXPECT_EQ(r.INPATH, "/x/w.in");
  EXPECT_EQ(r.IMODE, 1);
  EXPECT_EQ(r.FC, 25.0f);
}

// A record whose units are neither English nor SI (a hand-made file) keeps
// every value that depends on the units; the others are still reset.
TEST(SectionResets, OtherUnitsKeepUnitDependentValues) {
  InputRecord r = StartUp();
  r.IUNITS = 3;
  r.FC = 1.0f;
  r.KP = 9.0f;
  r.TWMIN = 7.0f;
  r.BWMIN = 4.0f;
  r.DKMAX = 5.0f;
  r.WT = 8.0f;
  r.Q = 6.0f;
  r.CS = 0.1f;
  ResetMaterial(r);
  ResetSoilParameters(r);
  ResetWallConfiguration(r);
  ResetSpreadFooting(r);
  EXPECT_EQ(r.FC, 1.0f);
  EXPECT_EQ(r.KP, 1.66f);
  EXPECT_EQ(r.TWMIN, 7.0f);
  EXPECT_EQ(r.DKMAX, 5.0f);
  EXPECT_EQ(r.BW, 4.0f);  // the review values still copy the limits
  EXPECT_EQ(r.DK, 5.0f);
  EXPECT_EQ(r.WT, 0.0f);
  EXPECT_EQ(r.Q, 6.0f);
  EXPECT_EQ(r.CS, 0.64f);
}

}  // namespace
}  // namespace fe
