// Row names, the exact-value search and the row order of the officer list.
#include <gtest/gtest.h>

#include <string>

#include "convert/Jislib.h"
#include "list/OfficerList.h"
#include "officers/IntegerText.h"

namespace {

// "新武将" as GBK bytes.
const std::string kNewOfficer = "\xD0\xC2\xCE\xE4\xBD\xAB";

OfficerRecord Named(const char* xing, const char* ming, const char* zi) {
  OfficerRecord r;
  r.Xing.Write(xing);
  r.Ming.Write(ming);
  r.Zi.Write(zi);
  return r;
}

OfficerRecord WithAbilities(int tong, int wu, int zhi, int zheng, int mei) {
  OfficerRecord r;
  r.Tongshuai = static_cast<std::uint16_t>(tong);
  r.Wuli = static_cast<std::uint16_t>(wu);
  r.Zhili = static_cast<std::uint16_t>(zhi);
  r.Zhengzhi = static_cast<std::uint16_t>(zheng);
  r.Meili = static_cast<std::uint16_t>(mei);
  return r;
}

ListRowKey Row(int number, std::string name, std::array<std::int64_t, 5> abilities = {}) {
  return ListRowKey{number, std::move(name), abilities};
}

}  // namespace

TEST(OfficerListNames, JoinsSurnameGivenNameAndCourtesyName) {
  EXPECT_EQ(DisplayName(Named("Zh", "Fei", "Yide"), 0), "ZhFei Yide");
  EXPECT_EQ(RosterName(Named("Zh", "Fei", "Yide"), 0), "ZhFei");
  // Without a courtesy name the display name ends in a space.
  EXPECT_EQ(DisplayName(Named("Zh", "Fei", ""), 0), "ZhFei ");
  // Only a courtesy name: a space before it, and the roster falls back.
  EXPECT_EQ(DisplayName(Named("", "", "Yide"), 5), " Yide");
  EXPECT_EQ(RosterName(Named("", "", "Yide"), 5), kNewOfficer + "6");
}

TEST(OfficerListNames, EmptySlotsGetGeneratedNames) {
  const OfficerRecord empty;
  EXPECT_EQ(DisplayName(empty, 0), kNewOfficer + "1");
  EXPECT_EQ(DisplayName(empty, 109), kNewOfficer + "110");
  EXPECT_EQ(RosterName(empty, 2), kNewOfficer + "3");
  EXPECT_EQ(NewOfficerName(9), kNewOfficer + "10");
}

TEST(OfficerListNames, ReadsEachFieldUpToFiveBytesAndConvertsCopies) {
  OfficerRecord r;
  // Surname 張 and given name 飛 in Big5; the courtesy name fills its field
  // without a terminator.
  r.Xing.Write("\xB1\x69");
  r.Ming.Write("\xAD\xB8");
  r.Zi.bytes = {'A', 'B', 'C', 'D', 'E'};
  const OfficerRecord before = r;
  EXPECT_EQ(DisplayName(r, 0), Big5ToGbk("\xB1\x69") + Big5ToGbk("\xAD\xB8") + " ABCDE");
  EXPECT_EQ(RosterName(r, 0), Big5ToGbk("\xB1\x69") + Big5ToGbk("\xAD\xB8"));
  EXPECT_EQ(r, before);  // the stored texts stay Big5
}

TEST(OfficerListSearch, EmptyAndNonPositiveBoxesPlaceNoCondition) {
  EXPECT_EQ(ParseSearchValues({"", "", "", "", ""}), (SearchValues{-1, -1, -1, -1, -1}));
  EXPECT_EQ(ParseSearchValues({"80", " 75", "$10", "0", "-5"}), (SearchValues{80, 75, 16, 0, -5}));
  const OfficerRecord r = WithAbilities(80, 75, 60, 50, 40);
  EXPECT_TRUE(MatchesSearch(r, {-1, -1, -1, -1, -1}));
  EXPECT_TRUE(MatchesSearch(r, {0, -5, 0, INT32_MIN, 0}));
}

TEST(OfficerListSearch, EveryPositiveValueMustMatchExactly) {
  const OfficerRecord r = WithAbilities(80, 75, 60, 50, 40);
  EXPECT_TRUE(MatchesSearch(r, {80, -1, -1, -1, -1}));
  EXPECT_TRUE(MatchesSearch(r, {80, 75, -1, -1, -1}));
  EXPECT_TRUE(MatchesSearch(r, {80, 75, 60, 50, 40}));
  EXPECT_FALSE(MatchesSearch(r, {79, -1, -1, -1, -1}));  // no threshold
  EXPECT_FALSE(MatchesSearch(r, {81, -1, -1, -1, -1}));
  EXPECT_FALSE(MatchesSearch(r, {80, 74, -1, -1, -1}));
  EXPECT_FALSE(MatchesSearch(r, {-1, -1, -1, -1, 41}));
  EXPECT_FALSE(MatchesSearch(r, {-1, -1, -1, 60, -1}));  // each box checks its own ability
  // Values no ability can hold match nothing.
  EXPECT_FALSE(MatchesSearch(WithAbilities(65535, 0, 0, 0, 0), {65535 + 80, -1, -1, -1, -1}));
  EXPECT_TRUE(MatchesSearch(WithAbilities(65535, 0, 0, 0, 0), {65535, -1, -1, -1, -1}));
}

TEST(OfficerListSearch, VisibleSlotsOverTheTable) {
  OfficerTable table{};
  table[3] = WithAbilities(80, 75, 1, 1, 1);
  table[40] = WithAbilities(80, 70, 1, 1, 1);
  table[109] = WithAbilities(80, 75, 2, 2, 2);
  const auto byTong = SearchVisibleSlots(table, {80, -1, -1, -1, -1});
  const auto byBoth = SearchVisibleSlots(table, {80, 75, -1, -1, -1});
  const auto all = SearchVisibleSlots(table, {-1, 0, -1, -1, -1});
  for (std::size_t s = 0; s < kSlotCount; ++s) {
    EXPECT_EQ(byTong[s], s == 3 || s == 40 || s == 109) << s;
    EXPECT_EQ(byBoth[s], s == 3 || s == 109) << s;
    EXPECT_TRUE(all[s]) << s;
  }
}

TEST(OfficerListSearch, TextThatIsNoIntegerStopsTheSearch) {
  EXPECT_THROW(ParseSearchValues({"80", "abc", "", "", ""}), ConvertError);
  EXPECT_THROW(ParseSearchValues({"", "", "", "", "7x"}), ConvertError);
  EXPECT_THROW(ParseSearchValues({" ", "", "", "", ""}), ConvertError);
  try {
    ParseSearchValues({"abc", "", "", "", "7x"});
    FAIL();
  } catch (const ConvertError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");  // the first failing box
  }
}

TEST(OfficerListCompare, NumbersAndAbilitiesInBothDirections) {
  const ListRowKey a = Row(650, "A", {10, 20, 30, 40, 50});
  const ListRowKey b = Row(700, "A", {11, 19, 30, 41, 49});
  EXPECT_LT(CompareListRows(a, b, 0, true), 0);
  EXPECT_GT(CompareListRows(a, b, 0, false), 0);
  EXPECT_EQ(CompareListRows(a, b, 0, true), -50);
  const int expected[5] = {-1, 1, 0, -1, 1};  // a - b per ability
  for (int column = 2; column < kListColumnCount; ++column) {
    const int e = expected[column - 2];
    EXPECT_EQ(CompareListRows(a, b, column, true), e) << column;
    EXPECT_EQ(CompareListRows(a, b, column, false), -e) << column;
    EXPECT_EQ(CompareListRows(b, a, column, true), -e) << column;
  }
}

TEST(OfficerListCompare, NamesAsBytesWithLettersFolded) {
  // By name, 新武将10 comes before 新武将2: the digit 1 is smaller than 2.
  EXPECT_LT(CompareListRows(Row(659, kNewOfficer + "10"), Row(651, kNewOfficer + "2"), 1, true), 0);
  EXPECT_GT(CompareListRows(Row(659, kNewOfficer + "10"), Row(651, kNewOfficer + "2"), 1, false), 0);
  EXPECT_EQ(CompareNames("zhao", "ZHAO"), 0);
  EXPECT_EQ(CompareNames("abc", "ABD"), 'C' - 'D');
  EXPECT_EQ(CompareNames("zhang", "Zhao"), 'N' - 'O');
  // Letters fold up, so "_" (0x5F) stands after every letter.
  EXPECT_GT(CompareNames("_", "z"), 0);
  // A prefix comes first, by the difference of the lengths.
  EXPECT_EQ(CompareNames("AB", "ABCD"), -2);
  EXPECT_EQ(CompareNames("", ""), 0);
  // Bytes compare unsigned: a GBK character sorts after every ASCII letter.
  EXPECT_EQ(CompareNames("\xD5\xC5", "Z"), 0xD5 - 'Z');
  EXPECT_LT(CompareNames("\xB2\xDC", "\xD5\xC5"), 0);  // 曹 before 张
  // Only a-z fold; bytes above 0x7F are left as they are.
  EXPECT_NE(CompareNames("\xE1", "\xC1"), 0);
}

TEST(OfficerListSort, ClicksMoveTheSortState) {
  // Starts at column 0, descending: the first click on 编号 sorts upward.
  SortState state;
  state = NextSortState(state, 0);
  EXPECT_EQ(state.column, 0);
  EXPECT_TRUE(state.ascending);
  // First click on an ability: highest first; again: lowest first.
  state = NextSortState(state, 2);
  EXPECT_EQ(state.column, 2);
  EXPECT_FALSE(state.ascending);
  state = NextSortState(state, 2);
  EXPECT_TRUE(state.ascending);
  // First click on the name sorts upward.
  state = NextSortState(state, 1);
  EXPECT_EQ(state.column, 1);
  EXPECT_TRUE(state.ascending);
  state = NextSortState(state, 1);
  EXPECT_FALSE(state.ascending);
  for (int column = 2; column < kListColumnCount; ++column) {
    EXPECT_FALSE(NextSortState(SortState{0, true}, column).ascending) << column;
  }
  EXPECT_TRUE(NextSortState(SortState{4, false}, 0).ascending);
}
