// 恢复备份 changes language while open: captions and rows anew, the same
// copy selected.
#include <gtest/gtest.h>

#include "gui/list/ListWindowFixture.h"
#include "gui/restore/TForm_Restore.h"
#include "gui/widgets/LanguageSwitch.h"

namespace {

class RestoreWindowLanguageTest : public ListWindowFixture {};

TEST_F(RestoreWindowLanguageTest, RowsFollowTheLanguage) {
  OfficerTable table{};
  table[0] = Officer("\xB1\x69", "\xAD\xB8", "", 80, 81, 82, 83, 84);  // 張飛
  Load(table);
  Window().Document().ClearSlot(0);
  Window().SaveFile();  // the .bak and one dated copy
  TForm_Restore dialog(Window().Document(), &Window());
  QTreeWidget* copies = Find<QTreeWidget>(dialog, "List_Copies");
  ASSERT_EQ(copies->topLevelItemCount(), 2);
  copies->setCurrentItem(copies->topLevelItem(1));
  ASSERT_EQ(copies->topLevelItem(1)->text(0), QStringLiteral("打开时的文件（.bak）"));

  ExpectLiveSwitch(dialog, {QStringLiteral("TForm_Restore")});
  LanguageSwitch language;
  language.To("en");
  EXPECT_EQ(copies->topLevelItem(1)->text(0), QStringLiteral("File when opened (.bak)"));
  EXPECT_EQ(copies->topLevelItem(1)->text(2), QStringLiteral("1"));
  EXPECT_EQ(copies->currentItem(), copies->topLevelItem(1));
  language.To("");
  EXPECT_EQ(copies->topLevelItem(1)->text(2), QStringLiteral("1 位"));
}

}  // namespace
