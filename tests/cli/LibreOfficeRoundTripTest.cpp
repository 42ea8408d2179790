// Exports taken through LibreOffice Calc, a real spreadsheet, and imported
// back: with the filter options the README recommends, with Calc's own
// defaults, edited, saved as GBK, in Windows-1252 (Chinese lost), with
// semicolons and with CR line ends. soffice starts once per set of filter
// options, each time converting all the files that need them.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <sstream>

#include "cli/Subcommands.h"
#include "core/officers/OfficerFile.h"
#include "support/DemoOfficerFile.h"
#include "support/OfficerBytes.h"

namespace {

constexpr char kCsvExport[] = "csv:Text - txt - csv (StarCalc):";
// Import: comma, double quote, UTF-8, from line 1, quoted cells as text,
// no special numbers, formulas not evaluated.
constexpr char kRecommendedImport[] = "CSV:44,34,76,1,,0,true,false,false,false,false,-1,false";
// Export: comma, double quote, UTF-8, every text cell quoted, cells as stored.
constexpr char kRecommendedExport[] = "44,34,76,1,,0,true,true,true";

class LibreOfficeRoundTripTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    soffice_ = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice_.isEmpty()) return;
    dir_ = new TempDir;
    demo_ = new std::vector<unsigned char>(DemoOfficerFile());
    auto formula = *demo_;
    PutBytes(formula, 0, 96, std::string("=1+1\0", 5));  // a reading a spreadsheet would compute
    WriteBytes(Dir() / "demo.vmr", *demo_);
    WriteBytes(Dir() / "formula.vmr", formula);
    std::ostringstream out, err;
    RunCommand({QStringLiteral("export"), Path("demo.vmr"), Path("demo.csv")}, out, err);
    RunCommand({QStringLiteral("export"), Path("formula.vmr"), Path("formula.csv")}, out, err);
    std::string edited = ReadText("demo.csv");
    edited.replace(edited.find("\"767\",\"84\""), 10, "\"767\",\"97\"");  // slot 0's leadership
    WriteText("edited.csv", edited);

    Convert("recommended", kRecommendedImport, kRecommendedExport, {"demo.csv", "edited.csv"});
    Convert("defaults", nullptr, nullptr, {"demo.csv", "formula.csv"});
    Convert("ansi", kRecommendedImport, "44,34,1,1,,0,true,true,true", {"demo.csv"});
    // GBK out, formulas evaluated on the way in.
    Convert("gbk", "CSV:44,34,76,1,,0,true,false,false,false,false,-1,true", "44,34,67,1,,0,true,true,true",
            {"demo.csv", "formula.csv"});
    Convert("semicolon", kRecommendedImport, "59,34,76,1,,0,true,true,true", {"demo.csv"});
    std::string crOnly = ReadText("recommended/demo.csv");
    std::replace(crOnly.begin(), crOnly.end(), '\n', '\r');
    WriteText("cr.csv", crOnly);
  }
  static void TearDownTestSuite() {
    delete dir_;
    delete demo_;
  }

  void SetUp() override {
    if (soffice_.isEmpty()) GTEST_SKIP() << "soffice (Debian: libreoffice-calc-nogui) is not installed";
  }

  static std::filesystem::path Dir() { return dir_->Path(); }
  static QString Path(const std::string& name) { return QString::fromStdString((Dir() / name).string()); }
  static std::string ReadText(const std::string& name) {
    const std::vector<unsigned char> bytes = ReadBytes(Dir() / name);
    return std::string(bytes.begin(), bytes.end());
  }
  static void WriteText(const std::string& name, const std::string& text) {
    WriteBytes(Dir() / name, std::vector<unsigned char>(text.begin(), text.end()));
  }

  // One soffice run converting `files` (CSV to CSV) into the folder `name`.
  static void Convert(const char* name, const char* importOptions, const char* exportOptions,
                      const std::vector<std::string>& files) {
    QStringList arguments{QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(Path("profile")).toString(),
                          QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                          exportOptions ? QString::fromLatin1(kCsvExport) + QString::fromLatin1(exportOptions) : QStringLiteral("csv"),
                          QStringLiteral("--outdir"), Path(name)};
    if (importOptions) arguments << QStringLiteral("--infilter=") + QString::fromLatin1(importOptions);
    for (const std::string& file : files) arguments << Path(file);
    QProcess soffice;
    soffice.start(soffice_, arguments);
    ASSERT_TRUE(soffice.waitForFinished(180000)) << name;
    ASSERT_EQ(soffice.exitCode(), 0) << name << ": " << soffice.readAllStandardError().toStdString();
  }

  // Imports `file` into a fresh copy of `vmr`; the exit code, and what was printed.
  int Import(const std::string& file, const std::string& vmr = "demo.vmr", bool dryRun = false) {
    WriteBytes(Dir() / "TPERSON.VMR", ReadBytes(Dir() / vmr));
    std::filesystem::remove(BackupPathFor(Dir() / "TPERSON.VMR"));
    out.str({});
    err.str({});
    QStringList arguments{QStringLiteral("import"), Path("TPERSON.VMR"), Path(file)};
    if (dryRun) arguments << QStringLiteral("--dry-run");
    return RunCommand(arguments, out, err);
  }

  static inline QString soffice_;
  static inline TempDir* dir_ = nullptr;
  static inline std::vector<unsigned char>* demo_ = nullptr;
  std::ostringstream out, err;
};

// One test, so that ctest's one process per test starts soffice only once per options.
TEST_F(LibreOfficeRoundTripTest, ExportsComeBackAsCalcSavedThem) {
  // Unchanged exports: no change.
  const struct {
    const char* file;
    const char* vmr;
    const char* output;
  } cases[] = {
      {"recommended/demo.csv", "demo.vmr", "没有要改变的内容\n"},
      // Calc's defaults keep the byte order mark inside the first cell.
      {"defaults/demo.csv", "demo.vmr", "没有要改变的内容\n"},
      {"defaults/formula.csv", "formula.vmr", "没有要改变的内容\n"},
      {"gbk/demo.csv", "demo.vmr", "按 GBK 编码读取\n没有要改变的内容\n"},
      {"gbk/formula.csv", "formula.vmr", "按 GBK 编码读取\n没有要改变的内容\n"},
      {"semicolon/demo.csv", "demo.vmr", "以分号分隔\n没有要改变的内容\n"},
      {"cr.csv", "demo.vmr", "没有要改变的内容\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Import(c.file, c.vmr), kExitOk) << c.file << ": " << err.str();
    EXPECT_EQ(out.str(), c.output) << c.file;
    EXPECT_EQ(ReadBytes(Dir() / "TPERSON.VMR"), ReadBytes(Dir() / c.vmr)) << c.file;
  }

  // An edited cell: exactly that change.
  EXPECT_EQ(Import("recommended/edited.csv", "demo.vmr", true), kExitOk) << err.str();
  EXPECT_EQ(out.str(), "650 雷鸣远，统率：84 → 97\n试运行：1 处改变，文件没有改变\n");

  // Chinese lost to a code page: refused, nothing stored.
  const std::string text = ReadText("ansi/demo.csv");
  ASSERT_NE(text.find("\"650\",\"?\",\"??\",\"??\""), std::string::npos);  // 雷 鸣远 子震 in Windows-1252
  EXPECT_EQ(Import("ansi/demo.csv"), kExitFindings);
  EXPECT_NE(err.str().find("第 2 行第 5 列，编号 650，姓（surname）：“?”像是丢失的字"), std::string::npos) << err.str();
  EXPECT_NE(err.str().find("（找到 50 处错误后不再往下检查）\n未导入"), std::string::npos) << err.str();
  EXPECT_EQ(ReadBytes(Dir() / "TPERSON.VMR"), *demo_);
  EXPECT_FALSE(std::filesystem::exists(BackupPathFor(Dir() / "TPERSON.VMR")));
}

}  // namespace
