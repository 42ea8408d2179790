// The face picker's window: its controls as laid out, the keyboard focus,
// and the limit that outlives the window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "gui/faces/FaceWindowFixture.h"
#include "gui/faces/TfrmPic.h"
#include "support/MainWindowControls.h"
#include "support/MainWindowHarness.h"
#include "support/OfficerBytes.h"

namespace {

class FacePickerWindow : public FaceGames {
 protected:
  std::unique_ptr<TfrmPic> MakePicker(FacePickerRunState& state) {
    return std::make_unique<TfrmPic>(main.get(), added.get(), state);
  }

  std::unique_ptr<FaceArchive> main = Open("game13", "grpfaces.vmr");
  std::unique_ptr<FaceArchive> added = Open("game13", "grpaface.vmr");
  FacePickerRunState run;
};

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
  EXPECT_EQ(Named<QLabel>(*picker, "Label22")->text(), QStringLiteral("转到"));
  EXPECT_EQ(Named<QLabel>(*picker, "Label24")->text(), QStringLiteral("头像最大编号"));
  EXPECT_EQ(Named<QLineEdit>(*picker, "Edit1")->geometry(), QRect(40, 328, 60, 21));
  EXPECT_EQ(Named<QLineEdit>(*picker, "Edit2")->geometry(), QRect(94, 360, 50, 21));

  // Three rows of seven cells, 72 pixels apart, the number under the picture.
  const int rows[] = {8, 112, 224};
  for (int cell = 1; cell <= 21; ++cell) {
    SCOPED_TRACE(cell);
    const QPoint corner(8 + (cell - 1) % 7 * 72, rows[(cell - 1) / 7]);
    EXPECT_EQ(Cell(*picker, cell)->geometry(), QRect(corner, QSize(64, 80)));
    EXPECT_EQ(Number(*picker, cell)->pos(), corner + QPoint(24, 85));
    EXPECT_EQ(Number(*picker, cell)->font().pixelSize(), 14);
  }
  // The frame shows around a cell's picture, not over it; the numberless
  // picture covers the cell it stands in.
  picker->show();
  MouseMove(Cell(*picker, 1));
  const QImage framed = picker->grab().toImage();
  EXPECT_EQ(framed.pixel(10, 10), FaceMark(0));
  EXPECT_EQ(framed.pixelColor(5, 5), QColor(0, 176, 0)) << "the frame's rim";
  EXPECT_EQ(Egg(*picker)->pixmap().toImage(), NoFacePicture().toImage());
}

TEST_F(FacePickerWindow, FocusStartsOnTheFacesAndTabFollowsTheRows) {
  auto picker = MakePicker(run);
  picker->show();
  picker->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(picker.get()));
  EXPECT_EQ(QApplication::focusWidget(), Find(*picker, "Panel1"));
  EXPECT_TRUE(Frame(*picker)->isHidden()) << "no frame until a key or the mouse puts it";
  for (const char* next : {"Edit1", "Button1", "Button5", "Button3", "Button4", "Button6", "Edit2", "Button9",
                           "Button7", "Button8", "Button2", "Panel1"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Find(*picker, next)) << next;
  }
}

// The frame's place: cell 1-21 of the page.
QRect FrameAt(int cell) {
  const int column = (cell - 1) % 7;
  const int row = (cell - 1) / 7;
  return {8 + 72 * column - 5, (row == 0 ? 8 : row == 1 ? 112 : 224) - 5, 74, 90};
}

class FacePickerKeys : public FacePickerWindow {
 protected:
  void SetUp() override { picker = MakePicker(run); }
  void Press(Qt::Key key, int times = 1) {
    for (int i = 0; i < times; ++i) QTest::keyClick(picker->focusWidget(), key);
  }
  std::unique_ptr<TfrmPic> picker;
};

TEST_F(FacePickerKeys, ArrowsMoveTheFrameAndEnterPicksTheFramedFace) {
  Press(Qt::Key_Return);  // nothing framed yet: nothing picked
  EXPECT_EQ(picker->result(), 0);
  Press(Qt::Key_Right);  // the first arrow shows the frame where it is
  EXPECT_EQ(Frame(*picker)->geometry(), FrameAt(1));
  Press(Qt::Key_Right);
  EXPECT_EQ(Frame(*picker)->geometry(), FrameAt(2));
  Press(Qt::Key_Down);
  EXPECT_EQ(Frame(*picker)->geometry(), FrameAt(9));
  Press(Qt::Key_Up);
  Press(Qt::Key_Left);
  EXPECT_EQ(Frame(*picker)->geometry(), FrameAt(1));
  Press(Qt::Key_Left);  // no page before the first: it stays
  Press(Qt::Key_Up);
  EXPECT_EQ(Frame(*picker)->geometry(), FrameAt(1));
  Press(Qt::Key_Down, 2);
  Press(Qt::Key_Right, 6);
  EXPECT_EQ(Frame(*picker)->geometry(), FrameAt(21));
  Press(Qt::Key_Enter);
  EXPECT_EQ(picker->PickedFace(), 20);
  EXPECT_EQ(picker->result(), QDialog::Accepted);
}

TEST_F(FacePickerKeys, FrameRunsOverThePageEdgesAndPageKeysPage) {
  Press(Qt::Key_PageDown);
  EXPECT_EQ(Number(*picker, 1)->text(), QStringLiteral("21"));
  Press(Qt::Key_Right);
  Press(Qt::Key_Left);  // from cell 1 of the second page to cell 21 of the first
  EXPECT_EQ(Number(*picker, 1)->text(), QStringLiteral("0"));
  EXPECT_EQ(Frame(*picker)->geometry(), FrameAt(21));
  Press(Qt::Key_Right);  // and back
  EXPECT_EQ(Number(*picker, 1)->text(), QStringLiteral("21"));
  EXPECT_EQ(Frame(*picker)->geometry(), FrameAt(1));
  Press(Qt::Key_Down, 3);  // the third row's cell 15 of the second page, then cell 1 of the third
  EXPECT_EQ(Number(*picker, 1)->text(), QStringLiteral("42"));
  EXPECT_EQ(Frame(*picker)->geometry(), FrameAt(1));
  Press(Qt::Key_PageUp);
  EXPECT_EQ(Number(*picker, 1)->text(), QStringLiteral("21"));
  EXPECT_TRUE(Frame(*picker)->isHidden()) << "a page turn hides the frame as the buttons do";
  Press(Qt::Key_Home);
  EXPECT_EQ(Number(*picker, 1)->text(), QStringLiteral("0"));
}

TEST_F(FacePickerKeys, TheFrameStopsAtTheLastFaceOrTheEggAndEscCancels) {
  Press(Qt::Key_End);
  EXPECT_EQ(Number(*picker, 1)->text(), QStringLiteral("1586"));  // 1586-1593, 2000-2012
  Press(Qt::Key_Right);
  Press(Qt::Key_Right, 30);
  Press(Qt::Key_Down);
  EXPECT_EQ(Number(*picker, 1)->text(), QStringLiteral("1586"));
  EXPECT_EQ(Frame(*picker)->geometry(), FrameAt(21));

  // Without added faces the egg follows 1593 in the ninth cell.
  MainWindowHarness harness;  // records the egg's message box
  FacePickerRunState runWithoutAdded;
  auto mainOnly = Open("game0", "grpfaces.vmr");
  auto noAdded = Open("game0", "grpaface.vmr");
  picker = std::make_unique<TfrmPic>(mainOnly.get(), noAdded.get(), runWithoutAdded);
  Press(Qt::Key_End);
  Press(Qt::Key_Right);
  Press(Qt::Key_Right, 30);
  EXPECT_EQ(Frame(*picker)->geometry(), FrameAt(9));
  Press(Qt::Key_Down);  // cell 16 holds nothing: the frame stays
  EXPECT_EQ(Frame(*picker)->geometry(), FrameAt(9));
  Press(Qt::Key_Return);
  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_EQ(harness.messages[0].caption, QStringLiteral("抗议"));
  EXPECT_EQ(picker->result(), 0);
  Press(Qt::Key_Escape);
  EXPECT_EQ(picker->result(), QDialog::Rejected);
  EXPECT_EQ(picker->PickedFace(), -1);
}

TEST_F(FacePickerKeys, DigitsGoToTheNumberFieldWhoseKeysStayItsOwn) {
  Press(Qt::Key_1);
  Press(Qt::Key_3);
  Press(Qt::Key_1);
  EXPECT_EQ(picker->focusWidget(), Find(*picker, "Edit1"));
  EXPECT_EQ(Named<QLineEdit>(*picker, "Edit1")->text(), QStringLiteral("131"));
  Press(Qt::Key_Return);  // Go, and no face picked
  EXPECT_EQ(Number(*picker, 5)->text(), QStringLiteral("131"));
  EXPECT_EQ(picker->result(), 0);
  Press(Qt::Key_Left);  // the field's cursor, not the frame
  EXPECT_TRUE(Frame(*picker)->isHidden());

  Button(*picker, "Button4")->setFocus();  // 下一页 takes Enter as a click
  Press(Qt::Key_Return);
  EXPECT_EQ(Number(*picker, 1)->text(), QStringLiteral("151"));  // 130, 133, 146 and 148 have no face
  EXPECT_EQ(picker->result(), 0);
}

TEST_F(FacePickerWindow, EachRunStateKeepsItsOwnValues) {
  {
    auto picker = MakePicker(run);
    Named<QLineEdit>(*picker, "Edit2")->setText(QStringLiteral("1000"));
    Button(*picker, "Button9")->click();
  }
  FacePickerRunState other;
  EXPECT_EQ(LastOffered(*MakePicker(other)), 2012);  // computed afresh from the archives
  EXPECT_EQ(LastOffered(*MakePicker(run)), 1000);
}

// The main window keeps the picker's values from one portrait click to the next.
TEST_F(FacePickerWindow, TheMainWindowKeepsTheLimitBetweenOpenings) {
  MainWindowHarness harness;
  TempDir dir;
  WriteBytes(dir / "TPERSON.VMR", EmptyOfficerFile());
  TForm_Main& w = harness.Window();
  w.OpenFaceArchives(QString::fromStdString((*root_ / "game13").string()));
  w.OpenOfficerFile(QString::fromStdString((dir / "TPERSON.VMR").string()));
  OfficerList(w)->topLevelItem(0)->setSelected(true);
  std::vector<int> lastPages;  // the last face offered at each opening
  harness.modalAnswer = [&](QDialog* dialog) {
    auto* picker = dynamic_cast<TfrmPic*>(dialog);
    if (picker == nullptr) return static_cast<int>(QDialog::Rejected);
    if (lastPages.empty()) {
      Named<QLineEdit>(*picker, "Edit2")->setText(QStringLiteral("1000"));
      Button(*picker, "Button9")->click();
    }
    lastPages.push_back(LastOffered(*picker));
    Button(*picker, "Button2")->click();
    return picker->result();
  };
  w.Editor().Portrait().OpenFacePicker();
  w.Editor().Portrait().OpenFacePicker();
  EXPECT_EQ(lastPages, (std::vector<int>{1000, 1000}));
}

}  // namespace
