// The main window, its menus and both panels change language while
// running; the officer shown and what the player typed stay.
#include <gtest/gtest.h>

#include "gui/list/ListWindowFixture.h"
#include "gui/widgets/LanguageSwitch.h"

namespace {

class MainWindowLanguageTest : public ListWindowFixture {};

TEST_F(MainWindowLanguageTest, CaptionsFollowTheLanguageAndTypedTextStays) {
  OfficerTable table{};
  table[1] = Officer("\xC3\xF6", "\xA6\xD0", "", 70, 79, 72, 73, 74);  // 關羽
  Load(table);
  Choose(1);
  QLineEdit* wuli = Find<QLineEdit>(Window(), "Edit_Wuli");
  wuli->setText(QStringLiteral("99"));
  // The skill boxes name the game's skills, which stay as the game has them;
  // each language is named in its own script.
  ExpectLiveSwitch(Window(),
                   {QStringLiteral("TForm_Main"), QStringLiteral("EditorPanel"), QStringLiteral("OfficerListPanel"),
                    QStringLiteral("OfficerToolsMenu"), QStringLiteral("FaceMenu"), QStringLiteral("LanguageMenu")},
                   [](const QString& where) {
                     return where.startsWith(QStringLiteral("CB_S")) || where.startsWith(QStringLiteral("Menu_LanguageSimplified/")) ||
                            where.startsWith(QStringLiteral("Menu_LanguageTraditional/"));
                   });
  EXPECT_EQ(Window().windowTitle(), QStringLiteral("Velmora 武将登录器 - TPERSON.VMR[*]"));

  LanguageSwitch language;
  language.To("en");
  EXPECT_EQ(Window().windowTitle(), QStringLiteral("Velmora Officer Editor - TPERSON.VMR[*]"));
  EXPECT_EQ(wuli->text(), QStringLiteral("99"));
  EXPECT_EQ(Find<QLineEdit>(Window(), "Edit_Zhili")->text(), QStringLiteral("72"));
  Find<QPushButton>(Window(), "Btn_MConfirm")->click();
  EXPECT_TRUE(Action(Window(), "Menu_Undo")->text().startsWith(QStringLiteral("&Undo ")));
}

}  // namespace
