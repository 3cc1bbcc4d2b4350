// Start-up initialisation and the section resets.
#include "input_defaults.h"

#include <gtest/gtest.h>

#include "record_fields.h"
#include "start_up.h"

namespace fe {
namespace {

// The saved start-up example pins every English default its layout holds;
// this table adds the SI values and the fields that layout leaves out.
TEST(InitialiseInput, GivesTheDefaultsOfTheSelectedUnits) {
  struct Case {
    const char* field;
    float english, si;
  } cases[] = {
      {"RHOC", 0.0868f, 2.36E-05f}, {"FC", 4000.0f, 25.0f},     {"FS", 60000.0f, 420.0f},
      {"RHOS", 0.0694f, 1.9E-05f},  {"PHI", 0.0f, 0.0f},        {"KA", 0.3f, 0.3f},
      {"SSEQ", 0.33f, 0.33f},       {"TWMIN", 12.0f, 300.0f},   {"BWMIN", 2.4f, 2.29f},
      {"BW", 2.4f, 2.29f},          {"TF", 15.0f, 400.0f},      {"DK", 0.0f, 0.0f},
      {"WTMAX", 500.0f, 10000.0f},  {"WT", 0.0f, 0.0f},         {"WF", 0.0f, 0.0f},
      {"DBAR", 1.0f, 25.0f},        {"CFBOT", 3.0f, 75.0f},     {"Q", 20.83f, 0.1436f},
      {"QEQ", 41.67f, 0.2872f},     {"SFSLW", 1.2f, 1.2f},      {"PILEBAT", 18.43f, 18.43f},
      {"PILEP", 90000.0f, 400000.0f}, {"PILEPW", 120000.0f, 533000.0f},
      {"PILEVEQ", 20000.0f, 80000.0f},
  };
  InputRecord english = StartUp(1), si = StartUp(2);
  for (const Case& c : cases) {
    EXPECT_EQ(*FloatField(english, c.field), c.english) << c.field;
    EXPECT_EQ(*FloatField(si, c.field), c.si) << c.field;
  }
  // Every field but the floats: options 1, counts 0, no arrays, no paths.
  for (InputRecord* r : {&english, &si}) {
    InputRecord expected;
    expected.IUNITS = r->IUNITS;
    expected.IMODE = expected.IDESIGN = expected.ISOIL = expected.IFOOT = expected.IOPTIM = 1;
    expected.INFILE = expected.OUTFILE = "None";
    expected.TITLE = "Keldor Program Output";
    VisitFields(expected, [&](const char* name, auto& field) {
      if constexpr (std::is_same_v<std::decay_t<decltype(field)>, float>)
        field = *FloatField(*r, name);
    });
    EXPECT_EQ(*r, expected) << Describe(*r);
  }
  EXPECT_EQ(english.IUNITS, 1);
  EXPECT_EQ(si.IUNITS, 2);
}

TEST(SectionResets, FrictionAngleAndCoefficientFollowTheBackfill) {
  InputRecord r = StartUp(1);
  r.ISOIL = 2;
  ResetMaterial(r);
  ResetSoilParameters(r);
  EXPECT_EQ(r.PHI, 32.5f);
  EXPECT_EQ(r.KA, 0.0f);
}

TEST(SectionResets, ResetAllKeepsUnitsFileNamesTitleAndArrays) {
  InputRecord r = StartUp(2);
  r.TITLE = "Mine";
  r.INPATH = "/x/w.in";
  r.IMODE = 2;
  r.NLC = 1;
  r.FD = {1.4f};
  InputRecord expected = StartUp(2);
  expected.TITLE = "Mine";
  expected.INPATH = "/x/w.in";
  expected.FD = {1.4f};  // a reset sets counts, not arrays
  ResetAll(r);
  EXPECT_EQ(r, expected);
}

}  // namespace
}  // namespace fe
