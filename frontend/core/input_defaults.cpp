#include "input_defaults.h"

#include "keldor.h"

namespace fe {

namespace {

// Picks the default of the record's unit system; false when the units are
// neither English nor SI, in which case the field keeps its value.
bool English(const InputRecord& r) { return r.IUNITS == KELDOR_ENGLISH; }
bool SI(const InputRecord& r) { return r.IUNITS == KELDOR_SI; }

void Default(const InputRecord& r, float& field, float english, float si) {
  if (English(r)) field = english;
  else if (SI(r)) field = si;
}

}  // namespace

void ResetOptions(InputRecord& r) {
  r.IMODE = KELDOR_DESIGN;
  r.IDESIGN = KELDOR_ULTIMATE_STRENGTH;
  r.ISOIL = KELDOR_CONSTANT_SLOPE;
  r.IFOOT = KELDOR_SPREAD_FOOTING;
  r.IOPTIM = KELDOR_BY_VOLUME;
}

void ResetMaterial(InputRecord& r) {
  Default(r, r.RHOC, 0.0868f, 2.36E-05f);
  Default(r, r.FC, 4000.0f, 25.0f);
  Default(r, r.FS, 60000.0f, 420.0f);
  Default(r, r.RHOS, 0.0694f, 1.9E-05f);
  // The friction angle drives the trial wedges of an irregular backfill; the
  // constant slope uses the entered coefficient instead.
  r.PHI = r.ISOIL == KELDOR_IRREGULAR ? 32.5f : 0.0f;
  r.COH = 0.0f;
}

void ResetSoilParameters(InputRecord& r) {
  r.KA = r.ISOIL == KELDOR_IRREGULAR ? 0.0f : 0.3f;
  r.YE = 0.333f;
  r.KAEQ = 0.0f;
  r.YEQ = 0.5f;
  r.KP = 1.66f;
  r.KPEQ = 3.32f;
  r.SS = 0.0f;
  r.SSW = 0.0f;
  r.SSEQ = 0.33f;
  r.OPTSL = 0;
}

void ResetLoads(InputRecord& r) {
  r.PD = r.PDX = r.PL = r.PLX = r.VW = r.MW = 0.0f;
  r.AH = r.AV = r.VEQ = r.MEQ = 0.0f;
  r.NLC = 0;
}

void ResetSoilConfiguration(InputRecord& r) {
  r.H = r.HT = r.BETA = r.SUR = 0.0f;
  r.NSEG = 0;
  r.NSUR = 0;
}

void ResetWallConfiguration(InputRecord& r) {
  // The design limits belong to the unit system as a whole, zeros included.
  if (English(r) || SI(r)) {
    Default(r, r.TWMIN, 12.0f, 300.0f);
    Default(r, r.BWMIN, 2.4f, 2.29f);
    Default(r, r.TFMIN, 15.0f, 400.0f);
    r.DKMAX = 0.0f;
    Default(r, r.WTMAX, 500.0f, 10000.0f);
    Default(r, r.WHMAX, 500.0f, 10000.0f);
    r.WTMIN = 0.0f;
  }
  // The review values start from the design limits; the widths from nothing.
  r.BW = r.BWMIN;
  r.TF = r.TFMIN;
  r.DK = r.DKMAX;
  r.WT = 0.0f;
  r.WF = 0.0f;
}

void ResetRebarConfiguration(InputRecord& r) {
  r.RATIO = 0.5f;
  Default(r, r.DBAR, 1.0f, 25.0f);
  Default(r, r.CW, 2.0f, 50.0f);
  Default(r, r.CFTOP, 2.0f, 50.0f);
  Default(r, r.CFBOT, 3.0f, 75.0f);
  r.ASW = r.ASFTOP = r.ASFBOT = 0.0f;
}

void ResetSpreadFooting(InputRecord& r) {
  Default(r, r.Q, 20.83f, 0.1436f);
  Default(r, r.QW, 27.77f, 0.1914f);
  Default(r, r.QEQ, 41.67f, 0.2872f);
  r.CS = r.CSW = r.CSEQ = 0.64f;
  r.SFOT = 2.0f;
  r.SFOTW = r.SFOTEQ = r.SFSL = 1.5f;
  r.SFSLW = r.SFSLEQ = 1.2f;
}

void ResetPileFooting(InputRecord& r) {
  Default(r, r.PILEDIA, 12.0f, 300.0f);
  Default(r, r.PILEME, 18.0f, 450.0f);
  Default(r, r.PILEMS, 36.0f, 900.0f);
  r.PILEBAT = 18.43f;
  Default(r, r.PILEP, 90000.0f, 400000.0f);
  Default(r, r.PILEPW, 120000.0f, 533000.0f);
  Default(r, r.PILEPEQ, 180000.0f, 800000.0f);
  Default(r, r.PILEV, 10000.0f, 40000.0f);
  Default(r, r.PILEVW, 13300.0f, 53000.0f);
  Default(r, r.PILEVEQ, 20000.0f, 80000.0f);
  r.NROWS = 0;
}

void ResetTitles(InputRecord& r) {
  r.INFILE = "None";
  r.OUTFILE = "None";
  r.TITLE = "Keldor Program Output";
}

void ResetUnitDefaults(InputRecord& r) {
  ResetMaterial(r);
  ResetLoads(r);
  ResetSoilConfiguration(r);
  ResetWallConfiguration(r);
  ResetRebarConfiguration(r);
  ResetSpreadFooting(r);
  ResetPileFooting(r);
}

void ResetAll(InputRecord& r) {
  // Each section sets its own fields and reads only the units and the
  // backfill option, so the options go first and the order of the rest
  // does not matter.
  ResetOptions(r);
  ResetSoilParameters(r);
  ResetUnitDefaults(r);
}

void InitialiseInput(InputRecord& r, int selectedUnits) {
  r.Refreshing = false;
  r.IUNITS = selectedUnits;
  ResetTitles(r);
  ResetAll(r);
}

}  // namespace fe
