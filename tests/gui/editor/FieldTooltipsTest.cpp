// Each field's box and caption tell in their tooltip what the field means;
// the name boxes keep the text as the game shows it on top.
#include "gui/editor/EditorPanelFixture.h"

namespace {

const QString kSurname = U("武将的姓\n最多 4 字节（2 个汉字）；显示为简体，以繁体（Big5）保存");

}  // namespace

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
  const QString story = U("武将的列传，生平的介绍\n最多 150 字节（75 个汉字），换行占 2 字节；显示为简体，以繁体（Big5）保存");
  EXPECT_EQ(Find<QLabel>(w, "Label_Memo_Story1")->toolTip(), story);
  EXPECT_EQ(Find<QLabel>(w, "Label_Memo_Story2")->toolTip(), story);
  EXPECT_EQ(Box("CB_S56")->toolTip(), U("特技：仙人\n勾选则此武将拥有这项特技"));
  EXPECT_EQ(Find<QLabel>(w, "Label24")->toolTip(), QString());  // no field's caption
}

TEST_F(EditorPanelTest, TheNameBoxKeepsTheGamesFormOnTop) {
  Open();
  auto* surname = Find<QLineEdit>(Window(), "Edit_Xing");
  EXPECT_EQ(surname->toolTip(), kSurname);  // nothing shown yet
  SelectSlot(2);
  EXPECT_EQ(surname->toolTip(), U("游戏中显示为：張飛\n") + kSurname);
  surname->clear();
  EXPECT_EQ(surname->toolTip(), kSurname);
  EXPECT_EQ(Find<QLabel>(Window(), "Label_Edit_Xing")->toolTip(), kSurname);
}
