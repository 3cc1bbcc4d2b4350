// The window tests' shared fixture: a stand-in for the person at the screen,
// which records every beep, message, question and file dialog in order and
// answers from prepared lists, and the main window over its own record.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QStringList>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "input_record.h"
#include "main_window.h"
#include "user_interface.h"

class RecordingUi : public gui::UserInterface {
 public:
  QStringList events;
  QList<bool> answers;  // answers to Yes/No questions; No when empty
  QStringList files;    // paths the file dialogs return; cancelled when empty
  QList<gui::SaveChoice> saveAnswers;  // answers to "Save changes?"; Cancel when empty

  void beep() override { events << "beep"; }
  void message(const QString& text, gui::MessageIcon icon) override {
    events << (icon == gui::MessageIcon::Information ? "info: " : "ok: ") + text;
  }
  bool askYesNo(const QString& title, const QString& text) override {
    events << "question: " + title + ": " + text;
    return answers.isEmpty() ? false : answers.takeFirst();
  }
  gui::SaveChoice askSave(const QString& text) override {
    events << "save question: " + text;
    return saveAnswers.isEmpty() ? gui::SaveChoice::Cancel : saveAnswers.takeFirst();
  }
  // The print dialog: printing goes to a PDF file taken from `files`;
  // cancelled when empty.
  bool choosePrinter(QPrinter& printer) override {
    events << "print dialog";
    if (files.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(files.takeFirst());
    return true;
  }
  // The picture size dialog: the next of `sizes`, the proposed size when
  // empty; an empty size cancels.
  QList<QSize> sizes;
  QSize choosePictureSize(QSize proposed) override {
    events << QString("size dialog: %1x%2").arg(proposed.width()).arg(proposed.height());
    return sizes.isEmpty() ? proposed : sizes.takeFirst();
  }
  QString chooseFile(gui::FileDialogMode mode, const QString& filters, int selected) override {
    events << QString("%1 dialog: %2 [%3]")
                  .arg(mode == gui::FileDialogMode::Open ? "open" : "save", filters)
                  .arg(selected);
    return files.isEmpty() ? QString() : files.takeFirst();
  }
};

// The child of `parent` with this object name; the test fails without it.
template <typename T>
T* Child(const QObject* parent, const char* name) {
  T* c = parent->findChild<T*>(name);
  if (c == nullptr) qFatal("no child named %s", name);
  return c;
}

// Replaces the box's text by typing, as a person would.
inline void TypeInto(QLineEdit* box, const QString& text) {
  box->selectAll();
  if (text.isEmpty()) {
    QTest::keyClick(box, Qt::Key_Delete);
  } else {
    QTest::keyClicks(box, text);
  }
}

// Types into a box and leaves it with Enter: one complete edit.
inline void Enter(QLineEdit* box, const QString& text) {
  TypeInto(box, text);
  QTest::keyClick(box, Qt::Key_Return);
}

// Types into a table's cell, as a person would, and commits it with Enter.
inline void EnterCell(QTableWidget* table, int row, int column, const QString& text) {
  table->editItem(table->item(row, column));
  auto* cell = table->viewport()->findChild<QLineEdit*>();
  if (cell == nullptr) qFatal("no cell editor");
  Enter(cell, text);
  QCoreApplication::processEvents();  // the table takes the cell's text after Enter
}

// Replaces the box's text in one change, as pasting does.
inline void PasteInto(QLineEdit* box, const QString& text) {
  box->selectAll();
  box->insert(text);
}

// The program's main window, shown, over a fresh record.
struct Screen {
  bool privateSettings = PrivateSettings();
  fe::InputRecord r;
  RecordingUi ui;
  gui::frmMain w{r, ui};

  Screen() { w.show(); }
  // The settings (the recent files) go to a folder of the test's own, never
  // to the person's; set before the window reads them.
  static bool PrivateSettings() {
    static QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    return true;
  }
  QWidget* tabs() const { return Child<QTabWidget>(&w, "SSTabinter"); }
  QLineEdit* box(const char* name) const { return Child<QLineEdit>(tabs(), name); }
  void click(const char* option) const { Child<QRadioButton>(tabs(), option)->click(); }
  void trigger(const char* action) const { Child<QAction>(&w, action)->trigger(); }
  // File > Load Input, the dialog answered with `path`.
  void load(const QString& path) {
    ui.files << path;
    trigger("mnuLoadInput");
  }
};

inline void Press(const QObject* parent, const char* button) {
  QTest::mouseClick(Child<QAbstractButton>(parent, button), Qt::LeftButton);
}
