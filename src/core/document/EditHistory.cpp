#include "core/document/EditHistory.h"

void EditHistory::Clear() {
  steps_.clear();
  done_ = 0;
  dropped_ = 0;
  saved_ = 0;
}

void EditHistory::Record(std::string name, const OfficerTable& before, const OfficerTable& after) {
  if (saved_ && *saved_ > done_) saved_.reset();  // the saved state was among the undone steps
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
  steps_.push_back(Step{std::move(name), before, after});
  ++done_;
  if (steps_.size() > kMaxSteps) {
    steps_.pop_front();
    --done_;
    ++dropped_;
    if (saved_ && *saved_ == 0) {
      saved_.reset();
    } else if (saved_) {
      --*saved_;
    }
  }
}

std::string EditHistory::UndoName() const { return CanUndo() ? steps_[done_ - 1].name : std::string(); }

std::string EditHistory::RedoName() const { return CanRedo() ? steps_[done_].name : std::string(); }

const OfficerTable& EditHistory::Undo() { return steps_[--done_].before; }

const OfficerTable& EditHistory::Redo() { return steps_[done_++].after; }
