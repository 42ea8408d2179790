// The document's flows without any window: open, reload, save, the history.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "core/document/DocumentExchange.h"
#include "core/document/OfficerDocument.h"
#include "support/DocumentFixture.h"
#include "support/SaveFaults.h"

namespace {

using OfficerDocumentTest = DocumentFixture;

TEST_F(OfficerDocumentTest, ReloadClearsTheModifiedFlag) {
  QSignalSpy replaced(&doc, &OfficerDocument::tableReplaced);
  doc.Open(Q(file));
  EXPECT_FALSE(doc.IsModified());
  OfficerRecord r = doc.Record(0);
  r.Wuli = 12;
  doc.ReplaceRecord(0, r);
  EXPECT_TRUE(doc.IsModified());
  doc.Reload();
  EXPECT_EQ(doc.Record(0).Wuli, 77);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(replaced.count(), 2);
}

TEST_F(OfficerDocumentTest, ExportAndSaveWorkAfterTheFileWasMovedAway) {
  doc.Open(Q(file));
  OfficerRecord r = doc.Record(5);
  r.Wuli = 99;
  doc.ReplaceRecord(5, r);
  const std::filesystem::path moved = dir / "moved.VMR";
  std::filesystem::rename(file, moved);

  const ExchangeDocument exported = ExportTable(doc, {5});
  ASSERT_EQ(exported.officers.size(), 1u);
  EXPECT_EQ(exported.officers[0].values[7].key, "war");
  EXPECT_EQ(exported.officers[0].values[7].text, "99");

  // Saved only when the player says so, then written anew.
  EXPECT_THROW(doc.Save(), FileChangedError);
  EXPECT_FALSE(std::filesystem::exists(file));
  doc.Save({.overwriteChanged = true, .withoutDatedCopy = false, .stepObserver = {}});
  const std::vector<unsigned char> written = LoadOfficerFileHead(file);
  EXPECT_EQ(written[4 + 5 * 260 + 24], 99);
  EXPECT_EQ(written[4 + 5 * 260 + 62], 1);  // the save mark, type 0 is a type
  EXPECT_FALSE(std::filesystem::exists(BackupPathFor(file)));
  EXPECT_FALSE(doc.IsModified());
}

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
  EXPECT_THROW(doc.Save({.overwriteChanged = false, .withoutDatedCopy = false, .stepObserver = CorruptAfterReplace(file)}),
               OfficerFileError);
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

TEST_F(OfficerDocumentTest, EachReplacedRecordIsAStepNamedForItsOfficer) {
  doc.Open(Q(file));
  for (const std::uint16_t war : {1, 2}) {
    OfficerRecord r = doc.Record(1);
    r.Wuli = war;
    doc.ReplaceRecord(1, r);
  }
  doc.Undo();
  EXPECT_EQ(doc.Record(1).Wuli, 1);
  EXPECT_EQ(doc.RedoName(), "修改 651 Z");
  EXPECT_TRUE(doc.IsModified());
  doc.Undo();
  EXPECT_FALSE(doc.IsModified());  // back at the file as opened
  EXPECT_FALSE(doc.CanUndo());
  doc.Redo();
  EXPECT_EQ(doc.Record(1).Wuli, 1);
}

}  // namespace
