// ApplyTooltips: the tooltips of the main window and the record editors; the
// ones that name a unit follow the units button selected.
#include <QRadioButton>

#include "main_window.h"
#include "record_editor.h"

namespace gui {

namespace {

struct Tip {
  const char* control;
  const char* text;
};

// Tooltips that name no unit.
constexpr Tip kFixedTips[] = {
    {"optEnglish", "Select English units"},
    {"optSI", "Select SI units"},
    {"optDesign", "Select design option"},
    {"optReview", "Select review option"},
    {"optConst", "Select constant slope backfill"},
    {"optIrreg", "Select irregular slope backfill"},
    {"optUS", "Select ultimate strength design"},
    {"optWS", "Select working stress design"},
    {"optSpread", "Select spread footing"},
    {"optPile", "Select pile footing"},
    {"optVOLUME", "Optimize by footing volume"},
    {"optWIDTH", "Optimize by footing width"},
    {"txtPHI", "Enter soil friction angle in degrees"},
    {"txtKA", "Enter Ka for regular loads"},
    {"txtYE", "Enter height fraction to center of regular loads"},
    {"txtKAEQ", "Enter Kae for seismic loads"},
    {"txtYEQ", "Enter height fraction to center of seismic loads"},
    {"txtKP", "Enter Kp for regular loads"},
    {"txtKPEQ", "Enter Kp for seismic loads"},
    {"txtSS", "Enter coefficient for vertical component of regular loads"},
    {"txtSSW", "Enter coefficient for vertical component of wind loads"},
    {"txtSSEQ", "Enter coefficient for vertical component of seismic loads"},
    {"optSLYes", "Include vertical component to resist sliding"},
    {"optSLNo", "Do not include vertical component to resist sliding"},
    {"txtAH", "Enter horizontal acceleration"},
    {"txtAV", "Enter vertical acceleration"},
    {"txtNLC", "Enter number of load combinations"},
    {"cmdViewLC", "Open load combinations form"},
    {"txtBETA", "Enter backfill slope angle in degrees"},
    {"txtNSEG", "Enter number of irregular backfill segments"},
    {"cmdViewSeg", "Open segments form"},
    {"txtnsur", "Enter number of irregular surcharge loads"},
    {"cmdViewL", "Open irregular surcharge loads form"},
    {"txtBWMIN", "Enter wall batter in degrees from vertical"},
    {"txtRATIO", "Enter ratio of balanced reinforcing"},
    {"txtCS", "Enter base friction coefficient for regular loads"},
    {"txtCSW", "Enter base friction coefficient for wind loads"},
    {"txtCSEQ", "Enter base friction coefficient for seismic loads"},
    {"txtSFSL", "Enter sliding safety factor for regular loads"},
    {"txtSFSLW", "Enter sliding safety factor for wind loads"},
    {"txtSFSLEQ", "Enter sliding safety factor for seismic loads"},
    {"txtSFOT", "Enter overturning safety factor for regular loads"},
    {"txtSFOTW", "Enter overturning safety factor for wind loads"},
    {"txtSFOTEQ", "Enter overturning safety factor for seismic loads"},
    {"txtPILEBAT", "Enter pile batter angle in degrees'"},
    {"txtNROWS", "Enter number of rows of piles"},
    {"cmdROWS", "Open pile layout form"},
};

struct UnitTip {
  const char* control;
  const char* english;
  const char* si;
};

// Tooltips that name a unit: English text, SI text.
constexpr UnitTip kUnitTips[] = {
    {"txtRHOC", "Enter concrete unit weight in lb/in^3", "Enter concrete unit weight in N/mm^3"},
    {"txtFC", "Enter concrete compressive strength in lb/in^2",
     "Enter concrete compressive strength in N/mm^2 (MPa)"},
    {"txtFS", "Enter reinforcing steel strength in lb/in^2",
     "Enter reinforcing steel strength in N/mm^2 (MPa)"},
    {"txtRHOS", "Enter soil unit weight in lb/in^3", "Enter soil unit weight in N/mm^3"},
    {"txtCOH", "Enter soil base cohesion in lb/in^2", "Enter soil base cohesion in N/mm^2 (MPa)"},
    {"txtPD", "Enter dead load in lbs/in", "Enter dead load in N/mm"},
    {"txtPL", "Enter live load in lbs/in", "Enter live load in N/mm"},
    {"txtVW", "Enter wind load in lbs/in", "Enter wind load in N/mm"},
    {"txtVEQ", "Enter seismic load in lbs/in", "Enter seismic load in N/mm"},
    {"txtPDX", "Enter distance in inches", "Enter distance in millimeters"},
    {"txtPLX", "Enter distance in inches", "Enter distance in millimeters"},
    {"txtMW", "Enter wind moment in in-lb/in", "Enter wind moment in N-mm/mm"},
    {"txtMEQ", "Enter seismic moment in in-lb/in", "Enter seismic moment in N-mm/mm"},
    {"txtH", "Enter wall design height in inches", "Enter wall design height in millimeters"},
    {"txtHT", "Enter height of soil over toe in inches",
     "Enter height of soil over toe in millimeters"},
    {"txtSUR", "Enter uniform surcharge load in lbs/in^2",
     "Enter uniform surcharge load in N/mm^2 (MPa)"},
    {"txtTWMIN", "Enter wall thickness in inches", "Enter wall thickness in millimeters"},
    {"txtTFMIN", "Enter footing thickness in inches", "Enter footing thickness in millimeters"},
    {"txtDKMAX", "Enter key depth in inches", "Enter key depth in millimeters"},
    {"txtWTMAX", "Enter toe width in inches", "Enter toe width in millimeters"},
    {"txtWTMIN", "Enter toe width in inches", "Enter toe width in millimeters"},
    {"txtWHMAX", "Enter width in inches", "Enter width in millimeters"},
    {"txtASW", "Enter steel area in in^2", "Enter steel area in mm^2"},
    {"txtASFTOP", "Enter steel area in in^2", "Enter steel area in mm^2"},
    {"txtASFBOT", "Enter steel area in in^2", "Enter steel area in mm^2"},
    {"txtCW", "Enter concrete cover in inches", "Enter concrete cover in millimeters"},
    {"txtCFTOP", "Enter concrete cover in inches", "Enter concrete cover in millimeters"},
    {"txtCFBOT", "Enter concrete cover in inches", "Enter concrete cover in millimeters"},
    {"txtDBAR", "Enter bar diameter in inches", "Enter bar diameter in millimeters"},
    {"txtQ", "Enter soil bearing pressure in lbs/in^2",
     "Enter soil bearing pressure in N/mm^2 (MPa)"},
    {"txtQW", "Enter soil bearing pressure in lbs/in^2",
     "Enter soil bearing pressure in N/mm^2 (MPa)"},
    {"txtQEQ", "Enter soil bearing pressure in lbs/in^2",
     "Enter soil bearing pressure in N/mm^2 (MPa)"},
    {"txtPILEDIA", "Enter pile diameter in inches", "Enter pile diameter in millimeters"},
    {"txtPILEME", "Enter pile edge distance in inches", "Enter pile edge distance in millimeters"},
    {"txtPILEMS", "Enter pile spacing in inches", "Enter pile spacing in millimeters"},
    {"txtPILEP", "Enter allowable pile load in pounds", "Enter allowable pile load in Newtons"},
    {"txtPILEPW", "Enter allowable pile load in pounds", "Enter allowable pile load in Newtons"},
    {"txtPILEPEQ", "Enter allowable pile load in pounds", "Enter allowable pile load in Newtons"},
    {"txtPILEV", "Enter allowable pile load in pounds", "Enter allowable pile load in Newtons"},
    {"txtPILEVW", "Enter allowable pile load in pounds", "Enter allowable pile load in Newtons"},
    {"txtPILEVEQ", "Enter allowable pile load in pounds", "Enter allowable pile load in Newtons"},
};

}  // namespace

void frmMain::ApplyTooltips() {
  for (const Tip& t : kFixedTips) widget(t.control)->setToolTip(t.text);
  const bool english = opt("optEnglish")->isChecked();
  for (const UnitTip& t : kUnitTips) widget(t.control)->setToolTip(english ? t.english : t.si);
  for (auto& [group, e] : editors_) e->applyTooltips(english);
}

}  // namespace gui
