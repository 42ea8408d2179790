// The roster the relationship pickers offer, and the stored number <-> entry mapping.
#include <gtest/gtest.h>

#include <string>

#include "core/list/OfficerRoster.h"

TEST(OfficerRoster, EntriesStandAtTheirNumbers) {
  const auto& entries = OfficerRosterEntries();
  ASSERT_EQ(entries.size(), 833u);
  for (int i = 0; i < kRosterNoneEntry; ++i) ASSERT_EQ(entries[i].rfind(std::to_string(i) + ".", 0), 0u) << entries[i];
  for (const auto& [number, text] : std::initializer_list<std::pair<int, const char*>>{
           {0, "0.阿会喃"},    {50, "50.温恹"},     {55, "55.华霰"},     {301, "301.硅元进"}, {496, "496.马忠"},
           {497, "497.马忠"},  {592, "592.李丰"},   {593, "593.李丰"},   {594, "594.李丰"},   {595, "595.刘焉"},
           {649, "649.庐植"},  {650, "650.新1"},    {759, "759.新110"},  {760, "760.灵帝"},   {788, "788.赤ん坊"},
           {831, "831.异民族"}, {832, "无"}}) {
    EXPECT_EQ(entries[static_cast<std::size_t>(number)], text);
  }
}

TEST(OfficerRoster, StoredValueAndEntryMapping) {
  for (std::uint16_t value : {0, 497, 650, 831}) EXPECT_EQ(RosterEntryForValue(value), value);
  for (std::uint16_t value : {832, 900, 4000, 65535}) EXPECT_EQ(RosterEntryForValue(value), kRosterNoneEntry) << value;
  for (int entry : {0, 496, 497, 759, 831}) EXPECT_EQ(StoredValueForEntry(entry), entry);
  EXPECT_EQ(StoredValueForEntry(kRosterNoneEntry), 0xFFFF);
  EXPECT_EQ(StoredValueForEntry(-1), 0xFFFF);  // nothing selected
}
