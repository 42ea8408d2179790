// Storing edited texts: untouched characters keep their stored bytes, new
// ones are converted, and characters Big5 cannot hold are reported.
#include <gtest/gtest.h>

#include <string>

#include "core/convert/EditedText.h"
#include "core/convert/Jislib.h"

namespace {

// Big5: 機 BE F7, 體 C5 E9, 萬 B8 55, 與 BB 50, 後 AB E1, 趙 BB AF, 雲 B6 B3,
// 傢 B3 C3, 劉 BC 42, ‾ A1 C2 (shown as "??"), 。 A1 43, 禕 E2 FC.
const std::string kBig5Story = "\xBE\xF7\xC5\xE9\xB8\x55\xBB\x50\xAB\xE1";
const std::string kBig5ZhaoYun = "\xBB\xAF\xB6\xB3";
// GBK: 。 A1 A3, 刘 C1 F5, 禕 B6 42, 晗 EA CF, 家 BC D2.
const std::string kGbkFullStop = "\xA1\xA3";
const std::string kGbkLiu = "\xC1\xF5";
const std::string kGbkYi = "\xB6\x42";
const std::string kGbkHan = "\xEA\xCF";

// Stores `edited` as the new form of the text that storedBig5 shows.
EditedTextResult Store(const std::string& storedBig5, const std::string& edited) {
  return StoreEditedText(Big5ToGbk(storedBig5), storedBig5, edited);
}

// Stores the shown text unchanged.
EditedTextResult Edit(const std::string& storedBig5) { return Store(storedBig5, Big5ToGbk(storedBig5)); }

}  // namespace

TEST(EditedTextKeepsUntouchedCharacters, AppendingAFullStopAddsOnlyItsBytes) {
  // Converted back as a whole, 機體萬與後 would come back through 机体万与后.
  const std::string shown = Big5ToGbk(kBig5Story);
  const EditedTextResult result = Store(kBig5Story, shown + kGbkFullStop);
  ASSERT_TRUE(result.Storable());
  EXPECT_EQ(result.big5, kBig5Story + "\xA1\x43");
}

TEST(EditedTextKeepsUntouchedCharacters, AnUnchangedTextGivesItsStoredBytes) {
  const std::string houseAndOdd = "\xB3\xC3" "A\xA1\xC2";  // 傢, "A", ‾ (shown "??")
  EXPECT_EQ(Edit(houseAndOdd).big5, houseAndOdd);
  EXPECT_EQ(Edit(kBig5Story).big5, kBig5Story);
  EXPECT_EQ(Edit("").big5, "");
}

TEST(EditedTextKeepsUntouchedCharacters, OnlyTheChangedCharacterIsConverted) {
  // 赵云 -> 刘云: 雲 stays 雲, although a typed 云 is stored as 云 (A4 AA).
  const std::string shown = Big5ToGbk(kBig5ZhaoYun);
  EXPECT_EQ(Store(kBig5ZhaoYun, kGbkLiu + shown.substr(2)).big5, "\xBC\x42\xB6\xB3");
  // Deleting and inserting around kept characters.
  EXPECT_EQ(Store(kBig5ZhaoYun, shown.substr(2) + "X").big5, "\xB6\xB3X");
  EXPECT_EQ(Store(kBig5Story, Big5ToGbk(kBig5Story).substr(4)).big5, kBig5Story.substr(4));
}

TEST(EditedTextKeepsUntouchedCharacters, ACharacterShownAsTwoQuestionMarksIsKeptOnlyWhole) {
  const std::string stored = "\xA1\xC2\xB6\xB3";  // ‾ 雲, shown "??云"
  const std::string shown = Big5ToGbk(stored);
  ASSERT_EQ(shown.substr(0, 2), "??");
  EXPECT_EQ(Store(stored, shown + "!").big5, stored + "!");
  // With one question mark deleted, the other one is a typed "?".
  EXPECT_EQ(Store(stored, shown.substr(1)).big5, "?\xB6\xB3");
}

TEST(EditedTextKeepsUntouchedCharacters, StoredBytesThatDoNotShowTheShownTextAreNotReused) {
  // The shown text is not what the stored bytes show: every character is
  // converted as typed.
  const std::string shown = Big5ToGbk(kBig5ZhaoYun);
  const EditedTextResult result = StoreEditedText(shown, kBig5Story, shown);
  ASSERT_TRUE(result.Storable());
  EXPECT_EQ(result.big5, "\xBB\xAF\xA4\xAA");  // 趙云: the typed 云 as the table stores it
}

TEST(EditedTextKeepsUntouchedCharacters, AnOddLeadByteAtTheEndIsKeptWhenUntouched) {
  const std::string stored = "\xBC\x42\xA4";  // 劉 and a lone lead byte
  EXPECT_EQ(Edit(stored).big5, stored);
  EXPECT_EQ(Store(stored, "X" + Big5ToGbk(stored)).big5, "X" + stored);
}

TEST(EditedTextNewCharacters, GbkBeyondGb2312IsStoredAsItsBig5Code) {
  const EditedTextResult result = Store("", kGbkYi);
  ASSERT_TRUE(result.Storable());
  EXPECT_EQ(result.big5, "\xE2\xFC");
}

TEST(EditedTextNewCharacters, ACharacterBig5LacksIsReportedAndNothingIsGiven) {
  const EditedTextResult result = Store(kBig5ZhaoYun, kGbkHan + kGbkLiu + kGbkHan + "\x80");
  EXPECT_FALSE(result.Storable());
  EXPECT_EQ(result.big5, "");
  // 晗 once, and the lone GBK byte 0x80 (the euro sign), which Big5 lacks too.
  EXPECT_EQ(result.unstorable, (std::vector<std::string>{kGbkHan, "\x80"}));
  EXPECT_EQ(JoinCharacters(result.unstorable), kGbkHan + "\x80");
  // Every character stays in the pieces, the refused ones as typed.
  ASSERT_EQ(result.pieces.size(), 4u);
  EXPECT_TRUE(result.pieces[0].refused && result.pieces[2].refused && result.pieces[3].refused);
  EXPECT_EQ(result.pieces[0].bytes, kGbkHan);
  EXPECT_EQ(result.pieces[1].bytes, "\xBC\x42");
  EXPECT_FALSE(result.pieces[1].refused);
}

TEST(EditedTextNewCharacters, AChosenFormIsStoredForNewCharactersOnly) {
  // Stored 趙雲, edited 刘云云: 雲 stays, 刘 takes the table's 劉, the new 云
  // its chosen form (here 后, A6 5A, standing for any choice).
  const std::string shown = Big5ToGbk(kBig5ZhaoYun);
  const std::vector<std::string> chosen = {"", "\xA6\x5A", "\xA6\x5A"};
  const EditedTextResult result = StoreEditedText(shown, kBig5ZhaoYun, kGbkLiu + shown.substr(2) + shown.substr(2), chosen);
  EXPECT_EQ(result.big5, "\xBC\x42\xB6\xB3\xA6\x5A");
  ASSERT_EQ(result.pieces.size(), 3u);
  EXPECT_EQ(result.pieces[1].bytes, "\xB6\xB3");
  EXPECT_FALSE(result.pieces[2].refused);
}
