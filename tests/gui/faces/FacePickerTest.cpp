// The face picker and ShowFace, driven with archives of known content.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "gui/faces/FaceWindowFixture.h"
#include "gui/faces/TfrmPic.h"
#include "support/MainWindowHarness.h"

namespace {

class FacePicker : public FaceGames {
 protected:
  std::unique_ptr<TfrmPic> MakePicker(const char* game = "game13") {
    main = Open(game, "grpfaces.vmr");
    added = Open(game, "grpaface.vmr");
    return std::make_unique<TfrmPic>(main.get(), added.get(), run);
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
  EXPECT_EQ(picker->size(), QSize(513, 392));
  EXPECT_TRUE(picker->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(Button(*picker, "Button7")->isEnabled());
  EXPECT_TRUE(Button(*picker, "Button8")->isEnabled());
  EXPECT_EQ(ShownNumbers(*picker), Range(0, 20));
  EXPECT_TRUE(ShowsFace(Cell(*picker, 1), 0));
  EXPECT_TRUE(ShowsFace(Cell(*picker, 21), 20));
  EXPECT_TRUE(Egg(*picker)->isHidden());
  EXPECT_TRUE(Frame(*picker)->isHidden());
  EXPECT_EQ(picker->PickedFace(), -1);
}

TEST_F(FacePicker, LastPageWithThirteenAddedFaces) {
  auto picker = MakePicker();
  Button(*picker, "Button6")->click();
  std::vector<int> expected = Range(1586, 1593);
  for (int f : Range(2000, 2012)) expected.push_back(f);
  EXPECT_EQ(ShownNumbers(*picker), expected);
  for (int i = 0; i < 21; ++i) EXPECT_TRUE(ShowsFace(Cell(*picker, i + 1), expected[static_cast<std::size_t>(i)])) << i;
  EXPECT_TRUE(Egg(*picker)->isHidden());

  Button(*picker, "Button4")->click();  // the next page's first face is not below the limit
  EXPECT_EQ(ShownNumbers(*picker), expected);
}

TEST_F(FacePicker, LastPageWithoutAddedFacesShowsTheEggInTheNinthCell) {
  auto picker = MakePicker("game0");
  EXPECT_FALSE(Button(*picker, "Button8")->isEnabled());
  EXPECT_TRUE(Button(*picker, "Button7")->isEnabled());
  Button(*picker, "Button6")->click();
  std::vector<int> expected = Range(1586, 1593);
  expected.resize(21, -1);
  EXPECT_EQ(ShownNumbers(*picker), expected);
  EXPECT_FALSE(Egg(*picker)->isHidden());
  EXPECT_EQ(Egg(*picker)->pos(), Cell(*picker, 9)->pos());
  EXPECT_TRUE(ShowsNoFace(Egg(*picker)));
  for (int cell = 10; cell <= 21; ++cell) EXPECT_TRUE(Cell(*picker, cell)->isHidden()) << cell;

  Button(*picker, "Button4")->click();  // does nothing: the egg stays where it is
  EXPECT_EQ(ShownNumbers(*picker), expected);
  EXPECT_FALSE(Egg(*picker)->isHidden());
  Button(*picker, "Button5")->click();
  EXPECT_TRUE(Egg(*picker)->isHidden());
  EXPECT_EQ(ShownNumbers(*picker), Range(0, 20));
}

TEST_F(FacePicker, PageButtons) {
  auto picker = MakePicker();
  auto firstShown = [&] { return ShownNumbers(*picker).front(); };
  Button(*picker, "Button3")->click();  // nothing before the first page
  EXPECT_EQ(firstShown(), 0);
  Button(*picker, "Button4")->click();
  EXPECT_EQ(ShownNumbers(*picker), Range(21, 41));
  Button(*picker, "Button7")->click();  // the new officers' page
  EXPECT_EQ(ShownNumbers(*picker), Range(767, 787));
  Button(*picker, "Button3")->click();  // 21 faces back, the 53 skipped numbers left out
  EXPECT_EQ(ShownNumbers(*picker), Range(746, 766));
  Button(*picker, "Button8")->click();  // the page that runs on into the added faces
  EXPECT_EQ(firstShown(), 1586);
  EXPECT_EQ(Number(*picker, 9)->text(), QStringLiteral("2000"));
  Button(*picker, "Button5")->click();
  EXPECT_EQ(ShownNumbers(*picker), Range(0, 20));
}

TEST_F(FacePicker, GoToANumber) {
  auto picker = MakePicker();
  QLineEdit* number = Find<QLineEdit>(*picker, "Edit1");
  QPushButton* go = Button(*picker, "Button1");
  auto firstShown = [&] { return ShownNumbers(*picker).front(); };
  number->setText(QStringLiteral("131"));
  go->click();
  // 126 ... 147 without the skipped 130, 133 and 146
  EXPECT_EQ(ShownNumbers(*picker), (std::vector<int>{126, 127, 128, 129, 131, 132, 134, 135, 136, 137, 138, 139, 140,
                                                      141, 142, 143, 144, 145, 147, 149, 150}));

  Button(*picker, "Button5")->click();
  number->setText(QStringLiteral("130"));  // a skipped number: the page of the next face
  go->click();
  EXPECT_EQ(firstShown(), 126);

  number->setText(QStringLiteral("  2005 faces"));  // read the C way
  QTest::keyClick(number, Qt::Key_Return);          // Enter jumps as Go does
  EXPECT_EQ(firstShown(), 1586);

  for (const char* ignored : {"2013", "-1", "99999999999"}) {
    number->setText(QString::fromLatin1(ignored));
    go->click();
    EXPECT_EQ(firstShown(), 1586) << ignored;
  }
  number->clear();  // no digits read as 0: the first page
  go->click();
  EXPECT_EQ(firstShown(), 0);
}

TEST_F(FacePicker, LimitRulesAndTheirLifeAcrossOpenings) {
  auto picker = MakePicker();
  // Applies a limit, then reads the last number offered on the last page.
  auto apply = [&](const char* text) {
    Find<QLineEdit>(*picker, "Edit2")->setText(QString::fromLatin1(text));
    Button(*picker, "Button9")->click();
    return LastOffered(*picker);
  };
  // Into the gap: every main face, then the egg in 2000's place, no added face.
  EXPECT_EQ(apply("1700"), 1593);
  EXPECT_EQ(Egg(*picker)->pos(), Cell(*picker, 9)->pos());
  EXPECT_FALSE(Egg(*picker)->isHidden());
  EXPECT_FALSE(Button(*picker, "Button8")->isEnabled());
  EXPECT_EQ(apply("2199"), 2199);
  EXPECT_TRUE(Button(*picker, "Button8")->isEnabled());
  EXPECT_EQ(apply("2200"), 2199);  // ignored
  EXPECT_EQ(apply("-3"), 2199);    // ignored
  EXPECT_EQ(apply("775"), 775);
  EXPECT_TRUE(Button(*picker, "Button7")->isEnabled());
  EXPECT_EQ(apply("774"), 774);
  EXPECT_FALSE(Button(*picker, "Button7")->isEnabled());
  EXPECT_EQ(apply("1593"), 1593);
  EXPECT_FALSE(Egg(*picker)->isHidden());

  // Not redrawn until the next navigation.
  Button(*picker, "Button5")->click();
  Find<QLineEdit>(*picker, "Edit2")->setText(QStringLiteral("10"));
  Button(*picker, "Button9")->click();
  EXPECT_EQ(ShownNumbers(*picker), Range(0, 20));

  // The limit outlives the window; a new window takes it over.
  apply("1000");
  picker.reset();
  picker = MakePicker();
  EXPECT_FALSE(Button(*picker, "Button7")->isEnabled());  // enabled at opening only from 1541 on
  EXPECT_FALSE(Button(*picker, "Button8")->isEnabled());
  EXPECT_TRUE(Find<QLineEdit>(*picker, "Edit2")->text().isEmpty());
  EXPECT_EQ(LastOffered(*picker), 1000);
}

TEST_F(FacePicker, LimitBeyondTheArchivesShowsTheEggPictureWithNumbers) {
  auto picker = MakePicker();
  Find<QLineEdit>(*picker, "Edit2")->setText(QStringLiteral("2100"));
  Button(*picker, "Button9")->click();
  Button(*picker, "Button6")->click();
  std::vector<int> expected = Range(2097, 2100);  // the page that holds 2100
  expected.resize(21, -1);
  EXPECT_EQ(ShownNumbers(*picker), expected);
  EXPECT_TRUE(ShowsNoFace(Cell(*picker, 1)));
  EXPECT_TRUE(ShowsNoFace(Cell(*picker, 4)));
  EXPECT_EQ(Egg(*picker)->pos(), Cell(*picker, 5)->pos());  // 2101: the egg itself
  EXPECT_FALSE(Egg(*picker)->isHidden());
  Button(*picker, "Button3")->click();  // faces 2076-2096 are beyond the archives too
  EXPECT_TRUE(Egg(*picker)->isHidden());
  EXPECT_EQ(ShownNumbers(*picker), Range(2076, 2096));
  EXPECT_TRUE(ShowsNoFace(Cell(*picker, 21)));
}

TEST_F(FacePicker, EggProtestsAndHoverFrame) {
  MainWindowHarness harness;  // records the message box
  auto picker = MakePicker("game0");
  // The mouse over a cell frames it; off the picture, over the frame's rim, the frame goes.
  MouseMove(Cell(*picker, 12));
  EXPECT_FALSE(Frame(*picker)->isHidden());
  EXPECT_EQ(Frame(*picker)->geometry(), QRect(8 + 4 * 72 - 5, 112 - 5, 74, 90));
  MouseMove(Frame(*picker));
  EXPECT_TRUE(Frame(*picker)->isHidden());

  Button(*picker, "Button6")->click();
  MouseMove(Egg(*picker));  // in the ninth cell
  EXPECT_FALSE(Frame(*picker)->isHidden());
  EXPECT_EQ(Frame(*picker)->geometry(), QRect(80 - 5, 112 - 5, 74, 90));
  QTest::mouseClick(Egg(*picker), Qt::LeftButton);
  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_EQ(harness.messages[0].caption, QStringLiteral("抗议"));
  EXPECT_EQ(harness.messages[0].text, QStringLiteral("不要点了！没看到我没有编号吗？"));
  EXPECT_EQ(picker->PickedFace(), -1);
  EXPECT_NE(picker->result(), QDialog::Accepted);

  Button(*picker, "Button5")->click();  // a navigation hides the frame
  EXPECT_TRUE(Frame(*picker)->isHidden());
}

TEST_F(FacePicker, ARightClickPicksNothing) {
  auto picker = MakePicker();
  QTest::mouseClick(Cell(*picker, 5), Qt::RightButton);
  EXPECT_EQ(picker->PickedFace(), -1);
  EXPECT_NE(picker->result(), QDialog::Accepted);
}

}  // namespace
