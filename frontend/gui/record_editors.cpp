#include "record_editors.h"

namespace gui {

namespace {

using fe::CountGroup;
using fe::InputRecord;
using U = fe::Unit;

EditorLayout GroundSegments() {
  EditorLayout l{"frmGSeg", "Ground Segments", "fraGSeg", "GROUND SEGMENT NO ",
                 CountGroup::GroundSegments, "View previous ground segment",
                 "View next ground segment", {}};
  l.fields = {
      {"Length:", "txtLSEG", &InputRecord::LSEG, U::Length, "Enter segment length in inches",
       "Enter segment length in millimeters", "Length"},
      {"Angle:", "txtASEG", &InputRecord::ASEG, U::Angle,
       "Enter segment angle from horizontal in degrees",
       "Enter segment angle from horizontal in degrees", "Angle"},
  };
  return l;
}

EditorLayout Surcharges() {
  EditorLayout l{"frmISur", "Irregular Surcharge Loads", "fraISur", "SURCHARGE NO ",
                 CountGroup::Surcharges, "View previous surcharge", "View next surcharge", {}};
  l.fields = {
      {"Total Load:", "txtSUR", &InputRecord::SURL, U::LoadPerLength,
       "Enter total surcharge load in lbs/in", "Enter total surcharge load in N/mm", "Load"},
      {"XBeg:", "txtXSBEG", &InputRecord::XSBEG, U::Length,
       "Enter horizontal distance to beginning of load in inches",
       "Enter horizontal distance to beginning of load in millimeters", "XBeg"},
      {"YBeg:", "txtYSBEG", &InputRecord::YSBEG, U::Length,
       "Enter vertical distance to beginning of load in inches",
       "Enter vertical distance to beginning of load in millimeters", "YBeg"},
      {"XEnd:", "txtXSEND", &InputRecord::XSEND, U::Length,
       "Enter horizontal distance to end of load in inches",
       "Enter horizontal distance to end of load in millimeters", "XEnd"},
      {"YEnd:", "txtYSEND", &InputRecord::YSEND, U::Length,
       "Enter vertical distance to end of load in inches",
       "Enter vertical distance to end of load in millimeters", "YEnd"},
  };
  l.subheading = "Location Relative to Back of Wall";
  return l;
}

EditorLayout LoadCombinations() {
  EditorLayout l{"frmLoads", "Load Combinations", "fraLCombo", "LOAD COMBINATION NO ",
                 CountGroup::LoadCombinations, "View previous load combination",
                 "View next load combination", {}};
  l.fields = {
      {"Dead load:", "txtFD", &InputRecord::FD, U::None, "Enter dead load factor",
       "Enter dead load factor", "D"},
      {"Live load:", "txtFL", &InputRecord::FL, U::None, "Enter live load factor",
       "Enter live load factor", "L"},
      {"Earth load:", "txtFE", &InputRecord::FE, U::None, "Enter earth load factor",
       "Enter earth load factor", "E"},
      {"Surcharge:", "txtFSUR", &InputRecord::FSUR, U::None, "Enter surcharge load factor",
       "Enter surcharge load factor", "SC"},
      {"Wind load:", "txtFW", &InputRecord::FW, U::None, "Enter wind load factor",
       "Enter wind load factor", "W"},
      {"Seismic load:", "txtFEQ", &InputRecord::FEQ, U::None, "Enter seismic load factor",
       "Enter seismic load factor", "EQ"},
  };
  l.columnLabel = "Load:";
  l.columnBox = "Factor:";
  return l;
}

EditorLayout PileRows() {
  EditorLayout l{"frmPILES", "Pile Layout", "fraPILES", "PILE ROW NO ", CountGroup::PileRows,
                 "View previous pile row", "View next pile row", {}};
  l.fields = {
      {"Distance to toe:", "txtPILEX", &InputRecord::PILEX, U::Length,
       "Enter distance to toe in inches", "Enter distance to toe in millimeters", "To toe"},
      {"Batter angle:", "txtPILEB", &InputRecord::PILEB, U::Angle,
       "Enter batter angle from vertical in degrees", "Enter batter angle from vertical in degrees",
       "Batter"},
      {"Longitudinal spacing:", "txtPILES", &InputRecord::PILES, U::Length,
       "Enter longitudinal spacing in inches", "Enter longitudinal spacing in millimeters",
       "Spacing"},
  };
  return l;
}

}  // namespace

const EditorLayout& Layout(CountGroup group) {
  static const EditorLayout segments = GroundSegments(), surcharges = Surcharges(),
                            combinations = LoadCombinations(), piles = PileRows();
  switch (group) {
    case CountGroup::GroundSegments: return segments;
    case CountGroup::Surcharges: return surcharges;
    case CountGroup::LoadCombinations: return combinations;
    case CountGroup::PileRows: break;
  }
  return piles;
}

frmGSeg::frmGSeg(InputRecord& record, UserInterface& ui, QWidget* parent)
    : RecordEditor(Layout(CountGroup::GroundSegments), record, ui, parent) {}

frmISur::frmISur(InputRecord& record, UserInterface& ui, QWidget* parent)
    : RecordEditor(Layout(CountGroup::Surcharges), record, ui, parent) {}

frmLoads::frmLoads(InputRecord& record, UserInterface& ui, QWidget* parent)
    : RecordEditor(Layout(CountGroup::LoadCombinations), record, ui, parent) {}

frmPILES::frmPILES(InputRecord& record, UserInterface& ui, QWidget* parent)
    : RecordEditor(Layout(CountGroup::PileRows), record, ui, parent) {}

}  // namespace gui
