// The portrait on the main window and the face picker it opens.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include "gui/faces/FaceWindowFixture.h"
#include "gui/faces/TfrmPic.h"
#include "support/MainWindowControls.h"
#include "support/MainWindowHarness.h"
#include "support/OfficerBytes.h"
#include "support/PathText.h"

namespace {

class PortraitClick : public FaceGames {
 protected:
  void SetUp() override {
    auto bytes = EmptyOfficerFile();
    PutU16(bytes, 0, 0, 5);     // slot 0: face 5
    PutU16(bytes, 1, 0, 2003);  // slot 1: face 2003
    WriteBytes(file, bytes);
    window().OpenFaceArchives(Q(*root_ / "game13"));
    window().OpenOfficerFile(Q(file));
  }
  TForm_Main& window() { return harness.Window(); }
  void SelectSlot(int slot) {
    QTreeWidget* list = OfficerList(window());
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      if (list->topLevelItem(i)->text(0).toInt() == slot + 650) list->topLevelItem(i)->setSelected(true);
    }
    ASSERT_NE(SelectedRow(window()), nullptr);
  }
  // The picker's answer: go to the last page and click cell `cell` (1-21), or cancel with 0.
  void AnswerPicker(int cell, const char* limit = nullptr) {
    harness.modalAnswer = [cell, limit](QDialog* dialog) {
      auto* picker = dynamic_cast<TfrmPic*>(dialog);
      if (picker == nullptr) return static_cast<int>(QDialog::Rejected);
      if (limit) {
        Find<QLineEdit>(*picker, "Edit2")->setText(QString::fromLatin1(limit));
        Button(*picker, "Button9")->click();
      }
      Button(*picker, "Button6")->click();
      if (cell == 0) {
        Button(*picker, "Button2")->click();
      } else {
        QTest::mouseClick(Cell(*picker, cell), Qt::LeftButton);
      }
      return picker->result();
    };
  }

  TempDir dir;
  std::filesystem::path file = dir / "TPERSON.VMR";
  MainWindowHarness harness;
};

TEST_F(PortraitClick, PortraitControls) {
  TForm_Main& w = window();
  EXPECT_EQ(Find<ClickLabel>(w, "Image_Face")->parentWidget(), static_cast<QWidget*>(Find<QGroupBox>(w, "GroupBox4")));
  EXPECT_EQ(Find<ClickLabel>(w, "Image_Face")->geometry(), QRect(16, 16, 64, 80));
  EXPECT_EQ(Find<ClickLabel>(w, "Image_NoFace")->geometry(), QRect(16, 16, 64, 80));
  EXPECT_TRUE(ShowsNoFace(Find<ClickLabel>(w, "Image_NoFace")));
  SelectSlot(1);
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Face")->text(), QStringLiteral("2003"));
  EXPECT_TRUE(ShowsFace(Find<ClickLabel>(w, "Image_Face"), 2003));  // from the added archive
  SelectSlot(0);
  EXPECT_TRUE(ShowsFace(Find<ClickLabel>(w, "Image_Face"), 5));
}

TEST_F(PortraitClick, PickingPutsTheNumberIntoTheFieldAndRedrawsThePortrait) {
  TForm_Main& w = window();
  SelectSlot(0);
  AnswerPicker(15);  // last page, cell 15: face 2006
  QTest::mouseClick(Find<ClickLabel>(w, "Image_Face"), Qt::LeftButton);
  EXPECT_EQ(harness.modalDialogs, 1);
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Face")->text(), QStringLiteral("2006"));
  EXPECT_TRUE(ShowsFace(Find<ClickLabel>(w, "Image_Face"), 2006));
  EXPECT_EQ(w.Document().Table()[0].Face, 5);  // stored only by a confirmation

  AnswerPicker(4);  // face 1589 from the main archive
  QTest::mouseClick(Find<ClickLabel>(w, "Image_Face"), Qt::LeftButton);
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Face")->text(), QStringLiteral("1589"));
  EXPECT_TRUE(ShowsFace(Find<ClickLabel>(w, "Image_Face"), 1589));
  EXPECT_TRUE(harness.messages.empty());
}

TEST_F(PortraitClick, CancelAndTheSameFaceLeaveThePortraitAlone) {
  TForm_Main& w = window();
  SelectSlot(0);
  const qint64 shown = Find<ClickLabel>(w, "Image_Face")->pixmap().cacheKey();
  AnswerPicker(0);
  w.Editor().Portrait().OpenFacePicker();
  EXPECT_EQ(harness.modalDialogs, 1);
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Face")->text(), QStringLiteral("5"));
  EXPECT_EQ(Find<ClickLabel>(w, "Image_Face")->pixmap().cacheKey(), shown);

  // Face 5 is the one shown: nothing is redrawn.
  harness.modalAnswer = [](QDialog* dialog) {
    QTest::mouseClick(Cell(*dialog, 6), Qt::LeftButton);
    return dialog->result();
  };
  w.Editor().Portrait().OpenFacePicker();
  EXPECT_EQ(harness.modalDialogs, 2);
  EXPECT_EQ(Find<ClickLabel>(w, "Image_Face")->pixmap().cacheKey(), shown);
}

TEST_F(PortraitClick, AFaceBeyondTheArchivesShowsTheNoFacePicture) {
  TForm_Main& w = window();
  SelectSlot(0);
  AnswerPicker(3, "2100");  // the last page starts at 2097: cell 3 is face 2099
  w.Editor().Portrait().OpenFacePicker();
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Face")->text(), QStringLiteral("2099"));
  EXPECT_TRUE(ShowsNoFace(Find<ClickLabel>(w, "Image_Face")));
}

TEST_F(PortraitClick, NothingWithoutASelectedRowOrWithoutTheMainArchive) {
  TForm_Main& w = window();
  AnswerPicker(15);
  QTest::mouseClick(Find<ClickLabel>(w, "Image_Face"), Qt::LeftButton);
  EXPECT_EQ(harness.modalDialogs, 0);

  SelectSlot(0);
  w.CloseFaceArchives();
  w.Editor().Portrait().OpenFacePicker();
  EXPECT_EQ(harness.modalDialogs, 0);
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Face")->text(), QStringLiteral("5"));

  // The added archive alone is not enough either.
  w.FaceArchives().Set(nullptr, FaceArchive::Open(*root_ / "game13" / "grp" / "grpaface.vmr"));
  w.Editor().Portrait().OpenFacePicker();
  EXPECT_EQ(harness.modalDialogs, 0);
}

TEST_F(PortraitClick, TheNoFacePictureUnderneathOpensThePickerToo) {
  TForm_Main& w = window();
  SelectSlot(0);
  Find<ClickLabel>(w, "Image_Face")->hide();
  AnswerPicker(15);
  QTest::mouseClick(Find<ClickLabel>(w, "Image_NoFace"), Qt::LeftButton);
  EXPECT_EQ(harness.modalDialogs, 1);
  EXPECT_FALSE(Find<ClickLabel>(w, "Image_Face")->isHidden());  // made visible again with the new face
  EXPECT_TRUE(ShowsFace(Find<ClickLabel>(w, "Image_Face"), 2006));
}

}  // namespace
