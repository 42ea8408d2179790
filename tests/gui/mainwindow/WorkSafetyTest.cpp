// What the window does so that the player's work and other programs' work
// survive a save: a file changed on disk is never overwritten without the
// player's word, Ctrl+S does not silently skip unconfirmed edits, and a
// copy brought back from the backups folder is what the next save writes.
#include <gtest/gtest.h>

#include <QDir>
#include <QMenu>
#include <QTest>
#include <sstream>

#include "cli/Subcommands.h"
#include "core/officers/BackupFolder.h"
#include "core/officers/OfficerFile.h"
#include "gui/widgets/GbkTextControls.h"
#include "gui/widgets/NoteBalloon.h"
#include "support/WindowWithFile.h"

namespace {

constexpr std::size_t kWuli = 24, kMing = 86;

std::uint16_t WuliIn(const std::vector<unsigned char>& file, std::size_t slot) {
  return static_cast<std::uint16_t>(file[RecordOffset(slot) + kWuli] | file[RecordOffset(slot) + kWuli + 1] << 8);
}

class WorkSafetyTest : public WindowWithFile {
 protected:
  void SetUp() override {
    PutBytes(original, 0, 81, "\xB1\x69");  // 張
    WindowWithFile::SetUp();
  }
  // Another program sets 665 武力 (slot 15) to 66 while the window holds the file.
  void ChangeOnDiskByTheCommandLine() {
    const std::filesystem::path csv = dir / "war.csv";
    const std::string text = "format,version,slot,war\nvelmedit-officers,1,15,66\n";
    WriteBytes(csv, std::vector<unsigned char>(text.begin(), text.end()));
    std::ostringstream out, err;
    ASSERT_EQ(RunCommand({QStringLiteral("import"), Q(file), Q(csv)}, out, err), kExitOk) << err.str();
  }
};

TEST_F(WorkSafetyTest, ASaveNeverOverwritesAChangeMadeOnDiskWithoutAsking) {
  TForm_Main& w = OpenAndShowSlot0();
  ConfirmWuli(w, "12");
  ChangeOnDiskByTheCommandLine();

  harness.AnswerWith("取消");
  Action(w, "Menu_Save")->trigger();
  ASSERT_EQ(harness.questions.size(), 1u);
  EXPECT_TRUE(harness.questions[0].contains(QStringLiteral("被其他程序改变"))) << harness.questions[0].toStdString();
  EXPECT_EQ(WuliIn(ReadBytes(file), 15), 66);
  EXPECT_EQ(WuliIn(ReadBytes(file), 0), 77);
  EXPECT_TRUE(w.Document().IsModified());

  // 覆盖: the window's table goes over it, and the other program's file is
  // the newest copy in the backups folder.
  harness.AnswerWith("覆盖");
  Action(w, "Menu_Save")->trigger();
  EXPECT_EQ(WuliIn(ReadBytes(file), 0), 12);
  EXPECT_EQ(WuliIn(ReadBytes(file), 15), 0);
  const std::vector<BackupCopy> copies = ListBackupCopies(file);
  ASSERT_EQ(copies.size(), 2u);  // before the import, before this save
  EXPECT_EQ(WuliIn(ReadBytes(copies.back().path), 15), 66);
  EXPECT_EQ(WuliIn(ReadBytes(copies.front().path), 15), 0);
  EXPECT_FALSE(w.Document().IsModified());
}

TEST_F(WorkSafetyTest, ReloadTakesTheChangeOnDiskAndAnUntouchedWindowJustReloads) {
  TForm_Main& w = OpenAndShowSlot0();
  ConfirmWuli(w, "12");
  ChangeOnDiskByTheCommandLine();
  harness.AnswerWith("重新载入");
  Action(w, "Menu_Save")->trigger();
  EXPECT_EQ(w.Document().Table()[15].Wuli, 66);
  EXPECT_EQ(w.Document().Table()[0].Wuli, 77);
  EXPECT_FALSE(w.Document().IsModified());
  EXPECT_EQ(WuliIn(ReadBytes(file), 0), 77);  // nothing written

  // Nothing unsaved: coming back to the window reads the new file, no question.
  harness.questions.clear();
  std::vector<unsigned char> bytes = ReadBytes(file);
  PutU16(bytes, 3, kWuli, 55);
  WriteBytes(file, bytes);
  w.CheckFileOnDisk();
  EXPECT_TRUE(harness.questions.empty());
  EXPECT_EQ(w.Document().Table()[3].Wuli, 55);
}

TEST_F(WorkSafetyTest, CtrlSWithAnUnconfirmedEditAsksAndTheTitleShowsIt) {
  TForm_Main& w = OpenAndShowSlot0();
  const std::vector<unsigned char> before = ReadBytes(file);
  Find<GbkLineEdit>(w, "Edit_Ming")->setText(QStringLiteral("乙"));
  EXPECT_TRUE(w.isWindowModified());
  EXPECT_FALSE(w.Document().IsModified());

  harness.AnswerWith("取消");
  Action(w, "Menu_Save")->trigger();
  ASSERT_EQ(harness.questions.size(), 1u);
  EXPECT_EQ(ReadBytes(file), before);

  harness.AnswerWith("确认修改后保存");
  Action(w, "Menu_Save")->trigger();
  const std::vector<unsigned char> saved = ReadBytes(file);
  EXPECT_EQ(saved[RecordOffset(0) + kMing], 0xA4);  // 乙 in Big5
  EXPECT_EQ(saved[RecordOffset(0) + kMing + 1], 0x41);
  EXPECT_EQ(saved[RecordOffset(0) + kMing + 2], 0x00);
  EXPECT_FALSE(w.isWindowModified());

  // 只保存已确认的: the typed 丙 stays in the box, not in the file.
  Find<GbkLineEdit>(w, "Edit_Ming")->setText(QStringLiteral("丙"));
  harness.AnswerWith("只保存已确认的");
  Action(w, "Menu_Save")->trigger();
  EXPECT_EQ(ReadBytes(file)[RecordOffset(0) + kMing + 1], 0x41);
  EXPECT_TRUE(w.isWindowModified());
}

TEST_F(WorkSafetyTest, ADeletedFileIsWrittenAnewFromWhatWasReadOnlyWhenThePlayerSaysSo) {
  TForm_Main& w = OpenAndShowSlot0();
  std::vector<unsigned char> expected = ReadBytes(file);
  ConfirmWuli(w, "12");
  std::filesystem::remove(file);
  w.CheckFileOnDisk();
  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_TRUE(harness.messages[0].text.contains(QStringLiteral("已不在原处")));
  harness.AnswerWith("取消");
  Action(w, "Menu_Save")->trigger();
  EXPECT_FALSE(std::filesystem::exists(file));
  harness.AnswerWith("重新写出");
  Action(w, "Menu_Save")->trigger();
  PutU16(expected, 0, kWuli, 12);
  for (std::size_t slot = 0; slot < kSlotCount; ++slot) expected[RecordOffset(slot) + 62] = 1;  // type 0: the save mark
  EXPECT_EQ(ReadBytes(file), expected);
  EXPECT_FALSE(std::filesystem::exists(BackupPathFor(file)));
  EXPECT_FALSE(w.isWindowModified());
}

TEST_F(WorkSafetyTest, ARestoredCopyIsWhatTheNextSaveWritesAndCanBeUndone) {
  std::vector<unsigned char> copied = ReadBytes(file);
  copied[3] = 0x5A;  // a header byte only the copy holds
  TForm_Main& w = OpenAndShowSlot0();
  ConfirmWuli(w, "12");
  Action(w, "Menu_Save")->trigger();
  const std::filesystem::path copy = dir / "TPERSON.VMR.backups" / "TPERSON-20260101-000000.VMR";
  WriteBytes(copy, copied);

  harness.modalAnswer = [](QDialog* dialog) {
    auto* list = dialog->findChild<QTreeWidget*>(QStringLiteral("List_Copies"));
    list->setCurrentItem(list->topLevelItem(list->topLevelItemCount() - 2));  // the oldest dated copy; .bak is last
    dialog->findChild<QPushButton*>(QStringLiteral("Btn_Restore"))->click();
    return dialog->result();
  };
  Action(w, "Menu_Restore")->trigger();
  EXPECT_EQ(w.Document().Table()[0].Wuli, 77);
  Action(w, "Menu_Undo")->trigger();
  EXPECT_EQ(w.Document().Table()[0].Wuli, 12);
  Action(w, "Menu_Redo")->trigger();
  Action(w, "Menu_Save")->trigger();
  const std::vector<unsigned char> saved = ReadBytes(file);
  EXPECT_EQ(saved[3], 0x5A);
  for (std::size_t slot = 0; slot < kSlotCount; ++slot) copied[RecordOffset(slot) + 62] = 1;  // type 0: the save mark
  EXPECT_EQ(saved, copied);
}

TEST_F(WorkSafetyTest, RemindersShowBesideConfirmWithoutBlockingAndGoAtTheNextKey) {
  TForm_Main& w = OpenAndShowSlot0();
  Find<QLineEdit>(w, "Edit_Tongshuai")->setText(QStringLiteral("150"));
  Find<QPushButton>(w, "Btn_MConfirm")->click();
  EXPECT_EQ(w.Document().Table()[0].Tongshuai, 150);
  EXPECT_TRUE(harness.messages.empty());
  auto* balloon = w.findChild<NoteBalloon*>(QStringLiteral("NoteBalloon"));
  ASSERT_NE(balloon, nullptr);
  EXPECT_TRUE(balloon->isVisible());
  EXPECT_TRUE(balloon->text().contains(QStringLiteral("能力 150 超过 99"))) << balloon->text().toStdString();
  QTest::keyClick(Find<QLineEdit>(w, "Edit_Wuli"), Qt::Key_End);
  EXPECT_FALSE(balloon->isVisible());

  // 99 is no reminder.
  Find<QLineEdit>(w, "Edit_Tongshuai")->setText(QStringLiteral("99"));
  Find<QPushButton>(w, "Btn_MConfirm")->click();
  const auto* none = w.findChild<NoteBalloon*>(QStringLiteral("NoteBalloon"));
  EXPECT_TRUE(none == nullptr || !none->isVisible());
}

TEST_F(WorkSafetyTest, AFileWithJapaneseEditionTextsSaysSoWhenItOpens) {
  std::vector<unsigned char> bytes = ReadBytes(file);
  PutBytes(bytes, 4, 81, "\x8A\xD6");  // 関 in Shift-JIS, as the Japanese edition writes it
  WriteBytes(file, bytes);
  TForm_Main& w = harness.Window();
  w.OpenOfficerFile(Q(file));
  auto* balloon = w.findChild<NoteBalloon*>(QStringLiteral("NoteBalloon"));
  ASSERT_NE(balloon, nullptr);
  EXPECT_TRUE(balloon->text().contains(QStringLiteral("有 1 位武将"))) << balloon->text().toStdString();
  EXPECT_TRUE(balloon->text().contains(QStringLiteral("所有武将日文-->中文")));
}

TEST_F(WorkSafetyTest, SaveAsWritesTheCopyTheWindowThenEditsAndRecentFilesListIt) {
  TForm_Main& w = OpenAndShowSlot0();
  const std::vector<unsigned char> before = ReadBytes(file);
  ConfirmWuli(w, "12");
  const std::filesystem::path copy = dir / "copy" / "TPERSON.VMR";
  std::filesystem::create_directories(copy.parent_path());
  seam::SetSaveFileHook([&](const QString&) { return Q(copy); });
  Action(w, "Menu_SaveAs")->trigger();
  EXPECT_EQ(ReadBytes(file), before);
  EXPECT_EQ(WuliIn(ReadBytes(copy), 0), 12);
  EXPECT_EQ(w.Document().FilePath(), Q(copy));
  EXPECT_FALSE(w.isWindowModified());

  std::filesystem::remove(file);
  auto* recent = w.findChild<QMenu*>(QStringLiteral("Menu_Recent"));
  emit recent->aboutToShow();
  const QList<QAction*> entries = recent->actions();
  ASSERT_EQ(entries.size(), 2);
  EXPECT_TRUE(entries[0]->text().endsWith(QDir::toNativeSeparators(Q(copy))));
  EXPECT_TRUE(entries[0]->isEnabled());
  EXPECT_TRUE(entries[1]->text().contains(QStringLiteral("（已不在）")));
  EXPECT_FALSE(entries[1]->isEnabled());
}

}  // namespace
