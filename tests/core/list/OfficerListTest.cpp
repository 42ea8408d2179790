// Row names, the exact-value search and the row order of the officer list.
#include <gtest/gtest.h>

#include <string>

#include "core/list/OfficerList.h"
#include "core/officers/IntegerText.h"

namespace {

const std::string kNewOfficer = "\xD0\xC2\xCE\xE4\xBD\xAB";  // "新武将" in GBK

OfficerRecord Named(const char* xing, const char* ming, const char* zi) {
  OfficerRecord r;
  r.Xing.Write(xing);
  r.Ming.Write(ming);
  r.Zi.Write(zi);
  return r;
}

}  // namespace

TEST(OfficerListNames, EachUseHasItsForm) {
  const OfficerRecord zhangFei = Named("Zh", "Fei", "Yide");
  EXPECT_EQ(SlotName(zhangFei, 0, NameUse::ListRow), "ZhFei Yide");
  EXPECT_EQ(SlotName(zhangFei, 0, NameUse::Roster), "ZhFei");
  EXPECT_EQ(SlotName(zhangFei, 2, NameUse::Message), "652 ZhFei");
  EXPECT_EQ(SlotName(zhangFei, 2, NameUse::RosterBeforeLoad), "\xD0\xC2" "3");  // 新3: the record is not read
  EXPECT_EQ(SlotName(Named("Zh", "Fei", ""), 0, NameUse::ListRow), "ZhFei ");
  EXPECT_EQ(SlotName(Named("", "", "Yide"), 5, NameUse::ListRow), " Yide");

  // Without the names a use shows: 新武将 and slot + 1.
  EXPECT_EQ(SlotName(Named("", "", "Yide"), 5, NameUse::Roster), kNewOfficer + "6");
  EXPECT_EQ(SlotName(Named("", "", "Yide"), 5, NameUse::Message), "655 " + kNewOfficer + "6");
  EXPECT_EQ(SlotName(OfficerRecord{}, 109, NameUse::ListRow), kNewOfficer + "110");

  // Big5 surname 張 and given name 飛 are converted on copies; a courtesy
  // name filling its field without a terminator is read to the field's end.
  OfficerRecord r = Named("\xB1\x69", "\xAD\xB8", "");
  r.Zi.bytes = {'A', 'B', 'C', 'D', 'E'};
  const OfficerRecord before = r;
  EXPECT_EQ(SlotName(r, 0, NameUse::ListRow), "\xD5\xC5\xB7\xC9 ABCDE");  // 张飞 in GBK
  EXPECT_EQ(r, before);
}

TEST(OfficerListSearch, ExactValuesCombinedByAnd) {
  EXPECT_EQ(ParseSearchValues({"", " 80", "$10", "0", "-5"}), (SearchValues{-1, 80, 16, 0, -5}));
  EXPECT_THROW(ParseSearchValues({"80", "", "", "", "7x"}), ConvertError);

  OfficerTable table{};
  table[3].Tongshuai = 80;
  table[3].Wuli = 75;
  table[40].Tongshuai = 80;
  table[109].Tongshuai = 80;
  table[109].Wuli = 75;
  table[50].Wuli = 75;
  const auto byTong = SearchVisibleSlots(table, {80, -1, -1, -1, -1});
  const auto byBoth = SearchVisibleSlots(table, {80, 75, -1, -1, -1});
  const auto none = SearchVisibleSlots(table, {0, -5, -1, -1, -1});
  const auto tooHigh = SearchVisibleSlots(table, {65536 + 80, -1, -1, -1, -1});
  for (std::size_t s = 0; s < kSlotCount; ++s) {
    EXPECT_EQ(byTong[s], s == 3 || s == 40 || s == 109) << s;
    EXPECT_EQ(byBoth[s], s == 3 || s == 109) << s;
    EXPECT_TRUE(none[s]) << s;
    EXPECT_FALSE(tooHigh[s]) << s;
  }
  // Each box checks its own ability.
  OfficerRecord r;
  r.Meili = 40;
  EXPECT_TRUE(MatchesSearch(r, {-1, -1, -1, -1, 40}));
  EXPECT_FALSE(MatchesSearch(r, {-1, -1, -1, 40, -1}));
}

TEST(OfficerListCompare, AllColumnsBothDirections) {
  const ListRowKey a{650, "A", {10, 20, 30, 40, 50}};
  const ListRowKey b{700, "A", {11, 19, 30, 41, 49}};
  EXPECT_EQ(CompareListRows(a, b, 0, true), -50);
  EXPECT_EQ(CompareListRows(a, b, 0, false), 50);
  const int expected[] = {-1, 1, 0, -1, 1};  // a - b per ability
  for (int column = 2; column < kListColumnCount; ++column) {
    EXPECT_EQ(CompareListRows(a, b, column, true), expected[column - 2]) << column;
    EXPECT_EQ(CompareListRows(a, b, column, false), -expected[column - 2]) << column;
  }
  // By name 新武将10 comes before 新武将2.
  const ListRowKey ten{659, kNewOfficer + "10", {}};
  const ListRowKey two{651, kNewOfficer + "2", {}};
  EXPECT_LT(CompareListRows(ten, two, 1, true), 0);
  EXPECT_GT(CompareListRows(ten, two, 1, false), 0);
}

TEST(OfficerListCompare, NamesAsUnsignedBytesWithLettersFolded) {
  EXPECT_EQ(CompareNames("zhao", "ZHAO"), 0);
  EXPECT_EQ(CompareNames("zhang", "Zhao"), 'N' - 'O');
  EXPECT_GT(CompareNames("_", "z"), 0);  // letters fold up, below "_"
  EXPECT_EQ(CompareNames("AB", "ABCD"), -2);
  EXPECT_EQ(CompareNames("\xD5\xC5", "Z"), 0xD5 - 'Z');  // a GBK character after every letter
  EXPECT_NE(CompareNames("\xE1", "\xC1"), 0);          // only a-z fold
}

TEST(OfficerListSort, ClicksMoveTheSortState) {
  // Starts at column 0, descending: the first click on 编号 sorts upward.
  const SortState first = NextSortState(SortState{}, 0);
  EXPECT_TRUE(first.column == 0 && first.ascending);
  const SortState ability = NextSortState(first, 2);
  EXPECT_TRUE(ability.column == 2 && !ability.ascending);  // highest first
  EXPECT_TRUE(NextSortState(ability, 2).ascending);
  const SortState name = NextSortState(ability, 1);
  EXPECT_TRUE(name.column == 1 && name.ascending);
  EXPECT_FALSE(NextSortState(name, 1).ascending);
  EXPECT_FALSE(NextSortState(name, 6).ascending);
}
