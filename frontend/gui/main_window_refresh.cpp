// RefreshWindow: writes the whole main window from the record.
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include "box_text.h"
#include "main_window.h"
#include "record_editor.h"
#include "record_table.h"
#include "title_window.h"
#include "window_tabs.h"

namespace gui {

void frmMain::write(const char* box, float value) { txt(box)->setText(Display(value)); }

// Count boxes are written with Refreshing set, so their handlers keep the
// arrays as they are.
void frmMain::writeCount(const char* box, std::int32_t value) {
  r_.Refreshing = true;
  txt(box)->setText(Display(value));
  r_.Refreshing = false;
}

void frmMain::RefreshWindow() {
  fe::InputRecord& r = r_;

  // Status bar.
  const auto fileText = [](const fe::FixedText<80>& name, const char* none, const char* prefix) {
    return name.str().substr(0, 4) == "None" ? QString(none)
                                             : QString(prefix) + QString::fromStdString(name.str());
  };
  setPanel(1, fileText(r.INFILE, "No input file specified", "Input file = "));
  setPanel(2, fileText(r.OUTFILE, "No output file specified", "Output file = "));

  title_->showTitle();

  // Units: selected while refreshing, so that the units question is not asked.
  r.Refreshing = true;
  if (r.IUNITS == KELDOR_ENGLISH) opt("optEnglish")->setChecked(true);
  if (r.IUNITS == KELDOR_SI) opt("optSI")->setChecked(true);
  r.Refreshing = false;

  // Analysis mode.
  const bool design = r.IMODE == KELDOR_DESIGN;
  if (r.IMODE == KELDOR_DESIGN) opt("optDesign")->setChecked(true);
  if (r.IMODE == KELDOR_REVIEW) opt("optReview")->setChecked(true);
  if (r.IMODE == KELDOR_DESIGN || r.IMODE == KELDOR_REVIEW) {
    fe::ForEachControl([this, &r](const fe::TabControl& c) {
      if (c.reviewCaption != nullptr)
        lbl(("lbl" + std::string(c.name + 3)).c_str())->setText(fe::Caption(c, r.IMODE));
    });
    lbl("lblWTMIN")->setVisible(design);
    txt("txtWTMIN")->setVisible(design);
    lbl("unitWTMIN")->setVisible(design);
    fra("fraRebar")->setEnabled(!design);
  }

  // Concrete design.
  if (r.IDESIGN == KELDOR_ULTIMATE_STRENGTH) {
    opt("optUS")->setChecked(true);
    txt("txtRATIO")->setEnabled(true);
  } else if (r.IDESIGN == KELDOR_WORKING_STRESS) {
    opt("optWS")->setChecked(true);
    txt("txtRATIO")->setEnabled(false);
  }

  // Soil configuration.
  if (r.ISOIL == KELDOR_CONSTANT_SLOPE || r.ISOIL == KELDOR_IRREGULAR) {
    const bool irregular = r.ISOIL == KELDOR_IRREGULAR;
    opt(irregular ? "optIrreg" : "optConst")->setChecked(true);
    for (const char* name :
         {"txtPHI", "txtAH", "txtAV", "txtNSEG", "cmdViewSeg", "cmdTableSeg", "fraISur"})
      widget(name)->setEnabled(irregular);
    for (const char* name : {"txtKA", "txtKAEQ", "txtBETA", "fraSur"})
      widget(name)->setEnabled(!irregular);
  }

  // Foundation.
  fra("fraVOL")->setVisible(false);
  if (r.IFOOT == KELDOR_SPREAD_FOOTING || r.IFOOT == KELDOR_PILE_FOOTING) {
    const bool pile = r.IFOOT == KELDOR_PILE_FOOTING;
    opt(pile ? "optPile" : "optSpread")->setChecked(true);
    for (const char* name : {"fraQ", "fraCSFC", "fraSL", "fraOT"}) fra(name)->setEnabled(!pile);
    for (const char* name : {"fraPILE", "fraPC", "fraPILEP", "fraPILEV"})
      fra(name)->setEnabled(pile);
    if (!pile && r.IMODE == KELDOR_DESIGN) {
      fra("fraVOL")->setVisible(true);
      if (r.IOPTIM == KELDOR_BY_VOLUME) opt("optVOLUME")->setChecked(true);
      if (r.IOPTIM == KELDOR_BY_WIDTH) opt("optWIDTH")->setChecked(true);
    }
    if (pile && (r.IMODE == KELDOR_DESIGN || r.IMODE == KELDOR_REVIEW)) {
      for (const char* name : {"txtPILEME", "txtPILEMS", "txtPILEBAT"})
        txt(name)->setEnabled(design);
      fra("fraPC")->setEnabled(!design);
    }
  }

  if (r.OPTSL == 0) opt("optSLNo")->setChecked(true);
  if (r.OPTSL == 1) opt("optSLYes")->setChecked(true);

  // The boxes the record's options show: the slope and uniform surcharge of
  // a constant slope only, the design limits in design mode and the review
  // values in review mode, the footing's criteria of its kind.
  fe::ForEachControl([this, &r](const fe::TabControl& c) {
    float value = 0.0f;
    if (c.kind == fe::ControlKind::Box && fe::Written(r, c, &value)) write(c.name, value);
    if (c.kind == fe::ControlKind::Count) writeCount(c.name, fe::Count(r, c.group));
  });

  // An editor whose group was reset or resized shows records that are gone.
  for (auto& [group, e] : editors_) e->closeIfStale();
  refreshTables();
  updateTitle();
}

}  // namespace gui
