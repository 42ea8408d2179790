// The registry lookup under Wine and the settings file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <filesystem>
#include <optional>
#include <string>

#include "core/faces/InstallRegistry.h"
#include "core/faces/SettingsFile.h"
#include "support/FakeWinePrefix.h"
#include "support/TempDir.h"

namespace {

const QStringView kKey(kInstallKey);
const QStringView kValue(kInstallValue);

std::optional<QString> Lookup(const std::string& userReg) {
  return wine::RegistryValue(QByteArray::fromStdString(userReg), kKey, kValue);
}

QString Q(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

QString Canonical(const std::filesystem::path& path) { return QFileInfo(Q(path)).canonicalFilePath(); }

std::vector<unsigned char> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// Sets an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QByteArray* value) : name_(name), had_(qEnvironmentVariableIsSet(name)) {
    if (had_) old_ = qgetenv(name);
    if (value)
      qputenv(name, *value);
    else
      qunsetenv(name);
  }
  ~ScopedEnv() {
    if (had_)
      qputenv(name_, old_);
    else
      qunsetenv(name_);
  }

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

// ProgramFolder() answers a folder of the test's own for one scope.
class ScopedProgramFolder {
 public:
  explicit ScopedProgramFolder(const std::filesystem::path& dir) { SetProgramFolder(Q(dir)); }
  ~ScopedProgramFolder() { SetProgramFolder(QString()); }
};

}  // namespace

TEST(WineRegistry, ReadsTheInstallValueAsWineWritesIt) {
  const std::string section = FakeWinePrefix::InstallSection(
      "@=\"C:\\\\Default\"\n"
      "\"Other\"=\"D:\\\\Other\"\n"
      "\"InstallInfo\"=\"C:\\\\Program Files\\\\Orvane\\\\Velmora TC\\\\\"\n");
  EXPECT_EQ(Lookup(section), QStringLiteral("C:\\Program Files\\Orvane\\Velmora TC\\"));

  // Keys and value names are matched in any letter case, as Windows does;
  // Windows line breaks in the file do no harm.
  EXPECT_EQ(Lookup("[software\\\\ORVANE\\\\velmora tc\\\\install] 1\r\n\"installinfo\"=\"C:\\\\Game\"\r\n"),
            QStringLiteral("C:\\Game"));

  // Neighbouring keys with the same value name are not the game's key.
  const std::string neighbours =
      "[Software\\\\Orvane\\\\Velmora TC] 1\n\"InstallInfo\"=\"C:\\\\Parent\"\n\n"
      "[Software\\\\Orvane\\\\Velmora TC\\\\Install2] 1\n\"InstallInfo\"=\"C:\\\\Sibling\"\n\n";
  EXPECT_EQ(Lookup(neighbours), std::nullopt);
  EXPECT_EQ(Lookup(neighbours + FakeWinePrefix::InstallSection("\"InstallInfo\"=\"C:\\\\Right\"")),
            QStringLiteral("C:\\Right"));
}

TEST(WineRegistry, UndoesWinesEscapes) {
  // Non-ASCII characters as \x escapes of UTF-16 units, padded to four
  // digits only when a hex digit follows; surrogate pairs as two escapes.
  EXPECT_EQ(Lookup(FakeWinePrefix::InstallSection("\"InstallInfo\"=\"D:\\\\\\x6e38\\x620f\\\\caf\\xe9\\\\\\x00e9a\"")),
            QString::fromUtf8("D:\\游戏\\café\\éa"));
  EXPECT_EQ(Lookup(FakeWinePrefix::InstallSection("\"InstallInfo\"=\"C:\\\\\\xd83c\\xdfae\"")),
            QString::fromUtf8("C:\\\xF0\x9F\x8E\xAE"));
  // Quotes, C escapes and octal escapes; the text ends at a zero.
  EXPECT_EQ(Lookup(FakeWinePrefix::InstallSection("\"InstallInfo\"=\"C:\\\\a\\\"b\\tc\\101\\0rest\"")),
            QStringLiteral("C:\\a\"b\tcA"));
  // A bracket escaped inside a key name.
  EXPECT_EQ(wine::RegistryValue("[Software\\\\Odd\\]Key] 1\n\"V\"=\"x\"\n", u"Software\\Odd]Key", u"V"),
            QStringLiteral("x"));
}

TEST(WineRegistry, KeyWithoutUsableTextGivesEmptyDirectory) {
  // Present key, missing value; and a key that only shows through its subkey.
  EXPECT_EQ(Lookup(FakeWinePrefix::InstallSection("\"Version\"=\"1.0\"")), QString());
  EXPECT_EQ(Lookup("[Software\\\\Orvane\\\\Velmora TC\\\\Install\\\\Patch] 1\n\"InstallInfo\"=\"C:\\\\No\"\n"),
            QString());
  // Empty text and values that are not text.
  for (const char* data : {"\"\"", "dword:00000001", "hex:43,00,3a,00", "str(7):\"C:\\\\One\\0C:\\\\Two\\0\"",
                           "hex(4):01,00,00,00", "hex(7):43,00,00,00,00,00"}) {
    SCOPED_TRACE(data);
    const std::optional<QString> value = Lookup(FakeWinePrefix::InstallSection(std::string("\"InstallInfo\"=") + data));
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, QString());
  }
  // Text types Wine writes in other forms: an unexpanded REG_EXPAND_SZ, and a
  // string without its terminating zero as UTF-16LE bytes over continued lines.
  EXPECT_EQ(Lookup(FakeWinePrefix::InstallSection("\"InstallInfo\"=str(2):\"%GAMES%\\\\Velmora\"")),
            QStringLiteral("%GAMES%\\Velmora"));
  EXPECT_EQ(Lookup(FakeWinePrefix::InstallSection("\"InstallInfo\"=hex(1):43,00,3a,00,5c,00,\\\n  47,00,00,00,58,00")),
            QStringLiteral("C:\\G"));
  EXPECT_EQ(Lookup(FakeWinePrefix::InstallSection("\"InstallInfo\"=hex(1):")), QString());
  // A binary value running over continuation lines before the wanted value.
  EXPECT_EQ(Lookup(FakeWinePrefix::InstallSection("\"Blob\"=hex:22,49,6e,73,\\\n  22,3d,22,00\n\"InstallInfo\"=\"E:\\\\V\"")),
            QStringLiteral("E:\\V"));
  EXPECT_EQ(Lookup(""), std::nullopt);
}

TEST(WineRegistry, WindowsPathsFollowTheDriveLinks) {
  TempDir temp;
  FakeWinePrefix prefix(temp / "prefix");
  std::filesystem::create_directories(prefix.DriveC() / "Program Files" / "Orvane" / "Velmora TC");
  std::filesystem::create_directories(temp / "games" / "Velmora");
  std::filesystem::create_directory_symlink(temp / "games", prefix.Root() / "dosdevices" / "D:");
  const QString root = Q(prefix.Root());
  const QString installed = Canonical(prefix.DriveC() / "Program Files" / "Orvane" / "Velmora TC");

  EXPECT_EQ(wine::UnixPath(root, QStringLiteral("C:\\Program Files\\Orvane\\Velmora TC")), installed);
  // Drive letters and folder names in any letter case, trailing separators,
  // forward slashes, and ".." that cannot climb above the drive.
  EXPECT_EQ(wine::UnixPath(root, QStringLiteral("c:\\PROGRAM FILES\\orvane\\velmora tc\\")), installed);
  EXPECT_EQ(wine::UnixPath(root, QStringLiteral("C:/..\\..\\Program Files/./Orvane\\Velmora TC")), installed);
  EXPECT_EQ(wine::UnixPath(root, QStringLiteral("d:\\velmora")), Canonical(temp / "games" / "Velmora"));
  EXPECT_EQ(wine::UnixPath(root, QStringLiteral("C:\\")), Canonical(prefix.DriveC()));
  // Folders that do not exist keep their spelling; an unmapped drive stays
  // inside the prefix, where the archives are simply not found.
  EXPECT_EQ(wine::UnixPath(root, QStringLiteral("C:\\Missing\\Game")), Canonical(prefix.DriveC()) + "/Missing/Game");
  EXPECT_EQ(wine::UnixPath(root, QStringLiteral("Q:\\Game")), root + "/dosdevices/q:/Game");
  EXPECT_EQ(wine::UnixPath(root, QStringLiteral("\\\\server\\share\\Game")), root + "/dosdevices/unc/server/share/Game");
  EXPECT_EQ(wine::UnixPath(root, QString()), QString());
}

TEST(WineRegistry, ReadsTheCurrentPrefix) {
  TempDir temp;
  FakeWinePrefix prefix(temp / "prefix");
  std::filesystem::create_directories(prefix.DriveC() / "Games" / "Velmora");
  const QByteArray prefixEnv = QByteArray::fromStdString(prefix.Root().string());
  ScopedEnv winePrefix("WINEPREFIX", &prefixEnv);

  EXPECT_EQ(ReadRegistryInstallDir(), std::nullopt);  // no user.reg at all
  prefix.WriteUserReg("");
  EXPECT_EQ(ReadRegistryInstallDir(), std::nullopt);
  prefix.WriteUserReg(FakeWinePrefix::InstallSection("\"InstallInfo\"=\"C:\\\\Games\\\\Velmora\""));
  EXPECT_EQ(ReadRegistryInstallDir(), Canonical(prefix.DriveC() / "Games" / "Velmora"));
  prefix.WriteUserReg(FakeWinePrefix::InstallSection("\"InstallInfo\"=\"\""));
  EXPECT_EQ(ReadRegistryInstallDir(), QString());

  // Without WINEPREFIX the prefix is ~/.wine.
  const QByteArray home = QByteArray::fromStdString(temp.Path().string());
  ScopedEnv unsetPrefix("WINEPREFIX", nullptr);
  ScopedEnv fakeHome("HOME", &home);
  EXPECT_EQ(wine::PrefixFolder(), Q(temp / ".wine"));
}

TEST(SettingsFile, FirstLineAsTheProgramReadsIt) {
  EXPECT_EQ(FirstSettingsLine(""), QByteArray());
  EXPECT_EQ(FirstSettingsLine("/games/velmora"), QByteArray("/games/velmora"));
  // The line break stays part of the text; what follows it is not read.
  EXPECT_EQ(FirstSettingsLine("/games/velmora\n/other\n"), QByteArray("/games/velmora\n"));
  EXPECT_EQ(FirstSettingsLine("C:\\Velmora\r\nmore"), QByteArray("C:\\Velmora\r\n"));
  EXPECT_EQ(FirstSettingsLine(QByteArray("/games\0/hidden", 14)), QByteArray("/games"));
  // At most 254 bytes, also when the line break comes later.
  const QByteArray longLine(300, 'a');
  EXPECT_EQ(FirstSettingsLine(longLine + "\n"), QByteArray(254, 'a'));
  EXPECT_EQ(FirstSettingsLine(QByteArray(253, 'b') + "\nx"), QByteArray(253, 'b') + "\n");
  EXPECT_EQ(FirstSettingsLine(QByteArray(254, 'b') + "\nx"), QByteArray(254, 'b'));
}

TEST(SettingsFile, ReadAndWrittenBesideTheProgram) {
  TempDir temp;
  std::filesystem::create_directories(temp / "program");
  ScopedProgramFolder program(temp / "program");
  const std::filesystem::path ini = temp / "program" / "velmedit.ini";
  EXPECT_EQ(SettingsFilePath(), Q(ini));

  EXPECT_EQ(ReadSettingsFile(), QString());  // no file yet

  // The path in UTF-8, no line break, replacing a longer old content.
  WriteBytes(ini, Bytes("/an/older/and/much/longer/path\n"));
  ASSERT_TRUE(WriteSettingsFile(QString::fromUtf8("/游戏/Velmora TC")));
  EXPECT_EQ(ReadBytes(ini), Bytes("/\xE6\xB8\xB8\xE6\x88\x8F/Velmora TC"));
  EXPECT_EQ(ReadSettingsFile(), QString::fromUtf8("/游戏/Velmora TC"));

  ASSERT_TRUE(WriteSettingsFile(QString()));
  EXPECT_TRUE(std::filesystem::exists(ini));
  EXPECT_EQ(std::filesystem::file_size(ini), 0u);
  EXPECT_EQ(ReadSettingsFile(), QString());

  WriteBytes(ini, Bytes("/games/velmora\n"));
  EXPECT_EQ(ReadSettingsFile(), QStringLiteral("/games/velmora\n"));

  // A settings file that may be read but not written still gives its directory.
  std::filesystem::permissions(ini, std::filesystem::perms::owner_read, std::filesystem::perm_options::replace);
  EXPECT_EQ(ReadSettingsFile(), QStringLiteral("/games/velmora\n"));
  std::filesystem::permissions(ini, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::replace);

  // A settings file that cannot be created is reported.
  std::filesystem::remove(ini);
  std::filesystem::create_directory(ini);
  EXPECT_FALSE(WriteSettingsFile(QStringLiteral("/games/velmora")));
  EXPECT_EQ(ReadSettingsFile(), QString());
}

TEST(SettingsFile, IgnoresTheWorkingDirectory) {
  TempDir temp;
  std::filesystem::create_directories(temp / "elsewhere");
  ScopedWorkingDir elsewhere(temp / "elsewhere");

  // Without an override the folder is the running executable's, wherever we run from.
  const QString executableFolder =
      QFileInfo(QString::fromStdString(std::filesystem::read_symlink("/proc/self/exe").string())).absolutePath();
  EXPECT_EQ(ProgramFolder(), executableFolder);
  EXPECT_EQ(SettingsFilePath(), executableFolder + "/velmedit.ini");

  std::filesystem::create_directories(temp / "program");
  ScopedProgramFolder program(temp / "program");
  WriteBytes(temp / "elsewhere" / "velmedit.ini", Bytes("/from/working/dir"));
  EXPECT_EQ(ReadSettingsFile(), QString());
  ASSERT_TRUE(WriteSettingsFile(QStringLiteral("/games/velmora")));
  EXPECT_EQ(ReadBytes(temp / "program" / "velmedit.ini"), Bytes("/games/velmora"));
  EXPECT_EQ(ReadBytes(temp / "elsewhere" / "velmedit.ini"), Bytes("/from/working/dir"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp / "elsewhere"), {}), 1);
}
