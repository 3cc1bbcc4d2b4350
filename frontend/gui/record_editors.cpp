#include "record_editors.h"

namespace gui {

namespace {

using fe::CountGroup;
using fe::InputRecord;

EditorLayout GroundSegments() {
  EditorLayout l{"frmGSeg", "Ground Segments", "fraGSeg", "GROUND SEGMENT NO ",
                 CountGroup::GroundSegments, "View previous ground segment",
                 "View next ground segment", {}};
  l.fields = {
      {"Length:", "txtLSEG", &InputRecord::LSEG, "Enter segment length in inches",
       "Enter segment length in millimeters"},
      {"Angle:", "txtASEG", &InputRecord::ASEG, "Enter segment angle from horizontal in degrees",
       "Enter segment angle from horizontal in degrees"},
  };
  return l;
}

EditorLayout Surcharges() {
  EditorLayout l{"frmISur", "Irregular Surcharge Loads", "fraISur", "SURCHARGE NO ",
                 CountGroup::Surcharges, "View previous surcharge", "View next surcharge", {}};
  l.fields = {
      {"Total Load:", "txtSUR", &InputRecord::SURL, "Enter total surcharge load in lbs/in",
       "Enter total surcharge load in N/mm"},
      {"XBeg:", "txtXSBEG", &InputRecord::XSBEG,
       "Enter horizontal distance to beginning of load in inches",
       "Enter horizontal distance to beginning of load in millimeters"},
      {"YBeg:", "txtYSBEG", &InputRecord::YSBEG,
       "Enter vertical distance to beginning of load in inches",
       "Enter vertical distance to beginning of load in millimeters"},
      {"XEnd:", "txtXSEND", &InputRecord::XSEND, "Enter horizontal distance to end of load in inches",
       "Enter horizontal distance to end of load in millimeters"},
      {"YEnd:", "txtYSEND", &InputRecord::YSEND, "Enter vertical distance to end of load in inches",
       "Enter vertical distance to end of load in millimeters"},
  };
  l.subheading = "Location Relative to Back of Wall";
  return l;
}

EditorLayout LoadCombinations() {
  EditorLayout l{"frmLoads", "Load Combinations", "fraLCombo", "LOAD COMBINATION NO ",
                 CountGroup::LoadCombinations, "View previous load combination",
                 "View next load combination", {}};
  l.fields = {
      {"Dead load:", "txtFD", &InputRecord::FD, "Enter dead load factor", "Enter dead load factor"},
      {"Live load:", "txtFL", &InputRecord::FL, "Enter live load factor", "Enter live load factor"},
      {"Earth load:", "txtFE", &InputRecord::FE, "Enter earth load factor",
       "Enter earth load factor"},
      {"Surcharge:", "txtFSUR", &InputRecord::FSUR, "Enter surcharge load factor",
       "Enter surcharge load factor"},
      {"Wind load:", "txtFW", &InputRecord::FW, "Enter wind load factor", "Enter wind load factor"},
      {"Seismic load:", "txtFEQ", &InputRecord::FEQ, "Enter seismic load factor",
       "Enter seismic load factor"},
  };
  l.columnLabel = "Load:";
  l.columnBox = "Factor:";
  return l;
}

EditorLayout PileRows() {
  EditorLayout l{"frmPILES", "Pile Layout", "fraPILES", "PILE ROW NO ", CountGroup::PileRows,
                 "View previous pile row", "View next pile row", {}};
  l.fields = {
      {"Distance to toe:", "txtPILEX", &InputRecord::PILEX, "Enter distance to toe in inches",
       "Enter distance to toe in millimeters"},
      {"Batter angle:", "txtPILEB", &InputRecord::PILEB,
       "Enter batter angle from vertical in degrees", "Enter batter angle from vertical in degrees"},
      {"Longitudinal spacing:", "txtPILES", &InputRecord::PILES,
       "Enter longitudinal spacing in inches", "Enter longitudinal spacing in millimeters"},
  };
  return l;
}

}  // namespace

frmGSeg::frmGSeg(InputRecord& record, UserInterface& ui, QWidget* parent)
    : RecordEditor(GroundSegments(), record, ui, parent) {}

frmISur::frmISur(InputRecord& record, UserInterface& ui, QWidget* parent)
    : RecordEditor(Surcharges(), record, ui, parent) {}

frmLoads::frmLoads(InputRecord& record, UserInterface& ui, QWidget* parent)
    : RecordEditor(LoadCombinations(), record, ui, parent) {}

frmPILES::frmPILES(InputRecord& record, UserInterface& ui, QWidget* parent)
    : RecordEditor(PileRows(), record, ui, parent) {}

}  // namespace gui
