// Officer texts shown as the game stores them (the traditional script):
// stored characters apart that the simplified script shows alike, typed
// characters Big5 has stored as typed, Big5 order in the list, and exports
// in either script. Big5 bytes are CP950's: 乾 B0AE, 干 A47A, 戈 A4E0,
// 王 A4FD, 張 B169, 後 ABE1, 后 A65A, 部 B3A1, 頭 C059, 髮 BE76, 淨 B262.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <sstream>

#include "core/document/OfficerListModel.h"
#include "core/editor/PanelSession.h"
#include "core/exchange/ExchangeExport.h"
#include "core/exchange/ExchangeFields.h"
#include "core/exchange/ExchangeImport.h"
#include "cli/Subcommands.h"
#include "support/DocumentFixture.h"

namespace {

constexpr auto kTraditional = OfficerTextScript::Traditional;
constexpr auto kSimplified = OfficerTextScript::Simplified;

class TraditionalScriptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<unsigned char> bytes = EmptyOfficerFile();
    const char* surnames[] = {"\xB0\xAE", "\xA4\x7A", "\xA4\xFD", "\xB1\x69", "\xAB\xE1", "\xA6\x5A"};
    for (std::size_t s = 0; s < 6; ++s) PutBytes(bytes, s, 81, surnames[s]);  // 乾 干 王 張 後 后
    WriteBytes(file, bytes);
    ASSERT_TRUE(doc.Open(Q(file)));
  }
  const OfficerField& Field(std::string_view key) { return *FindFieldByKey(key); }
  std::string Stored(int slot, std::string_view key) { return FieldText(doc.Record(slot), Field(key)); }
  // Shows the slot, puts the UTF-8 text into the field's box and confirms.
  void Type(int slot, std::string_view key, const char* utf8) {
    session.SelectSlot(slot);
    PanelValues panel = session.ShowCurrent();
    panel.texts.Of(Field(key)) = utf8;
    session.Confirm(panel);
  }
  TempDir dir;
  std::filesystem::path file = dir / "TPERSON.VMR";
  OfficerDocument doc;
  PanelSession session{doc};
};

TEST_F(TraditionalScriptTest, StoredCharactersShowApartAndAnUntouchedConfirmChangesNothing) {
  EXPECT_EQ(SlotNameUtf8(doc.Record(4), 4, NameUse::ListRow), "后 ");  // both 后 in simplified
  EXPECT_EQ(SlotNameUtf8(doc.Record(5), 5, NameUse::ListRow), "后 ");
  QSignalSpy switched(&doc, &OfficerDocument::textScriptChanged);
  doc.SetTextScript(kTraditional);
  doc.SetTextScript(kTraditional);
  EXPECT_EQ(switched.count(), 1);
  EXPECT_EQ(SlotNameUtf8(doc.Record(0), 0, NameUse::ListRow, kTraditional), "乾 ");
  EXPECT_EQ(SlotNameUtf8(doc.Record(1), 1, NameUse::ListRow, kTraditional), "干 ");
  EXPECT_EQ(SlotNameUtf8(doc.Record(4), 4, NameUse::ListRow, kTraditional), "後 ");
  EXPECT_EQ(SlotNameUtf8(doc.Record(5), 5, NameUse::ListRow, kTraditional), "后 ");
  EXPECT_EQ(SlotNameUtf8(doc.Record(6), 6, NameUse::ListRow, kTraditional), "新武將7");
  EXPECT_EQ(doc.NameOf(0), "650 乾");

  const std::vector<unsigned char> before = doc.CurrentHead();
  session.SelectSlot(4);
  const PanelValues panel = session.ShowCurrent();
  EXPECT_EQ(panel.texts.Of(Field("surname")), "後");
  session.Confirm(panel);
  EXPECT_EQ(doc.CurrentHead(), before);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(TraditionalScriptTest, TypedCharactersBig5HasStayAndOnlyWordsLackingOneAreConverted) {
  doc.SetTextScript(kTraditional);
  Type(1, "given_name", "干戈");
  EXPECT_EQ(Stored(1, "given_name"), "\xA4\x7A\xA4\xE0");  // 干戈, never 幹戈
  // 干部 is all Big5 and stays; 头发 lacks Big5 and becomes 頭髮 as a word;
  // in 干净 the word decides 乾淨.
  Type(1, "biography", "干部 头发 干净");
  EXPECT_EQ(Stored(1, "biography"), "\xA4\x7A\xB3\xA1 \xC0\x59\xBE\x76 \xB0\xAE\xB2\x62");
  // The untouched 乾 of slot 0 keeps its bytes beside a new 干, and so does
  // a stored code Big5 leaves undefined (A3F0, shown U+FFFD).
  Type(0, "surname", "乾干");
  EXPECT_EQ(Stored(0, "surname"), "\xB0\xAE\xA4\x7A");
  EXPECT_THROW(Type(0, "courtesy_name", "\xEF\xBF\xBD"), ImpossibleValue);  // a new one is refused
  OfficerRecord record = doc.Record(0);
  record.Zi.Write("\xA3\xF0");
  record.Story.Write("\xC3\xF6\n\xA6\xD0");  // 關 LF 羽, a line break without CR
  doc.ReplaceRecord(0, record);
  Type(0, "courtesy_name", "\xEF\xBF\xBD\xE5\xB9\xB2");  // U+FFFD 干
  EXPECT_EQ(Stored(0, "courtesy_name"), "\xA3\xF0\xA4\x7A");
  Type(0, "biography", "關\n羽干");
  EXPECT_EQ(Stored(0, "biography"), "\xC3\xF6\r\n\xA6\xD0\xA4\x7A");

  // Neither Big5 nor the table stores 晗: refused, nothing changes.
  const OfficerTable table = doc.Table();
  EXPECT_THROW(Type(1, "given_name", "晗"), ImpossibleValue);
  EXPECT_EQ(doc.Table(), table);
  // The panel shown before the switch is still read as traditional.
  session.SelectSlot(2);
  PanelValues panel = session.ShowCurrent();
  doc.SetTextScript(kSimplified);
  panel.texts.Of(Field("given_name")) = "干";
  session.Confirm(panel);
  EXPECT_EQ(Stored(2, "given_name"), "\xA4\x7A");
}

TEST_F(TraditionalScriptTest, NamesSortByBig5BytesInTheTraditionalScript) {
  OfficerListModel list(doc);
  ASSERT_EQ(list.SortBy(1).ascending, true);
  // GBK: 后 BAF3 (twice), 王 CDF5, 张 D5C5. Big5: 后 A65A, 王 A4FD, 後 ABE1, 張 B169.
  EXPECT_EQ(list.SortedSlots({3, 2, 4, 5}), (std::vector<int>{4, 5, 2, 3}));
  doc.SetTextScript(kTraditional);
  EXPECT_EQ(list.SortedSlots({3, 2, 4, 5}), (std::vector<int>{2, 5, 4, 3}));
}

TEST_F(TraditionalScriptTest, ExportsWriteEitherScriptAndImportsReadBoth) {
  const std::vector<unsigned char> head = doc.CurrentHead();
  const auto surnameOf = [](const ExchangeDocument& exported) {
    for (const ExchangeValue& value : exported.officers.at(0).values) {
      if (value.key == "surname") return value.text;
    }
    return std::string();
  };
  EXPECT_EQ(surnameOf(ExportDocument(head, {4})), "后");
  EXPECT_EQ(surnameOf(ExportDocument(head, {4}, kTraditional)), "後");
  const ExchangeDocument traditional = ExportDocument(head, {0, 1, 2, 3, 4, 5}, kTraditional);
  EXPECT_EQ(surnameOf(traditional), "乾");
  EXPECT_TRUE(DecideImport(traditional, head, true).changes.Empty());

  // 後干部 reads as traditional (後 shows 后 in simplified) and is stored as
  // written, not as 後幹部; a simplified 张 goes through the table.
  RecordBytes record = RecordAt(head, 1);
  EXPECT_FALSE(PutFieldValue(Field("biography"), "後干部", record));
  EXPECT_EQ(FieldText(DecodeRecord(record.data()), Field("biography")), "\xAB\xE1\xA4\x7A\xB3\xA1");
  EXPECT_FALSE(PutFieldValue(Field("surname"), "张", record));
  EXPECT_EQ(FieldText(DecodeRecord(record.data()), Field("surname")), "\xB1\x69");
}

TEST_F(TraditionalScriptTest, TheExportCommandWritesTheScriptAsked) {
  std::ostringstream out, err;
  const auto exported = [&](const QStringList& options) {
    const QString csv = Q(dir / "out.csv");
    const int code = RunCommand(QStringList{QStringLiteral("export"), Q(file), csv} + options, out, err);
    EXPECT_EQ(code, kExitOk) << err.str();
    return ReadBytes(dir / "out.csv");
  };
  const auto holds = [](const std::vector<unsigned char>& bytes, std::string_view text) {
    return std::string(bytes.begin(), bytes.end()).find(text) != std::string::npos;
  };
  const std::vector<unsigned char> simplified = exported({});
  EXPECT_TRUE(holds(simplified, "后") && holds(simplified, "张") && !holds(simplified, "後"));
  const std::vector<unsigned char> traditional = exported({QStringLiteral("--text"), QStringLiteral("traditional")});
  EXPECT_TRUE(holds(traditional, "後") && holds(traditional, "后") && holds(traditional, "張"));
  EXPECT_EQ(RunCommand({QStringLiteral("export"), Q(file), Q(dir / "x.csv"), QStringLiteral("--text"), QStringLiteral("big5")},
                       out, err),
            kExitError);
  EXPECT_FALSE(std::filesystem::exists(dir / "x.csv"));
}

}  // namespace
