// The four record editors: ground segments, irregular surcharge loads, load
// combinations and pile rows.
#pragma once

#include "record_editor.h"

namespace gui {

class frmGSeg : public RecordEditor {
  Q_OBJECT
 public:
  frmGSeg(fe::InputRecord& record, UserInterface& ui, QWidget* parent);
};

class frmISur : public RecordEditor {
  Q_OBJECT
 public:
  frmISur(fe::InputRecord& record, UserInterface& ui, QWidget* parent);
};

class frmLoads : public RecordEditor {
  Q_OBJECT
 public:
  frmLoads(fe::InputRecord& record, UserInterface& ui, QWidget* parent);
};

class frmPILES : public RecordEditor {
  Q_OBJECT
 public:
  frmPILES(fe::InputRecord& record, UserInterface& ui, QWidget* parent);
};

}  // namespace gui
