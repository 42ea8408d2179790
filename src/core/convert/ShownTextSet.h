#pragma once
// The stored texts (StoredTextFields(): surname, given name, courtesy name,
// biography) as the editor panel shows them: GBK bytes (UTF-8 where they are
// shown in traditional characters), the biography with CR LF line breaks.
#include <array>
#include <string>

#include "core/officers/OfficerFields.h"

class ShownTextSet {
 public:
  std::string& Of(const OfficerField& field) { return texts_[StoredTextIndex(field)]; }
  const std::string& Of(const OfficerField& field) const { return texts_[StoredTextIndex(field)]; }
  bool operator==(const ShownTextSet&) const = default;

 private:
  std::array<std::string, kStoredTextCount> texts_;
};
