// 编辑 → 撤销 / 重做 on the real window, and what happens to unconfirmed
// edits when the player picks another officer.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <QTest>

#include "core/document/OfficerDocument.h"
#include "gui/widgets/ClickLabel.h"
#include "gui/list/ListWindowFixture.h"

namespace {

class HistoryWindowTest : public ListWindowFixture {
 protected:
  void SetUp() override {
    OfficerTable table{};
    table[0] = Officer("\xB1\x69", "\xAD\xB8", "", 80, 81, 82, 83, 84);  // 張飛
    table[1] = Officer("\xC3\xF6", "\xA6\xD0", "", 70, 71, 72, 73, 74);  // 關羽
    Load(table);
  }
  QTreeWidgetItem* Row(int slot) {
    QTreeWidget* list = OfficerList(Window());
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      if (list->topLevelItem(i)->text(0) == QString::number(slot + kFirstNewOfficer)) return list->topLevelItem(i);
    }
    return nullptr;
  }
  void Choose(int slot) { OfficerList(Window())->setCurrentItem(Row(slot)); }
  QLineEdit* Wuli() { return Find<QLineEdit>(Window(), "Edit_Wuli"); }
  void Confirm() { Find<QPushButton>(Window(), "Btn_MConfirm")->click(); }
};

TEST_F(HistoryWindowTest, UndoAndRedoTakeBackAConfirmationWithItsTitleAndCaptions) {
  TForm_Main& w = Window();
  QAction* undo = Action(w, "Menu_Undo");
  QAction* redo = Action(w, "Menu_Redo");
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_FALSE(redo->isEnabled());
  EXPECT_EQ(undo->text(), QStringLiteral("撤销(&U)"));

  Choose(0);
  Wuli()->setText(QStringLiteral("99"));
  Confirm();
  EXPECT_TRUE(w.isWindowModified());
  EXPECT_EQ(undo->text(), QStringLiteral("撤销(&U) 确认修改 650 张飞"));
  EXPECT_TRUE(undo->isEnabled());

  undo->trigger();
  EXPECT_EQ(w.Document().Record(0).Wuli, 81);
  EXPECT_FALSE(w.isWindowModified());  // back at the file as opened
  EXPECT_EQ(Wuli()->text(), QStringLiteral("81"));  // the panel follows
  EXPECT_EQ(Row(0)->text(3), QStringLiteral("81"));
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_EQ(redo->text(), QStringLiteral("重做(&R) 确认修改 650 张飞"));

  redo->trigger();
  EXPECT_EQ(w.Document().Record(0).Wuli, 99);
  EXPECT_EQ(Row(0)->text(3), QStringLiteral("99"));
  EXPECT_TRUE(w.isWindowModified());

  // A save is a new saved state; undoing past it marks the title again.
  Action(w, "Menu_Save")->trigger();
  EXPECT_FALSE(w.isWindowModified());
  undo->trigger();
  EXPECT_TRUE(w.isWindowModified());
  EXPECT_EQ(Action(w, "Menu_Redo")->shortcuts().size(), 2);  // Ctrl+Y and Ctrl+Shift+Z

  // A reload starts a new history.
  harness.questionAnswer = [](const QStringList& buttons) { return static_cast<int>(buttons.indexOf(QStringLiteral("不保存"))); };
  Action(w, "R1")->trigger();
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_FALSE(redo->isEnabled());
}

TEST_F(HistoryWindowTest, AllOfficersConversionIsOneStep) {
  TForm_Main& w = Window();
  OfficerRecord japanese = w.Document().Record(1);
  japanese.Xing.Write("\x8A\xD6");  // 関 in Shift-JIS
  w.Document().ReplaceRecord(1, japanese);
  Find<QPushButton>(w, "Button2")->click();
  EXPECT_EQ(Action(w, "Menu_Undo")->text(), QStringLiteral("撤销(&U) 所有武将日文-->中文（1 名）"));
  Action(w, "Menu_Undo")->trigger();
  EXPECT_EQ(w.Document().Record(1).Xing.Text(), "\x8A\xD6");
}

TEST_F(HistoryWindowTest, PickingAnotherOfficerWithPendingEditsAsksFirst) {
  TForm_Main& w = Window();
  Choose(0);
  std::vector<QStringList> offered;
  int answer = 2;
  harness.questionAnswer = [&](const QStringList& buttons) {
    offered.push_back(buttons);
    return answer;
  };

  // 取消: the officer and the edit stay.
  Wuli()->setText(QStringLiteral("5"));
  Choose(1);
  ASSERT_EQ(offered.size(), 1u);
  EXPECT_EQ(offered[0], (QStringList{QStringLiteral("确认修改"), QStringLiteral("放弃修改"), QStringLiteral("取消")}));
  EXPECT_EQ(w.Document().CurrentSlot(), 0);
  EXPECT_EQ(OfficerList(w)->currentItem(), Row(0));
  EXPECT_EQ(Wuli()->text(), QStringLiteral("5"));
  EXPECT_EQ(w.Document().Record(0).Wuli, 81);

  // 确认修改 that is refused: the error box, and the officer stays.
  answer = 0;
  Wuli()->setText(QStringLiteral("70000"));
  Choose(1);
  EXPECT_EQ(w.Document().CurrentSlot(), 0);
  EXPECT_EQ(OfficerList(w)->currentItem(), Row(0));
  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_EQ(harness.messages[0].text, QStringLiteral("武力：70000 超出范围 0–65535."));

  // 确认修改: stored, then the other officer.
  Wuli()->setText(QStringLiteral("5"));
  Choose(1);
  EXPECT_EQ(w.Document().Record(0).Wuli, 5);
  EXPECT_EQ(w.Document().CurrentSlot(), 1);
  EXPECT_EQ(Wuli()->text(), QStringLiteral("71"));

  // 放弃修改: dropped, the other officer shown.
  answer = 1;
  Wuli()->setText(QStringLiteral("6"));
  Choose(0);
  EXPECT_EQ(w.Document().Record(1).Wuli, 71);
  EXPECT_EQ(w.Document().CurrentSlot(), 0);
  EXPECT_EQ(Wuli()->text(), QStringLiteral("5"));

  // Without edits nothing is asked.
  const std::size_t asked = offered.size();
  Choose(1);
  EXPECT_EQ(offered.size(), asked);
}

TEST_F(HistoryWindowTest, TheKeyboardReachesTheListThePanelAndThePortrait) {
  TForm_Main& w = Window();
  // Tab in reading order: list, search, then the panel's columns, then the buttons.
  const auto next = [&](const char* name) {
    QWidget* widget = Find<QWidget>(w, name)->nextInFocusChain();
    while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isEnabled()) widget = widget->nextInFocusChain();
    return widget->objectName();
  };
  EXPECT_EQ(next("ListView_SelPrsn"), QStringLiteral("Edit_STongshuai"));
  EXPECT_EQ(next("Edit_SMeili"), QStringLiteral("Btn_ReSearch"));
  EXPECT_EQ(next("Btn_ReSearch"), QStringLiteral("Image_Face"));
  EXPECT_EQ(next("Edit_Tongshuai"), QStringLiteral("Edit_Wuli"));
  EXPECT_EQ(next("Edit_Zhili"), QStringLiteral("Edit_Zhengzhi"));
  EXPECT_EQ(next("Btn_AllSkills"), QStringLiteral("Btn_MConfirm"));

  // Ctrl+Enter confirms, as the button's tooltip says.
  w.show();
  QApplication::setActiveWindow(&w);
  Choose(0);
  EXPECT_TRUE(Find<QPushButton>(w, "Btn_MConfirm")->toolTip().contains(QStringLiteral("Ctrl+Enter")));
  Wuli()->setFocus();
  Wuli()->setText(QStringLiteral("42"));
  QTest::keyClick(Wuli(), Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(w.Document().Record(0).Wuli, 42);

  // The portrait takes the focus, and Space opens the face picker (when the
  // game's faces are there; here they are not, so nothing opens).
  auto* portrait = Find<ClickLabel>(w, "Image_Face");
  EXPECT_EQ(portrait->focusPolicy(), Qt::StrongFocus);
  int clicks = 0;
  QObject::connect(portrait, &ClickLabel::clicked, portrait, [&] { ++clicks; });
  QTest::keyClick(portrait, Qt::Key_Space);
  QTest::keyClick(portrait, Qt::Key_Return);
  EXPECT_EQ(clicks, 2);
}

}  // namespace
