// Input validation: every rule, its message and the order of the messages.
#include "validation.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "record_fields.h"
#include "start_up.h"

namespace fe {
namespace {

using Texts = std::vector<std::string>;

// The messages in order. Checks that each beeps, and that the result, and
// nothing else, is stored in the record whatever InputValid held before.
Texts Validate(const InputRecord& record) {
  struct Collect : MessageSink {
    Texts texts;
    void show(const std::string& text, bool beep) override {
      EXPECT_TRUE(beep) << "every message beeps: " << text;
      texts.push_back(text);
    }
  } c;
  for (bool before : {true, false}) {
    c.texts.clear();
    InputRecord r = record;
    r.InputValid = before;
    const bool ok = ValidateInput(r, c);
    EXPECT_EQ(ok, c.texts.empty());
    InputRecord expected = record;
    expected.InputValid = ok;
    EXPECT_EQ(r, expected);
  }
  return c.texts;
}

// The start-up record with what it lacks: a design height and a load
// combination. (The window and keldor-run tests show the start-up record's
// two messages.)
InputRecord Valid() {
  InputRecord r = StartUp();
  r.H = 120.0f, r.NLC = 1;
  r.FD = r.FL = r.FE = r.FSUR = r.FW = r.FEQ = {1.4f};
  return r;
}

// Every spread-footing rule failing at once, in order: validation never
// stops at the first failure.
TEST(ValidateInput, SpreadFootingRulesInOrder) {
  InputRecord r = Valid();
  r.RHOC = r.FC = r.FS = r.RHOS = r.H = r.TWMIN = r.TF = r.WF = r.CFBOT = r.RATIO = 0.0f;
  r.Q = r.CS = r.SFOT = r.SFSL = 0.0f;
  r.PHI = -1.0f;
  r.ISOIL = r.IMODE = 2;
  r.NLC = r.NSEG = 0, r.NSUR = 1, r.SURL = {0.0f};
  r.ASW = 1.0f;  // one steel area missing is enough
  EXPECT_EQ(Validate(r),
            (Texts{"Concrete density must be greater than zero", "Concrete strength must be greater than zero",
                   "Reinforcing strength must be greater than zero", "Soil density must be greater than zero",
                   "Soil friction angle must be greater than zero", "No load combinations were specified",
                   "Design height must be greater than zero", "No ground segments have been specified",
                   "Irregular surcharge load was not specified",
                   "Minimum wall thickness must be greater than zero",
                   "Footing thickness must be greater than zero", "Footing width must be greater than zero",
                   "Reinforcing steel area must be greater than zero",
                   "Concrete cover must be greater than zero",
                   "Ratio of balanced reinforcing must be greater than zero",
                   "Allowable soil bearing pressure must be greater than zero",
                   "Concrete/soil friction coefficient must be greater than zero",
                   "Overturning safety factor must be greater than zero",
                   "Sliding safety factor must be greater than zero"}));
}

TEST(ValidateInput, PileFootingRulesInOrder) {
  InputRecord r = Valid();
  r.KA = r.WTMAX = r.WHMAX = r.PILEDIA = r.PILEP = 0.0f;
  r.IFOOT = 2;
  r.Q = 0.0f;  // spread rules do not apply to piles
  EXPECT_EQ(Validate(r), (Texts{"Lateral pressure coefficient must be greater than zero",
                                "Toe and heel limits cannot both be equal to zero",
                                "Pile diameter must be greater than zero",
                                "Axial pile capacity must be greater than zero"}));
  r = Valid();
  r.IFOOT = r.IMODE = 2;
  r.TF = 18.0f, r.WF = 100.0f, r.ASW = r.ASFTOP = r.ASFBOT = 0.05f;
  EXPECT_EQ(Validate(r), (Texts{"No pile rows have been specified"}));
  // Two rows, the second without a distance: one message.
  r.NROWS = 2, r.PILEX = {18.0f, 0.0f}, r.PILEB = {0.0f, 0.0f};
  r.PILES = {72.0f, 72.0f};
  EXPECT_EQ(Validate(r), (Texts{"Pile spacing must be greater than zero"}));
}

// One message per record that lacks its value. A count larger than its
// arrays (a record built in code) reads the missing records as zero instead
// of reading past the arrays.
TEST(ValidateInput, OneMessagePerRecordWithoutItsValue) {
  InputRecord r = Valid();
  r.NLC = 4, r.FD = {0.0f, 1.2f};
  r.ISOIL = 2, r.PHI = 30.0f;
  r.NSEG = 3, r.LSEG = {96.0f, 0.0f, -5.0f};
  r.NSUR = 2, r.SURL = {10.0f, 0.0f};
  const std::string noCombination = "No load combinations were specified";
  const std::string noSegment = "No ground segments have been specified";
  EXPECT_EQ(Validate(r), (Texts{noCombination, noCombination, noCombination, noSegment, noSegment,
                                "Irregular surcharge load was not specified"}));
}

TEST(ValidateInput, RulesThatDependOnTheOptions) {
  InputRecord r = Valid();
  r.PHI = 0.0f;  // constant slope: the friction angle is not needed
  r.WTMAX = 0.0f;
  r.WHMAX = 10.0f;  // one limit is enough
  r.IDESIGN = 2;
  r.RATIO = 0.0f;  // working stress does not use the ratio
  r.ASW = 0.0f;    // design mode designs the steel
  r.TF = r.WF = 0.0f;
  EXPECT_EQ(Validate(r), Texts{});
  r.ISOIL = 2, r.PHI = 30.0f, r.NSEG = 1, r.LSEG = {96.0f};
  r.KA = 0.0f;  // irregular backfill: the coefficient is not needed
  EXPECT_EQ(Validate(r), Texts{});
  r.RHOC = std::numeric_limits<float>::quiet_NaN();  // not a number is not positive
  EXPECT_EQ(Validate(r), Texts{"Concrete density must be greater than zero"});
  // An unknown foundation ends after the ratio rule.
  r = Valid();
  r.IFOOT = 3;
  r.Q = r.PILEDIA = r.RATIO = 0.0f;
  EXPECT_EQ(Validate(r), Texts{"Ratio of balanced reinforcing must be greater than zero"});
}

}  // namespace
}  // namespace fe
