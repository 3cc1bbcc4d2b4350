// frmAbout: the program's name, version and purpose.
#pragma once

#include "program_window.h"

namespace gui {

class frmAbout : public ProgramWindow {
  Q_OBJECT
 public:
  explicit frmAbout(QWidget* parent);
};

}  // namespace gui
