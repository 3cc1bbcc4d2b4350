// A window that edits one array group of the input record one record at a
// time: a numbered heading, one box per array, Previous, Next and Close.
// Every edit is stored at once into the record the editor shows. The editor
// keeps its own record number, so two open editors never write into each
// other's records, and it never writes past the end of an array.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <string_view>
#include <vector>

#include "keldor.h"

#include "input_options.h"
#include "input_record.h"
#include "program_window.h"
#include "user_interface.h"
#include "window_tabs.h"

namespace gui {

// One box of an editor: its label caption, its object name, the array it
// edits, its unit, its tooltips in English and SI units, and its heading as a
// column of the group's table.
struct EditorField {
  const char* caption;
  const char* box;
  fe::RecordArray fe::InputRecord::*array;
  fe::Unit unit;
  const char* tipEnglish;
  const char* tipSI;
  const char* column;
};

// What distinguishes one editor from another.
struct EditorLayout {
  const char* window;         // object name, e.g. "frmGSeg"
  const char* caption;        // window caption
  const char* frame;          // object name of the frame
  const char* headingPrefix;  // "GROUND SEGMENT NO "
  fe::CountGroup group;
  const char* tipPrevious;
  const char* tipNext;
  std::vector<EditorField> fields;
  const char* columnLabel = nullptr;   // column headings above the boxes
  const char* columnBox = nullptr;
  const char* subheading = nullptr;    // a heading placed after the first field
};

class RecordEditor : public ProgramWindow {
  Q_OBJECT
 public:
  RecordEditor(const EditorLayout& layout, fe::InputRecord& record, UserInterface& ui,
               QWidget* parent);
  ~RecordEditor() override;

  fe::CountGroup group() const { return layout_.group; }
  // The 1-based record shown.
  int record() const { return record_; }

  // Shows the editor at record 1 (the caller has checked that the group has
  // records).
  void openAtFirstRecord();
  void next();
  void previous();
  // Hides the editor; its values stay in the record.
  void closeEditor();

  // Puts the editor away when the record it shows may no longer be the one
  // in the main window: its group's count changed since it opened, or the
  // record lies past the count.
  void closeIfStale();
  // Shows the record's values again, when open (after undo, redo or an edit
  // in the group's table); a box that already shows its value is left as
  // typed.
  void refresh();

  void applyTooltips(bool english);

 signals:
  // A box stored a value into the record.
  void stored();

 private:
  void showRecord(int record);
  bool store(std::size_t field, std::string_view text);
  void showUnit(std::size_t field);

  EditorLayout layout_;
  fe::InputRecord& r_;
  UserInterface& ui_;
  int record_ = 1;
  std::int32_t countWhenOpened_ = 0;
  QGroupBox* frame_ = nullptr;
  std::vector<QLineEdit*> boxes_;
  std::vector<QLabel*> units_;
  std::int32_t unitSystem_ = KELDOR_ENGLISH;  // of the units beside the boxes
  QToolButton* previous_ = nullptr;
  QToolButton* next_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace gui
