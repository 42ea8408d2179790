// Where the settings file lives when the program's folder cannot be written.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/faces/SettingsFile.h"
#include "support/TempDir.h"

namespace {

QString Q(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

std::vector<unsigned char> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// The program's folder, the user's configuration root (XDG_CONFIG_HOME) and
// the application's name, all of this test's own for one scope.
class SettingsPlaces {
 public:
  SettingsPlaces(const std::filesystem::path& program, const std::filesystem::path& configRoot, const QString& name)
      : hadConfig_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")),
        oldConfig_(qgetenv("XDG_CONFIG_HOME")),
        oldName_(QCoreApplication::applicationName()) {
    SetProgramFolder(Q(program));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(configRoot.string()));
    QCoreApplication::setApplicationName(name);
  }
  ~SettingsPlaces() {
    SetProgramFolder(QString());
    if (hadConfig_)
      qputenv("XDG_CONFIG_HOME", oldConfig_);
    else
      qunsetenv("XDG_CONFIG_HOME");
    QCoreApplication::setApplicationName(oldName_);
  }
  SettingsPlaces(const SettingsPlaces&) = delete;
  SettingsPlaces& operator=(const SettingsPlaces&) = delete;

 private:
  bool hadConfig_;
  QByteArray oldConfig_;
  QString oldName_;
};

bool RunningAsRoot() { return geteuid() == 0; }

// Gives a folder back to its owner at the end of a scope, so it can be removed.
class ScopedReadOnlyFolder {
 public:
  explicit ScopedReadOnlyFolder(std::filesystem::path folder) : folder_(std::move(folder)) {
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::replace);
  }
  ~ScopedReadOnlyFolder() {
    std::error_code ec;
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, std::filesystem::perm_options::replace, ec);
  }
  ScopedReadOnlyFolder(const ScopedReadOnlyFolder&) = delete;
  ScopedReadOnlyFolder& operator=(const ScopedReadOnlyFolder&) = delete;

 private:
  std::filesystem::path folder_;
};

}  // namespace

TEST(SettingsLocation, BesideAWritableProgramTheUsersFolderIsNeverUsed) {
  TempDir temp;
  std::filesystem::create_directories(temp / "program");
  std::filesystem::create_directories(temp / "config" / "velmedit");
  SettingsPlaces places(temp / "program", temp / "config", QStringLiteral("velmedit"));
  WriteBytes(temp / "config" / "velmedit" / "velmedit.ini", Bytes("/from/the/user/folder"));

  EXPECT_EQ(SettingsFilePath(), Q(temp / "program" / "velmedit.ini"));
  EXPECT_EQ(ReadSettingsFile(), QString());
  ASSERT_TRUE(WriteSettingsFile(QStringLiteral("/games/velmora")));
  EXPECT_EQ(ReadBytes(temp / "program" / "velmedit.ini"), Bytes("/games/velmora"));
  EXPECT_EQ(ReadSettingsFile(), QStringLiteral("/games/velmora"));
  EXPECT_EQ(ReadBytes(temp / "config" / "velmedit" / "velmedit.ini"), Bytes("/from/the/user/folder"));
}

TEST(SettingsLocation, WithoutAProgramFolderToWriteTheUsersFolderTakesOver) {
  // A folder that does not exist cannot be written, whoever runs the test.
  TempDir temp;
  SettingsPlaces places(temp / "missing-program", temp / "config", QStringLiteral("velmedit"));
  const std::filesystem::path userIni = temp / "config" / "velmedit" / "velmedit.ini";
  EXPECT_EQ(UserSettingsFolder(), Q(temp / "config" / "velmedit"));
  EXPECT_EQ(SettingsFilePath(), Q(userIni));

  EXPECT_EQ(ReadSettingsFile(), QString());  // neither file exists
  // The configuration folder is made on the first write; the file keeps its
  // one-line form there.
  ASSERT_TRUE(WriteSettingsFile(QString::fromUtf8("/游戏/Velmora TC")));
  EXPECT_EQ(ReadBytes(userIni), Bytes("/\xE6\xB8\xB8\xE6\x88\x8F/Velmora TC"));
  EXPECT_EQ(ReadSettingsFile(), QString::fromUtf8("/游戏/Velmora TC"));
  WriteBytes(userIni, Bytes("/games/velmora\nsecond line"));
  EXPECT_EQ(ReadSettingsFile(), QStringLiteral("/games/velmora\n"));
  EXPECT_FALSE(std::filesystem::exists(temp / "missing-program"));

  // A configuration folder that cannot be made is reported as before.
  WriteBytes(temp / "config-file", Bytes("in the way"));
  SettingsPlaces blocked(temp / "missing-program", temp / "config-file", QStringLiteral("velmedit"));
  EXPECT_FALSE(WriteSettingsFile(QStringLiteral("/games/velmora")));
  EXPECT_EQ(ReadSettingsFile(), QString());
}

TEST(SettingsLocation, UsersFolderIsNamedAfterTheApplication) {
  TempDir temp;
  {
    SettingsPlaces places(temp / "missing-program", temp / "config", QStringLiteral("velmedit-renamed"));
    EXPECT_EQ(SettingsFilePath(), Q(temp / "config" / "velmedit-renamed" / "velmedit.ini"));
  }
  // Never straight into the configuration root that all programs share.
  SettingsPlaces unnamed(temp / "missing-program", temp / "config", QString());
  EXPECT_EQ(SettingsFilePath(), Q(temp / "config" / "velmedit" / "velmedit.ini"));
}

TEST(SettingsLocation, ReadOnlyProgramFolder) {
  if (RunningAsRoot()) GTEST_SKIP() << "folder permissions do not bind the superuser";
  TempDir temp;
  std::filesystem::create_directories(temp / "program");
  const std::filesystem::path besideIni = temp / "program" / "velmedit.ini";
  const std::filesystem::path userIni = temp / "config" / "velmedit" / "velmedit.ini";
  WriteBytes(besideIni, Bytes("/left/by/the/installer"));
  std::filesystem::permissions(besideIni, std::filesystem::perms::owner_read, std::filesystem::perm_options::replace);
  ScopedReadOnlyFolder readOnly(temp / "program");
  SettingsPlaces places(temp / "program", temp / "config", QStringLiteral("velmedit"));

  // A file left beside the program counts until the user chooses a folder...
  EXPECT_EQ(SettingsFilePath(), Q(userIni));
  EXPECT_EQ(ReadSettingsFile(), QStringLiteral("/left/by/the/installer"));
  // ...which goes to the user's folder and is what is read from then on.
  ASSERT_TRUE(WriteSettingsFile(QStringLiteral("/games/velmora")));
  EXPECT_EQ(ReadSettingsFile(), QStringLiteral("/games/velmora"));
  EXPECT_EQ(ReadBytes(besideIni), Bytes("/left/by/the/installer"));

  // A writable file in the read-only folder is still written in place.
  std::filesystem::permissions(besideIni, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::replace);
  EXPECT_EQ(SettingsFilePath(), Q(besideIni));
  ASSERT_TRUE(WriteSettingsFile(QStringLiteral("/games/other")));
  EXPECT_EQ(ReadBytes(besideIni), Bytes("/games/other"));
}
