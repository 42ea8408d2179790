// The suspicious half of the rule of values: values the game takes but that
// are most likely a slip.
#include "core/check/ValueRules.h"
#include "core/faces/FaceArchivePair.h"
#include "core/language/CoreText.h"

namespace {

std::string Tr(const char* text, std::initializer_list<std::string_view> pieces = {}) { return CoreText("SuspiciousValues", text, pieces); }

class SlotCheck {
 public:
  SlotCheck(const OfficerTable& table, int slot, const FaceArchivePair* archives)
      : table_(table), record_(table[static_cast<std::size_t>(slot)]), slot_(slot), archives_(archives) {}

  std::vector<Finding> Run() {
    for (const OfficerField& field : OfficerFields()) {
      const unsigned value = FieldValue(record_, field);
      if (field.role == FieldRole::Ability && value > kUsualAbilityMaximum) {
        Add(field, "ability",
            Tr(QT_TRANSLATE_NOOP("SuspiciousValues", "能力 %1 超过 %2"), {std::to_string(value), std::to_string(kUsualAbilityMaximum)}));
      }
      if (field.kind == FieldKind::Enumeration && value == kNoSelection && field.role != FieldRole::Type)
        Add(field, "enumeration", Tr(QT_TRANSLATE_NOOP("SuspiciousValues", "没有选择")));
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
      Add(field, "relationship", Tr(QT_TRANSLATE_NOOP("SuspiciousValues", "指向这位武将自己（%1）"), {std::to_string(value)}));
    } else if (const OfficerRecord* other = InFile(value); other && !IsRegistered(*other)) {
      Add(field, "relationship",
          Tr(QT_TRANSLATE_NOOP("SuspiciousValues", "指向空的槽 %1（%2）"),
             {std::to_string(value - kFirstNewOfficer), std::to_string(value)}));
    }
  }

  void Parents() {
    for (const OfficerField* parentField : FieldsWithRole(FieldRole::Parent)) {
      const unsigned number = FieldValue(record_, *parentField);
      const OfficerRecord* parent = InFile(number);
      if (parent && IsRegistered(*parent) && parent->BornYear > record_.BornYear) {
        Add(*parentField, "years",
            Tr(QT_TRANSLATE_NOOP("SuspiciousValues", "父母 %1 生于 %2 年，晚于本人的 %3 年"),
               {std::to_string(number), std::to_string(parent->BornYear), std::to_string(record_.BornYear)}));
      }
    }
  }

  void Years() {
    const OfficerRecord& r = record_;
    if (r.DeadYear < r.BornYear) {
      Add(FieldWithRole(FieldRole::DeathYear), "years",
          Tr(QT_TRANSLATE_NOOP("SuspiciousValues", "死亡年 %1 早于诞生年 %2"), {std::to_string(r.DeadYear), std::to_string(r.BornYear)}));
    } else if (r.DeadYear < r.EnterYear) {
      Add(FieldWithRole(FieldRole::DeathYear), "years",
          Tr(QT_TRANSLATE_NOOP("SuspiciousValues", "死亡年 %1 早于登场年 %2"), {std::to_string(r.DeadYear), std::to_string(r.EnterYear)}));
    }
  }

  void Face() {
    if (!archives_ || (!archives_->Main() && !archives_->Added())) return;
    if (!SeekFace(record_.Face, archives_->For(record_.Face))) {
      Add(FieldWithRole(FieldRole::Face), "face",
          Tr(QT_TRANSLATE_NOOP("SuspiciousValues", "头像 %1 不在头像档中"), {std::to_string(record_.Face)}));
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
    earlier += (earlier.empty() ? std::string() : Tr(QT_TRANSLATE_NOOP("SuspiciousValues", "、"))) + std::to_string(s + kFirstNewOfficer);
  }
  if (earlier.empty()) return std::nullopt;
  return Finding{slot, &FieldWithRole(FieldRole::GivenName), "name", true,
                 Tr(QT_TRANSLATE_NOOP("SuspiciousValues", "与 %1 同名"), {earlier})};
}
