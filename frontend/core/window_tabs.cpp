#include "window_tabs.h"

#include <cassert>
#include <cstdio>
#include <string>

#include "keldor.h"

#include "record_fields.h"

namespace fe {

namespace {

using K = ControlKind;

// A number box of one field; `si` nullptr when the tooltip names no unit.
TabControl Number(const char* caption, const char* name, Unit unit, const char* english,
                  const char* si = nullptr, Shown shown = Shown::Always) {
  TabControl c{K::Box, caption, name};
  c.field = name + 3;  // "txtRHOC" edits RHOC
  c.unit = unit;
  c.english = english;
  c.si = si;
  c.shown = shown;
  return c;
}

// A box that edits a design limit in design mode and its review value in
// review mode.
TabControl Pair(const char* caption, const char* reviewCaption, const char* name,
                const char* review, Pairing pairing, Unit unit, const char* english,
                const char* si) {
  TabControl c = Number(caption, name, unit, english, si, Shown::KnownMode);
  c.reviewField = review;
  c.reviewCaption = reviewCaption;
  c.pairing = pairing;
  return c;
}

TabControl CountBox(const char* caption, const char* name, CountGroup group, const char* tip) {
  TabControl c{K::Count, caption, name};
  c.group = group;
  c.english = tip;
  return c;
}

TabControl Text(const char* caption, bool wrap = false) {
  TabControl c{K::Label, caption, nullptr};
  c.wrap = wrap;
  return c;
}

TabControl Choice(const char* caption, const char* name, int column, const char* tip) {
  TabControl c{K::Option, caption, name};
  c.column = column;
  c.english = tip;
  return c;
}

TabControl Opener(const char* caption, const char* name, CountGroup group, const char* tip) {
  TabControl c{K::Button, caption, name};
  c.group = group;
  c.english = tip;
  return c;
}

// Tooltips of the three load kinds' boxes that name no unit.
TabControl Factor(const char* caption, const char* name, const char* tip) {
  return Number(caption, name, Unit::None, tip);
}

constexpr const char* kRegular = "Regular loads:";
constexpr const char* kWind = "Wind loads:";
constexpr const char* kSeismic = "Seismic loads:";
constexpr const char* kAtTop = "Load At Top of Wall:";

using U = Unit;

// Tooltips shared by several boxes.
constexpr const char* kPileLoad = "Enter allowable pile load in pounds";
constexpr const char* kPileLoadSI = "Enter allowable pile load in Newtons";
constexpr const char* kBearing = "Enter soil bearing pressure in lbs/in^2";
constexpr const char* kBearingSI = "Enter soil bearing pressure in N/mm^2 (MPa)";
constexpr const char* kArea = "Enter steel area in in^2";
constexpr const char* kAreaSI = "Enter steel area in mm^2";
constexpr const char* kCover = "Enter concrete cover in inches";
constexpr const char* kCoverSI = "Enter concrete cover in millimeters";
constexpr const char* kDistance = "Enter distance in inches";
constexpr const char* kDistanceSI = "Enter distance in millimeters";

WindowTab ProgramOptions() {
  return {"Program Options",
          {{"fraUnits", "PROGRAM UNITS", 0, 0, 1, 1,
            {Choice("English", "optEnglish", 0, "Select English units"),
             Choice("SI", "optSI", 1, "Select SI units")}},
           {"fraAM", "ANALYSIS MODE", 0, 1, 1, 1,
            {Choice("Design", "optDesign", 0, "Select design option"),
             Choice("Review", "optReview", 1, "Select review option")}},
           {"fraCD", "CONCRETE DESIGN", 1, 0, 1, 1,
            {Choice("Ultimate strength", "optUS", 0, "Select ultimate strength design"),
             Choice("Working stress", "optWS", 1, "Select working stress design")}},
           {"fraSC", "SOIL CONFIGURATION", 1, 1, 1, 1,
            {Choice("Constant slope", "optConst", 0, "Select constant slope backfill"),
             Choice("Irregular", "optIrreg", 1, "Select irregular slope backfill")}},
           {"fraFT", "FOUNDATION TYPE", 2, 0, 1, 1,
            {Choice("Spread footing", "optSpread", 0, "Select spread footing"),
             Choice("Pile footing", "optPile", 1, "Select pile footing")}},
           {"fraVOL", "OPTIMIZE SPREAD FOOTING", 2, 1, 1, 1,
            {Choice("Volume", "optVOLUME", 0, "Optimize by footing volume"),
             Choice("Width", "optWIDTH", 1, "Optimize by footing width")}}},
          3};
}

WindowTab MaterialProperties() {
  return {"&Material Properties",
          {{"fraConcrete", "CONCRETE PROPERTIES", 0, 0, 1, 1,
            {Number("Concrete unit weight:", "txtRHOC", U::UnitWeight,
                    "Enter concrete unit weight in lb/in^3", "Enter concrete unit weight in N/mm^3"),
             Number("Concrete compressive strength:", "txtFC", U::Strength,
                    "Enter concrete compressive strength in lb/in^2",
                    "Enter concrete compressive strength in N/mm^2 (MPa)"),
             Number("Reinforcing steel strength:", "txtFS", U::Strength,
                    "Enter reinforcing steel strength in lb/in^2",
                    "Enter reinforcing steel strength in N/mm^2 (MPa)")}},
           {"fraSoil", "SOIL PROPERTIES", 0, 1, 1, 1,
            {Number("Soil unit weight:", "txtRHOS", U::UnitWeight, "Enter soil unit weight in lb/in^3",
                    "Enter soil unit weight in N/mm^3"),
             Number("Soil friction angle:", "txtPHI", U::Angle, "Enter soil friction angle in degrees"),
             Number("Soil base cohesion:", "txtCOH", U::Stress, "Enter soil base cohesion in lb/in^2",
                    "Enter soil base cohesion in N/mm^2 (MPa)")}}},
          1};
}

WindowTab SoilParameters() {
  return {"Soil Parameters",
          {{"fraActive", "LATERAL PRESSURE COEFFICIENT", 0, 0, 1, 1,
            {Factor(kRegular, "txtKA", "Enter Ka for regular loads"),
             Factor("Minimum height fraction:", "txtYE",
                    "Enter height fraction to center of regular loads"),
             Factor(kSeismic, "txtKAEQ", "Enter Kae for seismic loads"),
             Factor("Minimum height fraction:", "txtYEQ",
                    "Enter height fraction to center of seismic loads")}},
           {"fraPassive", "PASSIVE PRESSURE COEFFICIENT", 0, 1, 1, 1,
            {Factor(kRegular, "txtKP", "Enter Kp for regular loads"),
             Factor(kSeismic, "txtKPEQ", "Enter Kp for seismic loads")}},
           {"fraSSFC", "SOIL/SOIL FRICTION COEFFICIENT", 1, 0, 1, 1,
            {Factor(kRegular, "txtSS", "Enter coefficient for vertical component of regular loads"),
             Factor(kWind, "txtSSW", "Enter coefficient for vertical component of wind loads"),
             Factor(kSeismic, "txtSSEQ",
                    "Enter coefficient for vertical component of seismic loads")}},
           {"fraMISC", "SOIL/SOIL FRICTION OPTION", 1, 1, 1, 1,
            {Text("Use vertical component of lateral earth pressure to resist sliding?", true),
             Choice("Yes", "optSLYes", 0, "Include vertical component to resist sliding"),
             Choice("No", "optSLNo", 1, "Do not include vertical component to resist sliding")}}},
          2};
}

WindowTab Loads() {
  return {"Loads",
          {{"fraDL", "DEAD LOAD", 0, 0, 1, 1,
            {Text(kAtTop),
             Number("Axial:", "txtPD", U::LoadPerLength, "Enter dead load in lbs/in",
                    "Enter dead load in N/mm"),
             Number("Distance to Face:", "txtPDX", U::Length, kDistance, kDistanceSI)}},
           {"fraLL", "LIVE LOAD", 0, 1, 1, 1,
            {Text(kAtTop),
             Number("Axial:", "txtPL", U::LoadPerLength, "Enter live load in lbs/in",
                    "Enter live load in N/mm"),
             Number("Distance to Face:", "txtPLX", U::Length, kDistance, kDistanceSI)}},
           {"fraW", "WIND LOAD", 1, 0, 1, 1,
            {Text(kAtTop),
             Number("Shear:", "txtVW", U::LoadPerLength, "Enter wind load in lbs/in",
                    "Enter wind load in N/mm"),
             Number("Moment:", "txtMW", U::MomentPerLength, "Enter wind moment in in-lb/in",
                    "Enter wind moment in N-mm/mm")}},
           {"fraEQ", "SEISMIC LOAD", 1, 1, 2, 1,
            {Text("Ground Acceleration (G's)"),
             Factor("Horizontal:", "txtAH", "Enter horizontal acceleration"),
             Factor("Vertical Up:", "txtAV", "Enter vertical acceleration"), Text(kAtTop),
             Number("Shear:", "txtVEQ", U::LoadPerLength, "Enter seismic load in lbs/in",
                    "Enter seismic load in N/mm"),
             Number("Moment:", "txtMEQ", U::MomentPerLength, "Enter seismic moment in in-lb/in",
                    "Enter seismic moment in N-mm/mm")}},
           {"fraLC", "LOAD COMBINATIONS", 2, 0, 1, 1,
            {CountBox("Number of load combinations", "txtNLC", CountGroup::LoadCombinations,
                      "Enter number of load combinations"),
             Opener("View &Combinations", "cmdViewLC", CountGroup::LoadCombinations,
                    "Open load combinations form")}}},
          3};
}

WindowTab SoilConfiguration() {
  return {"Soil Configuration",
          {{"fraSConfig", "SOIL CONFIGURATION", 0, 0, 2, 1,
            {Number("Design height:", "txtH", U::Length, "Enter wall design height in inches",
                    "Enter wall design height in millimeters", Shown::KnownSoil),
             Number("Height of soil over toe:", "txtHT", U::Length,
                    "Enter height of soil over toe in inches",
                    "Enter height of soil over toe in millimeters", Shown::KnownSoil),
             Number("Backfill slope angle:", "txtBETA", U::Angle,
                    "Enter backfill slope angle in degrees", nullptr, Shown::ConstantSlope),
             CountBox("Number of irregular backfill segments", "txtNSEG", CountGroup::GroundSegments,
                      "Enter number of irregular backfill segments"),
             Opener("View &segments", "cmdViewSeg", CountGroup::GroundSegments,
                    "Open segments form")}},
           {"fraSur", "UNIFORM SURCHARGE LOAD", 0, 1, 1, 1,
            {Number("Pressure:", "txtSUR", U::Stress, "Enter uniform surcharge load in lbs/in^2",
                    "Enter uniform surcharge load in N/mm^2 (MPa)", Shown::ConstantSlope)}},
           {"fraISur", "IRREGULAR SURCHARGE LOAD", 1, 1, 1, 1,
            {CountBox("Number of irregular surcharge loads", "txtnsur", CountGroup::Surcharges,
                      "Enter number of irregular surcharge loads"),
             Opener("View &Loads", "cmdViewL", CountGroup::Surcharges,
                    "Open irregular surcharge loads form")}}},
          2};
}

WindowTab WallConfiguration() {
  return {"Wall Configuration",
          {{"fraRW", "RETAINING WALL CONFIGURATION", 0, 0, 1, 1,
            {Number("Minimum wall thickness:", "txtTWMIN", U::Length, "Enter wall thickness in inches",
                    "Enter wall thickness in millimeters", Shown::KnownMode),
             Pair("Min wall batter:", "Wall batter:", "txtBWMIN", "BW", Pairing::Both, U::Angle,
                  "Enter wall batter in degrees from vertical", nullptr),
             Pair("Min footing thickness:", "Footing thickness:", "txtTFMIN", "TF", Pairing::Both,
                  U::Length, "Enter footing thickness in inches",
                  "Enter footing thickness in millimeters"),
             Pair("Key depth:", nullptr, "txtDKMAX", "DK", Pairing::Both, U::Length,
                  "Enter key depth in inches", "Enter key depth in millimeters"),
             Pair("Max toe width:", "Toe width:", "txtWTMAX", "WT", Pairing::ByMode, U::Length,
                  "Enter toe width in inches", "Enter toe width in millimeters"),
             Pair("Max heel width:", "Footing width:", "txtWHMAX", "WF", Pairing::ByMode, U::Length,
                  "Enter width in inches", "Enter width in millimeters"),
             Number("Minimum toe width:", "txtWTMIN", U::Length, "Enter toe width in inches",
                    "Enter toe width in millimeters", Shown::DesignOnly)}}},
          1, 1};
}

WindowTab RebarConfiguration() {
  return {"Re&bar Configuration",  // Alt+R is Run
          {{"fraRebar", "REINFORCING STEEL AREA", 0, 0, 1, 1,
            {Number("At wall backface:", "txtASW", U::AreaPerLength, kArea, kAreaSI),
             Number("At top of footing:", "txtASFTOP", U::AreaPerLength, kArea, kAreaSI),
             Number("At bottom of footing:", "txtASFBOT", U::AreaPerLength, kArea, kAreaSI)}},
           {"fraCover", "CONCRETE COVER", 0, 1, 1, 1,
            {Number("At wall backface:", "txtCW", U::Length, kCover, kCoverSI),
             Number("At top of footing:", "txtCFTOP", U::Length, kCover, kCoverSI),
             Number("At bottom of footing:", "txtCFBOT", U::Length, kCover, kCoverSI)}},
           {"fraReinf", "REINFORCING STEEL INFORMATION", 1, 0, 1, 1,
            {Number("Reinforcing bar diameter:", "txtDBAR", U::Length,
                    "Enter bar diameter in inches", "Enter bar diameter in millimeters"),
             Factor("Ratio of balanced reinforcing:", "txtRATIO",
                    "Enter ratio of balanced reinforcing")}}},
          2};
}

WindowTab SpreadFooting() {
  return {"Spread Footing",
          {{"fraQ", "SOIL BEARING PRESSURE", 0, 0, 1, 1,
            {Number(kRegular, "txtQ", U::Stress, kBearing, kBearingSI, Shown::SpreadFooting),
             Number(kWind, "txtQW", U::Stress, kBearing, kBearingSI, Shown::SpreadFooting),
             Number(kSeismic, "txtQEQ", U::Stress, kBearing, kBearingSI, Shown::SpreadFooting)}},
           {"fraCSFC", "CONC/SOIL FRICTION COEFFICIENT", 0, 1, 1, 1,
            {Number(kRegular, "txtCS", U::None, "Enter base friction coefficient for regular loads",
                    nullptr, Shown::SpreadFooting),
             Number(kWind, "txtCSW", U::None, "Enter base friction coefficient for wind loads",
                    nullptr, Shown::SpreadFooting),
             Number(kSeismic, "txtCSEQ", U::None, "Enter base friction coefficient for seismic loads",
                    nullptr, Shown::SpreadFooting)}},
           {"fraOT", "OVERTURNING SAFETY FACTORS", 1, 0, 1, 1,
            {Number(kRegular, "txtSFOT", U::None, "Enter overturning safety factor for regular loads",
                    nullptr, Shown::SpreadFooting),
             Number(kWind, "txtSFOTW", U::None, "Enter overturning safety factor for wind loads",
                    nullptr, Shown::SpreadFooting),
             Number(kSeismic, "txtSFOTEQ", U::None,
                    "Enter overturning safety factor for seismic loads", nullptr,
                    Shown::SpreadFooting)}},
           {"fraSL", "SLIDING SAFETY FACTORS", 1, 1, 1, 1,
            {Number(kRegular, "txtSFSL", U::None, "Enter sliding safety factor for regular loads",
                    nullptr, Shown::SpreadFooting),
             Number(kWind, "txtSFSLW", U::None, "Enter sliding safety factor for wind loads", nullptr,
                    Shown::SpreadFooting),
             Number(kSeismic, "txtSFSLEQ", U::None, "Enter sliding safety factor for seismic loads",
                    nullptr, Shown::SpreadFooting)}}},
          2};
}

WindowTab PileFooting() {
  return {"Pile Footing",
          {{"fraPILE", "PILE DESIGN PROPERTIES", 0, 0, 1, 1,
            {Number("Pile diameter:", "txtPILEDIA", U::Length, "Enter pile diameter in inches",
                    "Enter pile diameter in millimeters", Shown::PileFooting),
             Number("Min edge distance:", "txtPILEME", U::Length, "Enter pile edge distance in inches",
                    "Enter pile edge distance in millimeters", Shown::PileFooting),
             Number("Minimum spacing:", "txtPILEMS", U::Length, "Enter pile spacing in inches",
                    "Enter pile spacing in millimeters", Shown::PileFooting),
             Number("Pile batter angle:", "txtPILEBAT", U::Angle,
                    "Enter pile batter angle in degrees'", nullptr, Shown::PileFooting)}},
           {"fraPILEP", "ALLOWABLE AXIAL PILE LOAD", 0, 1, 1, 1,
            {Number(kRegular, "txtPILEP", U::PileLoad, kPileLoad, kPileLoadSI, Shown::PileFooting),
             Number(kWind, "txtPILEPW", U::PileLoad, kPileLoad, kPileLoadSI, Shown::PileFooting),
             Number(kSeismic, "txtPILEPEQ", U::PileLoad, kPileLoad, kPileLoadSI,
                    Shown::PileFooting)}},
           {"fraPC", "PILE LAYOUT", 1, 0, 1, 1,
            {CountBox("Number of rows of piles:", "txtNROWS", CountGroup::PileRows,
                      "Enter number of rows of piles"),
             Opener("View &Pile Layout", "cmdROWS", CountGroup::PileRows, "Open pile layout form")}},
           {"fraPILEV", "ALLOWABLE LATERAL PILE LOAD", 1, 1, 1, 1,
            {Number(kRegular, "txtPILEV", U::PileLoad, kPileLoad, kPileLoadSI, Shown::PileFooting),
             Number(kWind, "txtPILEVW", U::PileLoad, kPileLoad, kPileLoadSI, Shown::PileFooting),
             Number(kSeismic, "txtPILEVEQ", U::PileLoad, kPileLoad, kPileLoadSI,
                    Shown::PileFooting)}}},
          2};
}

std::vector<WindowTab> MakeTabs() {
  return {ProgramOptions(), MaterialProperties(), SoilParameters(), Loads(), SoilConfiguration(),
          WallConfiguration(), RebarConfiguration(), SpreadFooting(), PileFooting()};
}

bool IsShown(const InputRecord& r, Shown shown) {
  switch (shown) {
    case Shown::Always:
      return true;
    case Shown::KnownSoil:
      return r.ISOIL == KELDOR_CONSTANT_SLOPE || r.ISOIL == KELDOR_IRREGULAR;
    case Shown::ConstantSlope:
      return r.ISOIL == KELDOR_CONSTANT_SLOPE;
    case Shown::KnownMode:
      return r.IMODE == KELDOR_DESIGN || r.IMODE == KELDOR_REVIEW;
    case Shown::DesignOnly:
      return r.IMODE == KELDOR_DESIGN;
    case Shown::SpreadFooting:
      return r.IFOOT == KELDOR_SPREAD_FOOTING;
    case Shown::PileFooting:
      return r.IFOOT == KELDOR_PILE_FOOTING;
  }
  return false;
}

float& Field(InputRecord& r, const char* name) {
  float* f = FloatField(r, name);
  assert(f != nullptr && "every field in the tables is a float field of the record");
  return *f;
}

}  // namespace

const char* UnitName(Unit unit, std::int32_t units) {
  const bool si = units == KELDOR_SI;
  switch (unit) {
    case Unit::None:
      return "";
    case Unit::Length:
      return si ? "mm" : "in";
    case Unit::UnitWeight:
      return si ? "N/mm\u00b3" : "lb/in\u00b3";
    case Unit::Stress:
    case Unit::Strength:
      return si ? "MPa" : "psi";
    case Unit::LoadPerLength:
      return si ? "N/mm" : "lbs/in";
    case Unit::MomentPerLength:
      return si ? "N-mm/mm" : "in-lb/in";
    case Unit::AreaPerLength:
      return si ? "mm\u00b2/mm" : "in\u00b2/in";
    case Unit::PileLoad:
      return si ? "N/pile" : "lbs/pile";
    case Unit::Angle:
      return "deg";
  }
  return "";
}

bool EngineerUnitOf(Unit unit, std::int32_t units, EngineerUnit* out) {
  const bool si = units == KELDOR_SI;
  double& factor = out->factor;
  const char*& name = out->name;
  switch (unit) {
    case Unit::None:
    case Unit::Angle:
      return false;
    case Unit::Length:
      factor = si ? 0.001 : 1.0 / 12.0, name = si ? "m" : "ft";
      break;
    case Unit::UnitWeight:
      factor = si ? 1.0e6 : 1728.0, name = si ? "kN/m\u00b3" : "pcf";
      break;
    case Unit::Stress:
      factor = si ? 1000.0 : 144.0, name = si ? "kPa" : "psf";
      break;
    case Unit::Strength:
      if (si) return false;  // MPa already
      factor = 0.001, name = "ksi";
      break;
    case Unit::LoadPerLength:
      factor = si ? 1.0 : 12.0, name = si ? "kN/m" : "plf";
      break;
    case Unit::MomentPerLength:
      factor = 0.001, name = si ? "kN-m/m" : "kip-ft/ft";
      break;
    case Unit::AreaPerLength:
      factor = si ? 1000.0 : 12.0, name = si ? "mm\u00b2/m" : "in\u00b2/ft";
      break;
    case Unit::PileLoad:
      factor = 0.001, name = si ? "kN/pile" : "kips/pile";
      break;
  }
  return true;
}

std::string EngineerValue(Unit unit, std::int32_t units, float value) {
  EngineerUnit engineer;
  if (!EngineerUnitOf(unit, units, &engineer)) return "";
  const double shown = static_cast<double>(value) * engineer.factor;
  char text[64];
  std::snprintf(text, sizeof text, shown >= 1.0e5 || shown <= -1.0e5 ? "= %.0f %s" : "= %.4g %s",
                shown, engineer.name);
  return text;
}

const std::vector<WindowTab>& WindowTabs() {
  static const std::vector<WindowTab> tabs = MakeTabs();
  return tabs;
}

const char* Tooltip(const TabControl& c, std::int32_t units) {
  return units == KELDOR_SI && c.si != nullptr ? c.si : c.english;
}

const char* Caption(const TabControl& c, std::int32_t mode) {
  return mode == KELDOR_REVIEW && c.reviewCaption != nullptr ? c.reviewCaption : c.caption;
}

bool Written(InputRecord& r, const TabControl& box, float* value) {
  if (!IsShown(r, box.shown)) return false;
  const bool review = box.reviewField != nullptr && r.IMODE == KELDOR_REVIEW;
  *value = Field(r, review ? box.reviewField : box.field);
  return true;
}

bool StoreBox(InputRecord& r, const TabControl& box, std::string_view text, ModeButton selected) {
  float& design = Field(r, box.field);
  switch (box.pairing) {
    case Pairing::None:
      return StoreNumber(design, text);
    case Pairing::Both:
      return StorePair(design, Field(r, box.reviewField), text);
    case Pairing::ByMode:
      return StoreByMode(design, Field(r, box.reviewField), text, selected);
  }
  return false;
}

float KeptValue(InputRecord& r, const TabControl& box, ModeButton selected) {
  const bool review = box.pairing == Pairing::ByMode && selected == ModeButton::Review;
  return Field(r, review ? box.reviewField : box.field);
}

}  // namespace fe
