// 查找武将 changes language while open; the count of the last search follows.
#include <gtest/gtest.h>

#include <QLabel>

#include "gui/find/TForm_Find.h"
#include "gui/list/ListWindowFixture.h"
#include "gui/widgets/LanguageSwitch.h"

namespace {

class FindWindowLanguageTest : public ListWindowFixture {};

TEST_F(FindWindowLanguageTest, CaptionsAndTheLastCountFollow) {
  Load(OfficerTable{});
  TForm_Find dialog(Window().ListModel(), &Window());
  Find<QLineEdit>(dialog, "Edit_WuliMax")->setText(QStringLiteral("0"));
  Find<QPushButton>(dialog, "Btn_Find")->click();
  ExpectLiveSwitch(dialog, {QStringLiteral("TForm_Find")});
  LanguageSwitch language;
  language.To("en");
  EXPECT_EQ(Find<QLabel>(dialog, "Label_Result")->text(), QStringLiteral("Found 110 officers"));
  EXPECT_EQ(Find<QLineEdit>(dialog, "Edit_WuliMax")->text(), QStringLiteral("0"));
}

}  // namespace
