// The installation-directory dialog: its tree, its buttons and the settings file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <string>

#include "core/faces/SettingsFile.h"
#include "gui/faces/FaceWindowFixture.h"
#include "gui/faces/TForm_InstallDir.h"
#include "gui/widgets/DialogSeam.h"
#include "support/PathText.h"
#include "support/TempDir.h"

namespace {

std::vector<unsigned char> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

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
  EXPECT_EQ(dialog.objectName(), QStringLiteral("Form_InstallDir"));
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("选择Velmora的安装目录"));
  EXPECT_EQ(dialog.size(), QSize(265, 320));
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
  QTreeWidget* tree = Tree(dialog);
  EXPECT_EQ(tree->geometry(), QRect(0, 0, 265, 265));
  EXPECT_EQ(tree->indentation(), 19);
  auto* ok = Button(dialog, "Btn_Ok");
  EXPECT_EQ(ok->text(), QStringLiteral("确  定"));
  EXPECT_EQ(ok->geometry(), QRect(32, 272, 80, 25));
  auto* cancel = Button(dialog, "Btn_Cancel");
  EXPECT_EQ(cancel->text(), QStringLiteral("取 消"));
  EXPECT_EQ(cancel->geometry(), QRect(152, 272, 80, 25));
  EXPECT_EQ(Named<QLabel>(dialog, "Label_SelectedPath")->geometry(), QRect(4, 301, 257, 16));

  // Rooted at the computer: the file-system root and the home folder, nothing selected.
  ASSERT_EQ(tree->topLevelItemCount(), 2);
  EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("/"));
  EXPECT_EQ(tree->topLevelItem(1)->text(0), QDir::homePath());
  EXPECT_TRUE(tree->selectedItems().isEmpty());
  EXPECT_EQ(Named<QLabel>(dialog, "Label_SelectedPath")->text(), QString());
  EXPECT_EQ(dialog.InstallPath(), QString());  // no settings file
}

TEST_F(InstallDirDialog, FocusStartsInTheTreeAndTabGoesToTheButtons) {
  TForm_InstallDir dialog;
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  EXPECT_EQ(QApplication::focusWidget(), Tree(dialog));
  for (const char* next : {"Btn_Ok", "Btn_Cancel", "ShellTreeView_InstallDir"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Find(dialog, next)) << next;
  }
}

TEST_F(InstallDirDialog, TreeListsFoldersOnlyWhenOpened) {
  const std::filesystem::path games = temp / "games";
  std::filesystem::create_directories(games / "b" / "inner");
  std::filesystem::create_directories(games / "A");
  std::filesystem::create_directories(games / ".wine");
  WriteBytes(games / "readme.txt", Bytes("x"));

  TForm_InstallDir dialog;
  QTreeWidget* tree = Tree(dialog);
  dialog.SelectFolder(Q(games));
  QTreeWidgetItem* item = tree->currentItem();
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(0), QStringLiteral("games"));
  EXPECT_TRUE(item->isSelected());
  EXPECT_EQ(ShownPath(dialog), Q(games));
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
  dialog.SelectFolder(Q(games / "b" / "inner"));
  EXPECT_EQ(tree->currentItem()->parent(), item->child(1));
  EXPECT_TRUE(item->child(1)->isExpanded());
  // A folder that does not exist leaves the selection alone.
  dialog.SelectFolder(Q(temp / "missing"));
  EXPECT_EQ(ShownPath(dialog), Q(games / "b" / "inner"));

  // The selection's full path, without a trailing separator; under the
  // tree a long one loses its middle.
  tree->setCurrentItem(item->child(1));
  EXPECT_EQ(ShownPath(dialog), Q(games / "b"));
  const QLabel* shown = Named<QLabel>(dialog, "Label_SelectedPath");
  EXPECT_TRUE(shown->text().startsWith(Q(temp.Path()).left(8))) << shown->text().toStdString();
  EXPECT_TRUE(shown->text().endsWith(QStringLiteral("/games/b"))) << shown->text().toStdString();
  EXPECT_LE(shown->fontMetrics().horizontalAdvance(shown->text()), shown->width());
}

TEST_F(InstallDirDialog, RightClickSelectsToo) {
  std::filesystem::create_directories(temp / "games");
  std::filesystem::create_directories(temp / "other");
  TForm_InstallDir dialog;
  QTreeWidget* tree = Tree(dialog);
  dialog.SelectFolder(Q(temp / "other"));
  QTreeWidgetItem* item = tree->currentItem()->parent()->child(0);
  ASSERT_EQ(item->text(0), QStringLiteral("games"));
  dialog.show();
  tree->scrollToItem(item);
  QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, tree->visualItemRect(item).center());
  EXPECT_EQ(ShownPath(dialog), Q(temp / "games"));
}

TEST_F(InstallDirDialog, AFolderWithoutFacesIsTakenOnlyAfterAQuestion) {
  std::filesystem::create_directories(temp / "empty");
  std::filesystem::create_directories(temp / "game" / "GRP");
  WriteBytes(temp / "game" / "GRP" / "GrpFaces.VMR", Bytes("x"));  // any letter case counts
  QStringList questions;
  int answer = 1;  // 取消
  seam::SetQuestionHook([&](const QString& text, const QStringList& buttons) {
    questions.append(text);
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("使用"), QStringLiteral("取消")}));
    return answer;
  });
  TForm_InstallDir dialog;
  dialog.SelectFolder(Q(temp / "empty"));
  ClickOk(dialog);
  EXPECT_EQ(questions, QStringList{QStringLiteral("此文件夹中没有头像文件 grp\\grpfaces.vmr，仍然使用它吗？")});
  EXPECT_NE(dialog.result(), QDialog::Accepted);  // still open
  EXPECT_EQ(dialog.InstallPath(), QString());
  EXPECT_FALSE(std::filesystem::exists(ini));

  answer = 0;  // 使用
  ClickOk(dialog);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.InstallPath(), Q(temp / "empty"));

  TForm_InstallDir withFaces;
  withFaces.SelectFolder(Q(temp / "game"));
  ClickOk(withFaces);
  EXPECT_EQ(questions.size(), 2);  // no question for a game folder
  EXPECT_EQ(withFaces.result(), QDialog::Accepted);
}

TEST_F(InstallDirDialog, UnwritableSettingsFileIsReportedAndThePathStillUsed) {
  std::filesystem::create_directories(temp / "games");
  std::filesystem::create_directory(ini);  // nothing can be created under this name
  TForm_InstallDir dialog;
  dialog.SelectFolder(Q(temp / "games"));
  ClickOk(dialog);
  EXPECT_EQ(messages, QStringList{QStringLiteral("无法创建配置文件")});
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.InstallPath(), Q(temp / "games"));
}

TEST_F(InstallDirDialog, CancelEscapeAndTitleBar) {
  // The stored line keeps its line break.
  WriteBytes(ini, Bytes("/games/velmora\n"));
  {
    TForm_InstallDir dialog;
    dialog.show();
    dialog.close();  // the title bar's close button runs neither handler
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.InstallPath(), QStringLiteral("/games/velmora\n"));
  }
  {
    TForm_InstallDir dialog;
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);  // works the Cancel button
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.InstallPath(), QString());
  }
  {
    TForm_InstallDir dialog;
    Button(dialog, "Btn_Cancel")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.InstallPath(), QString());
  }
  EXPECT_EQ(ReadBytes(ini), Bytes("/games/velmora\n"));
  EXPECT_TRUE(messages.isEmpty());
}
