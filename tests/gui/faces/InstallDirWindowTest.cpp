// The installation-directory dialog, the start-up lookup and the menu command.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <string>

#include "core/faces/FaceArchive.h"
#include "core/faces/SettingsFile.h"
#include "gui/faces/TForm_InstallDir.h"
#include "support/FakeWinePrefix.h"
#include "support/MainWindowControls.h"
#include "support/PathText.h"
#include "support/MainWindowHarness.h"
#include "support/TempDir.h"

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
      form->ShellTreeView_InstallDir->clearSelection();
    } else {
      if (form->RevealFolder(folder) == nullptr) return -1;
      form->SelectFolder(folder);
    }
    form->Btn_Ok->click();
    return form->result();
  };
}

std::function<int(QDialog*)> ClickCancel() {
  return [](QDialog* dialog) {
    auto* form = dynamic_cast<TForm_InstallDir*>(dialog);
    if (form == nullptr) return -1;
    form->Btn_Cancel->click();
    return form->result();
  };
}

class InstallDirDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(program_);
    SetProgramFolder(Q(program_));
    seam::SetMessageHook([this](const seam::Message& m) { messages.push_back(m.text); });
  }
  void TearDown() override {
    seam::ClearHooks();
    SetProgramFolder(QString());
  }

  TempDir temp;
  std::filesystem::path program_ = temp / "program";
  std::filesystem::path ini = program_ / "velmedit.ini";
  QStringList messages;
};

}  // namespace

TEST_F(InstallDirDialog, LooksAsDesigned) {
  TForm_InstallDir dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("选择Velmora的安装目录"));
  EXPECT_EQ(dialog.size(), QSize(265, 320));
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
  QTreeWidget* tree = dialog.findChild<QTreeWidget*>(QStringLiteral("ShellTreeView_InstallDir"));
  ASSERT_EQ(tree, dialog.ShellTreeView_InstallDir);
  EXPECT_EQ(tree->geometry(), QRect(0, 0, 265, 265));
  EXPECT_EQ(tree->indentation(), 19);
  EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("Btn_Ok")), dialog.Btn_Ok);
  EXPECT_EQ(dialog.Btn_Ok->text(), QStringLiteral("确  定"));
  EXPECT_EQ(dialog.Btn_Ok->geometry(), QRect(32, 272, 80, 25));
  EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("Btn_Cancel")), dialog.Btn_Cancel);
  EXPECT_EQ(dialog.Btn_Cancel->text(), QStringLiteral("取 消"));
  EXPECT_EQ(dialog.Btn_Cancel->geometry(), QRect(152, 272, 80, 25));

  // Rooted at the computer: the file-system root and the home folder, nothing selected.
  ASSERT_EQ(tree->topLevelItemCount(), 2);
  EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("/"));
  EXPECT_EQ(tree->topLevelItem(1)->text(0), QDir::homePath());
  EXPECT_TRUE(tree->selectedItems().isEmpty());
  EXPECT_EQ(dialog.SelectedFolder(), QString());
  EXPECT_EQ(dialog.InstallPath, QString());  // no settings file
}

TEST_F(InstallDirDialog, FocusStartsInTheTreeAndTabGoesToTheButtons) {
  TForm_InstallDir dialog;
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  EXPECT_EQ(QApplication::focusWidget(), dialog.ShellTreeView_InstallDir);
  for (QWidget* next : {static_cast<QWidget*>(dialog.Btn_Ok), static_cast<QWidget*>(dialog.Btn_Cancel),
                        static_cast<QWidget*>(dialog.ShellTreeView_InstallDir)}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
  }
}

TEST_F(InstallDirDialog, TreeListsFoldersOnlyWhenOpened) {
  const std::filesystem::path games = temp / "games";
  std::filesystem::create_directories(games / "b" / "inner");
  std::filesystem::create_directories(games / "A");
  std::filesystem::create_directories(games / ".wine");
  WriteBytes(games / "readme.txt", Bytes("x"));

  TForm_InstallDir dialog;
  QTreeWidgetItem* item = dialog.RevealFolder(Q(games));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(0), QStringLiteral("games"));
  ASSERT_EQ(item->childCount(), 0);  // not opened yet
  item->setExpanded(true);
  ASSERT_EQ(item->childCount(), 3);
  // Visible folders by name in any letter case, then hidden ones; no files.
  EXPECT_EQ(item->child(0)->text(0), QStringLiteral("A"));
  EXPECT_EQ(item->child(1)->text(0), QStringLiteral("b"));
  EXPECT_EQ(item->child(2)->text(0), QStringLiteral(".wine"));
  // A folder without subfolders loses its expander once opened.
  item->child(0)->setExpanded(true);
  EXPECT_EQ(item->child(0)->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
  EXPECT_EQ(dialog.RevealFolder(Q(games / "b" / "inner"))->parent(), item->child(1));
  EXPECT_EQ(dialog.RevealFolder(Q(temp / "missing")), nullptr);

  // The selection's full path, without a trailing separator.
  item->child(1)->setSelected(true);
  EXPECT_EQ(dialog.SelectedFolder(), Q(games / "b"));
}

TEST_F(InstallDirDialog, RightClickSelectsToo) {
  std::filesystem::create_directories(temp / "games");
  TForm_InstallDir dialog;
  QTreeWidgetItem* item = dialog.RevealFolder(Q(temp / "games"));
  ASSERT_NE(item, nullptr);
  dialog.show();
  QTreeWidget* tree = dialog.ShellTreeView_InstallDir;
  tree->scrollToItem(item);
  QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, tree->visualItemRect(item).center());
  EXPECT_EQ(dialog.SelectedFolder(), Q(temp / "games"));
}

TEST_F(InstallDirDialog, OkStoresTheSelectedFolder) {
  std::filesystem::create_directories(temp / "Velmora TC");
  WriteBytes(ini, Bytes("/an/older/and/longer/path\n"));
  TForm_InstallDir dialog;
  EXPECT_EQ(dialog.InstallPath, QStringLiteral("/an/older/and/longer/path\n"));
  dialog.RevealFolder(Q(temp / "Velmora TC"))->setSelected(true);
  dialog.Btn_Ok->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.InstallPath, Q(temp / "Velmora TC"));
  // Exactly the path: no trailing separator, no line break.
  EXPECT_EQ(ReadBytes(ini), Bytes((temp / "Velmora TC").string()));
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(InstallDirDialog, AFolderWithoutFacesIsTakenOnlyAfterAQuestion) {
  std::filesystem::create_directories(temp / "empty");
  std::filesystem::create_directories(temp / "game" / "GRP");
  WriteBytes(temp / "game" / "GRP" / "GrpFaces.VMR", Bytes("x"));  // any letter case counts
  QStringList questions;
  int answer = 1;  // 取消
  seam::SetQuestionHook([&](const QString& text, const QStringList&) {
    questions.append(text);
    return answer;
  });
  TForm_InstallDir dialog;
  dialog.SelectFolder(Q(temp / "empty"));
  EXPECT_EQ(dialog.Label_SelectedPath->toolTip(), Q(temp / "empty"));  // the path shows under the tree
  dialog.Btn_Ok->click();
  EXPECT_EQ(questions.size(), 1);
  EXPECT_NE(dialog.result(), QDialog::Accepted);  // still open
  EXPECT_FALSE(std::filesystem::exists(ini));

  answer = 0;  // 使用
  dialog.Btn_Ok->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.InstallPath, Q(temp / "empty"));

  TForm_InstallDir withFaces;
  withFaces.SelectFolder(Q(temp / "game"));
  withFaces.Btn_Ok->click();
  EXPECT_EQ(questions.size(), 2);  // no question for a game folder
  EXPECT_EQ(withFaces.result(), QDialog::Accepted);
}

TEST_F(InstallDirDialog, OkWithNothingSelectedEmptiesTheSettingsFile) {
  WriteBytes(ini, Bytes("/games/velmora"));
  TForm_InstallDir dialog;
  dialog.Btn_Ok->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.InstallPath, QString());
  EXPECT_TRUE(std::filesystem::exists(ini));
  EXPECT_EQ(std::filesystem::file_size(ini), 0u);
}

TEST_F(InstallDirDialog, UnwritableSettingsFileIsReportedAndThePathStillUsed) {
  std::filesystem::create_directories(temp / "games");
  std::filesystem::create_directory(ini);  // nothing can be created under this name
  TForm_InstallDir dialog;
  dialog.RevealFolder(Q(temp / "games"))->setSelected(true);
  dialog.Btn_Ok->click();
  EXPECT_EQ(messages, QStringList{QStringLiteral("无法创建配置文件")});
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.InstallPath, Q(temp / "games"));
}

TEST_F(InstallDirDialog, CancelEscapeAndTitleBar) {
  // The stored line keeps its line break.
  WriteBytes(ini, Bytes("/games/velmora\n"));
  {
    TForm_InstallDir dialog;
    dialog.show();
    dialog.close();  // the title bar's close button runs neither handler
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.InstallPath, QStringLiteral("/games/velmora\n"));
  }
  {
    TForm_InstallDir dialog;
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);  // works the Cancel button
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.InstallPath, QString());
  }
  {
    TForm_InstallDir dialog;
    dialog.Btn_Cancel->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.InstallPath, QString());
  }
  EXPECT_EQ(ReadBytes(ini), Bytes("/games/velmora\n"));
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(InstallDirDialog, WorksFromAnotherWorkingDirectory) {
  std::filesystem::create_directories(temp / "cwd");
  std::filesystem::create_directories(temp / "games");
  WriteBytes(temp / "cwd" / "velmedit.ini", Bytes("/from/the/working/dir"));
  {
    ScopedWorkingDir cwd(temp / "cwd");
    TForm_InstallDir dialog;
    EXPECT_EQ(dialog.InstallPath, QString());
    dialog.RevealFolder(Q(temp / "games"))->setSelected(true);
    dialog.Btn_Ok->click();
  }
  EXPECT_EQ(ReadBytes(ini), Bytes((temp / "games").string()));
  EXPECT_EQ(ReadBytes(temp / "cwd" / "velmedit.ini"), Bytes("/from/the/working/dir"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp / "cwd"), {}), 1);
}

// --- the start-up lookup on the main window ---------------------------------

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
  for (const char* value : {"\"InstallInfo\"=\"\"", "\"InstallInfo\"=dword:00000001", "\"Version\"=\"1\""}) {
    SCOPED_TRACE(value);
    prefix.WriteUserReg(FakeWinePrefix::InstallSection(value));
    EXPECT_EQ(harness.Window().LocateInstallDir(), QString());
  }
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

  // A stored line break stays part of the directory, so the archives are not found.
  WriteBytes(harness.SettingsFile(), Bytes(harness.GameFolder().string() + "\n"));
  EXPECT_EQ(window.LocateInstallDir(), Q(harness.GameFolder()) + "\n");
  EXPECT_EQ(harness.modalDialogs, 0);
}

TEST(InstallDirStartUp, WithNeitherTheDialogAsks) {
  MainWindowHarness harness;
  std::filesystem::remove(harness.SettingsFile());
  QString shownWith = QStringLiteral("not shown");
  harness.modalAnswer = [&](QDialog* dialog) {
    auto* form = dynamic_cast<TForm_InstallDir*>(dialog);
    if (form != nullptr) shownWith = form->InstallPath;
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
    selectedOnOpening = dynamic_cast<TForm_InstallDir&>(*dialog).SelectedFolder();
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
