#include "core/check/FieldDescriptions.h"

#include "core/check/ValueRules.h"
#include "core/faces/FaceArchive.h"
#include "core/language/CoreText.h"
#include "core/list/OfficerRoster.h"

namespace {

std::string Tr(const char* text, std::initializer_list<std::string_view> pieces = {}) {
  return CoreText("FieldDescriptions", text, pieces);
}

constexpr std::size_t kBytesPerHanzi = 2;   // in GBK and Big5 alike
constexpr std::size_t kLineBreakBytes = 2;  // CR LF

std::string Number(std::size_t n) { return std::to_string(n); }

std::string NumberValues(const OfficerField& field) {
  std::string values = Tr(QT_TRANSLATE_NOOP("FieldDescriptions", "可填 0–%1"), {Number(field.MaxValue())});
  if (field.role == FieldRole::Ability) {
    const std::string usual = Number(kUsualAbilityMaximum);
    values += Tr(QT_TRANSLATE_NOOP("FieldDescriptions", "；常见值不超过 %1，超过 %1 游戏中少见（检查时提醒）"), {usual});
  }
  if (field.role == FieldRole::Face) {
    values += Tr(QT_TRANSLATE_NOOP("FieldDescriptions",
                                   "\n主头像档的编号为 0–%1（中间有空缺），追加头像从 %2 起；头像档中没有的编号，检查时提醒\n"
                                   "头像选择窗口中的“头像最大编号”决定窗口列出到哪个编号为止"),
                 {Number(kLastMainFace), Number(kFirstAddedFace)});
  }
  return values;
}

std::string RelationshipValues() {
  return Tr(
      QT_TRANSLATE_NOOP("FieldDescriptions", "名单中的武将编号 0–%1，或“无”；%2–%3 是本档的新武将\n指向此人自己或空的槽时，检查会提醒"),
      {Number(kRosterNoneEntry - 1), Number(kFirstNewOfficer), Number(kFirstNewOfficer + kSlotCount - 1)});
}

std::string TextValues(const OfficerField& field) {
  const std::string limit = Number(field.textLimit);
  const std::string hanzi = Number(field.textLimit / kBytesPerHanzi);
  if (field.coding == TextCoding::Bytes) {
    return Tr(QT_TRANSLATE_NOOP("FieldDescriptions", "最多 %1 字节（%2 个汉字或 %1 个字母）；按字节原样保存，不做繁简转换"),
              {limit, hanzi});
  }
  std::string values = Tr(QT_TRANSLATE_NOOP("FieldDescriptions", "最多 %1 字节（%2 个汉字）"), {limit, hanzi});
  if (field.role == FieldRole::Biography)
    values += Tr(QT_TRANSLATE_NOOP("FieldDescriptions", "，换行占 %1 字节"), {Number(kLineBreakBytes)});
  return values + Tr(QT_TRANSLATE_NOOP("FieldDescriptions", "；显示为简体，以繁体（Big5）保存"));
}

std::string ValuesOf(const OfficerField& field) {
  switch (field.kind) {
    case FieldKind::Number:
      return NumberValues(field);
    case FieldKind::Enumeration:
      return Tr(QT_TRANSLATE_NOOP("FieldDescriptions", "可选：%1"), {EnumerationChoices(field)});
    case FieldKind::Relationship:
      return RelationshipValues();
    case FieldKind::Text:
      return TextValues(field);
    case FieldKind::Skills:
    case FieldKind::Preserved:
      break;
  }
  return {};
}

}  // namespace

std::string FieldDescription(const OfficerField& field) {
  if (field.meaning.empty()) return {};
  const std::string values = ValuesOf(field);
  return FieldMeaning(field) + (values.empty() ? "" : "\n" + values);
}

std::string SkillDescription(const SkillBox& box) {
  return Tr(QT_TRANSLATE_NOOP("FieldDescriptions", "特技：%1\n%2"), {box.caption, FieldDescription(FieldWithRole(FieldRole::Skills))});
}
