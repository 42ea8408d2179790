// 恢复备份 changes language while open: the rows anew, the same copy selected.
#include <gtest/gtest.h>

#include "gui/list/ListWindowFixture.h"
#include "gui/restore/TForm_Restore.h"
#include "gui/widgets/LanguageSwitch.h"

namespace {

class RestoreWindowLanguageTest : public ListWindowFixture {};

TEST_F(RestoreWindowLanguageTest, RowsFollowTheLanguage) {
  Load(OfficerTable{});
  Window().SaveFile();  // the .bak and a dated copy
  TForm_Restore dialog(Window().Document(), &Window());
  QTreeWidget* copies = Find<QTreeWidget>(dialog, "List_Copies");
  ASSERT_EQ(copies->topLevelItemCount(), 2);
  copies->setCurrentItem(copies->topLevelItem(1));
  ExpectLiveSwitch(dialog, {QStringLiteral("TForm_Restore")});
  LanguageSwitch language;
  language.To("en");
  EXPECT_EQ(copies->topLevelItem(1)->text(0), QStringLiteral("File when opened (.bak)"));
  EXPECT_EQ(copies->topLevelItem(1)->text(1), QStringLiteral("28604 bytes"));
  EXPECT_EQ(copies->currentItem(), copies->topLevelItem(1));
}

}  // namespace
