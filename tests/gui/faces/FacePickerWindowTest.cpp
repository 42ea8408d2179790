// The face picker's window: its controls as laid out, the keyboard focus,
// and the run values that live outside the window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "core/faces/FaceArchive.h"
#include "gui/faces/ShowFace.h"
#include "gui/faces/TfrmPic.h"
#include "support/FaceArchiveBytes.h"
#include "support/MainWindowControls.h"
#include "support/MainWindowHarness.h"
#include "support/OfficerBytes.h"

namespace {

class FacePickerWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    root_ = new TempDir;
    WriteGameFaces(*root_ / "game", kMainFaceCount, 13);
  }
  static void TearDownTestSuite() {
    delete root_;
    root_ = nullptr;
  }

  std::unique_ptr<TfrmPic> MakePicker(FacePickerRunState& state) {
    return std::make_unique<TfrmPic>(main.get(), added.get(), state);
  }

  static TempDir* root_;
  std::unique_ptr<FaceArchive> main = FaceArchive::Open(*root_ / "game" / "grp" / "grpfaces.vmr");
  std::unique_ptr<FaceArchive> added = FaceArchive::Open(*root_ / "game" / "grp" / "grpaface.vmr");
  FacePickerRunState run;
};
TempDir* FacePickerWindow::root_ = nullptr;

TEST_F(FacePickerWindow, ControlsHaveTheirNamesCaptionsAndPlaces) {
  auto picker = MakePicker(run);
  EXPECT_EQ(picker->objectName(), QStringLiteral("frmPic"));
  EXPECT_TRUE(picker->isModal());
  EXPECT_EQ(picker->minimumSize(), picker->maximumSize());
  auto* panel = picker->findChild<QFrame*>(QStringLiteral("Panel1"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->geometry(), QRect(0, 0, 513, 392));
  EXPECT_EQ(panel->frameShape(), QFrame::Panel);
  EXPECT_EQ(panel->frameShadow(), QFrame::Sunken);
  EXPECT_EQ(panel->lineWidth(), 2);

  struct Button {
    const char* name;
    QString caption;
    QRect place;
  };
  const Button buttons[] = {
      {"Button1", QStringLiteral("Go"), {104, 326, 40, 25}},     {"Button5", QStringLiteral("首页"), {223, 326, 65, 25}},
      {"Button3", QStringLiteral("上一页"), {295, 326, 65, 25}}, {"Button4", QStringLiteral("下一页"), {367, 326, 65, 25}},
      {"Button6", QStringLiteral("尾页"), {439, 326, 65, 25}},   {"Button9", QStringLiteral("应用"), {148, 358, 45, 25}},
      {"Button7", QStringLiteral("新武将"), {295, 358, 65, 25}}, {"Button8", QStringLiteral("追加武将"), {367, 358, 65, 25}},
      {"Button2", QStringLiteral("取消"), {439, 358, 65, 25}}};
  for (const Button& b : buttons) {
    SCOPED_TRACE(b.name);
    auto* button = panel->findChild<QPushButton*>(QString::fromLatin1(b.name));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), b.caption);
    EXPECT_EQ(button->geometry(), b.place);
    EXPECT_FALSE(button->autoDefault());  // Enter in a number field works no button
  }
  EXPECT_EQ(picker->Label22->text(), QStringLiteral("转到"));
  EXPECT_EQ(picker->Label24->text(), QStringLiteral("头像最大编号"));
  EXPECT_EQ(picker->Edit1->geometry(), QRect(40, 328, 60, 21));
  EXPECT_EQ(picker->Edit2->geometry(), QRect(94, 360, 50, 21));

  for (int i = 0; i < TfrmPic::kCells; ++i) {
    SCOPED_TRACE(i);
    const QLabel* image = picker->Images[static_cast<std::size_t>(i)];
    const QLabel* number = picker->Labels[static_cast<std::size_t>(i)];
    EXPECT_EQ(image->objectName(), QStringLiteral("Image%1").arg(i + 1));
    EXPECT_EQ(number->objectName(), QStringLiteral("Label%1").arg(i + 1));
    EXPECT_EQ(image->size(), QSize(64, 80));
    EXPECT_EQ(number->pos(), image->pos() + QPoint(24, 85));
    EXPECT_EQ(number->font().pixelSize(), 14);
  }
  // The frame lies beneath every picture, the numberless picture above them.
  const QObjectList& stack = panel->children();
  EXPECT_LT(stack.indexOf(picker->Label23), stack.indexOf(picker->Images[0]));
  EXPECT_GT(stack.indexOf(picker->imgEgg), stack.indexOf(picker->Images[20]));
  EXPECT_EQ(picker->imgEgg->pixmap().toImage(), NoFacePicture().toImage());
}

TEST_F(FacePickerWindow, FocusStartsInTheGoToFieldAndTabFollowsTheRows) {
  auto picker = MakePicker(run);
  picker->show();
  picker->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(picker.get()));
  EXPECT_EQ(QApplication::focusWidget(), picker->Edit1);
  const std::vector<QWidget*> order{picker->Button1, picker->Button5, picker->Button3, picker->Button4,
                                    picker->Button6, picker->Edit2,   picker->Button9, picker->Button7,
                                    picker->Button8, picker->Button2, picker->Edit1};
  for (QWidget* next : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
  }
}

TEST_F(FacePickerWindow, EachRunStateKeepsItsOwnValues) {
  FacePickerRunState other;
  {
    auto picker = MakePicker(run);
    picker->Edit2->setText(QStringLiteral("1000"));
    picker->Button9Click();
    picker->ImageClick(3);
  }
  auto picker = MakePicker(other);
  EXPECT_EQ(other.FaceLimit, 2013);  // computed afresh: nothing is shared between runs
  EXPECT_EQ(other.PickedPosition, -1);
  EXPECT_EQ(run.FaceLimit, 1001);
  EXPECT_EQ(run.ArchiveFaceLimit, 2013);
  EXPECT_EQ(run.PickedPosition, 2);
}

// The main window keeps the picker's values from one portrait click to the next.
TEST_F(FacePickerWindow, TheMainWindowKeepsTheLimitBetweenOpenings) {
  MainWindowHarness harness;
  TempDir dir;
  WriteBytes(dir / "TPERSON.VMR", EmptyOfficerFile());
  TForm_Main& w = harness.Window();
  w.OpenFaceArchives(QString::fromStdString((*root_ / "game").string()));
  w.OpenOfficerFile(QString::fromStdString((dir / "TPERSON.VMR").string()));
  OfficerList(w)->topLevelItem(0)->setSelected(true);
  std::vector<int> lastPages;
  harness.modalAnswer = [&](QDialog* dialog) {
    auto* picker = dynamic_cast<TfrmPic*>(dialog);
    if (picker == nullptr) return static_cast<int>(QDialog::Rejected);
    if (lastPages.empty()) {
      picker->Edit2->setText(QStringLiteral("1000"));
      picker->Button9Click();
    }
    picker->Button6Click();
    lastPages.push_back(picker->FirstPosition);
    picker->Button2Click();
    return picker->result();
  };
  w.Editor().Portrait().Image_FaceClick();
  w.Editor().Portrait().Image_FaceClick();
  EXPECT_EQ(lastPages, (std::vector<int>{FaceIndex(1000) / 21 * 21, FaceIndex(1000) / 21 * 21}));
}

}  // namespace
