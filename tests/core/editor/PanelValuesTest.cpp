// The editor's field rules: what showing puts into the panel and what a
// confirmation writes back, all or nothing.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/editor/PanelValues.h"
#include "core/officers/IntegerText.h"
#include "support/OfficerBytes.h"

namespace {

// Big5 and GBK spellings of the same names.
const std::string kBig5Zhang = "\xB1\x69";     // 張
const std::string kBig5Fei = "\xAD\xB8";       // 飛
const std::string kBig5Guan = "\xC3\xF6";      // 關
const std::string kGbkZhang = "\xD5\xC5";      // 张
const std::string kGbkFei = "\xB7\xC9";        // 飞
const std::string kGbkGuan = "\xB9\xD8";       // 关
const std::string kBig5Yu = "\xA6\xD0";

std::size_t NumberIndex(std::string_view name) {
  for (std::size_t i = 0; i < kNumberFieldCount; ++i) {
    if (NumberFields()[i]->control == name) return i;
  }
  ADD_FAILURE() << "no number field " << name;
  return 0;
}

OfficerRecord SampleRecord() {
  OfficerRecord r;
  r.Face = 1234;
  r.Father = 900;
  r.BornYear = 0xFFFF;
  r.Shengwang = 321;
  r.Tongshuai = 80;
  r.Wuli = 81;
  r.Zhili = 82;
  r.Zhengzhi = 83;
  r.Meili = 84;
  r.Xiangxing = 0xFF;
  r.Touyuan = 7;
  r.Type = 0xFF;
  r.Gender = 2;
  r.Character = 3;
  r.Task = 4;  // one past the list
  r.Xing.Write(kBig5Guan);
  r.Ming.Write(kBig5Yu);
  r.Yin.Write("guan yu");
  r.Story.Write("a\nb");
  r.Skills = {0x81, 0, 0, 0, 0, 0xFF};
  return r;
}

// The panel as showing the record would fill it, with the names as shown.
struct Shown {
  PanelValues panel;
  ShownTextSet names;
};

Shown Show(const OfficerRecord& r) {
  Shown s{PanelFromRecord(r), {}};
  s.names = s.panel.texts;
  return s;
}

// The panel's text box of that control.
std::string& Box(PanelValues& panel, std::string_view control) {
  return control == "Edit_Yin" ? panel.yin : panel.texts.Of(FieldByControl(control));
}

TEST(EditorFields, EnumerationListsAndSkillGrid) {
  std::set<std::string_view> names;
  for (const auto* picker : Enumerations()) names.insert(picker->control);
  EXPECT_EQ(names.size(), kEnumerationCount);
  EXPECT_EQ(Enumerations()[2]->control, "ComboBox_Character");

  // Every position once: no two boxes share a byte and bit.
  std::set<std::pair<int, int>> positions;
  for (const auto& box : SkillLayout()) positions.insert({box.byte, box.mask});
  EXPECT_EQ(positions.size(), kSkillBoxCount);

  // The grid, row by row: the first row starts with 农业, the second with
  // 突击, the last one ends with 医者 and 仙人.
  const auto& grid = SkillLayout();
  EXPECT_EQ(grid[0].caption, "农业");
  EXPECT_EQ(grid[6].caption, "训练");
  EXPECT_EQ(grid[7].caption, "突击");
  EXPECT_EQ(grid[8].caption, "火矢");
  EXPECT_EQ(grid[21].caption, "回复");
  EXPECT_EQ(grid[32].caption, "论破");
  EXPECT_EQ(grid[35].caption, "军师");
  EXPECT_EQ(grid[40].caption, "医者");
  EXPECT_EQ(grid[41].objectName, "CB_S56");
}

TEST(EditorFields, SkillBytesAndBoxes) {
  // One box at a time: the grid counts the six bytes from bit 0 of byte 0
  // upwards (训练 is bit 6, 突击 bit 7, 火矢 bit 0 of the next byte).
  const std::pair<std::size_t, std::array<std::uint8_t, 6>> single[] = {
      {0, {0x01, 0, 0, 0, 0, 0}},  {6, {0x40, 0, 0, 0, 0, 0}},  {7, {0x80, 0, 0, 0, 0, 0}},
      {8, {0, 0x01, 0, 0, 0, 0}},  {40, {0, 0, 0, 0, 0, 0x01}}, {41, {0, 0, 0, 0, 0, 0x02}},
  };
  for (const auto& [box, bytes] : single) {
    std::array<bool, kSkillBoxCount> checked{};
    checked[box] = true;
    EXPECT_EQ(SkillsFromBoxes(checked), bytes) << box;
    EXPECT_EQ(BoxesFromSkills(bytes), checked) << box;
  }

  std::array<bool, kSkillBoxCount> all;
  all.fill(true);
  EXPECT_EQ(SkillsFromBoxes(all), (std::array<std::uint8_t, 6>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x03}));

  // Byte 5 = FF shows only its two boxes and reads back as 03.
  const std::array<std::uint8_t, 6> byte5{0, 0, 0, 0, 0, 0xFF};
  const auto shown = BoxesFromSkills(byte5);
  int checked = 0;
  for (std::size_t i = 0; i < kSkillBoxCount; ++i) checked += shown[i];
  EXPECT_EQ(checked, 2);
  EXPECT_TRUE(shown[40] && shown[41]);
  EXPECT_EQ(SkillsFromBoxes(shown), (std::array<std::uint8_t, 6>{0, 0, 0, 0, 0, 0x03}));
}

TEST(PanelFromRecord, StopsAtTheFieldEndAndLeavesTheRecordAlone) {
  OfficerRecord r;
  r.Xing.bytes = {'a', 'b', 'c', 'd', 'e'};  // no terminator
  for (auto& b : r.Yin.bytes) b = 'y';
  const OfficerRecord before = r;
  const PanelValues p = PanelFromRecord(r);
  EXPECT_EQ(p.texts.Of(FieldByControl("Edit_Xing")), "abcde");
  EXPECT_EQ(p.yin, std::string(11, 'y'));
  EXPECT_EQ(r, before);
}

TEST(ConfirmIntoRecord, UneditedPanelChangesOnlyWhatTheListsCannotHold) {
  OfficerRecord r = SampleRecord();
  r.Xing.bytes[4] = 0x77;  // beyond the terminator
  const Shown s = Show(r);
  OfficerRecord confirmed = r;
  ConfirmIntoRecord(s.panel, s.names, confirmed);

  OfficerRecord expected = r;
  expected.Task = 0xFF;     // outside its list: shown as no selection, stored as 0xFF
  expected.Gender = 0xFF;
  expected.Skills[5] = 0x03;
  EXPECT_EQ(confirmed, expected);
}

TEST(ConfirmIntoRecord, NumbersWithinTheirWidthAreStoredAsTyped) {
  struct Case {
    std::string_view field;
    std::string text;
    unsigned stored;
  };
  // No game range: 150 in 统率 is stored; the width's ends on both sides.
  const Case cases[] = {
      {"Edit_Tongshuai", "150", 150}, {"Edit_Wuli", "65535", 65535}, {"Edit_Zhili", "0", 0},
      {"Edit_Meili", " 12", 12},      {"Edit_Meili", "$10", 16},     {"Edit_Zhili", "0x1F", 31},
      {"Edit_Xiangxing", "255", 255}, {"Edit_Touyuan", "0", 0},      {"Edit_Face", "2012", 2012},
  };
  for (const Case& c : cases) {
    OfficerRecord r = SampleRecord();
    Shown s = Show(r);
    s.panel.numbers[NumberIndex(c.field)] = c.text;
    ConfirmIntoRecord(s.panel, s.names, r);
    EXPECT_EQ(FieldValue(r, *NumberFields()[NumberIndex(c.field)]), c.stored) << c.field << " '" << c.text << "'";
  }
}

TEST(ConfirmIntoRecord, AnImpossibleValueChangesNothingAndNamesItsBox) {
  struct Case {
    std::string_view box;
    std::string text;
    std::string message;
  };
  const Case cases[] = {
      {"Edit_Shengwang", "70000", "声望：70000 超出范围 0–65535"},
      {"Edit_Tongshuai", "65536", "统率：65536 超出范围 0–65535"},
      {"Edit_Zhili", "-5", "智力：-5 超出范围 0–65535"},
      {"Edit_Xiangxing", "300", "势力相性：300 超出范围 0–255"},
      {"Edit_Touyuan", "256", "个人相性：256 超出范围 0–255"},
      {"Edit_DeadYear", "-1", "死亡年：-1 超出范围 0–65535"},
      {"Edit_Wuli", "abc", "'abc' is not a valid integer value"},
      {"Edit_Meili", "12 ", "'12 ' is not a valid integer value"},
  };
  for (const Case& c : cases) {
    OfficerRecord r = SampleRecord();
    Shown s = Show(r);
    // Everything else edited: none of it may be stored.
    s.panel.enumerations[0] = 2;
    s.panel.numbers[NumberIndex("Edit_Tongshuai")] = "99";
    s.panel.relationships[0] = 650;
    Box(s.panel, "Edit_Xing") = kGbkZhang;
    s.panel.yin = "zhang";
    s.panel.skills.fill(true);
    s.panel.numbers[NumberIndex(c.box)] = c.text;
    const OfficerRecord before = r;
    try {
      ConfirmIntoRecord(s.panel, s.names, r);
      ADD_FAILURE() << c.box << " " << c.text << ": no error";
    } catch (const ImpossibleValue& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
      EXPECT_EQ(e.Field().control, c.box);
    }
    EXPECT_EQ(r, before) << c.box << " " << c.text;
  }
}

TEST(ConfirmIntoRecord, ImpossibleTextsAreRefusedBeforeAnythingIsStored) {
  struct Case {
    std::string_view box;
    std::string typed;  // GBK
    std::string message;
  };
  const Case cases[] = {
      {"Edit_Xing", kGbkZhang + kGbkFei + kGbkGuan, "姓：太长：6 字节，最多 4 字节"},
      {"Edit_Ming", "a\tb", "名：含有控制字符 U+0009"},
      {"Edit_Zi", "??", "字：“?”像是丢失的字（表格程序保存时可能没有选择 UTF-8）"},
      {"Edit_Yin", "abcdefghijk", "读音：太长：11 字节，最多 10 字节"},
      {"Memo_Story", std::string(151, 'n'), "列传：太长：151 字节，最多 150 字节"},
      {"Memo_Story", "\xC0\xEE\x01", "列传：含有控制字符 U+0001"},
  };
  for (const Case& c : cases) {
    OfficerRecord r = SampleRecord();
    Shown s = Show(r);
    s.panel.numbers[NumberIndex("Edit_Tongshuai")] = "12";
    Box(s.panel, c.box) = c.typed;
    const OfficerRecord before = r;
    try {
      ConfirmIntoRecord(s.panel, s.names, r);
      ADD_FAILURE() << c.message << ": no error";
    } catch (const ImpossibleValue& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
    EXPECT_EQ(r, before) << c.message;
  }
}

TEST(ConfirmIntoRecord, TextsKeepTheBytesAfterTheirTerminator) {
  OfficerRecord r;
  r.Xing.Write(kBig5Zhang + kBig5Fei);
  r.Story.bytes.fill('s');
  r.Story.bytes[152] = 0;
  const Shown s = Show(r);
  PanelValues edited = s.panel;
  Box(edited, "Edit_Xing") = kGbkGuan;        // one character over two
  Box(edited, "Edit_Zi") = "ab" + kGbkZhang;  // 2 + 2 bytes fit exactly
  Box(edited, "Memo_Story") = "x\r\ny";
  ConfirmIntoRecord(edited, s.names, r);
  EXPECT_EQ(FieldBytes(r.Xing), kBig5Guan + std::string("\0\xB8\0", 3));  // 關, zero, the rest of 飛 as it was
  EXPECT_EQ(FieldBytes(r.Zi), "ab" + kBig5Zhang + std::string("\0", 1));
  EXPECT_EQ(r.Story.Text(), "x\r\ny");
  EXPECT_EQ(r.Story.bytes[5], 's');

  // A reading that fills all eleven bytes is kept whole when left alone.
  OfficerRecord full;
  full.Yin.bytes.fill('y');
  const Shown f = Show(full);
  ConfirmIntoRecord(f.panel, f.names, full);
  EXPECT_EQ(FieldBytes(full.Yin), std::string(11, 'y'));
}

}  // namespace
