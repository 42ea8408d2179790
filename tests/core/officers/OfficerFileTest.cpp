// The byte contract of the registration file: what a load reads and what a
// save writes back, down to the preserved bytes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string_view>
#include <unistd.h>

#include "core/officers/OfficerFile.h"
#include "support/OfficerBytes.h"
#include "support/TempDir.h"

namespace {

using namespace std::literals;

// The record ranges a save never writes.
bool IsPreserved(std::size_t offsetInRecord) {
  const std::size_t o = offsetInRecord;
  return (o >= 32 && o <= 34) || (o >= 53 && o <= 61) || o == 63 || (o >= 66 && o <= 69) || (o >= 72 && o <= 80);
}

class OfficerFileTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::filesystem::path file = dir / "TPERSON.VMR";
};

TEST_F(OfficerFileTest, TextWithoutTerminatorStopsAtTheFieldEnd) {
  auto bytes = EmptyOfficerFile();
  PutBytes(bytes, 0, 81, "ABCDEFGH");  // Xing and the start of Ming, no zero in Xing
  WriteBytes(file, bytes);
  const OfficerTable table = LoadOfficerFile(file);
  EXPECT_EQ(table[0].Xing.Text(), "ABCDE");
  EXPECT_EQ(table[0].Ming.Text(), "FGH");
}

TEST_F(OfficerFileTest, UnchangedSaveDiffersOnlyInTheSaveMark) {
  for (unsigned seed : {1u, 2u, 3u}) {
    const auto original = RandomOfficerFile(seed);
    WriteBytes(file, original);
    SaveOfficerFile(file, LoadOfficerFile(file));
    const auto saved = ReadBytes(file);
    ASSERT_EQ(saved.size(), original.size());
    for (std::size_t i = 0; i < saved.size(); ++i) {
      const bool saveMark = i >= kHeaderSize && (i - kHeaderSize) % kRecordSize == 62;
      const std::size_t record = i >= kHeaderSize ? (i - kHeaderSize) / kRecordSize : 0;
      const bool typed = original[kHeaderSize + record * kRecordSize + 71] != 0xFF;
      if (saveMark && typed) {
        EXPECT_EQ(saved[i], 1) << "byte " << i;
      } else {
        EXPECT_EQ(saved[i], original[i]) << "byte " << i;
      }
    }
    EXPECT_EQ(ReadBytes(BackupPathFor(file)), original);
  }
}

TEST_F(OfficerFileTest, SaveMarkFollowsTheType) {
  auto bytes = EmptyOfficerFile();
  bytes[RecordOffset(0) + 62] = 0x77;
  bytes[RecordOffset(1) + 62] = 0x77;
  WriteBytes(file, bytes);
  OfficerTable table = LoadOfficerFile(file);
  table[0].Type = 0xFF;
  table[1].Type = 0;
  SaveOfficerFile(file, table);
  const auto saved = ReadBytes(file);
  EXPECT_EQ(saved[RecordOffset(0) + 62], 0x77);
  EXPECT_EQ(saved[RecordOffset(1) + 62], 1);
}

TEST_F(OfficerFileTest, HeaderAndPreservedBytesChangedOnDiskSurviveTheSave) {
  WriteBytes(file, RandomOfficerFile(7));
  OfficerTable table = LoadOfficerFile(file);
  table[9].Wuli = 99;

  // Another program changes the bytes the editor does not interpret, and a
  // field it does, after the load.
  auto changed = RandomOfficerFile(8);
  WriteBytes(file, changed);
  SaveOfficerFile(file, table);
  const auto saved = ReadBytes(file);

  for (std::size_t i = 0; i < kHeaderSize; ++i) EXPECT_EQ(saved[i], changed[i]);
  for (std::size_t s = 0; s < kSlotCount; ++s) {
    for (std::size_t o = 0; o < kRecordSize; ++o) {
      if (IsPreserved(o)) {
        ASSERT_EQ(saved[RecordOffset(s) + o], changed[RecordOffset(s) + o]) << s << ":" << o;
      }
    }
  }
  EXPECT_EQ(saved[RecordOffset(9) + 24], 99);  // the table's fields win
  EXPECT_EQ(ReadBytes(BackupPathFor(file)), changed);
}

TEST_F(OfficerFileTest, TextFieldsAreWrittenWholeWithTheirTrailingBytes) {
  auto bytes = EmptyOfficerFile();
  PutBytes(bytes, 4, 81, "\xb1\x69\xad\xb8\x00"sv);  // two-character surname
  WriteBytes(file, bytes);
  OfficerTable table = LoadOfficerFile(file);
  table[4].Xing.Write("\xb1\x69");  // one character over two
  SaveOfficerFile(file, table);
  const auto saved = ReadBytes(file);
  const std::vector<unsigned char> expected = {0xb1, 0x69, 0x00, 0xb8, 0x00};
  EXPECT_EQ(std::vector<unsigned char>(saved.begin() + RecordOffset(4) + 81, saved.begin() + RecordOffset(4) + 86), expected);
}

TEST_F(OfficerFileTest, BytesBeyondTheGameSizeAreKept) {
  // The tail is copied in chunks of 64 KiB: tails shorter than one, of
  // exactly one and running past several.
  for (std::size_t tail : {std::size_t{10}, std::size_t{65536}, std::size_t{3 * 65536 + 7}}) {
    auto bytes = RandomOfficerFile(5, kOfficerFileSize + tail);
    WriteBytes(file, bytes);
    OfficerTable table = LoadOfficerFile(file);
    table[109].Story.Write("last");
    SaveOfficerFile(file, table);
    const auto saved = ReadBytes(file);
    ASSERT_EQ(saved.size(), bytes.size()) << tail;
    EXPECT_TRUE(std::equal(saved.begin() + kOfficerFileSize, saved.end(), bytes.begin() + kOfficerFileSize)) << tail;
    EXPECT_EQ(LoadOfficerFile(file)[109].Story.Text(), "last") << tail;
    EXPECT_EQ(ReadBytes(BackupPathFor(file)), bytes) << tail;
  }
}

TEST_F(OfficerFileTest, ShortFileIsRefusedWithItsSizes) {
  WriteBytes(file, RandomOfficerFile(3, 1000));
  try {
    LoadOfficerFile(file);
    FAIL() << "a short file was loaded";
  } catch (const OfficerFileError& e) {
    const std::string message = e.what();
    EXPECT_NE(message.find("TPERSON.VMR"), std::string::npos);
    EXPECT_NE(message.find("1000"), std::string::npos);
    EXPECT_NE(message.find("28604"), std::string::npos);
  }
}

TEST_F(OfficerFileTest, MissingFileIsReportedAndNothingIsCreated) {
  EXPECT_THROW(LoadOfficerFile(file), OfficerFileError);
  EXPECT_THROW(SaveOfficerFile(file, OfficerTable{}), OfficerFileError);
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_FALSE(std::filesystem::exists(BackupPathFor(file)));
}

TEST_F(OfficerFileTest, NoBackupMeansNothingIsWritten) {
  const auto original = RandomOfficerFile(21);
  WriteBytes(file, original);
  OfficerTable table = LoadOfficerFile(file);
  table[0].Face = 1234;
  // A directory in the backup's place makes the copy fail.
  std::filesystem::create_directory(BackupPathFor(file));
  EXPECT_THROW(SaveOfficerFile(file, table), OfficerFileError);
  EXPECT_EQ(ReadBytes(file), original);
}

TEST_F(OfficerFileTest, UnwritableFolderLeavesTheFileUnchanged) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  const auto original = RandomOfficerFile(22);
  WriteBytes(file, original);
  OfficerTable table = LoadOfficerFile(file);
  table[0].Face = 1234;
  std::filesystem::remove(BackupPathFor(file));
  std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  EXPECT_THROW(SaveOfficerFile(file, table), OfficerFileError);
  std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_all);
  EXPECT_EQ(ReadBytes(file), original);
}

TEST_F(OfficerFileTest, SaveKeepsTheFilePermissions) {
  WriteBytes(file, RandomOfficerFile(23));
  using std::filesystem::perms;
  std::filesystem::permissions(file, perms::owner_read | perms::owner_write | perms::group_read);
  SaveOfficerFile(file, LoadOfficerFile(file));
  EXPECT_EQ(std::filesystem::status(file).permissions() & perms::all, perms::owner_read | perms::owner_write | perms::group_read);
}

TEST(MergeTableIntoFile, ShortFileIsFilledAsAnInPlaceWriteWould) {
  OfficerTable table{};
  table[109].Story.bytes.fill('x');
  const auto merged = MergeTableIntoFile(std::vector<unsigned char>(10, 0xAB), table);
  ASSERT_EQ(merged.size(), kOfficerFileSize);
  EXPECT_EQ(merged[3], 0xAB);  // header
  EXPECT_EQ(merged[kOfficerFileSize - 1], 'x');
  EXPECT_EQ(merged[RecordOffset(0) + 62], 1);  // Type 0 gets the save mark
}

}  // namespace
