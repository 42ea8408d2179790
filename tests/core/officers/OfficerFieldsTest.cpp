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
};

// The layout of one 260-byte record, in the exchange files' column order.
const Expected kLayout[] = {
    {"surname", 81, 5},
    {"given_name", 86, 5},
    {"courtesy_name", 91, 5},
    {"reading", 96, 11},
    {"biography", 107, 153},
    {"face", 0, 2},
    {"leadership", 22, 2},
    {"war", 24, 2},
    {"intelligence", 26, 2},
    {"politics", 28, 2},
    {"charm", 30, 2},
    {"reputation", 20, 2},
    {"birth_year", 14, 2},
    {"appearance_year", 16, 2},
    {"death_year", 18, 2},
    {"force_compatibility", 40, 1},
    {"personal_compatibility", 41, 1},
    {"type", 71, 1},
    {"belief", 70, 1},
    {"personality", 36, 1},
    {"drinking", 37, 1},
    {"interest", 38, 1},
    {"greed", 39, 1},
    {"gender", 35, 1},
    {"duty", 43, 1},
    {"employment", 42, 1},
    {"han_court", 44, 1},
    {"strategy", 45, 1},
    {"diligence", 46, 1},
    {"father", 2, 2},
    {"mother", 4, 2},
    {"spouse", 6, 2},
    {"family", 8, 2},
    {"brother", 10, 2},
    {"enemy", 12, 2},
    {"same_officer", 64, 2},
    {"skills", 47, 6},
    {"bytes32", 32, 3},
    {"bytes53", 53, 11},
    {"bytes66", 66, 4},
    {"bytes72", 72, 9},
};

TEST(OfficerFields, EveryFieldHasItsOffsetAndWidth) {
  const auto& fields = OfficerFields();
  ASSERT_EQ(fields.size(), std::size(kLayout));
  std::set<std::size_t> covered;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const Expected& e = kLayout[i];
    EXPECT_EQ(fields[i].key, e.key) << i;
    EXPECT_EQ(fields[i].offset, e.offset) << e.key;
    EXPECT_EQ(fields[i].width, e.width) << e.key;
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
