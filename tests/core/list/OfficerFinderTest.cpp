// 查找武将 in the core: a part of a name typed simplified or traditional,
// ability ranges with both bounds included, and empty or registered slots.
#include <gtest/gtest.h>

#include "core/list/OfficerFinder.h"

namespace {

OfficerRecord Officer(const char* xing, const char* ming, const char* zi, std::uint8_t type = 0) {
  OfficerRecord r;
  r.Xing.Write(xing);
  r.Ming.Write(ming);
  r.Zi.Write(zi);
  r.Type = type;
  return r;
}

std::vector<int> Found(const OfficerTable& table, const FindCriteria& criteria) {
  std::vector<int> slots;
  const auto found = FindSlots(table, criteria);
  for (int s = 0; s < static_cast<int>(kSlotCount); ++s) {
    if (found[static_cast<std::size_t>(s)]) slots.push_back(s);
  }
  return slots;
}

}  // namespace

TEST(OfficerFinder, APartOfTheNameTypedSimplifiedOrTraditional) {
  const OfficerRecord zhangFei = Officer("\xB1\x69", "\xAD\xB8", "\xC1\x6C\xBC\x77");  // 張 飛, 字 翼德 (Big5)
  for (const char* typed : {"张", "張", "飞", "张飞", "張飛", "張飞", "翼德", "张飞 翼德", "  飞翼 ", ""}) {
    const bool expected = std::string(typed) != "  飞翼 ";  // given name and courtesy name stand apart
    EXPECT_EQ(NameMatches(zhangFei, typed), expected) << typed;
  }
  for (const char* typed : {"关", "關", "张飛翼"}) EXPECT_FALSE(NameMatches(zhangFei, typed)) << typed;
  // 云 stays 云 in the table: only the shown form finds 趙雲.
  const OfficerRecord zhaoYun = Officer("\xBB\xAF", "\xB6\xB3", "\xA4\x6C\xC0\x73");  // 趙 雲, 字 子龍
  for (const char* typed : {"赵云", "趙雲", "子龙"}) EXPECT_TRUE(NameMatches(zhaoYun, typed)) << typed;
  // An empty slot carries no name, not even the list's 新武将.
  EXPECT_FALSE(NameMatches(OfficerRecord{}, "新武将"));
  EXPECT_TRUE(NameMatches(OfficerRecord{}, " "));
}

TEST(OfficerFinder, AbilityRangesIncludeBothBounds) {
  AbilityRangeTexts texts;  // no braces: clang 14 crashes on them
  texts[1][0] = "80";     // 武力 ≥ 80
  texts[4][1] = " 70 ";   // 魅力 ≤ 70
  const std::array<AbilityRange, 5> ranges = ParseAbilityRanges(texts);
  EXPECT_EQ(ranges[1].min, 80);
  EXPECT_EQ(ranges[4].max, 70);
  EXPECT_FALSE(ranges[0].min || ranges[0].max || ranges[1].max || ranges[4].min);

  OfficerTable table{};
  for (auto& r : table) r.Wuli = 90;
  table[0].Wuli = 79;
  table[1].Wuli = 80;
  table[2].Meili = 70;
  table[3].Meili = 71;
  FindCriteria criteria;
  criteria.abilities = ranges;
  const std::vector<int> found = Found(table, criteria);
  EXPECT_EQ(std::vector<int>(found.begin(), found.begin() + 3), (std::vector<int>{1, 2, 4}));
  EXPECT_EQ(found.size(), kSlotCount - 2);

  texts[2][1] = "8x";
  try {
    ParseAbilityRanges(texts);
    ADD_FAILURE() << "8x was taken";
  } catch (const AbilityBoxError& e) {
    EXPECT_EQ(e.Ability(), 2u);
    EXPECT_EQ(e.Bound(), 1u);
    EXPECT_STREQ(e.what(), "智力 ≤ 的框中“8x”不是整数");
  }
}

TEST(OfficerFinder, EmptyOrRegisteredSlots) {
  OfficerTable table{};
  table.fill(Officer("", "", "", kNoType));                // never filled
  table[1] = Officer("\xB1\x69", "", "", 1);               // registered: a surname
  table[2] = Officer("", "\xAD\xB8", "", 0);               // registered: a given name
  table[3] = Officer("\xB1\x69", "\xAD\xB8", "", kNoType);  // names, but no type: not shown by the game
  table[4] = Officer("", "", "\xC1\x6C", 2);               // a courtesy name only
  FindCriteria criteria;
  criteria.state = SlotState::OnlyRegistered;
  EXPECT_EQ(Found(table, criteria), (std::vector<int>{1, 2}));
  criteria.state = SlotState::OnlyEmpty;
  EXPECT_EQ(Found(table, criteria).size(), kSlotCount - 2);
  criteria.name = "张";
  EXPECT_EQ(Found(table, criteria), (std::vector<int>{3}));
  criteria.state = SlotState::All;
  EXPECT_EQ(Found(table, criteria), (std::vector<int>{1, 3}));
}
