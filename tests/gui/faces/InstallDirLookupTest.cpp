// The installation directory on the main window: the start-up lookup and
// the menu command 选择Velmora安装目录.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <filesystem>
#include <functional>
#include <string>

#include "core/faces/FaceArchive.h"
#include "gui/faces/FaceWindowFixture.h"
#include "gui/faces/TForm_InstallDir.h"
#include "support/FakeWinePrefix.h"
#include "support/MainWindowControls.h"
#include "support/MainWindowHarness.h"
#include "support/PathText.h"

namespace {

std::vector<unsigned char> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// A game folder with both face archives (their content does not matter here).
void MakeGame(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder / "grp");
  WriteBytes(folder / "grp" / "grpfaces.vmr", {});
  WriteBytes(folder / "grp" / "grpaface.vmr", {});
}

QString MainArchiveFolder(TForm_Main& window) {
  if (!window.FaceArchives().Main()) return QString();
  return QFileInfo(Q(window.FaceArchives().Main()->Path().parent_path().parent_path())).canonicalFilePath();
}

QString Canonical(const std::filesystem::path& path) { return QFileInfo(Q(path)).canonicalFilePath(); }

// Answers the dialog by selecting `folder` (none when empty) and clicking OK.
std::function<int(QDialog*)> ChooseFolder(const QString& folder) {
  return [folder](QDialog* dialog) {
    auto* form = dynamic_cast<TForm_InstallDir*>(dialog);
    if (form == nullptr) return static_cast<int>(QDialog::Rejected);
    if (folder.isEmpty()) {
      Tree(*form)->clearSelection();
    } else {
      form->SelectFolder(folder);
      if (ShownPath(*form) != folder) return -1;
    }
    ClickOk(*form);
    return form->result();
  };
}

std::function<int(QDialog*)> ClickCancel() {
  return [](QDialog* dialog) {
    Button(*dialog, "Btn_Cancel")->click();
    return dialog->result();
  };
}

}  // namespace

TEST(InstallDirStartUp, RegistryKeyWithValueWins) {
  MainWindowHarness harness;
  FakeWinePrefix prefix(harness.WinePrefix());
  MakeGame(prefix.DriveC() / "Games" / "Velmora");
  MakeGame(harness.GameFolder());  // named by the settings file, which is not consulted
  prefix.WriteUserReg(FakeWinePrefix::InstallSection("\"InstallInfo\"=\"C:\\\\Games\\\\Velmora\""));

  TForm_Main& window = harness.Window();
  EXPECT_EQ(harness.modalDialogs, 0);
  EXPECT_EQ(MainArchiveFolder(window), Canonical(prefix.DriveC() / "Games" / "Velmora"));
  EXPECT_NE(window.FaceArchives().Added(), nullptr);
  EXPECT_TRUE(harness.messages.empty());
}

TEST(InstallDirStartUp, RegistryKeyWithEmptyValueIgnoresTheSettingsFile) {
  MainWindowHarness harness;
  FakeWinePrefix prefix(harness.WinePrefix());
  MakeGame(harness.GameFolder());
  prefix.WriteUserReg(FakeWinePrefix::InstallSection("\"InstallInfo\"=dword:00000001"));
  EXPECT_EQ(harness.Window().LocateInstallDir(), QString());
  EXPECT_EQ(harness.modalDialogs, 0);
  EXPECT_EQ(harness.Window().FaceArchives().Main(), nullptr);  // looked for under the root folder
  EXPECT_TRUE(harness.messages.empty());
}

TEST(InstallDirStartUp, WithoutTheKeyTheSettingsFileDecides) {
  MainWindowHarness harness;
  FakeWinePrefix prefix(harness.WinePrefix());
  prefix.WriteUserReg("[Software\\\\Orvane\\\\Velmora TC\\\\Other] 1\n\"InstallInfo\"=\"C:\\\\\"\n");
  MakeGame(harness.GameFolder());

  TForm_Main& window = harness.Window();
  EXPECT_EQ(harness.modalDialogs, 0);
  EXPECT_EQ(MainArchiveFolder(window), Canonical(harness.GameFolder()));
  EXPECT_EQ(window.LocateInstallDir(), Q(harness.GameFolder()));
}

TEST(InstallDirStartUp, WithNeitherTheDialogAsks) {
  MainWindowHarness harness;
  std::filesystem::remove(harness.SettingsFile());
  QString shownWith = QStringLiteral("not shown");
  harness.modalAnswer = [&](QDialog* dialog) {
    auto* form = dynamic_cast<TForm_InstallDir*>(dialog);
    if (form != nullptr) shownWith = form->InstallPath();
    return ClickCancel()(dialog);
  };
  TForm_Main& window = harness.Window();
  EXPECT_EQ(harness.modalDialogs, 1);
  EXPECT_EQ(shownWith, QString());
  EXPECT_EQ(window.FaceArchives().Main(), nullptr);
  EXPECT_TRUE(harness.messages.empty());  // no message at start-up
  EXPECT_FALSE(std::filesystem::exists(harness.SettingsFile()));

  // An empty settings file counts as none; OK stores the choice.
  WriteBytes(harness.SettingsFile(), {});
  harness.modalAnswer = ChooseFolder(Q(harness.GameFolder()));
  EXPECT_EQ(window.LocateInstallDir(), Q(harness.GameFolder()));
  EXPECT_EQ(harness.modalDialogs, 2);
  EXPECT_EQ(ReadBytes(harness.SettingsFile()), Bytes(harness.GameFolder().string()));
}

// --- the menu command ---------------------------------------------------------

TEST(InstallDirMenu, ChoosingADirectoryReopensTheArchives) {
  MainWindowHarness harness;
  MakeGame(harness.GameFolder());
  const std::filesystem::path other = harness.GameFolder().parent_path() / "other game";
  MakeGame(other);
  TForm_Main& window = harness.Window();
  ASSERT_EQ(MainArchiveFolder(window), Canonical(harness.GameFolder()));

  // Shown even though the settings file holds a directory.
  harness.modalAnswer = ChooseFolder(Q(other));
  Action(window, "X1")->trigger();
  EXPECT_EQ(harness.modalDialogs, 1);
  EXPECT_EQ(MainArchiveFolder(window), Canonical(other));
  EXPECT_NE(window.FaceArchives().Added(), nullptr);
  EXPECT_EQ(ReadBytes(harness.SettingsFile()), Bytes(other.string()));
  EXPECT_TRUE(harness.messages.empty());

  // Closed by the title bar: the settings file's directory.
  harness.modalAnswer = nullptr;
  Action(window, "X1")->trigger();
  EXPECT_EQ(MainArchiveFolder(window), Canonical(other));
  EXPECT_TRUE(harness.messages.empty());
}

TEST(InstallDirMenu, CancelKeepsTheArchivesAndOkWithoutAFolderClosesThem) {
  const QString warning = QStringLiteral("无法定位安装路径,可能无法显示头像!");
  MainWindowHarness harness;
  MakeGame(harness.GameFolder());
  TForm_Main& window = harness.Window();
  ASSERT_NE(window.FaceArchives().Main(), nullptr);

  // The dialog opens on the folder in use; Cancel leaves everything as it was.
  QString selectedOnOpening;
  harness.modalAnswer = [&](QDialog* dialog) {
    selectedOnOpening = ShownPath(*dialog);
    return ClickCancel()(dialog);
  };
  Action(window, "X1")->trigger();
  EXPECT_EQ(QFileInfo(selectedOnOpening).canonicalFilePath(), Canonical(harness.GameFolder()));
  EXPECT_TRUE(harness.messages.empty());
  EXPECT_NE(window.FaceArchives().Main(), nullptr);
  EXPECT_NE(window.FaceArchives().Added(), nullptr);
  EXPECT_EQ(ReadBytes(harness.SettingsFile()), Bytes(harness.GameFolder().string()));

  // OK with nothing selected: an empty settings file and the warning.
  harness.modalAnswer = ChooseFolder(QString());
  Action(window, "X1")->trigger();
  EXPECT_EQ(harness.messages.size(), 1u);
  EXPECT_EQ(harness.messages.back().text, warning);
  EXPECT_EQ(std::filesystem::file_size(harness.SettingsFile()), 0u);
  EXPECT_EQ(window.FaceArchives().Main(), nullptr);
}
