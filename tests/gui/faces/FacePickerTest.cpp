// The face picker and the portrait, driven with archives of known content:
// every picture is one flat colour that names its face (FaceMark).
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "gui/widgets/ClickLabel.h"
#include "core/faces/FaceArchive.h"
#include "gui/faces/ShowFace.h"
#include "gui/faces/TfrmPic.h"
#include "support/FaceArchiveBytes.h"
#include "support/MainWindowControls.h"
#include "support/PathText.h"
#include "support/MainWindowHarness.h"
#include "support/OfficerBytes.h"

namespace {

QImage Picture(const QLabel* label) { return label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32); }

bool ShowsFace(const QLabel* label, int face) {
  const QImage picture = Picture(label);
  return !picture.isNull() && picture.pixel(0, 0) == FaceMark(face) && picture.pixel(63, 79) == FaceMark(face);
}

bool ShowsNoFace(const QLabel* label) {
  return Picture(label) == NoFacePicture().toImage().convertToFormat(QImage::Format_ARGB32);
}

// Two game folders shared by every test: one with 13 added faces, one whose
// added archive lists none.
class FaceGames : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    root_ = new TempDir;
    WriteGameFaces(*root_ / "game13", kMainFaceCount, 13);
    WriteGameFaces(*root_ / "game0", -1, 0);
    std::filesystem::copy_file(*root_ / "game13" / "grp" / "grpfaces.vmr", *root_ / "game0" / "grp" / "grpfaces.vmr");
  }
  static void TearDownTestSuite() {
    delete root_;
    root_ = nullptr;
  }
  static std::unique_ptr<FaceArchive> Open(const char* game, const char* file) {
    return FaceArchive::Open(*root_ / game / "grp" / file);
  }

  static TempDir* root_;
};
TempDir* FaceGames::root_ = nullptr;

class FacePicker : public FaceGames {
 protected:
  std::unique_ptr<TfrmPic> MakePicker(const char* game = "game13") {
    main = Open(game, "grpfaces.vmr");
    added = Open(game, "grpaface.vmr");
    return std::make_unique<TfrmPic>(main.get(), added.get(), run);
  }
  // The face numbers the 21 labels show; -1 for a hidden cell.
  static std::vector<int> ShownNumbers(const TfrmPic& picker) {
    std::vector<int> numbers;
    for (const QLabel* label : picker.Labels) numbers.push_back(label->isHidden() ? -1 : label->text().toInt());
    return numbers;
  }
  static std::vector<int> Range(int first, int last) {
    std::vector<int> v;
    for (int f = first; f <= last; ++f) v.push_back(f);
    return v;
  }

  std::unique_ptr<FaceArchive> main, added;
  FacePickerRunState run;  // what the main window keeps for the whole run
};

TEST_F(FaceGames, ShowFaceDecodesPaletteAndRows) {
  // One image: the top row names palette entry 3 (stored 10 20 30 00), the rest entry 200.
  FaceBytes bytes(static_cast<std::size_t>(kMainImagesOffset) + kFaceImageBytes, 0);
  const std::size_t image = static_cast<std::size_t>(kMainImagesOffset);
  for (int i = 0; i < kFacePixelBytes; ++i) bytes[image + static_cast<std::size_t>(i)] = i < 64 ? 3 : 200;
  const unsigned char entry3[] = {0x10, 0x20, 0x30, 0x00};
  const unsigned char entry200[] = {0xFE, 0x80, 0x01, 0x55};
  std::copy(std::begin(entry3), std::end(entry3), bytes.begin() + static_cast<std::ptrdiff_t>(image + 5120 + 4 * 3));
  std::copy(std::begin(entry200), std::end(entry200), bytes.begin() + static_cast<std::ptrdiff_t>(image + 5120 + 4 * 200));
  TempDir dir;
  WriteBytes(dir / "faces.vmr", bytes);
  auto archive = FaceArchive::Open(dir / "faces.vmr");

  QLabel label;
  ShowFace(0, &label, archive.get());
  const QImage picture = Picture(&label);
  ASSERT_EQ(picture.size(), QSize(64, 80));
  EXPECT_EQ(picture.pixel(0, 0), 0xFF302010u);
  EXPECT_EQ(picture.pixel(63, 0), 0xFF302010u);
  EXPECT_EQ(picture.pixel(0, 1), 0xFF0180FEu);
  EXPECT_EQ(picture.pixel(63, 79), 0xFF0180FEu);

  ShowFace(1, &label, archive.get());  // one image past the end of the file
  EXPECT_TRUE(ShowsNoFace(&label));
  ShowFace(0, &label, nullptr);
  EXPECT_TRUE(ShowsNoFace(&label));
  EXPECT_EQ(NoFacePicture().size(), QSize(64, 80));
}

TEST_F(FacePicker, OpensOnTheFirstPageWithTheArchivesLimits) {
  auto picker = MakePicker();
  EXPECT_EQ(run.FaceLimit, 2013);
  EXPECT_EQ(run.ArchiveFaceLimit, 2013);
  EXPECT_EQ(run.PickedPosition, -1);
  EXPECT_EQ(picker->size(), QSize(513, 392));
  EXPECT_TRUE(picker->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(picker->Button7->isEnabled());
  EXPECT_TRUE(picker->Button8->isEnabled());
  EXPECT_EQ(picker->FirstPosition, 0);
  EXPECT_EQ(ShownNumbers(*picker), Range(0, 20));
  EXPECT_TRUE(ShowsFace(picker->Images[0], 0));
  EXPECT_TRUE(ShowsFace(picker->Images[20], 20));
  EXPECT_TRUE(picker->imgEgg->isHidden());
  EXPECT_TRUE(picker->Label23->isHidden());
  EXPECT_EQ(picker->Images[7]->geometry(), QRect(8, 112, 64, 80));
  EXPECT_EQ(picker->Images[20]->geometry(), QRect(8 + 6 * 72, 224, 64, 80));
}

TEST_F(FacePicker, LastPageWithThirteenAddedFaces) {
  auto picker = MakePicker();
  picker->Button6Click();
  EXPECT_EQ(picker->FirstPosition, 1533);
  std::vector<int> expected = Range(1586, 1593);
  for (int f : Range(2000, 2012)) expected.push_back(f);
  EXPECT_EQ(ShownNumbers(*picker), expected);
  for (int i = 0; i < 21; ++i) EXPECT_TRUE(ShowsFace(picker->Images[static_cast<std::size_t>(i)], expected[static_cast<std::size_t>(i)])) << i;
  EXPECT_TRUE(picker->imgEgg->isHidden());

  picker->Button4Click();  // the next page's first face is not below the limit
  EXPECT_EQ(picker->FirstPosition, 1533);
}

TEST_F(FacePicker, LastPageWithoutAddedFacesShowsTheEggInTheNinthCell) {
  auto picker = MakePicker("game0");
  EXPECT_EQ(run.FaceLimit, 2000);
  EXPECT_FALSE(picker->Button8->isEnabled());
  EXPECT_TRUE(picker->Button7->isEnabled());
  picker->Button6Click();
  EXPECT_EQ(picker->FirstPosition, 1533);
  std::vector<int> expected = Range(1586, 1593);
  expected.resize(21, -1);
  EXPECT_EQ(ShownNumbers(*picker), expected);
  EXPECT_FALSE(picker->imgEgg->isHidden());
  EXPECT_EQ(picker->imgEgg->pos(), picker->Images[8]->pos());
  for (std::size_t i = 9; i < 21; ++i) EXPECT_TRUE(picker->Images[i]->isHidden()) << i;

  picker->Button4Click();  // does nothing: the egg stays where it is
  EXPECT_EQ(picker->FirstPosition, 1533);
  EXPECT_FALSE(picker->imgEgg->isHidden());
  picker->Button5Click();
  EXPECT_TRUE(picker->imgEgg->isHidden());
  EXPECT_EQ(ShownNumbers(*picker), Range(0, 20));
}

TEST_F(FacePicker, PageButtons) {
  auto picker = MakePicker();
  picker->Button3Click();  // nothing before the first page
  EXPECT_EQ(picker->FirstPosition, 0);
  picker->Button4Click();
  EXPECT_EQ(picker->FirstPosition, 21);
  picker->Button7Click();
  EXPECT_EQ(picker->FirstPosition, 714);
  EXPECT_EQ(picker->Labels[0]->text(), QStringLiteral("767"));
  picker->Button3Click();
  EXPECT_EQ(picker->FirstPosition, 693);
  picker->Button8Click();
  EXPECT_EQ(picker->FirstPosition, 1533);
  EXPECT_EQ(picker->Labels[8]->text(), QStringLiteral("2000"));
  picker->Button5Click();
  EXPECT_EQ(picker->FirstPosition, 0);
}

TEST_F(FacePicker, GoToANumber) {
  auto picker = MakePicker();
  picker->Edit1->setText(QStringLiteral("131"));
  picker->Button1Click();
  EXPECT_EQ(picker->FirstPosition, 126);
  EXPECT_EQ(picker->Labels[4]->text(), QStringLiteral("131"));  // running index 130

  picker->Button5Click();
  picker->Edit1->setText(QStringLiteral("130"));  // a skipped number: the same page
  picker->Button1Click();
  EXPECT_EQ(picker->FirstPosition, 126);

  picker->Edit1->setText(QStringLiteral("  2005 faces"));  // read the C way
  picker->Button1Click();
  EXPECT_EQ(picker->FirstPosition, 1533);

  for (const char* ignored : {"2013", "-1", "99999999999"}) {
    picker->Edit1->setText(QString::fromLatin1(ignored));
    picker->Button1Click();
    EXPECT_EQ(picker->FirstPosition, 1533) << ignored;
  }
  picker->Edit1->clear();  // no digits read as 0: the first page
  picker->Button1Click();
  EXPECT_EQ(picker->FirstPosition, 0);
}

TEST_F(FacePicker, LimitRulesAndTheirLifeAcrossOpenings) {
  auto picker = MakePicker();
  auto apply = [&](const char* text) {
    picker->Edit2->setText(QString::fromLatin1(text));
    picker->Button9Click();
    return run.FaceLimit;
  };
  EXPECT_EQ(apply("1700"), 2000);
  EXPECT_FALSE(picker->Button8->isEnabled());
  EXPECT_EQ(apply("2199"), 2200);
  EXPECT_TRUE(picker->Button8->isEnabled());
  EXPECT_EQ(apply("2200"), 2200);  // ignored
  EXPECT_EQ(apply("-3"), 2200);    // ignored
  EXPECT_EQ(apply("775"), 776);
  EXPECT_TRUE(picker->Button7->isEnabled());
  EXPECT_EQ(apply("774"), 775);
  EXPECT_FALSE(picker->Button7->isEnabled());
  EXPECT_EQ(apply("1593"), 2000);
  EXPECT_EQ(run.ArchiveFaceLimit, 2013);  // the user never changes it
  EXPECT_EQ(ShownNumbers(*picker), Range(0, 20));  // not redrawn until the next navigation

  // The limit outlives the window; a new window takes it over.
  apply("1000");
  picker.reset();
  picker = MakePicker();
  EXPECT_EQ(run.FaceLimit, 1001);
  EXPECT_FALSE(picker->Button7->isEnabled());  // enabled at opening only from 1541 on
  EXPECT_FALSE(picker->Button8->isEnabled());
  EXPECT_TRUE(picker->Edit2->text().isEmpty());
  picker->Button6Click();
  EXPECT_EQ(picker->FirstPosition, FaceIndex(1000) / 21 * 21);
}

TEST_F(FacePicker, LimitBeyondTheArchivesShowsTheEggPictureWithNumbers) {
  auto picker = MakePicker();
  picker->Edit2->setText(QStringLiteral("2100"));
  picker->Button9Click();
  picker->Button6Click();
  EXPECT_EQ(picker->FirstPosition, FaceIndex(2100) / 21 * 21);  // 1638: faces 2097 ...
  EXPECT_EQ(picker->Labels[0]->text(), QStringLiteral("2097"));
  EXPECT_TRUE(ShowsNoFace(picker->Images[0]));
  EXPECT_FALSE(picker->Labels[3]->isHidden());
  EXPECT_EQ(picker->Labels[3]->text(), QStringLiteral("2100"));
  EXPECT_TRUE(picker->Labels[4]->isHidden());  // 2101: the egg itself
  EXPECT_EQ(picker->imgEgg->pos(), picker->Images[4]->pos());
  picker->Button3Click();  // faces 2076-2096 are beyond the archives too
  EXPECT_TRUE(picker->imgEgg->isHidden());
  EXPECT_EQ(picker->Labels[20]->text(), QStringLiteral("2096"));
  EXPECT_TRUE(ShowsNoFace(picker->Images[20]));
}

TEST_F(FacePicker, EggProtestsAndHoverFrame) {
  MainWindowHarness harness;  // records the message box
  auto picker = MakePicker("game0");
  picker->imgEggClick();
  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_EQ(harness.messages[0].caption, QStringLiteral("抗议"));
  EXPECT_EQ(harness.messages[0].text, QStringLiteral("不要点了！没看到我没有编号吗？"));
  EXPECT_EQ(run.PickedPosition, -1);

  picker->Image18MouseMove(picker->Images[11]);
  EXPECT_FALSE(picker->Label23->isHidden());
  EXPECT_EQ(picker->Label23->geometry(), QRect(8 + 4 * 72 - 5, 112 - 5, 74, 90));
  picker->Label23MouseMove();
  EXPECT_TRUE(picker->Label23->isHidden());
  // A real mouse move over a cell shows the frame; a navigation hides it.
  QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), QPointF(10, 10), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(picker->Images[0], &move);
  EXPECT_FALSE(picker->Label23->isHidden());
  picker->Button4Click();
  EXPECT_TRUE(picker->Label23->isHidden());
}

TEST_F(FacePicker, PickingAndCancelling) {
  auto picker = MakePicker();
  picker->Edit1->setText(QStringLiteral("131"));
  picker->Button1Click();
  QTest::mouseClick(picker->Images[4], Qt::LeftButton);
  EXPECT_EQ(run.PickedPosition, 130);
  EXPECT_EQ(picker->result(), QDialog::Accepted);

  picker = MakePicker();
  EXPECT_EQ(run.PickedPosition, -1);  // every opening starts with nothing picked
  picker->Button2->click();
  EXPECT_EQ(run.PickedPosition, -1);
  EXPECT_EQ(picker->result(), QDialog::Rejected);
}

// The portrait on the main window and the picker it opens.
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
  // The picker's answer: go to the last page and click cell `cell` (0-20), or cancel with -1.
  void AnswerPicker(int cell, const char* limit = nullptr) {
    harness.modalAnswer = [cell, limit](QDialog* dialog) {
      auto* picker = dynamic_cast<TfrmPic*>(dialog);
      if (picker == nullptr) return static_cast<int>(QDialog::Rejected);
      if (limit) {
        picker->Edit2->setText(QString::fromLatin1(limit));
        picker->Button9Click();
      }
      picker->Button6Click();
      if (cell < 0) {
        picker->Button2Click();
      } else {
        picker->ImageClick(cell + 1);
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
  AnswerPicker(14);  // last page, cell 14: face 2006
  QTest::mouseClick(Find<ClickLabel>(w, "Image_Face"), Qt::LeftButton);
  EXPECT_EQ(harness.modalDialogs, 1);
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Face")->text(), QStringLiteral("2006"));
  EXPECT_TRUE(ShowsFace(Find<ClickLabel>(w, "Image_Face"), 2006));
  EXPECT_EQ(w.Document().Table()[0].Face, 5);  // stored only by a confirmation

  AnswerPicker(3);  // face 1589 from the main archive
  QTest::mouseClick(Find<ClickLabel>(w, "Image_Face"), Qt::LeftButton);
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Face")->text(), QStringLiteral("1589"));
  EXPECT_TRUE(ShowsFace(Find<ClickLabel>(w, "Image_Face"), 1589));
  EXPECT_TRUE(harness.messages.empty());
}

TEST_F(PortraitClick, CancelAndTheSameFaceLeaveThePortraitAlone) {
  TForm_Main& w = window();
  SelectSlot(0);
  const qint64 shown = Find<ClickLabel>(w, "Image_Face")->pixmap().cacheKey();
  AnswerPicker(-1);
  w.Editor().Portrait().Image_FaceClick();
  EXPECT_EQ(harness.modalDialogs, 1);
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Face")->text(), QStringLiteral("5"));
  EXPECT_EQ(Find<ClickLabel>(w, "Image_Face")->pixmap().cacheKey(), shown);

  // Face 5 is the one shown: nothing is redrawn.
  harness.modalAnswer = [](QDialog* dialog) {
    auto* picker = dynamic_cast<TfrmPic*>(dialog);
    picker->ImageClick(6);
    return picker->result();
  };
  w.Editor().Portrait().Image_FaceClick();
  EXPECT_EQ(harness.modalDialogs, 2);
  EXPECT_EQ(Find<ClickLabel>(w, "Image_Face")->pixmap().cacheKey(), shown);
}

TEST_F(PortraitClick, AFaceBeyondTheArchivesShowsTheNoFacePicture) {
  TForm_Main& w = window();
  SelectSlot(0);
  AnswerPicker(2, "2100");  // last page 1638: cell 2 is face 2099
  w.Editor().Portrait().Image_FaceClick();
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Face")->text(), QStringLiteral("2099"));
  EXPECT_TRUE(ShowsNoFace(Find<ClickLabel>(w, "Image_Face")));
}

TEST_F(PortraitClick, NothingWithoutASelectedRowOrWithoutTheMainArchive) {
  TForm_Main& w = window();
  AnswerPicker(14);
  QTest::mouseClick(Find<ClickLabel>(w, "Image_Face"), Qt::LeftButton);
  EXPECT_EQ(harness.modalDialogs, 0);

  SelectSlot(0);
  w.CloseFaceArchives();
  w.Editor().Portrait().Image_FaceClick();
  EXPECT_EQ(harness.modalDialogs, 0);
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Face")->text(), QStringLiteral("5"));

  // The added archive alone is not enough either.
  w.FaceArchives().Set(nullptr, FaceArchive::Open(*root_ / "game13" / "grp" / "grpaface.vmr"));
  w.Editor().Portrait().Image_FaceClick();
  EXPECT_EQ(harness.modalDialogs, 0);
}

TEST_F(PortraitClick, TheNoFacePictureUnderneathOpensThePickerToo) {
  TForm_Main& w = window();
  SelectSlot(0);
  Find<ClickLabel>(w, "Image_Face")->hide();
  AnswerPicker(14);
  QTest::mouseClick(Find<ClickLabel>(w, "Image_NoFace"), Qt::LeftButton);
  EXPECT_EQ(harness.modalDialogs, 1);
  EXPECT_FALSE(Find<ClickLabel>(w, "Image_Face")->isHidden());  // made visible again with the new face
  EXPECT_TRUE(ShowsFace(Find<ClickLabel>(w, "Image_Face"), 2006));
}

}  // namespace
