// What the main window does before it drops the player's work: the title's
// change mark, the question before exit, open and reload, the question
// before opening a file of an unusual size, and Enter in a search box.
#include <gtest/gtest.h>

#include <QTest>

#include "core/officers/OfficerFile.h"
#include "support/WindowWithFile.h"

namespace {

constexpr int kSave = 0, kDontSave = 1, kCancel = 2;

using UnsavedChangesTest = WindowWithFile;

TEST_F(UnsavedChangesTest, TheTitleNamesTheFileAndMarksChanges) {
  TForm_Main& w = harness.Window();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Velmora 武将登录器"));
  OpenAndShowSlot0();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Velmora 武将登录器 - TPERSON.VMR[*]"));
  EXPECT_FALSE(w.isWindowModified());
  ConfirmWuli(w, "12");
  EXPECT_TRUE(w.isWindowModified());
  Action(w, "Menu_Save")->trigger();
  EXPECT_FALSE(w.isWindowModified());
}

TEST_F(UnsavedChangesTest, WithoutChangesExitAsksNothing) {
  TForm_Main& w = OpenAndShowSlot0();
  Action(w, "Menu_Exit")->trigger();
  EXPECT_TRUE(harness.questions.empty());
  EXPECT_FALSE(w.isVisible());
}

TEST_F(UnsavedChangesTest, ExitAfterAConfirmationAsksAndDontSaveLeavesTheFile) {
  TForm_Main& w = OpenAndShowSlot0();
  ConfirmWuli(w, "12");

  harness.questionAnswer = [](const QStringList&) { return kCancel; };
  Action(w, "Menu_Exit")->trigger();
  ASSERT_EQ(harness.questions.size(), 1u);
  EXPECT_EQ(harness.questions[0], QStringLiteral("修改尚未保存，是否保存？"));
  EXPECT_TRUE(w.isVisible());

  harness.questionAnswer = [](const QStringList&) { return kDontSave; };
  EXPECT_TRUE(w.close());  // the title bar asks too
  EXPECT_EQ(harness.questions.size(), 2u);
  EXPECT_EQ(ReadBytes(file), original);
  EXPECT_FALSE(std::filesystem::exists(BackupPathFor(file)));
}

TEST_F(UnsavedChangesTest, SaveConfirmsPendingEditsWritesTheBackupFirstAndExits) {
  TForm_Main& w = OpenAndShowSlot0();
  Find<QLineEdit>(w, "Edit_Wuli")->setText(QStringLiteral("33"));  // typed, not confirmed
  harness.questionAnswer = [](const QStringList&) { return kSave; };
  Action(w, "Menu_Exit")->trigger();
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(LoadOfficerFile(file)[0].Wuli, 33);
  EXPECT_EQ(ReadBytes(BackupPathFor(file)), original);
}

TEST_F(UnsavedChangesTest, AFailedSaveCancelsTheCommand) {
  TForm_Main& w = OpenAndShowSlot0();
  Find<QLineEdit>(w, "Edit_Wuli")->setText(QStringLiteral("x"));  // not a number
  harness.questionAnswer = [](const QStringList&) { return kSave; };
  Action(w, "R1")->trigger();
  EXPECT_EQ(harness.messages.size(), 1u);  // the conversion error
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Wuli")->text(), QStringLiteral("x"));  // not reloaded
  EXPECT_EQ(ReadBytes(file), original);
}

TEST_F(UnsavedChangesTest, ReloadAndOpenAskAboutUnconfirmedEdits) {
  TForm_Main& w = OpenAndShowSlot0();
  Find<QPushButton>(w, "Btn_BT")->click();  // a quick action is an edit too
  harness.questionAnswer = [](const QStringList&) { return kCancel; };
  Action(w, "R1")->trigger();
  Action(w, "Menu_Open")->trigger();
  EXPECT_EQ(harness.questions.size(), 2u);
  EXPECT_EQ(harness.openDialogs, 0);
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Wuli")->text(), QStringLiteral("99"));

  Find<QPushButton>(w, "Btn_MCancel")->click();  // undone: nothing to ask
  Action(w, "R1")->trigger();
  EXPECT_EQ(harness.questions.size(), 2u);
}

TEST_F(UnsavedChangesTest, ALongerFileOfImpossibleValuesOpensOnlyAfterBothQuestions) {
  const std::filesystem::path odd = dir / "odd" / "TPERSON.VMR";
  std::filesystem::create_directories(odd.parent_path());
  WriteBytes(odd, std::vector<unsigned char>(28614, 0xFF));
  TForm_Main& w = harness.Window();

  harness.questionAnswer = [](const QStringList&) { return 1; };  // 取消: the second question is not asked
  w.OpenOfficerFile(Q(odd));
  ASSERT_EQ(harness.questions.size(), 1u);
  EXPECT_TRUE(harness.questions[0].endsWith(QStringLiteral(" 的大小为 28614 字节，不是 28604 字节，仍然打开吗？")));
  EXPECT_FALSE(w.Document().HasFile());

  harness.questionAnswer = [](const QStringList&) { return 0; };  // 打开
  w.OpenOfficerFile(Q(odd));
  ASSERT_EQ(harness.questions.size(), 3u);
  EXPECT_TRUE(harness.questions[2].startsWith(QStringLiteral("文件看起来不是武将登录档（")));
  EXPECT_TRUE(harness.questions[2].endsWith(QStringLiteral(" 处不可能的值），仍然打开吗？")));
  EXPECT_EQ(w.Document().FilePath(), Q(odd));
  w.OpenOfficerFile(Q(file));  // the game's own size: no question
  EXPECT_EQ(harness.questions.size(), 3u);
}

TEST_F(UnsavedChangesTest, EnterInASearchBoxSearches) {
  TForm_Main& w = OpenAndShowSlot0();
  QLineEdit* box = Find<QLineEdit>(w, "Edit_SWuli");
  box->setText(QStringLiteral("77"));
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(OfficerList(w)->topLevelItemCount(), 1);
}

}  // namespace
