// What the window's option buttons, paired boxes and count boxes do to the
// input record. Each function is the whole handler of one control except for
// the window's own work, which it asks for through WindowHooks at the moment
// the window must do it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "input_record.h"

namespace fe {

// The window's side of the option rules.
class WindowHooks {
 public:
  virtual ~WindowHooks() = default;
  // Writes the whole window from the record.
  virtual void refreshWindow() = 0;
  // Sets the tooltips that name units, for the units now selected.
  virtual void applyTooltips() = 0;
};

// For callers without a window (the batch command, tests that do not care).
class NoWindow : public WindowHooks {
 public:
  void refreshWindow() override {}
  void applyTooltips() override {}
};

// ---- Option buttons ---------------------------------------------------------
// Each sets its field and then, unless the window is refreshing, does its
// extra work; each ends with Refreshing cleared.

// Design (mode 1): every design limit that is not positive takes the review
// value of its pair. Review (mode 2): every review value that is not positive
// takes the design limit. Then the window is refreshed.
void ChooseAnalysisMode(InputRecord& r, std::int32_t mode, WindowHooks& window);
// Ultimate strength (1) or working stress (2); the window is refreshed.
void ChooseConcreteDesign(InputRecord& r, std::int32_t method, WindowHooks& window);
// Constant slope (1) or irregular (2); the window is refreshed, no value is
// reset (PHI and KA keep their values).
void ChooseSoilConfiguration(InputRecord& r, std::int32_t soil, WindowHooks& window);
// Spread (1): the spread-footing defaults come back when Q is not positive.
// Pile (2): the pile defaults come back when PILEP is not positive. Then the
// window is refreshed.
void ChooseFoundation(InputRecord& r, std::int32_t foot, WindowHooks& window);
// Footing optimisation and the sliding option: the field only; Refreshing is
// left alone.
void ChooseOptimisation(InputRecord& r, std::int32_t optim);
void ChooseSlidingOption(InputRecord& r, std::int32_t optsl);

// ---- Units ------------------------------------------------------------------
// English (1) or SI (2). Sets IUNITS; returns true when the window must now
// ask the units question (it is not asked while the window is refreshing, and
// Refreshing is then cleared).
bool ChooseUnits(InputRecord& r, std::int32_t units);

// The units question for the units just chosen: its text (two lines joined by
// a carriage return) and its title. Yes/No buttons, No the default.
std::string UnitsQuestion(std::int32_t units);
inline constexpr const char* kUnitsQuestionTitle = "Program Units";

// The user's answer. No: only the tooltips change. Yes: the tooltips change,
// then every section but the options and the soil parameters takes the
// defaults of the new units, the window is refreshed and Refreshing cleared.
void AnswerUnitsQuestion(InputRecord& r, bool yes, WindowHooks& window);

// ---- Boxes --------------------------------------------------------------------
// A float box: stores the box's numeric value into `field`. Returns false and
// keeps the field when the number is too large for a 32-bit float.
bool StoreNumber(float& field, std::string_view text);

// Batter, footing thickness and key depth: one box stores into both members
// of its pair (BWMIN and BW, TFMIN and TF, DKMAX and DK) in either mode.
bool StorePair(float& design, float& review, std::string_view text);

// The toe and heel boxes store into the member of the selected mode button:
// WTMAX/WHMAX under Design, WT/WF under Review, nowhere when neither is
// selected.
enum class ModeButton { None, Design, Review };
bool StoreByMode(float& design, float& review, std::string_view text, ModeButton selected);

// ---- Counts -------------------------------------------------------------------
enum class CountGroup { LoadCombinations, GroundSegments, Surcharges, PileRows };

enum class CountResult {
  Ignored,  // the window is refreshing: nothing changed
  Set,      // the count is stored and its arrays resized
  Refused,  // not a count of 0..32767: nothing changed; show CountRefusal()
};

// A count box. While the window is not refreshing the count becomes the box's
// number rounded to the nearest integer (halves to the even neighbour); the
// group's records up to the new count keep their values, records past it are
// dropped and new records are zero. Refreshing is cleared in every case.
CountResult StoreCount(InputRecord& r, CountGroup group, std::string_view text);

// While a count is being typed (3, "", 4) every step resizes the arrays; the
// records the group had when the typing began are held in `held`. Records 1
// up to the count now stored take the held values, so that a count typed
// through an empty box or a smaller number keeps every record it had.
void KeepRecords(InputRecord& r, CountGroup group, const InputRecord& held);

// The message for a refused count.
std::string CountRefusal(CountGroup group);

// The count of a group and its arrays.
std::int32_t Count(const InputRecord& r, CountGroup group);

}  // namespace fe
