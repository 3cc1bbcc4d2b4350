// ApplyTooltips: the tooltips of the main window and the record editors; the
// ones that name a unit, and the units beside the boxes, follow the units
// button selected.
#include <QRadioButton>

#include "main_window.h"
#include "number_text.h"
#include "record_editor.h"
#include "record_table.h"
#include "window_tabs.h"

namespace gui {

void frmMain::ApplyTooltips() {
  const bool english = opt("optEnglish")->isChecked();
  const std::int32_t units = english ? KELDOR_ENGLISH : KELDOR_SI;
  fe::ForEachControl([this, units](const fe::TabControl& c) {
    const char* tip = fe::Tooltip(c, units);
    if (tip != nullptr) widget(c.name)->setToolTip(tip);
    if (c.kind == fe::ControlKind::Box) showUnit(c);
  });
  for (auto& [group, e] : editors_) e->applyTooltips(english);
  refreshTables();
}

// The unit beside a box, for the units button selected, and the box's value
// in the unit engineers think in.
void frmMain::showUnit(const fe::TabControl& c) {
  if (c.unit == fe::Unit::None) return;
  const std::int32_t units = opt("optEnglish")->isChecked() ? KELDOR_ENGLISH : KELDOR_SI;
  std::string text = fe::UnitName(c.unit, units);
  // The value the box shows: none for a box left empty.
  const std::string shown = txt(c.name)->text().trimmed().toStdString();
  float value = 0.0f;
  if (!shown.empty() && fe::ReadFloat(shown, &value)) {
    const std::string engineer = fe::EngineerValue(c.unit, units, value);
    if (!engineer.empty()) text += "  " + engineer;
  }
  lbl(("unit" + std::string(c.name + 3)).c_str())->setText(QString::fromStdString(text));
}

}  // namespace gui
