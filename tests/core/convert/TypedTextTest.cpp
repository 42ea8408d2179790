// Typed Chinese stored as a reader expects: the words around a typed
// character choose its traditional form (OpenCC), characters left alone keep
// their bytes, and without OpenCC's data the table decides as before.
#include <gtest/gtest.h>

#include <QString>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/convert/PhraseConversion.h"
#include "core/convert/TypedText.h"
#include "support/IconvText.h"
#include "support/TempDir.h"

namespace {

const OfficerField& Field(std::string_view key) { return *FindFieldByKey(key); }

std::string Typed(const OfficerField& field, const char* utf8, const std::string& stored = {},
                  const PhraseConverter& phrases = ProgramPhrases()) {
  const TextDecision decision = DecideText(field, QString::fromUtf8(utf8), stored, phrases);
  EXPECT_FALSE(decision.problem) << utf8 << ": " << *decision.problem;
  return decision.bytes;
}

std::filesystem::path PhraseListPath() {
  const char* source = std::getenv("VELM_SOURCE_DIR");
  return std::filesystem::path(source ? source : VELM_CONFIGURED_SOURCE_DIR) / "tests" / "core" / "convert" /
         "GamePhrases.tsv";
}

// Phrase conversion read from another configuration, heard by the test.
class OtherPhraseData : public ::testing::Test {
 protected:
  void SetUp() override {
    SetPhraseConversionListener([this](const std::string& message) { told.push_back(message); });
  }
  void TearDown() override { SetPhraseConversionListener({}); }
  std::vector<std::string> told;
};

}  // namespace

TEST(TypedText, EveryPhraseOfTheGamesWorldIsStoredAsAReaderExpects) {
  std::ifstream list(PhraseListPath());
  ASSERT_TRUE(list) << PhraseListPath();
  std::string line, wrong;
  int phrases = 0;
  while (std::getline(list, line)) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t tab = line.find('\t');
    ASSERT_NE(tab, std::string::npos) << line;
    const std::string simplified = line.substr(0, tab), traditional = line.substr(tab + 1);
    const std::string expected = Iconv("CP950", "UTF-8", traditional);
    ASSERT_FALSE(expected.empty()) << traditional << " has no Big5 form";
    ++phrases;
    const TextDecision decision = DecideText(Field("biography"), QString::fromStdString(simplified), "");
    if (decision.bytes != expected) wrong += simplified + " → " + Iconv("UTF-8", "CP950", decision.bytes) + "\n";
  }
  EXPECT_GE(phrases, 300);
  EXPECT_EQ(wrong, "");
}

TEST(TypedText, TheWordsAroundChooseTheForm) {
  // 何 太 后 。 皇 后 。 頭 髮 乾 淨 。
  EXPECT_EQ(Typed(Field("biography"), "何太后。皇后。头发干净。"),
            "\xA6\xF3\xA4\xD3\xA6\x5A\xA1\x43\xAC\xD3\xA6\x5A\xA1\x43\xC0\x59\xBE\x76\xB0\xAE\xB2\x62\xA1\x43");
  // 後 when no word says otherwise; 雲 for a given name, 於 in running text.
  EXPECT_EQ(Typed(Field("biography"), "后于"), "\xAB\xE1\xA9\xF3");
  EXPECT_EQ(Typed(Field("given_name"), "云"), "\xB6\xB3");
}

TEST(TypedText, ASurnameKeepsItsNameFormUnlessAWordDecides) {
  EXPECT_EQ(Typed(Field("surname"), "于"), "\xA4\x5F");  // 于, not 於
  EXPECT_EQ(Typed(Field("surname"), "范"), "\xAD\x53");  // 范, not 範
  EXPECT_EQ(Typed(Field("surname"), "云"), "\xA4\xAA");  // 云, the table's name form
  EXPECT_EQ(Typed(Field("surname"), "后"), "\xAB\xE1");  // 後, as the table has it
}

TEST(TypedText, CharactersLeftAloneKeepTheirBytes) {
  // Stored 太後 (shown 太后): appending 。 changes only the new character's
  // bytes, although the words around would write 太后.
  const std::string stored = "\xA4\xD3\xAB\xE1";
  EXPECT_EQ(Typed(Field("biography"), "太后。", stored), stored + "\xA1\x43");
  // A changed character takes the form its new words choose: 太后 → 头发.
  EXPECT_EQ(Typed(Field("biography"), "头发", "\xA4\xD3\xAB\xE1"), "\xC0\x59\xBE\x76");
}

TEST(TypedText, TheStoredFormIsShownAlsoWhenRefused) {
  const TextDecision storable = DecideText(Field("biography"), QStringLiteral("头发干净"), "");
  EXPECT_EQ(storable.stored, QStringLiteral("頭髮乾淨"));
  // 晗 has no Big5 form: it stands as typed, marked; nothing is stored.
  const TextDecision refused = DecideText(Field("given_name"), QStringLiteral("刘晗"), "");
  EXPECT_EQ(refused.stored, QStringLiteral("劉【晗】"));
  EXPECT_EQ(refused.bytes, "");
  ASSERT_TRUE(refused.problem);
  EXPECT_EQ(*refused.problem, "无法以繁体中文(Big5)保存的字：晗");
  // Too long for a name (6 bytes, 4 allowed): shown, refused.
  const TextDecision tooLong = DecideText(Field("given_name"), QStringLiteral("赵子龙"), "");
  EXPECT_EQ(tooLong.stored, QStringLiteral("趙子龍"));
  EXPECT_EQ(tooLong.bytes, "");
  EXPECT_TRUE(tooLong.problem);
}

TEST(TypedText, ACharacterRefusedOnceDoesNotRefuseTheNextText) {
  EXPECT_TRUE(DecideText(Field("biography"), QString::fromUtf8("\xF0\x9F\x98\x80"), "").problem);  // an emoji
  // Big5 lacks OpenCC's 坂: the table's 阪.
  EXPECT_EQ(Typed(Field("biography"), "坂"), "\xA8\xC1");
  EXPECT_EQ(Typed(Field("biography"), "征南"), "\xA9\xBA\xAB\x6E");  // 征南, not 徵南
}

TEST_F(OtherPhraseData, MissingDataLeavesTypedTextToTheTableAndIsToldOnce) {
  const PhraseConverter missing("/nonexistent/opencc/s2tw.json");
  EXPECT_EQ(Typed(Field("biography"), "何太后", {}, missing), "\xA6\xF3\xA4\xD3\xAB\xE1");  // 何太後, the table's
  EXPECT_EQ(Typed(Field("biography"), "头发", {}, missing), "\xC0\x59\xB5\x6F");           // 頭發
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find("/nonexistent/opencc/s2tw.json"), std::string::npos) << told[0];
  EXPECT_TRUE(missing.Off());
  EXPECT_EQ(told.size(), 1u);
  // The program's own converter is not touched.
  EXPECT_EQ(Typed(Field("biography"), "头发"), "\xC0\x59\xBE\x76");  // 頭髮
  EXPECT_FALSE(ProgramPhrases().Off());
}

TEST_F(OtherPhraseData, DamagedDataIsToldAndStopsNothing) {
  TempDir dir;
  std::ofstream(dir / "s2tw.json") << R"({"name": "x", "conversion_chain": [{"dict": {"type": "ocd2", "file": "gone.ocd2"}}]})";
  const PhraseConverter damaged((dir / "s2tw.json").string());
  EXPECT_EQ(Typed(Field("biography"), "干净", {}, damaged), "\xB7\x46\xB2\x62");  // 幹淨, the table's
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find("无法读取"), std::string::npos) << told[0];
  // The usual data: phrases, and nothing more is told.
  EXPECT_EQ(Typed(Field("biography"), "干净"), "\xB0\xAE\xB2\x62");  // 乾淨
  EXPECT_EQ(told.size(), 1u);
}

TEST(TypedText, AStoredTextMayShrinkButNotGrow) {
  EXPECT_EQ(EditedTextByteLimit(150, 151, 152), 151u);
  EXPECT_EQ(EditedTextByteLimit(150, 153, 152), 152u);  // the terminator always fits
  // A biography stored with 151 bytes, beyond the 150 a player may type.
  const std::string stored(151, 'x');
  EXPECT_EQ(Typed(Field("biography"), std::string(151, 'y').c_str(), stored), std::string(151, 'y'));
  const TextDecision longer = DecideText(Field("biography"), QString(152, u'y'), stored);
  EXPECT_EQ(longer.bytes, "");
  EXPECT_EQ(longer.problem, "太长：152 字节，最多 151 字节");
  // A name holding five bytes (no terminator) may only become four.
  EXPECT_EQ(DecideText(Field("surname"), QStringLiteral("abcde"), "vwxyz").problem, "太长：5 字节，最多 4 字节");
}

TEST(TypedText, AQuestionMarkNotThereBeforeIsALostCharacter) {
  const std::string lost = "“?”像是丢失的字（表格程序保存时可能没有选择 UTF-8）";
  // In a name one is enough; one already shown stays allowed.
  EXPECT_EQ(DecideText(Field("given_name"), QStringLiteral("a?"), "").problem, lost);
  EXPECT_EQ(Typed(Field("given_name"), "b?", "a?"), "b?");
  // In running text two together; a single "?" is a question.
  EXPECT_EQ(DecideText(Field("biography"), QStringLiteral("何人??"), "").problem, lost);
  EXPECT_EQ(Typed(Field("biography"), "何?"), "\xA6\xF3?");
  EXPECT_EQ(Typed(Field("biography"), "x??", "??"), "x??");
}
