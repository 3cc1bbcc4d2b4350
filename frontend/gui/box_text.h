// Numbers in the windows' boxes: the display form of a value, and what a box
// does with a number too large to store.
#pragma once

#include <QLineEdit>
#include <QString>

#include "number_text.h"
#include "user_interface.h"

namespace gui {

inline QString Display(float v) { return QString::fromStdString(fe::DisplayNumber(v)); }
inline QString Display(std::int32_t v) { return QString::fromStdString(fe::DisplayNumber(v)); }

// A typed number that no 32-bit float can hold is not stored: the person is
// told (after a beep) and the box shows the value kept, so that what a box
// shows is always what the analysis gets.
inline void RefuseTooLarge(UserInterface& ui, QLineEdit* box, float kept) {
  ui.show("The number " + box->text().trimmed().toStdString() +
              " is too large to be stored; the value stays" + fe::DisplayNumber(kept) + ".",
          true);
  box->setText(Display(kept));
}

}  // namespace gui
