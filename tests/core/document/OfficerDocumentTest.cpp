// The document's flows without any window: open, reload, save, confirm,
// conversion, search and sort.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "core/document/OfficerDocument.h"
#include "core/officers/IntegerText.h"
#include "core/officers/OfficerFile.h"
#include "support/SaveFaults.h"
#include "support/OfficerBytes.h"
#include "support/TempDir.h"

namespace {

QString Q(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

class OfficerDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    OfficerTable table{};
    for (std::size_t s = 0; s < kSlotCount; ++s) {
      table[s].Wuli = static_cast<std::uint16_t>((s * 37) % 101);
      table[s].Xing.Write("Z");
    }
    table[0].Wuli = 77;
    WriteBytes(file, MergeTableIntoFile(EmptyOfficerFile(), table));
  }
  TempDir dir;
  std::filesystem::path file = dir / "TPERSON.VMR";
  OfficerDocument doc;
};

TEST_F(OfficerDocumentTest, AFailedOpenKeepsEverything) {
  doc.Open(Q(file));
  doc.SelectSlot(7);
  doc.ShowCurrent();
  PanelValues panel = doc.ShowCurrent();
  panel.numbers[1] = "12";  // Wuli
  doc.Confirm(panel);
  ASSERT_TRUE(doc.IsModified());
  const OfficerTable before = doc.Table();

  const std::filesystem::path shortFile = dir / "short.VMR";
  WriteBytes(shortFile, std::vector<unsigned char>(500, 0));
  QSignalSpy replaced(&doc, &OfficerDocument::tableReplaced);
  EXPECT_THROW(doc.Open(Q(shortFile)), OfficerFileError);
  EXPECT_THROW(doc.Open(Q(dir / "missing.VMR")), OfficerFileError);
  EXPECT_EQ(doc.FilePath(), Q(file));
  EXPECT_EQ(doc.Table(), before);
  EXPECT_EQ(doc.CurrentSlot(), 7);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(replaced.count(), 0);
}

TEST_F(OfficerDocumentTest, ReloadAndSaveClearTheModifiedFlag) {
  QSignalSpy replaced(&doc, &OfficerDocument::tableReplaced);
  doc.Open(Q(file));
  EXPECT_FALSE(doc.IsModified());
  EXPECT_FALSE(doc.HasShownOfficer());
  OfficerRecord r = doc.Record(0);
  r.Wuli = 12;
  doc.ReplaceRecord(0, r);
  EXPECT_TRUE(doc.IsModified());
  doc.Reload();
  EXPECT_EQ(doc.Record(0).Wuli, 77);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(replaced.count(), 2);

  doc.ReplaceRecord(0, r);
  doc.Save();
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(LoadOfficerFile(file)[0].Wuli, 12);
  EXPECT_EQ(LoadOfficerFile(BackupPathFor(file))[0].Wuli, 77);
}

TEST_F(OfficerDocumentTest, ConfirmWritesOnlyAfterAnOfficerWasShownAndAllOrNothing) {
  doc.Open(Q(file));
  PanelValues panel = PanelFromRecord(doc.Record(0));
  panel.numbers[1] = "5";
  doc.Confirm(panel);  // nothing shown since the load: the panel is empty
  EXPECT_EQ(doc.Record(0).Wuli, 77);
  EXPECT_FALSE(doc.IsModified());

  doc.SelectSlot(3);
  QSignalSpy changed(&doc, &OfficerDocument::recordChanged);
  const OfficerRecord before = doc.Record(3);
  panel = doc.ShowCurrent();
  panel.enumerations[0] = 2;  // Type
  panel.numbers[0] = "40";    // Tongshuai
  panel.numbers[1] = "4x";    // Wuli: not an integer
  panel.skills.fill(true);
  EXPECT_THROW(doc.Confirm(panel), ImpossibleValue);
  panel.numbers[1] = "70000";
  EXPECT_THROW(doc.Confirm(panel), ImpossibleValue);
  EXPECT_EQ(doc.Record(3), before);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(changed.count(), 0);

  panel.numbers[1] = "150";
  doc.Confirm(panel);
  EXPECT_EQ(doc.Record(3).Wuli, 150);
  EXPECT_EQ(doc.Record(3).Tongshuai, 40);
  EXPECT_TRUE(doc.IsModified());
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed.front().front().toInt(), 3);
}

TEST_F(OfficerDocumentTest, ExportAndSaveWorkAfterTheFileWasMovedAway) {
  doc.Open(Q(file));
  OfficerRecord r = doc.Record(5);
  r.Wuli = 99;
  doc.ReplaceRecord(5, r);
  const std::filesystem::path moved = dir / "moved.VMR";
  std::filesystem::rename(file, moved);

  const ExchangeDocument exported = doc.Export({5});
  ASSERT_EQ(exported.officers.size(), 1u);
  EXPECT_EQ(exported.officers[0].values[7].key, "war");
  EXPECT_EQ(exported.officers[0].values[7].text, "99");

  // Saved only when the player says so, then written anew.
  EXPECT_THROW(doc.Save(), FileChangedError);
  EXPECT_FALSE(std::filesystem::exists(file));
  doc.Save({.overwriteChanged = true, .withoutDatedCopy = false});
  const std::vector<unsigned char> written = LoadOfficerFileHead(file);
  EXPECT_EQ(written[4 + 5 * 260 + 24], 99);
  EXPECT_EQ(written[4 + 5 * 260 + 62], 1);  // the save mark, type 0 is a type
  EXPECT_FALSE(std::filesystem::exists(BackupPathFor(file)));
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(OfficerDocumentTest, ConversionsChangeTheTableAndTheTextsLastShown) {
  doc.Open(Q(file));
  OfficerRecord r = doc.Record(4);
  r.Xing.Write("\x8A\xD6");  // 関 in Shift-JIS
  doc.ReplaceRecord(4, r);
  doc.Save();
  doc.SelectSlot(4);
  doc.ShowCurrent();
  doc.ConvertCurrent();
  EXPECT_EQ(doc.Record(4).Xing.Text(), "\xC3\xF6");  // 關 in Big5
  EXPECT_EQ(doc.ShowCurrentTexts().Of(FieldWithRole(FieldRole::Surname)), "\xB9\xD8");  // 关 in GBK
  EXPECT_EQ(doc.ShownTexts().Of(FieldWithRole(FieldRole::Surname)), "\xB9\xD8");
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(OfficerDocumentTest, SearchAndSortUseTheTablesValues) {
  doc.Open(Q(file));
  QSignalSpy searched(&doc, &OfficerDocument::visibleSlotsChanged);
  doc.Search({"", "77", "", "", ""});
  EXPECT_EQ(searched.count(), 1);
  EXPECT_TRUE(doc.SlotVisible()[0]);
  EXPECT_TRUE(doc.SlotVisible()[13]);  // 13 * 37 % 101 == 77
  EXPECT_EQ(std::count(doc.SlotVisible().begin(), doc.SlotVisible().end(), true), 2);
  EXPECT_THROW(doc.Search({"", "abc", "", "", ""}), ConvertError);
  EXPECT_EQ(searched.count(), 1);

  EXPECT_EQ(doc.SortBy(3).column, 3);  // 武力: highest first
  const std::vector<int> sorted = doc.SortedSlots({0, 1, 2, 3});
  EXPECT_EQ(sorted, (std::vector<int>{0, 2, 1, 3}));  // 77, 37, 74, 10 -> 77, 74, 37, 10
}

}  // namespace

namespace {

TEST_F(OfficerDocumentTest, AnEditKeepsUntouchedCharactersAndRefusesWhatBig5Lacks) {
  doc.Open(Q(file));
  OfficerRecord r = doc.Record(6);
  const std::string big5Story = "\xBE\xF7\xC5\xE9\xB8\x55\xBB\x50\xAB\xE1";  // 機體萬與後
  r.Story.Write(big5Story);
  doc.ReplaceRecord(6, r);
  doc.SelectSlot(6);
  PanelValues panel = doc.ShowCurrent();
  panel.texts.Of(FieldWithRole(FieldRole::Biography)) += "\xA1\xA3";  // 。 appended in GBK
  doc.Confirm(panel);
  EXPECT_EQ(doc.Record(6).Story.Text(), big5Story + "\xA1\x43");

  panel = doc.ShowCurrent();
  panel.texts.Of(FieldWithRole(FieldRole::GivenName)) = "\xB6\x42";  // 禕, beyond GB2312
  doc.Confirm(panel);
  EXPECT_EQ(doc.Record(6).Ming.Text(), "\xE2\xFC");

  const OfficerRecord before = doc.Record(6);
  panel = doc.ShowCurrent();
  panel.numbers[1] = "1";
  panel.texts.Of(FieldWithRole(FieldRole::GivenName)) = "\xEA\xCF";  // 晗: Big5 has no such character
  try {
    doc.Confirm(panel);
    ADD_FAILURE() << "the confirmation went through";
  } catch (const ImpossibleValue& e) {
    EXPECT_EQ(QString::fromUtf8(e.what()), QStringLiteral("名：无法以繁体中文(Big5)保存的字：晗"));
  }
  EXPECT_EQ(doc.Record(6), before);
}

}  // namespace

namespace {

TEST_F(OfficerDocumentTest, TheBackupKeepsTheFileAsOpenedOverSeveralSaves) {
  const std::vector<unsigned char> opened = ReadBytes(file);
  doc.Open(Q(file));
  for (const std::uint16_t war : {11, 12}) {
    OfficerRecord r = doc.Record(0);
    r.Wuli = war;
    doc.ReplaceRecord(0, r);
    if (war == 12) {  // a save that finds the disk full changes nothing
      FileSizeLimit full(1000);
      EXPECT_THROW(doc.Save(), OfficerFileError);
      EXPECT_TRUE(doc.IsModified());
      EXPECT_EQ(LoadOfficerFile(file)[0].Wuli, 11);
      EXPECT_EQ(ReadBytes(BackupPathFor(file)), opened);
    }
    doc.Save();
  }
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(LoadOfficerFile(file)[0].Wuli, 12);
  EXPECT_EQ(ReadBytes(BackupPathFor(file)), opened);

  // A new session (open again) backs up the file as it is then.
  const std::vector<unsigned char> second = ReadBytes(file);
  doc.Open(Q(file));
  OfficerRecord r = doc.Record(0);
  r.Wuli = 13;
  doc.ReplaceRecord(0, r);
  doc.Save();
  EXPECT_EQ(ReadBytes(BackupPathFor(file)), second);
}

TEST_F(OfficerDocumentTest, AFileReplacedButReadBackWrongLeavesTheBackupAsOpened) {
  const std::vector<unsigned char> opened = ReadBytes(file);
  doc.Open(Q(file));
  OfficerRecord r = doc.Record(0);
  r.Wuli = 11;
  doc.ReplaceRecord(0, r);
  {
    CorruptAfterReplace disk(file);
    EXPECT_THROW(doc.Save(), OfficerFileError);
  }
  EXPECT_TRUE(doc.IsModified());
  doc.Save();  // the next save must not back up the damaged file
  EXPECT_EQ(ReadBytes(BackupPathFor(file)), opened);
  EXPECT_EQ(LoadOfficerFile(file)[0].Wuli, 11);
}

TEST_F(OfficerDocumentTest, AFileOfRandomBytesOpensOnlyWhenThePlayerSaysSo) {
  const std::filesystem::path random = dir / "random.VMR";
  WriteBytes(random, RandomOfficerFile(5));
  doc.Open(Q(file));
  int asked = 0;
  std::vector<FileDoubt> told;
  EXPECT_FALSE(doc.Open(Q(random), [&](const std::vector<FileDoubt>& doubts) {
    ++asked;
    told = doubts;
    return false;
  }));
  EXPECT_EQ(asked, 1);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].kind, FileDoubt::Kind::ImpossibleValues);
  EXPECT_GT(told[0].count, 110);  // several impossible values in most slots
  EXPECT_EQ(doc.FilePath(), Q(file));
  const auto yes = [](const std::vector<FileDoubt>&) { return true; };
  EXPECT_TRUE(doc.Open(Q(random), yes));
  EXPECT_EQ(doc.FilePath(), Q(random));

  // Officers of valid values and an empty file open without a question.
  const auto no = [&](const std::vector<FileDoubt>&) { return ++asked, false; };
  EXPECT_TRUE(doc.Open(Q(file), no));
  WriteBytes(random, EmptyOfficerFile());
  EXPECT_TRUE(doc.Open(Q(random), no));
  EXPECT_EQ(asked, 1);
}

TEST_F(OfficerDocumentTest, TheHistoryKeepsAHundredStepsAndForgetsAnUnreachableSavedState) {
  doc.Open(Q(file));
  for (int i = 1; i <= 101; ++i) {
    OfficerRecord r = doc.Record(1);
    r.Wuli = static_cast<std::uint16_t>(i);
    doc.ReplaceRecord(1, r);
  }
  int undone = 0;
  while (doc.CanUndo()) {
    doc.Undo();
    ++undone;
  }
  EXPECT_EQ(undone, 100);
  EXPECT_EQ(doc.Record(1).Wuli, 1);  // the first step fell out of the history
  EXPECT_TRUE(doc.IsModified());     // the file as opened can no longer be reached
  EXPECT_EQ(doc.RedoName(), "修改 651 Z");
  doc.Redo();
  EXPECT_EQ(doc.Record(1).Wuli, 2);

  // A new step after an undo drops the steps that were undone.
  OfficerRecord r = doc.Record(1);
  r.Wuli = 500;
  doc.ReplaceRecord(1, r);
  EXPECT_FALSE(doc.CanRedo());
}

}  // namespace
