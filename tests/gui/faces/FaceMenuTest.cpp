// 头像 → 替换此头像… / 恢复原头像 on the real window, and the same commands
// on a face of the picker: what reaches the archive, byte for byte, and
// what the window draws at once.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <deque>
#include <QTest>

#include "gui/faces/FaceReplaceDialog.h"
#include "gui/faces/FaceWindowFixture.h"
#include "gui/faces/TfrmPic.h"
#include "gui/list/ListWindowFixture.h"
#include "support/PathText.h"

namespace {

constexpr QRgb kLeft = 0xFF123456;   // the test picture's left half
constexpr QRgb kRight = 0xFFABCDEF;  // and its right half
constexpr std::size_t kFace5 = 37260 + 5 * 6144;  // face 5 in a main archive: image 5

class FaceMenuTest : public ListWindowFixture {
 protected:
  void SetUp() override {
    WriteGameFaces(game_.Path(), 40, 3);
    OfficerTable table{};
    table[0] = Officer("\xB1\x69", "\xAD\xB8", "", 80, 81, 82, 83, 84);  // 張飛
    table[0].Face = 5;
    table[1] = Officer("\xC3\xF6", "\xA6\xD0", "", 70, 79, 72, 73, 74);  // 關羽
    table[1].Face = 2001;
    table[2] = Officer("\xBB\xAF", "", "", 1, 80, 1, 1, 1);  // 趙
    table[2].Face = 5;
    table[3].Face = 5;  // an empty slot uses no face
    Window().OpenFaceArchives(Q(game_.Path()));
    Load(table);
    Window().show();
  }
  // Opens the 头像 menu (which settles what it offers) and runs a command.
  QAction* MenuCommand(const char* name) {
    emit Find<QMenu>(Window(), "Menu_Faces")->aboutToShow();
    return Action(Window(), name);
  }
  // A 64 x 80 picture, the left half one colour, the right half another.
  QString TwoColourPicture(QRgb left, QRgb right, const char* name) {
    QImage picture(64, 80, QImage::Format_RGB32);
    picture.fill(right);
    for (int y = 0; y < 80; ++y) {
      for (int x = 0; x < 32; ++x) picture.setPixel(x, y, left);
    }
    const QString path = Q(dir_ / name);
    picture.save(path, "PNG");
    return path;
  }
  std::filesystem::path Archive() const { return game_ / "grp" / "grpfaces.vmr"; }
  std::filesystem::path Backup() const { return game_ / "grp" / "grpfaces.vmr.bak"; }

  TempDir game_;
};

QImage Shown(QWidget& window, const char* name) { return Picture(Find<QLabel>(window, name)); }

TEST_F(FaceMenuTest, ReplacingWritesTheFaceShowsItAtOnceAndRestoreTakesItBack) {
  Choose(0);
  const FaceBytes original = MainArchiveBytes(40);
  ASSERT_EQ(ReadBytes(Archive()), original);
  EXPECT_FALSE(MenuCommand("Menu_RestoreFace")->isEnabled());  // no backup yet

  QStringList users;
  bool gameOfficersLine = false;
  QRgb previewLeft = 0, keptPaletteLeft = 0;
  harness.modalAnswer = [&](QDialog* dialog) {
    users.clear();
    for (int i = 0; i < Find<QListWidget>(*dialog, "List_Users")->count(); ++i) {
      users << Find<QListWidget>(*dialog, "List_Users")->item(i)->text();
    }
    gameOfficersLine = !Find<QLabel>(*dialog, "Label_GameOfficers")->isHidden();
    previewLeft = Shown(*dialog, "Image_NewLarge").pixel(63, 0);
    // Mapped onto face 5's palette (its colour and black) the preview changes at once, and back.
    Find<QRadioButton>(*dialog, "Radio_KeepPalette")->click();
    keptPaletteLeft = Shown(*dialog, "Image_New").pixel(0, 0);
    Find<QRadioButton>(*dialog, "Radio_NewPalette")->click();
    Button(*dialog, "Btn_Replace")->click();
    return dialog->result();
  };
  harness.openAnswers.push_back(TwoColourPicture(kLeft, kRight, "two.png"));
  MenuCommand("Menu_ReplaceFace")->trigger();

  EXPECT_EQ(users, (QStringList{QStringLiteral("650 张飞"), QStringLiteral("652 赵")}));
  EXPECT_TRUE(gameOfficersLine);
  EXPECT_EQ(previewLeft, kLeft);  // doubled: x 63 is still the left half
  EXPECT_TRUE(keptPaletteLeft == FaceMark(5) || keptPaletteLeft == 0xFF000000u) << std::hex << keptPaletteLeft;
  FaceBytes expected = original;
  for (std::size_t row = 0; row < 80; ++row) {
    for (std::size_t x = 0; x < 64; ++x) expected[kFace5 + row * 64 + x] = x < 32 ? 0x00 : 0x01;
  }
  const FaceBytes palette = {0x56, 0x34, 0x12, 0x77, 0xEF, 0xCD, 0xAB, 0x00, 0x00, 0x00, 0x00, 0x00};
  std::copy(palette.begin(), palette.end(), expected.begin() + kFace5 + 5120);
  std::fill(expected.begin() + kFace5 + 5120 + 12, expected.begin() + kFace5 + 6144, 0x00);
  EXPECT_EQ(ReadBytes(Archive()), expected);
  EXPECT_EQ(ReadBytes(Backup()), original);
  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_TRUE(harness.messages[0].text.startsWith(QStringLiteral("头像档原样备份为 “")));
  // The portrait shows the new face at once.
  EXPECT_EQ(Shown(Window(), "Image_Face").pixel(31, 40), kLeft);
  EXPECT_EQ(Shown(Window(), "Image_Face").pixel(32, 40), kRight);

  // A second replacement leaves the backup as the game installed it.
  harness.openAnswers.push_back(TwoColourPicture(kRight, kLeft, "swapped.png"));
  MenuCommand("Menu_ReplaceFace")->trigger();
  EXPECT_EQ(ReadBytes(Backup()), original);
  EXPECT_EQ(harness.messages.size(), 1u);
  EXPECT_EQ(Shown(Window(), "Image_Face").pixel(0, 0), kRight);

  QAction* restore = MenuCommand("Menu_RestoreFace");
  ASSERT_TRUE(restore->isEnabled());
  restore->trigger();
  EXPECT_EQ(ReadBytes(Archive()), original);
  EXPECT_EQ(Shown(Window(), "Image_Face").pixel(0, 0), FaceMark(5));
  EXPECT_FALSE(MenuCommand("Menu_RestoreFace")->isEnabled());
  EXPECT_EQ(harness.messages.size(), 1u);
}

TEST_F(FaceMenuTest, ABadPictureOrACancelledPreviewLeavesTheArchivesAsTheyWere) {
  const FaceBytes original = MainArchiveBytes(40);
  const FaceBytes added = AddedArchiveBytes(3);
  EXPECT_FALSE(MenuCommand("Menu_ReplaceFace")->isEnabled());  // no officer shown
  Choose(0);
  WriteBytes(dir_ / "broken.png", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'});
  harness.openAnswers.push_back(Q(dir_ / "broken.png"));
  MenuCommand("Menu_ReplaceFace")->trigger();
  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_EQ(harness.messages[0].kind, seam::MessageKind::Error);
  EXPECT_TRUE(harness.messages[0].text.contains(QStringLiteral("不是能读的图片")));
  EXPECT_EQ(harness.modalDialogs, 0);
  EXPECT_EQ(ReadBytes(Archive()), original);
  EXPECT_FALSE(std::filesystem::exists(Backup()));

  // An added face: no line about the game's officers; 取消 writes nothing.
  Choose(1);
  bool gameOfficersLine = true;
  harness.modalAnswer = [&](QDialog* dialog) {
    gameOfficersLine = !Find<QLabel>(*dialog, "Label_GameOfficers")->isHidden();
    Button(*dialog, "Btn_Cancel")->click();
    return dialog->result();
  };
  harness.openAnswers.push_back(TwoColourPicture(kLeft, kRight, "two.png"));
  MenuCommand("Menu_ReplaceFace")->trigger();
  EXPECT_EQ(harness.modalDialogs, 1);
  EXPECT_FALSE(gameOfficersLine);
  EXPECT_EQ(ReadBytes(game_ / "grp" / "grpaface.vmr"), added);
  EXPECT_FALSE(std::filesystem::exists(game_ / "grp" / "grpaface.vmr.bak"));
  EXPECT_TRUE(ShowsFace(Find<ClickLabel>(Window(), "Image_Face"), 2001));
}

TEST_F(FaceMenuTest, AFaceReplacedFromThePickerRedrawsItsCellAndThePortrait) {
  Choose(0);
  std::vector<int> numbersBefore, numbersAfter;
  QRgb cellAfter = 0, neighbourAfter = 0;
  harness.openAnswers.push_back(TwoColourPicture(kLeft, kRight, "two.png"));
  harness.modalAnswer = [&](QDialog* dialog) {
    if (auto* picker = dynamic_cast<TfrmPic*>(dialog)) {
      numbersBefore = ShownNumbers(*picker);
      ClickLabel* cell = Cell(*picker, 6);  // face 5 on the first page
      emit cell->customContextMenuRequested(QPoint(10, 10));
      auto* menu = picker->findChild<QMenu*>(QStringLiteral("FaceContextMenu"));
      if (menu == nullptr) return static_cast<int>(QDialog::Rejected);
      Find<QAction>(*menu, "FaceMenu_Replace")->trigger();
      delete menu;
      numbersAfter = ShownNumbers(*picker);
      cellAfter = Picture(cell).pixel(63, 79);
      neighbourAfter = Picture(Cell(*picker, 7)).pixel(0, 0);
      return static_cast<int>(QDialog::Rejected);
    }
    Button(*dialog, "Btn_Replace")->click();
    return dialog->result();
  };
  QTest::mouseClick(Find<ClickLabel>(Window(), "Image_Face"), Qt::LeftButton);
  EXPECT_EQ(harness.modalDialogs, 2);
  EXPECT_EQ(numbersAfter, numbersBefore);
  EXPECT_EQ(numbersAfter[5], 5);
  EXPECT_EQ(cellAfter, kRight);
  EXPECT_EQ(neighbourAfter, FaceMark(6));
  EXPECT_EQ(Shown(Window(), "Image_Face").pixel(0, 0), kLeft);
}

TEST_F(FaceMenuTest, AReplacementThatFailsLeavesTheArchivesOpen) {
  Choose(0);
  // The archive loses its end while the preview is open: face 20 no longer fits.
  const std::size_t shortened = 37260 + 20 * 6144 + 100;
  bool portraitDrawn = false, cellDrawn = false;
  harness.openAnswers.push_back(TwoColourPicture(kLeft, kRight, "two.png"));
  harness.modalAnswer = [&](QDialog* dialog) {
    if (auto* picker = dynamic_cast<TfrmPic*>(dialog)) {
      emit Cell(*picker, 21)->customContextMenuRequested(QPoint(10, 10));  // face 20
      auto* menu = picker->findChild<QMenu*>(QStringLiteral("FaceContextMenu"));
      if (menu == nullptr) return static_cast<int>(QDialog::Rejected);
      Find<QAction>(*menu, "FaceMenu_Replace")->trigger();
      delete menu;
      portraitDrawn = ShowsFace(Find<ClickLabel>(Window(), "Image_Face"), 5);
      Button(*picker, "Button4")->click();  // the next page reads from the archives opened again
      Button(*picker, "Button3")->click();
      cellDrawn = ShowsFace(Cell(*picker, 6), 5);
      return static_cast<int>(QDialog::Rejected);
    }
    FaceBytes bytes = ReadBytes(Archive());
    bytes.resize(shortened);
    WriteBytes(Archive(), bytes);
    Button(*dialog, "Btn_Replace")->click();
    return dialog->result();
  };
  QTest::mouseClick(Find<ClickLabel>(Window(), "Image_Face"), Qt::LeftButton);
  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_EQ(harness.messages[0].kind, seam::MessageKind::Error);
  EXPECT_TRUE(harness.messages[0].text.contains(QStringLiteral("放不下头像 20")));
  EXPECT_EQ(ReadBytes(Archive()).size(), shortened);
  EXPECT_FALSE(std::filesystem::exists(Backup()));
  EXPECT_TRUE(portraitDrawn);
  EXPECT_TRUE(cellDrawn);
}

TEST_F(FaceMenuTest, ExportsTheShownFaceEveryFaceAndTheSheet) {
  WriteGameFaces(game_.Path(), kMainFaceCount, 3);
  Window().OpenFaceArchives(Q(game_.Path()));
  Choose(1);  // face 2001
  std::deque<QString> saveAnswers = {Q(dir_ / "one.png"), Q(dir_ / "sheet.png")};
  seam::SetSaveFileHook([&](const QString&) {
    const QString answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
  });
  seam::SetFolderHook([&](const QString&) { return Q(dir_ / "all"); });

  MenuCommand("Menu_ExportFace")->trigger();
  const QImage one(Q(dir_ / "one.png"));
  EXPECT_EQ(one.size(), QSize(64, 80));
  EXPECT_EQ(one.pixel(0, 0), FaceMark(2001));

  MenuCommand("Menu_ExportAllFaces")->trigger();
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_ / "all"), {}), 1544);
  EXPECT_EQ(QImage(Q(dir_ / "all" / "0129.png")).pixel(0, 0), FaceMark(129));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "all" / "0130.png"));  // no face 130
  EXPECT_EQ(QImage(Q(dir_ / "all" / "2002.png")).pixel(63, 79), FaceMark(2002));

  MenuCommand("Menu_FaceSheet")->trigger();
  EXPECT_FALSE(QImage(Q(dir_ / "sheet.png")).isNull());
  ASSERT_EQ(harness.messages.size(), 2u);
  EXPECT_TRUE(harness.messages[0].text.startsWith(QStringLiteral("已导出 1544 个头像到 “")));
  EXPECT_TRUE(harness.messages[1].text.contains(QStringLiteral("1544 个头像，每行 20 个，")));
}

}  // namespace
