// The main window's tabs as data: every frame, box, option, label and button
// with its caption, object name, the record field it shows and edits, its
// tooltips and its unit. The window builds, connects, refreshes and sets its
// tooltips by walking these tables.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "input_options.h"
#include "input_record.h"

namespace fe {

// The unit of a box's value; its name depends on the record's unit system.
enum class Unit {
  None,  // a ratio, factor or count
  Length,
  UnitWeight,
  Stress,    // pressures: bearing, surcharge, cohesion
  Strength,  // of concrete and steel
  LoadPerLength,
  MomentPerLength,
  AreaPerLength,
  PileLoad,
  Angle,
};

// The unit's short name in English (1) or SI (2) units ("in", "mm", "psi",
// "MPa", ...); empty for Unit::None.
const char* UnitName(Unit unit, std::int32_t units);

// The unit engineers think in for a value of `unit` in the record's unit
// system: the factor from the record's unit and its name ("pcf", "kN/m").
// False for angles and plain numbers, and for strengths in SI (already MPa).
struct EngineerUnit {
  double factor = 1.0;
  const char* name = "";
};
bool EngineerUnitOf(Unit unit, std::int32_t units, EngineerUnit* out);

// The value in the unit engineers think in, after an equals sign
// ("= 150 pcf" for .0868 lb/in³, "= 10 ft" for 120 in); empty for angles and
// plain numbers.
std::string EngineerValue(Unit unit, std::int32_t units, float value);

enum class ControlKind { Box, Count, Label, Option, Button };

// Which boxes the window writes from the record, by the record's options.
enum class Shown {
  Always,
  KnownSoil,      // ISOIL is constant slope or irregular
  ConstantSlope,  // ISOIL is constant slope
  KnownMode,      // IMODE is design or review
  DesignOnly,     // IMODE is design
  SpreadFooting,  // IFOOT is spread
  PileFooting,    // IFOOT is pile
};

// How a box stores what is typed.
enum class Pairing {
  None,    // into its field
  Both,    // into its field and the review value of its pair, in either mode
  ByMode,  // into its field under Design, the review value under Review
};

struct TabControl {
  ControlKind kind;
  const char* caption;
  const char* name;                   // object name; nullptr for a plain label
  const char* field = nullptr;        // record field (the design limit of a pair)
  const char* reviewField = nullptr;  // the review value of a pair
  const char* reviewCaption = nullptr;  // the caption in review mode
  const char* english = nullptr;      // tooltip
  const char* si = nullptr;           // tooltip in SI units; nullptr: the English one
  Unit unit = Unit::None;
  Shown shown = Shown::Always;
  Pairing pairing = Pairing::None;
  CountGroup group = CountGroup::LoadCombinations;  // of a count box or an editor's button
  int column = 0;                     // of an option: 0 starts a row, 1 sits beside it
  bool wrap = false;                  // a label that wraps its words
};

struct TabFrame {
  const char* name;
  const char* caption;
  int row, column, rowSpan, columnSpan;
  std::vector<TabControl> controls;
};

struct WindowTab {
  const char* caption;
  std::vector<TabFrame> frames;
  int stretchRow;          // the page's empty row that takes the spare height
  int stretchColumn = -1;  // the page's column that takes the spare width, if any
};

// The tabs in their order.
const std::vector<WindowTab>& WindowTabs();

// Calls visit(control) for every control of every tab, in the tabs' order.
template <typename Visit>
void ForEachControl(Visit&& visit) {
  for (const WindowTab& tab : WindowTabs())
    for (const TabFrame& frame : tab.frames)
      for (const TabControl& control : frame.controls) visit(control);
}

// The tooltip of a control for the unit system (1 English, 2 SI); nullptr
// when it has none.
const char* Tooltip(const TabControl& c, std::int32_t units);

// The caption of a box for the analysis mode.
const char* Caption(const TabControl& c, std::int32_t mode);

// Whether the window writes the box from the record, and the value it shows.
bool Written(InputRecord& r, const TabControl& box, float* value);

// Stores what is typed into a number box by its pairing; false when the
// number is too large for a 32-bit float (nothing changes). `kept` is then the
// value the box shows again.
bool StoreBox(InputRecord& r, const TabControl& box, std::string_view text, ModeButton selected);
float KeptValue(InputRecord& r, const TabControl& box, ModeButton selected);

}  // namespace fe
