// ApplyTooltips: the tooltips of the main window and the record editors; the
// ones that name a unit follow the units button selected.
#include <QRadioButton>

#include "main_window.h"
#include "record_editor.h"
#include "window_tabs.h"

namespace gui {

void frmMain::ApplyTooltips() {
  const bool english = opt("optEnglish")->isChecked();
  fe::ForEachControl([this, english](const fe::TabControl& c) {
    const char* tip = fe::Tooltip(c, english ? KELDOR_ENGLISH : KELDOR_SI);
    if (tip != nullptr) widget(c.name)->setToolTip(tip);
  });
  for (auto& [group, e] : editors_) e->applyTooltips(english);
}

}  // namespace gui
