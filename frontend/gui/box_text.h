// Numbers in the windows' boxes: the display form of a value, and what a box
// does with a number too large to store.
#pragma once

#include <QAction>
#include <QLineEdit>
#include <QStyle>
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

// A box whose text is not all number ("12ft", "1,5") shows a mark at its
// end, whose tooltip names the value taken and the text ignored; the mark
// goes as soon as the text is all number.
inline void MarkIgnoredText(QLineEdit* box) {
  auto* mark = box->findChild<QAction*>("actIgnoredText");
  const std::string text = box->text().toStdString();
  const std::string ignored = fe::IgnoredText(text);
  float value = 0.0f;
  const bool marked = !ignored.empty() && fe::ReadFloat(text, &value);
  if (mark == nullptr) {
    if (!marked) return;
    mark = new QAction(box->style()->standardIcon(QStyle::SP_MessageBoxWarning), QString(), box);
    mark->setObjectName("actIgnoredText");
    box->addAction(mark, QLineEdit::TrailingPosition);
  }
  mark->setVisible(marked);
  if (marked)
    mark->setToolTip(QString::fromStdString("Taken as " + fe::FileNumber(value) + "; \"" + ignored +
                                            "\" is ignored"));
}

}  // namespace gui
