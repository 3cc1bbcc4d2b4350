// RefreshWindow: writes the whole main window from the record.
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include "box_text.h"
#include "main_window.h"
#include "record_editor.h"
#include "title_window.h"

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
  if (r.IUNITS == 1) opt("optEnglish")->setChecked(true);
  if (r.IUNITS == 2) opt("optSI")->setChecked(true);
  r.Refreshing = false;

  // Analysis mode.
  const bool design = r.IMODE == 1;
  if (r.IMODE == 1) opt("optDesign")->setChecked(true);
  if (r.IMODE == 2) opt("optReview")->setChecked(true);
  if (r.IMODE == 1 || r.IMODE == 2) {
    lbl("lblBWMIN")->setText(design ? "Min wall batter:" : "Wall batter:");
    lbl("lblTFMIN")->setText(design ? "Min footing thickness:" : "Footing thickness:");
    lbl("lblWTMAX")->setText(design ? "Max toe width:" : "Toe width:");
    lbl("lblWHMAX")->setText(design ? "Max heel width:" : "Footing width:");
    lbl("lblWTMIN")->setVisible(design);
    txt("txtWTMIN")->setVisible(design);
    fra("fraRebar")->setEnabled(!design);
  }

  // Concrete design.
  if (r.IDESIGN == 1) {
    opt("optUS")->setChecked(true);
    txt("txtRATIO")->setEnabled(true);
  } else if (r.IDESIGN == 2) {
    opt("optWS")->setChecked(true);
    txt("txtRATIO")->setEnabled(false);
  }

  // Soil configuration.
  if (r.ISOIL == 1 || r.ISOIL == 2) {
    const bool irregular = r.ISOIL == 2;
    opt(irregular ? "optIrreg" : "optConst")->setChecked(true);
    for (const char* name : {"txtPHI", "txtAH", "txtAV", "txtNSEG", "cmdViewSeg", "fraISur"})
      widget(name)->setEnabled(irregular);
    for (const char* name : {"txtKA", "txtKAEQ", "txtBETA", "fraSur"})
      widget(name)->setEnabled(!irregular);
  }

  // Foundation.
  fra("fraVOL")->setVisible(false);
  if (r.IFOOT == 1 || r.IFOOT == 2) {
    const bool pile = r.IFOOT == 2;
    opt(pile ? "optPile" : "optSpread")->setChecked(true);
    for (const char* name : {"fraQ", "fraCSFC", "fraSL", "fraOT"}) fra(name)->setEnabled(!pile);
    for (const char* name : {"fraPILE", "fraPC", "fraPILEP", "fraPILEV"})
      fra(name)->setEnabled(pile);
    if (!pile && r.IMODE == 1) {
      fra("fraVOL")->setVisible(true);
      if (r.IOPTIM == 1) opt("optVOLUME")->setChecked(true);
      if (r.IOPTIM == 2) opt("optWIDTH")->setChecked(true);
    }
    if (pile && (r.IMODE == 1 || r.IMODE == 2)) {
      for (const char* name : {"txtPILEME", "txtPILEMS", "txtPILEBAT"})
        txt(name)->setEnabled(design);
      fra("fraPC")->setEnabled(!design);
    }
  }

  // Material, soil parameters and loads.
  write("txtRHOC", r.RHOC);
  write("txtFC", r.FC);
  write("txtFS", r.FS);
  write("txtRHOS", r.RHOS);
  write("txtPHI", r.PHI);
  write("txtCOH", r.COH);
  write("txtKA", r.KA);
  write("txtYE", r.YE);
  write("txtKAEQ", r.KAEQ);
  write("txtYEQ", r.YEQ);
  write("txtKP", r.KP);
  write("txtKPEQ", r.KPEQ);
  write("txtSS", r.SS);
  write("txtSSW", r.SSW);
  write("txtSSEQ", r.SSEQ);
  if (r.OPTSL == 0) opt("optSLNo")->setChecked(true);
  if (r.OPTSL == 1) opt("optSLYes")->setChecked(true);
  write("txtPD", r.PD);
  write("txtPDX", r.PDX);
  write("txtPL", r.PL);
  write("txtPLX", r.PLX);
  write("txtVW", r.VW);
  write("txtMW", r.MW);
  write("txtAH", r.AH);
  write("txtAV", r.AV);
  write("txtVEQ", r.VEQ);
  write("txtMEQ", r.MEQ);
  writeCount("txtNLC", r.NLC);

  // Soil configuration: the slope and uniform surcharge of a constant slope
  // only; an irregular backfill leaves those boxes as they are.
  if (r.ISOIL == 1) {
    write("txtH", r.H);
    write("txtHT", r.HT);
    write("txtBETA", r.BETA);
    write("txtSUR", r.SUR);
  } else if (r.ISOIL == 2) {
    write("txtH", r.H);
    write("txtHT", r.HT);
  }
  writeCount("txtNSEG", r.NSEG);
  writeCount("txtnsur", r.NSUR);

  // Wall: the design limits in design mode, the review values in review mode.
  if (r.IMODE == 1) {
    write("txtTWMIN", r.TWMIN);
    write("txtBWMIN", r.BWMIN);
    write("txtTFMIN", r.TFMIN);
    write("txtDKMAX", r.DKMAX);
    write("txtWTMAX", r.WTMAX);
    write("txtWHMAX", r.WHMAX);
    write("txtWTMIN", r.WTMIN);
  } else if (r.IMODE == 2) {
    write("txtTWMIN", r.TWMIN);
    write("txtBWMIN", r.BW);
    write("txtTFMIN", r.TF);
    write("txtDKMAX", r.DK);
    write("txtWTMAX", r.WT);
    write("txtWHMAX", r.WF);
  }

  write("txtASW", r.ASW);
  write("txtASFTOP", r.ASFTOP);
  write("txtASFBOT", r.ASFBOT);
  write("txtCW", r.CW);
  write("txtCFTOP", r.CFTOP);
  write("txtCFBOT", r.CFBOT);
  write("txtDBAR", r.DBAR);
  write("txtRATIO", r.RATIO);

  if (r.IFOOT == 1) {
    write("txtQ", r.Q);
    write("txtQW", r.QW);
    write("txtQEQ", r.QEQ);
    write("txtCS", r.CS);
    write("txtCSW", r.CSW);
    write("txtCSEQ", r.CSEQ);
    write("txtSFOT", r.SFOT);
    write("txtSFOTW", r.SFOTW);
    write("txtSFOTEQ", r.SFOTEQ);
    write("txtSFSL", r.SFSL);
    write("txtSFSLW", r.SFSLW);
    write("txtSFSLEQ", r.SFSLEQ);
  } else if (r.IFOOT == 2) {
    write("txtPILEDIA", r.PILEDIA);
    write("txtPILEME", r.PILEME);
    write("txtPILEMS", r.PILEMS);
    write("txtPILEBAT", r.PILEBAT);
    write("txtPILEP", r.PILEP);
    write("txtPILEPW", r.PILEPW);
    write("txtPILEPEQ", r.PILEPEQ);
    write("txtPILEV", r.PILEV);
    write("txtPILEVW", r.PILEVW);
    write("txtPILEVEQ", r.PILEVEQ);
  }
  writeCount("txtNROWS", r.NROWS);

  // An editor whose group was reset or resized shows records that are gone.
  for (auto& [group, e] : editors_) e->closeIfStale();
}

}  // namespace gui
