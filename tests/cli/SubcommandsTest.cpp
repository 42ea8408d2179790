// The four subcommands end to end on files: their output, exit codes, and
// that every refused import leaves the registration file byte-identical.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/Subcommands.h"
#include "core/officers/OfficerFile.h"
#include "support/DemoOfficerFile.h"
#include "support/OfficerBytes.h"

namespace {

// Three impossible values in each of 30 rows: the 51st error stops the reading.
std::string ManyBadRows() {
  std::string csv = "format,version,slot,war,charm,politics\n";
  for (int slot = 0; slot < 30; ++slot) csv += "velmedit-officers,1," + std::to_string(slot) + ",70000,70000,70000\n";
  return csv;
}

std::string Utf16Le(const char* text) {
  const QString s = QString::fromUtf8(text);
  return std::string(reinterpret_cast<const char*>(s.utf16()), static_cast<std::size_t>(s.size()) * 2);
}

std::string Repeated(const std::string& part, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += part;
  return text;
}

class SubcommandsTest : public ::testing::Test, public DemoFileFolder {
 protected:
  int Run(const QStringList& arguments) {
    out.str({});
    err.str({});
    return RunCommand(arguments, out, err);
  }
  std::ostringstream out, err;
};

TEST_F(SubcommandsTest, ExportImportDryRunAndSave) {
  ASSERT_EQ(Run({QStringLiteral("export"), vmrPath, Path("some.csv"), QStringLiteral("--slots"), QStringLiteral("650-651,659")}), kExitOk)
      << err.str();
  EXPECT_EQ(out.str(), "已导出 3 位武将到 " + Path("some.csv").toStdString() + "\n");

  WriteText("edit.json", R"({"format": "velmedit-officers", "version": 1, "officers": [{"number": 651, "charm": 90}]})");
  ASSERT_EQ(Run({QStringLiteral("import"), vmrPath, Path("edit.json"), QStringLiteral("--dry-run")}), kExitOk) << err.str();
  EXPECT_EQ(out.str(), "651 苏绮，魅力：88 → 90\n试运行：1 处改变，文件没有改变\n");
  EXPECT_EQ(ReadBytes(vmr), demo);
  EXPECT_FALSE(std::filesystem::exists(BackupPathFor(vmr)));

  ASSERT_EQ(Run({QStringLiteral("import"), vmrPath, Path("edit.json")}), kExitOk) << err.str();
  EXPECT_EQ(ReadBytes(BackupPathFor(vmr)), demo);
  EXPECT_EQ(ReadBytes(vmr)[RecordOffset(1) + 30], 90);

  // diff against the backup shows the same change; the round trip brings the file back.
  EXPECT_EQ(Run({QStringLiteral("diff"), QString::fromStdString(BackupPathFor(vmr).string()), vmrPath}), kExitFindings);
  EXPECT_EQ(out.str(), "651 苏绮，魅力：88 → 90\n");
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
      {"bad.json", "{\"format\": \"velmedit-officers\",\n \"version\": 1\n", "第 3 行第 1 个字符：JSON 格式错误：对象没有结束"},
      {"comma.json", "{\"format\": \"velmedit-officers\", \"version\": 1,}", "第 1 行第 46 个字符：JSON 格式错误：逗号后面缺少一项（最后一项后面不能有逗号）"},
      {"escaped.json",
       R"({"format": "velmedit-officers", "version": 1, "officers": [{"slot": 0, "given_name": "a\\\"\\", "war": 1, "war": 2}]})",
       "第 1 行第 107 个字符：同一个对象中键 “war” 出现了不止一次"},
      {"index.csv", ",format,version,slot\n0,velmedit-officers,1,0\n", "第 1 行第 1 列：第 1 列没有列名（可能是表格程序加的行号列）"},
      {"wide.csv", head + ",type\nvelmedit-officers,1,0,1\u3000策士\n", "类型（type）：编号与项目不符：“1\u3000策士”；可选：0 平凡、1 猛将"},
      {"tab.csv", head + ",given_name\nvelmedit-officers,1,0,\"a\tb\"\n", "given_name）：含有控制字符 U+0009"},
      {"newline.csv", head + ",surname\nvelmedit-officers,1,0,\"a\nb\"\n", "surname）：含有控制字符 U+000A"},
      {"one.json", R"({"format": "velmedit-officers", "version": 1, "officers": [{"slot": 0, "courtesy_name": "a\u0001"}]})",
       "courtesy_name）：含有控制字符 U+0001"},
      {"lost.csv", head + ",surname,given_name\nvelmedit-officers,1,0,??,??\n", "姓（surname）：“?”像是丢失的字（表格程序保存时可能没有选择 UTF-8）"},
      {"surrogate.json", R"({"format": "velmedit-officers", "version": 1, "officers": [{"slot": 0, "given_name": "\ud800"}]})",
       "第 1 行第 87 个字符：JSON 格式错误：文字中有无法识别的字符（不成对的 \\u 代理项）"},
      {"name.csv", head + ",father\nvelmedit-officers,1,0,652 苏绮\n", "父亲（father）：人物编号 652 是雷鸣川，不是苏绮"},
      {"cr.csv", head + ",war\rvelmedit-officers,1,0,95\rvelmedit-officers,1,1,x\r", "第 3 行第 4 列，编号 651，武力（war）：不是一个整数：“x”"},
      {"blank.csv", "\xEF\xBB\xBF,,\r\n , \r\n", "文件是空的"},
      {"neither.csv", head + ",surname\nvelmedit-officers,1,0,\xFF\n", "第 2 行第 23 个字符：文件既不是 UTF-8 也不是 GBK 文本（请以 UTF-8 保存）"},
      {"many.csv", ManyBadRows(), "第 18 行第 6 列，编号 666，政治（politics）：70000 超出范围 0–65535\n还有 1 处错误\n"},
      {"columns.csv", head + Repeated(",x", 1900000) + "\n", "第 1 行：这一行有 1900003 格，武将交换文件最多 42 列\n"},
      {"deep.json", std::string(500000, '[') + std::string(500000, ']'), "JSON 文件应为一个对象"},  // no stack runs out
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

TEST_F(SubcommandsTest, FilesAsSpreadsheetsAndEditorsSaveThemAreReadRight) {
  const std::string head = "format,version,slot";
  const std::string war = "650 雷鸣远，武力：91 → 95\n试运行：1 处改变，文件没有改变\n";
  const struct {
    const char* name;
    std::string text;
    std::string output;
    const char* encoding;
  } cases[] = {
      // GBK that is also valid UTF-8 (κ л С): 魏 CE BA, 谢 D0 BB, 小 D0 A1.
      {"gbk.csv", head + ",surname,given_name\r\nvelmedit-officers,1,0,\xCE\xBA,\xD0\xBB\xD0\xA1\r\n",
       "按 GBK 编码读取\n650 魏谢小，姓：\"雷\" → \"魏\"\n650 魏谢小，名：\"鸣远\" → \"谢小\"\n试运行：2 处改变，文件没有改变\n", nullptr},
      // B1 69 reads as GBK too; the option makes it Big5's 張.
      {"big5.csv", head + ",surname\nvelmedit-officers,1,0,\xB1\x69\n",
       "按 Big5 编码读取\n650 张鸣远，姓：\"雷\" → \"张\"\n试运行：1 处改变，文件没有改变\n", "big5"},
      {"semicolon.csv", "format;version;slot;war\nvelmedit-officers;1;0;95\n", "以分号分隔\n" + war, nullptr},
      {"excel.csv", std::string("\xFF\xFE", 2) + Utf16Le("format\tversion\tslot\twar\r\nvelmedit-officers\t1\t0\t95\r\n"),
       "按 UTF-16 编码读取\n以制表符分隔\n" + war, nullptr},
      {"cr.csv", head + ",biography\rvelmedit-officers,1,1,\"一行\r二行\"\r",
       "651 苏绮，列传：\"雷鸣远之妻，通晓兵法。\\r\\n守城三月，粮尽而城不陷。\" → \"一行\\r\\n二行\"\n试运行：1 处改变，文件没有改变\n",
       nullptr},
      // The mark inside the first quoted cell, a stray empty column, rows of separators and blanks.
      {"calc.csv", "\"\xEF\xBB\xBF" "format\",version,slot,war,\nvelmedit-officers,1,0,95,\n,,,,\n , ,\u3000,,\n", war, nullptr},
      {"spaces.csv", head + ",war,type,father\nvelmedit-officers,1,0,\u300095\u3000,5\u3000万能,176\u3000公孙瓒\n",
       "650 雷鸣远，武力：91 → 95\n650 雷鸣远，类型：1 猛将 → 5 万能\n650 雷鸣远，父亲：无 → 176 公孙瓒\n"
       "试运行：3 处改变，文件没有改变\n", nullptr},
      {"formula.csv", head + ",reading\nvelmedit-officers,1,0,'=1+1\n",
       "650 雷鸣远，读音：\"lei mingyu\" → \"=1+1\"\n试运行：1 处改变，文件没有改变\n", nullptr},
  };
  for (const auto& c : cases) {
    WriteText(c.name, c.text);
    QStringList arguments{QStringLiteral("import"), vmrPath, Path(c.name), QStringLiteral("--dry-run")};
    if (c.encoding) arguments << QStringLiteral("--encoding") << QString::fromLatin1(c.encoding);
    EXPECT_EQ(Run(arguments), kExitOk) << c.name << ": " << err.str();
    EXPECT_EQ(out.str(), c.output) << c.name;
  }
  EXPECT_EQ(ReadBytes(vmr), demo);
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
  EXPECT_NE(err.str().find("：文件或文件夹不存在"), std::string::npos) << err.str();  // the system's reason in Chinese
  EXPECT_EQ(Run({QStringLiteral("check"), vmrPath, QStringLiteral("--game"), Path("no-such-game")}), kExitError);
  EXPECT_NE(err.str().find("--game 不是一个文件夹"), std::string::npos) << err.str();

  EXPECT_EQ(Run({QStringLiteral("diff"), vmrPath, vmrPath}), kExitOk);
  EXPECT_EQ(out.str(), "两个文件的武将数据相同\n");
}

std::vector<std::string> FolderNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(SubcommandsTest, AFileThatMayBeNoOfficerFileIsLeftAloneWithoutForce) {
  // A JSON text of 12 + 30000 + 3 bytes given where the officer file belongs.
  WriteText("victim.json", "{\"notes\": [\"" + std::string(30000, 'a') + "\"]}");
  const std::vector<unsigned char> victim = ReadBytes(dir / "victim.json");
  WriteText("num.csv", "format,version,slot,war\nvelmedit-officers,1,0,95\n");
  const std::string refused = "；未处理（确是新武将档时加 --force）\n";

  EXPECT_EQ(Run({QStringLiteral("import"), Path("victim.json"), Path("num.csv")}), kExitError);
  EXPECT_NE(err.str().find("victim.json 的大小为 30015 字节，不是 28604 字节；"), std::string::npos) << err.str();
  EXPECT_NE(err.str().find(refused), std::string::npos) << err.str();
  EXPECT_EQ(ReadBytes(dir / "victim.json"), victim);
  EXPECT_EQ(Run({QStringLiteral("export"), Path("victim.json"), Path("out.csv")}), kExitError);
  EXPECT_EQ(FolderNames(dir.Path()), (std::vector<std::string>{"TPERSON.VMR", "num.csv", "victim.json"}));

  EXPECT_EQ(Run({QStringLiteral("import"), Path("victim.json"), Path("num.csv"), QStringLiteral("--force"), QStringLiteral("--dry-run")}),
            kExitOk)
      << err.str();
  EXPECT_NE(out.str().find("试运行：1 处改变，文件没有改变"), std::string::npos) << out.str();

  // The game's size, every byte 0xFF: texts no code page reads in every slot.
  WriteBytes(dir / "ff.VMR", std::vector<unsigned char>(28604, 0xFF));
  for (const QStringList& arguments : {QStringList{QStringLiteral("check"), Path("ff.VMR")},
                                       QStringList{QStringLiteral("diff"), Path("ff.VMR"), vmrPath},
                                       QStringList{QStringLiteral("diff"), vmrPath, Path("ff.VMR")}}) {
    SCOPED_TRACE(arguments.join(u' ').toStdString());
    EXPECT_EQ(Run(arguments), kExitError);
    EXPECT_NE(err.str().find("ff.VMR：文件看起来不是武将登录档（"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("处不可能的值）" + refused), std::string::npos) << err.str();
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(Run(arguments + QStringList{QStringLiteral("--force")}), kExitFindings) << err.str();
  }
  EXPECT_EQ(Run({QStringLiteral("check"), vmrPath, QStringLiteral("--force")}), kExitOk);  // a good file: nothing to force

  // One byte short is no officer file at all: --force does not help.
  WriteBytes(dir / "short.VMR", std::vector<unsigned char>(28603, 0));
  EXPECT_EQ(Run({QStringLiteral("check"), Path("short.VMR"), QStringLiteral("--force")}), kExitError);
  EXPECT_NE(err.str().find("只有 28603 字节"), std::string::npos) << err.str();
}

TEST_F(SubcommandsTest, EachCommandExplainsItselfAndItsMistakesInChineseAndExitsWithTwo) {
  const struct {
    const char* command;
    std::vector<const char*> options;
  } commands[] = {
      {"export", {"--slots 编号", "--force"}},
      {"import", {"--dry-run", "--encoding 编码", "--force"}},
      {"check", {"--json", "--game 安装目录", "--force"}},
      {"diff", {"--force"}},
  };
  for (const auto& c : commands) {
    const QString command = QString::fromLatin1(c.command);
    for (const char* help : {"--help", "-h"}) {
      EXPECT_EQ(Run({command, QString::fromLatin1(help)}), kExitOk) << c.command;
      EXPECT_EQ(out.str().rfind(std::string("用法：velmedit ") + c.command + " ", 0), 0u) << out.str();
      for (const char* option : c.options) EXPECT_NE(out.str().find(std::string("\n  ") + option), std::string::npos) << option;
      EXPECT_EQ(err.str(), "");
    }
    EXPECT_EQ(Run({command, vmrPath, QStringLiteral("--x")}), kExitError);
    EXPECT_EQ(err.str().rfind("未知选项 --x\n\n用法：velmedit " + std::string(c.command) + " ", 0), 0u) << err.str();
    EXPECT_EQ(out.str(), "");
  }
  EXPECT_EQ(Run({QStringLiteral("export"), vmrPath, Path("o.csv"), QStringLiteral("--slots")}), kExitError);
  EXPECT_EQ(err.str().rfind("选项 --slots 缺少值\n", 0), 0u) << err.str();
  EXPECT_EQ(Run({QStringLiteral("check"), vmrPath, QStringLiteral("--json=yes")}), kExitError);
  EXPECT_EQ(err.str().rfind("选项 --json 不带值\n", 0), 0u) << err.str();
  EXPECT_EQ(Run({QStringLiteral("export"), vmrPath, Path("out.txt")}), kExitError);
  EXPECT_NE(err.str().find(".json 或 .csv"), std::string::npos);
  EXPECT_EQ(Run({QStringLiteral("export"), vmrPath, Path("o.csv"), QStringLiteral("--slots"), QStringLiteral("640-650")}), kExitError);
  EXPECT_EQ(Run({QStringLiteral("diff"), vmrPath}), kExitError);
  EXPECT_NE(err.str().find("用法"), std::string::npos);
  EXPECT_FALSE(IsSubcommand(QStringLiteral("TPERSON.VMR")));
  EXPECT_FALSE(std::filesystem::exists(dir / "o.csv"));
}

}  // namespace
