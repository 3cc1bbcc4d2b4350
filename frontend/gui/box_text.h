// Numbers in the windows' boxes: the display form of a value, and what a box
// does with a number too large to store.
#pragma once

#include <QAction>
#include <QLineEdit>
#include <QStyle>
#include <QString>
#include <memory>
#include <optional>

#include "number_text.h"
#include "user_interface.h"

namespace gui {

inline QString Display(float v) { return QString::fromStdString(fe::DisplayNumber(v)); }
inline QString Display(std::int32_t v) { return QString::fromStdString(fe::DisplayNumber(v)); }

// A typed number that no 32-bit float can hold is not stored. While it is
// being typed the box only marks it (the next key may make it a number again);
// when the box is committed the person is told, once, what was typed (after a
// beep) and the box shows the value kept, so that what a box shows is always
// what the analysis gets.
inline std::string TooLargeMessage(const QString& typed, float kept) {
  return "The number " + typed.trimmed().toStdString() + " is too large to be stored; the value stays" +
         fe::DisplayNumber(kept) + ".";
}
inline void RefuseTooLarge(UserInterface& ui, QLineEdit* box, float kept) {
  ui.show(TooLargeMessage(box->text(), kept), true);
  box->setText(Display(kept));
}

// A box whose text is not all number ("12ft", "1,5") shows a mark at its
// end, whose tooltip names the value taken and the text ignored; a number too
// large to store is marked too. The mark goes as soon as the text is all
// number.
inline void MarkIgnoredText(QLineEdit* box) {
  auto* mark = box->findChild<QAction*>("actIgnoredText");
  const std::string text = box->text().toStdString();
  const std::string ignored = fe::IgnoredText(text);
  float value = 0.0f;
  const bool fits = fe::ReadFloat(text, &value);
  const bool marked = !fits || !ignored.empty();
  if (mark == nullptr) {
    if (!marked) return;
    mark = new QAction(box->style()->standardIcon(QStyle::SP_MessageBoxWarning), QString(), box);
    mark->setObjectName("actIgnoredText");
    box->addAction(mark, QLineEdit::TrailingPosition);
  }
  mark->setVisible(marked);
  if (!fits)
    mark->setToolTip("Too large to be stored; the box takes back its value when it is left");
  else if (marked)
    mark->setToolTip(QString::fromStdString("Taken as " + fe::FileNumber(value) + "; \"" + ignored +
                                            "\" is ignored"));
}

// Connects a number box: every change is stored at once through `store`
// (false: too large, nothing stored) and marked; a number still too large
// when the box is committed is refused, and the box goes back to the value
// `kept()` gave before the person began typing (not that of a prefix such as
// the 1e4 of 1e400).
template <typename Store, typename Kept>
void ConnectNumberBox(QLineEdit* box, UserInterface& ui, QObject* context, Store store, Kept kept) {
  struct Typing {
    std::optional<float> before;  // the value when the typing began
    bool refusing = false;        // the refusal's message is up
  };
  auto typing = std::make_shared<Typing>();
  QObject::connect(box, &QLineEdit::textChanged, context,
                   [box, store, kept, typing](const QString& text) {
                     if (box->isModified() && !typing->before) typing->before = kept();
                     store(text.toStdString());
                     MarkIgnoredText(box);
                   });
  QObject::connect(box, &QLineEdit::editingFinished, context, [box, &ui, store, kept, typing] {
    if (typing->refusing) return;  // the box lost the focus to the message
    const float back = typing->before.value_or(kept());
    typing->before.reset();
    box->setModified(false);
    if (store(box->text().toStdString())) return;
    typing->refusing = true;
    RefuseTooLarge(ui, box, back);
    typing->refusing = false;
  });
}

}  // namespace gui
