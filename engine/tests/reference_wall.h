// Test support: the hand-calculated Rankine wall, entered through the set
// operations as a review input. Stem 10 ft high and 12 in thick without
// batter, footing 18 in thick and 8 ft wide with a 3 ft toe, level backfill,
// soil 120 pcf, concrete 150 pcf (both per cubic inch), Ka = 1/3, base
// friction 0.5, no passive resistance or cohesion, one combination D + E
// (+ SC when a surcharge is given). Also: load combinations, pile rows and
// irregular ground.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "driver.h"
#include "keldor.h"
#include "state.h"

namespace keldor {
namespace testing_support {

inline void SetReferenceWall(float sur, float fsur) {
  const int32_t opt[] = {1, 2, 1, 1, 1, 1};
  SETOPT(&opt[0], &opt[1], &opt[2], &opt[3], &opt[4], &opt[5]);
  const float mat[] = {0.086806f, 4000.0f, 60000.0f, 0.069444f, 0.0f, 0.0f};
  SETMAT(&mat[0], &mat[1], &mat[2], &mat[3], &mat[4], &mat[5]);
  const float sp[] = {0.33333f, 0.33333f, 0.0f, 0.5f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
  const int32_t optsl = 1;
  SETSP(&sp[0], &sp[1], &sp[2], &sp[3], &sp[4], &sp[5], &sp[6], &sp[7], &sp[8], &optsl);
  const float z = 0.0f;
  const int32_t nlc = 1;
  SETLC(&z, &z, &z, &z, &z, &z, &z, &z, &z, &z, &nlc);
  const float h = 120.0f;
  const int32_t none = 0;
  SETSCON(&h, &z, &z, &sur, &none, &none);
  const float w[] = {12.0f, 0.0f, 0.0f, 0.0f, 18.0f, 0.0f, 0.0f, 0.0f, 36.0f, 0.0f, 96.0f, 0.0f};
  SETWCON(&w[0], &w[1], &w[2], &w[3], &w[4], &w[5], &w[6], &w[7], &w[8], &w[9], &w[10], &w[11]);
  const float rc[] = {0.5f, 0.5f, 0.5f, 2.0f, 2.0f, 3.0f, 1.0f, 0.5f};
  SETRCON(&rc[0], &rc[1], &rc[2], &rc[3], &rc[4], &rc[5], &rc[6], &rc[7]);
  const float sf[] = {20.0f, 20.0f, 20.0f, 0.5f, 0.5f, 0.5f, 2.0f, 1.5f, 1.5f, 1.5f, 1.2f, 1.2f};
  SETSF(&sf[0], &sf[1], &sf[2], &sf[3], &sf[4], &sf[5], &sf[6], &sf[7], &sf[8], &sf[9], &sf[10],
        &sf[11]);
  const float one = 1.0f;
  SETLF(&one, &z, &one, &fsur, &z, &z);
  RunInit();
  S.IOK = 1;
}

// The factors of one load combination.
struct Factors {
  float D, L, E, SC, W, EQ;
};

// Sets the combinations through the set operations, keeping the loads at the
// top of the wall that S holds.
inline void SetCombinations(const std::vector<Factors>& rows) {
  const int32_t nlc = static_cast<int32_t>(rows.size());
  SETLC(&S.PD, &S.PDX, &S.PL, &S.PLX, &S.VW, &S.MW, &S.AH, &S.AV, &S.VEQ, &S.MEQ, &nlc);
  std::vector<float> f[6];
  for (const Factors& r : rows) {
    const float v[] = {r.D, r.L, r.E, r.SC, r.W, r.EQ};
    for (int k = 0; k < 6; ++k) f[k].push_back(v[k]);
  }
  if (!rows.empty())
    SETLF(f[0].data(), f[1].data(), f[2].data(), f[3].data(), f[4].data(), f[5].data());
}

// Pile rows as the layout routines leave them: distance from the toe, batter
// in degrees, spacing along the wall.
struct PileRow {
  float x, batterDegrees, spacing;
};

inline void SetPileRows(const std::vector<PileRow>& rows) {
  S.NROWS = static_cast<int>(rows.size());
  for (RealArray* a : {&S.PILEX, &S.PILEB, &S.PILES, &S.PLOAD}) a->resize(S.NROWS);
  for (int j = 1; j <= S.NROWS; ++j) {
    const PileRow& r = rows[static_cast<std::size_t>(j - 1)];
    S.PILEX(j) = r.x;
    S.PILEB(j) = Radians(r.batterDegrees);
    S.PILES(j) = r.spacing;
  }
}

// An irregular backfill of straight segments (length, angle in degrees),
// set through the set operation.
using Segments = std::vector<std::pair<float, float>>;

inline void SetGround(const Segments& segments) {
  std::vector<float> length, angle;
  for (const auto& s : segments) length.push_back(s.first), angle.push_back(s.second);
  S.NSEG = static_cast<int>(segments.size());
  SETIRR(length.data(), angle.data());
}

}  // namespace testing_support
}  // namespace keldor
