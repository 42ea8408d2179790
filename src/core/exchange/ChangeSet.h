#pragma once
// What an import (or a comparison of two files) changes: the file's first
// 28,604 bytes before and after, and every changed field in words.
#include <string>
#include <vector>

struct FieldChange {
  int slot = -1;      // -1 for the file's header
  std::string field;  // an exchange field name, or raw.<range> for bytes
  std::string before, after;  // UTF-8, as the exchange formats write them
};

struct ChangeSet {
  std::vector<unsigned char> before, after;  // 28,604 bytes each
  std::vector<FieldChange> changes;

  bool Empty() const { return changes.empty(); }
  // Slots whose bytes differ, in order.
  std::vector<int> ChangedSlots() const;
};

// Field by field from `before` to `after` (both 28,604 bytes): named fields
// whose bytes differ, shown by value (by bytes when the values read the
// same), then preserved ranges by bytes; the header first.
ChangeSet CompareFileHeads(const std::vector<unsigned char>& before, const std::vector<unsigned char>& after);

// "3 surname: 雷 → 李", texts in quotes with line breaks as \n.
std::string FormatChange(const FieldChange& change);
