// The suspicious half of the rule of values: values the game takes but that
// are most likely a slip.
#include "core/check/ValueRules.h"
#include "core/faces/FaceArchivePair.h"

namespace {


class SlotCheck {
 public:
  SlotCheck(const OfficerTable& table, int slot, const FaceArchivePair* archives)
      : table_(table), record_(table[static_cast<std::size_t>(slot)]), slot_(slot), archives_(archives) {}

  std::vector<Finding> Run() {
    for (const OfficerField& field : OfficerFields()) {
      const unsigned value = FieldValue(record_, field);
      if (field.role == FieldRole::Ability && value > kUsualAbilityMaximum) {
        Add(field, "ability", "能力 " + std::to_string(value) + " 超过 " + std::to_string(kUsualAbilityMaximum));
      }
      if (field.kind == FieldKind::Enumeration && value == kNoSelection && field.role != FieldRole::Type) Add(field, "enumeration", "没有选择");
      if (field.kind == FieldKind::Relationship) Link(field, value);
    }
    Parents();
    Years();
    Face();
    return std::move(found_);
  }

 private:
  void Add(const OfficerField& field, std::string_view kind, std::string message) {
    found_.push_back({slot_, &field, kind, true, std::move(message)});
  }

  const OfficerRecord* InFile(unsigned number) const {
    if (number < kFirstNewOfficer || number >= kFirstNewOfficer + kSlotCount) return nullptr;
    return &table_[number - kFirstNewOfficer];
  }

  void Link(const OfficerField& field, unsigned value) {
    if (value == static_cast<unsigned>(slot_ + kFirstNewOfficer)) {
      Add(field, "relationship", "指向这位武将自己（" + std::to_string(value) + "）");
    } else if (const OfficerRecord* other = InFile(value); other && !IsRegistered(*other)) {
      Add(field, "relationship", "指向空的槽 " + std::to_string(value - kFirstNewOfficer) + "（" + std::to_string(value) + "）");
    }
  }

  void Parents() {
    for (const OfficerField* parentField : FieldsWithRole(FieldRole::Parent)) {
      const unsigned number = FieldValue(record_, *parentField);
      const OfficerRecord* parent = InFile(number);
      if (parent && IsRegistered(*parent) && parent->BornYear > record_.BornYear) {
        Add(*parentField, "years", "父母 " + std::to_string(number) + " 生于 " + std::to_string(parent->BornYear) + " 年，晚于本人的 " +
                          std::to_string(record_.BornYear) + " 年");
      }
    }
  }

  void Years() {
    const OfficerRecord& r = record_;
    if (r.DeadYear < r.BornYear) {
      Add(FieldWithRole(FieldRole::DeathYear), "years", "死亡年 " + std::to_string(r.DeadYear) + " 早于诞生年 " + std::to_string(r.BornYear));
    } else if (r.DeadYear < r.EnterYear) {
      Add(FieldWithRole(FieldRole::DeathYear), "years", "死亡年 " + std::to_string(r.DeadYear) + " 早于登场年 " + std::to_string(r.EnterYear));
    }
  }

  void Face() {
    if (!archives_ || (!archives_->Main() && !archives_->Added())) return;
    if (!SeekFace(record_.Face, archives_->For(record_.Face))) {
      Add(FieldWithRole(FieldRole::Face), "face", "头像 " + std::to_string(record_.Face) + " 不在头像档中");
    }
  }

  const OfficerTable& table_;
  const OfficerRecord& record_;
  int slot_;
  const FaceArchivePair* archives_;
  std::vector<Finding> found_;
};

}  // namespace

std::vector<Finding> SuspiciousValues(const OfficerTable& table, int slot, const FaceArchivePair* archives) {
  return SlotCheck(table, slot, archives).Run();
}

std::optional<Finding> SameNameAsEarlier(const OfficerTable& table, int slot) {
  const OfficerRecord& record = table[static_cast<std::size_t>(slot)];
  const std::string surname = record.Xing.Text(), givenName = record.Ming.Text();
  if (surname.empty() || givenName.empty()) return std::nullopt;
  std::string earlier;
  for (int s = 0; s < slot; ++s) {
    const OfficerRecord& other = table[static_cast<std::size_t>(s)];
    if (other.Xing.Text() != surname || other.Ming.Text() != givenName) continue;
    earlier += (earlier.empty() ? "" : "、") + std::to_string(s + kFirstNewOfficer);
  }
  if (earlier.empty()) return std::nullopt;
  return Finding{slot, &FieldWithRole(FieldRole::GivenName), "name", true, "与 " + earlier + " 同名"};
}
