#include "core/check/FieldDescriptions.h"

#include "core/check/ValueRules.h"
#include "core/faces/FaceArchive.h"
#include "core/list/OfficerRoster.h"

namespace {

constexpr std::size_t kBytesPerHanzi = 2;   // in GBK and Big5 alike
constexpr std::size_t kLineBreakBytes = 2;  // CR LF

std::string Number(std::size_t n) { return std::to_string(n); }

std::string NumberValues(const OfficerField& field) {
  std::string values = "可填 0–" + Number(field.MaxValue());
  if (field.role == FieldRole::Ability) {
    const std::string usual = Number(kUsualAbilityMaximum);
    values += "；常见值不超过 " + usual + "，超过 " + usual + " 游戏中少见（检查时提醒）";
  }
  if (field.role == FieldRole::Face) {
    values += "\n主头像档的编号为 0–" + Number(kLastMainFace) + "（中间有空缺），追加头像从 " + Number(kFirstAddedFace) +
              " 起；头像档中没有的编号，检查时提醒\n头像选择窗口中的“头像最大编号”决定窗口列出到哪个编号为止";
  }
  return values;
}

std::string RelationshipValues() {
  return "名单中的武将编号 0–" + Number(kRosterNoneEntry - 1) + "，或“无”；" + Number(kFirstNewOfficer) + "–" +
         Number(kFirstNewOfficer + kSlotCount - 1) + " 是本档的新武将\n指向此人自己或空的槽时，检查会提醒";
}

std::string TextValues(const OfficerField& field) {
  const std::string limit = Number(field.textLimit);
  const std::string hanzi = Number(field.textLimit / kBytesPerHanzi);
  if (field.coding == TextCoding::Bytes) {
    return "最多 " + limit + " 字节（" + hanzi + " 个汉字或 " + limit + " 个字母）；按字节原样保存，不做繁简转换";
  }
  std::string values = "最多 " + limit + " 字节（" + hanzi + " 个汉字）";
  if (field.role == FieldRole::Biography) values += "，换行占 " + Number(kLineBreakBytes) + " 字节";
  return values + "；显示为简体，以繁体（Big5）保存";
}

std::string ValuesOf(const OfficerField& field) {
  switch (field.kind) {
    case FieldKind::Number:
      return NumberValues(field);
    case FieldKind::Enumeration:
      return "可选：" + EnumerationChoices(field);
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
  return std::string(field.meaning) + (values.empty() ? "" : "\n" + values);
}

std::string SkillDescription(const SkillBox& box) {
  return "特技：" + std::string(box.caption) + "\n" + FieldDescription(FieldWithRole(FieldRole::Skills));
}
