// Every import and save keeps the file it replaces: dated copies in
// TPERSON.VMR.backups/, the original among them however many steps follow,
// and no save over a file that changed after it was read.
#include <gtest/gtest.h>

#include <QDateTime>
#include <sstream>

#include "cli/Subcommands.h"
#include "core/document/OfficerDocument.h"
#include "core/officers/BackupFolder.h"
#include "support/DemoOfficerFile.h"
#include "support/OfficerBytes.h"

namespace {

constexpr std::size_t kWuli = 24;

std::uint16_t WuliIn(const std::vector<unsigned char>& file, std::size_t slot) {
  return static_cast<std::uint16_t>(file[RecordOffset(slot) + kWuli] | file[RecordOffset(slot) + kWuli + 1] << 8);
}

class ImportBackupsTest : public ::testing::Test, public DemoFileFolder {
 protected:
  // Imports war `war` for slot 0; the exit code, and what was printed.
  int Import(int war, std::string* printed = nullptr) {
    WriteText("war.csv", "format,version,slot,war\nvelmedit-officers,1,0," + std::to_string(war) + "\n");
    std::ostringstream out, err;
    const int exitCode = RunCommand({QStringLiteral("import"), vmrPath, Path("war.csv")}, out, err);
    if (printed) *printed = out.str() + err.str();
    return exitCode;
  }
};

TEST_F(ImportBackupsTest, TwoImportsAndASaveKeepTheOriginalAndEachStep) {
  std::string first;
  ASSERT_EQ(Import(1, &first), kExitOk) << first;
  EXPECT_NE(first.find("保存前的文件复制为 TPERSON.VMR.backups/TPERSON-"), std::string::npos) << first;
  ASSERT_EQ(Import(2), kExitOk);  // within the same second: a name of its own
  OfficerDocument doc;
  doc.Open(vmrPath);
  OfficerRecord r = doc.Record(0);
  r.Wuli = 3;
  doc.ReplaceRecord(0, r);
  doc.Save();

  const std::vector<BackupCopy> copies = ListBackupCopies(vmr);
  ASSERT_EQ(copies.size(), 3u);
  EXPECT_EQ(ReadBytes(copies[0].path), demo);
  EXPECT_EQ(WuliIn(ReadBytes(copies[1].path), 0), 1);
  EXPECT_EQ(WuliIn(ReadBytes(copies[2].path), 0), 2);
  EXPECT_NE(copies[0].path, copies[1].path);

  // Saving again copies the file of the last save once, not twice.
  doc.Save();
  doc.Save();
  EXPECT_EQ(ListBackupCopies(vmr).size(), 4u);

  // The original brought back and saved is the file again, save marks aside.
  doc.RestoreCopy(copies[0].path);
  doc.Save();
  std::vector<unsigned char> saved = ReadBytes(vmr), expected = demo;
  for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
    if (expected[RecordOffset(slot) + 71] != 0xFF) expected[RecordOffset(slot) + 62] = 1;
  }
  EXPECT_EQ(saved, expected);
}

TEST_F(ImportBackupsTest, TheFolderKeepsTheNewestThirtyAndTheOldest) {
  const QDateTime start(QDate(2026, 12, 7), QTime(20, 35, 12));
  for (int step = 0; step < 33; ++step) {
    std::vector<unsigned char> bytes = demo;
    PutU16(bytes, 0, kWuli, static_cast<std::uint16_t>(step));
    WriteBytes(vmr, bytes);
    CopyIntoBackupFolder(vmr, start.addSecs(step));
  }
  const std::vector<BackupCopy> copies = ListBackupCopies(vmr);
  ASSERT_EQ(copies.size(), 31u);
  EXPECT_EQ(copies[0].path.filename(), "TPERSON-20261207-203512.VMR");
  EXPECT_EQ(copies[1].path.filename(), "TPERSON-20261207-203515.VMR");  // 13 and 14 went
  EXPECT_EQ(copies[30].path.filename(), "TPERSON-20261207-203544.VMR");
  EXPECT_EQ(WuliIn(ReadBytes(copies[0].path), 0), 0);
}

TEST_F(ImportBackupsTest, AFileChangedAfterItWasReadIsNotSavedOver) {
  OfficerDocument doc;
  doc.Open(vmrPath);
  OfficerRecord r = doc.Record(0);
  r.Wuli = 3;
  doc.ReplaceRecord(0, r);
  std::vector<unsigned char> changed = demo;
  PutU16(changed, 15, kWuli, 77);
  WriteBytes(vmr, changed);

  EXPECT_THROW(doc.Save(), FileChangedError);
  EXPECT_EQ(ReadBytes(vmr), changed);
  EXPECT_FALSE(std::filesystem::exists(BackupFolderFor(vmr)));
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(ImportBackupsTest, AnUnwritableBackupsFolderStopsTheImportBeforeItWrites) {
  WriteBytes(BackupFolderFor(vmr), {1, 2, 3});  // a file where the folder should be
  std::string printed;
  EXPECT_EQ(Import(9, &printed), kExitError);
  EXPECT_NE(printed.find("文件未改变"), std::string::npos) << printed;
  EXPECT_EQ(ReadBytes(vmr), demo);
  EXPECT_FALSE(std::filesystem::exists(BackupPathFor(vmr)));
}

}  // namespace
