#pragma once
// Finding roster entries by what the player types in a relationship
// picker's find box: a part of the entry's number or of its name, the name
// typed in simplified or in traditional characters (the entries show
// simplified names).
#include <QString>

class RosterSearch {
 public:
  explicit RosterSearch(const QString& typed);

  // Nothing typed: every entry matches.
  bool IsEmpty() const { return typed_.isEmpty(); }
  // `entry` is the roster position (its number), `shown` the picker's text.
  bool Matches(int entry, const QString& shown) const;
  // The entry whose number is exactly what was typed; -1 for none.
  int ExactNumber() const { return exactNumber_; }

 private:
  QString typed_;
  QString simplified_;  // traditional characters typed, as the entries show them
  int exactNumber_ = -1;
};

// Traditional characters of the text written as the editor shows them
// (through the character table's Big5 → GBK); others stay.
QString SimplifiedForm(const QString& text);
