#pragma once
// The steps the player can take back: every change to the table (a
// confirmation, a conversion command, an import) as the table before and
// after it, with a name the menu shows ("确认修改 652 雷鸣川"). A table is
// 28 KB; the history keeps the last 100 steps.
#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "core/officers/OfficerRecord.h"

class EditHistory {
 public:
  static constexpr std::size_t kMaxSteps = 100;

  // A new history whose saved state is the present one (open, reload).
  void Clear();
  // A step from `before` to `after`; the steps that were undone are gone.
  void Record(std::string name, const OfficerTable& before, const OfficerTable& after);

  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < steps_.size(); }
  // The names of the step Undo and Redo would take (UTF-8); empty for none.
  std::string UndoName() const;
  std::string RedoName() const;
  // The table as it was before the last step / after the next one.
  const OfficerTable& Undo();
  const OfficerTable& Redo();

  // The table as it is now is the one on disk.
  void MarkSaved() { saved_ = done_; }
  // Whether undo and redo came back to the state last saved (or opened).
  bool AtSavedState() const { return saved_ == done_; }
  // How many steps are in effect since the history began, those that fell
  // out of its 100 included: a step recorded at position p is in effect
  // while the position is at least p, until a new step replaces it.
  std::size_t Position() const { return dropped_ + done_; }

 private:
  struct Step {
    std::string name;
    OfficerTable before, after;
  };
  std::deque<Step> steps_;
  std::size_t done_ = 0;                  // steps_[0 .. done_) are in effect
  std::size_t dropped_ = 0;               // steps that fell out at the front
  std::optional<std::size_t> saved_ = 0;  // nullopt: the saved state can no longer be reached
};
