// The game's words in both scripts with their English meaning.
#include <gtest/gtest.h>

#include "core/officers/GameVocabulary.h"

namespace {

using S = OfficerTextScript;

}  // namespace

TEST(GameVocabulary, EveryItemAndSkillHasItsTraditionalFormAndMeaning) {
  std::size_t items = 0;
  for (const OfficerField* field : Enumerations()) {
    ASSERT_EQ(field->words.size(), field->items.size()) << field->key;
    for (std::size_t i = 0; i < field->items.size(); ++i, ++items) {
      EXPECT_EQ(ItemText(*field, i, S::Simplified), field->items[i]) << field->key << i;
      EXPECT_FALSE(ItemText(*field, i, S::Traditional).empty()) << field->key << i;
      EXPECT_FALSE(ItemMeaning(*field, i).empty()) << field->key << i;
    }
    EXPECT_EQ(ItemText(*field, field->items.size(), S::Traditional), "") << field->key;  // past the items
  }
  EXPECT_EQ(items, 47u);
  EXPECT_EQ(ItemMeaning(*FindFieldByKey("father"), 0), "");  // no items at all
  for (const SkillBox& box : SkillLayout()) {
    EXPECT_EQ(SkillText(box, S::Simplified), box.caption);
    EXPECT_FALSE(SkillText(box, S::Traditional).empty()) << box.objectName;
    EXPECT_FALSE(SkillMeaning(box).empty()) << box.objectName;
  }
}

TEST(GameVocabulary, EachWordKeepsItsOwnRow) {
  const OfficerField& personality = *FindFieldByKey("personality");
  EXPECT_EQ(ItemText(personality, 0, S::Traditional), "小心 ");
  EXPECT_EQ(ItemMeaning(personality, 0), "Cautious");
  EXPECT_EQ(ItemText(personality, 3, S::Traditional), "豬突");
  EXPECT_EQ(ItemMeaning(personality, 3), "Reckless");
  EXPECT_EQ(ItemText(*FindFieldByKey("employment"), 1, S::Traditional), "實績");
  EXPECT_EQ(ItemMeaning(*FindFieldByKey("han_court"), 2), "Devoted");
  EXPECT_EQ(ItemText(*FindFieldByKey("diligence"), 3, S::Traditional), "無視");
  const auto& grid = SkillLayout();
  const std::tuple<std::size_t, const char*, const char*> skills[] = {
      {0, "農業", "Agriculture"}, {1, "商業", "Commerce"}, {5, "徵兵", "Conscription"}, {7, "突擊", "Charge"},
      {21, "回復", "Recovery"},   {29, "抗辯", "Objection"}, {32, "論破", "Refute"},  {40, "醫者", "Healer"},
      {41, "仙人", "Hermit"}};
  for (const auto& [index, traditional, english] : skills) {
    EXPECT_EQ(SkillText(grid[index], S::Traditional), traditional) << index;
    EXPECT_EQ(SkillMeaning(grid[index]), english) << index;
  }
}
