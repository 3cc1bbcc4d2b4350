// Undo and redo of the person's edits: the history keeps the whole input as
// it stood after each edit, so undoing any kind of edit (a box, an option, a
// count, a record editor, a reset, a unit conversion) gives back exactly the
// input before it. The window says when an edit is complete; typing into a
// box is one step, however many keystrokes it took.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "input_record.h"

namespace fe {

class EditHistory {
 public:
  // At most `limit` steps can be undone; older ones are forgotten.
  explicit EditHistory(std::size_t limit = 200);

  // Forgets every step: `current` is the input now (at start-up, after a
  // file was loaded).
  void start(const InputRecord& current);

  // After an edit: when `current` holds another input than the history's
  // present, it becomes the present, named `what`, and the steps that could
  // be redone are dropped. Returns whether a step was added.
  bool commit(const InputRecord& current, const std::string& what);

  // Whether `current` differs from the history's present (an edit not yet
  // committed).
  bool pending(const InputRecord& current) const;

  bool canUndo() const { return at_ > 0; }
  bool canRedo() const { return at_ + 1 < steps_.size(); }
  // The name of the step Undo and Redo would take back or make again; empty
  // when there is none.
  std::string undoName() const;
  std::string redoName() const;

  // Writes the input before the last step (after the next one) into `r`; the
  // file names, the version and the window's working fields of `r` stay.
  // False, with `r` untouched, when there is nothing to undo (redo).
  bool undo(InputRecord& r);
  bool redo(InputRecord& r);

 private:
  struct Step {
    InputRecord input;  // the input after the step
    std::string what;   // what the step did ("Design height", "Reset All")
  };
  std::size_t limit_;
  std::vector<Step> steps_;  // steps_[0] is the input the history started at
  std::size_t at_ = 0;       // the present
};

// Copies the input of `from` into `to`: every field an input file keeps; the
// file names, the version and the working fields of `to` stay as they are.
void RestoreInput(InputRecord& to, const InputRecord& from);

}  // namespace fe
