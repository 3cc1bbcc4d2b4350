// The program's one record of every value the user can enter. Numbers are kept
// in the engine's own units (English: in, lb, degrees; SI: mm, N, degrees);
// angles stay in degrees here and become radians inside the engine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fixed_text.h"
#include "one_based_array.h"

namespace fe {

// An array group of the record: entry i is record i (1-based). Arrays may be
// longer than their count (a reset sets a count to 0 without touching the
// arrays) but never shorter once the count was typed in or loaded from a file.
using RecordArray = keldor::OneBasedArray;

struct InputRecord {
  bool InputValid = false;      // result of the last validation
  std::int16_t CurrentRecord = 0;
  bool Refreshing = false;      // set while the window writes count boxes

  // Program options
  std::int32_t IUNITS = 0;   // 1 English, 2 SI
  std::int32_t IMODE = 0;    // 1 design, 2 review
  std::int32_t IDESIGN = 0;  // 1 ultimate strength, 2 working stress
  std::int32_t ISOIL = 0;    // 1 constant slope, 2 irregular
  std::int32_t IFOOT = 0;    // 1 spread footing, 2 pile footing
  std::int32_t IOPTIM = 0;   // 1 by footing volume, 2 by footing width

  // Material properties
  float RHOC = 0, FC = 0, FS = 0, RHOS = 0, PHI = 0, COH = 0;

  // Soil parameters
  float KA = 0, YE = 0, KAEQ = 0, YEQ = 0, KP = 0, KPEQ = 0;
  float SS = 0, SSW = 0, SSEQ = 0;
  std::int32_t OPTSL = 0;

  // Loads
  float PD = 0, PDX = 0, PL = 0, PLX = 0, VW = 0, MW = 0;
  float AH = 0, AV = 0, VEQ = 0, MEQ = 0;
  std::int32_t NLC = 0;
  RecordArray FD, FL, FE, FSUR, FW, FEQ;

  // Soil configuration
  float H = 0, HT = 0, BETA = 0, SUR = 0;
  std::int32_t NSEG = 0;
  RecordArray LSEG, ASEG;
  std::int32_t NSUR = 0;
  RecordArray SURL, XSBEG, YSBEG, XSEND, YSEND;

  // Wall configuration: design limits and review values
  float TWMIN = 0, BWMIN = 0, BW = 0, TFMIN = 0, TF = 0, DKMAX = 0, DK = 0;
  float WTMAX = 0, WT = 0, WHMAX = 0, WF = 0, WTMIN = 0;

  // Rebar configuration
  float ASW = 0, ASFTOP = 0, ASFBOT = 0, CW = 0, CFTOP = 0, CFBOT = 0;
  float DBAR = 0, RATIO = 0;

  // Spread footing
  float Q = 0, QW = 0, QEQ = 0, CS = 0, CSW = 0, CSEQ = 0;
  float SFOT = 0, SFOTW = 0, SFOTEQ = 0, SFSL = 0, SFSLW = 0, SFSLEQ = 0;

  // Pile footing
  float PILEDIA = 0, PILEME = 0, PILEMS = 0, PILEBAT = 0;
  float PILEP = 0, PILEPW = 0, PILEPEQ = 0, PILEV = 0, PILEVW = 0, PILEVEQ = 0;
  std::int32_t NROWS = 0;
  RecordArray PILEX, PILEB, PILES;

  // Files and texts
  std::string INPATH;          // full path of the input file; empty until chosen
  FixedText<132> OUTPATH;      // full path of the report; blank until chosen
  FixedText<80> INFILE;        // input file name without folder
  FixedText<80> OUTFILE;       // output file name without folder
  FixedText<80> TITLE;         // report title
  FixedText<5> VERSION;        // version text passed to the engine
};

}  // namespace fe
