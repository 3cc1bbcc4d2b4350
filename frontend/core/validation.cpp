#include "validation.h"

#include "keldor.h"

namespace fe {

namespace {

// Not positive: zero, negative or not a number.
bool NotPositive(float v) { return !(v > 0.0f); }

// Element i of an array group; an element the array does not hold reads 0,
// so a count larger than its arrays fails the rule instead of reading past
// them.
float At(const RecordArray& a, std::int32_t i) { return a.at_or_zero(i); }

}  // namespace

bool ValidateInput(InputRecord& r, MessageSink& messages) {
  r.InputValid = true;
  const auto fail = [&](const char* text) {
    messages.show(text, true);
    r.InputValid = false;
  };

  if (NotPositive(r.RHOC)) fail("Concrete density must be greater than zero");
  if (NotPositive(r.FC)) fail("Concrete strength must be greater than zero");
  if (NotPositive(r.FS)) fail("Reinforcing strength must be greater than zero");
  if (NotPositive(r.RHOS)) fail("Soil density must be greater than zero");
  if (r.ISOIL == KELDOR_IRREGULAR && NotPositive(r.PHI)) fail("Soil friction angle must be greater than zero");
  if (r.ISOIL == KELDOR_CONSTANT_SLOPE && NotPositive(r.KA))
    fail("Lateral pressure coefficient must be greater than zero");

  // One message when there are no combinations, else one per combination
  // without a dead load factor.
  if (r.NLC <= 0) {
    fail("No load combinations were specified");
  } else {
    for (std::int32_t i = 1; i <= r.NLC; ++i)
      if (NotPositive(At(r.FD, i))) fail("No load combinations were specified");
  }

  if (NotPositive(r.H)) fail("Design height must be greater than zero");

  if (r.ISOIL == KELDOR_IRREGULAR) {
    if (r.NSEG <= 0) {
      fail("No ground segments have been specified");
    } else {
      for (std::int32_t i = 1; i <= r.NSEG; ++i)
        if (NotPositive(At(r.LSEG, i))) fail("No ground segments have been specified");
    }
    for (std::int32_t i = 1; i <= r.NSUR; ++i)
      if (NotPositive(At(r.SURL, i))) fail("Irregular surcharge load was not specified");
  }

  if (NotPositive(r.TWMIN)) fail("Minimum wall thickness must be greater than zero");
  if (r.IMODE == KELDOR_DESIGN && NotPositive(r.WTMAX) && NotPositive(r.WHMAX))
    fail("Toe and heel limits cannot both be equal to zero");
  if (r.IMODE == KELDOR_REVIEW) {
    if (NotPositive(r.TF)) fail("Footing thickness must be greater than zero");
    if (NotPositive(r.WF)) fail("Footing width must be greater than zero");
    if (NotPositive(r.ASW) || NotPositive(r.ASFTOP) || NotPositive(r.ASFBOT))
      fail("Reinforcing steel area must be greater than zero");
  }
  if (NotPositive(r.CW) || NotPositive(r.CFTOP) || NotPositive(r.CFBOT))
    fail("Concrete cover must be greater than zero");
  if (r.IDESIGN == KELDOR_ULTIMATE_STRENGTH && NotPositive(r.RATIO))
    fail("Ratio of balanced reinforcing must be greater than zero");

  if (r.IFOOT == KELDOR_PILE_FOOTING) {
    if (NotPositive(r.PILEDIA)) fail("Pile diameter must be greater than zero");
    if (NotPositive(r.PILEP)) fail("Axial pile capacity must be greater than zero");
    if (r.IMODE == KELDOR_REVIEW) {
      if (r.NROWS < 1) fail("No pile rows have been specified");
      for (std::int32_t i = 1; i <= r.NROWS; ++i)
        if (NotPositive(At(r.PILEX, i)) || NotPositive(At(r.PILES, i)))
          fail("Pile spacing must be greater than zero");
    }
  } else if (r.IFOOT == KELDOR_SPREAD_FOOTING) {
    if (NotPositive(r.Q)) fail("Allowable soil bearing pressure must be greater than zero");
    if (NotPositive(r.CS)) fail("Concrete/soil friction coefficient must be greater than zero");
    if (NotPositive(r.SFOT)) fail("Overturning safety factor must be greater than zero");
    if (NotPositive(r.SFSL)) fail("Sliding safety factor must be greater than zero");
  }
  return r.InputValid;
}

}  // namespace fe
