// A window that shows every record of one array group as a table (rows are
// the records, columns the group's arrays, as the group's editor describes
// them) and edits them in place. A cell stores its value when its edit is
// committed, through the same number rule as the editor's boxes; each
// committed cell is one edit. The table follows the record: the window asks
// it to refresh after every change made elsewhere.
#pragma once

#include <QPushButton>
#include <QTableWidget>

#include "input_options.h"
#include "input_record.h"
#include "program_window.h"
#include "record_editor.h"
#include "user_interface.h"

namespace gui {

class RecordTable : public ProgramWindow {
  Q_OBJECT
 public:
  RecordTable(const EditorLayout& layout, fe::InputRecord& record, UserInterface& ui,
              QWidget* parent);

  fe::CountGroup group() const { return layout_.group; }
  QTableWidget* grid() const { return grid_; }
  // Shows the table, beside the main window the first time.
  void open();
  // Writes every row and the column headings (with their units) from the
  // record.
  void refresh();

 signals:
  // A cell's edit was stored: `what` names it for the Edit menu.
  void edited(const QString& what);

 private:
  void store(QTableWidgetItem* cell);

  EditorLayout layout_;
  fe::InputRecord& r_;
  UserInterface& ui_;
  QTableWidget* grid_ = nullptr;
  QPushButton* close_ = nullptr;
  bool writing_ = false;  // refresh() is writing the cells
};

}  // namespace gui
