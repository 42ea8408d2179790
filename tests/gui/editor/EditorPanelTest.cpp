// The editor panel on the real main window with a loaded file: showing an
// officer, confirming edits, the quick actions, and what a save afterwards
// puts on disk.
#include "gui/editor/EditorPanelFixture.h"

namespace {

TEST_F(EditorPanelTest, ControlsStandInTheirGroups) {
  TForm_Main& w = Window();
  const std::pair<QGroupBox*, std::vector<const char*>> groups[] = {
      {Find<QGroupBox>(w, "GroupBox1"), {"Edit_Tongshuai", "Edit_Wuli", "Edit_Zhili", "Edit_Zhengzhi", "Edit_Meili", "Edit_Shengwang"}},
      {Find<QGroupBox>(w, "GroupBox3"), {"Edit_Xing", "Edit_Ming", "Edit_Zi", "Edit_Yin", "Memo_Story", "Button1", "Button2"}},
      {Find<QGroupBox>(w, "GroupBox4"), {"Edit_Face", "ComboBox_Gender"}},
      {Find<QGroupBox>(w, "GroupBox5"), {"ComboBox_Type", "ComboBox_Belief", "ComboBox_Character", "ComboBox_Drink", "ComboBox_Care",
                     "ComboBox_Desire", "ComboBox_Yili", "ComboBox_Qiyong", "ComboBox_Han", "ComboBox_Stratagem",
                     "ComboBox_Task"}},
      {Find<QGroupBox>(w, "GroupBox9"), {"Edit_BornYear", "Edit_EnterYear", "Edit_DeadYear"}},
      {Find<QGroupBox>(w, "GroupBox10"), {"Edit_Xiangxing", "Edit_Touyuan"}},
  };
  for (const auto& [group, names] : groups) {
    for (const char* name : names) {
      QWidget* control = w.findChild<QWidget*>(QString::fromLatin1(name));
      ASSERT_NE(control, nullptr) << name;
      EXPECT_EQ(control->parentWidget(), group) << name;
    }
  }
  EXPECT_FALSE(Find<QLineEdit>(w, "Edit_Face")->isEnabled());
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Face")->geometry(), QRect(40, 106, 40, 20));
  EXPECT_EQ(Find<QPushButton>(w, "Button1")->geometry(), QRect(128, 80, 121, 25));
  EXPECT_EQ(Find<QPushButton>(w, "Button1")->text(), U("此人日文-->中文"));
  EXPECT_EQ(Find<QPushButton>(w, "Button2")->geometry(), QRect(256, 80, 137, 25));
  EXPECT_EQ(Find<QPushButton>(w, "Button2")->text(), U("所有武将日文-->中文"));

  // The skill grid: 农业 top left, 训练 top right, 仙人 bottom right in the narrow column.
  ASSERT_EQ(SkillBoxes(w).size(), 42u);
  EXPECT_EQ(SkillBoxes(w)[0]->objectName(), "CB_S07");
  EXPECT_EQ(SkillBoxes(w)[0]->geometry(), QRect(5, 13, 50, 17));
  EXPECT_EQ(SkillBoxes(w)[6]->geometry(), QRect(271, 13, 45, 17));
  EXPECT_EQ(SkillBoxes(w)[41]->objectName(), "CB_S56");
  EXPECT_EQ(SkillBoxes(w)[41]->geometry(), QRect(271, 85, 45, 17));
  for (QCheckBox* box : SkillBoxes(w)) EXPECT_EQ(box->parentWidget(), Find<QGroupBox>(w, "GroupBox2"));

  // Enumeration pickers: choose-only, nothing chosen at start.
  EXPECT_FALSE(Find<QComboBox>(w, "ComboBox_Character")->isEditable());
  EXPECT_EQ(Find<QComboBox>(w, "ComboBox_Character")->currentIndex(), -1);
  EXPECT_EQ(Find<QComboBox>(w, "ComboBox_Type")->count(), 6);
  EXPECT_EQ(Find<QComboBox>(w, "ComboBox_Gender")->itemText(1), U("女"));
}

TEST_F(EditorPanelTest, SelectingARowShowsTheSlot) {
  Open();
  SelectSlot(2);
  TForm_Main& w = Window();
  EXPECT_EQ(Find<QComboBox>(w, "ComboBox_Type")->currentIndex(), -1);  // 0xFF
  EXPECT_EQ(Find<QComboBox>(w, "ComboBox_Type")->currentText(), QString());
  EXPECT_EQ(Find<QComboBox>(w, "ComboBox_Gender")->currentText(), U("女"));
  EXPECT_EQ(Find<QComboBox>(w, "ComboBox_Character")->currentIndex(), 0);
  EXPECT_EQ(Find<QComboBox>(w, "ComboBox_Task")->currentIndex(), -1);  // 7 is past the list
  EXPECT_EQ(Find<QComboBox>(w, "ComboBox_Belief")->currentIndex(), 0);
  EXPECT_EQ(Find<QComboBox>(w, "ComboBox_Father")->currentText(), U("无"));
  EXPECT_EQ(Find<QComboBox>(w, "ComboBox_Mother")->currentIndex(), 831);
  EXPECT_EQ(Find<QComboBox>(w, "ComboBox_Xiangxing")->currentIndex(), 650);
  EXPECT_EQ(Find<QComboBox>(w, "ComboBox_Enemy")->currentIndex(), 0);
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Face")->text(), "17");
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_BornYear")->text(), "65535");
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Xiangxing")->text(), "255");
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Shengwang")->text(), "50");
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Meili")->text(), "75");
  EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Xing")->text(), U("张飞"));
  EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Ming")->text(), QString());
  EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Zi")->text(), U("关"));
  EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Yin")->text(), "zhang fei");
  EXPECT_EQ(Find<GbkMemo>(w, "Memo_Story")->toPlainText(), U("关\n羽"));  // a lone LF is a line break
  EXPECT_EQ(w.Session().ShownTexts().Of(FieldWithRole(FieldRole::Surname)), "\xD5\xC5\xB7\xC9");
  EXPECT_EQ(w.Session().ShownTexts().Of(FieldWithRole(FieldRole::CourtesyName)), "\xB9\xD8");

  std::vector<QString> checked;
  for (QCheckBox* box : SkillBoxes(w)) {
    if (box->isChecked()) checked.push_back(box->objectName());
  }
  EXPECT_EQ(checked, (std::vector<QString>{"CB_S07", "CB_S00", "CB_S43", "CB_S57", "CB_S56"}));

  // Showing converts copies only.
  EXPECT_EQ(w.Document().Table()[2].Xing.Text(), kBig5ZhangFei);
}

TEST_F(EditorPanelTest, ThePortraitIsReadAgainOnlyForAnotherFaceNumber) {
  TForm_Main& w = Open();
  SelectSlot(2);
  QPixmap marker(64, 80);
  marker.fill(Qt::red);
  const auto markerKey = [&] { return Find<ClickLabel>(w, "Image_Face")->pixmap().toImage().pixel(0, 0); };
  Find<ClickLabel>(w, "Image_Face")->setPixmap(marker);

  Find<QPushButton>(w, "Btn_MCancel")->click();  // same officer
  EXPECT_EQ(markerKey(), QColor(Qt::red).rgb());
  SelectSlot(3);  // another officer with the same face
  EXPECT_EQ(markerKey(), QColor(Qt::red).rgb());

  Find<QLineEdit>(w, "Edit_Face")->setText("1200");  // as the face picker leaves it
  Find<QPushButton>(w, "Btn_MCancel")->click();
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Face")->text(), "17");
  EXPECT_NE(markerKey(), QColor(Qt::red).rgb());

  Find<ClickLabel>(w, "Image_Face")->setPixmap(marker);
  Action(w, "R1")->trigger();  // the reload empties the face number
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Face")->text(), QString());
  Find<QPushButton>(w, "Btn_MCancel")->click();  // slot 0 after a load
  EXPECT_EQ(w.Session().CurrentSlot(), 0);
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Face")->text(), "0");
  EXPECT_NE(markerKey(), QColor(Qt::red).rgb());
}

TEST_F(EditorPanelTest, AnImpossibleNumberStoresNothingAndPointsAtItsBox) {
  TForm_Main& w = Open();
  w.show();
  SelectSlot(2);
  const struct {
    const char* box;
    QString text;
    QString message;
  } cases[] = {
      {"Edit_Wuli", "abc", "'abc' is not a valid integer value."},
      {"Edit_Xiangxing", "300", U("势力相性：300 超出范围 0–255.")},
  };
  for (const auto& c : cases) {
    harness.messages.clear();
    Find<QPushButton>(w, "Btn_MCancel")->click();
    const OfficerRecord before = w.Document().Table()[2];
    const QStringList rowBefore = RowTextsOf(OfficerList(w)->currentItem());
    Find<QComboBox>(w, "ComboBox_Type")->setCurrentIndex(3);
    Find<QLineEdit>(w, "Edit_Tongshuai")->setText("55");
    Find<QComboBox>(w, "ComboBox_Father")->setCurrentIndex(5);
    Find<GbkLineEdit>(w, "Edit_Xing")->setText(U("关"));
    Find<GbkLineEdit>(w, "Edit_Yin")->setText("guan");
    Find<QPushButton>(w, "Btn_AllSkills")->click();
    QLineEdit* box = Find<QLineEdit>(w, c.box);
    box->setText(c.text);
    Find<QPushButton>(w, "Btn_MConfirm")->click();

    ASSERT_EQ(harness.messages.size(), 1u) << c.box;
    EXPECT_EQ(harness.messages[0].text, c.message);
    EXPECT_EQ(harness.messages[0].kind, seam::MessageKind::Error);
    EXPECT_EQ(w.Document().Table()[2], before) << c.box;
    EXPECT_FALSE(w.Document().IsModified()) << c.box;
    EXPECT_TRUE(w.isWindowModified()) << c.box;  // the refused edits wait in the panel
    EXPECT_EQ(Find<QComboBox>(w, "ComboBox_Father")->itemText(652), U("张飞"));  // roster entry untouched
    EXPECT_EQ(RowTextsOf(OfficerList(w)->currentItem()), rowBefore);
    EXPECT_EQ(box->text(), c.text);  // the panel keeps the input
    EXPECT_EQ(w.focusWidget(), box) << c.box;
    EXPECT_EQ(box->selectedText(), c.text) << c.box;
  }
}

TEST_F(EditorPanelTest, NumbersWithinTheirWidthAreStoredAndTheRowFollows) {
  TForm_Main& w = Open();
  SelectSlot(2);
  Find<QLineEdit>(w, "Edit_Tongshuai")->setText("150");  // no game range
  Find<QLineEdit>(w, "Edit_Wuli")->setText("65535");
  Find<QLineEdit>(w, "Edit_Meili")->setText(" 12");
  Find<QLineEdit>(w, "Edit_BornYear")->clear();
  Find<QPushButton>(w, "Btn_MConfirm")->click();
  EXPECT_TRUE(harness.messages.empty());
  EXPECT_TRUE(w.isWindowModified());
  const OfficerRecord& r = w.Document().Table()[2];
  EXPECT_EQ(r.Tongshuai, 150);
  EXPECT_EQ(r.Wuli, 65535);
  EXPECT_EQ(r.Meili, 12);
  EXPECT_EQ(r.BornYear, 65535);  // empty keeps
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Meili")->text(), " 12");  // the panel is not shown again

  QTreeWidgetItem* row = OfficerList(w)->currentItem();
  EXPECT_EQ(row->text(0), "652");
  EXPECT_EQ(row->text(1), U("张飞 关"));
  EXPECT_EQ(row->text(2), "150");
  EXPECT_EQ(row->text(3), "65535");
  EXPECT_EQ(row->text(6), "12");
}

TEST_F(EditorPanelTest, NamesAreWrittenOnlyWhenEditedAndTheReadingAlways) {
  TForm_Main& w = Open();
  SelectSlot(2);
  // Texts changed elsewhere (an import, an undo) are shown at once, so a
  // confirmation cannot write stale texts back.
  ChangeRecord(w, 2, [&](OfficerRecord& r) { r.Ming.Write("m"); });
  ChangeRecord(w, 2, [&](OfficerRecord& r) { r.Zi.Write("z"); });
  ChangeRecord(w, 2, [&](OfficerRecord& r) { r.Story.Write("s"); });
  ChangeRecord(w, 2, [&](OfficerRecord& r) { r.Yin.Write("y"); });
  EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Ming")->text(), "m");
  EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Yin")->text(), "y");
  const OfficerRecord changed = w.Document().Table()[2];
  Find<QPushButton>(w, "Btn_MConfirm")->click();
  const OfficerRecord& confirmed = w.Document().Table()[2];
  EXPECT_EQ(confirmed.Xing, changed.Xing);
  EXPECT_EQ(confirmed.Ming, changed.Ming);
  EXPECT_EQ(confirmed.Zi, changed.Zi);
  EXPECT_EQ(confirmed.Yin, changed.Yin);
  EXPECT_EQ(confirmed.Story, changed.Story);

  // The names follow into the list and the pickers; a lone LF is stored as CR LF.
  Find<GbkLineEdit>(w, "Edit_Xing")->setText(U("关"));
  Find<GbkMemo>(w, "Memo_Story")->setPlainText(U("关\n羽羽"));
  Find<QPushButton>(w, "Btn_MConfirm")->click();
  EXPECT_EQ(w.Document().Table()[2].Story.Text(), kBig5Guan + "\r\n" + kBig5Yu + kBig5Yu);
  for (QComboBox* picker : RelationshipPickers(w)) {
    EXPECT_EQ(picker->itemText(652), U("关m")) << picker->objectName().toStdString();
  }
  EXPECT_EQ(OfficerList(w)->currentItem()->text(1), U("关m z"));
}

// What the quick actions store is checked byte for byte by the save below.
TEST_F(EditorPanelTest, QuickActionsFillOnlyThePanelUntilConfirmed) {
  TForm_Main& w = Open();
  SelectSlot(3);
  Find<QPushButton>(w, "Btn_AllSkills")->click();
  for (QCheckBox* box : SkillBoxes(w)) EXPECT_TRUE(box->isChecked());
  Find<QPushButton>(w, "Btn_MCancel")->click();
  for (QCheckBox* box : SkillBoxes(w)) EXPECT_FALSE(box->isChecked());
  EXPECT_EQ(w.Document().Table()[3].Skills, (std::array<std::uint8_t, 6>{}));

  Find<QLineEdit>(w, "Edit_Shengwang")->setText("123");
  Find<QPushButton>(w, "Btn_BT")->click();
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Zhengzhi")->text(), "99");
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Shengwang")->text(), "123");  // no ability
  EXPECT_EQ(w.Document().Table()[3].Tongshuai, 0);
}

TEST_F(EditorPanelTest, AReloadEmptiesThePanel) {
  TForm_Main& w = Open();
  SelectSlot(2);
  Action(w, "R1")->trigger();
  EXPECT_EQ(w.Session().CurrentSlot(), 0);
  EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Xing")->text(), QString());
  EXPECT_EQ(Find<GbkMemo>(w, "Memo_Story")->toPlainText(), QString());
  EXPECT_EQ(Find<QLineEdit>(w, "Edit_Face")->text(), QString());
  for (QCheckBox* box : SkillBoxes(w)) EXPECT_FALSE(box->isChecked());
  EXPECT_EQ(Find<QComboBox>(w, "ComboBox_Gender")->currentIndex(), -1);
  EXPECT_EQ(Find<QComboBox>(w, "ComboBox_Mother")->currentIndex(), -1);
  EXPECT_EQ(Find<ClickLabel>(w, "Image_Face")->pixmap().toImage(), NoFacePicture().toImage());
}

TEST_F(EditorPanelTest, ASaveWritesExactlyTheConfirmedFields) {
  for (std::size_t s = 0; s < kSlotCount; ++s) PutBytes(bytes, s, kType, "\xFF");  // no save mark anywhere
  PutBytes(bytes, 0, 0, "");  // header
  bytes[0] = 'H';
  bytes[3] = '!';
  PutBytes(bytes, 2, 32, "\xA1\xA2\xA3");
  PutBytes(bytes, 2, 53, "preserved");
  PutBytes(bytes, 2, kSaveMark, "\x5A\x5B");
  PutBytes(bytes, 2, 66, "keep");
  PutBytes(bytes, 2, 72, "untouched");
  WriteBytes(file, bytes);

  TForm_Main& w = Open();
  SelectSlot(2);
  Find<QPushButton>(w, "Btn_BT")->click();
  Find<QLineEdit>(w, "Edit_Shengwang")->setText("123");
  Find<GbkLineEdit>(w, "Edit_Xing")->setText(U("关"));
  Find<GbkLineEdit>(w, "Edit_Yin")->setText("guan");
  Find<QComboBox>(w, "ComboBox_Type")->setCurrentIndex(1);
  Find<QPushButton>(w, "Btn_AllSkills")->click();
  Find<QPushButton>(w, "Btn_MConfirm")->click();
  w.SaveFile();
  ASSERT_TRUE(harness.messages.empty());

  std::vector<unsigned char> expected = bytes;
  for (std::size_t offset : {kTongshuai, kWuli, kZhili, kZhengzhi, kMeili}) PutU16(expected, 2, offset, 99);
  PutU16(expected, 2, kShengwang, 123);
  PutU16(expected, 2, kFather, 0xFFFF);
  PutBytes(expected, 2, kTask, "\xFF");
  PutBytes(expected, 2, kType, "\x01");
  PutBytes(expected, 2, kSaveMark, "\x01");
  PutBytes(expected, 2, kSkills, std::string("\xFF\xFF\xFF\xFF\xFF\x03", 6));
  PutBytes(expected, 2, kXing, kBig5Guan + std::string("\0", 1));
  PutBytes(expected, 2, kYin, std::string("guan\0", 5));
  EXPECT_EQ(ReadBytes(file), expected);
}

}  // namespace
