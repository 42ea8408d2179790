// Import of edited and partial exchange files: exactly the named changes,
// and refusals that name the slot, the field and where in the file.
#include <gtest/gtest.h>

#include "core/convert/Jislib.h"
#include "core/exchange/ExchangeExport.h"
#include "core/exchange/ExchangeFile.h"
#include "core/exchange/ExchangeImport.h"
#include "support/DemoOfficerFile.h"
#include "support/OfficerBytes.h"

namespace {

std::string ReplaceOnce(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

class ExchangeImportTest : public ::testing::Test {
 protected:
  void SetUp() override { LoadConversionTable(); }

  ImportDecision Import(const std::string& text, ExchangeFormat format, const std::vector<unsigned char>& target) {
    const ExchangeReadResult read = ReadExchangeBytes(QByteArray::fromStdString(text), format);
    if (!read.Ok()) return ImportDecision{read.errors, {}, {}};
    return DecideImport(read.document, target);
  }

  static std::vector<std::string> Lines(const ImportDecision& decision) {
    std::vector<std::string> lines;
    const OfficerTable after = TableOfHead(decision.changes.after);
    for (const FieldChange& change : decision.changes.changes) lines.push_back(FormatChange(change, after));
    return lines;
  }

  static std::string Errors(const ImportDecision& decision) {
    std::string all;
    for (const ExchangeError& error : decision.errors) all += FormatExchangeError(error) + "\n";
    return all;
  }

  std::vector<unsigned char> demo = DemoOfficerFile();
};

TEST_F(ExchangeImportTest, SpreadsheetEditsChangeExactlyThoseFields) {
  std::string csv = WriteExchangeBytes(ExportDocument(demo), ExchangeFormat::Csv).toStdString();
  csv = ReplaceOnce(csv, "\"雷\",\"鸣远\"", "\"李\",\"鸣远\"");  // slot 0's surname
  csv = ReplaceOnce(csv, "\"767\",\"84\"", "\"767\",\"97\"");    // slot 0's leadership
  // Slot 2's row deleted: its slot stays as the file has it.
  const std::size_t row = csv.find("\"velmedit-officers\",\"1\",\"2\",");
  csv.erase(row, csv.find("\"velmedit-officers\"", row + 1) - row);
  auto target = demo;
  PutU16(target, 2, 22, 5);  // differs from the export, but its row is gone

  const ImportDecision decision = Import(csv, ExchangeFormat::Csv, target);
  ASSERT_TRUE(decision.Accepted()) << Errors(decision);
  EXPECT_EQ(Lines(decision), (std::vector<std::string>{"650 李鸣远，姓：\"雷\" → \"李\"", "650 李鸣远，统率：84 → 97"}));
  // The new surname in Big5 (李 A7F5), the given name's bytes untouched.
  EXPECT_EQ(decision.changes.after[RecordOffset(0) + 81], 0xA7);
  EXPECT_EQ(decision.changes.after[RecordOffset(0) + 82], 0xF5);
  EXPECT_EQ(decision.changes.ChangedSlots(), std::vector<int>{0});
}

TEST_F(ExchangeImportTest, PartialHandWrittenFilesNameSomeSlotsAndFields) {
  // No byte order mark, no quotes, LF line breaks, the number instead of the slot.
  const std::string csv =
      "format,version,number,war,type,father,skills,biography\n"
      "velmedit-officers,1,651,77,将军,公孙瓒,突击 医者,\"一行\n二行\"\n";
  const ImportDecision decision = Import(csv, ExchangeFormat::Csv, demo);
  ASSERT_TRUE(decision.Accepted()) << Errors(decision);
  // Type 4 is already 将军: no line for it.
  EXPECT_EQ(Lines(decision), (std::vector<std::string>{
                                 "651 苏绮，列传：\"雷鸣远之妻，通晓兵法。\\r\\n守城三月，粮尽而城不陷。\" → \"一行\\r\\n二行\"",
                                 "651 苏绮，武力：58 → 77",
                                 "651 苏绮，父亲：无 → 176 公孙瓒",
                                 "651 苏绮，特技：镇静 回复 螺旋 名士 医者 → 突击 医者",
                             }));
}

TEST_F(ExchangeImportTest, JsonAcceptsEitherIndexOrItemAndNumberOrName) {
  const std::string json = R"({"format": "velmedit-officers", "version": 1, "officers": [
      {"slot": 5, "type": {"item": "策士"}, "belief": 2, "mother": {"number": 770}, "enemy": "吕布",
       "spouse": null, "skills": ["论破", "仙人"]}]})";
  const ImportDecision decision = Import(json, ExchangeFormat::Json, EmptyOfficerFile());
  ASSERT_TRUE(decision.Accepted()) << Errors(decision);
  const auto& after = decision.changes.after;
  EXPECT_EQ(after[RecordOffset(5) + 71], 3);
  EXPECT_EQ(after[RecordOffset(5) + 70], 2);
  EXPECT_EQ(after[RecordOffset(5) + 4] | after[RecordOffset(5) + 5] << 8, 770);
  EXPECT_EQ(after[RecordOffset(5) + 12] | after[RecordOffset(5) + 13] << 8, 640);
  EXPECT_EQ(after[RecordOffset(5) + 6] | after[RecordOffset(5) + 7] << 8, 0xFFFF);
  EXPECT_EQ(after[RecordOffset(5) + 51], 0x01);  // 论破: byte 4, mask 0x01
  EXPECT_EQ(after[RecordOffset(5) + 52], 0x02);  // 仙人: byte 5, mask 0x02
}

// The bounds of each value are pinned one by one through `velmedit import`;
// here the errors of several rows are all reported, in one pass.
TEST_F(ExchangeImportTest, EveryErrorIsReportedWithItsPlaceAndNothingIsDecided) {
  const std::string csv =
      "format,version,slot,surname,gender,skills\n"
      "velmedit-officers,1,0,张飞关,男,突击\n"
      "velmedit-officers,1,1,张,人妖,飞天\n";
  const ImportDecision decision = Import(csv, ExchangeFormat::Csv, demo);
  ASSERT_FALSE(decision.Accepted());
  EXPECT_TRUE(decision.changes.after.empty());
  EXPECT_EQ(Errors(decision),
            "第 2 行第 4 列，编号 650，姓（surname）：太长：6 字节，最多 4 字节\n"
            "第 3 行第 5 列，编号 651，性别（gender）：不是可选的项目：“人妖”；可选：0 男、1 女\n"
            "第 3 行第 6 列，编号 651，特技（skills）：没有这个特技：飞天\n");
}

TEST_F(ExchangeImportTest, RawBytesMustHaveTheirFieldsLength) {
  const std::string json = R"({"format": "velmedit-officers", "version": 1, "raw": {"header": "0102"},
      "officers": [{"slot": 3, "surname": "", "raw": {"surname": "00", "what": "00"}}]})";
  const std::string errors = Errors(Import(json, ExchangeFormat::Json, demo));
  EXPECT_NE(errors.find("raw.header：文件头应为 4 字节"), std::string::npos) << errors;
  EXPECT_NE(errors.find("姓（raw.surname）：长度不对：1 字节，应为 5 字节"), std::string::npos) << errors;
  EXPECT_NE(errors.find("raw.what：未知的原始数据"), std::string::npos) << errors;
}

// The rows after the 111th are not read: a broken quote among them would
// be the refusal otherwise. JSON is parsed whole, but no officer is read: a
// slot out of range among them would be a second error.
TEST_F(ExchangeImportTest, TenThousandRowsAreRefusedWithoutReadingThemAll) {
  std::string csv = "format,version,slot\n";
  for (int i = 0; i < 10000; ++i) csv += "velmedit-officers,1," + std::string(i == 5000 ? "\"0\"x" : "0") + "\n";
  const ImportDecision decision = Import(csv, ExchangeFormat::Csv, demo);
  ASSERT_EQ(decision.errors.size(), 1u);
  EXPECT_EQ(decision.errors[0].message, "行太多：新武将档只有 110 个槽，文件却超过 110 行武将");

  std::string json = R"({"format": "velmedit-officers", "version": 1, "officers": [)";
  for (int i = 0; i < 10000; ++i) json += std::string(i ? "," : "") + "{\"slot\": " + (i < 200 ? "0" : "-1") + "}";
  const ImportDecision many = Import(json + "]}", ExchangeFormat::Json, demo);
  ASSERT_EQ(many.errors.size(), 1u);
  EXPECT_EQ(many.errors[0].message, "武将太多：10000 位，新武将档只有 110 个槽");
}

}  // namespace
