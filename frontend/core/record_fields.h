// Every field of the input record by name, in declaration order, for code that
// treats the record as a whole: comparing two records, listing one in a test
// message, finding the field a window box edits.
#pragma once

#include <string>

#include "input_record.h"

namespace fe {

// Calls visit(name, field) for every field of the record (options, numbers,
// counts, arrays, file names and texts), in declaration order. `R` is
// InputRecord or const InputRecord.
template <typename R, typename Visit>
void VisitFields(R& r, Visit&& visit) {
  visit("InputValid", r.InputValid);
  visit("CurrentRecord", r.CurrentRecord);
  visit("Refreshing", r.Refreshing);
  visit("IUNITS", r.IUNITS);
  visit("IMODE", r.IMODE);
  visit("IDESIGN", r.IDESIGN);
  visit("ISOIL", r.ISOIL);
  visit("IFOOT", r.IFOOT);
  visit("IOPTIM", r.IOPTIM);
  visit("RHOC", r.RHOC);
  visit("FC", r.FC);
  visit("FS", r.FS);
  visit("RHOS", r.RHOS);
  visit("PHI", r.PHI);
  visit("COH", r.COH);
  visit("KA", r.KA);
  visit("YE", r.YE);
  visit("KAEQ", r.KAEQ);
  visit("YEQ", r.YEQ);
  visit("KP", r.KP);
  visit("KPEQ", r.KPEQ);
  visit("SS", r.SS);
  visit("SSW", r.SSW);
  visit("SSEQ", r.SSEQ);
  visit("OPTSL", r.OPTSL);
  visit("PD", r.PD);
  visit("PDX", r.PDX);
  visit("PL", r.PL);
  visit("PLX", r.PLX);
  visit("VW", r.VW);
  visit("MW", r.MW);
  visit("AH", r.AH);
  visit("AV", r.AV);
  visit("VEQ", r.VEQ);
  visit("MEQ", r.MEQ);
  visit("NLC", r.NLC);
  visit("FD", r.FD);
  visit("FL", r.FL);
  visit("FE", r.FE);
  visit("FSUR", r.FSUR);
  visit("FW", r.FW);
  visit("FEQ", r.FEQ);
  visit("H", r.H);
  visit("HT", r.HT);
  visit("BETA", r.BETA);
  visit("SUR", r.SUR);
  visit("NSEG", r.NSEG);
  visit("LSEG", r.LSEG);
  visit("ASEG", r.ASEG);
  visit("NSUR", r.NSUR);
  visit("SURL", r.SURL);
  visit("XSBEG", r.XSBEG);
  visit("YSBEG", r.YSBEG);
  visit("XSEND", r.XSEND);
  visit("YSEND", r.YSEND);
  visit("TWMIN", r.TWMIN);
  visit("BWMIN", r.BWMIN);
  visit("BW", r.BW);
  visit("TFMIN", r.TFMIN);
  visit("TF", r.TF);
  visit("DKMAX", r.DKMAX);
  visit("DK", r.DK);
  visit("WTMAX", r.WTMAX);
  visit("WT", r.WT);
  visit("WHMAX", r.WHMAX);
  visit("WF", r.WF);
  visit("WTMIN", r.WTMIN);
  visit("ASW", r.ASW);
  visit("ASFTOP", r.ASFTOP);
  visit("ASFBOT", r.ASFBOT);
  visit("CW", r.CW);
  visit("CFTOP", r.CFTOP);
  visit("CFBOT", r.CFBOT);
  visit("DBAR", r.DBAR);
  visit("RATIO", r.RATIO);
  visit("Q", r.Q);
  visit("QW", r.QW);
  visit("QEQ", r.QEQ);
  visit("CS", r.CS);
  visit("CSW", r.CSW);
  visit("CSEQ", r.CSEQ);
  visit("SFOT", r.SFOT);
  visit("SFOTW", r.SFOTW);
  visit("SFOTEQ", r.SFOTEQ);
  visit("SFSL", r.SFSL);
  visit("SFSLW", r.SFSLW);
  visit("SFSLEQ", r.SFSLEQ);
  visit("PILEDIA", r.PILEDIA);
  visit("PILEME", r.PILEME);
  visit("PILEMS", r.PILEMS);
  visit("PILEBAT", r.PILEBAT);
  visit("PILEP", r.PILEP);
  visit("PILEPW", r.PILEPW);
  visit("PILEPEQ", r.PILEPEQ);
  visit("PILEV", r.PILEV);
  visit("PILEVW", r.PILEVW);
  visit("PILEVEQ", r.PILEVEQ);
  visit("NROWS", r.NROWS);
  visit("PILEX", r.PILEX);
  visit("PILEB", r.PILEB);
  visit("PILES", r.PILES);
  visit("INPATH", r.INPATH);
  visit("OUTPATH", r.OUTPATH);
  visit("INFILE", r.INFILE);
  visit("OUTFILE", r.OUTFILE);
  visit("TITLE", r.TITLE);
  visit("VERSION", r.VERSION);
}

// The float fields that a box of the main window edits, by their mnemonic
// ("RHOC" gives &r.RHOC); nullptr for any other name.
float* FloatField(InputRecord& r, const std::string& name);

// Every field as "NAME=value" lines (arrays as their elements), for test
// messages and diagnostics.
std::string Describe(const InputRecord& r);

// Field by field equality: floats by their exact 32-bit value, arrays by
// length and elements, fixed-width texts with their blanks.
bool operator==(const InputRecord& a, const InputRecord& b);
inline bool operator!=(const InputRecord& a, const InputRecord& b) { return !(a == b); }

// Copies what a record holds besides the input (the file names, the version,
// the window's working fields) from `from` to `to`.
void TakeSessionState(InputRecord& to, const InputRecord& from);

// Whether two records hold the same input, as an input file keeps it: the
// file names, the version and the window's working fields are not compared.
bool SameInput(const InputRecord& a, const InputRecord& b);

}  // namespace fe
