// The commands without a window speak the language --lang chose,
// placeholders filled, Qt's own words (file errors) included.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <sstream>

#include "cli/ProgramLanguage.h"
#include "cli/Subcommands.h"
#include "support/OfficerBytes.h"
#include "support/TempDir.h"

namespace {

class CommandTranslations : public ::testing::Test {
 protected:
  CommandTranslations() {
    auto file = EmptyOfficerFile();
    PutBytes(file, 0, 81, "Li");  // surname
    PutBytes(file, 0, 86, "Wu");  // given name
    PutU16(file, 0, 24, 120);     // war above the usual 99
    WriteBytes(vmr, file);
    original = file;
    const std::string csv = "format,version,slot,war\nvelmedit-officers,1,0,70000\n";
    WriteBytes(dir / "over.csv", std::vector<unsigned char>(csv.begin(), csv.end()));
  }

  ~CommandTranslations() override { UseUiLanguage(UiLanguage::SimplifiedChinese); }

  // Runs the command as `velmedit --lang <language>` does.
  int Run(UiLanguage language, const QStringList& arguments) {
    UseUiLanguage(language, QtTexts::AsWritten);
    out.str({});
    err.str({});
    return RunCommand(arguments, out, err);
  }
  QStringList Import() const { return {QStringLiteral("import"), Path(vmr), Path(dir / "over.csv")}; }
  QStringList Check() const { return {QStringLiteral("check"), Path(vmr)}; }
  static QString Path(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

  TempDir dir;
  std::filesystem::path vmr = dir / "TPERSON.VMR";
  std::vector<unsigned char> original;
  std::ostringstream out, err;
};

constexpr UiLanguage kEnglish = UiLanguage::English;
constexpr UiLanguage kTraditional = UiLanguage::TraditionalChinese;
constexpr UiLanguage kSimplified = UiLanguage::SimplifiedChinese;

TEST_F(CommandTranslations, ImportRefusalInEachLanguageLeavesTheFileAlone) {
  EXPECT_EQ(Run(kEnglish, Import()), kExitFindings);
  EXPECT_EQ(err.str(),
            "line 2 column 4, number 650, War (war): 70000 is outside 0–65535\n"
            "Not imported: 1 error(s); the file is unchanged\n");
  EXPECT_EQ(Run(kTraditional, Import()), kExitFindings);
  EXPECT_EQ(err.str(), "第 2 行第 4 欄，編號 650，武力（war）：70000 超出範圍 0–65535\n未匯入：有 1 處錯誤，檔案沒有改變\n");
  EXPECT_EQ(Run(kSimplified, Import()), kExitFindings);
  EXPECT_EQ(err.str(), "第 2 行第 4 列，编号 650，武力（war）：70000 超出范围 0–65535\n未导入：有 1 处错误，文件没有改变\n");
  EXPECT_EQ(ReadBytes(vmr), original);
}

TEST_F(CommandTranslations, CheckWarningInEachLanguage) {
  EXPECT_EQ(Run(kEnglish, Check()), kExitFindings);
  EXPECT_EQ(out.str(), "650 LiWu, War (warning): Ability 120 is above 99\nProblems found: 1\n");
  EXPECT_EQ(Run(kTraditional, Check()), kExitFindings);
  EXPECT_EQ(out.str(), "650 LiWu，武力（提醒）：能力 120 超過 99\n發現 1 處問題\n");
  EXPECT_EQ(Run(kSimplified, Check()), kExitFindings);
  EXPECT_EQ(out.str(), "650 LiWu，武力（提醒）：能力 120 超过 99\n发现 1 处问题\n");

  // A name holding a placeholder stays as it is.
  const std::string missing = (dir / "a%2b.VMR").string();
  EXPECT_EQ(Run(kEnglish, {QStringLiteral("check"), QString::fromStdString(missing)}), kExitError);
  EXPECT_EQ(err.str(), "Cannot open file “" + missing + "”: No such file or directory\n");
  // The system's words after the program's own, the same on every system.
  EXPECT_EQ(Run(kSimplified, {QStringLiteral("check"), QString::fromStdString(missing)}), kExitError);
  EXPECT_EQ(err.str(), "无法打开文件 “" + missing + "”：文件或文件夹不存在（No such file or directory）\n");
}

TEST_F(CommandTranslations, ChangesNameTextsAsStoredWhereTheScriptIsTraditional) {
  // 後 (Big5 AB E1) and 后 (A6 5A) both read 后 in simplified characters.
  auto later = original;
  PutBytes(later, 0, 81, "\xAB\xE1");
  auto queen = original;
  PutBytes(queen, 0, 81, "\xA6\x5A");
  WriteBytes(dir / "A.VMR", later);
  WriteBytes(dir / "B.VMR", queen);
  const QStringList diff{QStringLiteral("diff"), Path(dir / "A.VMR"), Path(dir / "B.VMR")};
  EXPECT_EQ(Run(kTraditional, diff), kExitFindings);
  EXPECT_EQ(out.str(), "650 后Wu，姓：\"後\" → \"后\"\n");
  EXPECT_EQ(Run(kEnglish, diff), kExitFindings);
  EXPECT_EQ(out.str(), "650 后Wu, Surname: \"後\" → \"后\"\n");
  // Simplified characters cannot tell them apart: the bytes are listed.
  EXPECT_EQ(Run(kSimplified, diff), kExitFindings);
  EXPECT_NE(out.str().find("650 后Wu，姓（字节）："), std::string::npos) << out.str();
}

TEST_F(CommandTranslations, CommandHelpInEachLanguage) {
  const QStringList help{QStringLiteral("diff"), QStringLiteral("--help")};
  EXPECT_EQ(Run(kEnglish, help), kExitOk);
  EXPECT_EQ(out.str(),
            "Usage: velmedit diff A.VMR B.VMR [--force]\n"
            "Lists slot by slot the fields that differ between two officer files (A to B).\n"
            "Exit code 0 when they are the same, 1 otherwise.\n"
            "\nArguments:\n"
            "  A.VMR B.VMR        The two officer files to compare; neither is changed.\n"
            "\nOptions:\n"
            "  --force            Go on with a file that does not look like an officer file\n"
            "                     (over 28604 bytes, or many impossible values);\n"
            "                     a file under 28604 bytes is always refused.\n"
            "  -h, --help         Show this help and exit.\n");
  EXPECT_EQ(Run(kTraditional, {QStringLiteral("check"), QStringLiteral("-h")}), kExitOk);
  EXPECT_EQ(out.str().substr(0, out.str().find('\n', out.str().find('\n') + 1) + 1),
            "用法：velmedit check TPERSON.VMR [--json] [--game 安裝目錄] [--force]\n"
            "檢查新武將登錄檔：列出不可能的值，以及值得一看的地方（提醒），例如同名的武將。\n");
  EXPECT_EQ(Run(kSimplified, help), kExitOk);
  EXPECT_EQ(out.str().substr(0, out.str().find('\n') + 1), "用法：velmedit diff A.VMR B.VMR [--force]\n");
  EXPECT_NE(out.str().find("  -h, --help         显示本说明后退出。\n"), std::string::npos);
}

}  // namespace
