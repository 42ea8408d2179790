// Finding roster entries by a part of the number or of the name, the name
// typed in simplified or traditional characters.
#include <gtest/gtest.h>

#include "core/list/RosterSearch.h"

TEST(RosterSearch, NumbersMatchByTheirDigitsUpTo831) {
  const RosterSearch exact(QStringLiteral("651"));
  EXPECT_EQ(exact.ExactNumber(), 651);
  EXPECT_TRUE(exact.Matches(651, QStringLiteral("关羽")));  // a renamed entry shows no number
  EXPECT_FALSE(exact.Matches(650, QStringLiteral("650.新1")));

  EXPECT_EQ(RosterSearch(QStringLiteral("65")).ExactNumber(), 65);
  EXPECT_EQ(RosterSearch(QStringLiteral("065")).ExactNumber(), -1);
  EXPECT_TRUE(RosterSearch(QStringLiteral("65")).Matches(165, QStringLiteral("165.高顺")));
  EXPECT_EQ(RosterSearch(QStringLiteral("831")).ExactNumber(), 831);
  // 832 is "无", no roster number.
  EXPECT_EQ(RosterSearch(QStringLiteral("832")).ExactNumber(), -1);
  EXPECT_FALSE(RosterSearch(QStringLiteral("832")).Matches(832, QStringLiteral("无")));
}

TEST(RosterSearch, NamesMatchInSimplifiedOrTraditionalCharacters) {
  const QString shown = QStringLiteral("176.公孙瓒");
  EXPECT_TRUE(RosterSearch(QStringLiteral("孙瓒")).Matches(176, shown));
  EXPECT_TRUE(RosterSearch(QStringLiteral("公孫瓚")).Matches(176, shown));
  EXPECT_FALSE(RosterSearch(QStringLiteral("孙策")).Matches(176, shown));
  EXPECT_EQ(SimplifiedForm(QStringLiteral("關羽 a1")), QStringLiteral("关羽 a1"));
  EXPECT_TRUE(RosterSearch(QString()).Matches(176, shown));
}
