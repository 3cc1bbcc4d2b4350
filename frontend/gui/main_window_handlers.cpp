// The change handlers of the main window: every edit is stored in the record
// at once, through the record rules of the core.
#include <QLineEdit>
#include <QRadioButton>
#include <utility>

#include "box_text.h"
#include "input_defaults.h"
#include "main_window.h"
#include "record_editor.h"
#include "record_editors.h"
#include "record_table.h"
#include "record_fields.h"
#include "window_tabs.h"

namespace gui {

void frmMain::connectNumber(const char* name, std::function<bool(std::string_view)> store,
                            std::function<float()> kept) {
  ConnectNumberBox(txt(name), ui_, this, std::move(store), std::move(kept));
}

void frmMain::connectCount(const char* name, fe::CountGroup group) {
  QLineEdit* b = txt(name);
  connect(b, &QLineEdit::textChanged, this, [this, b, group](const QString& text) {
    // The records of the group as the typing found them: those past a smaller
    // count are dropped only when the count is committed.
    if (!r_.Refreshing) {
      if (!countHeld_ || fe::Count(r_, group) >= fe::Count(*countHeld_, group))
        countHeld_ = r_;
      else
        fe::KeepRecords(*countHeld_, group, r_);
    }
    switch (fe::StoreCount(r_, group, text.toStdString())) {
      case fe::CountResult::Ignored:
        break;
      case fe::CountResult::Set:
        fe::KeepRecords(r_, group, *countHeld_);
        // The group changed size: an open editor may show a record past the count.
        editor(group)->closeEditor();
        table(group)->refresh();
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

void frmMain::connectOption(const char* name, const char* what, std::function<void()> handler) {
  // An option button acts when it becomes selected, by a click or from code,
  // but not while undo or redo writes the window: the record is then already
  // the one to show. Its whole work is one edit.
  connect(opt(name), &QRadioButton::toggled, this,
          [this, handler = std::move(handler), what](bool on) {
            if (!on || restoring_) return;
            commitPending();
            ++busy_;
            handler();
            --busy_;
            commitEdit(what);
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

void frmMain::reset(const QString& what, void (*section)(fe::InputRecord&)) {
  commitPending();
  ++busy_;
  section(r_);
  RefreshWindow();
  --busy_;
  commitEdit(what);
}

// The tables of the four groups, each kept in step with the group's editor:
// an edit in the table is one edit of the input and shows in the editor, an
// edit in the editor shows in the table.
void frmMain::buildTables() {
  for (auto& [group, e] : editors_) {
    auto* t = new RecordTable(Layout(group), r_, ui_, this);
    tables_[group] = t;
    RecordEditor* shown = e;
    connect(t, &RecordTable::edited, this, [this, shown](const QString& what) {
      shown->refresh();
      commitEdit(what);
      updateTitle();
    });
    connect(e, &RecordEditor::stored, t, &RecordTable::refresh);
  }
}

void frmMain::refreshTables() {
  for (auto& [group, t] : tables_) t->refresh();
}

void frmMain::openTable(fe::CountGroup group) { table(group)->open(); }

void frmMain::closeEditors() {
  for (auto& [group, e] : editors_) e->closeEditor();
}

void frmMain::connectHandlers() {
  fe::InputRecord& r = r_;

  // The boxes and the editors' buttons, as the tabs describe them.
  fe::ForEachControl([this, &r](const fe::TabControl& c) {
    switch (c.kind) {
      case fe::ControlKind::Box:
        connectNumber(
            c.name,
            [this, &r, &c](std::string_view t) {
              const bool stored = fe::StoreBox(r, c, t, selectedMode());
              showUnit(c);
              return stored;
            },
            [this, &r, &c] { return fe::KeptValue(r, c, selectedMode()); });
        break;
      case fe::ControlKind::Count:
        connectCount(c.name, c.group);
        break;
      case fe::ControlKind::Button: {
        const fe::CountGroup group = c.group;
        connect(static_cast<QAbstractButton*>(widget(c.name)), &QAbstractButton::clicked, this,
                [this, group] { openEditor(group); });
        connect(static_cast<QAbstractButton*>(widget(TableButtonName(c.name).c_str())),
                &QAbstractButton::clicked, this, [this, group] { openTable(group); });
        break;
      }
      case fe::ControlKind::Label:
      case fe::ControlKind::Option:
        break;
    }
  });

  connectOption("optEnglish", "English units", [this] { chooseUnits(KELDOR_ENGLISH); });
  connectOption("optSI", "SI units", [this] { chooseUnits(KELDOR_SI); });
  connectOption("optDesign", "Design", [this, &r] { fe::ChooseAnalysisMode(r, KELDOR_DESIGN, *this); });
  connectOption("optReview", "Review", [this, &r] { fe::ChooseAnalysisMode(r, KELDOR_REVIEW, *this); });
  connectOption("optUS", "Ultimate strength", [this, &r] { fe::ChooseConcreteDesign(r, KELDOR_ULTIMATE_STRENGTH, *this); });
  connectOption("optWS", "Working stress", [this, &r] { fe::ChooseConcreteDesign(r, KELDOR_WORKING_STRESS, *this); });
  connectOption("optConst", "Constant slope", [this, &r] { fe::ChooseSoilConfiguration(r, KELDOR_CONSTANT_SLOPE, *this); });
  connectOption("optIrreg", "Irregular backfill", [this, &r] { fe::ChooseSoilConfiguration(r, KELDOR_IRREGULAR, *this); });
  connectOption("optSpread", "Spread footing", [this, &r] { fe::ChooseFoundation(r, KELDOR_SPREAD_FOOTING, *this); });
  connectOption("optPile", "Pile footing", [this, &r] { fe::ChooseFoundation(r, KELDOR_PILE_FOOTING, *this); });
  connectOption("optVOLUME", "Optimize by volume", [&r] { fe::ChooseOptimisation(r, KELDOR_BY_VOLUME); });
  connectOption("optWIDTH", "Optimize by width", [&r] { fe::ChooseOptimisation(r, KELDOR_BY_WIDTH); });
  connectOption("optSLYes", "Sliding option Yes", [&r] { fe::ChooseSlidingOption(r, 1); });
  connectOption("optSLNo", "Sliding option No", [&r] { fe::ChooseSlidingOption(r, 0); });
}

void frmMain::openEditor(fe::CountGroup group) {
  const char* refusal = "Please enter number of rows of piles";
  switch (group) {
    case fe::CountGroup::LoadCombinations:
      refusal = "Please enter number of load combinations";
      break;
    case fe::CountGroup::GroundSegments:
      refusal = "Please enter number of irregular backfill segments";
      break;
    case fe::CountGroup::Surcharges:
      refusal = "Please enter number of irregular surcharge loads";
      break;
    case fe::CountGroup::PileRows:
      break;
  }
  const char* box = nullptr;  // the group's count box
  fe::ForEachControl([&](const fe::TabControl& c) {
    if (c.kind == fe::ControlKind::Count && c.group == group) box = c.name;
  });
  float shown = 0.0f;
  if (fe::ReadFloat(txt(box)->text().toStdString(), &shown) && shown > 0.0f &&
      fe::Count(r_, group) >= 1) {
    editor(group)->openAtFirstRecord();
  } else {
    ui_.show(refusal, true);
  }
}

}  // namespace gui
