// Converting one officer's texts in place, and the names shown afterwards.
#include <gtest/gtest.h>

#include <string>

#include "convert/Jislib.h"
#include "convert/OfficerTextConversion.h"

namespace {

template <std::size_t Width>
void SetBytes(TextField<Width>& field, const std::string& bytes) {
  field.bytes.fill(0);
  for (std::size_t i = 0; i < bytes.size() && i < Width; ++i) field.bytes[i] = static_cast<std::uint8_t>(bytes[i]);
}

template <std::size_t Width>
std::string AllBytes(const TextField<Width>& field) {
  return std::string(reinterpret_cast<const char*>(field.bytes.data()), Width);
}

// Shift-JIS: 関 8A D6, 羽 89 48, 学 8A 77, あ 82 A0; the reading かんう.
const std::string kSjisGuan = "\x8A\xD6";
const std::string kSjisYu = "\x89\x48";
const std::string kSjisXue = "\x8A\x77";
const std::string kSjisA = "\x82\xA0";
const std::string kSjisReading = "\x82\xA9\x82\xF1\x82\xA4";
// Big5: 關 C3 F6, 羽 A6 D0, 學 BE C7, あ C6 E8.
const std::string kBig5Guan = "\xC3\xF6";
const std::string kBig5Yu = "\xA6\xD0";
const std::string kBig5Xue = "\xBE\xC7";
const std::string kBig5A = "\xC6\xE8";

OfficerRecord GuanYuInShiftJis() {
  OfficerRecord r;
  r.Face = 321;
  r.Wuli = 97;
  r.Skills = {1, 2, 3, 4, 5, 6};
  SetBytes(r.Xing, kSjisGuan);
  SetBytes(r.Ming, kSjisYu);
  SetBytes(r.Zi, kSjisXue);
  SetBytes(r.Yin, kSjisReading);
  SetBytes(r.Story, kSjisGuan + kSjisYu + kSjisA + "1234");
  return r;
}

TEST(OfficerTextConversion, SingleOfficerTurnsShiftJisTextsIntoBig5) {
  OfficerRecord r = GuanYuInShiftJis();
  OfficerRecord expected = r;
  SetBytes(expected.Xing, kBig5Guan);
  SetBytes(expected.Ming, kBig5Yu);
  SetBytes(expected.Zi, kBig5Xue);
  SetBytes(expected.Story, kBig5Guan + kBig5Yu + kBig5A + "1234");

  ConvertOfficerTexts(r, StorySource::ShiftJis);
  EXPECT_EQ(r, expected);  // the reading and every number untouched
  EXPECT_EQ(r.Yin.Text(), kSjisReading);
}

TEST(OfficerTextConversion, AllOfficersReadTheBiographyAsGbk) {
  OfficerRecord r = GuanYuInShiftJis();
  const std::string sjisStory = r.Story.Text();
  SetBytes(r.Story, "\xC1\xF5\xB1\xB8");  // 刘备 in GBK
  ConvertOfficerTexts(r, StorySource::Gbk);
  EXPECT_EQ(r.Xing.Text(), kBig5Guan);
  EXPECT_EQ(r.Ming.Text(), kBig5Yu);
  EXPECT_EQ(r.Story.Text(), "\xBC\x42\xB3\xC6");  // 劉備 in Big5
  EXPECT_EQ(r.Yin.Text(), kSjisReading);

  // A Shift-JIS biography is read as GBK codes, not as Shift-JIS.
  SetBytes(r.Story, sjisStory);
  ConvertOfficerTexts(r, StorySource::Gbk);
  EXPECT_EQ(r.Story.Text(), GbkToBig5(sjisStory));
  EXPECT_NE(r.Story.Text(), ShiftJisToBig5(sjisStory));
}

TEST(OfficerTextConversion, FieldsWithoutATerminatorStayWithinTheirWidth) {
  OfficerRecord r;
  SetBytes(r.Xing, kSjisA + kSjisA + "\x82");  // five bytes, no zero, a lead byte last
  SetBytes(r.Ming, "ABCDE");
  SetBytes(r.Zi, kSjisA + kSjisA + "\x82");
  SetBytes(r.Yin, "\x82\xA0reading");
  std::string story;
  while (story.size() + 2 <= TextField<153>::kWidth) story += kSjisA;
  story += "\x82";  // 153 bytes
  SetBytes(r.Story, story);

  ConvertOfficerTexts(r, StorySource::ShiftJis);
  EXPECT_EQ(AllBytes(r.Xing), kBig5A + kBig5A + "\x82");
  EXPECT_EQ(AllBytes(r.Ming), "ABCDE");
  EXPECT_EQ(AllBytes(r.Zi), kBig5A + kBig5A + "\x82");
  EXPECT_EQ(r.Yin.Text(), "\x82\xA0reading");  // the field after Zi keeps its bytes
  std::string expectedStory;
  while (expectedStory.size() + 2 <= TextField<153>::kWidth) expectedStory += kBig5A;
  expectedStory += "\x82";
  EXPECT_EQ(AllBytes(r.Story), expectedStory);
}

TEST(OfficerTextConversion, BytesAfterTheTerminatorAreKept) {
  OfficerRecord r;
  SetBytes(r.Xing, kSjisA + std::string(1, '\0') + kSjisA);
  SetBytes(r.Story, kSjisXue + std::string(1, '\0') + kSjisXue);
  ConvertOfficerTexts(r, StorySource::ShiftJis);
  EXPECT_EQ(AllBytes(r.Xing), kBig5A + std::string(1, '\0') + kSjisA);
  EXPECT_EQ(AllBytes(r.Story).substr(0, 5), kBig5Xue + std::string(1, '\0') + kSjisXue);
}

TEST(OfficerTextConversion, EmptySlotStaysEmptyAndHasNoPlaceholderName) {
  OfficerRecord r;
  ConvertOfficerTexts(r, StorySource::ShiftJis);
  ConvertOfficerTexts(r, StorySource::Gbk);
  EXPECT_EQ(r, OfficerRecord{});
  EXPECT_EQ(ConvertedRosterName(r), "");
  EXPECT_EQ(ConvertedDisplayName(r), " ");
  const ShownOfficerTexts shown = ShownTextsOf(r);
  EXPECT_TRUE(shown.xing.empty() && shown.ming.empty() && shown.zi.empty() && shown.story.empty());
}

TEST(OfficerTextConversion, NamesAreShownInGbkWithoutTouchingTheRecord) {
  OfficerRecord r;
  SetBytes(r.Xing, "\xBC\x42");  // 劉
  SetBytes(r.Ming, "\xB3\xC6");  // 備
  SetBytes(r.Zi, "AB");
  SetBytes(r.Story, "\xBC\x42\xB3\xC6\r\nx");
  const OfficerRecord before = r;
  EXPECT_EQ(ConvertedRosterName(r), "\xC1\xF5\xB1\xB8");  // 刘备
  EXPECT_EQ(ConvertedDisplayName(r), "\xC1\xF5\xB1\xB8 AB");
  const ShownOfficerTexts shown = ShownTextsOf(r);
  EXPECT_EQ(shown.xing, "\xC1\xF5");
  EXPECT_EQ(shown.ming, "\xB1\xB8");
  EXPECT_EQ(shown.zi, "AB");
  EXPECT_EQ(shown.story, "\xC1\xF5\xB1\xB8\r\nx");
  EXPECT_EQ(r, before);
}

}  // namespace
