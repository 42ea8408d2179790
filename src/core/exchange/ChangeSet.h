#pragma once
// What an import (or a comparison of two files) changes: the file's first
// 28,604 bytes before and after, and every changed field in words.
#include <string>
#include <vector>

#include "core/officers/OfficerRecord.h"

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

// The officer as the window names it, "652 雷鸣川" (from `table`), and
// "文件头" for the file's header.
std::string ChangedOfficerName(const FieldChange& change, const OfficerTable& table);
// The field's label from the field table: "统率", "姓（字节）" for a text's
// bytes, "保留字节 bytes53" for a preserved range.
std::string ChangedFieldLabel(const FieldChange& change);
// "653 李鸣远，姓：\"雷\" → \"李\"", texts in quotes with line breaks as \n,
// officers named from `table` (the file after the change).
std::string FormatChange(const FieldChange& change, const OfficerTable& table);
