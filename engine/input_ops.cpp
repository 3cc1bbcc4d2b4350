// The exported set operations: each copies its arguments into the input model,
// converting angles from degrees to radians (x 3.1416 / 180) and sizing the
// arrays by the count set before it. They check nothing.
#include <cmath>

#include "keldor.h"
#include "state.h"

using keldor::RealArray;
using keldor::Radians;
using keldor::S;

namespace {

// Re-creates `a` with n entries and copies entries 1..n from the caller.
void CopyArray(RealArray& a, int n, const float* from) {
  a.resize(n);
  if (from == nullptr) return;
  for (int i = 1; i <= a.size(); ++i) a(i) = from[i - 1];
}

}  // namespace

extern "C" {

void SETOPT(const int32_t* IUNITS, const int32_t* IMODE, const int32_t* IDESIGN,
            const int32_t* ISOIL, const int32_t* IFOOT, const int32_t* IOPTIM) {
  S.IUNITS = *IUNITS;
  S.IMODE = *IMODE;
  S.IDESIGN = *IDESIGN;
  S.ISOIL = *ISOIL;
  S.IFOOT = *IFOOT;
  S.IOPTIM = *IOPTIM;
}

void SETMAT(const float* RHOC, const float* FC, const float* FS, const float* RHOS,
            const float* PHI, const float* COH) {
  S.RHOC = *RHOC;
  S.FC = *FC;
  S.FS = *FS;
  S.RHOS = *RHOS;
  S.PHI = Radians(*PHI);
  S.COH = *COH;
}

void SETSP(const float* KA, const float* YE, const float* KAEQ, const float* YEQ,
           const float* KP, const float* KPEQ, const float* SS, const float* SSW,
           const float* SSEQ, const int32_t* OPTSL) {
  S.KA = *KA;
  S.YE = *YE;
  S.KAEQ = *KAEQ;
  S.YEQ = *YEQ;
  S.KP = *KP;
  S.KPEQ = *KPEQ;
  S.SS = *SS;
  S.SSW = *SSW;
  S.SSEQ = *SSEQ;
  S.OPTSL = *OPTSL;
}

void SETLC(const float* PD, const float* PDX, const float* PL, const float* PLX,
           const float* VW, const float* MW, const float* AH, const float* AV,
           const float* VEQ, const float* MEQ, const int32_t* NLC) {
  S.PD = *PD;
  S.PDX = *PDX;
  S.PL = *PL;
  S.PLX = *PLX;
  S.VW = *VW;
  S.MW = *MW;
  S.AH = *AH;
  S.AV = *AV;
  S.VEQ = *VEQ;
  S.MEQ = *MEQ;
  S.NLC = *NLC;
}

void SETSCON(const float* H, const float* HT, const float* BETA, const float* SUR,
             const int32_t* NSEG, const int32_t* NSUR) {
  S.H = *H;
  S.HT = *HT;
  S.BETA = Radians(*BETA);
  S.SUR = *SUR;
  S.NSEG = *NSEG;
  S.NSUR = *NSUR;
}

void SETWCON(const float* TWMIN, const float* BWMIN, const float* BW, const float* TFMIN,
             const float* TF, const float* DKMAX, const float* DK, const float* WTMAX,
             const float* WT, const float* WHMAX, const float* WF, const float* WTMIN) {
  S.TWMIN = *TWMIN;
  S.BWMIN = Radians(*BWMIN);
  S.BW = Radians(*BW);
  S.TFMIN = *TFMIN;
  S.TF = *TF;
  S.DKMAX = *DKMAX;
  S.DK = *DK;
  S.WTMAX = *WTMAX;
  S.WT = *WT;
  S.WHMAX = *WHMAX;
  S.WF = *WF;
  S.WTMIN = *WTMIN;
}

void SETRCON(const float* ASW, const float* ASFTOP, const float* ASFBOT, const float* CW,
             const float* CFTOP, const float* CFBOT, const float* DBAR, const float* RATIO) {
  S.ASW = *ASW;
  S.ASFTOP = *ASFTOP;
  S.ASFBOT = *ASFBOT;
  S.CW = *CW;
  S.CFTOP = *CFTOP;
  S.CFBOT = *CFBOT;
  S.DBAR = *DBAR;
  S.RATIO = *RATIO;
}

void SETSF(const float* Q, const float* QW, const float* QEQ, const float* CS, const float* CSW,
           const float* CSEQ, const float* SFOT, const float* SFOTW, const float* SFOTEQ,
           const float* SFSL, const float* SFSLW, const float* SFSLEQ) {
  S.Q = *Q;
  S.QW = *QW;
  S.QEQ = *QEQ;
  S.CS = *CS;
  S.CSW = *CSW;
  S.CSEQ = *CSEQ;
  S.SFOT = *SFOT;
  S.SFOTW = *SFOTW;
  S.SFOTEQ = *SFOTEQ;
  S.SFSL = *SFSL;
  S.SFSLW = *SFSLW;
  S.SFSLEQ = *SFSLEQ;
}

void SETPF(const float* PILEDIA, const float* PILEME, const float* PILEMS, const float* PILEBAT,
           const float* PILEP, const float* PILEPW, const float* PILEPEQ, const float* PILEV,
           const float* PILEVW, const float* PILEVEQ, const int32_t* NROWS) {
  S.PILEDIA = *PILEDIA;
  S.PILEME = *PILEME;
  S.PILEMS = *PILEMS;
  S.PILEBAT = Radians(*PILEBAT);
  S.PILEP = *PILEP;
  S.PILEPW = *PILEPW;
  S.PILEPEQ = *PILEPEQ;
  S.PILEV = *PILEV;
  S.PILEVW = *PILEVW;
  S.PILEVEQ = *PILEVEQ;
  S.NROWS = *NROWS;
}

void SETPI(const float* PILEX, const float* PILEB, const float* PILES) {
  CopyArray(S.PILEX, S.NROWS, PILEX);
  CopyArray(S.PILEB, S.NROWS, PILEB);
  CopyArray(S.PILES, S.NROWS, PILES);
  for (int i = 1; i <= S.PILEB.size(); ++i) S.PILEB(i) = Radians(S.PILEB(i));
  S.PLOAD.resize(S.NROWS);
}

void SETLF(const float* FD, const float* FL, const float* FE, const float* FSUR, const float* FW,
           const float* FEQ) {
  CopyArray(S.FD, S.NLC, FD);
  CopyArray(S.FL, S.NLC, FL);
  CopyArray(S.FE, S.NLC, FE);
  CopyArray(S.FSUR, S.NLC, FSUR);
  CopyArray(S.FW, S.NLC, FW);
  CopyArray(S.FEQ, S.NLC, FEQ);
  S.HCOMB.resize(S.NLC);
  S.VCOMB.resize(S.NLC);
  S.MRCOMB.resize(S.NLC);
  S.MOCOMB.resize(S.NLC);
}

void SETIRR(const float* LSEG, const float* ASEG) {
  CopyArray(S.LSEG, S.NSEG, LSEG);
  CopyArray(S.ASEG, S.NSEG, ASEG);
  const int n = S.NSEG;
  S.XGBEG.resize(n);
  S.YGBEG.resize(n);
  S.XGEND.resize(n);
  S.YGEND.resize(n);
  // The segments form a connected polyline from the top of the stem's back
  // face, each turned by its own angle from horizontal.
  for (int i = 1; i <= S.ASEG.size(); ++i) {
    S.ASEG(i) = Radians(S.ASEG(i));
    if (i == 1) {
      S.XGBEG(1) = 0.0f;
      S.YGBEG(1) = 0.0f;
    } else {
      S.XGBEG(i) = S.XGEND(i - 1);
      S.YGBEG(i) = S.YGEND(i - 1);
    }
    S.XGEND(i) = S.XGBEG(i) + S.LSEG(i) * std::cos(S.ASEG(i));
    S.YGEND(i) = S.YGBEG(i) + S.LSEG(i) * std::sin(S.ASEG(i));
  }
}

void SETSUR(const float* SURL, const float* XSBEG, const float* YSBEG, const float* XSEND,
            const float* YSEND) {
  CopyArray(S.SURL, S.NSUR, SURL);
  CopyArray(S.XSBEG, S.NSUR, XSBEG);
  CopyArray(S.YSBEG, S.NSUR, YSBEG);
  CopyArray(S.XSEND, S.NSUR, XSEND);
  CopyArray(S.YSEND, S.NSUR, YSEND);
}

}  // extern "C"
