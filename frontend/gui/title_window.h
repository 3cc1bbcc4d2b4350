// frmTitle: the report title, typed in one box and stored at once.
#pragma once

#include <QLineEdit>
#include <QPushButton>

#include "input_record.h"
#include "program_window.h"

namespace gui {

class frmTitle : public ProgramWindow {
  Q_OBJECT
 public:
  frmTitle(fe::InputRecord& record, QWidget* parent);

  // Shows the record's title in the box (without the blanks that pad it).
  void showTitle();

 private:
  fe::InputRecord& r_;
  QLineEdit* txtTitle_ = nullptr;
};

}  // namespace gui
