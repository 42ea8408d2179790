// 文件 → 导出武将… / 导入武将… in the window: the preview lists every change,
// 应用 puts them into the table as unsaved changes, 取消 and bad files change
// nothing, and the file on disk changes only on save.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTableWidget>

#include "core/document/OfficerDocument.h"
#include "core/exchange/ExchangeFile.h"
#include "gui/exchange/ImportPreviewDialog.h"
#include "support/MainWindowControls.h"
#include "support/MainWindowHarness.h"
#include "support/OfficerBytes.h"
#include "support/PathText.h"

namespace {

class ExchangeMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PutU16(bytes, 4, 24, 60);          // war of slot 4
    PutBytes(bytes, 4, 81, "\xB1\x69");  // 張
    PutBytes(bytes, 4, 53, "\x11\x22");  // preserved bytes the window never writes
    WriteBytes(file, bytes);
    harness.Window().OpenOfficerFile(Q(file));
  }

  void WriteText(const std::filesystem::path& path, const std::string& text) {
    WriteBytes(path, std::vector<unsigned char>(text.begin(), text.end()));
  }

  TempDir dir;
  std::filesystem::path file = dir / "TPERSON.VMR";
  std::vector<unsigned char> bytes = EmptyOfficerFile();
  MainWindowHarness harness;
};

TEST_F(ExchangeMenuTest, PreviewListsTheChangesAndApplyMakesThemUnsavedEdits) {
  const std::filesystem::path in = dir / "in.json";
  // Raw bytes that differ from the file's preserved bytes are not applied by the window.
  WriteText(in, R"({"format": "velmedit-officers", "version": 1, "officers": [
      {"slot": 4, "war": 88, "surname": "关", "raw": {"bytes53": "0000000000000000000000"}}]})");
  harness.openAnswers.push_back(Q(in));
  std::vector<QStringList> rows;
  harness.modalAnswer = [&](QDialog* dialog) {
    auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("Table_Changes"));
    for (int r = 0; table && r < table->rowCount(); ++r) {
      rows.push_back({table->item(r, 0)->text(), table->item(r, 1)->text(), table->item(r, 2)->text(), table->item(r, 3)->text(),
                      table->item(r, 4)->text()});
    }
    return static_cast<int>(QDialog::Accepted);
  };
  Action(harness.Window(), "Menu_Import")->trigger();

  ASSERT_TRUE(harness.messages.empty()) << harness.messages[0].text.toStdString();
  // Named as the window names them: the officer as the list shows it, the
  // field by its label; a text also as the game will show it.
  EXPECT_EQ(rows, (std::vector<QStringList>{
                      {QStringLiteral("654 关"), QStringLiteral("姓"), QStringLiteral("张"), QStringLiteral("关"), QStringLiteral("關")},
                      {QStringLiteral("654 关"), QStringLiteral("武力"), QStringLiteral("60"), QStringLiteral("88"), QString()}}));
  const OfficerDocument& document = harness.Window().Document();
  EXPECT_EQ(document.Table()[4].Wuli, 88);
  EXPECT_EQ(document.Table()[4].Xing.Text(), "\xC3\xF6");  // 關
  EXPECT_TRUE(document.IsModified());
  EXPECT_EQ(ReadBytes(file), bytes);
}

TEST_F(ExchangeMenuTest, CancelAndBadFilesChangeNothing) {
  const std::filesystem::path in = dir / "in.csv";
  WriteText(in, "format,version,slot,war\nvelmedit-officers,1,4,88\n");
  harness.openAnswers.push_back(Q(in));
  harness.modalAnswer = [](QDialog*) { return static_cast<int>(QDialog::Rejected); };
  const OfficerTable before = harness.Window().Document().Table();
  Action(harness.Window(), "Menu_Import")->trigger();
  EXPECT_EQ(harness.modalDialogs, 1);
  EXPECT_EQ(harness.Window().Document().Table(), before);
  EXPECT_FALSE(harness.Window().Document().IsModified());

  WriteText(in, "format,version,slot,war\nvelmedit-officers,1,4,70000\n");
  harness.openAnswers.push_back(Q(in));
  Action(harness.Window(), "Menu_Import")->trigger();
  EXPECT_EQ(harness.modalDialogs, 1);  // no preview for a refused file
  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_EQ(harness.messages[0].kind, seam::MessageKind::Error);
  EXPECT_TRUE(harness.messages[0].text.contains(QStringLiteral("第 2 行第 4 列，编号 654，武力（war）：70000 超出范围 0–65535")))
      << harness.messages[0].text.toStdString();
  EXPECT_EQ(harness.Window().Document().Table(), before);
}

TEST_F(ExchangeMenuTest, AnEncodingThatIsNotCertainIsAskedAndShownInThePreview) {
  const std::filesystem::path in = dir / "in.csv";
  // 雷鸣 in UTF-8 (E9 9B B7 E9 B8 A3) also reads as three Chinese characters in GBK.
  WriteText(in, "format,version,slot,given_name\nvelmedit-officers,1,4,雷鸣\n");
  QString summary;
  harness.modalAnswer = [&](QDialog* dialog) {
    summary = dialog->findChild<QLabel*>(QStringLiteral("Label_Summary"))->text();
    return static_cast<int>(QDialog::Rejected);
  };
  for (const int answer : {2, 0}) {  // 取消, then UTF-8
    harness.questionAnswer = [&](const QStringList& buttons) {
      EXPECT_EQ(buttons, (QStringList{QStringLiteral("UTF-8"), QStringLiteral("GBK"), QStringLiteral("取消")}));
      return answer;
    };
    harness.openAnswers.push_back(Q(in));
    Action(harness.Window(), "Menu_Import")->trigger();
  }
  ASSERT_EQ(harness.questions.size(), 2u);
  EXPECT_TRUE(harness.questions[0].contains(QStringLiteral("不能确定文件的编码")));
  EXPECT_EQ(harness.modalDialogs, 1);  // no preview after 取消
  EXPECT_TRUE(summary.startsWith(QStringLiteral("按 UTF-8 编码读取（已确认）\n"))) << summary.toStdString();
  EXPECT_FALSE(harness.Window().Document().IsModified());
}

TEST_F(ExchangeMenuTest, ExportWritesTheTableWithItsUnsavedChanges) {
  OfficerRecord edited = harness.Window().Document().Table()[7];
  edited.Meili = 99;
  harness.Window().Document().ReplaceRecord(7, edited);
  const std::filesystem::path out = dir / "out.csv";
  seam::SetSaveFileHook([&](const QString&) { return Q(out); });
  Action(harness.Window(), "Menu_Export")->trigger();
  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_EQ(harness.messages[0].text, QStringLiteral("已导出 110 位武将"));

  const ExchangeReadResult read = ReadExchangeFile(Q(out), ExchangeFormat::Csv);
  ASSERT_TRUE(read.Ok());
  ASSERT_EQ(read.document.officers.size(), kSlotCount);
  const ExchangeValue& charm = read.document.officers[7].values[10];
  EXPECT_EQ(charm.key + "=" + charm.text, "charm=99");
}

}  // namespace
