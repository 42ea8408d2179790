#include "core/exchange/ExchangeImport.h"

#include <algorithm>
#include <set>

#include "core/check/ConsistencyCheck.h"
#include "core/exchange/ExchangeFields.h"
#include "core/language/CoreText.h"
#include "core/language/UiLanguage.h"

namespace {

std::string Tr(const char* text, std::initializer_list<std::string_view> pieces = {}) { return CoreText("ExchangeImport", text, pieces); }

// The fields and preserved ranges of one slot as flags, by their place in the field table.
class FieldFlags {
 public:
  bool Has(const OfficerField& field) const { return flags_[Index(field)]; }
  void Set(const OfficerField& field) { flags_[Index(field)] = true; }

 private:
  static std::size_t Index(const OfficerField& field) { return static_cast<std::size_t>(&field - OfficerFields().data()); }
  std::vector<bool> flags_ = std::vector<bool>(OfficerFields().size());
};

// The raw entries of one slot checked: their bytes in place in `bytes`.
struct SlotRaw {
  RecordBytes bytes{};
  std::vector<const ExchangeField*> fields;
  std::vector<const OfficerField*> ranges;
};

SlotRaw ReadSlotRaw(const ExchangeSlot& entry, std::vector<ExchangeError>& errors) {
  SlotRaw raw;
  FieldFlags seen;
  std::vector<std::string_view> seenUnknown;
  for (const auto& pair : *entry.raw) {
    const std::string& key = pair.first;
    const std::string& hex = pair.second;
    const auto fail = [&](const std::string& message) {
      errors.push_back({entry.slot, "raw." + key, entry.rawPlace, message});
    };
    const ExchangeField* field = FindExchangeField(key);
    const OfficerField* range = field ? nullptr : FindPreservedRange(key);
    const OfficerField* known = field ? field : range;
    if (known ? seen.Has(*known) : std::find(seenUnknown.begin(), seenUnknown.end(), key) != seenUnknown.end()) {
      fail(Tr(QT_TRANSLATE_NOOP("ExchangeImport", "重复的原始数据")));
      continue;
    }
    if (!known) {
      seenUnknown.push_back(key);
      fail(Tr(QT_TRANSLATE_NOOP("ExchangeImport", "未知的原始数据")));
      continue;
    }
    seen.Set(*known);
    if (!PutHex(hex, std::span(raw.bytes).subspan(known->offset, known->width))) {
      const std::optional<std::vector<std::uint8_t>> bytes = BytesOfHex(hex);
      fail(!bytes ? Tr(QT_TRANSLATE_NOOP("ExchangeImport", "不是十六进制数据"))
                  : Tr(QT_TRANSLATE_NOOP("ExchangeImport", "长度不对：%1 字节，应为 %2 字节"),
                       {std::to_string(bytes->size()), std::to_string(known->width)}));
    } else if (field) {
      raw.fields.push_back(field);
    } else {
      raw.ranges.push_back(range);
    }
  }
  return raw;
}

void CopyField(const OfficerField& field, const RecordBytes& from, RecordBytes& to) {
  const auto begin = from.begin() + static_cast<std::ptrdiff_t>(field.offset);
  std::copy(begin, begin + static_cast<std::ptrdiff_t>(field.width), to.begin() + static_cast<std::ptrdiff_t>(field.offset));
}

// A new officer named beside its number in a relationship, to be compared
// with that slot's name once the whole import is known.
struct PendingLink {
  int slot;
  std::string key;
  SourcePlace place;
  NamedLink link;
};

void ApplySlot(const ExchangeSlot& entry, bool keepPreserved, RecordBytes& record, std::vector<ExchangeError>& errors,
               std::vector<PendingLink>& links) {
  std::vector<const ExchangeField*> named;
  FieldFlags isNamed;
  for (const ExchangeValue& value : entry.values) {
    named.push_back(FindExchangeField(value.key));
    if (named.back()) isNamed.Set(*named.back());
  }
  if (entry.raw) {
    const SlotRaw raw = ReadSlotRaw(entry, errors);
    // The exported bytes are the base of every named field, so that the
    // slot comes out as it was exported whatever the file held.
    for (const ExchangeField* field : named) {
      if (field) PutFieldDefault(*field, record);
    }
    for (const ExchangeField* field : raw.fields) {
      if (isNamed.Has(*field)) CopyField(*field, raw.bytes, record);
    }
    if (!keepPreserved) {
      for (const OfficerField* range : raw.ranges) CopyField(*range, raw.bytes, record);
    }
  }
  for (std::size_t i = 0; i < entry.values.size(); ++i) {
    const ExchangeValue& value = entry.values[i];
    if (!named[i]) {
      errors.push_back({entry.slot, value.key, value.place, Tr(QT_TRANSLATE_NOOP("ExchangeImport", "未知的字段"))});
      continue;
    }
    std::optional<NamedLink> link;
    if (auto problem = PutFieldValue(*named[i], value.text, record, &link)) {
      errors.push_back({entry.slot, value.key, value.place, std::move(*problem)});
    } else if (link) {
      links.push_back({entry.slot, value.key, value.place, std::move(*link)});
    }
  }
}

// "652 苏绮" names slot 2, which holds 雷鸣川 before and after the import:
// refused, as a wrong name beside a number of the game's roster is. Either
// name is taken, in either script, so that an import may rename an officer
// and link to it.
void CheckLinkNames(const std::vector<PendingLink>& links, const std::vector<unsigned char>& before,
                    const std::vector<unsigned char>& after, std::vector<ExchangeError>& errors) {
  for (const PendingLink& pending : links) {
    const std::size_t slot = pending.link.number - kFirstNewOfficer;
    constexpr OfficerTextScript kTraditional = OfficerTextScript::Traditional;
    if (pending.link.name == NewOfficerNameOf(before, slot)) continue;
    if (pending.link.name == NewOfficerNameOf(before, slot, kTraditional)) continue;
    const std::string nameAfter = NewOfficerNameOf(after, slot);
    if (pending.link.name == nameAfter || pending.link.name == NewOfficerNameOf(after, slot, kTraditional)) continue;
    errors.push_back({pending.slot, pending.key, pending.place,
                      Tr(QT_TRANSLATE_NOOP("ExchangeImport", "人物编号 %1 是%2，不是%3"),
                         {std::to_string(pending.link.number), nameAfter, pending.link.name})});
  }
}

}  // namespace

ImportDecision DecideImport(const ExchangeDocument& document, const std::vector<unsigned char>& head, bool keepPreserved) {
  ImportDecision decision;
  std::vector<unsigned char> after = head;
  after.resize(kOfficerFileSize, 0);
  if (document.header && !keepPreserved) {
    const auto bytes = BytesOfHex(*document.header);
    if (!bytes || bytes->size() != kHeaderSize) {
      decision.errors.push_back(
          {-1, "raw.header", document.headerPlace, Tr(QT_TRANSLATE_NOOP("ExchangeImport", "文件头应为 4 字节的十六进制数据"))});
    } else {
      std::copy(bytes->begin(), bytes->end(), after.begin());
    }
  }
  std::set<int> seen;
  std::vector<PendingLink> links;
  for (const ExchangeSlot& entry : document.officers) {
    if (decision.errors.size() >= kErrorsListed) break;
    if (entry.slot < 0 || entry.slot >= static_cast<int>(kSlotCount)) {
      decision.errors.push_back({entry.slot, "slot", entry.place, Tr(QT_TRANSLATE_NOOP("ExchangeImport", "槽号应在 0–109 之间"))});
      continue;
    }
    if (!seen.insert(entry.slot).second) {
      decision.errors.push_back(
          {entry.slot, "slot", entry.place, Tr(QT_TRANSLATE_NOOP("ExchangeImport", "这位武将在文件中出现了不止一次"))});
      continue;
    }
    RecordBytes record = RecordAt(after, static_cast<std::size_t>(entry.slot));
    ApplySlot(entry, keepPreserved, record, decision.errors, links);
    PutRecordAt(after, static_cast<std::size_t>(entry.slot), record);
  }
  CheckLinkNames(links, head, after, decision.errors);
  if (!decision.Accepted()) return decision;
  decision.changes = CompareFileHeads(head, after);
  decision.notes = SuspiciousFindings(TableOfHead(after), decision.changes.ChangedSlots());
  return decision;
}
