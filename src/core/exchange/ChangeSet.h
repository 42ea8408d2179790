#pragma once
// What an import (or a comparison of two files) changes: the file's first
// 28,604 bytes before and after, and every changed field in words.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "core/officers/OfficerRecord.h"

enum class OfficerTextScript;  // core/language/UiLanguage.h

struct FieldChange {
  int slot = -1;      // -1 for the file's header
  std::string field;  // an exchange field name, or raw.<range> for bytes
  std::string before, after;  // UTF-8, as the exchange formats write them
};

struct ChangeSet;
struct OfficerField;

// The changes of a change set: counted from the bytes at once, put in words
// only the first time they are gone through (an import's decision needs the
// count; the preview and the command line read the words). Copies share the
// words once made.
class FieldChangeList {
 public:
  using const_iterator = std::vector<FieldChange>::const_iterator;

  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  const_iterator begin() const { return Listed().begin(); }
  const_iterator end() const { return Listed().end(); }

 private:
  friend ChangeSet CompareFileHeads(const std::vector<unsigned char>& before, const std::vector<unsigned char>& after);
  struct Listing;
  const std::vector<FieldChange>& Listed() const;

  std::size_t count_ = 0;
  std::shared_ptr<Listing> listing_;  // null: nothing changed
};

struct ChangeSet {
  std::vector<unsigned char> before, after;  // 28,604 bytes each
  FieldChangeList changes;

  bool Empty() const { return changes.empty(); }
  // Slots whose bytes differ, in order.
  std::vector<int> ChangedSlots() const;
};

// Field by field from `before` to `after` (both 28,604 bytes): named fields
// whose bytes differ, shown by value (by bytes when the values read the
// same), then preserved ranges by bytes; the header first.
ChangeSet CompareFileHeads(const std::vector<unsigned char>& before, const std::vector<unsigned char>& after);

// The officer as the window names it, "652 雷鸣川" (from `table`), and
// "文件头" for the file's header; the name in `script` (simplified when not
// given).
std::string ChangedOfficerName(const FieldChange& change, const OfficerTable& table);
std::string ChangedOfficerName(const FieldChange& change, const OfficerTable& table, OfficerTextScript script);
// The field's label from the field table: "统率", "姓（字节）" for a text's
// bytes, "保留字节 bytes53" for a preserved range.
std::string ChangedFieldLabel(const FieldChange& change);
// The Big5 text field (surname, given name, courtesy name, biography) a
// change is about, also where only its bytes are listed (a change the
// simplified script cannot show); nullptr for other changes.
const OfficerField* Big5TextField(const FieldChange& change);
// "653 李鸣远，姓：\"雷\" → \"李\"", texts in quotes with line breaks as \n,
// officers named from `table` (the file after the change).
std::string FormatChange(const FieldChange& change, const OfficerTable& table);
// The same in `script`: in the traditional one the officer is named, and a
// Big5 text's values are shown, as the file before and after stores them.
std::string FormatChange(const FieldChange& change, const OfficerTable& before, const OfficerTable& after,
                         OfficerTextScript script);
