// A save that fails or is stopped at any step leaves the registration file
// either as it was or as the new save made it, never in between, and its
// message says which.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/exchange/ExchangeFile.h"
#include "core/officers/OfficerFile.h"
#include "support/SaveFaults.h"
#include "support/OfficerBytes.h"
#include "support/TempDir.h"

namespace {

// Record 0's face (offset 0, little-endian) as the save below writes it.
constexpr unsigned kNewFace = 0x1234;

bool HoldsTheNewSave(const std::vector<unsigned char>& bytes, const std::vector<unsigned char>& original) {
  return bytes.size() == original.size() && bytes[RecordOffset(0)] == 0x34 && bytes[RecordOffset(0) + 1] == 0x12 &&
         std::equal(bytes.begin() + kOfficerFileSize, bytes.end(), original.begin() + kOfficerFileSize);
}

OfficerTable EditedTable(const std::filesystem::path& file) {
  OfficerTable table = LoadOfficerFile(file);
  table[0].Face = kNewFace;
  return table;
}

std::string SaveError(const std::filesystem::path& file, BackupMode backup) {
  try {
    SaveOfficerFile(file, EditedTable(file), SaveOptions{.backup = backup, .headWhenMissing = {}, .base = {}, .stepObserver = {}});
  } catch (const OfficerFileError& e) {
    return e.what();
  }
  return "the save succeeded";
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class SaveFaultTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::filesystem::path file = dir / "TPERSON.VMR";
  std::vector<unsigned char> original = RandomOfficerFile(31, kOfficerFileSize + 500);
  void SetUp() override { WriteBytes(file, original); }
};

TEST_F(SaveFaultTest, NewFileThatDoesNotFitLeavesTheOldOne) {
  const std::vector<unsigned char> earlierBackup(100, 0xEE);
  WriteBytes(BackupPathFor(file), earlierBackup);
  std::string message;
  {
    FileSizeLimit limit(20000);
    message = SaveError(file, BackupMode::Keep);
  }
  EXPECT_TRUE(Contains(message, "无法写入文件")) << message;
  EXPECT_TRUE(Contains(message, "文件太大（")) << message;
  EXPECT_TRUE(Contains(message, "文件未改变，仍是保存前的内容")) << message;
  EXPECT_EQ(ReadBytes(file), original);
  EXPECT_EQ(ReadBytes(BackupPathFor(file)), earlierBackup);
  // And the next save, with room again, goes through.
  SaveOfficerFile(file, EditedTable(file), SaveOptions{.backup = BackupMode::Keep, .headWhenMissing = {}, .base = {}, .stepObserver = {}});
  EXPECT_TRUE(HoldsTheNewSave(ReadBytes(file), original));
}

TEST_F(SaveFaultTest, BackupThatDoesNotFitKeepsTheEarlierBackupAndTheFile) {
  const std::vector<unsigned char> earlierBackup(100, 0xEE);
  WriteBytes(BackupPathFor(file), earlierBackup);
  std::string message;
  {
    FileSizeLimit limit(20000);
    message = SaveError(file, BackupMode::Make);
  }
  EXPECT_TRUE(Contains(message, "无法建立备份文件")) << message;
  EXPECT_TRUE(Contains(message, "TPERSON.VMR.bak")) << message;
  EXPECT_TRUE(Contains(message, "文件太大（")) << message;
  EXPECT_TRUE(Contains(message, "文件未改变")) << message;
  EXPECT_EQ(ReadBytes(file), original);
  EXPECT_EQ(ReadBytes(BackupPathFor(file)), earlierBackup);
}

TEST_F(SaveFaultTest, ExportThatDoesNotFitLeavesAnEarlierExport) {
  const std::filesystem::path exported = dir / "officers.csv";
  const std::vector<unsigned char> earlier = {'s', 'l', 'o', 't', '\n'};
  WriteBytes(exported, earlier);
  std::string message = "the export succeeded";
  {
    FileSizeLimit limit(1000);
    try {
      WriteExchangeFile(QString::fromStdString(exported.string()), QByteArray(5000, 'x'));
    } catch (const ExchangeFileError& e) {
      message = e.what();
    }
  }
  EXPECT_TRUE(Contains(message, "无法写入文件")) << message;
  EXPECT_TRUE(Contains(message, "文件太大（File too large）")) << message;
  EXPECT_EQ(ReadBytes(exported), earlier);
}

TEST_F(SaveFaultTest, ReadBackThatDiffersSaysTheFileWasReplacedAndNamesTheBackup) {
  std::string message;
  bool replaced = false;
  try {
    SaveOptions corrupted;
    corrupted.stepObserver = CorruptAfterReplace(file);
    SaveOfficerFile(file, EditedTable(file), corrupted);
  } catch (const OfficerFileError& e) {
    message = e.what();
    replaced = e.FileReplaced();
  }
  EXPECT_TRUE(replaced);
  EXPECT_TRUE(Contains(message, "内容不符，文件已被新内容替换但可能已损坏")) << message;
  EXPECT_TRUE(Contains(message, "TPERSON.VMR.bak")) << message;
  EXPECT_EQ(ReadBytes(BackupPathFor(file)), original);
}

// A real full disk: a tmpfs of a few pages, where mounting one is allowed.
class SmallDisk {
 public:
  SmallDisk(const std::filesystem::path& where, const std::string& size) : where_(where) {
    std::filesystem::create_directory(where_);
    mounted_ = mount("tmpfs", where_.c_str(), "tmpfs", 0, ("size=" + size).c_str()) == 0;
  }
  ~SmallDisk() {
    if (mounted_) umount2(where_.c_str(), MNT_DETACH);
  }
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;
  bool Mounted() const { return mounted_; }

 private:
  std::filesystem::path where_;
  bool mounted_ = false;
};

TEST_F(SaveFaultTest, FullDiskLeavesTheOldFileAndSaysWhy) {
  // 15 pages of 4 KiB: the file and its backup take 7 each, so the new file
  // finds no room.
  SmallDisk disk(dir / "disk", "60k");
  if (!disk.Mounted()) GTEST_SKIP() << "mounting a tmpfs is not allowed here; the file size limit above stands in";
  const std::filesystem::path onDisk = dir / "disk" / "TPERSON.VMR";
  WriteBytes(onDisk, std::vector<unsigned char>(original.begin(), original.begin() + kOfficerFileSize));
  const std::vector<unsigned char> before = ReadBytes(onDisk);
  const std::string message = SaveError(onDisk, BackupMode::Make);
  EXPECT_TRUE(Contains(message, "磁盘空间不足（No space left on device）")) << message;
  EXPECT_TRUE(Contains(message, "文件未改变")) << message;
  EXPECT_EQ(ReadBytes(onDisk), before);
}

// Runs the save in a child process that is killed when the save reaches
// `step`, as a power cut or a killed editor would stop it.
void SaveKilledAt(SaveStep step, const std::filesystem::path& file) {
  const OfficerTable table = EditedTable(file);
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    SaveOptions killed;
    killed.stepObserver = [step](SaveStep reached) {
      if (reached == step) std::raise(SIGKILL);
    };
    try {
      SaveOfficerFile(file, table, killed);
    } catch (...) {
    }
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the save did not reach the step";
}

TEST_F(SaveFaultTest, KilledAfterTheBackupTheFileIsTheOldOne) {
  SaveKilledAt(SaveStep::BackupWritten, file);
  EXPECT_EQ(ReadBytes(file), original);
  EXPECT_EQ(ReadBytes(BackupPathFor(file)), original);
}

TEST_F(SaveFaultTest, KilledWithTheNewFileWrittenButNotInPlaceTheFileIsTheOldOne) {
  const std::vector<unsigned char> earlierBackup(100, 0xEE);
  WriteBytes(BackupPathFor(file), earlierBackup);
  SaveKilledAt(SaveStep::NewFileWritten, file);
  EXPECT_EQ(ReadBytes(file), original);
  EXPECT_EQ(ReadBytes(BackupPathFor(file)), original);
  // The file still opens and saves.
  SaveOfficerFile(file, EditedTable(file), SaveOptions{.backup = BackupMode::Keep, .headWhenMissing = {}, .base = {}, .stepObserver = {}});
  EXPECT_TRUE(HoldsTheNewSave(ReadBytes(file), original));
}

TEST_F(SaveFaultTest, KilledRightAfterTheReplaceTheFileIsTheNewOne) {
  SaveKilledAt(SaveStep::Replaced, file);
  EXPECT_TRUE(HoldsTheNewSave(ReadBytes(file), original));
  EXPECT_EQ(ReadBytes(BackupPathFor(file)), original);
}

}  // namespace
