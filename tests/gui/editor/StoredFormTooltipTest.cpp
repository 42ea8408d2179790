// While the player types, the name boxes and the biography tell in their
// tooltip how the game will show the text: traditional, chosen by the words
// around, characters that cannot be stored marked; the field's meaning below.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>

#include "core/officers/OfficerFile.h"
#include "gui/widgets/GbkTextControls.h"
#include "support/MainWindowControls.h"
#include "support/MainWindowHarness.h"
#include "support/OfficerBytes.h"
#include "support/PathText.h"

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

void Type(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
  }
}

constexpr std::size_t kXing = 81;

// The fields' meanings, below the game's form.
const QString kSurnameMeaning = U("\n武将的姓\n最多 4 字节（2 个汉字）；显示为简体，以繁体（Big5）保存");
const QString kGivenMeaning = U("\n武将的名\n最多 4 字节（2 个汉字）；显示为简体，以繁体（Big5）保存");
const QString kStoryMeaning =
    U("\n武将的列传，生平的介绍\n最多 150 字节（75 个汉字），换行占 2 字节；显示为简体，以繁体（Big5）保存");

class StoredFormTooltipTest : public ::testing::Test {
 protected:
  TForm_Main& OpenWithOfficer() {
    std::vector<unsigned char> bytes = EmptyOfficerFile();
    PutBytes(bytes, 1, kXing, "\xAB\xE1");  // 後, shown 后
    WriteBytes(file, bytes);
    TForm_Main& w = harness.Window();
    w.OpenOfficerFile(Q(file));
    const auto rows = OfficerList(w)->findItems(QStringLiteral("651"), Qt::MatchExactly, 0);
    EXPECT_EQ(rows.size(), 1);
    if (!rows.isEmpty()) OfficerList(w)->setCurrentItem(rows.first());
    return w;
  }

  TempDir dir;
  std::filesystem::path file = dir / "TPERSON.VMR";
  MainWindowHarness harness;
};

}  // namespace

TEST_F(StoredFormTooltipTest, TheTooltipShowsTheStoredFormWhileTyping) {
  TForm_Main& w = OpenWithOfficer();
  GbkMemo* story = Find<GbkMemo>(w, "Memo_Story");
  // Shown as simplified; the tooltip tells the stored bytes' form.
  GbkLineEdit* surname = Find<GbkLineEdit>(w, "Edit_Xing");
  EXPECT_EQ(surname->text(), U("后"));
  EXPECT_EQ(surname->toolTip(), U("游戏中显示为：後") + kSurnameMeaning);
  EXPECT_EQ(story->toolTip(), kStoryMeaning.mid(1));

  Type(story, U("何太后。皇后。头发干"));
  EXPECT_EQ(story->toolTip(), U("游戏中显示为：何太后。皇后。頭髮幹") + kStoryMeaning);
  Type(story, U("净。"));
  EXPECT_EQ(story->toolTip(), U("游戏中显示为：何太后。皇后。頭髮乾淨。") + kStoryMeaning);

  // A character Big5 lacks is marked and named.
  GbkLineEdit* given = Find<GbkLineEdit>(w, "Edit_Ming");
  Type(given, U("晗"));
  EXPECT_EQ(given->toolTip(), U("游戏中显示为：【晗】\n名：无法以繁体中文(Big5)保存的字：晗") + kGivenMeaning);

  // Confirmed, the biography is stored as the tooltip said.
  given->clear();
  Find<QPushButton>(w, "Btn_MConfirm")->click();
  EXPECT_EQ(w.Document().Table()[1].Story.Text(),
            "\xA6\xF3\xA4\xD3\xA6\x5A\xA1\x43\xAC\xD3\xA6\x5A\xA1\x43\xC0\x59\xBE\x76\xB0\xAE\xB2\x62\xA1\x43");
  EXPECT_TRUE(harness.messages.empty());
  EXPECT_EQ(given->toolTip(), kGivenMeaning.mid(1));
}
