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

/* ---- Results of the last run ----------------------------------------------
 *
 * While CONDLL writes the report the engine records what it found: the
 * outcome, the final geometry and steel, the earth forces, every check line
 * and every message line (a line ending in " ***" that is no check), each with
 * its report line number (the report's first line is 1). The results stay
 * valid until the next CONDLL, which clears them first; a run that could not
 * create its report leaves none (STATUS KELDOR_NO_RESULTS). Values are in the
 * run's units (IUNITS); angles in degrees. A value the run did not compute is
 * a quiet NaN. An index out of range gives zeros, NaNs and blanks.
 */

/* Outcome of a run (GETRUN STATUS). */
enum {
  KELDOR_NO_RESULTS = 0, /* no run, or the report could not be created */
  KELDOR_COMPLETE = 1,   /* the report was written to its end */
  KELDOR_STOPPED = 2     /* the report ends early on the message that says why */
};

/* Where a check is made (GETCHK PLACE). */
enum {
  KELDOR_AT_STEM_BASE = 1, KELDOR_AT_STABILITY = 2, KELDOR_AT_PILES = 3,
  KELDOR_AT_TOE = 4, KELDOR_AT_HEEL = 5, KELDOR_AT_FOOTING = 6
};

/* The load set of a combination (GETCHK LSET; 0 for the maxima of all). */
enum { KELDOR_REGULAR_SET = 1, KELDOR_WIND_SET = 2, KELDOR_SEISMIC_SET = 3 };

/* What a check is (GETCHK CHECK). Safety factors (sliding, overturning) give
 * the actual factor as DEMAND, the required one as LIMIT and required / actual
 * as RATIO; every other check demand, capacity (or allowable) and their
 * ratio. Pile tension is the magnitude of the least axial load. The last two
 * stand for failures the report states as a message: a pile group that cannot
 * carry its load, and a footing whose loads cannot be had. */
enum {
  KELDOR_CHECK_SLIDING = 1, KELDOR_CHECK_OVERTURNING = 2, KELDOR_CHECK_RESULTANT = 3,
  KELDOR_CHECK_BEARING = 4, KELDOR_CHECK_PILE_COMPRESSION = 5, KELDOR_CHECK_PILE_TENSION = 6,
  KELDOR_CHECK_PILE_LATERAL = 7, KELDOR_CHECK_SHEAR = 8, KELDOR_CHECK_MOMENT = 9,
  KELDOR_CHECK_STEEL_AREA = 10, KELDOR_CHECK_STEEL_STRESS = 11,
  KELDOR_CHECK_CONCRETE_STRESS = 12, KELDOR_CHECK_PILE_GROUP = 13,
  KELDOR_CHECK_FOOTING_LOADS = 14
};

/* The run: STATUS, the unit system, the mode asked for (a design reports
 * KELDOR_DESIGN), foundation and soil, CONVERGED (1 when a design was found,
 * 0 otherwise and in review mode), ANALYSED (1 when the final analysis ran,
 * so that GETGEO and GETPIL describe the wall the report's last sections
 * analyse), and the numbers of checks, messages and pile rows. */
KELDOR_API void GETRUN(int32_t *STATUS, int32_t *IUNITS, int32_t *IMODE, int32_t *IFOOT,
                       int32_t *ISOIL, int32_t *CONVERGED, int32_t *ANALYSED, int32_t *NCHECK,
                       int32_t *NMSG, int32_t *NROWS);

/* The final geometry and steel: heights, footing thickness, toe and footing
 * widths, key depth, least stem thickness, batter BW (degrees), the stem's
 * thickness at its base TB, the heel length behind it WH, the steel areas and
 * the piles per unit length of wall. */
KELDOR_API void GETGEO(float *H, float *HT, float *TF, float *WT, float *WF, float *DK,
                       float *TWMIN, float *BW, float *TB, float *WH, float *ASW, float *ASFTOP,
                       float *ASFBOT, float *NPILES);

/* The horizontal earth forces and their heights above the base of the back
 * plane of the stem (ILOC 1) or the footing analysis (ILOC 2): earth, earth
 * with surcharge, seismic. THETA and KEQV (3 entries each, in that order):
 * for an irregular backfill the critical failure angle and the equivalent
 * pressure coefficient; for a constant slope no angle and the coefficients
 * given. All NaN when that analysis did not run. */
enum { KELDOR_STEM_PLANE = 1, KELDOR_FOOTING_PLANE = 2 }; /* ILOC */
KELDOR_API void GETEF(const int32_t *ILOC, float *PEH, float *YE, float *PESH, float *YES,
                      float *PEQH, float *YEQ, float *THETA, float *KEQV);

/* Check K (1 ... NCHECK) in report order: its report line, place, load
 * combination and load set, what is checked, the figures and ratio, and the
 * verdict as the report prints it ("OKAY" or "NG  ", 4 characters). */
KELDOR_API void GETCHK(const int32_t *K, int32_t *LINE, int32_t *PLACE, int32_t *LC,
                       int32_t *LSET, int32_t *CHECK, float *DEMAND, float *LIMIT,
                       float *RATIO, char *VERDICT);

/* Message K (1 ... NMSG): its report line and its text without the leading
 * and trailing blanks, in a field of 132 characters. */
KELDOR_API void GETMSG(const int32_t *K, int32_t *LINE, char *TEXT);

/* Pile row J (1 ... NROWS) of the final analysis: distance from the toe,
 * batter (degrees), spacing along the wall, and the largest and least axial
 * load of the row over the load combinations of the pile analysis. */
KELDOR_API void GETPIL(const int32_t *J, float *PILEX, float *PILEB, float *PILES, float *PMAX,
                       float *PMIN);

/* The base reactions of the final analysis, one per load combination it
 * analysed (NREACT; a design's trials record none). Reaction K (1 ... NREACT):
 * its load combination LC; for a spread footing the eccentricity E from the
 * footing's centre (positive towards the toe) and the toe and heel pressures
 * (both 0 when the resultant lies outside the base; NaN for a pile footing);
 * for a pile footing NROWS, the number of rows whose axial load per pile
 * GETRPL gives (row J, 1 ... NROWS; NaN out of range). */
KELDOR_API void GETNRC(int32_t *NREACT);
KELDOR_API void GETRCT(const int32_t *K, int32_t *LC, float *E, float *QTOE, float *QHEEL,
                       int32_t *NROWS);
KELDOR_API void GETRPL(const int32_t *K, const int32_t *J, float *P);

#ifdef __cplusplus
}
#endif

#endif /* KELDOR_H */
