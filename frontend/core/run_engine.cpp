#include "run_engine.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "keldor.h"

namespace fe {

namespace {

// A copy of records 1 ... count of an array group (at least one entry), so
// that the engine, which reads `count` entries, never reads past the end of
// the record's storage.
std::vector<float> padded(const RecordArray& a, std::int32_t count) {
  std::vector<float> v(static_cast<std::size_t>(std::max<std::int32_t>(count, 1)), 0.0f);
  for (std::int32_t i = 1; i <= count; ++i) v[static_cast<std::size_t>(i - 1)] = a.at_or_zero(i);
  return v;
}

}  // namespace

std::string VersionText(int major, int minor, int revision) {
  const std::string joined =
      std::to_string(major) + "." + std::to_string(minor) + std::to_string(revision);
  // Read back as a number and written as number text, a blank for the sign
  // (so a revision of 0 gives " 1.4", not " 1.40").
  double value = 0.0;
  std::from_chars(joined.data(), joined.data() + joined.size(), value);
  char buf[32];
  const auto res = std::to_chars(buf, buf + sizeof buf, value);
  const std::string digits(buf, res.ptr);
  return value < 0 ? digits : " " + digits;
}

void RunEngine(const EngineLibrary& e, InputRecord& r) {
  r.VERSION.set(VersionText(kVersionMajor, kVersionMinor, kVersionRevision));

  e.SETOPT(&r.IUNITS, &r.IMODE, &r.IDESIGN, &r.ISOIL, &r.IFOOT, &r.IOPTIM);
  e.SETMAT(&r.RHOC, &r.FC, &r.FS, &r.RHOS, &r.PHI, &r.COH);
  e.SETSP(&r.KA, &r.YE, &r.KAEQ, &r.YEQ, &r.KP, &r.KPEQ, &r.SS, &r.SSW, &r.SSEQ, &r.OPTSL);
  e.SETLC(&r.PD, &r.PDX, &r.PL, &r.PLX, &r.VW, &r.MW, &r.AH, &r.AV, &r.VEQ, &r.MEQ, &r.NLC);
  e.SETSCON(&r.H, &r.HT, &r.BETA, &r.SUR, &r.NSEG, &r.NSUR);
  e.SETWCON(&r.TWMIN, &r.BWMIN, &r.BW, &r.TFMIN, &r.TF, &r.DKMAX, &r.DK, &r.WTMAX, &r.WT,
            &r.WHMAX, &r.WF, &r.WTMIN);
  e.SETRCON(&r.ASW, &r.ASFTOP, &r.ASFBOT, &r.CW, &r.CFTOP, &r.CFBOT, &r.DBAR, &r.RATIO);
  if (r.IFOOT == KELDOR_SPREAD_FOOTING) {
    e.SETSF(&r.Q, &r.QW, &r.QEQ, &r.CS, &r.CSW, &r.CSEQ, &r.SFOT, &r.SFOTW, &r.SFOTEQ, &r.SFSL,
            &r.SFSLW, &r.SFSLEQ);
  } else if (r.IFOOT == KELDOR_PILE_FOOTING) {
    e.SETPF(&r.PILEDIA, &r.PILEME, &r.PILEMS, &r.PILEBAT, &r.PILEP, &r.PILEPW, &r.PILEPEQ,
            &r.PILEV, &r.PILEVW, &r.PILEVEQ, &r.NROWS);
    if (r.IMODE == KELDOR_REVIEW) {
      const auto x = padded(r.PILEX, r.NROWS), b = padded(r.PILEB, r.NROWS),
                 s = padded(r.PILES, r.NROWS);
      e.SETPI(x.data(), b.data(), s.data());
    }
  }
  {
    const auto fd = padded(r.FD, r.NLC), fl = padded(r.FL, r.NLC), fe = padded(r.FE, r.NLC),
               fsur = padded(r.FSUR, r.NLC), fw = padded(r.FW, r.NLC),
               feq = padded(r.FEQ, r.NLC);
    e.SETLF(fd.data(), fl.data(), fe.data(), fsur.data(), fw.data(), feq.data());
  }
  if (r.ISOIL == KELDOR_IRREGULAR) {
    const auto l = padded(r.LSEG, r.NSEG), a = padded(r.ASEG, r.NSEG);
    e.SETIRR(l.data(), a.data());
    if (r.NSUR > 0) {
      const auto s = padded(r.SURL, r.NSUR), xb = padded(r.XSBEG, r.NSUR),
                 yb = padded(r.YSBEG, r.NSUR), xe = padded(r.XSEND, r.NSUR),
                 ye = padded(r.YSEND, r.NSUR);
      e.SETSUR(s.data(), xb.data(), yb.data(), xe.data(), ye.data());
    }
  }
  e.CONDLL(r.OUTPATH.data(), r.INFILE.data(), r.OUTFILE.data(), r.TITLE.data(),
           r.VERSION.data());
}

}  // namespace fe
