#include "unit_conversion.h"

#include "keldor.h"

namespace fe {

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kNewtonsPerPound = 4.4482216152605;

using Field = float InputRecord::*;
using Array = RecordArray InputRecord::*;

// Every value of the record that has a unit, by its unit.
struct Scaled {
  Unit unit;
  Field field;
};
const Scaled kFields[] = {
    {Unit::UnitWeight, &InputRecord::RHOC},   {Unit::Strength, &InputRecord::FC},
    {Unit::Strength, &InputRecord::FS},       {Unit::UnitWeight, &InputRecord::RHOS},
    {Unit::Stress, &InputRecord::COH},        {Unit::LoadPerLength, &InputRecord::PD},
    {Unit::Length, &InputRecord::PDX},        {Unit::LoadPerLength, &InputRecord::PL},
    {Unit::Length, &InputRecord::PLX},        {Unit::LoadPerLength, &InputRecord::VW},
    {Unit::MomentPerLength, &InputRecord::MW}, {Unit::LoadPerLength, &InputRecord::VEQ},
    {Unit::MomentPerLength, &InputRecord::MEQ}, {Unit::Length, &InputRecord::H},
    {Unit::Length, &InputRecord::HT},         {Unit::Stress, &InputRecord::SUR},
    {Unit::Length, &InputRecord::TWMIN},      {Unit::Length, &InputRecord::TFMIN},
    {Unit::Length, &InputRecord::TF},         {Unit::Length, &InputRecord::DKMAX},
    {Unit::Length, &InputRecord::DK},         {Unit::Length, &InputRecord::WTMAX},
    {Unit::Length, &InputRecord::WT},         {Unit::Length, &InputRecord::WHMAX},
    {Unit::Length, &InputRecord::WF},         {Unit::Length, &InputRecord::WTMIN},
    {Unit::AreaPerLength, &InputRecord::ASW}, {Unit::AreaPerLength, &InputRecord::ASFTOP},
    {Unit::AreaPerLength, &InputRecord::ASFBOT}, {Unit::Length, &InputRecord::CW},
    {Unit::Length, &InputRecord::CFTOP},      {Unit::Length, &InputRecord::CFBOT},
    {Unit::Length, &InputRecord::DBAR},       {Unit::Stress, &InputRecord::Q},
    {Unit::Stress, &InputRecord::QW},         {Unit::Stress, &InputRecord::QEQ},
    {Unit::Length, &InputRecord::PILEDIA},    {Unit::Length, &InputRecord::PILEME},
    {Unit::Length, &InputRecord::PILEMS},     {Unit::PileLoad, &InputRecord::PILEP},
    {Unit::PileLoad, &InputRecord::PILEPW},   {Unit::PileLoad, &InputRecord::PILEPEQ},
    {Unit::PileLoad, &InputRecord::PILEV},    {Unit::PileLoad, &InputRecord::PILEVW},
    {Unit::PileLoad, &InputRecord::PILEVEQ},
};

struct ScaledArray {
  Unit unit;
  Array array;
};
const ScaledArray kArrays[] = {
    {Unit::Length, &InputRecord::LSEG},  {Unit::LoadPerLength, &InputRecord::SURL},
    {Unit::Length, &InputRecord::XSBEG}, {Unit::Length, &InputRecord::YSBEG},
    {Unit::Length, &InputRecord::XSEND}, {Unit::Length, &InputRecord::YSEND},
    {Unit::Length, &InputRecord::PILEX}, {Unit::Length, &InputRecord::PILES},
};

// One rounding: the exact product in double, then the nearest float.
float Scale(float v, double factor) { return static_cast<float>(static_cast<double>(v) * factor); }

}  // namespace

double ToSIFactor(Unit unit) {
  const double in = kMillimetresPerInch, lb = kNewtonsPerPound;
  switch (unit) {
    case Unit::None:
    case Unit::Angle:
      return 1.0;
    case Unit::Length:
      return in;  // in to mm
    case Unit::UnitWeight:
      return lb / (in * in * in);  // lb/in³ to N/mm³
    case Unit::Stress:
    case Unit::Strength:
      return lb / (in * in);  // psi to MPa
    case Unit::LoadPerLength:
      return lb / in;  // lbs/in to N/mm
    case Unit::MomentPerLength:
      return lb;  // in-lb/in to N-mm/mm
    case Unit::AreaPerLength:
      return in;  // in²/in to mm²/mm
    case Unit::PileLoad:
      return lb;  // lbs to N
  }
  return 1.0;
}

bool ConvertUnits(InputRecord& r, std::int32_t units) {
  const bool known = [](std::int32_t u) { return u == KELDOR_ENGLISH || u == KELDOR_SI; }(r.IUNITS);
  if (!known || (units != KELDOR_ENGLISH && units != KELDOR_SI) || units == r.IUNITS) return false;
  const bool toSI = units == KELDOR_SI;
  for (const Scaled& s : kFields) {
    const double f = ToSIFactor(s.unit);
    r.*(s.field) = Scale(r.*(s.field), toSI ? f : 1.0 / f);
  }
  for (const ScaledArray& s : kArrays) {
    const double f = ToSIFactor(s.unit);
    RecordArray& a = r.*(s.array);
    for (int i = 1; i <= a.size(); ++i) a(i) = Scale(a(i), toSI ? f : 1.0 / f);
  }
  r.IUNITS = units;
  return true;
}

}  // namespace fe
