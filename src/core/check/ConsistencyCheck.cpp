#include "core/check/ConsistencyCheck.h"

#include "core/convert/StoredEncoding.h"
#include "core/editor/EditorFields.h"
#include "core/exchange/ExchangeFields.h"
#include "core/faces/FaceArchivePair.h"
#include "core/list/OfficerRoster.h"

namespace {

constexpr unsigned kAbilityMaximum = 99;

bool IsRegistered(const OfficerRecord& r) { return !r.Xing.Text().empty() || !r.Ming.Text().empty(); }

bool IsBig5(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) continue;
    if (lead == 0x80 || lead == 0xFF || i + 1 >= text.size()) return false;
    const auto trail = static_cast<unsigned char>(text[++i]);
    if (!((trail >= 0x40 && trail <= 0x7E) || (trail >= 0xA1 && trail <= 0xFE))) return false;
  }
  return true;
}

class Checker {
 public:
  Checker(const std::vector<unsigned char>& head, const FaceArchivePair* archives) : archives_(archives) {
    for (std::size_t s = 0; s < kSlotCount; ++s) records_[s] = DecodeRecord(head.data() + kHeaderSize + s * kRecordSize);
  }

  std::vector<Finding> Run() {
    for (int s = 0; s < static_cast<int>(kSlotCount); ++s) {
      const OfficerRecord& r = records_[static_cast<std::size_t>(s)];
      if (!IsRegistered(r)) continue;
      slot_ = s;
      Relationships(r);
      Years(r);
      Abilities(r);
      EnumerationValues(r);
      Texts(r);
      Face(r);
    }
    return std::move(findings_);
  }

 private:
  void Add(std::string field, std::string kind, std::string message, bool warning = false) {
    findings_.push_back({slot_, std::move(field), std::move(kind), warning, std::move(message)});
  }

  const OfficerRecord* InFile(unsigned number) const {
    if (number < kFirstNewOfficer || number >= kFirstNewOfficer + kSlotCount) return nullptr;
    return &records_[number - kFirstNewOfficer];
  }

  void Relationships(const OfficerRecord& r) {
    static constexpr std::pair<const char*, std::uint16_t OfficerRecord::*> kLinks[] = {
        {"father", &OfficerRecord::Father}, {"mother", &OfficerRecord::Mother}, {"spouse", &OfficerRecord::Another},
        {"family", &OfficerRecord::Family}, {"brother", &OfficerRecord::Brother}, {"enemy", &OfficerRecord::Enemy},
        {"same_officer", &OfficerRecord::SameOfficer}};
    for (const auto& [key, member] : kLinks) {
      const unsigned v = r.*member;
      if (v == static_cast<unsigned>(slot_ + kFirstNewOfficer)) {
        Add(key, "relationship", "指向这位武将自己（" + std::to_string(v) + "）");
      } else if (const OfficerRecord* other = InFile(v); other && !IsRegistered(*other)) {
        Add(key, "relationship", "指向空的槽 " + std::to_string(v - kFirstNewOfficer) + "（" + std::to_string(v) + "）");
      }
    }
    for (const auto& [key, member] : {kLinks[0], kLinks[1]}) {
      const OfficerRecord* parent = InFile(r.*member);
      if (parent && IsRegistered(*parent) && parent->BornYear > r.BornYear) {
        Add(key, "years", "父母 " + std::to_string(r.*member) + " 生于 " + std::to_string(parent->BornYear) + " 年，晚于本人的 " +
                              std::to_string(r.BornYear) + " 年");
      }
    }
  }

  void Years(const OfficerRecord& r) {
    if (r.DeadYear < r.BornYear) {
      Add("death_year", "years", "死亡年 " + std::to_string(r.DeadYear) + " 早于诞生年 " + std::to_string(r.BornYear));
    } else if (r.DeadYear < r.EnterYear) {
      Add("death_year", "years", "死亡年 " + std::to_string(r.DeadYear) + " 早于登场年 " + std::to_string(r.EnterYear));
    }
  }

  void Abilities(const OfficerRecord& r) {
    const std::pair<const char*, unsigned> abilities[] = {
        {"leadership", r.Tongshuai}, {"war", r.Wuli}, {"intelligence", r.Zhili}, {"politics", r.Zhengzhi}, {"charm", r.Meili}};
    for (const auto& [key, value] : abilities) {
      if (value > kAbilityMaximum) Add(key, "ability", "能力 " + std::to_string(value) + " 超过 99", true);
    }
  }

  void EnumerationValues(const OfficerRecord& r) {
    for (const ExchangeField& field : ExchangeFields()) {
      if (field.kind != FieldKind::Enumeration) continue;
      const EnumerationPicker& picker = Enumerations()[static_cast<std::size_t>(field.enumeration)];
      const std::uint8_t v = r.*picker.field;
      if (picker.field == &OfficerRecord::Type && v == kNoType) continue;  // no type chosen
      if (v >= picker.items.size()) {
        Add(std::string(field.key), "enumeration", "值 " + std::to_string(v) + " 不在列表中（0–" +
                                                       std::to_string(picker.items.size() - 1) + "）");
      }
    }
  }

  void Texts(const OfficerRecord& r) {
    const std::pair<const char*, std::string> texts[] = {
        {"surname", r.Xing.Text()}, {"given_name", r.Ming.Text()}, {"courtesy_name", r.Zi.Text()}, {"biography", r.Story.Text()}};
    for (const auto& [key, text] : texts) {
      const bool japanese = StoredEncodingOf(text) == StoredEncoding::ShiftJis;
      if (!IsBig5(text)) {
        Add(key, "text", japanese ? "不是繁体中文(Big5)文字，像是日文(Shift-JIS)：请用 此人日文-->中文 转换"
                                  : "不是繁体中文(Big5)文字");
      } else if (japanese) {
        Add(key, "text", "含有 Big5 未定义的字，像是日文(Shift-JIS)：请用 此人日文-->中文 转换");
      }
    }
  }

  void Face(const OfficerRecord& r) {
    if (!archives_ || (!archives_->Main() && !archives_->Added())) return;
    if (!SeekFace(r.Face, archives_->For(r.Face))) Add("face", "face", "头像 " + std::to_string(r.Face) + " 不在头像档中");
  }

  const FaceArchivePair* archives_;
  std::array<OfficerRecord, kSlotCount> records_{};
  std::vector<Finding> findings_;
  int slot_ = 0;
};

}  // namespace

std::vector<Finding> CheckOfficerFile(const std::vector<unsigned char>& head, const FaceArchivePair* archives) {
  return Checker(head, archives).Run();
}

std::string FormatFinding(const Finding& finding) {
  return std::to_string(finding.slot) + " (" + std::to_string(finding.slot + kFirstNewOfficer) + ") " + finding.field +
         (finding.warning ? "（提醒）：" : "：") + finding.message;
}
