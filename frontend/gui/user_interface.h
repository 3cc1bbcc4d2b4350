// What the windows ask of the person at the screen: message boxes, beeps and
// file dialogs. The program shows real dialogs; tests put a recorder in their
// place, so every message, beep and question can be checked in order.
#pragma once

#include <QSize>
#include <QString>

class QPrinter;

#include "validation.h"

namespace gui {

// The title of the program's message boxes.
inline constexpr const char* kAppTitle = "Keldor";

enum class MessageIcon { None, Information };
enum class FileDialogMode { Open, Save };
enum class SaveChoice { Save, Discard, Cancel };

class UserInterface : public fe::MessageSink {
 public:
  // An OK message box titled "Keldor", after a beep when `beep` is set.
  void show(const std::string& text, bool beep) override {
    if (beep) this->beep();
    message(QString::fromStdString(text), MessageIcon::None);
  }

  virtual void beep() = 0;
  // A modal message box with an OK button only, titled "Keldor".
  virtual void message(const QString& text, MessageIcon icon) = 0;
  // A modal Yes/No question with a question icon; No is the default button.
  // Lines of `text` are separated by carriage returns.
  virtual bool askYesNo(const QString& title, const QString& text) = 0;
  // A modal question with Save, Discard and Cancel buttons, titled "Keldor";
  // Save is the default, Escape cancels.
  virtual SaveChoice askSave(const QString& text) = 0;
  // A file dialog. `filters` is the list of description and pattern pairs
  // separated by "|" ("Input Files (*.in)|*.in|..."), `selected` the 0-based
  // pair shown first. Returns the chosen full path, empty when cancelled.
  virtual QString chooseFile(FileDialogMode mode, const QString& filters, int selected) = 0;
  // The print dialog over `printer`: true when the person chose to print. A
  // user interface without one prints nothing.
  virtual bool choosePrinter(QPrinter& printer) {
    (void)printer;
    return false;
  }
  // The width and height in pixels of a picture to write, `proposed` shown
  // first; an empty size when cancelled. A user interface without a dialog
  // takes the proposed size.
  virtual QSize choosePictureSize(QSize proposed) { return proposed; }
};

}  // namespace gui
