#pragma once
// The real main window with a file whose slot 2 holds values at every edge,
// for the editor panel's tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "core/editor/PanelSession.h"
#include "gui/faces/ShowFace.h"
#include "gui/widgets/ClickLabel.h"
#include "core/officers/OfficerFile.h"
#include "support/MainWindowHarness.h"
#include "support/MainWindowControls.h"
#include "support/PathText.h"
#include "support/OfficerBytes.h"

inline QString U(const char* utf8) { return QString::fromUtf8(utf8); }

inline QStringList RowTextsOf(const QTreeWidgetItem* row) {
  QStringList texts;
  for (int c = 0; c < row->columnCount(); ++c) texts << row->text(c);
  return texts;
}

// Big5 as the file stores the names, and the GBK the panel shows.
inline const std::string kBig5ZhangFei = "\xB1\x69\xAD\xB8";  // 張飛
inline const std::string kBig5Guan = "\xC3\xF6";              // 關
inline const std::string kBig5Yu = "\xA6\xD0";                // 羽

// Record offsets of the fields the tests look at.
enum : std::size_t {
  kFace = 0, kFather = 2, kMother = 4, kBornYear = 14, kShengwang = 20, kTongshuai = 22, kWuli = 24,
  kZhili = 26, kZhengzhi = 28, kMeili = 30, kGender = 35, kCharacter = 36, kXiangxing = 40, kTask = 46,
  kSkills = 47, kSaveMark = 62, kSameOfficer = 64, kType = 71, kXing = 81, kMing = 86, kZi = 91, kYin = 96,
  kStory = 107
};

class EditorPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bytes = EmptyOfficerFile();
    // Slot 2: a Chinese-edition officer with values at every edge.
    PutU16(bytes, 2, kFace, 17);
    PutU16(bytes, 2, kFather, 900);
    PutU16(bytes, 2, kMother, 831);
    PutU16(bytes, 2, kSameOfficer, 650);
    PutU16(bytes, 2, kBornYear, 65535);
    PutU16(bytes, 2, kShengwang, 50);
    PutU16(bytes, 2, kTongshuai, 71);
    PutU16(bytes, 2, kWuli, 72);
    PutU16(bytes, 2, kZhili, 73);
    PutU16(bytes, 2, kZhengzhi, 74);
    PutU16(bytes, 2, kMeili, 75);
    PutBytes(bytes, 2, kGender, "\x01");
    PutBytes(bytes, 2, kCharacter, "\x00");
    PutBytes(bytes, 2, kXiangxing, "\xFF");
    PutBytes(bytes, 2, kTask, "\x07");
    PutBytes(bytes, 2, kSkills, std::string("\x81\x00\x00\x00\x10\xFF", 6));
    PutBytes(bytes, 2, kType, "\xFF");
    PutBytes(bytes, 2, kXing, kBig5ZhangFei);
    PutBytes(bytes, 2, kZi, kBig5Guan);
    PutBytes(bytes, 2, kYin, "zhang fei");
    PutBytes(bytes, 2, kStory, kBig5Guan + "\n" + kBig5Yu);
    // Slot 3 shares the face of slot 2.
    PutU16(bytes, 3, kFace, 17);
    WriteBytes(file, bytes);
  }

  TForm_Main& Window() { return harness.Window(); }

  TForm_Main& Open() {
    Window().OpenOfficerFile(Q(file));
    return Window();
  }

  void SelectSlot(int slot) {
    const auto rows = OfficerList(Window())->findItems(QString::number(650 + slot), Qt::MatchExactly, 0);
    ASSERT_EQ(rows.size(), 1);
    OfficerList(Window())->setCurrentItem(rows.first());
    ASSERT_EQ(Window().Session().CurrentSlot(), slot);
  }

  QCheckBox* Box(const char* name) { return Window().findChild<QCheckBox*>(QString::fromLatin1(name)); }

  TempDir dir;
  std::filesystem::path file = dir / "TPERSON.VMR";
  std::vector<unsigned char> bytes;
  MainWindowHarness harness;
};
