// The dialogs of the running program: QMessageBox, QApplication::beep and
// QFileDialog.
#pragma once

#include <QPointer>
#include <QWidget>

#include "user_interface.h"

namespace gui {

class QtUserInterface : public UserInterface {
 public:
  // Dialogs are centred over `parent` (the main window) once it is set.
  void setParent(QWidget* parent) { parent_ = parent; }

  void beep() override;
  void message(const QString& text, MessageIcon icon) override;
  bool askYesNo(const QString& title, const QString& text) override;
  SaveChoice askSave(const QString& text) override;
  QString chooseFile(FileDialogMode mode, const QString& filters, int selected) override;
  bool choosePrinter(QPrinter& printer) override;
  QSize choosePictureSize(QSize proposed) override;

  // The filter list in the form of the Qt file dialog: "Input Files (*.in)"
  // entries joined by ";;". "All Files" matches every name, with or without
  // an extension.
  static QStringList QtFilters(const QString& filters);

 private:
  QPointer<QWidget> parent_;
};

}  // namespace gui
