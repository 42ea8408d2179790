#include "core/officers/OfficerFields.h"

#include <QtGlobal>
#include <algorithm>
#include <stdexcept>
#include <type_traits>
#include <utility>

#include "core/officers/GameWordTables.h"

namespace {

using K = FieldKind;
using Items = std::span<const std::string_view>;

// An enumeration's items: the simplified forms of its words.
template <const auto& Words>
constexpr auto kItems = [] {
  std::array<std::string_view, std::size(Words)> items{};
  for (std::size_t i = 0; i < items.size(); ++i) items[i] = Words[i].simplified;
  return items;
}();

template <auto Member>
FieldMember BytesMember() {
  FieldMember m;
  m.bytes = [](OfficerRecord& r) { return std::span<std::uint8_t>(r.*Member); };
  m.constBytes = [](const OfficerRecord& r) { return std::span<const std::uint8_t>(r.*Member); };
  return m;
}

template <auto Member>
FieldMember TextMember() {
  FieldMember m;
  m.bytes = [](OfficerRecord& r) { return std::span<std::uint8_t>((r.*Member).bytes); };
  m.constBytes = [](const OfficerRecord& r) { return std::span<const std::uint8_t>((r.*Member).bytes); };
  return m;
}

// A one- or two-byte field held in a member of that width.
template <typename Member>
OfficerField Numeric(std::string_view key, std::string_view label, std::string_view control, std::size_t offset,
                     K kind, Member OfficerRecord::*member, std::string_view meaning, Items items = {}) {
  OfficerField f{key, label, control, offset, sizeof(Member), kind, items};
  if constexpr (sizeof(Member) == 2) {
    f.member.u16 = member;
  } else {
    f.member.u8 = member;
  }
  f.meaning = meaning;
  return f;
}

OfficerField U16(std::string_view key, std::string_view label, std::string_view control, std::size_t offset,
                 std::uint16_t OfficerRecord::*member, std::string_view meaning, FieldRole role = FieldRole::Other) {
  OfficerField f = Numeric(key, label, control, offset, K::Number, member, meaning);
  f.role = role;
  return f;
}

OfficerField U8(std::string_view key, std::string_view label, std::string_view control, std::size_t offset,
                std::uint8_t OfficerRecord::*member, std::string_view meaning) {
  return Numeric(key, label, control, offset, K::Number, member, meaning);
}

template <const auto& Words>
OfficerField Enumeration(std::string_view key, std::string_view label, std::string_view control, std::size_t offset,
                         std::uint8_t OfficerRecord::*member, std::string_view meaning, FieldRole role = FieldRole::Other) {
  OfficerField f = Numeric(key, label, control, offset, K::Enumeration, member, meaning, Items(kItems<Words>));
  f.words = Words;
  f.role = role;
  return f;
}

OfficerField Link(std::string_view key, std::string_view label, std::string_view control, std::size_t offset,
                  std::uint16_t OfficerRecord::*member, std::string_view meaning, FieldRole role = FieldRole::Other) {
  OfficerField f = Numeric(key, label, control, offset, K::Relationship, member, meaning);
  f.role = role;
  return f;
}

// A text field: its width is its member's (TextField<N>).
template <auto Member>
OfficerField Text(std::string_view key, std::string_view label, std::string_view control, std::size_t offset,
                  std::size_t limit, std::string_view meaning, FieldRole role, TextCoding coding = TextCoding::Big5) {
  using Field = std::remove_cvref_t<decltype(std::declval<OfficerRecord&>().*Member)>;
  OfficerField f{key, label, control, offset, Field::kWidth, K::Text};
  f.role = role;
  f.textLimit = limit;
  f.coding = coding;
  f.member = TextMember<Member>();
  f.meaning = meaning;
  return f;
}

OfficerField Preserved(std::string_view key, std::size_t offset, std::size_t width) {
  return OfficerField{key, QT_TRANSLATE_NOOP("OfficerFields", "保留字节"), {}, offset, width, K::Preserved};
}

std::vector<OfficerField> MakeFields() {
  using R = OfficerRecord;
  OfficerField skills{"skills", QT_TRANSLATE_NOOP("OfficerFields", "特技"), {}, 47, kSkillBytes, K::Skills};
  skills.member = BytesMember<&R::Skills>();
  skills.meaning = QT_TRANSLATE_NOOP("OfficerFields", "勾选则此武将拥有这项特技");
  skills.role = FieldRole::Skills;
  return {
      Text<&R::Xing>("surname", QT_TRANSLATE_NOOP("OfficerFields", "姓"), "Edit_Xing", 81, kNameByteLimit,
                     QT_TRANSLATE_NOOP("OfficerFields", "武将的姓"), FieldRole::Surname),
      Text<&R::Ming>("given_name", QT_TRANSLATE_NOOP("OfficerFields", "名"), "Edit_Ming", 86, kNameByteLimit,
                     QT_TRANSLATE_NOOP("OfficerFields", "武将的名"), FieldRole::GivenName),
      Text<&R::Zi>("courtesy_name", QT_TRANSLATE_NOOP("OfficerFields", "字"), "Edit_Zi", 91, kNameByteLimit,
                   QT_TRANSLATE_NOOP("OfficerFields", "武将的字（表字），可以不填"), FieldRole::CourtesyName),
      Text<&R::Yin>("reading", QT_TRANSLATE_NOOP("OfficerFields", "读音"), "Edit_Yin", 96, kYinByteLimit,
                    QT_TRANSLATE_NOOP("OfficerFields", "姓名的读音"), FieldRole::Reading, TextCoding::Bytes),
      Text<&R::Story>("biography", QT_TRANSLATE_NOOP("OfficerFields", "列传"), "Memo_Story", 107, kStoryByteLimit,
                      QT_TRANSLATE_NOOP("OfficerFields", "武将的列传，生平的介绍"), FieldRole::Biography),
      U16("face", QT_TRANSLATE_NOOP("OfficerFields", "头像"), "Edit_Face", 0, &R::Face,
          QT_TRANSLATE_NOOP("OfficerFields", "头像编号；点击头像，在头像选择窗口中挑选"), FieldRole::Face),
      U16("leadership", QT_TRANSLATE_NOOP("OfficerFields", "统率"), "Edit_Tongshuai", 22, &R::Tongshuai,
          QT_TRANSLATE_NOOP("OfficerFields", "统率能力，带兵作战的指挥力"), FieldRole::Ability),
      U16("war", QT_TRANSLATE_NOOP("OfficerFields", "武力"), "Edit_Wuli", 24, &R::Wuli,
          QT_TRANSLATE_NOOP("OfficerFields", "武力，个人的武艺与战斗力"), FieldRole::Ability),
      U16("intelligence", QT_TRANSLATE_NOOP("OfficerFields", "智力"), "Edit_Zhili", 26, &R::Zhili,
          QT_TRANSLATE_NOOP("OfficerFields", "智力，谋略与计策的能力"), FieldRole::Ability),
      U16("politics", QT_TRANSLATE_NOOP("OfficerFields", "政治"), "Edit_Zhengzhi", 28, &R::Zhengzhi,
          QT_TRANSLATE_NOOP("OfficerFields", "政治能力，内政与治理的才干"), FieldRole::Ability),
      U16("charm", QT_TRANSLATE_NOOP("OfficerFields", "魅力"), "Edit_Meili", 30, &R::Meili,
          QT_TRANSLATE_NOOP("OfficerFields", "魅力，吸引人心、招揽人才的能力"), FieldRole::Ability),
      U16("reputation", QT_TRANSLATE_NOOP("OfficerFields", "声望"), "Edit_Shengwang", 20, &R::Shengwang,
          QT_TRANSLATE_NOOP("OfficerFields", "声望，在世间的名声")),
      U16("birth_year", QT_TRANSLATE_NOOP("OfficerFields", "诞生年"), "Edit_BornYear", 14, &R::BornYear,
          QT_TRANSLATE_NOOP("OfficerFields", "诞生的年份")),
      U16("appearance_year", QT_TRANSLATE_NOOP("OfficerFields", "登场年"), "Edit_EnterYear", 16, &R::EnterYear,
          QT_TRANSLATE_NOOP("OfficerFields", "在游戏中登场的年份")),
      U16("death_year", QT_TRANSLATE_NOOP("OfficerFields", "死亡年"), "Edit_DeadYear", 18, &R::DeadYear,
          QT_TRANSLATE_NOOP("OfficerFields", "死亡的年份；早于诞生年或登场年时，检查会提醒"), FieldRole::DeathYear),
      U8("force_compatibility", QT_TRANSLATE_NOOP("OfficerFields", "势力相性"), "Edit_Xiangxing", 40, &R::Xiangxing,
         QT_TRANSLATE_NOOP("OfficerFields", "与君主的相性，数值越接近越亲近")),
      U8("personal_compatibility", QT_TRANSLATE_NOOP("OfficerFields", "个人相性"), "Edit_Touyuan", 41, &R::Touyuan,
         QT_TRANSLATE_NOOP("OfficerFields", "与其他武将个人之间的相性（投缘）")),
      Enumeration<game_words::kTypes>("type", QT_TRANSLATE_NOOP("OfficerFields", "类型"), "ComboBox_Type", 71, &R::Type,
                  QT_TRANSLATE_NOOP("OfficerFields", "武将的类型"), FieldRole::Type),
      Enumeration<game_words::kBeliefs>("belief", QT_TRANSLATE_NOOP("OfficerFields", "信念"), "ComboBox_Belief", 70, &R::Belief,
                  QT_TRANSLATE_NOOP("OfficerFields", "武将行事所本的信念")),
      Enumeration<game_words::kCharacters>("personality", QT_TRANSLATE_NOOP("OfficerFields", "性格"), "ComboBox_Character", 36, &R::Character,
                  QT_TRANSLATE_NOOP("OfficerFields", "武将的性格")),
      Enumeration<game_words::kDrinks>("drinking", QT_TRANSLATE_NOOP("OfficerFields", "饮酒"), "ComboBox_Drink", 37, &R::Drink,
                  QT_TRANSLATE_NOOP("OfficerFields", "对饮酒的喜好")),
      Enumeration<game_words::kCares>("interest", QT_TRANSLATE_NOOP("OfficerFields", "关心"), "ComboBox_Care", 38, &R::Care,
                  QT_TRANSLATE_NOOP("OfficerFields", "平时关心、喜好的事")),
      Enumeration<game_words::kDesires>("greed", QT_TRANSLATE_NOOP("OfficerFields", "物欲"), "ComboBox_Desire", 39, &R::Desire,
                  QT_TRANSLATE_NOOP("OfficerFields", "对财物的欲望")),
      Enumeration<game_words::kGenders>("gender", QT_TRANSLATE_NOOP("OfficerFields", "性别"), "ComboBox_Gender", 35, &R::Gender,
                  QT_TRANSLATE_NOOP("OfficerFields", "武将的性别")),
      Enumeration<game_words::kYilis>("duty", QT_TRANSLATE_NOOP("OfficerFields", "义理"), "ComboBox_Yili", 43, &R::Yili,
                  QT_TRANSLATE_NOOP("OfficerFields", "重视义理的程度")),
      Enumeration<game_words::kQiyongs>("employment", QT_TRANSLATE_NOOP("OfficerFields", "启用"), "ComboBox_Qiyong", 42, &R::Qiyong,
                  QT_TRANSLATE_NOOP("OfficerFields", "录用人才时看重的方面")),
      Enumeration<game_words::kHans>("han_court", QT_TRANSLATE_NOOP("OfficerFields", "拥汉"), "ComboBox_Han", 44, &R::Han,
                  QT_TRANSLATE_NOOP("OfficerFields", "对汉室的态度")),
      Enumeration<game_words::kStratagems>("strategy", QT_TRANSLATE_NOOP("OfficerFields", "战略"), "ComboBox_Stratagem", 45, &R::Stratagem,
                  QT_TRANSLATE_NOOP("OfficerFields", "谋划战略时着眼的范围")),
      Enumeration<game_words::kTasks>("diligence", QT_TRANSLATE_NOOP("OfficerFields", "任务"), "ComboBox_Task", 46, &R::Task,
                  QT_TRANSLATE_NOOP("OfficerFields", "执行任务的态度")),
      Link("father", QT_TRANSLATE_NOOP("OfficerFields", "父亲"), "ComboBox_Father", 2, &R::Father,
           QT_TRANSLATE_NOOP("OfficerFields", "此人的父亲"), FieldRole::Parent),
      Link("mother", QT_TRANSLATE_NOOP("OfficerFields", "母亲"), "ComboBox_Mother", 4, &R::Mother,
           QT_TRANSLATE_NOOP("OfficerFields", "此人的母亲"), FieldRole::Parent),
      Link("spouse", QT_TRANSLATE_NOOP("OfficerFields", "配偶"), "ComboBox_Another", 6, &R::Another,
           QT_TRANSLATE_NOOP("OfficerFields", "此人的配偶")),
      Link("family", QT_TRANSLATE_NOOP("OfficerFields", "家族"), "ComboBox_Family", 8, &R::Family,
           QT_TRANSLATE_NOOP("OfficerFields", "与此人同一家族的武将")),
      Link("brother", QT_TRANSLATE_NOOP("OfficerFields", "兄弟"), "ComboBox_Brother", 10, &R::Brother,
           QT_TRANSLATE_NOOP("OfficerFields", "此人的兄弟")),
      Link("enemy", QT_TRANSLATE_NOOP("OfficerFields", "仇敌"), "ComboBox_Enemy", 12, &R::Enemy,
           QT_TRANSLATE_NOOP("OfficerFields", "此人的仇敌")),
      Link("same_officer", QT_TRANSLATE_NOOP("OfficerFields", "相同武将"), "ComboBox_Xiangxing", 64, &R::SameOfficer,
           QT_TRANSLATE_NOOP("OfficerFields", "视为同一人物的武将（例如同一人的另一登录），无则选“无”")),
      skills,
      Preserved("bytes32", 32, 3),
      Preserved("bytes53", 53, 11),  // the save mark at 62 among them
      Preserved("bytes66", 66, 4),
      Preserved("bytes72", 72, 9),
  };
}

std::array<SkillBox, kSkillBoxCount> MakeSkillLayout() {
  std::array<SkillBox, kSkillBoxCount> boxes{};
  std::size_t n = 0;
  for (int byte = 0; byte < static_cast<int>(kSkillBytes); ++byte) {
    for (int bit = 7; bit >= 0; --bit) {  // little-endian bit order: the mask 0x01 first
      const GameWord& word = game_words::kSkills[byte][bit];
      if (word.simplified.empty()) continue;
      const std::string name = "CB_S" + std::to_string(byte) + std::to_string(bit);
      boxes[n++] = SkillBox{name, word.simplified, byte, static_cast<std::uint8_t>(0x80 >> bit), &word};
    }
  }
  return boxes;
}

}  // namespace

const std::vector<OfficerField>& OfficerFields() {
  static const std::vector<OfficerField> fields = MakeFields();
  return fields;
}

std::vector<const OfficerField*> FieldsOfKind(FieldKind kind) {
  std::vector<const OfficerField*> chosen;
  for (const OfficerField& field : OfficerFields())
    if (field.kind == kind) chosen.push_back(&field);
  return chosen;
}

const std::vector<const OfficerField*>& Enumerations() {
  static const std::vector<const OfficerField*> fields = FieldsOfKind(FieldKind::Enumeration);
  return fields;
}

namespace {

std::vector<const OfficerField*> ByControls(std::initializer_list<std::string_view> controls) {
  std::vector<const OfficerField*> fields;
  for (const std::string_view control : controls) fields.push_back(&FieldByControl(control));
  return fields;
}

}  // namespace

// The panel takes the numbers and the relationships in this order.
const std::vector<const OfficerField*>& NumberFields() {
  static const std::vector<const OfficerField*> fields =
      ByControls({"Edit_Tongshuai", "Edit_Wuli", "Edit_Zhili", "Edit_Zhengzhi", "Edit_Meili", "Edit_Shengwang", "Edit_Face",
                  "Edit_BornYear", "Edit_EnterYear", "Edit_DeadYear", "Edit_Xiangxing", "Edit_Touyuan"});
  return fields;
}

std::vector<const OfficerField*> FieldsWithRole(FieldRole role) {
  std::vector<const OfficerField*> fields;
  for (const OfficerField& field : OfficerFields()) {
    if (field.role == role) fields.push_back(&field);
  }
  return fields;
}

const OfficerField& FieldWithRole(FieldRole role) { return *FieldsWithRole(role).at(0); }

const std::array<const OfficerField*, kStoredTextCount>& StoredTextFields() {
  static const std::array<const OfficerField*, kStoredTextCount> fields = [] {
    std::array<const OfficerField*, kStoredTextCount> found{};
    std::size_t n = 0;
    for (const OfficerField& field : OfficerFields()) {
      if (field.IsText() && field.coding == TextCoding::Big5) found.at(n++) = &field;
    }
    if (n != kStoredTextCount) throw std::logic_error("the field table lacks a stored text");
    return found;
  }();
  return fields;
}

std::size_t StoredTextIndex(const OfficerField& field) {
  const auto& fields = StoredTextFields();
  const auto it = std::find(fields.begin(), fields.end(), &field);
  if (it == fields.end()) throw std::logic_error(std::string(field.label) + " is no stored text");
  return static_cast<std::size_t>(it - fields.begin());
}

const std::array<const OfficerField*, kAbilityCount>& Abilities() {
  static const std::array<const OfficerField*, kAbilityCount> fields = [] {
    std::array<const OfficerField*, kAbilityCount> found{};
    std::size_t n = 0;
    for (const OfficerField& field : OfficerFields()) {
      if (field.role == FieldRole::Ability) found.at(n++) = &field;
    }
    return found;
  }();
  return fields;
}

std::array<std::uint16_t, kAbilityCount> AbilitiesOf(const OfficerRecord& record) {
  std::array<std::uint16_t, kAbilityCount> values{};
  for (std::size_t i = 0; i < kAbilityCount; ++i) values[i] = static_cast<std::uint16_t>(FieldValue(record, *Abilities()[i]));
  return values;
}

const std::vector<const OfficerField*>& Relationships() {
  static const std::vector<const OfficerField*> fields =
      ByControls({"ComboBox_Father", "ComboBox_Mother", "ComboBox_Another", "ComboBox_Xiangxing", "ComboBox_Family",
                  "ComboBox_Brother", "ComboBox_Enemy"});
  return fields;
}

const OfficerField* FindFieldByKey(std::string_view key) {
  const auto& fields = OfficerFields();
  const auto it = std::find_if(fields.begin(), fields.end(), [&](const OfficerField& f) { return f.key == key; });
  return it == fields.end() ? nullptr : &*it;
}

const OfficerField& FieldByControl(std::string_view control) {
  for (const OfficerField& field : OfficerFields())
    if (!control.empty() && field.control == control) return field;
  throw std::logic_error("no field for control " + std::string(control));
}

const std::array<SkillBox, kSkillBoxCount>& SkillLayout() {
  static const std::array<SkillBox, kSkillBoxCount> boxes = MakeSkillLayout();
  return boxes;
}

std::array<std::uint8_t, kSkillBytes> SkillsFromBoxes(const std::array<bool, kSkillBoxCount>& checked) {
  std::array<std::uint8_t, kSkillBytes> skills{};
  const auto& layout = SkillLayout();
  for (std::size_t i = 0; i < kSkillBoxCount; ++i) {
    if (checked[i]) skills[static_cast<std::size_t>(layout[i].byte)] |= layout[i].mask;
  }
  return skills;
}

std::array<bool, kSkillBoxCount> BoxesFromSkills(std::span<const std::uint8_t> skills) {
  std::array<bool, kSkillBoxCount> checked{};
  const auto& layout = SkillLayout();
  for (std::size_t i = 0; i < kSkillBoxCount && skills.size() >= kSkillBytes; ++i) {
    checked[i] = (skills[static_cast<std::size_t>(layout[i].byte)] & layout[i].mask) != 0;
  }
  return checked;
}
