// The change handlers of the main window: every edit is stored in the record
// at once, through the record rules of the core.
#include <QLineEdit>
#include <QRadioButton>

#include "box_text.h"
#include "input_defaults.h"
#include "main_window.h"
#include "record_editor.h"
#include "record_fields.h"

namespace gui {

void frmMain::connectNumber(const char* name, std::function<bool(std::string_view)> store,
                            std::function<float()> kept) {
  QLineEdit* b = txt(name);
  connect(b, &QLineEdit::textChanged, this, [this, b, store, kept](const QString& text) {
    if (!store(text.toStdString())) RefuseTooLarge(ui_, b, kept());
  });
}

void frmMain::connectCount(const char* name, fe::CountGroup group) {
  QLineEdit* b = txt(name);
  connect(b, &QLineEdit::textChanged, this, [this, b, group](const QString& text) {
    switch (fe::StoreCount(r_, group, text.toStdString())) {
      case fe::CountResult::Ignored:
        break;
      case fe::CountResult::Set:
        // The group's arrays are new: an open editor would show old values.
        editor(group)->closeEditor();
        break;
      case fe::CountResult::Refused:
        ui_.show(fe::CountRefusal(group), true);
        r_.Refreshing = true;  // the box shows the count kept, without acting
        b->setText(Display(fe::Count(r_, group)));
        r_.Refreshing = false;
        break;
    }
  });
}

void frmMain::connectOption(const char* name, std::function<void()> handler) {
  // An option button acts when it becomes selected, by a click or from code.
  connect(opt(name), &QRadioButton::toggled, this, [handler](bool on) {
    if (on) handler();
  });
}

fe::ModeButton frmMain::selectedMode() const {
  if (opt("optDesign")->isChecked()) return fe::ModeButton::Design;
  if (opt("optReview")->isChecked()) return fe::ModeButton::Review;
  return fe::ModeButton::None;
}

void frmMain::chooseUnits(std::int32_t units) {
  if (!fe::ChooseUnits(r_, units)) return;
  const bool yes = ui_.askYesNo(fe::kUnitsQuestionTitle,
                                QString::fromStdString(fe::UnitsQuestion(units)));
  fe::AnswerUnitsQuestion(r_, yes, *this);
}

void frmMain::reset(void (*section)(fe::InputRecord&)) {
  section(r_);
  RefreshWindow();
}

void frmMain::closeEditors() {
  for (auto& [group, e] : editors_) e->closeEditor();
}

void frmMain::connectHandlers() {
  fe::InputRecord& r = r_;

  // Float boxes that store into the field of their name.
  for (const char* name :
       {"txtRHOC", "txtFC", "txtFS", "txtRHOS", "txtPHI", "txtCOH", "txtKA", "txtYE", "txtKAEQ",
        "txtYEQ", "txtKP", "txtKPEQ", "txtSS", "txtSSW", "txtSSEQ", "txtPD", "txtPDX", "txtPL",
        "txtPLX", "txtVW", "txtMW", "txtAH", "txtAV", "txtVEQ", "txtMEQ", "txtH", "txtHT",
        "txtBETA", "txtSUR", "txtTWMIN", "txtWTMIN", "txtASW", "txtASFTOP", "txtASFBOT", "txtCW",
        "txtCFTOP", "txtCFBOT", "txtDBAR", "txtRATIO", "txtQ", "txtQW", "txtQEQ", "txtCS",
        "txtCSW", "txtCSEQ", "txtSFOT", "txtSFOTW", "txtSFOTEQ", "txtSFSL", "txtSFSLW",
        "txtSFSLEQ", "txtPILEDIA", "txtPILEME", "txtPILEMS", "txtPILEBAT", "txtPILEP",
        "txtPILEPW", "txtPILEPEQ", "txtPILEV", "txtPILEVW", "txtPILEVEQ"}) {
    float* field = fe::FloatField(r, std::string(name + 3));
    Q_ASSERT_X(field != nullptr, "frmMain", name);
    connectNumber(
        name, [field](std::string_view t) { return fe::StoreNumber(*field, t); },
        [field] { return *field; });
  }

  // The paired boxes: batter, footing thickness and key depth store into both
  // members; toe and heel into the member of the selected mode.
  connectNumber(
      "txtBWMIN", [&r](std::string_view t) { return fe::StoreWallBatter(r, t); },
      [&r] { return r.BWMIN; });
  connectNumber(
      "txtTFMIN", [&r](std::string_view t) { return fe::StoreFootingThickness(r, t); },
      [&r] { return r.TFMIN; });
  connectNumber(
      "txtDKMAX", [&r](std::string_view t) { return fe::StoreKeyDepth(r, t); },
      [&r] { return r.DKMAX; });
  connectNumber(
      "txtWTMAX", [this, &r](std::string_view t) { return fe::StoreToeWidth(r, t, selectedMode()); },
      [this, &r] { return selectedMode() == fe::ModeButton::Review ? r.WT : r.WTMAX; });
  connectNumber(
      "txtWHMAX",
      [this, &r](std::string_view t) { return fe::StoreHeelWidth(r, t, selectedMode()); },
      [this, &r] { return selectedMode() == fe::ModeButton::Review ? r.WF : r.WHMAX; });

  connectCount("txtNLC", fe::CountGroup::LoadCombinations);
  connectCount("txtNSEG", fe::CountGroup::GroundSegments);
  connectCount("txtnsur", fe::CountGroup::Surcharges);
  connectCount("txtNROWS", fe::CountGroup::PileRows);

  connectOption("optEnglish", [this] { chooseUnits(1); });
  connectOption("optSI", [this] { chooseUnits(2); });
  connectOption("optDesign", [this, &r] { fe::ChooseAnalysisMode(r, 1, *this); });
  connectOption("optReview", [this, &r] { fe::ChooseAnalysisMode(r, 2, *this); });
  connectOption("optUS", [this, &r] { fe::ChooseConcreteDesign(r, 1, *this); });
  connectOption("optWS", [this, &r] { fe::ChooseConcreteDesign(r, 2, *this); });
  connectOption("optConst", [this, &r] { fe::ChooseSoilConfiguration(r, 1, *this); });
  connectOption("optIrreg", [this, &r] { fe::ChooseSoilConfiguration(r, 2, *this); });
  connectOption("optSpread", [this, &r] { fe::ChooseFoundation(r, 1, *this); });
  connectOption("optPile", [this, &r] { fe::ChooseFoundation(r, 2, *this); });
  connectOption("optVOLUME", [&r] { fe::ChooseOptimisation(r, 1); });
  connectOption("optWIDTH", [&r] { fe::ChooseOptimisation(r, 2); });
  connectOption("optSLYes", [&r] { fe::ChooseSlidingOption(r, 1); });
  connectOption("optSLNo", [&r] { fe::ChooseSlidingOption(r, 0); });

  const struct {
    const char* button;
    fe::CountGroup group;
  } openers[] = {{"cmdViewLC", fe::CountGroup::LoadCombinations},
                 {"cmdViewSeg", fe::CountGroup::GroundSegments},
                 {"cmdViewL", fe::CountGroup::Surcharges},
                 {"cmdROWS", fe::CountGroup::PileRows}};
  for (const auto& o : openers) {
    const fe::CountGroup group = o.group;
    connect(static_cast<QAbstractButton*>(widget(o.button)), &QAbstractButton::clicked, this,
            [this, group] { openEditor(group); });
  }
}

void frmMain::openEditor(fe::CountGroup group) {
  const char* box = "txtNROWS";
  const char* refusal = "Please enter number of rows of piles";
  switch (group) {
    case fe::CountGroup::LoadCombinations:
      box = "txtNLC";
      refusal = "Please enter number of load combinations";
      break;
    case fe::CountGroup::GroundSegments:
      box = "txtNSEG";
      refusal = "Please enter number of irregular backfill segments";
      break;
    case fe::CountGroup::Surcharges:
      box = "txtnsur";
      refusal = "Please enter number of irregular surcharge loads";
      break;
    case fe::CountGroup::PileRows:
      break;
  }
  float shown = 0.0f;
  if (fe::ReadFloat(txt(box)->text().toStdString(), &shown) && shown > 0.0f &&
      fe::Count(r_, group) >= 1) {
    editor(group)->openAtFirstRecord();
  } else {
    ui_.show(refusal, true);
  }
}

}  // namespace gui
