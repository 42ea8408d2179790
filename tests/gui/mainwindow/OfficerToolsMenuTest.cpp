// 编辑 → 查找武将… / 复制武将 / 粘贴到此武将 / 清空此武将 on the real window,
// the list's row menu, and 导出 of only the officers the list shows.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QTest>

#include "core/document/OfficerListModel.h"
#include "core/document/SlotTools.h"
#include "core/exchange/ExchangeFile.h"
#include "gui/list/ListWindowFixture.h"

namespace {

class OfficerToolsMenuTest : public ListWindowFixture {
 protected:
  void SetUp() override {
    OfficerTable table{};
    table[0] = Officer("\xB1\x69", "\xAD\xB8", "", 80, 81, 82, 83, 84);  // 張飛
    table[0].Father = 650;                                                // itself
    table[0].Mother = 651;
    table[1] = Officer("\xC3\xF6", "\xA6\xD0", "", 70, 79, 72, 73, 74);  // 關羽
    table[2] = Officer("\xBB\xAF", "", "", 1, 80, 1, 1, 1);             // 趙
    Load(table);
    Window().show();
    QApplication::setActiveWindow(&Window());
  }
  // Right click on the row of a slot, then the command of that name.
  void RowCommand(int slot, const char* name) {
    QTreeWidget* list = OfficerList(Window());
    emit list->customContextMenuRequested(list->visualItemRect(Row(slot)).center());
    auto* menu = Window().findChild<QMenu*>(QStringLiteral("OfficerRowMenu"));
    ASSERT_NE(menu, nullptr);
    Find<QAction>(*menu, name)->trigger();
    delete menu;
  }
};

TEST_F(OfficerToolsMenuTest, FindShowsTheMatchesAndRefusesABoxWithoutANumber) {
  TForm_Main& w = Window();
  std::vector<std::vector<int>> listed;
  std::vector<QString> results;
  harness.modalAnswer = [&](QDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("查找武将"));
    const auto search = [&](const char* box, const char* text) {
      Find<QLineEdit>(*dialog, box)->setText(QString::fromUtf8(text));
      Find<QPushButton>(*dialog, "Btn_Find")->click();
      listed.push_back(ListedNumbers());
      results.push_back(Find<QLabel>(*dialog, "Label_Result")->text());
    };
    search("Edit_Name", "张");
    search("Edit_Name", "");
    search("Edit_WuliMin", "80");
    search("Edit_WuliMax", "8x");
    return static_cast<int>(QDialog::Rejected);
  };
  auto* wuli = Find<QLineEdit>(w, "Edit_Wuli");
  wuli->setFocus();
  QTest::keyClick(wuli, Qt::Key_F, Qt::ControlModifier);  // the shortcut wins over the edit box
  ASSERT_EQ(harness.modalDialogs, 1);
  EXPECT_EQ(listed[0], (std::vector<int>{650}));
  EXPECT_EQ(listed[1].size(), kSlotCount);
  EXPECT_EQ(listed[2], (std::vector<int>{650, 652}));
  EXPECT_EQ(results[0], QStringLiteral("找到 1 位武将"));
  EXPECT_EQ(results[2], QStringLiteral("找到 2 位武将"));
  // A box without a number: named, and the list stays.
  EXPECT_EQ(listed[3], listed[2]);
  EXPECT_EQ(results[3], QString());
  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_EQ(harness.messages[0].text, QStringLiteral("武力 ≤ 的框中“8x”不是整数"));
}

TEST_F(OfficerToolsMenuTest, RowMenuCopiesPastesAndClears) {
  TForm_Main& w = Window();
  QStringList names;
  for (QAction* a : Find<QMenu>(w, "Menu_Edit")->actions()) names << a->objectName();
  EXPECT_EQ(names.join(u','), QStringLiteral("Menu_Undo,Menu_Redo,,Menu_Find,Menu_CopyOfficer,Menu_PasteOfficer,Menu_ClearOfficer"));
  EXPECT_FALSE(Action(w, "Menu_PasteOfficer")->isEnabled());

  const std::vector<unsigned char> before = w.Document().CurrentHead();
  RowCommand(0, "RowMenu_CopyOfficer");
  RowCommand(3, "RowMenu_PasteOfficer");
  EXPECT_EQ(w.Document().Record(3).Father, 653);
  EXPECT_EQ(w.Document().Record(3).Mother, 651);
  EXPECT_EQ(Row(3)->text(1), QStringLiteral("张飞 "));
  EXPECT_EQ(Action(w, "Menu_Undo")->text(), QStringLiteral("撤销(&U) 粘贴到 653 新武将4"));
  Action(w, "Menu_Undo")->trigger();
  EXPECT_EQ(w.Document().CurrentHead(), before);

  // 清空 asks first; 取消 keeps the officer.
  Choose(1);
  harness.AnswerWith("取消");
  Action(w, "Menu_ClearOfficer")->trigger();
  EXPECT_EQ(harness.questions, (std::vector<QString>{QStringLiteral("清空 651 关羽 吗？")}));
  EXPECT_EQ(w.Document().CurrentHead(), before);
  harness.AnswerWith("清空");
  Action(w, "Menu_ClearOfficer")->trigger();
  EXPECT_EQ(w.Document().Record(1), EmptySlotRecord());
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Xing")->text(), QString());
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Wuli")->text(), QStringLiteral("0"));
  EXPECT_EQ(Row(1)->text(1), QStringLiteral("新武将2"));
}

TEST_F(OfficerToolsMenuTest, PastingOverUnconfirmedEditsAsksFirst) {
  TForm_Main& w = Window();
  Choose(0);
  Action(w, "Menu_CopyOfficer")->trigger();
  Choose(1);
  auto* wuli = Find<QLineEdit>(w, "Edit_Wuli");
  wuli->setText(QStringLiteral("5"));
  int answer = 2;  // 取消
  harness.questionAnswer = [&](const QStringList&) { return answer; };
  Action(w, "Menu_PasteOfficer")->trigger();
  ASSERT_EQ(harness.questions.size(), 1u);
  EXPECT_EQ(harness.questions[0], QStringLiteral("当前武将的修改尚未确认，是否确认修改？"));
  EXPECT_EQ(w.Document().Record(1).Wuli, 79);
  EXPECT_EQ(wuli->text(), QStringLiteral("5"));
  answer = 1;  // 放弃修改
  Action(w, "Menu_PasteOfficer")->trigger();
  EXPECT_EQ(w.Document().Record(1).Father, 651);
  EXPECT_EQ(wuli->text(), QStringLiteral("81"));
  EXPECT_EQ(Action(w, "Menu_Undo")->text(), QStringLiteral("撤销(&U) 粘贴到 651 关羽"));
}

TEST_F(OfficerToolsMenuTest, ExportTakesOnlyTheListedOfficersWhenAsked) {
  TForm_Main& w = Window();
  FindCriteria criteria;
  criteria.abilities[1].min = 80;
  ASSERT_EQ(w.ListModel().Find(criteria), 2);
  const std::filesystem::path out = dir_ / "out.json";
  int saveDialogs = 0;
  seam::SetSaveFileHook([&](const QString&) {
    ++saveDialogs;
    return QString::fromStdString(out.string());
  });
  const auto exportAnswering = [&](const char* button) {
    harness.AnswerWith(button);
    Action(w, "Menu_Export")->trigger();
    std::vector<int> exported;
    if (!std::filesystem::exists(out)) return exported;
    for (const ExchangeSlot& officer : ReadExchangeFile(QString::fromStdString(out.string()), ExchangeFormat::Json).document.officers) {
      exported.push_back(officer.slot);
    }
    return exported;
  };
  EXPECT_EQ(exportAnswering("只导出列表中的"), (std::vector<int>{0, 2}));
  EXPECT_EQ(harness.questions.back(), QStringLiteral("导出全部 110 位武将，还是只导出列表中的 2 位？"));
  EXPECT_EQ(exportAnswering("全部").size(), kSlotCount);
  std::filesystem::remove(out);
  EXPECT_EQ(exportAnswering("取消").size(), 0u);
  EXPECT_EQ(saveDialogs, 2);
}

}  // namespace
