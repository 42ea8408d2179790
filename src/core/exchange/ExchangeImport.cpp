#include "core/exchange/ExchangeImport.h"

#include <algorithm>
#include <set>

#include "core/check/ConsistencyCheck.h"
#include "core/exchange/ExchangeFields.h"
#include "core/list/OfficerRoster.h"

namespace {

std::span<std::uint8_t> FieldSpan(RecordBytes& record, std::size_t offset, std::size_t width) {
  return std::span<std::uint8_t>(record.data() + offset, width);
}

// The raw entries of one slot checked and turned into bytes.
struct SlotRaw {
  std::vector<std::pair<const ExchangeField*, std::vector<std::uint8_t>>> fields;
  std::vector<std::pair<const OfficerField*, std::vector<std::uint8_t>>> ranges;
};

SlotRaw ReadSlotRaw(const ExchangeSlot& entry, std::vector<ExchangeError>& errors) {
  SlotRaw raw;
  std::vector<std::string_view> seen;
  for (const auto& pair : *entry.raw) {
    const std::string& key = pair.first;
    const std::string& hex = pair.second;
    const auto fail = [&](const std::string& message) {
      errors.push_back({entry.slot, "raw." + key, entry.rawPlace, message});
    };
    if (std::find(seen.begin(), seen.end(), key) != seen.end()) {
      fail("重复的原始数据");
      continue;
    }
    seen.push_back(key);
    std::size_t width = 0;
    const ExchangeField* field = FindExchangeField(key);
    const OfficerField* range = field ? nullptr : FindPreservedRange(key);
    if (field) {
      width = field->width;
    } else if (range) {
      width = range->width;
    } else {
      fail("未知的原始数据");
      continue;
    }
    std::optional<std::vector<std::uint8_t>> bytes = BytesOfHex(hex);
    if (!bytes) {
      fail("不是十六进制数据");
    } else if (bytes->size() != width) {
      fail("长度不对：" + std::to_string(bytes->size()) + " 字节，应为 " + std::to_string(width) + " 字节");
    } else if (field) {
      raw.fields.emplace_back(field, std::move(*bytes));
    } else {
      raw.ranges.emplace_back(range, std::move(*bytes));
    }
  }
  return raw;
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
  for (const ExchangeValue& value : entry.values) named.push_back(FindExchangeField(value.key));
  if (entry.raw) {
    const SlotRaw raw = ReadSlotRaw(entry, errors);
    // The exported bytes are the base of every named field, so that the
    // slot comes out as it was exported whatever the file held.
    for (const ExchangeField* field : named) {
      if (field) PutFieldDefault(*field, record);
    }
    for (const auto& [field, bytes] : raw.fields) {
      if (std::find(named.begin(), named.end(), field) == named.end()) continue;
      std::copy(bytes.begin(), bytes.end(), FieldSpan(record, field->offset, field->width).begin());
    }
    if (!keepPreserved) {
      for (const auto& [range, bytes] : raw.ranges) {
        std::copy(bytes.begin(), bytes.end(), FieldSpan(record, range->offset, range->width).begin());
      }
    }
  }
  for (std::size_t i = 0; i < entry.values.size(); ++i) {
    const ExchangeValue& value = entry.values[i];
    if (!named[i]) {
      errors.push_back({entry.slot, value.key, value.place, "未知的字段"});
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
// name is taken, so that an import may rename an officer and link to it.
void CheckLinkNames(const std::vector<PendingLink>& links, const std::vector<unsigned char>& before,
                    const std::vector<unsigned char>& after, std::vector<ExchangeError>& errors) {
  if (links.empty()) return;
  const NewOfficerNames namesBefore = NewOfficerNamesOf(before), namesAfter = NewOfficerNamesOf(after);
  for (const PendingLink& pending : links) {
    const std::size_t slot = pending.link.number - kFirstNewOfficer;
    if (pending.link.name == namesBefore[slot] || pending.link.name == namesAfter[slot]) continue;
    errors.push_back({pending.slot, pending.key, pending.place,
                      "人物编号 " + std::to_string(pending.link.number) + " 是" + namesAfter[slot] + "，不是" + pending.link.name});
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
      decision.errors.push_back({-1, "raw.header", document.headerPlace, "文件头应为 4 字节的十六进制数据"});
    } else {
      std::copy(bytes->begin(), bytes->end(), after.begin());
    }
  }
  std::set<int> seen;
  std::vector<PendingLink> links;
  for (const ExchangeSlot& entry : document.officers) {
    if (decision.errors.size() >= kErrorsListed) break;
    if (entry.slot < 0 || entry.slot >= static_cast<int>(kSlotCount)) {
      decision.errors.push_back({entry.slot, "slot", entry.place, "槽号应在 0–109 之间"});
      continue;
    }
    if (!seen.insert(entry.slot).second) {
      decision.errors.push_back({entry.slot, "slot", entry.place, "这位武将在文件中出现了不止一次"});
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
