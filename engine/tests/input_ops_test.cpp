// The set operations: angle conversion, array sizing by the current count and
// the ground profile.
#include <gtest/gtest.h>

#include <cmath>

#include "driver.h"
#include "format.h"
#include "keldor.h"
#include "state.h"

namespace keldor {
namespace {

void SetCounts(int32_t nseg, int32_t nsur) {
  const float z = 0.0f;
  SETSCON(&z, &z, &z, &z, &nseg, &nsur);
}

TEST(SetOperations, AnglesAreStoredInRadiansWithPiAs31416) {
  const float z = 0.0f, ninety = 90.0f, thirty = 30.0f;
  SETWCON(&z, &ninety, &z, &z, &z, &z, &z, &z, &z, &z, &z, &z);
  EXPECT_EQ(S.BWMIN, 90.0f * 3.1416f / 180.0f);
  EXPECT_EQ(S.BWMIN, 1.5708f);  // not the more precise pi / 2
  EXPECT_EQ(S.BW, 0.0f);        // a batter of 0 degrees is exactly 0
  SETMAT(&z, &z, &z, &z, &thirty, &z);
  EXPECT_NEAR(S.PHI, 0.5236f, 1e-6f);
  EXPECT_EQ(G(Degrees(S.PHI)), " 30.00    ");  // converted back, it prints as entered
}

TEST(SetOperations, GroundProfileIsAPolylineFromTheOrigin) {
  SetCounts(2, 0);
  const float len[] = {120.0f, 50.0f}, ang[] = {30.0f, 0.0f};
  SETIRR(len, ang);
  ASSERT_EQ(S.ASEG.size(), 2);
  EXPECT_NEAR(S.ASEG(1), 0.5236f, 1e-6f);
  EXPECT_EQ(S.XGBEG(1), 0.0f);
  EXPECT_EQ(S.YGBEG(1), 0.0f);
  EXPECT_NEAR(S.XGEND(1), 103.92f, 0.01f);
  EXPECT_NEAR(S.YGEND(1), 60.00f, 0.01f);
  EXPECT_EQ(S.XGBEG(2), S.XGEND(1));
  EXPECT_EQ(S.YGBEG(2), S.YGEND(1));
  EXPECT_EQ(S.XGEND(2), S.XGEND(1) + 50.0f);
  EXPECT_EQ(S.YGEND(2), S.YGEND(1));
}

TEST(SetOperations, ZeroOrNegativeCountsGiveEmptyArrays) {
  SetCounts(0, 0);
  const float one = 1.0f;
  SETIRR(&one, &one);
  for (const RealArray* a : {&S.LSEG, &S.ASEG, &S.XGBEG, &S.YGBEG, &S.XGEND, &S.YGEND})
    EXPECT_EQ(a->size(), 0);
  SetCounts(-4, -1);
  SETIRR(&one, &one);
  SETSUR(&one, &one, &one, &one, &one);
  EXPECT_EQ(S.LSEG.size(), 0);
  EXPECT_EQ(S.SURL.size(), 0);
}

TEST(SetOperations, LoadFactorsAndWorkingArraysFollowTheCount) {
  const float z = 0.0f;
  int32_t nlc = 3;
  SETLC(&z, &z, &z, &z, &z, &z, &z, &z, &z, &z, &nlc);
  const float f3[] = {1.4f, 1.2f, 0.9f};
  SETLF(f3, f3, f3, f3, f3, f3);
  EXPECT_EQ(S.FD.size(), 3);
  EXPECT_EQ(S.FD(3), 0.9f);
  EXPECT_EQ(S.MOCOMB.size(), 3);

  nlc = 1;  // a second, shorter set replaces everything
  SETLC(&z, &z, &z, &z, &z, &z, &z, &z, &z, &z, &nlc);
  const float f1[] = {2.0f};
  SETLF(f1, f1, f1, f1, f1, f1);
  for (const RealArray* a : {&S.FD, &S.FL, &S.FE, &S.FSUR, &S.FW, &S.FEQ, &S.HCOMB, &S.VCOMB,
                             &S.MRCOMB, &S.MOCOMB})
    EXPECT_EQ(a->size(), 1);
  EXPECT_EQ(S.FD(1), 2.0f);
  EXPECT_EQ(S.FD(2), 0.0f);  // beyond the array: read as absent, never past it
}

TEST(SetOperations, PileRowsKeepTheirLengthUntilSetAgain) {
  const float z = 0.0f;
  int32_t nrows = 3;
  SETPF(&z, &z, &z, &z, &z, &z, &z, &z, &z, &z, &nrows);
  const float x[] = {18, 54, 90, 999}, b[] = {18.43f, 0, 0, 999}, s[] = {36, 36, 72, 999};
  SETPI(x, b, s);
  EXPECT_EQ(S.PILEX.size(), 3);
  EXPECT_EQ(S.PILES(3), 72.0f);
  EXPECT_EQ(S.PILEB(1), Radians(18.43f));
  EXPECT_EQ(S.PLOAD.size(), 3);

  nrows = 5;
  SETPF(&z, &z, &z, &z, &z, &z, &z, &z, &z, &z, &nrows);
  EXPECT_EQ(S.PILEX.size(), 3);
  EXPECT_EQ(S.NROWS, 5);
}

TEST(CountCheck, ACountLongerThanItsArraysIsShortenedAndReported) {
  int32_t opts[] = {1, 2, 1, 2, 2, 1};
  SETOPT(&opts[0], &opts[1], &opts[2], &opts[3], &opts[4], &opts[5]);
  const float z = 0.0f;
  int32_t nlc = 2, nrows = 2;
  SETLC(&z, &z, &z, &z, &z, &z, &z, &z, &z, &z, &nlc);
  const float f[] = {1.0f, 1.0f};
  SETLF(f, f, f, f, f, f);
  SETPF(&z, &z, &z, &z, &z, &z, &z, &z, &z, &z, &nrows);
  SETPI(f, f, f);
  SetCounts(1, 0);
  SETIRR(f, f);

  nlc = 4;
  SETLC(&z, &z, &z, &z, &z, &z, &z, &z, &z, &z, &nlc);  // no SETLF after it
  nrows = 3;
  SETPF(&z, &z, &z, &z, &z, &z, &z, &z, &z, &z, &nrows);  // no SETPI after it
  S.NSEG = 1;
  const std::vector<std::string> lines = CheckCounts();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], " ONLY 2 OF 4 LOAD COMBINATIONS WERE SET; THE OTHERS ARE IGNORED ***");
  EXPECT_EQ(lines[1], " ONLY 2 OF 3 PILE ROWS WERE SET; THE OTHERS ARE IGNORED ***");
  EXPECT_EQ(S.NLC, 2);
  EXPECT_EQ(S.NROWS, 2);
  EXPECT_TRUE(CheckCounts().empty());
}

TEST(RunInit, SetsTheUnitDependentRunVariables) {
  const int32_t english = 1, si = 2, one = 1;
  const float fc = 4000.0f, z = 0.0f;
  SETOPT(&english, &one, &one, &one, &one, &one);
  SETMAT(&z, &fc, &z, &z, &z, &z);
  RunInit();
  EXPECT_EQ(S.STEP, 6.0f);
  EXPECT_EQ(S.ES, 29000000.0f);
  EXPECT_EQ(S.EC, 57000.0f * std::sqrt(4000.0f));
  EXPECT_EQ(S.IPRINT, 1);
  EXPECT_EQ(S.ILOC, 1);
  SETOPT(&si, &one, &one, &one, &one, &one);
  RunInit();
  EXPECT_EQ(S.STEP, 150.0f);
  EXPECT_EQ(S.ES, 200000.0f);
}

}  // namespace
}  // namespace keldor
