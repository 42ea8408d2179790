// The field table against the record layout typed out here from the file
// format, field by field: one swapped offset, width or member fails.
#include <gtest/gtest.h>

#include <set>

#include "core/officers/OfficerFields.h"
#include "core/officers/OfficerFile.h"
#include "support/OfficerBytes.h"

namespace {

struct Expected {
  const char* key;
  std::size_t offset, width;
  const char* label;
  const char* control;
};

// The layout of one 260-byte record, in the exchange files' column order.
const Expected kLayout[] = {
    {"surname", 81, 5, "姓", "Edit_Xing"},
    {"given_name", 86, 5, "名", "Edit_Ming"},
    {"courtesy_name", 91, 5, "字", "Edit_Zi"},
    {"reading", 96, 11, "读音", "Edit_Yin"},
    {"biography", 107, 153, "列传", "Memo_Story"},
    {"face", 0, 2, "头像", "Edit_Face"},
    {"leadership", 22, 2, "统率", "Edit_Tongshuai"},
    {"war", 24, 2, "武力", "Edit_Wuli"},
    {"intelligence", 26, 2, "智力", "Edit_Zhili"},
    {"politics", 28, 2, "政治", "Edit_Zhengzhi"},
    {"charm", 30, 2, "魅力", "Edit_Meili"},
    {"reputation", 20, 2, "声望", "Edit_Shengwang"},
    {"birth_year", 14, 2, "诞生年", "Edit_BornYear"},
    {"appearance_year", 16, 2, "登场年", "Edit_EnterYear"},
    {"death_year", 18, 2, "死亡年", "Edit_DeadYear"},
    {"force_compatibility", 40, 1, "势力相性", "Edit_Xiangxing"},
    {"personal_compatibility", 41, 1, "个人相性", "Edit_Touyuan"},
    {"type", 71, 1, "类型", "ComboBox_Type"},
    {"belief", 70, 1, "信念", "ComboBox_Belief"},
    {"personality", 36, 1, "性格", "ComboBox_Character"},
    {"drinking", 37, 1, "饮酒", "ComboBox_Drink"},
    {"interest", 38, 1, "关心", "ComboBox_Care"},
    {"greed", 39, 1, "物欲", "ComboBox_Desire"},
    {"gender", 35, 1, "性别", "ComboBox_Gender"},
    {"duty", 43, 1, "义理", "ComboBox_Yili"},
    {"employment", 42, 1, "启用", "ComboBox_Qiyong"},
    {"han_court", 44, 1, "拥汉", "ComboBox_Han"},
    {"strategy", 45, 1, "战略", "ComboBox_Stratagem"},
    {"diligence", 46, 1, "任务", "ComboBox_Task"},
    {"father", 2, 2, "父亲", "ComboBox_Father"},
    {"mother", 4, 2, "母亲", "ComboBox_Mother"},
    {"spouse", 6, 2, "配偶", "ComboBox_Another"},
    {"family", 8, 2, "家族", "ComboBox_Family"},
    {"brother", 10, 2, "兄弟", "ComboBox_Brother"},
    {"enemy", 12, 2, "仇敌", "ComboBox_Enemy"},
    {"same_officer", 64, 2, "相同武将", "ComboBox_Xiangxing"},
    {"skills", 47, 6, "特技", ""},
    {"bytes32", 32, 3, "保留字节", ""},
    {"bytes53", 53, 11, "保留字节", ""},
    {"bytes66", 66, 4, "保留字节", ""},
    {"bytes72", 72, 9, "保留字节", ""},
};

TEST(OfficerFields, EveryFieldHasItsOffsetWidthLabelAndControl) {
  const auto& fields = OfficerFields();
  ASSERT_EQ(fields.size(), std::size(kLayout));
  std::set<std::size_t> covered;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const Expected& e = kLayout[i];
    EXPECT_EQ(fields[i].key, e.key) << i;
    EXPECT_EQ(fields[i].offset, e.offset) << e.key;
    EXPECT_EQ(fields[i].width, e.width) << e.key;
    EXPECT_EQ(fields[i].label, e.label) << e.key;
    EXPECT_EQ(fields[i].control, e.control) << e.key;
    for (std::size_t b = e.offset; b < e.offset + e.width; ++b) EXPECT_TRUE(covered.insert(b).second) << e.key << " byte " << b;
  }
  EXPECT_EQ(covered.size(), kRecordSize);  // every byte once
}

TEST(OfficerFields, EnumerationListsAndTextLimits) {
  const auto items = [](const char* key) {
    std::vector<std::string> list;
    for (std::string_view item : FindFieldByKey(key)->items) list.emplace_back(item);
    return list;
  };
  EXPECT_EQ(items("type"), (std::vector<std::string>{"平凡", "猛将", "识者", "策士", "将军", "万能"}));
  EXPECT_EQ(items("personality"), (std::vector<std::string>{"小心 ", "冷静", "刚胆", "猪突"}));
  EXPECT_EQ(items("duty"), (std::vector<std::string>{"很低", "低", "中", "高", "很高"}));
  EXPECT_EQ(items("employment"), (std::vector<std::string>{"能力", "实绩", "名声", "义理", "随意"}));
  EXPECT_EQ(items("strategy"), (std::vector<std::string>{"全国", "地方", "州", "现状"}));
  EXPECT_EQ(items("gender"), (std::vector<std::string>{"男", "女"}));
  EXPECT_EQ(FindFieldByKey("surname")->textLimit, 4u);
  EXPECT_EQ(FindFieldByKey("reading")->textLimit, 10u);
  EXPECT_EQ(FindFieldByKey("reading")->coding, TextCoding::Bytes);
  EXPECT_EQ(FindFieldByKey("biography")->textLimit, 150u);
}

// The rules find fields by role: each role sits on the bytes the layout gives it.
TEST(OfficerFields, EachRoleIsTheFieldAtItsOffset) {
  const auto offsets = [](FieldRole role) {
    std::vector<std::size_t> found;
    for (const OfficerField* field : FieldsWithRole(role)) found.push_back(field->offset);
    return found;
  };
  EXPECT_EQ(offsets(FieldRole::Ability), (std::vector<std::size_t>{22, 24, 26, 28, 30}));
  EXPECT_EQ(offsets(FieldRole::Surname), std::vector<std::size_t>{81});
  EXPECT_EQ(offsets(FieldRole::GivenName), std::vector<std::size_t>{86});
  EXPECT_EQ(offsets(FieldRole::CourtesyName), std::vector<std::size_t>{91});
  EXPECT_EQ(offsets(FieldRole::Reading), std::vector<std::size_t>{96});
  EXPECT_EQ(offsets(FieldRole::Biography), std::vector<std::size_t>{107});
  EXPECT_EQ(offsets(FieldRole::Type), std::vector<std::size_t>{71});
  EXPECT_EQ(offsets(FieldRole::Face), std::vector<std::size_t>{0});
  EXPECT_EQ(offsets(FieldRole::Parent), (std::vector<std::size_t>{2, 4}));
  EXPECT_EQ(offsets(FieldRole::DeathYear), std::vector<std::size_t>{18});
  EXPECT_EQ(offsets(FieldRole::Skills), std::vector<std::size_t>{47});
  std::vector<std::size_t> storedTexts;  // 姓 名 字 列传, not the reading
  for (const OfficerField* field : StoredTextFields()) storedTexts.push_back(field->offset);
  EXPECT_EQ(storedTexts, (std::vector<std::size_t>{81, 86, 91, 107}));
  std::vector<std::size_t> abilities;
  for (const OfficerField* field : Abilities()) abilities.push_back(field->offset);
  EXPECT_EQ(abilities, (std::vector<std::size_t>{22, 24, 26, 28, 30}));  // 统率 武力 智力 政治 魅力, the list's order
}

// Every field gets bytes of its own; the decoded record names them.
TEST(OfficerFields, DecodingPutsEachFieldsBytesIntoItsOwnMember) {
  std::vector<unsigned char> file = EmptyOfficerFile();
  for (std::size_t i = 0; i < kRecordSize; ++i) file[RecordOffset(9) + i] = static_cast<unsigned char>(i + 1);
  const OfficerRecord r = TableOfHead(file)[9];
  EXPECT_EQ(r.Face, 0x0201);
  EXPECT_EQ(r.Father, 0x0403);
  EXPECT_EQ(r.Mother, 0x0605);
  EXPECT_EQ(r.Another, 0x0807);
  EXPECT_EQ(r.Family, 0x0A09);
  EXPECT_EQ(r.Brother, 0x0C0B);
  EXPECT_EQ(r.Enemy, 0x0E0D);
  EXPECT_EQ(r.BornYear, 0x100F);
  EXPECT_EQ(r.EnterYear, 0x1211);
  EXPECT_EQ(r.DeadYear, 0x1413);
  EXPECT_EQ(r.Shengwang, 0x1615);
  EXPECT_EQ(r.Tongshuai, 0x1817);
  EXPECT_EQ(r.Wuli, 0x1A19);
  EXPECT_EQ(r.Zhili, 0x1C1B);
  EXPECT_EQ(r.Zhengzhi, 0x1E1D);
  EXPECT_EQ(r.Meili, 0x201F);
  EXPECT_EQ(r.Gender, 36);
  EXPECT_EQ(r.Character, 37);
  EXPECT_EQ(r.Drink, 38);
  EXPECT_EQ(r.Care, 39);
  EXPECT_EQ(r.Desire, 40);
  EXPECT_EQ(r.Xiangxing, 41);
  EXPECT_EQ(r.Touyuan, 42);
  EXPECT_EQ(r.Qiyong, 43);
  EXPECT_EQ(r.Yili, 44);
  EXPECT_EQ(r.Han, 45);
  EXPECT_EQ(r.Stratagem, 46);
  EXPECT_EQ(r.Task, 47);
  EXPECT_EQ(r.Skills, (std::array<std::uint8_t, 6>{48, 49, 50, 51, 52, 53}));
  EXPECT_EQ(r.SameOfficer, 0x4241);
  EXPECT_EQ(r.Belief, 71);
  EXPECT_EQ(r.Type, 72);
  EXPECT_EQ(FieldBytes(r.Xing), "\x52\x53\x54\x55\x56");
  EXPECT_EQ(FieldBytes(r.Ming), "\x57\x58\x59\x5A\x5B");
  EXPECT_EQ(FieldBytes(r.Zi), "\x5C\x5D\x5E\x5F\x60");
  EXPECT_EQ(FieldBytes(r.Yin), "\x61\x62\x63\x64\x65\x66\x67\x68\x69\x6A\x6B");
  EXPECT_EQ(r.Story.bytes[0], 0x6C);
  EXPECT_EQ(r.Story.bytes[152], 0x04);  // byte 259 holds 260 & 0xFF
}

}  // namespace
