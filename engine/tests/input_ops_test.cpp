// The set operations: array sizing by the current count and the counts the
// run shortens. The angle conversion (pi as 3.1416), the ground profile and
// the run start are exercised by every golden file.
#include <gtest/gtest.h>

#include "driver.h"
#include "keldor.h"
#include "reference_wall.h"
#include "report_capture.h"
#include "state.h"

namespace keldor {
namespace {

using testing_support::SameValues;
using testing_support::SetCombinations;

void SetCounts(int32_t nseg, int32_t nsur) {
  const float z = 0.0f;
  SETSCON(&z, &z, &z, &z, &nseg, &nsur);
}

void SetPileCount(int32_t nrows) {
  const float z = 0.0f;
  SETPF(&z, &z, &z, &z, &z, &z, &z, &z, &z, &z, &nrows);
}

TEST(SetOperations, ZeroOrNegativeCountsGiveEmptyArrays) {
  const float one = 1.0f;
  for (const int32_t n : {0, -4}) {
    SetCounts(n, n);
    SETIRR(&one, &one);
    SETSUR(&one, &one, &one, &one, &one);
    for (const RealArray* a : {&S.LSEG, &S.ASEG, &S.XGBEG, &S.YGBEG, &S.XGEND, &S.YGEND, &S.SURL})
      EXPECT_EQ(a->size(), 0) << n;
  }
}

TEST(SetOperations, LoadFactorsAndWorkingArraysFollowTheCount) {
  SetCombinations(
      {{1.4f, 1.4f, 1.4f, 1.4f, 1.4f, 1.4f}, {1.2f, 0, 0, 0, 0, 0}, {0.9f, 0, 0, 0, 0, 0}});
  EXPECT_EQ(S.FD(3), 0.9f);
  EXPECT_EQ(S.MOCOMB.size(), 3);
  SetCombinations({{2.0f, 0, 0, 0, 0, 0}});  // a second, shorter set replaces everything
  for (const RealArray* a :
       {&S.FD, &S.FL, &S.FE, &S.FSUR, &S.FW, &S.FEQ, &S.HCOMB, &S.VCOMB, &S.MRCOMB, &S.MOCOMB})
    EXPECT_EQ(a->size(), 1);
  EXPECT_EQ(S.FD(1), 2.0f);
  EXPECT_FALSE(S.FD.has(2));
}

TEST(SetOperations, PileRowsKeepTheirLengthUntilSetAgain) {
  SetPileCount(3);
  const float x[] = {18, 54, 90, 999}, b[] = {18.43f, 0, 0, 999}, s[] = {36, 36, 72, 999};
  SETPI(x, b, s);
  EXPECT_EQ(S.PILEX.size(), 3);
  EXPECT_EQ(S.PLOAD.size(), 3);
  EXPECT_TRUE(SameValues({S.PILES(3), S.PILEB(1)}, {72.0f, Radians(18.43f)}));
  SetPileCount(5);
  EXPECT_EQ(S.PILEX.size(), 3);
  EXPECT_EQ(S.NROWS, 5);
}

// A count raised without setting its arrays again is shortened to them, and
// the report is told (once: the second check finds nothing).
TEST(CountCheck, ACountLongerThanItsArraysIsShortenedAndReported) {
  int32_t opts[] = {1, 2, 1, 2, 2, 1};
  SETOPT(&opts[0], &opts[1], &opts[2], &opts[3], &opts[4], &opts[5]);
  SetCombinations({{1, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0}});
  SetPileCount(2);
  const float f[] = {1.0f, 1.0f};
  SETPI(f, f, f);
  SetCounts(1, 0);
  SETIRR(f, f);
  const float z = 0.0f;
  int32_t nlc = 4;
  SETLC(&z, &z, &z, &z, &z, &z, &z, &z, &z, &z, &nlc);  // no SETLF after it
  SetPileCount(3);                                      // no SETPI after it
  S.NSEG = 1;
  EXPECT_EQ(CheckCounts(),
            (std::vector<std::string>{
                " ONLY 2 OF 4 LOAD COMBINATIONS WERE SET; THE OTHERS ARE IGNORED ***",
                " ONLY 2 OF 3 PILE ROWS WERE SET; THE OTHERS ARE IGNORED ***"}));
  EXPECT_EQ(S.NLC, 2);
  EXPECT_EQ(S.NROWS, 2);
  EXPECT_TRUE(CheckCounts().empty());
}

}  // namespace
}  // namespace keldor
