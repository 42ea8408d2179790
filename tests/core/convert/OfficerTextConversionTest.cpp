// Converting one officer's texts in place, and the names shown afterwards.
#include <gtest/gtest.h>

#include <string>

#include "core/convert/Jislib.h"
#include "core/convert/OfficerTextConversion.h"
#include "core/convert/ShiftJisSamples.h"
#include "support/OfficerBytes.h"

namespace {

OfficerRecord GuanYuInShiftJis() {
  OfficerRecord r;
  r.Face = 321;
  r.Wuli = 97;
  r.Skills = {1, 2, 3, 4, 5, 6};
  SetFieldBytes(r.Xing, kSjisGuan);
  SetFieldBytes(r.Ming, kSjisYu);
  SetFieldBytes(r.Zi, "\xE0\xBD\xE0\xA5");  // Big5 鉠鄍, also Shift-JIS 狄爭: left as Big5
  SetFieldBytes(r.Yin, kSjisReading);
  SetFieldBytes(r.Story, kSjisGuan + kSjisYu + kSjisA + "1234");
  return r;
}

TEST(OfficerTextConversion, ShiftJisTextsBecomeBig5ChineseOnesStayAndASecondRunChangesNothing) {
  OfficerRecord r = GuanYuInShiftJis();
  OfficerRecord expected = r;
  SetFieldBytes(expected.Xing, kBig5Guan);
  SetFieldBytes(expected.Ming, kBig5Yu);
  SetFieldBytes(expected.Story, kBig5Guan + kBig5Yu + kBig5A + "1234");
  EXPECT_TRUE(ConvertOfficerTexts(r));
  EXPECT_EQ(r, expected);  // the reading, the Chinese courtesy name and every number untouched
  EXPECT_FALSE(ConvertOfficerTexts(r));
  EXPECT_EQ(r, expected);
}

TEST(OfficerTextConversion, FieldsWithoutATerminatorStayWithinTheirWidth) {
  OfficerRecord r;
  SetFieldBytes(r.Xing, kSjisA + kSjisA + "\x82");  // five bytes, no zero, a lead byte last
  SetFieldBytes(r.Ming, "ABCDE");
  SetFieldBytes(r.Zi, kSjisA + kSjisA + "\x82");
  SetFieldBytes(r.Yin, "\x82\xA0reading");
  std::string story;
  while (story.size() + 2 <= TextField<153>::kWidth) story += kSjisA;
  story += "\x82";  // 153 bytes
  SetFieldBytes(r.Story, story);

  ConvertOfficerTexts(r);
  EXPECT_EQ(FieldBytes(r.Xing), kBig5A + kBig5A + "\x82");
  EXPECT_EQ(FieldBytes(r.Ming), "ABCDE");
  EXPECT_EQ(FieldBytes(r.Zi), kBig5A + kBig5A + "\x82");
  EXPECT_EQ(r.Yin.Text(), "\x82\xA0reading");  // the field after Zi keeps its bytes
  std::string expectedStory;
  while (expectedStory.size() + 2 <= TextField<153>::kWidth) expectedStory += kBig5A;
  expectedStory += "\x82";
  EXPECT_EQ(FieldBytes(r.Story), expectedStory);
}

TEST(OfficerTextConversion, BytesAfterTheTerminatorAreKept) {
  OfficerRecord r;
  SetFieldBytes(r.Xing, kSjisA + std::string(1, '\0') + kSjisA);
  SetFieldBytes(r.Story, kSjisXue + std::string(1, '\0') + kSjisXue);
  ConvertOfficerTexts(r);
  EXPECT_EQ(FieldBytes(r.Xing), kBig5A + std::string(1, '\0') + kSjisA);
  EXPECT_EQ(FieldBytes(r.Story).substr(0, 5), kBig5Xue + std::string(1, '\0') + kSjisXue);
}

TEST(OfficerTextConversion, EmptySlotStaysEmpty) {
  OfficerRecord r;
  EXPECT_FALSE(ConvertOfficerTexts(r));
  EXPECT_FALSE(HasStoredTexts(r));
  EXPECT_EQ(r, OfficerRecord{});
  EXPECT_EQ(ShownTextsOf(r), ShownTextSet{});
  r.Yin.Write("x");  // the reading is no stored text
  EXPECT_FALSE(HasStoredTexts(r));
  r.Story.Write("x");
  EXPECT_TRUE(HasStoredTexts(r));
}

TEST(OfficerTextConversion, TextsAreShownInGbkWithoutTouchingTheRecord) {
  OfficerRecord r;
  SetFieldBytes(r.Xing, "\xBC\x42");  // 劉
  SetFieldBytes(r.Ming, "\xB3\xC6");  // 備
  SetFieldBytes(r.Zi, "AB");
  SetFieldBytes(r.Story, "\xBC\x42\xB3\xC6\r\nx");
  const OfficerRecord before = r;
  const ShownTextSet shown = ShownTextsOf(r);
  EXPECT_EQ(shown.Of(FieldWithRole(FieldRole::Surname)), "\xC1\xF5");  // 刘
  EXPECT_EQ(shown.Of(FieldWithRole(FieldRole::GivenName)), "\xB1\xB8");
  EXPECT_EQ(shown.Of(FieldWithRole(FieldRole::CourtesyName)), "AB");
  EXPECT_EQ(shown.Of(FieldWithRole(FieldRole::Biography)), "\xC1\xF5\xB1\xB8\r\nx");
  EXPECT_THROW(shown.Of(FieldWithRole(FieldRole::Reading)), std::logic_error);
  EXPECT_EQ(r, before);
}

}  // namespace
