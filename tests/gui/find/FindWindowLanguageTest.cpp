// 查找武将 changes language while open: its captions, the count of the last
// search in the new language, the boxes as typed.
#include <gtest/gtest.h>

#include <QLabel>

#include "gui/find/TForm_Find.h"
#include "gui/list/ListWindowFixture.h"
#include "gui/widgets/LanguageSwitch.h"

namespace {

class FindWindowLanguageTest : public ListWindowFixture {};

TEST_F(FindWindowLanguageTest, CaptionsAndTheLastCountFollowTheLanguage) {
  OfficerTable table{};
  table[0] = Officer("\xB1\x69", "\xAD\xB8", "", 80, 81, 82, 83, 84);  // 張飛
  table[1] = Officer("\xC3\xF6", "\xA6\xD0", "", 70, 79, 72, 73, 74);  // 關羽
  Load(table);
  TForm_Find dialog(Window().ListModel(), &Window());
  Find<QLineEdit>(dialog, "Edit_WuliMin")->setText(QStringLiteral("80"));
  Find<QPushButton>(dialog, "Btn_Find")->click();
  ASSERT_EQ(Find<QLabel>(dialog, "Label_Result")->text(), QStringLiteral("找到 1 位武将"));

  ExpectLiveSwitch(dialog, {QStringLiteral("TForm_Find")});
  LanguageSwitch language;
  language.To("en");
  EXPECT_EQ(Find<QLabel>(dialog, "Label_Result")->text(), QStringLiteral("Found 1 officers"));
  language.To("zh_TW");
  EXPECT_EQ(Find<QLabel>(dialog, "Label_Result")->text(), QStringLiteral("找到 1 位武將"));
  EXPECT_EQ(Find<QLineEdit>(dialog, "Edit_WuliMin")->text(), QStringLiteral("80"));
}

}  // namespace
