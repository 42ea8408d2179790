#include <gtest/gtest.h>

#include "core/officers/TextField.h"

TEST(TextField, WriteKeepsTheBytesAfterTheTerminator) {
  TextField<5> f;
  f.bytes = {'A', 'B', 'C', 'D', 0};
  f.Write("x");
  EXPECT_EQ(f.Text(), "x");
  EXPECT_EQ(f.bytes[2], 'C');
  EXPECT_EQ(f.bytes[3], 'D');
}

TEST(TextField, OverlongTextIsCutAtACharacterBoundaryAndStaysTerminated) {
  TextField<5> f;
  f.bytes.fill('z');
  f.Write("\xb1\x69\xad\xb8\xa4\x40");  // three double-byte characters into room for two
  EXPECT_EQ(f.Text(), "\xb1\x69\xad\xb8");
  EXPECT_EQ(f.bytes[4], 0);

  f.Write("A\xb1\x69\xad\xb8");  // the second character would split: cut before it
  EXPECT_EQ(f.Text(), "A\xb1\x69");
  EXPECT_EQ(f.bytes[3], 0);
}
