// The file commands of the main window as a player uses them: open, reload,
// save, exit, and what happens with no file or a bad one.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "core/editor/PanelSession.h"
#include "core/officers/OfficerFile.h"
#include "support/WindowWithFile.h"

namespace {

using FileCommandsTest = WindowWithFile;

TEST_F(FileCommandsTest, OpenLoadsTheChosenFile) {
  harness.openAnswers.push_back(Q(file));
  Action(harness.Window(), "Menu_Open")->trigger();
  EXPECT_EQ(harness.Window().Document().FilePath(), Q(file));
  EXPECT_EQ(harness.Window().Document().Table()[0].Wuli, 77);
  EXPECT_TRUE(harness.messages.empty());
}

TEST_F(FileCommandsTest, CancellingTheOpenDialogKeepsEverything) {
  TForm_Main& w = harness.Window();
  w.OpenOfficerFile(Q(file));
  w.Session().SelectSlot(5);
  const OfficerTable before = w.Document().Table();
  Action(w, "Menu_Open")->trigger();  // no answer queued: cancel
  EXPECT_EQ(harness.openDialogs, 1);
  EXPECT_EQ(w.Document().FilePath(), Q(file));
  EXPECT_EQ(w.Document().Table(), before);
  EXPECT_EQ(w.Session().CurrentSlot(), 5);
}

TEST_F(FileCommandsTest, ReloadWithoutAFileAsksForOne) {
  TForm_Main& w = harness.Window();
  Action(w, "R1")->trigger();
  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_EQ(harness.messages[0].text, QStringLiteral("请先打开一个存档文件！"));
  EXPECT_EQ(harness.messages[0].kind, seam::MessageKind::Plain);
  EXPECT_EQ(harness.openDialogs, 1);
  EXPECT_TRUE(w.Document().FilePath().isEmpty());
  EXPECT_EQ(w.Document().Table(), OfficerTable{});
}

TEST_F(FileCommandsTest, SaveWithoutAFileOpensTheChosenOneAndWritesNothing) {
  TForm_Main& w = harness.Window();
  const auto before = ReadBytes(file);
  harness.openAnswers.push_back(Q(file));
  Action(w, "Menu_Save")->trigger();
  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_EQ(harness.messages[0].text, QStringLiteral("请先打开新武将登陆文件！"));
  EXPECT_EQ(w.Document().FilePath(), Q(file));
  EXPECT_EQ(w.Document().Table()[0].Wuli, 77);
  EXPECT_EQ(ReadBytes(file), before);
  EXPECT_FALSE(std::filesystem::exists(BackupPathFor(file)));
}

TEST_F(FileCommandsTest, AShortFileIsRefusedAndTheOpenFileStays) {
  TForm_Main& w = harness.Window();
  w.OpenOfficerFile(Q(file));
  const std::filesystem::path shortFile = dir / "short" / "TPERSON.VMR";
  std::filesystem::create_directories(shortFile.parent_path());
  WriteBytes(shortFile, RandomOfficerFile(1, 500));

  harness.openAnswers.push_back(Q(shortFile));
  Action(w, "Menu_Open")->trigger();
  ASSERT_EQ(harness.messages.size(), 1u);
  const seam::Message& m = harness.messages[0];
  EXPECT_EQ(m.kind, seam::MessageKind::Error);
  EXPECT_EQ(m.caption, seam::ApplicationTitle());
  EXPECT_TRUE(m.text.contains(QStringLiteral("500")));
  EXPECT_TRUE(m.text.contains(QStringLiteral("28604")));
  EXPECT_TRUE(m.text.endsWith(u'.'));
  EXPECT_FALSE(m.text.endsWith(QStringLiteral("。.")));  // one full stop, not two
  EXPECT_EQ(w.Document().FilePath(), Q(file));
  EXPECT_EQ(ReadBytes(shortFile).size(), 500u);
}

TEST_F(FileCommandsTest, AMissingFileIsReportedOnReloadAndTheTableStays) {
  TForm_Main& w = harness.Window();
  w.OpenOfficerFile(Q(file));
  std::filesystem::rename(file, dir / "elsewhere.VMR");
  Action(w, "R1")->trigger();
  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_EQ(harness.messages[0].kind, seam::MessageKind::Error);
  EXPECT_EQ(w.Document().Table()[0].Wuli, 77);
}

TEST_F(FileCommandsTest, MenuShortcutsActWhileAnEditBoxHasTheFocus) {
  TForm_Main& w = harness.Window();
  w.show();
  QApplication::setActiveWindow(&w);
  auto* edit = new QLineEdit(w.centralWidget());
  edit->setFocus();
  QSignalSpy reload(Action(w, "R1"), &QAction::triggered);
  QTest::keyClick(edit, Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(reload.count(), 1);
  QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
  EXPECT_FALSE(w.isVisible());
}

TEST(ErrorBoxText, AddsAFullStopUnlessTheMessageEndsInPunctuation) {
  EXPECT_EQ(ErrorBoxText(QStringLiteral("'abc' is not a valid integer value")),
            QStringLiteral("'abc' is not a valid integer value."));
  EXPECT_EQ(ErrorBoxText(QStringLiteral("done.")), QStringLiteral("done."));
  EXPECT_EQ(ErrorBoxText(QStringLiteral("stop!")), QStringLiteral("stop!"));
  EXPECT_EQ(ErrorBoxText(QStringLiteral("a,")), QStringLiteral("a,"));
  EXPECT_EQ(ErrorBoxText(QStringLiteral("a ")), QStringLiteral("a "));
  EXPECT_EQ(ErrorBoxText(QStringLiteral("未载入")), QStringLiteral("未载入."));
  EXPECT_EQ(ErrorBoxText(QString()), QString());
}

TEST(ErrorGuard, AFailingHandlerShowsTheErrorBoxAndTheProgramGoesOn) {
  std::vector<seam::Message> shown;
  seam::SetMessageHook([&](const seam::Message& m) { shown.push_back(m); });
  bool after = false;
  RunGuarded(nullptr, [] { throw std::runtime_error("boom"); });
  RunGuarded(nullptr, [&] { after = true; });
  seam::ClearHooks();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, QStringLiteral("boom."));
  EXPECT_EQ(shown[0].kind, seam::MessageKind::Error);
  EXPECT_TRUE(after);
}

}  // namespace
