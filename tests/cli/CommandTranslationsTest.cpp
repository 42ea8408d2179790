// The commands without a window speak the language of the installed
// translation, placeholders filled, and simplified Chinese without one.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>
#include <sstream>

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

  // Runs the command with the translation `qm` installed ("" for none).
  int Run(const char* qm, const QStringList& arguments) {
    QTranslator translator;
    if (*qm) {
      EXPECT_TRUE(translator.load(QString::fromLatin1(qm)));
      QCoreApplication::installTranslator(&translator);
    }
    out.str({});
    err.str({});
    const int code = RunCommand(arguments, out, err);
    QCoreApplication::removeTranslator(&translator);
    return code;
  }
  QStringList Import() const { return {QStringLiteral("import"), Path(vmr), Path(dir / "over.csv")}; }
  QStringList Check() const { return {QStringLiteral("check"), Path(vmr)}; }
  static QString Path(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

  TempDir dir;
  std::filesystem::path vmr = dir / "TPERSON.VMR";
  std::vector<unsigned char> original;
  std::ostringstream out, err;
};

const char* const kEnglish = ":/i18n/velmedit_en.qm";
const char* const kTraditional = ":/i18n/velmedit_zh_TW.qm";

TEST_F(CommandTranslations, ImportRefusalInEachLanguageLeavesTheFileAlone) {
  EXPECT_EQ(Run(kEnglish, Import()), kExitFindings);
  EXPECT_EQ(err.str(),
            "line 2 column 4, number 650, War (war): 70000 is outside 0–65535\n"
            "Not imported: 1 error(s); the file is unchanged\n");
  EXPECT_EQ(Run(kTraditional, Import()), kExitFindings);
  EXPECT_EQ(err.str(), "第 2 行第 4 欄，編號 650，武力（war）：70000 超出範圍 0–65535\n未匯入：有 1 處錯誤，檔案沒有改變\n");
  EXPECT_EQ(Run("", Import()), kExitFindings);
  EXPECT_EQ(err.str(), "第 2 行第 4 列，编号 650，武力（war）：70000 超出范围 0–65535\n未导入：有 1 处错误，文件没有改变\n");
  EXPECT_EQ(ReadBytes(vmr), original);
}

TEST_F(CommandTranslations, CheckWarningInEachLanguage) {
  EXPECT_EQ(Run(kEnglish, Check()), kExitFindings);
  EXPECT_EQ(out.str(), "650 LiWu, War (warning): Ability 120 is above 99\nProblems found: 1\n");
  EXPECT_EQ(Run(kTraditional, Check()), kExitFindings);
  EXPECT_EQ(out.str(), "650 LiWu，武力（提醒）：能力 120 超過 99\n發現 1 處問題\n");
  EXPECT_EQ(Run("", Check()), kExitFindings);
  EXPECT_EQ(out.str(), "650 LiWu，武力（提醒）：能力 120 超过 99\n发现 1 处问题\n");

  // A name holding a placeholder stays as it is.
  const std::string missing = (dir / "a%2b.VMR").string();
  EXPECT_EQ(Run(kEnglish, {QStringLiteral("check"), QString::fromStdString(missing)}), kExitError);
  EXPECT_EQ(err.str(), "Cannot open file “" + missing + "”: No such file or directory\n");
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
  EXPECT_EQ(Run("", help), kExitOk);
  EXPECT_EQ(out.str().substr(0, out.str().find('\n') + 1), "用法：velmedit diff A.VMR B.VMR [--force]\n");
  EXPECT_NE(out.str().find("  -h, --help         显示本说明后退出。\n"), std::string::npos);
}

}  // namespace
