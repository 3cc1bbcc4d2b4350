// The four record editors: ground segments, irregular surcharge loads, load
// combinations and pile rows. Their descriptions also make the columns of
// the groups' tables.
#pragma once

#include "record_editor.h"

namespace gui {

// The description of a group's records: the editor's boxes, the table's
// columns.
const EditorLayout& Layout(fe::CountGroup group);

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
