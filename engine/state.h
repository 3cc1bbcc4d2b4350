// The engine's process-wide state: the input model set by the exported set
// operations, the run variables, the results every analysis leaves for the
// next, and the two files of a run. There is exactly one record, `S`.
//
// Inputs keep their values between runs (a run reads what the last set
// operations left); RunInit zeroes the results at the start of every run.
// Every real is a 32-bit float.
#pragma once

#include <cstdint>
#include <string>

#include "keldor.h"
#include "real_array.h"
#include "report.h"
#include "results.h"

namespace keldor {

struct EngineState {
  // ---- Input model --------------------------------------------------------
  // Program options
  std::int32_t IUNITS = 0, IMODE = 0, IDESIGN = 0, ISOIL = 0, IFOOT = 0, IOPTIM = 0;
  // Materials (PHI in radians)
  float RHOC = 0, FC = 0, FS = 0, RHOS = 0, PHI = 0, COH = 0;
  // Soil parameters
  float KA = 0, YE = 0, KAEQ = 0, YEQ = 0, KP = 0, KPEQ = 0, SS = 0, SSW = 0, SSEQ = 0;
  std::int32_t OPTSL = 0;
  // Loads at the top of the wall
  float PD = 0, PDX = 0, PL = 0, PLX = 0, VW = 0, MW = 0, AH = 0, AV = 0, VEQ = 0, MEQ = 0;
  std::int32_t NLC = 0;
  // Soil configuration (BETA in radians)
  float H = 0, HT = 0, BETA = 0, SUR = 0;
  std::int32_t NSEG = 0, NSUR = 0;
  // Wall configuration (BWMIN, BW in radians)
  float TWMIN = 0, BWMIN = 0, BW = 0, TFMIN = 0, TF = 0, DKMAX = 0, DK = 0;
  float WTMAX = 0, WT = 0, WHMAX = 0, WF = 0, WTMIN = 0;
  // Reinforcement
  float ASW = 0, ASFTOP = 0, ASFBOT = 0, CW = 0, CFTOP = 0, CFBOT = 0, DBAR = 0, RATIO = 0;
  // Spread footing criteria
  float Q = 0, QW = 0, QEQ = 0, CS = 0, CSW = 0, CSEQ = 0;
  float SFOT = 0, SFOTW = 0, SFOTEQ = 0, SFSL = 0, SFSLW = 0, SFSLEQ = 0;
  // Pile footing properties (PILEBAT in radians)
  float PILEDIA = 0, PILEME = 0, PILEMS = 0, PILEBAT = 0;
  float PILEP = 0, PILEPW = 0, PILEPEQ = 0, PILEV = 0, PILEVW = 0, PILEVEQ = 0;
  std::int32_t NROWS = 0;

  // Load factors of the combinations (NLC entries)
  RealArray FD, FL, FE, FSUR, FW, FEQ;
  // Backfill segments (NSEG entries; ASEG in radians) and the ground profile
  RealArray LSEG, ASEG, XGBEG, YGBEG, XGEND, YGEND;
  // Irregular surcharge lines (NSUR entries)
  RealArray SURL, XSBEG, YSBEG, XSEND, YSEND;
  // Pile rows (NROWS entries; PILEB in radians) and the axial load per pile
  RealArray PILEX, PILEB, PILES, PLOAD;
  // Resultants per load combination: lateral force, vertical load, righting
  // and overturning moment (NLC entries)
  RealArray HCOMB, VCOMB, MRCOMB, MOCOMB;

  // Run strings: fixed width, blank-padded
  std::string OUTPATH = std::string(132, ' ');
  std::string INFILE = std::string(80, ' ');
  std::string OUTFILE = std::string(80, ' ');
  std::string TITLE = std::string(80, ' ');
  std::string VERSION = std::string(5, ' ');

  // ---- Run variables --------------------------------------------------------
  float STEP = 0;          // design increment: 6 in or 150 mm
  float ES = 0, EC = 0;    // moduli of steel and concrete
  std::int32_t IPRINT = 0; // 1: analyses write their report sections
  std::int32_t IOK = 0;    // trial acceptance; any failed check clears it
  float WH = 0;            // heel width of the current trial
  float NPILES = 0;        // piles per unit length of wall
  std::int32_t ILOC = 0;   // trial wedge location: 1 stem, 2 footing
  bool STOPRUN = false;    // the run must end after the message just written
  bool NOSTEM = false;     // design mode: the stem could not be designed
  std::int32_t NTRIAL = 0; // trial geometries evaluated by the last design search

  // ---- Concrete section interface ------------------------------------------
  float VDES = 0, MDES = 0, TMIN = 0, CSEC = 0, TSEC = 0, ASEC = 0;

  // ---- Trial wedge results ---------------------------------------------------
  float PEH = 0, PESH = 0, PEQH = 0, YAPPE = 0, YAPPES = 0, YAPPEQ = 0, XAPP = 0, HBACK = 0;

  // ---- Weights and righting moments -----------------------------------------
  float WDEAD = 0, MDEAD = 0, WLIVE = 0, MLIVE = 0, WSURV = 0, MSURV = 0, WSOIL = 0, MSOIL = 0;

  // ---- Files of a run ----------------------------------------------------------
  TextFile report;  // the report on OUTPATH
  TextFile side;    // the side file KELDOR.DAT

  // ---- What the run found, for the GET operations ---------------------------
  RunResults results;
};

extern EngineState S;

// Angles: degrees to radians and back with pi taken as 3.1416, in float.
inline float Radians(float degrees) { return degrees * 3.1416f / 180.0f; }
inline float Degrees(float radians) { return radians * 180.0f / 3.1416f; }

// The ratio rule of the checks: demand over capacity passes below 1.01, so an
// overstress of less than 1 % is accepted. A ratio that is not a number (a
// zero capacity) fails.
inline bool RatioPasses(float demand, float capacity) { return demand / capacity < 1.01f; }

}  // namespace keldor
