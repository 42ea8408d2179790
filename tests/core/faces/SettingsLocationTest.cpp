// Where the settings file lives when the program's folder cannot be written.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "core/faces/SettingsFile.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

QString Q(const fs::path& path) { return QString::fromStdString(path.string()); }

std::vector<unsigned char> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// The program's folder, the configuration root (XDG_CONFIG_HOME) and the
// application's name of this test's own, for one scope.
class SettingsPlaces {
 public:
  SettingsPlaces(const fs::path& program, const fs::path& configRoot, const QString& name)
      : oldConfig_(qgetenv("XDG_CONFIG_HOME")), oldName_(QCoreApplication::applicationName()) {
    SetProgramFolder(Q(program));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(configRoot.string()));
    QCoreApplication::setApplicationName(name);
  }
  ~SettingsPlaces() {
    SetProgramFolder(QString());
    qputenv("XDG_CONFIG_HOME", oldConfig_);  // an empty value counts as unset
    QCoreApplication::setApplicationName(oldName_);
  }
  SettingsPlaces(const SettingsPlaces&) = delete;
  SettingsPlaces& operator=(const SettingsPlaces&) = delete;

 private:
  QByteArray oldConfig_;
  QString oldName_;
};

void SetMode(const fs::path& path, fs::perms mode) { fs::permissions(path, mode, fs::perm_options::replace); }

}  // namespace

TEST(SettingsLocation, BesideAWritableProgramTheUsersFolderIsNeverUsed) {
  TempDir temp;
  fs::create_directories(temp / "program");
  fs::create_directories(temp / "config" / "velmedit");
  SettingsPlaces places(temp / "program", temp / "config", QStringLiteral("velmedit"));
  WriteBytes(temp / "config" / "velmedit" / "velmedit.ini", Bytes("/from/the/user/folder"));

  EXPECT_EQ(ReadSettingsFile(), QString());
  ASSERT_TRUE(WriteSettingsFile(QStringLiteral("/games/velmora")));
  EXPECT_EQ(ReadBytes(temp / "program" / "velmedit.ini"), Bytes("/games/velmora"));
  EXPECT_EQ(ReadBytes(temp / "config" / "velmedit" / "velmedit.ini"), Bytes("/from/the/user/folder"));
}

TEST(SettingsLocation, WithoutAProgramFolderToWriteTheUsersFolderTakesOver) {
  // A folder that does not exist cannot be written, whoever runs the test.
  TempDir temp;
  SettingsPlaces places(temp / "missing-program", temp / "config", QStringLiteral("velmedit"));
  const fs::path userIni = temp / "config" / "velmedit" / "velmedit.ini";
  EXPECT_EQ(SettingsFilePath(), Q(userIni));

  EXPECT_EQ(ReadSettingsFile(), QString());  // neither file exists
  // The folder is made on the first write.
  ASSERT_TRUE(WriteSettingsFile(QStringLiteral("/games/velmora")));
  EXPECT_EQ(ReadBytes(userIni), Bytes("/games/velmora"));
  EXPECT_EQ(ReadSettingsFile(), QStringLiteral("/games/velmora"));

  // A configuration folder that cannot be made is reported as before.
  WriteBytes(temp / "config-file", Bytes("in the way"));
  SettingsPlaces blocked(temp / "missing-program", temp / "config-file", QStringLiteral("velmedit"));
  EXPECT_FALSE(WriteSettingsFile(QStringLiteral("/games/velmora")));
  EXPECT_EQ(ReadSettingsFile(), QString());
}

TEST(SettingsLocation, UsersFolderIsNamedAfterTheApplication) {
  TempDir temp;
  {
    SettingsPlaces named(temp / "missing-program", temp / "config", QStringLiteral("velmedit-renamed"));
    EXPECT_EQ(SettingsFilePath(), Q(temp / "config" / "velmedit-renamed" / "velmedit.ini"));
  }
  // Never straight into the configuration root that all programs share.
  SettingsPlaces unnamed(temp / "missing-program", temp / "config", QString());
  EXPECT_EQ(SettingsFilePath(), Q(temp / "config" / "velmedit" / "velmedit.ini"));
}

TEST(SettingsLocation, ReadOnlyProgramFolder) {
  if (geteuid() == 0) GTEST_SKIP() << "folder permissions do not bind the superuser";
  TempDir temp;
  fs::create_directories(temp / "program");
  const fs::path besideIni = temp / "program" / "velmedit.ini";
  WriteBytes(besideIni, Bytes("/left/by/the/installer"));
  SetMode(besideIni, fs::perms::owner_read);
  SetMode(temp / "program", fs::perms::owner_read | fs::perms::owner_exec);
  SettingsPlaces places(temp / "program", temp / "config", QStringLiteral("velmedit"));

  // A file left beside the program counts until the user chooses a folder,
  // which goes to the user's folder and is what is read from then on.
  EXPECT_EQ(ReadSettingsFile(), QStringLiteral("/left/by/the/installer"));
  ASSERT_TRUE(WriteSettingsFile(QStringLiteral("/games/velmora")));
  EXPECT_EQ(ReadBytes(temp / "config" / "velmedit" / "velmedit.ini"), Bytes("/games/velmora"));
  EXPECT_EQ(ReadSettingsFile(), QStringLiteral("/games/velmora"));

  // A writable file in the read-only folder is still written in place.
  SetMode(besideIni, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(WriteSettingsFile(QStringLiteral("/games/other")));
  EXPECT_EQ(ReadBytes(besideIni), Bytes("/games/other"));
  SetMode(temp / "program", fs::perms::owner_all);  // so that it can be removed
}
