// The two Japanese-to-Chinese buttons on the real main window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <vector>

#include "core/convert/GbkText.h"
#include "core/convert/Jislib.h"
#include "core/convert/ShiftJisSamples.h"
#include "core/editor/PanelSession.h"
#include "gui/list/ListWindowFixture.h"

namespace {

// Guan Yu (関羽, reading かんう) has the courtesy name 雲長 and a biography,
// all in Shift-JIS.
const std::string kSjisZi = "\x89\x5F\x92\xB7";
const std::string kSjisStory = "\x8A\xD6\x89\x48\x82\xA0\r\n\x8A\x77";
// What the converter makes of the courtesy name in Big5: 雲長.
const std::string kBig5Zi = "\xB6\xB3\xAA\xF8";

constexpr std::size_t kGuanYu = 0;  // roster number 650
constexpr std::size_t kEmpty = 1;   // 651, no texts at all
constexpr std::size_t kLiuBei = 2;  // 652, already Big5, biography in GBK

class ConversionCommandsTest : public ListWindowFixture {
 protected:
  void SetUp() override {
    OfficerTable table{};
    OfficerRecord& guan = table[kGuanYu];
    SetFieldBytes(guan.Xing, kSjisGuan);
    SetFieldBytes(guan.Ming, kSjisYu);
    SetFieldBytes(guan.Zi, kSjisZi);
    SetFieldBytes(guan.Yin, kSjisReading);
    SetFieldBytes(guan.Story, kSjisStory);
    guan.Tongshuai = 95;
    guan.Wuli = 97;
    guan.Zhili = 75;
    guan.Zhengzhi = 62;
    guan.Meili = 93;
    guan.Face = 5;

    OfficerRecord& liu = table[kLiuBei];
    SetFieldBytes(liu.Xing, "\xBC\x42");         // 劉
    SetFieldBytes(liu.Ming, "\xB3\xC6");         // 備
    SetFieldBytes(liu.Story, "\xC1\xF5\xB1\xB8");  // 刘备, GBK
    SetFieldBytes(liu.Yin, "liu bei");
    liu.Tongshuai = 80;
    Load(table);
    loaded = Window().Document().Table();
  }

  std::vector<QStringList> RowTexts() {
    std::vector<QStringList> rows;
    QTreeWidget* list = OfficerList(Window());
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      QStringList texts;
      for (int c = 0; c < list->columnCount(); ++c) texts << list->topLevelItem(i)->text(c);
      rows.push_back(texts);
    }
    return rows;
  }
  void ExpectRosterEntry(std::size_t slot, const QString& name) {
    for (QComboBox* picker : RelationshipPickers(Window())) {
      EXPECT_EQ(picker->itemText(static_cast<int>(slot) + kFirstNewOfficer), name) << picker->objectName().toStdString();
    }
  }
  // Panel texts as GBK bytes.
  ShownTextSet PanelTexts() {
    TForm_Main& w = Window();
    ShownTextSet texts;
    for (const char* name : {"Edit_Xing", "Edit_Ming", "Edit_Zi"}) {
      texts.Of(FieldByControl(name)) = ToGbk(Find<GbkLineEdit>(w, name)->text());
    }
    texts.Of(FieldByControl("Memo_Story")) = Find<GbkMemo>(w, "Memo_Story")->Bytes();
    return texts;
  }
  void ExpectGuanYuConverted(const std::string& big5Story) {
    const OfficerRecord& r = Window().Document().Table()[kGuanYu];
    EXPECT_EQ(r.Xing.Text(), kBig5Guan);
    EXPECT_EQ(r.Ming.Text(), kBig5Yu);
    EXPECT_EQ(r.Zi.Text(), kBig5Zi);
    EXPECT_EQ(r.Story.Text(), big5Story);
    EXPECT_EQ(r.Yin.Text(), kSjisReading);
    OfficerRecord rest = r;  // every other field as loaded
    rest.Xing = loaded[kGuanYu].Xing;
    rest.Ming = loaded[kGuanYu].Ming;
    rest.Zi = loaded[kGuanYu].Zi;
    rest.Story = loaded[kGuanYu].Story;
    EXPECT_EQ(rest, loaded[kGuanYu]);
  }
  // The panel shows Guan Yu's converted names and biography and takes them
  // as last shown.
  void ExpectPanelShowsGuanYuConverted() {
    TForm_Main& w = Window();
    EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Xing")->text(), QStringLiteral("关"));
    EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Ming")->text(), QStringLiteral("羽"));
    EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Zi")->text(), QStringLiteral("云长"));
    EXPECT_EQ(Find<GbkMemo>(w, "Memo_Story")->Bytes(), Big5ToGbk(w.Document().Table()[kGuanYu].Story.Text()));
    EXPECT_TRUE(w.Session().ShownTexts() == PanelTexts());
  }
  // `told` messages (the all-officers command's count) and nothing else.
  void ExpectNothingAskedOrWritten(std::size_t told = 0) {
    EXPECT_EQ(harness.messages.size(), told);
    EXPECT_EQ(harness.modalDialogs, 0);
    EXPECT_EQ(harness.openDialogs, 0);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "TPERSON.VMR.bak"));
  }

  OfficerTable loaded{};
};

TEST_F(ConversionCommandsTest, ThisOfficerConvertsAndShowsTheConvertedTexts) {
  TForm_Main& w = Window();
  Choose(kGuanYu);
  Find<QPushButton>(w, "Button1")->click();

  ExpectGuanYuConverted(ShiftJisToBig5(kSjisStory));
  ExpectPanelShowsGuanYuConverted();
  EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Yin")->text(), FromGbk(kSjisReading));
  ExpectNothingAskedOrWritten();

  // The panel now shows what the table holds: confirming keeps the bytes.
  const OfficerRecord converted = w.Document().Table()[kGuanYu];
  Find<QPushButton>(w, "Btn_MConfirm")->click();
  EXPECT_EQ(w.Document().Table()[kGuanYu].Xing, converted.Xing);
  EXPECT_EQ(w.Document().Table()[kGuanYu].Zi, converted.Zi);
  EXPECT_EQ(w.Document().Table()[kGuanYu].Story, converted.Story);
}

TEST_F(ConversionCommandsTest, ThisOfficerWithoutASelectedRowRenamesOnlyItsOwnRow) {
  TForm_Main& w = Window();
  ASSERT_EQ(SelectedRow(w), nullptr);
  ASSERT_EQ(w.Session().CurrentSlot(), kGuanYu);
  std::vector<QStringList> rowsExpected = RowTexts();
  rowsExpected[kGuanYu][1] = QStringLiteral("关羽 云长");
  Find<QPushButton>(w, "Button1")->click();

  ExpectGuanYuConverted(ShiftJisToBig5(kSjisStory));
  ExpectPanelShowsGuanYuConverted();
  ExpectRosterEntry(kGuanYu, QStringLiteral("关羽"));
  EXPECT_EQ(RowTexts(), rowsExpected);
  ExpectNothingAskedOrWritten();
}

TEST_F(ConversionCommandsTest, AnEmptySlotKeepsItsPlaceholderName) {
  TForm_Main& w = Window();
  Choose(kEmpty);
  Find<QPushButton>(w, "Button1")->click();
  EXPECT_EQ(w.Document().Table()[kEmpty], loaded[kEmpty]);
  ExpectRosterEntry(kEmpty, QStringLiteral("新武将2"));
  EXPECT_EQ(Row(kEmpty)->text(1), QStringLiteral("新武将2"));
  EXPECT_FALSE(w.isWindowModified());  // no step taken
}

TEST_F(ConversionCommandsTest, AllOfficersWithoutASelectedRowStillShowsTheCurrentSlotAnew) {
  TForm_Main& w = Window();
  Choose(kGuanYu);
  OfficerList(w)->clearSelection();
  ASSERT_EQ(SelectedRow(w), nullptr);

  Find<QPushButton>(w, "Button2")->click();

  // Japanese names and biography converted, Chinese texts left as they are.
  ExpectGuanYuConverted(ShiftJisToBig5(kSjisStory));
  EXPECT_EQ(w.Document().Table()[kLiuBei].Story, loaded[kLiuBei].Story);  // valid Big5: kept byte for byte
  EXPECT_EQ(w.Document().Table()[kLiuBei].Yin.Text(), "liu bei");
  EXPECT_EQ(w.Document().Table()[kEmpty], loaded[kEmpty]);

  ExpectRosterEntry(kGuanYu, QStringLiteral("关羽"));
  EXPECT_EQ(Row(kGuanYu)->text(1), QStringLiteral("关羽 云长"));
  EXPECT_EQ(Row(kLiuBei)->text(2), QStringLiteral("80"));
  ExpectPanelShowsGuanYuConverted();
  ExpectNothingAskedOrWritten(1);
  EXPECT_EQ(harness.messages[0].text, QStringLiteral("已将1名武将的日文转换为中文，1名武将已是中文。"));

  // A second click changes nothing.
  const OfficerTable once = w.Document().Table();
  Find<QPushButton>(w, "Button2")->click();
  EXPECT_EQ(w.Document().Table(), once);
  EXPECT_EQ(harness.messages.back().text, QStringLiteral("已将0名武将的日文转换为中文，2名武将已是中文。"));
}

TEST_F(ConversionCommandsTest, AllOfficersAfterASearchConvertsHiddenSlotsToo) {
  TForm_Main& w = Window();
  Find<QLineEdit>(w, "Edit_STongshuai")->setText(QStringLiteral("95"));
  Find<QPushButton>(w, "Btn_ReSearch")->click();
  ASSERT_EQ(OfficerList(w)->topLevelItemCount(), 1);

  Find<QPushButton>(w, "Button2")->click();
  EXPECT_EQ(OfficerList(w)->topLevelItemCount(), 1);  // the list is not rebuilt
  EXPECT_EQ(Row(kGuanYu)->text(1), QStringLiteral("关羽 云长"));
  EXPECT_EQ(Row(kLiuBei), nullptr);
  EXPECT_EQ(w.Document().Table()[kLiuBei].Story, loaded[kLiuBei].Story);
  ExpectRosterEntry(kLiuBei, QStringLiteral("刘备"));
  ExpectRosterEntry(kEmpty, QStringLiteral("新武将2"));
  ExpectNothingAskedOrWritten(1);
}

TEST(ConversionCommandsWithoutAFile, ChangeNothing) {
  MainWindowHarness fresh;
  TForm_Main& w = fresh.Window();
  Find<QPushButton>(w, "Button1")->click();
  Find<QPushButton>(w, "Button2")->click();
  EXPECT_EQ(w.Document().Table(), OfficerTable{});
  EXPECT_EQ(OfficerList(w)->topLevelItemCount(), 0);
  ASSERT_EQ(fresh.messages.size(), 1u);
  EXPECT_EQ(fresh.messages[0].text, QStringLiteral("已将0名武将的日文转换为中文，0名武将已是中文。"));
}

}  // namespace
