// The four subcommands end to end on files: their output, exit codes, and
// that every refused import leaves the registration file byte-identical.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/Subcommands.h"
#include "core/officers/OfficerFile.h"
#include "support/DemoOfficerFile.h"
#include "support/OfficerBytes.h"

namespace {

class SubcommandsTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteBytes(vmr, demo); }

  int Run(const QStringList& arguments) {
    out.str({});
    err.str({});
    return RunCommand(arguments, out, err);
  }
  QString Path(const std::string& name) const { return QString::fromStdString((dir / name).string()); }
  void WriteText(const std::string& name, const std::string& text) const {
    WriteBytes(dir / name, std::vector<unsigned char>(text.begin(), text.end()));
  }

  TempDir dir;
  std::filesystem::path vmr = dir / "TPERSON.VMR";
  QString vmrPath = QString::fromStdString(vmr.string());
  std::vector<unsigned char> demo = DemoOfficerFile();
  std::ostringstream out, err;
};

TEST_F(SubcommandsTest, ExportImportDryRunAndSave) {
  ASSERT_EQ(Run({QStringLiteral("export"), vmrPath, Path("some.csv"), QStringLiteral("--slots"), QStringLiteral("650-651,659")}), kExitOk)
      << err.str();
  EXPECT_EQ(out.str(), "已导出 3 位武将到 " + Path("some.csv").toStdString() + "\n");

  WriteText("edit.json", R"({"format": "velmedit-officers", "version": 1, "officers": [{"number": 651, "charm": 90}]})");
  ASSERT_EQ(Run({QStringLiteral("import"), vmrPath, Path("edit.json"), QStringLiteral("--dry-run")}), kExitOk) << err.str();
  EXPECT_EQ(out.str(), "1 charm: 88 → 90\n试运行：1 处改变，文件没有改变\n");
  EXPECT_EQ(ReadBytes(vmr), demo);
  EXPECT_FALSE(std::filesystem::exists(BackupPathFor(vmr)));

  ASSERT_EQ(Run({QStringLiteral("import"), vmrPath, Path("edit.json")}), kExitOk) << err.str();
  EXPECT_EQ(ReadBytes(BackupPathFor(vmr)), demo);
  EXPECT_EQ(ReadBytes(vmr)[RecordOffset(1) + 30], 90);

  // diff against the backup shows the same change; the round trip brings the file back.
  EXPECT_EQ(Run({QStringLiteral("diff"), QString::fromStdString(BackupPathFor(vmr).string()), vmrPath}), kExitFindings);
  EXPECT_EQ(out.str(), "1 charm: 88 → 90\n");
  WriteBytes(dir / "demo.vmr", demo);
  ASSERT_EQ(Run({QStringLiteral("export"), Path("demo.vmr"), Path("all.json")}), kExitOk);
  ASSERT_EQ(Run({QStringLiteral("import"), vmrPath, Path("all.json")}), kExitOk) << err.str();
  EXPECT_EQ(ReadBytes(vmr), demo);
  EXPECT_EQ(Run({QStringLiteral("diff"), Path("demo.vmr"), vmrPath}), kExitOk);
}

TEST_F(SubcommandsTest, EveryBadInputIsRefusedAndTheFileStaysAsItWas) {
  const std::string head = "format,version,slot";
  const struct {
    const char* name;
    std::string text;
    const char* message;
  } cases[] = {
      {"bad.csv", head + ",surname\nvelmedit-officers,1,0,\"张\"x\n", "第 2 行第 26 列：CSV 格式错误"},
      {"bad.json", "{\"format\": \"velmedit-officers\",\n \"version\": 1\n", "第 3 行第 1 列：JSON 格式错误"},
      {"other.csv", "format,version,slot\nsomething-else,1,0\n", "format 应为 “velmedit-officers”"},
      {"newer.json", R"({"format": "velmedit-officers", "version": 2, "officers": [{"slot": 0}]})", "比本程序能读的版本 1 新"},
      {"unknown.csv", head + ",strength\nvelmedit-officers,1,0,9\n", "第 1 行第 4 列，strength：未知的字段"},
      {"twice.csv", head + "\nvelmedit-officers,1,0\nvelmedit-officers,1,0\n", "槽 0 出现了不止一次"},
      {"long.csv", head + ",given_name\nvelmedit-officers,1,0,一二三\n", "given_name：太长：6 字节，最多 4 字节"},
      {"big5.csv", head + ",given_name\nvelmedit-officers,1,0,喆\n", "无法以繁体中文(Big5)保存的字：喆"},
      {"link.csv", head + ",enemy\nvelmedit-officers,1,0,832\n", "enemy：人物编号 832 超出范围 0–831"},
      {"gender.csv", head + ",gender\nvelmedit-officers,1,0,7\n", "第 2 行第 4 列，槽 0，gender：7 不是可选的项目；可选：0 男、1 女"},
      {"type.json", R"({"format": "velmedit-officers", "version": 1, "officers": [{"slot": 4, "type": 9}]})",
       "officers[0]，槽 4，type：9 不是可选的项目"},
      {"tab.csv", head + ",given_name\nvelmedit-officers,1,0,\"a\tb\"\n", "given_name：含有控制字符 U+0009"},
      {"newline.csv", head + ",surname\nvelmedit-officers,1,0,\"a\nb\"\n", "surname：含有控制字符 U+000A"},
      {"one.json", R"({"format": "velmedit-officers", "version": 1, "officers": [{"slot": 0, "courtesy_name": "a\u0001"}]})",
       "courtesy_name：含有控制字符 U+0001"},
      {"lost.csv", head + ",surname,given_name\nvelmedit-officers,1,0,??,??\n", "surname：“?”像是丢失的字"},
      {"surrogate.json", R"({"format": "velmedit-officers", "version": 1, "officers": [{"slot": 0, "given_name": "\ud800"}]})",
       "given_name：含有无法识别的字符"},
      {"name.csv", head + ",father\nvelmedit-officers,1,0,652 苏绮\n", "father：人物编号 652 是雷鸣川，不是苏绮"},
      {"raw.csv", head + ",raw\nvelmedit-officers,1,0,bytes66=0000\n", "raw.bytes66：长度不对：2 字节，应为 4 字节"},
      {"empty.csv", "", "文件是空的"},
      {"latin.csv", head + ",surname\nvelmedit-officers,1,0,\xD5\xC5\n", "第 2 行第 23 列：文件不是 UTF-8 文本"},
  };
  for (const auto& c : cases) {
    WriteText(c.name, c.text);
    EXPECT_EQ(Run({QStringLiteral("import"), vmrPath, Path(c.name)}), kExitFindings) << c.name;
    EXPECT_NE(err.str().find(c.message), std::string::npos) << c.name << ": " << err.str();
    EXPECT_NE(err.str().find("文件没有改变"), std::string::npos) << c.name;
    EXPECT_EQ(ReadBytes(vmr), demo) << c.name;
  }
  EXPECT_FALSE(std::filesystem::exists(BackupPathFor(vmr)));
}

TEST_F(SubcommandsTest, UnusualValuesAreImportedWithTheirNotesAndSavedAsTheWindowSaves) {
  auto file = demo;
  file[RecordOffset(5) + 62] = 0;  // a typed slot not yet saved by the editor
  WriteBytes(vmr, file);
  WriteText("odd.json", R"({"format": "velmedit-officers", "version": 1,
      "officers": [{"number": 651, "leadership": 150, "death_year": 100}]})");
  ASSERT_EQ(Run({QStringLiteral("import"), vmrPath, Path("odd.json")}), kExitOk) << err.str();
  EXPECT_NE(out.str().find("651 苏绮，统率（提醒）：能力 150 超过 99\n"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("651 苏绮，死亡年（提醒）：死亡年 100 早于诞生年 172\n"), std::string::npos) << out.str();

  auto expected = file;
  PutU16(expected, 1, 22, 150);
  PutU16(expected, 1, 18, 100);
  expected[RecordOffset(5) + 62] = 1;  // as the window's save marks every typed slot
  EXPECT_EQ(ReadBytes(vmr), expected);
  EXPECT_EQ(ReadBytes(BackupPathFor(vmr)), file);

  // Nothing to change: nothing written, not even the save mark.
  std::filesystem::remove(BackupPathFor(vmr));
  file = expected;
  file[RecordOffset(5) + 62] = 0;
  WriteBytes(vmr, file);
  ASSERT_EQ(Run({QStringLiteral("import"), vmrPath, Path("odd.json")}), kExitOk) << err.str();
  EXPECT_NE(out.str().find("没有要改变的内容"), std::string::npos);
  EXPECT_EQ(ReadBytes(vmr), file);
  EXPECT_FALSE(std::filesystem::exists(BackupPathFor(vmr)));
}

TEST_F(SubcommandsTest, HugeFileIsRefusedBeforeItIsRead) {
  {
    std::ofstream huge(dir / "huge.csv", std::ios::binary);
    huge.seekp(100LL * 1024 * 1024 - 1);
    huge.put('\n');
  }
  EXPECT_EQ(Run({QStringLiteral("import"), vmrPath, Path("huge.csv")}), kExitFindings);
  EXPECT_NE(err.str().find("太大（104857600 字节）"), std::string::npos) << err.str();
  EXPECT_EQ(ReadBytes(vmr), demo);
}

TEST_F(SubcommandsTest, CheckReportsAsTextOrJsonWithItsExitCodes) {
  EXPECT_EQ(Run({QStringLiteral("check"), vmrPath}), kExitOk);
  EXPECT_EQ(out.str(), "没有发现问题\n");

  auto file = demo;
  PutU16(file, 0, 24, 120);  // war above 99
  WriteBytes(vmr, file);
  EXPECT_EQ(Run({QStringLiteral("check"), vmrPath, QStringLiteral("--json")}), kExitFindings);
  EXPECT_NE(out.str().find("\"field\": \"war\""), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("\"severity\": \"warning\""), std::string::npos) << out.str();

  EXPECT_EQ(Run({QStringLiteral("check"), Path("missing.VMR")}), kExitError);
  EXPECT_NE(err.str().find("无法打开文件"), std::string::npos);
}

TEST_F(SubcommandsTest, UsageErrorsExitWithTwo) {
  EXPECT_EQ(Run({QStringLiteral("export"), vmrPath, Path("out.txt")}), kExitError);
  EXPECT_NE(err.str().find(".json 或 .csv"), std::string::npos);
  EXPECT_EQ(Run({QStringLiteral("export"), vmrPath, Path("o.csv"), QStringLiteral("--slots"), QStringLiteral("640-650")}), kExitError);
  EXPECT_EQ(Run({QStringLiteral("diff"), vmrPath}), kExitError);
  EXPECT_NE(err.str().find("用法"), std::string::npos);
  EXPECT_FALSE(IsSubcommand(QStringLiteral("TPERSON.VMR")));
}

}  // namespace
