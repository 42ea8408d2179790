// The roster the relationship pickers offer, and the stored number <-> entry mapping.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "list/OfficerRoster.h"

TEST(OfficerRoster, HoldsEveryEntryAtItsNumber) {
  const auto& entries = OfficerRosterEntries();
  ASSERT_EQ(entries.size(), 833u);
  for (int i = 0; i < kRosterNoneEntry; ++i) {
    const std::string prefix = std::to_string(i) + ".";
    ASSERT_EQ(entries[i].rfind(prefix, 0), 0u) << i << ": " << entries[i];
    EXPECT_GT(entries[i].size(), prefix.size()) << i;
  }
  EXPECT_EQ(entries[832], "无");
  EXPECT_EQ(std::set<std::string>(entries.begin(), entries.end()).size(), 833u);
}

TEST(OfficerRoster, NamesAtFixedNumbers) {
  const auto& entries = OfficerRosterEntries();
  EXPECT_EQ(entries[0], "0.阿会喃");
  EXPECT_EQ(entries[49], "49.於夫罗");
  EXPECT_EQ(entries[50], "50.温恹");
  EXPECT_EQ(entries[55], "55.华霰");
  EXPECT_EQ(entries[96], "96.关羽");
  EXPECT_EQ(entries[285], "285.诸葛亮");
  EXPECT_EQ(entries[301], "301.硅元进");
  EXPECT_EQ(entries[302], "302.硅固");
  EXPECT_EQ(entries[335], "335.曹操");
  EXPECT_EQ(entries[416], "416.张飞");
  EXPECT_EQ(entries[614], "614.刘备");
  EXPECT_EQ(entries[649], "649.庐植");
  EXPECT_EQ(entries[760], "760.灵帝");
  EXPECT_EQ(entries[787], "787.南斗");
  EXPECT_EQ(entries[788], "788.赤ん坊");
  EXPECT_EQ(entries[822], "822.乌丸大将");
  EXPECT_EQ(entries[831], "831.异民族");
}

TEST(OfficerRoster, EqualNamesStaySeparateEntries) {
  const auto& entries = OfficerRosterEntries();
  EXPECT_EQ(entries[495], "495.马岱");
  EXPECT_EQ(entries[496], "496.马忠");
  EXPECT_EQ(entries[497], "497.马忠");
  EXPECT_EQ(entries[498], "498.马超");
  EXPECT_EQ(entries[591], "591.李典");
  EXPECT_EQ(entries[592], "592.李丰");
  EXPECT_EQ(entries[593], "593.李丰");
  EXPECT_EQ(entries[594], "594.李丰");
  EXPECT_EQ(entries[595], "595.刘焉");
}

TEST(OfficerRoster, NewOfficersStartAsNumberedPlaceholders) {
  const auto& entries = OfficerRosterEntries();
  EXPECT_EQ(entries[650], "650.新1");
  EXPECT_EQ(entries[651], "651.新2");
  EXPECT_EQ(entries[700], "700.新51");
  EXPECT_EQ(entries[759], "759.新110");
}

TEST(OfficerRoster, StoredValueSelectsEntry) {
  EXPECT_EQ(RosterEntryForValue(0), 0);
  EXPECT_EQ(RosterEntryForValue(497), 497);
  EXPECT_EQ(RosterEntryForValue(650), 650);
  EXPECT_EQ(RosterEntryForValue(831), 831);
  EXPECT_EQ(RosterEntryForValue(832), kRosterNoneEntry);
  EXPECT_EQ(RosterEntryForValue(900), kRosterNoneEntry);
  EXPECT_EQ(RosterEntryForValue(4000), kRosterNoneEntry);
  EXPECT_EQ(RosterEntryForValue(65535), kRosterNoneEntry);
}

TEST(OfficerRoster, EntryGivesStoredValue) {
  EXPECT_EQ(StoredValueForEntry(0), 0);
  EXPECT_EQ(StoredValueForEntry(496), 496);
  EXPECT_EQ(StoredValueForEntry(497), 497);
  EXPECT_EQ(StoredValueForEntry(759), 759);
  EXPECT_EQ(StoredValueForEntry(831), 831);
  EXPECT_EQ(StoredValueForEntry(kRosterNoneEntry), 0xFFFF);
  EXPECT_EQ(StoredValueForEntry(-1), 0xFFFF);  // nothing selected
  // Round trip: 900 read from a file shows "无" and is stored back as 65535.
  EXPECT_EQ(StoredValueForEntry(RosterEntryForValue(900)), 0xFFFF);
}
