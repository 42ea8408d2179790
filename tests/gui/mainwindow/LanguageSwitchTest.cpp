// The main window, its menus and both panels change language while running;
// the officer shown and what the player typed stay.
#include <gtest/gtest.h>

#include <QLabel>

#include "core/editor/PanelSession.h"
#include "gui/list/ListWindowFixture.h"
#include "gui/widgets/LanguageSwitch.h"

namespace {

class MainWindowLanguageTest : public ListWindowFixture {
 protected:
  void SetUp() override {
    OfficerTable table{};
    table[0] = Officer("\xB1\x69", "\xAD\xB8", "", 80, 81, 82, 83, 84);  // 張飛
    table[1] = Officer("\xC3\xF6", "\xA6\xD0", "", 70, 79, 72, 73, 74);  // 關羽
    Load(table);
    Choose(1);
  }
  QString Text(const char* name) { return Find<QLineEdit>(Window(), name)->text(); }
};

// The skill boxes name game skills: they stay as the game has them.
bool IsSkillBox(const QString& where) { return where.startsWith(QStringLiteral("CB_S")); }

const QStringList kContexts{QStringLiteral("TForm_Main"),  QStringLiteral("EditorPanel"), QStringLiteral("OfficerListPanel"),
                            QStringLiteral("OfficerToolsMenu"), QStringLiteral("FaceMenu"), QStringLiteral("DialogSeam")};

TEST_F(MainWindowLanguageTest, EveryCaptionFollowsTheLanguageAndComesBack) {
  Find<QLineEdit>(Window(), "Edit_Wuli")->setText(QStringLiteral("99"));
  Find<QLineEdit>(Window(), "Edit_Zi")->setText(QStringLiteral("雲長"));
  ExpectLiveSwitch(Window(), kContexts, IsSkillBox);
  EXPECT_EQ(Window().windowTitle(), QStringLiteral("Velmora 武将登录器 - TPERSON.VMR[*]"));
  EXPECT_EQ(Window().Session().CurrentSlot(), 1);
  EXPECT_EQ(Text("Edit_Wuli"), QStringLiteral("99"));
  EXPECT_EQ(Text("Edit_Zi"), QStringLiteral("雲長"));
  EXPECT_EQ(Text("Edit_Zhili"), QStringLiteral("72"));
}

TEST_F(MainWindowLanguageTest, EnglishCaptionsAndTitleOfTheOpenFile) {
  LanguageSwitch language;
  language.To("en");
  EXPECT_EQ(Window().windowTitle(), QStringLiteral("Velmora Officer Editor - TPERSON.VMR[*]"));
  EXPECT_EQ(Find<QLabel>(Window(), "Label_Edit_Wuli")->text(), QStringLiteral("WAR"));
  EXPECT_EQ(Find<QPushButton>(Window(), "Btn_MConfirm")->text(), QStringLiteral("Confirm"));
  EXPECT_EQ(Action(Window(), "Menu_Find")->text(), QStringLiteral("&Find officer…"));
  EXPECT_EQ(Action(Window(), "Menu_Undo")->text(), QStringLiteral("&Undo"));
  // A confirmation made in English: 撤销 names its step in the language shown.
  Find<QLineEdit>(Window(), "Edit_Wuli")->setText(QStringLiteral("98"));
  Find<QPushButton>(Window(), "Btn_MConfirm")->click();
  EXPECT_TRUE(Action(Window(), "Menu_Undo")->text().startsWith(QStringLiteral("&Undo "))) << Action(Window(), "Menu_Undo")->text().toStdString();
  EXPECT_EQ(Text("Edit_Wuli"), QStringLiteral("98"));
  EXPECT_EQ(Text("Edit_Tongshuai"), QStringLiteral("70"));
}

}  // namespace
