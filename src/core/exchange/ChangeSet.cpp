#include "core/exchange/ChangeSet.h"

#include <algorithm>
#include <mutex>
#include <optional>
#include <span>

#include "core/convert/GbkText.h"
#include "core/exchange/ExchangeFields.h"
#include "core/language/CoreText.h"
#include "core/language/UiLanguage.h"
#include "core/list/OfficerList.h"

namespace {

std::string Tr(const char* text, std::initializer_list<std::string_view> pieces = {}) { return CoreText("ChangeSet", text, pieces); }

bool SameBytes(const RecordBytes& a, const RecordBytes& b, std::size_t offset, std::size_t width) {
  return std::equal(a.begin() + static_cast<std::ptrdiff_t>(offset), a.begin() + static_cast<std::ptrdiff_t>(offset + width),
                    b.begin() + static_cast<std::ptrdiff_t>(offset));
}

std::string HexAt(const RecordBytes& r, std::size_t offset, std::size_t width) {
  return HexOf(std::span<const std::uint8_t>(r.data() + offset, width));
}

std::vector<FieldChange> ListChanges(const std::vector<unsigned char>& before, const std::vector<unsigned char>& after) {
  std::vector<FieldChange> changes;
  if (!std::equal(before.begin(), before.begin() + kHeaderSize, after.begin())) {
    changes.push_back({-1, std::string(kHeaderKey), HexOf(std::span(before.data(), kHeaderSize)),
                       HexOf(std::span(after.data(), kHeaderSize))});
  }
  // The new officers' names only matter for changed relationships.
  std::optional<NewOfficerNames> namesBefore, namesAfter;
  const auto names = [](std::optional<NewOfficerNames>& cached, const std::vector<unsigned char>& head) -> const NewOfficerNames& {
    if (!cached) cached = NewOfficerNamesOf(head);
    return *cached;
  };
  const NewOfficerNames none{};
  for (std::size_t s = 0; s < kSlotCount; ++s) {
    const RecordBytes a = RecordAt(before, s), b = RecordAt(after, s);
    const int slot = static_cast<int>(s);
    for (const ExchangeField& field : ExchangeFields()) {
      if (SameBytes(a, b, field.offset, field.width)) continue;
      const bool link = field.kind == FieldKind::Relationship;
      std::string valueA = FieldValueText(field, a, link ? names(namesBefore, before) : none);
      std::string valueB = FieldValueText(field, b, link ? names(namesAfter, after) : none);
      if (valueA == valueB) {
        changes.push_back({slot, "raw." + std::string(field.key), HexAt(a, field.offset, field.width),
                           HexAt(b, field.offset, field.width)});
      } else {
        changes.push_back({slot, std::string(field.key), std::move(valueA), std::move(valueB)});
      }
    }
    for (const OfficerField& range : PreservedRanges()) {
      if (SameBytes(a, b, range.offset, range.width)) continue;
      changes.push_back({slot, "raw." + std::string(range.key), HexAt(a, range.offset, range.width),
                         HexAt(b, range.offset, range.width)});
    }
  }
  return changes;
}

// Named fields and preserved ranges whose bytes differ, the header counted as one.
std::size_t CountChanges(const std::vector<unsigned char>& before, const std::vector<unsigned char>& after) {
  std::size_t count = std::equal(before.begin(), before.begin() + kHeaderSize, after.begin()) ? 0 : 1;
  for (std::size_t s = 0; s < kSlotCount; ++s) {
    const RecordBytes a = RecordAt(before, s), b = RecordAt(after, s);
    if (a == b) continue;
    for (const OfficerField& field : ExchangeFields()) count += !SameBytes(a, b, field.offset, field.width);
    for (const OfficerField& range : PreservedRanges()) count += !SameBytes(a, b, range.offset, range.width);
  }
  return count;
}

}  // namespace

struct FieldChangeList::Listing {
  std::vector<unsigned char> before, after;
  std::once_flag listed;
  std::vector<FieldChange> changes;
};

const std::vector<FieldChange>& FieldChangeList::Listed() const {
  static const std::vector<FieldChange> none;
  if (!listing_) return none;
  Listing& listing = *listing_;
  std::call_once(listing.listed, [&] { listing.changes = ListChanges(listing.before, listing.after); });
  return listing.changes;
}

std::vector<int> ChangeSet::ChangedSlots() const {
  std::vector<int> changed;
  for (std::size_t s = 0; s < kSlotCount && before.size() >= kOfficerFileSize && after.size() >= kOfficerFileSize; ++s) {
    if (RecordAt(before, s) != RecordAt(after, s)) changed.push_back(static_cast<int>(s));
  }
  return changed;
}

ChangeSet CompareFileHeads(const std::vector<unsigned char>& before, const std::vector<unsigned char>& after) {
  ChangeSet set{before, after, {}};
  set.changes.count_ = CountChanges(before, after);
  if (set.changes.count_ > 0) {
    set.changes.listing_ = std::make_shared<FieldChangeList::Listing>();
    set.changes.listing_->before = before;
    set.changes.listing_->after = after;
  }
  return set;
}

std::string ChangedOfficerName(const FieldChange& change, const OfficerTable& table) {
  if (change.slot < 0 || change.slot >= static_cast<int>(kSlotCount)) return Tr(QT_TRANSLATE_NOOP("ChangeSet", "文件头"));
  return SlotNameUtf8(table[static_cast<std::size_t>(change.slot)], change.slot, NameUse::Message);
}

std::string ChangedOfficerName(const FieldChange& change, const OfficerTable& table, OfficerTextScript script) {
  if (change.slot < 0 || change.slot >= static_cast<int>(kSlotCount)) return Tr(QT_TRANSLATE_NOOP("ChangeSet", "文件头"));
  return SlotNameUtf8(table[static_cast<std::size_t>(change.slot)], change.slot, NameUse::Message, script);
}

const OfficerField* Big5TextField(const FieldChange& change) {
  const std::string_view key = std::string_view(change.field).substr(change.field.starts_with("raw.") ? 4 : 0);
  const ExchangeField* field = FindExchangeField(key);
  if (!field || !field->IsText() || field->coding != TextCoding::Big5 || change.slot < 0) return nullptr;
  return field;
}

std::string ChangedFieldLabel(const FieldChange& change) {
  if (change.slot < 0) return Tr(QT_TRANSLATE_NOOP("ChangeSet", "文件头"));
  const bool bytes = change.field.starts_with("raw.");
  const std::string_view key = std::string_view(change.field).substr(bytes ? 4 : 0);
  if (const ExchangeField* field = FindExchangeField(key))
    return bytes ? Tr(QT_TRANSLATE_NOOP("ChangeSet", "%1（字节）"), {FieldLabel(*field)}) : FieldLabel(*field);
  if (const OfficerField* range = FindPreservedRange(key)) return FieldLabel(*range) + " " + std::string(key);
  return change.field;
}

namespace {

// "653 李鸣远，姓：\"雷\" → \"李\"" from the officer's name and the two values.
std::string ChangeLine(const FieldChange& change, const std::string& name, const std::string& before,
                       const std::string& after) {
  const ExchangeField* field = FindExchangeField(change.field);
  const bool quoted = field && field->IsText();
  const auto show = [&](const std::string& value) {
    if (!quoted) return value.empty() ? Tr(QT_TRANSLATE_NOOP("ChangeSet", "无")) : value;
    std::string text = "\"";
    for (const char c : value) {
      if (c == '\r') {
        text += "\\r";
      } else if (c == '\n') {
        text += "\\n";
      } else if (c == '"' || c == '\\') {
        text += '\\';
        text += c;
      } else {
        text += c;
      }
    }
    return text + "\"";
  };
  if (change.slot < 0)
    return Tr(QT_TRANSLATE_NOOP("ChangeSet", "%1：%2 → %3"), {ChangedFieldLabel(change), show(before), show(after)});
  return Tr(QT_TRANSLATE_NOOP("ChangeSet", "%1，%2：%3 → %4"), {name, ChangedFieldLabel(change), show(before), show(after)});
}

std::string StoredBig5Text(const ExchangeField& field, int slot, const OfficerTable& table) {
  return FromBig5(FieldText(table[static_cast<std::size_t>(slot)], field)).toStdString();
}

}  // namespace

std::string FormatChange(const FieldChange& change, const OfficerTable& table) {
  return ChangeLine(change, ChangedOfficerName(change, table), change.before, change.after);
}

std::string FormatChange(const FieldChange& change, const OfficerTable& before, const OfficerTable& after,
                         OfficerTextScript script) {
  const std::string name = ChangedOfficerName(change, after, script);
  const ExchangeField* text = script == OfficerTextScript::Traditional ? Big5TextField(change) : nullptr;
  if (!text) return ChangeLine(change, name, change.before, change.after);
  FieldChange asText = change;
  asText.field = std::string(text->key);
  return ChangeLine(asText, name, StoredBig5Text(*text, change.slot, before), StoredBig5Text(*text, change.slot, after));
}
