#include "core/editor/EditorFields.h"

const std::array<EnumerationPicker, kEnumerationCount>& Enumerations() {
  static const std::array<EnumerationPicker, kEnumerationCount> pickers{{
      {"ComboBox_Type", &OfficerRecord::Type, {"平凡", "猛将", "识者", "策士", "将军", "万能"}},
      {"ComboBox_Belief", &OfficerRecord::Belief, {"大志", "忠义", "临机", "功名", "我道"}},
      {"ComboBox_Character", &OfficerRecord::Character, {"小心 ", "冷静", "刚胆", "猪突"}},
      {"ComboBox_Drink", &OfficerRecord::Drink, {"苦手", "普通", "得意"}},
      {"ComboBox_Care", &OfficerRecord::Care, {"武艺", "收集", "读书"}},
      {"ComboBox_Desire", &OfficerRecord::Desire, {"无欲", "普通", "强欲"}},
      {"ComboBox_Gender", &OfficerRecord::Gender, {"男", "女"}},
      {"ComboBox_Yili", &OfficerRecord::Yili, {"很低", "低", "中", "高", "很高"}},
      {"ComboBox_Qiyong", &OfficerRecord::Qiyong, {"能力", "实绩", "名声", "义理", "随意"}},
      {"ComboBox_Han", &OfficerRecord::Han, {"无视", "普通", "重视"}},
      {"ComboBox_Stratagem", &OfficerRecord::Stratagem, {"全国", "地方", "州", "现状"}},
      {"ComboBox_Task", &OfficerRecord::Task, {"认真", "普通", "适当", "无视"}},
  }};
  return pickers;
}

const std::array<NumberField, kNumberFieldCount>& NumberFields() {
  static const std::array<NumberField, kNumberFieldCount> fields{{
      {"Edit_Tongshuai", &OfficerRecord::Tongshuai, nullptr},
      {"Edit_Wuli", &OfficerRecord::Wuli, nullptr},
      {"Edit_Zhili", &OfficerRecord::Zhili, nullptr},
      {"Edit_Zhengzhi", &OfficerRecord::Zhengzhi, nullptr},
      {"Edit_Meili", &OfficerRecord::Meili, nullptr},
      {"Edit_Shengwang", &OfficerRecord::Shengwang, nullptr},
      {"Edit_Face", &OfficerRecord::Face, nullptr},
      {"Edit_BornYear", &OfficerRecord::BornYear, nullptr},
      {"Edit_EnterYear", &OfficerRecord::EnterYear, nullptr},
      {"Edit_DeadYear", &OfficerRecord::DeadYear, nullptr},
      {"Edit_Xiangxing", nullptr, &OfficerRecord::Xiangxing},
      {"Edit_Touyuan", nullptr, &OfficerRecord::Touyuan},
  }};
  return fields;
}

const std::array<RelationshipPicker, kRelationshipCount>& Relationships() {
  static const std::array<RelationshipPicker, kRelationshipCount> pickers{{
      {"ComboBox_Father", &OfficerRecord::Father},
      {"ComboBox_Mother", &OfficerRecord::Mother},
      {"ComboBox_Another", &OfficerRecord::Another},
      {"ComboBox_Xiangxing", &OfficerRecord::SameOfficer},
      {"ComboBox_Family", &OfficerRecord::Family},
      {"ComboBox_Brother", &OfficerRecord::Brother},
      {"ComboBox_Enemy", &OfficerRecord::Enemy},
  }};
  return pickers;
}

namespace {

// Skill names by byte and bit (bit counted from the top bit); empty where
// the game has no box.
constexpr std::string_view kSkillNames[kSkillBytes][8] = {
    {"突击", "训练", "征兵", "治安", "修改", "技术", "商业", "农业"},
    {"足止", "同讨", "隐密", "奇袭", "鼓舞", "镇静", "一齐", "火矢"},
    {"气炎", "气合", "回复", "石阵", "地理", "天文", "混乱", "引诱"},
    {"扬足", "反论", "抗弁", "威压", "螺旋", "三段", "弹返", "受返"},
    {"酒豪", "间谍", "提督", "名士", "军师", "面骂", "挑拨", "论破"},
    {"", "", "", "", "", "", "仙人", "医者"},
};

std::array<SkillBox, kSkillBoxCount> MakeSkillLayout() {
  std::array<SkillBox, kSkillBoxCount> boxes{};
  std::size_t n = 0;
  for (int byte = 0; byte < static_cast<int>(kSkillBytes); ++byte) {
    for (int bit = 7; bit >= 0; --bit) {  // little-endian bit order: the mask 0x01 first
      if (kSkillNames[byte][bit].empty()) continue;
      const std::string name = "CB_S" + std::to_string(byte) + std::to_string(bit);
      boxes[n++] = SkillBox{name, kSkillNames[byte][bit], byte, static_cast<std::uint8_t>(0x80 >> bit)};
    }
  }
  return boxes;
}

}  // namespace

const std::array<SkillBox, kSkillBoxCount>& SkillLayout() {
  static const std::array<SkillBox, kSkillBoxCount> boxes = MakeSkillLayout();
  return boxes;
}

int EnumerationIndex(const EnumerationPicker& picker, std::uint8_t value) {
  return value < picker.items.size() ? static_cast<int>(value) : -1;
}

std::array<std::uint8_t, kSkillBytes> SkillsFromBoxes(const std::array<bool, kSkillBoxCount>& checked) {
  std::array<std::uint8_t, kSkillBytes> skills{};
  const auto& layout = SkillLayout();
  for (std::size_t i = 0; i < kSkillBoxCount; ++i) {
    if (checked[i]) skills[static_cast<std::size_t>(layout[i].byte)] |= layout[i].mask;
  }
  return skills;
}

std::array<bool, kSkillBoxCount> BoxesFromSkills(const std::array<std::uint8_t, kSkillBytes>& skills) {
  std::array<bool, kSkillBoxCount> checked{};
  const auto& layout = SkillLayout();
  for (std::size_t i = 0; i < kSkillBoxCount; ++i) {
    checked[i] = (skills[static_cast<std::size_t>(layout[i].byte)] & layout[i].mask) != 0;
  }
  return checked;
}
