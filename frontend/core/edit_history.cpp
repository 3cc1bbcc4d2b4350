#include "edit_history.h"

#include "record_fields.h"

namespace fe {

EditHistory::EditHistory(std::size_t limit) : limit_(limit < 1 ? 1 : limit) {
  steps_.push_back({InputRecord(), std::string()});
}

void EditHistory::start(const InputRecord& current) {
  steps_.clear();
  steps_.push_back({current, std::string()});
  at_ = 0;
}

bool EditHistory::pending(const InputRecord& current) const {
  return !SameInput(current, steps_[at_].input);
}

bool EditHistory::commit(const InputRecord& current, const std::string& what) {
  if (!pending(current)) return false;
  steps_.resize(at_ + 1);  // what could be redone is gone
  steps_.push_back({current, what});
  // The oldest state goes once `limit_` steps lie behind the present.
  if (steps_.size() > limit_ + 1) steps_.erase(steps_.begin());
  at_ = steps_.size() - 1;
  return true;
}

std::string EditHistory::undoName() const { return canUndo() ? steps_[at_].what : std::string(); }

std::string EditHistory::redoName() const {
  return canRedo() ? steps_[at_ + 1].what : std::string();
}

bool EditHistory::undo(InputRecord& r) {
  if (!canUndo()) return false;
  RestoreInput(r, steps_[--at_].input);
  return true;
}

bool EditHistory::redo(InputRecord& r) {
  if (!canRedo()) return false;
  RestoreInput(r, steps_[++at_].input);
  return true;
}

void RestoreInput(InputRecord& to, const InputRecord& from) {
  InputRecord kept = from;
  TakeSessionState(kept, to);
  to = std::move(kept);
}

}  // namespace fe
