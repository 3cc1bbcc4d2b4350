// The results record of a run and the GET operations that read it. The
// analyses call ReportCheck, ReportMessage and ReportFailure where they write
// those lines, so every recorded row carries the number of the line that says
// it, and the engine's own values.
#include "results.h"

#include <cmath>
#include <cstring>

#include "geometry.h"
#include "keldor.h"
#include "load_combinations.h"
#include "state.h"
#include "trial_wedge.h"

namespace keldor {

namespace {

RunResults& R() { return S.results; }

std::int32_t LoadSetCode(std::int32_t combination) {
  if (combination < 1 || combination > S.NLC) return 0;
  switch (LoadSetOf(combination)) {
    case LoadSet::kRegular: return KELDOR_REGULAR_SET;
    case LoadSet::kWind: return KELDOR_WIND_SET;
    case LoadSet::kSeismic: return KELDOR_SEISMIC_SET;
  }
  return 0;
}

void Record(const CheckValues& check, bool passes) {
  CheckRow row;
  row.line = S.report.lines();
  row.place = R().place;
  row.combination = R().combination;
  row.loadSet = LoadSetCode(R().combination);
  row.kind = check.kind;
  row.value = check.value;
  row.limit = check.limit;
  row.ratio = check.ratio;
  row.passes = passes;
  R().checks.push_back(row);
}

void RecordMessage(std::string_view line) {
  const auto first = line.find_first_not_of(' ');
  const auto last = line.find_last_not_of(' ');
  MessageRow row;
  row.line = S.report.lines();
  if (first != std::string_view::npos) row.text = std::string(line.substr(first, last - first + 1));
  R().messages.push_back(std::move(row));
}

// Earth, earth with surcharge and seismic force of a constant slope over a
// back plane `h` high.
void ConstantSlopeForces(EarthForces& f, float h) {
  f.earth = 0.5f * S.KA * S.RHOS * (h * h);
  f.earthHeight = S.YE * h;
  const float surcharge = S.KA * S.SUR * h;
  f.withSurcharge = f.earth + surcharge;
  f.withSurchargeHeight =
      f.withSurcharge != 0.0f
          ? (f.earth * f.earthHeight + surcharge * h / 2.0f) / f.withSurcharge
          : 0.0f;
  f.seismic = 0.5f * S.KAEQ * S.RHOS * (h * h);
  f.seismicHeight = S.YEQ * h;
  f.coefficient[0] = S.KA;
  f.coefficient[1] = S.KA;
  f.coefficient[2] = S.KAEQ;
}

void IrregularForces(EarthForces& f) {
  f.earth = S.PEH;
  f.earthHeight = S.YAPPE;
  f.withSurcharge = S.PESH;
  f.withSurchargeHeight = S.YAPPES;
  f.seismic = S.PEQH;
  f.seismicHeight = S.YAPPEQ;
  const CriticalWedges& w = LastCriticalWedges();
  const CriticalWedge* cases[3] = {&w.earth, &w.withSurcharge, &w.seismic};
  for (int k = 0; k < 3; ++k) {
    if (!cases[k]->found) continue;
    f.angle[k] = Degrees(cases[k]->theta);
    f.coefficient[k] = EquivalentCoefficient(cases[k]->force);
  }
}

void Text(char* field, std::size_t width, const std::string& text) {
  std::memset(field, ' ', width);
  std::memcpy(field, text.data(), text.size() < width ? text.size() : width);
}

}  // namespace

void ClearResults(std::int32_t mode) {
  R() = RunResults();
  R().mode = mode;
}

void CheckPlace(std::int32_t place, std::int32_t combination) {
  R().place = place;
  R().combination = combination;
}

void ReportCheck(std::string_view line, const CheckValues& check, bool passes) {
  S.report.line(line);
  if (S.report.isOpen()) Record(check, passes);
}

void ReportMessage(std::string_view line) {
  S.report.line(line);
  if (S.report.isOpen()) RecordMessage(line);
}

void ReportFailure(std::string_view line, const CheckValues& check) {
  S.report.line(line);
  if (!S.report.isOpen()) return;
  RecordMessage(line);
  Record(check, false);
}

void RecordEarthForces(std::int32_t iloc) {
  EarthForces& f = iloc == KELDOR_STEM_PLANE ? R().stem : R().footing;
  f = EarthForces();
  f.computed = true;
  if (S.ISOIL == KELDOR_IRREGULAR) {
    IrregularForces(f);
  } else if (iloc == KELDOR_STEM_PLANE) {
    ConstantSlopeForces(f, S.H);
  } else {
    ConstantSlopeForces(f, S.H + S.TF + HeelBehindStem() * std::tan(S.BETA));
  }
}

void RecordPileLoads() {
  std::vector<PileRow>& rows = R().piles;
  const int n = S.NROWS < S.PLOAD.size() ? S.NROWS : S.PLOAD.size();
  if (static_cast<int>(rows.size()) != n) rows.assign(static_cast<std::size_t>(n > 0 ? n : 0), PileRow());
  BaseReaction reaction;
  reaction.combination = R().combination;
  for (int j = 1; j <= n; ++j) {
    PileRow& row = rows[static_cast<std::size_t>(j - 1)];
    const float load = S.PLOAD(j);
    if (!(row.maxLoad >= load)) row.maxLoad = load;  // NaN at first
    if (!(row.minLoad <= load)) row.minLoad = load;
    reaction.pileLoads.push_back(load);
  }
  R().reactions.push_back(std::move(reaction));
}

void RecordSoilPressure(float eccentricity, float toe, float heel) {
  BaseReaction reaction;
  reaction.combination = R().combination;
  reaction.eccentricity = eccentricity;
  reaction.toe = toe;
  reaction.heel = heel;
  R().reactions.push_back(std::move(reaction));
}

void RecordFinalGeometry() {
  RunResults& r = R();
  r.analysed = true;
  r.H = S.H;
  r.HT = S.HT;
  r.TF = S.TF;
  r.WT = S.WT;
  r.WF = S.WF;
  r.DK = S.DK;
  r.TWMIN = S.TWMIN;
  r.BW = Degrees(S.BW);
  r.tb = StemBaseThickness();
  r.heel = S.WF - S.WT - r.tb;
  r.ASW = S.ASW;
  r.ASFTOP = S.ASFTOP;
  r.ASFBOT = S.ASFBOT;
  if (S.IFOOT != KELDOR_PILE_FOOTING) {
    r.piles.clear();
    return;
  }
  r.NPILES = S.NPILES;
  int n = S.NROWS;
  for (const RealArray* a : {&S.PILEX, &S.PILEB, &S.PILES})
    if (a->size() < n) n = a->size();
  if (n < 0) n = 0;
  r.piles.resize(static_cast<std::size_t>(n));
  for (int j = 1; j <= n; ++j) {
    PileRow& row = r.piles[static_cast<std::size_t>(j - 1)];
    row.x = S.PILEX(j);
    row.batter = Degrees(S.PILEB(j));
    row.spacing = S.PILES(j);
  }
}

}  // namespace keldor

using keldor::S;

extern "C" {

void GETRUN(int32_t* STATUS, int32_t* IUNITS, int32_t* IMODE, int32_t* IFOOT, int32_t* ISOIL,
            int32_t* CONVERGED, int32_t* ANALYSED, int32_t* NCHECK, int32_t* NMSG,
            int32_t* NROWS) {
  const keldor::RunResults& r = S.results;
  const bool any = r.status != KELDOR_NO_RESULTS;
  *STATUS = r.status;
  *IUNITS = any ? S.IUNITS : 0;
  *IMODE = any ? r.mode : 0;
  *IFOOT = any ? S.IFOOT : 0;
  *ISOIL = any ? S.ISOIL : 0;
  *CONVERGED = r.converged ? 1 : 0;
  *ANALYSED = r.analysed ? 1 : 0;
  *NCHECK = static_cast<int32_t>(r.checks.size());
  *NMSG = static_cast<int32_t>(r.messages.size());
  *NROWS = static_cast<int32_t>(r.piles.size());
}

void GETGEO(float* H, float* HT, float* TF, float* WT, float* WF, float* DK, float* TWMIN,
            float* BW, float* TB, float* WH, float* ASW, float* ASFTOP, float* ASFBOT,
            float* NPILES) {
  const keldor::RunResults& r = S.results;
  *H = r.H;
  *HT = r.HT;
  *TF = r.TF;
  *WT = r.WT;
  *WF = r.WF;
  *DK = r.DK;
  *TWMIN = r.TWMIN;
  *BW = r.BW;
  *TB = r.tb;
  *WH = r.heel;
  *ASW = r.ASW;
  *ASFTOP = r.ASFTOP;
  *ASFBOT = r.ASFBOT;
  *NPILES = r.NPILES;
}

void GETEF(const int32_t* ILOC, float* PEH, float* YE, float* PESH, float* YES, float* PEQH,
           float* YEQ, float* THETA, float* KEQV) {
  const keldor::EarthForces none;
  const keldor::EarthForces* f = &none;
  if (*ILOC == KELDOR_STEM_PLANE && S.results.stem.computed) f = &S.results.stem;
  if (*ILOC == KELDOR_FOOTING_PLANE && S.results.footing.computed) f = &S.results.footing;
  const bool known = f->computed;
  const float nan = keldor::kNoValue;
  *PEH = known ? f->earth : nan;
  *YE = known ? f->earthHeight : nan;
  *PESH = known ? f->withSurcharge : nan;
  *YES = known ? f->withSurchargeHeight : nan;
  *PEQH = known ? f->seismic : nan;
  *YEQ = known ? f->seismicHeight : nan;
  for (int k = 0; k < 3; ++k) {
    THETA[k] = f->angle[k];
    KEQV[k] = f->coefficient[k];
  }
}

void GETCHK(const int32_t* K, int32_t* LINE, int32_t* PLACE, int32_t* LC, int32_t* LSET,
            int32_t* CHECK, float* DEMAND, float* LIMIT, float* RATIO, char* VERDICT) {
  const auto& checks = S.results.checks;
  const bool inRange = *K >= 1 && static_cast<std::size_t>(*K) <= checks.size();
  const keldor::CheckRow row =
      inRange ? checks[static_cast<std::size_t>(*K - 1)]
              : keldor::CheckRow{0, 0, 0, 0, 0, keldor::kNoValue, keldor::kNoValue,
                                 keldor::kNoValue, false};
  *LINE = row.line;
  *PLACE = row.place;
  *LC = row.combination;
  *LSET = row.loadSet;
  *CHECK = row.kind;
  *DEMAND = row.value;
  *LIMIT = row.limit;
  *RATIO = row.ratio;
  keldor::Text(VERDICT, 4, !inRange ? "" : row.passes ? "OKAY" : "NG");
}

void GETMSG(const int32_t* K, int32_t* LINE, char* TEXT) {
  const auto& messages = S.results.messages;
  const bool inRange = *K >= 1 && static_cast<std::size_t>(*K) <= messages.size();
  *LINE = inRange ? messages[static_cast<std::size_t>(*K - 1)].line : 0;
  keldor::Text(TEXT, 132, inRange ? messages[static_cast<std::size_t>(*K - 1)].text : "");
}

void GETPIL(const int32_t* J, float* PILEX, float* PILEB, float* PILES, float* PMAX,
            float* PMIN) {
  const auto& rows = S.results.piles;
  const bool inRange = *J >= 1 && static_cast<std::size_t>(*J) <= rows.size();
  const keldor::PileRow row = inRange ? rows[static_cast<std::size_t>(*J - 1)]
                                      : keldor::PileRow{keldor::kNoValue, keldor::kNoValue,
                                                        keldor::kNoValue, keldor::kNoValue,
                                                        keldor::kNoValue};
  *PILEX = row.x;
  *PILEB = row.batter;
  *PILES = row.spacing;
  *PMAX = row.maxLoad;
  *PMIN = row.minLoad;
}

void GETNRC(int32_t* NREACT) { *NREACT = static_cast<int32_t>(S.results.reactions.size()); }

void GETRCT(const int32_t* K, int32_t* LC, float* E, float* QTOE, float* QHEEL, int32_t* NROWS) {
  const auto& all = S.results.reactions;
  const bool inRange = *K >= 1 && static_cast<std::size_t>(*K) <= all.size();
  const keldor::BaseReaction none;
  const keldor::BaseReaction& r = inRange ? all[static_cast<std::size_t>(*K - 1)] : none;
  *LC = r.combination;
  *E = r.eccentricity;
  *QTOE = r.toe;
  *QHEEL = r.heel;
  *NROWS = static_cast<int32_t>(r.pileLoads.size());
}

void GETRPL(const int32_t* K, const int32_t* J, float* P) {
  const auto& all = S.results.reactions;
  *P = keldor::kNoValue;
  if (*K < 1 || static_cast<std::size_t>(*K) > all.size()) return;
  const std::vector<float>& loads = all[static_cast<std::size_t>(*K - 1)].pileLoads;
  if (*J >= 1 && static_cast<std::size_t>(*J) <= loads.size()) *P = loads[static_cast<std::size_t>(*J - 1)];
}

}  // extern "C"
