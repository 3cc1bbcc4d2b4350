/*
 * Keldor engine library (libkeldor.so): the operations a program calls to hand
 * the engine one wall and to run the analysis.
 *
 * Every argument is passed by address: 32-bit signed integers, 32-bit IEEE
 * floats, float arrays by the address of their first element (record 1), and
 * character fields of fixed length, blank-padded and not terminated. Angles are
 * given in degrees. The engine copies every value it is given; the set
 * operations and CONDLL return nothing. Call the set operations in this order,
 * then CONDLL, and after it KELDOR_WRITTEN to learn whether the files are whole:
 *
 *   SETOPT, SETMAT, SETSP, SETLC, SETSCON, SETWCON, SETRCON,
 *   SETSF (spread footing) or SETPF and, in review mode, SETPI (pile footing),
 *   SETLF, and for an irregular backfill SETIRR and, with surcharges, SETSUR.
 *
 * Array operations size their arrays by the count set before them (NLC by
 * SETLC, NSEG and NSUR by SETSCON, NROWS by SETPF) and read that many entries.
 * The engine is not reentrant: one thread, one run at a time.
 */
#ifndef KELDOR_H
#define KELDOR_H

#include <stdint.h>

#if defined(__GNUC__)
#define KELDOR_API __attribute__((visibility("default")))
#else
#define KELDOR_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The option codes of SETOPT. */
enum {
  KELDOR_ENGLISH = 1, KELDOR_SI = 2,                             /* IUNITS */
  KELDOR_DESIGN = 1, KELDOR_REVIEW = 2,                          /* IMODE */
  KELDOR_ULTIMATE_STRENGTH = 1, KELDOR_WORKING_STRESS = 2,       /* IDESIGN */
  KELDOR_CONSTANT_SLOPE = 1, KELDOR_IRREGULAR = 2,               /* ISOIL */
  KELDOR_SPREAD_FOOTING = 1, KELDOR_PILE_FOOTING = 2,            /* IFOOT */
  KELDOR_BY_VOLUME = 1, KELDOR_BY_WIDTH = 2                      /* IOPTIM */
};

/* Program options: units, mode, concrete design, soil, foundation, optimisation. */
KELDOR_API void SETOPT(const int32_t *IUNITS, const int32_t *IMODE, const int32_t *IDESIGN,
                       const int32_t *ISOIL, const int32_t *IFOOT, const int32_t *IOPTIM);

/* Materials; PHI in degrees. */
KELDOR_API void SETMAT(const float *RHOC, const float *FC, const float *FS, const float *RHOS,
                       const float *PHI, const float *COH);

/* Soil parameters. */
KELDOR_API void SETSP(const float *KA, const float *YE, const float *KAEQ, const float *YEQ,
                      const float *KP, const float *KPEQ, const float *SS, const float *SSW,
                      const float *SSEQ, const int32_t *OPTSL);

/* Loads at the top of the wall and the number of load combinations. */
KELDOR_API void SETLC(const float *PD, const float *PDX, const float *PL, const float *PLX,
                      const float *VW, const float *MW, const float *AH, const float *AV,
                      const float *VEQ, const float *MEQ, const int32_t *NLC);

/* Soil configuration; BETA in degrees. */
KELDOR_API void SETSCON(const float *H, const float *HT, const float *BETA, const float *SUR,
                        const int32_t *NSEG, const int32_t *NSUR);

/* Wall configuration, design limits and review values; BWMIN and BW in degrees. */
KELDOR_API void SETWCON(const float *TWMIN, const float *BWMIN, const float *BW,
                        const float *TFMIN, const float *TF, const float *DKMAX,
                        const float *DK, const float *WTMAX, const float *WT,
                        const float *WHMAX, const float *WF, const float *WTMIN);

/* Reinforcement. */
KELDOR_API void SETRCON(const float *ASW, const float *ASFTOP, const float *ASFBOT,
                        const float *CW, const float *CFTOP, const float *CFBOT,
                        const float *DBAR, const float *RATIO);

/* Spread footing criteria. */
KELDOR_API void SETSF(const float *Q, const float *QW, const float *QEQ, const float *CS,
                      const float *CSW, const float *CSEQ, const float *SFOT,
                      const float *SFOTW, const float *SFOTEQ, const float *SFSL,
                      const float *SFSLW, const float *SFSLEQ);

/* Pile footing properties; PILEBAT in degrees. */
KELDOR_API void SETPF(const float *PILEDIA, const float *PILEME, const float *PILEMS,
                      const float *PILEBAT, const float *PILEP, const float *PILEPW,
                      const float *PILEPEQ, const float *PILEV, const float *PILEVW,
                      const float *PILEVEQ, const int32_t *NROWS);

/* Pile rows (NROWS entries each); PILEB in degrees. */
KELDOR_API void SETPI(const float *PILEX, const float *PILEB, const float *PILES);

/* Load factors of the combinations (NLC entries each). */
KELDOR_API void SETLF(const float *FD, const float *FL, const float *FE, const float *FSUR,
                      const float *FW, const float *FEQ);

/* Irregular backfill segments (NSEG entries each); ASEG in degrees. */
KELDOR_API void SETIRR(const float *LSEG, const float *ASEG);

/* Irregular surcharge lines (NSUR entries each). */
KELDOR_API void SETSUR(const float *SURL, const float *XSBEG, const float *YSBEG,
                       const float *XSEND, const float *YSEND);

/* Runs the analysis and writes the report on OUTPATH (or "KELDOR.OUT" when
 * blank) and the side file "KELDOR.DAT" in the current folder. Fields of 132,
 * 80, 80, 80 and 5 characters. */
KELDOR_API void CONDLL(const char *OUTPATH, const char *INFILE, const char *OUTFILE,
                       const char *TITLE, const char *VERSION);

/* After CONDLL, until the next run: whether the report (REPORT_OK) and the
 * side file (SIDE_OK) were created and written to the end, 1 when they were
 * and 0 when not; a file that failed was closed at its first failed write,
 * flush or close and is incomplete. REASON (132 characters, blank-padded)
 * gives the system's reason for the report's failure, or else for the side
 * file's, and is blank when both are whole. Before any run both are 0. */
KELDOR_API void KELDOR_WRITTEN(int32_t *REPORT_OK, int32_t *SIDE_OK, char *REASON);

#ifdef __cplusplus
}
#endif

#endif /* KELDOR_H */
