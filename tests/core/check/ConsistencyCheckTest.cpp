// Each kind of finding in a file made to hold it; none in the demo file.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/check/ConsistencyCheck.h"
#include "core/check/FileDoubt.h"
#include "core/convert/Jislib.h"
#include "core/faces/FaceArchivePair.h"
#include "support/DemoOfficerFile.h"
#include "support/FaceArchiveBytes.h"
#include "support/OfficerBytes.h"

namespace {

// A registered officer born 180, appearing 200, dying 240, all else valid.
void Register(std::vector<unsigned char>& file, std::size_t slot) {
  PutBytes(file, slot, 81, "\xB1\x69");  // 張
  PutU16(file, slot, 14, 180);
  PutU16(file, slot, 16, 200);
  PutU16(file, slot, 18, 240);
  for (std::size_t offset = 2; offset <= 12; offset += 2) PutU16(file, slot, offset, 0xFFFF);
  PutU16(file, slot, 64, 0xFFFF);
}

std::vector<std::string> Described(const std::vector<Finding>& findings) {
  std::vector<std::string> lines;
  for (const Finding& f : findings) {
    lines.push_back(std::to_string(f.slot) + " " + std::string(f.field->key) + " " + std::string(f.kind) +
                    (f.suspicious ? " 提醒" : ""));
  }
  return lines;
}

class ConsistencyCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadConversionTable();
    for (std::size_t s = 0; s < 4; ++s) Register(file, s);
  }
  std::vector<unsigned char> file = EmptyOfficerFile();
};

TEST_F(ConsistencyCheckTest, DemoFileAndCleanOfficersHaveNoFindings) {
  EXPECT_TRUE(CheckOfficerFile(DemoOfficerFile(), nullptr).empty());
  EXPECT_TRUE(CheckOfficerFile(file, nullptr).empty());
}

TEST_F(ConsistencyCheckTest, RelationshipsToEmptySlotsOrOneselfAndLateParents) {
  PutU16(file, 0, 6, 650 + 50);  // spouse: slot 50 is empty
  PutU16(file, 0, 64, 650);      // the same officer as itself
  PutU16(file, 1, 2, 652);       // father is slot 2 ...
  PutU16(file, 2, 14, 181);      // ... born a year after slot 1
  PutU16(file, 1, 4, 653);       // mother slot 3, born the same year: fine
  PutU16(file, 3, 4, 760);       // a mother outside the file is not judged
  PutU16(file, 3, 8, 831);       // the last roster number: fine
  PutU16(file, 3, 10, 832);      // beyond the roster, not "none": no panel stores it
  PutU16(file, 3, 12, 759);      // the file's last slot, empty
  PutU16(file, 2, 6, 649);       // the last officer before the file: not judged
  EXPECT_EQ(Described(CheckOfficerFile(file, nullptr)),
            (std::vector<std::string>{"0 spouse relationship 提醒", "0 same_officer relationship 提醒", "1 father years 提醒",
                                      "3 brother relationship", "3 enemy relationship 提醒"}));
}

TEST_F(ConsistencyCheckTest, YearsAbilitiesEnumerationsAndTexts) {
  PutU16(file, 0, 18, 179);               // death before birth
  PutU16(file, 1, 18, 199);               // death before appearance
  PutU16(file, 1, 22, 99);                // leadership 99: the editor's own maximum
  PutU16(file, 2, 24, 100);               // war 100: allowed, worth a look
  PutBytes(file, 2, 36, "\x04");          // personality one past its list
  PutBytes(file, 2, 35, "\xFF");          // gender without a selection: the panel stores it
  PutBytes(file, 2, 71, "\xFF");          // no type: allowed
  PutBytes(file, 2, 46, "\x03");          // diligence: its last item
  PutBytes(file, 3, 37, "\xFE");          // drinking: not a choice, not "none"
  PutBytes(file, 3, 86, "\x82\xA0\x82\xA2");  // Shift-JIS given name, not of Big5's form
  PutBytes(file, 1, 91, "\x93\xFA\x96\x7B");  // Shift-JIS 日本: Big5's form, codes Big5 leaves undefined
  PutU16(file, 3, 14, 200);               // born, appearing and dying in one year: fine
  PutU16(file, 3, 18, 200);
  const std::vector<Finding> findings = CheckOfficerFile(file, nullptr);
  EXPECT_EQ(Described(findings),
            (std::vector<std::string>{"0 death_year years 提醒", "1 courtesy_name text", "1 death_year years 提醒", "2 personality enumeration",
                                      "2 war ability 提醒", "2 gender enumeration 提醒", "3 given_name text",
                                      "3 drinking enumeration"}));
  EXPECT_EQ(findings[3].message, "4 不是可选的项目；可选：0 小心、1 冷静、2 刚胆、3 猪突");
  EXPECT_EQ(findings[1].message, "含有 Big5 未定义的字，像是日文(Shift-JIS)：请用 此人日文-->中文 转换");
  EXPECT_EQ(findings[6].message, "不是繁体中文(Big5)文字，像是日文(Shift-JIS)：请用 此人日文-->中文 转换");
}

TEST_F(ConsistencyCheckTest, FacesAreCheckedOnlyWhenAnArchiveIsOpen) {
  const TempDir dir;
  WriteGameFaces(dir.Path(), 3, -1);
  FaceArchivePair archives;
  archives.Open(QString::fromStdString(dir.Path().string()));
  PutU16(file, 0, 0, 1);     // in the archive
  PutU16(file, 1, 0, 1500);  // past its three faces
  EXPECT_EQ(Described(CheckOfficerFile(file, &archives)), std::vector<std::string>{"1 face face 提醒"});
  EXPECT_TRUE(CheckOfficerFile(file, nullptr).empty());
}

TEST_F(ConsistencyCheckTest, OfficersOfTheSameFullNameMakeOneReminder) {
  PutBytes(file, 0, 86, "\xAD\xB8");  // 張飛
  PutBytes(file, 1, 81, "\xBB\xAF");  // 趙飛: another surname
  PutBytes(file, 1, 86, "\xAD\xB8");
  PutBytes(file, 2, 86, "\xAD\xB8");  // 張飛 again
  PutBytes(file, 3, 81, std::string_view("\0\0", 2));  // 飛 alone: no surname, no full name
  PutBytes(file, 3, 86, "\xAD\xB8");
  const std::vector<Finding> findings = CheckOfficerFile(file, nullptr);
  EXPECT_EQ(Described(findings), std::vector<std::string>{"2 given_name name 提醒"});
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].message, "与 650 同名");

  PutBytes(file, 3, 81, "\xB1\x69");  // now 張飛 too: named with both before it
  EXPECT_EQ(CheckOfficerFile(file, nullptr).back().message, "与 650、652 同名");
}

TEST(FileDoubt, TheGameSizeAndAQuarterOfTheSlotsDecide) {
  std::vector<unsigned char> head = EmptyOfficerFile();
  for (std::size_t s = 0; s < 27; ++s) PutBytes(head, s, 36, "\x04");  // personality one past its list
  EXPECT_TRUE(DoubtsAbout(QStringLiteral("a.VMR"), 28604, TableOfHead(head)).empty());  // 27 of 110: not above a quarter

  const std::vector<FileDoubt> longer = DoubtsAbout(QStringLiteral("a.VMR"), 28605, TableOfHead(head));
  ASSERT_EQ(longer.size(), 1u);
  EXPECT_EQ(longer[0].kind, FileDoubt::Kind::Size);
  EXPECT_EQ(longer[0].explanation, "a.VMR 的大小为 28605 字节，不是 28604 字节");

  PutBytes(head, 27, 36, "\x04");
  PutBytes(head, 27, 37, "\x09");  // a second impossible value in the 28th slot: counted too
  const std::vector<FileDoubt> both = DoubtsAbout(QStringLiteral("a.VMR"), 28605, TableOfHead(head));
  ASSERT_EQ(both.size(), 2u);
  EXPECT_EQ(both[1].kind, FileDoubt::Kind::ImpossibleValues);
  EXPECT_EQ(both[1].count, 29);
  EXPECT_EQ(both[1].explanation, "文件看起来不是武将登录档（29 处不可能的值）");
}

}  // namespace
