// ApplyTooltips: the tooltips of the main window and the record editors; the
// ones that name a unit, and the units beside the boxes, follow the units
// button selected.
#include <QRadioButton>

#include "main_window.h"
#include "record_editor.h"
#include "window_tabs.h"

namespace gui {

void frmMain::ApplyTooltips() {
  const bool english = opt("optEnglish")->isChecked();
  const std::int32_t units = english ? KELDOR_ENGLISH : KELDOR_SI;
  fe::ForEachControl([this, units](const fe::TabControl& c) {
    const char* tip = fe::Tooltip(c, units);
    if (tip != nullptr) widget(c.name)->setToolTip(tip);
    if (c.kind == fe::ControlKind::Box && c.unit != fe::Unit::None)
      lbl(("unit" + std::string(c.name + 3)).c_str())->setText(QString::fromUtf8(fe::UnitName(c.unit, units)));
  });
  for (auto& [group, e] : editors_) e->applyTooltips(english);
}

}  // namespace gui
