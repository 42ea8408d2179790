// Each field's caption on the panel is the one the field table gives it,
// and its box and caption tell in their tooltip what the field means; the
// text boxes keep the text as the game will show it on top.
#include "gui/editor/EditorPanelFixture.h"
#include "core/officers/OfficerFields.h"

namespace {

const QString kSurname = U("武将的姓\n最多 4 字节（2 个汉字）；显示为简体，以繁体（Big5）保存");
const QString kGivenName = U("武将的名\n最多 4 字节（2 个汉字）；显示为简体，以繁体（Big5）保存");
const QString kStoryMeaning = U("武将的列传，生平的介绍\n最多 150 字节（75 个汉字），换行占 2 字节；显示为简体，以繁体（Big5）保存");

// The caption of a control: its label, or the labels it is split over
// (列 and 传 beside the biography), read left to right.
QString CaptionOf(QWidget& window, std::string_view control) {
  const QString name = QStringLiteral("Label_") + QString::fromLatin1(control.data(), static_cast<qsizetype>(control.size()));
  QString caption;
  for (QLabel* label : window.findChildren<QLabel*>()) {
    if (label->objectName() == name || (label->objectName().startsWith(name) && label->objectName().back().isDigit())) {
      caption += label->text();
    }
  }
  return caption;
}

}  // namespace

TEST_F(EditorPanelTest, EveryCaptionIsTheFieldTablesLabel) {
  TForm_Main& w = Window();
  int captioned = 0;
  for (const OfficerField& field : OfficerFields()) {
    if (field.control.empty()) continue;
    ASSERT_NE(w.findChild<QWidget*>(QString::fromLatin1(field.control.data(), static_cast<qsizetype>(field.control.size()))), nullptr)
        << field.key;
    EXPECT_EQ(CaptionOf(w, field.control).toStdString(), field.label) << field.key;
    ++captioned;
  }
  EXPECT_EQ(captioned, 36);
  EXPECT_EQ(Find<QGroupBox>(w, "GroupBox2")->title().toStdString(), FieldWithRole(FieldRole::Skills).label);
  for (const SkillBox& box : SkillLayout()) {
    QCheckBox* shown = Box(box.objectName.c_str());
    ASSERT_NE(shown, nullptr) << box.objectName;
    EXPECT_EQ(shown->text().toStdString(), box.caption) << box.objectName;
  }
}

TEST_F(EditorPanelTest, BoxesAndCaptionsTellWhatTheFieldMeans) {
  TForm_Main& w = Window();
  const QString leadership = U("统率能力，带兵作战的指挥力\n可填 0–65535；常见值不超过 99，超过 99 游戏中少见（检查时提醒）");
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Tongshuai")->toolTip(), leadership);
  EXPECT_EQ(Find<QLabel>(w, "Label_Edit_Tongshuai")->toolTip(), leadership);
  const QString same = U("视为同一人物的武将（例如同一人的另一登录），无则选“无”\n"
                         "名单中的武将编号 0–831，或“无”；650–759 是本档的新武将\n指向此人自己或空的槽时，检查会提醒");
  EXPECT_EQ(Find<QComboBox>(w, "ComboBox_Xiangxing")->toolTip(), same);
  EXPECT_EQ(Find<QLabel>(w, "Label_ComboBox_Xiangxing")->toolTip(), same);
  // Both halves of the caption 列传.
  EXPECT_EQ(Find<QLabel>(w, "Label_Memo_Story1")->toolTip(), kStoryMeaning);
  EXPECT_EQ(Find<QLabel>(w, "Label_Memo_Story2")->toolTip(), kStoryMeaning);
  EXPECT_EQ(Box("CB_S56")->toolTip(), U("特技：仙人\n勾选则此武将拥有这项特技"));
  EXPECT_EQ(Find<QLabel>(w, "Label24")->toolTip(), QString());  // no field's caption
}

// While the player types, the tooltip shows the text as the game will:
// traditional, chosen by the words around, what Big5 lacks marked.
TEST_F(EditorPanelTest, TheTextBoxesShowTheGamesFormOnTopWhileTyping) {
  TForm_Main& w = Open();
  auto* surname = Find<GbkLineEdit>(w, "Edit_Xing");
  EXPECT_EQ(surname->toolTip(), kSurname);  // nothing shown yet
  SelectSlot(2);
  EXPECT_EQ(surname->toolTip(), U("游戏中显示为：張飛\n") + kSurname);
  surname->clear();
  EXPECT_EQ(surname->toolTip(), kSurname);
  EXPECT_EQ(Find<QLabel>(w, "Label_Edit_Xing")->toolTip(), kSurname);

  SelectSlot(3);
  GbkMemo* story = Find<GbkMemo>(w, "Memo_Story");
  EXPECT_EQ(story->toolTip(), kStoryMeaning);
  TypeText(story, U("何太后。皇后。头发干"));
  EXPECT_EQ(story->toolTip(), U("游戏中显示为：何太后。皇后。頭髮幹\n") + kStoryMeaning);
  TypeText(story, U("净。"));
  EXPECT_EQ(story->toolTip(), U("游戏中显示为：何太后。皇后。頭髮乾淨。\n") + kStoryMeaning);
  GbkLineEdit* given = Find<GbkLineEdit>(w, "Edit_Ming");
  TypeText(given, U("晗"));
  EXPECT_EQ(given->toolTip(), U("游戏中显示为：【晗】\n名：无法以繁体中文(Big5)保存的字：晗\n") + kGivenName);

  // Confirmed, the biography is stored as the tooltip said.
  given->clear();
  Find<QPushButton>(w, "Btn_MConfirm")->click();
  EXPECT_EQ(w.Document().Table()[3].Story.Text(),
            "\xA6\xF3\xA4\xD3\xA6\x5A\xA1\x43\xAC\xD3\xA6\x5A\xA1\x43\xC0\x59\xBE\x76\xB0\xAE\xB2\x62\xA1\x43");
  EXPECT_TRUE(harness.messages.empty());
  EXPECT_EQ(given->toolTip(), kGivenName);
}
