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

TEST(OfficerRoster, TraditionalEntriesAreTheGamesForms) {
  const auto& entries = OfficerRosterEntries(OfficerTextScript::Traditional);
  for (int i = 0; i < kRosterNoneEntry; ++i) {
    const std::string prefix = std::to_string(i) + ".";
    ASSERT_EQ(entries[i].rfind(prefix, 0), 0u) << entries[i];
    ASSERT_GT(entries[i].size(), prefix.size()) << i;
  }
  for (const auto& [number, text] : std::initializer_list<std::pair<int, const char*>>{
           {0, "0.阿會喃"},     {6, "6.于禁"},       {7, "7.于詮"},       {49, "49.於夫羅"},   {84, "84.夏侯惇"},
           {96, "96.關羽"},     {161, "161.高幹"},   {261, "261.鍾會"},   {262, "262.蔣幹"},   {285, "285.諸葛亮"},
           {335, "335.曹操"},   {337, "337.曹沖"},   {357, "357.孫乾"},   {415, "415.趙范"},   {416, "416.張飛"},
           {459, "459.田豐"},   {649, "649.廬植"},   {650, "650.新1"},    {759, "759.新110"},  {763, "763.于吉"},
           {787, "787.南斗"},   {788, "788.赤ん坊"}, {793, "793.皇后"},   {831, "831.異民族"}, {832, "無"}}) {
    EXPECT_EQ(entries[static_cast<std::size_t>(number)], text);
  }
}
