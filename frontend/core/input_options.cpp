#include "input_options.h"

#include <vector>

#include "input_defaults.h"
#include "number_text.h"

#include "keldor.h"

namespace fe {

namespace {

bool Positive(float v) { return v > 0.0f; }

// The common ending of the option handlers that refresh the window.
void RefreshUnlessRefreshing(InputRecord& r, WindowHooks& window) {
  if (!r.Refreshing) window.refreshWindow();
  r.Refreshing = false;
}

std::vector<RecordArray*> Arrays(InputRecord& r, CountGroup group) {
  switch (group) {
    case CountGroup::LoadCombinations:
      return {&r.FD, &r.FL, &r.FE, &r.FSUR, &r.FW, &r.FEQ};
    case CountGroup::GroundSegments:
      return {&r.LSEG, &r.ASEG};
    case CountGroup::Surcharges:
      return {&r.SURL, &r.XSBEG, &r.YSBEG, &r.XSEND, &r.YSEND};
    case CountGroup::PileRows:
      break;
  }
  return {&r.PILEX, &r.PILEB, &r.PILES};
}

template <typename R>
auto& CountField(R& r, CountGroup group) {
  switch (group) {
    case CountGroup::LoadCombinations: return r.NLC;
    case CountGroup::GroundSegments: return r.NSEG;
    case CountGroup::Surcharges: return r.NSUR;
    case CountGroup::PileRows: break;
  }
  return r.NROWS;
}

}  // namespace

void ChooseAnalysisMode(InputRecord& r, std::int32_t mode, WindowHooks& window) {
  r.IMODE = mode;
  if (!r.Refreshing) {
    if (mode == KELDOR_DESIGN) {
      if (!Positive(r.BWMIN)) r.BWMIN = r.BW;
      if (!Positive(r.TFMIN)) r.TFMIN = r.TF;
      if (!Positive(r.DKMAX)) r.DKMAX = r.DK;
      if (!Positive(r.WTMAX)) r.WTMAX = r.WT;
      if (!Positive(r.WHMAX)) r.WHMAX = r.WF;
    } else if (mode == KELDOR_REVIEW) {
      if (!Positive(r.BW)) r.BW = r.BWMIN;
      if (!Positive(r.TF)) r.TF = r.TFMIN;
      if (!Positive(r.DK)) r.DK = r.DKMAX;
      if (!Positive(r.WT)) r.WT = r.WTMAX;
      if (!Positive(r.WF)) r.WF = r.WHMAX;
    }
  }
  RefreshUnlessRefreshing(r, window);
}

void ChooseConcreteDesign(InputRecord& r, std::int32_t method, WindowHooks& window) {
  r.IDESIGN = method;
  RefreshUnlessRefreshing(r, window);
}

void ChooseSoilConfiguration(InputRecord& r, std::int32_t soil, WindowHooks& window) {
  r.ISOIL = soil;
  RefreshUnlessRefreshing(r, window);
}

void ChooseFoundation(InputRecord& r, std::int32_t foot, WindowHooks& window) {
  r.IFOOT = foot;
  if (!r.Refreshing) {
    if (foot == KELDOR_SPREAD_FOOTING && !Positive(r.Q)) ResetSpreadFooting(r);
    if (foot == KELDOR_PILE_FOOTING && !Positive(r.PILEP)) ResetPileFooting(r);
  }
  RefreshUnlessRefreshing(r, window);
}

void ChooseOptimisation(InputRecord& r, std::int32_t optim) { r.IOPTIM = optim; }

void ChooseSlidingOption(InputRecord& r, std::int32_t optsl) { r.OPTSL = optsl; }

bool ChooseUnits(InputRecord& r, std::int32_t units) {
  r.IUNITS = units;
  if (r.Refreshing) {
    r.Refreshing = false;
    return false;
  }
  return true;
}

std::string UnitsQuestion(std::int32_t units) {
  return std::string("Would you like to change to ") + (units == KELDOR_ENGLISH ? "English" : "SI") +
         " default parameters?\rThis will overwrite any parameters you have specified.";
}

void AnswerUnitsQuestion(InputRecord& r, bool yes, WindowHooks& window) {
  window.applyTooltips();
  if (!yes) return;  // only the unit system and the tooltips change
  ResetUnitDefaults(r);
  window.refreshWindow();
  r.Refreshing = false;
}

bool StoreNumber(float& field, std::string_view text) { return ReadFloat(text, &field); }

namespace {

// Entries 1 ... n: those the array had keep their values, new ones are zero.
void Resize(RecordArray& a, std::int32_t n) {
  const RecordArray kept = a;
  a.resize(n);
  for (int i = 1; i <= a.size() && i <= kept.size(); ++i) a(i) = kept(i);
}

}  // namespace

bool StorePair(float& design, float& review, std::string_view text) {
  float v = 0.0f;
  if (!ReadFloat(text, &v)) return false;
  design = v;
  review = v;
  return true;
}

bool StoreByMode(float& design, float& review, std::string_view text, ModeButton selected) {
  float v = 0.0f;
  if (!ReadFloat(text, &v)) return false;
  if (selected == ModeButton::Design) design = v;
  if (selected == ModeButton::Review) review = v;
  return true;
}

CountResult StoreCount(InputRecord& r, CountGroup group, std::string_view text) {
  CountResult result = CountResult::Ignored;
  if (!r.Refreshing) {
    std::int32_t n = 0;
    if (ReadCount(text, &n)) {
      CountField(r, group) = n;
      for (RecordArray* a : Arrays(r, group)) Resize(*a, n);
      result = CountResult::Set;
    } else {
      result = CountResult::Refused;
    }
  }
  r.Refreshing = false;
  return result;
}

void KeepRecords(InputRecord& r, CountGroup group, const InputRecord& held) {
  InputRecord source = held;  // Arrays() wants a record it may write to
  const std::vector<RecordArray*> to = Arrays(r, group);
  const std::vector<RecordArray*> from = Arrays(source, group);
  for (std::size_t k = 0; k < to.size(); ++k)
    for (int i = 1; i <= to[k]->size() && i <= from[k]->size(); ++i) (*to[k])(i) = (*from[k])(i);
}

std::string CountRefusal(CountGroup group) {
  const char* what = "rows of piles";
  switch (group) {
    case CountGroup::LoadCombinations: what = "load combinations"; break;
    case CountGroup::GroundSegments: what = "irregular backfill segments"; break;
    case CountGroup::Surcharges: what = "irregular surcharge loads"; break;
    case CountGroup::PileRows: break;
  }
  return std::string("Number of ") + what + " must be a whole number from 0 to " +
         std::to_string(kMaxCount);
}

std::int32_t Count(const InputRecord& r, CountGroup group) {
  return CountField(r, group);
}

}  // namespace fe
