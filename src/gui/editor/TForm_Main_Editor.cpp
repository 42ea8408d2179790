// The editor panel on the main window: its controls, showing the officer of
// CurrentSlot, confirming edits into the table, and the quick actions.
// The rules live in editor/PanelValues; this file moves values between them
// and the controls.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/widgets/ClickLabel.h"
#include "gui/widgets/PlacedWidgets.h"
#include "gui/mainwindow/TForm_Main.h"
#include "core/editor/EditorFields.h"
#include "gui/widgets/GbkTextControls.h"
#include "core/editor/PanelValues.h"
#include "gui/faces/ShowFace.h"

namespace {

QString Name(std::string_view name) { return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())); }

// A caption standing left of its control, on the same line.
void AddLabel(QWidget* group, QWidget* buddy, const QString& caption, int x, int controlY,
              const QString& name = QString()) {
  auto* label = new QLabel(caption, group);
  label->setObjectName(name.isEmpty() ? QStringLiteral("Label_") + buddy->objectName() : name);
  label->setBuddy(buddy);
  label->adjustSize();
  label->move(x, controlY + 4);
}

QLineEdit* AddNumberEdit(QWidget* group, const char* name, int x, int y, int w) {
  auto* edit = new QLineEdit(group);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(x, y, w, 20);
  return edit;
}

GbkLineEdit* AddTextEdit(QWidget* group, const char* name, int byteLimit, int x, int y, int w) {
  auto* edit = new GbkLineEdit(byteLimit, group);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(x, y, w, 20);
  return edit;
}

// A choose-only picker holding one enumeration's item list, nothing selected.
QComboBox* AddEnumerationPicker(QWidget* group, std::string_view name, int x, int y, int w) {
  const EnumerationPicker* picker = nullptr;
  for (const auto& p : Enumerations()) {
    if (p.objectName == name) picker = &p;
  }
  auto* box = new QComboBox(group);
  box->setObjectName(Name(name));
  box->setEditable(false);
  if (picker) {
    for (std::string_view item : picker->items) box->addItem(Name(item));
  }
  box->setCurrentIndex(-1);
  box->setGeometry(x, y, w, 20);
  return box;
}

// The controls in the orders of the core's field tables.
std::array<QComboBox*, kEnumerationCount> EnumerationPickers(const TForm_Main& w) {
  return {w.ComboBox_Type, w.ComboBox_Belief, w.ComboBox_Character, w.ComboBox_Drink,
          w.ComboBox_Care, w.ComboBox_Desire, w.ComboBox_Gender,    w.ComboBox_Yili,
          w.ComboBox_Qiyong, w.ComboBox_Han, w.ComboBox_Stratagem, w.ComboBox_Task};
}

std::array<QLineEdit*, kNumberFieldCount> NumberEdits(const TForm_Main& w) {
  return {w.Edit_Tongshuai, w.Edit_Wuli,      w.Edit_Zhili,     w.Edit_Zhengzhi,
          w.Edit_Meili,     w.Edit_Shengwang, w.Edit_Face,      w.Edit_BornYear,
          w.Edit_EnterYear, w.Edit_DeadYear,  w.Edit_Xiangxing, w.Edit_Touyuan};
}

std::array<QComboBox*, kRelationshipCount> RelationshipPickers(const TForm_Main& w) {
  return {w.ComboBox_Father, w.ComboBox_Mother,  w.ComboBox_Another, w.ComboBox_Xiangxing,
          w.ComboBox_Family, w.ComboBox_Brother, w.ComboBox_Enemy};
}

// Edit_Xing, Edit_Ming, Edit_Zi and Edit_Yin are built as GbkLineEdit.
std::string TextBytes(const QLineEdit* edit) { return static_cast<const GbkLineEdit*>(edit)->Bytes(); }
void SetTextBytes(QLineEdit* edit, const std::string& gbk) { static_cast<GbkLineEdit*>(edit)->SetBytes(gbk); }

}  // namespace

void TForm_Main::BuildEditorPanel() {
  // 能力
  struct Ability {
    QLineEdit** edit;
    const char* name;
    const char* caption;
    int column, line;
  };
  const Ability abilities[] = {
      {&Edit_Tongshuai, "Edit_Tongshuai", "统率", 0, 0}, {&Edit_Wuli, "Edit_Wuli", "武力", 0, 1},
      {&Edit_Zhili, "Edit_Zhili", "智力", 0, 2},         {&Edit_Zhengzhi, "Edit_Zhengzhi", "政治", 1, 0},
      {&Edit_Meili, "Edit_Meili", "魅力", 1, 1},         {&Edit_Shengwang, "Edit_Shengwang", "声望", 1, 2},
  };
  for (const Ability& a : abilities) {
    const int y = 16 + 24 * a.line;
    *a.edit = AddNumberEdit(GroupBox1, a.name, a.column == 0 ? 35 : 114, y, 45);
    AddLabel(GroupBox1, *a.edit, QString::fromUtf8(a.caption), a.column == 0 ? 8 : 88, y);
  }

  // 特技: 7 columns, 6 rows, in the order of SkillLayout()
  static constexpr int kColumnX[] = {5, 49, 93, 138, 182, 227, 271};
  static constexpr int kRowY[] = {13, 27, 41, 55, 70, 85};
  const auto& layout = SkillLayout();
  for (std::size_t i = 0; i < kSkillBoxCount; ++i) {
    const std::size_t column = i % 7;
    auto* box = new QCheckBox(Name(layout[i].caption), GroupBox2);
    box->setObjectName(Name(layout[i].objectName));
    box->setGeometry(kColumnX[column], kRowY[i / 7], column == 6 ? 45 : 50, 17);
    SkillBoxes[i] = box;
  }

  // 个人
  Edit_Xing = AddTextEdit(GroupBox3, "Edit_Xing", kNameByteLimit, 40, 13, 60);
  Edit_Ming = AddTextEdit(GroupBox3, "Edit_Ming", kNameByteLimit, 40, 37, 60);
  Edit_Zi = AddTextEdit(GroupBox3, "Edit_Zi", kNameByteLimit, 40, 61, 60);
  Edit_Yin = AddTextEdit(GroupBox3, "Edit_Yin", kYinByteLimit, 40, 85, 60);
  AddLabel(GroupBox3, Edit_Xing, QStringLiteral("姓"), 8, 13);
  AddLabel(GroupBox3, Edit_Ming, QStringLiteral("名"), 8, 37);
  AddLabel(GroupBox3, Edit_Zi, QStringLiteral("字"), 8, 61);
  AddLabel(GroupBox3, Edit_Yin, QStringLiteral("读音"), 8, 85);
  Memo_Story = new GbkMemo(kStoryByteLimit, GroupBox3);
  Memo_Story->setObjectName(QStringLiteral("Memo_Story"));
  Memo_Story->setGeometry(128, 13, 265, 60);
  AddLabel(GroupBox3, Memo_Story, QStringLiteral("列"), 108, 16, QStringLiteral("Label_Memo_Story1"));
  AddLabel(GroupBox3, Memo_Story, QStringLiteral("传"), 108, 40, QStringLiteral("Label_Memo_Story2"));
  Button1 = MakeButton(GroupBox3, "Button1", QStringLiteral("此人日文-->中文"), 128, 80, 121, 25);
  Button2 = MakeButton(GroupBox3, "Button2", QStringLiteral("所有武将日文-->中文"), 256, 80, 137, 25);
  Guard(Button1, &QPushButton::clicked, [this] { Button1Click(); });
  Guard(Button2, &QPushButton::clicked, [this] { Button2Click(); });

  // 形象 (the portrait itself is built with the face panel)
  Edit_Face = AddNumberEdit(GroupBox4, "Edit_Face", 40, 106, 40);
  Edit_Face->setEnabled(false);  // changed only through the face picker
  AddLabel(GroupBox4, Edit_Face, QStringLiteral("头像"), 8, 106);
  ComboBox_Gender = AddEnumerationPicker(GroupBox4, "ComboBox_Gender", 40, 133, 40);
  AddLabel(GroupBox4, ComboBox_Gender, QStringLiteral("性别"), 8, 133);

  // 性格
  struct Trait {
    QComboBox** picker;
    const char* name;
    const char* caption;
    int x, y;
  };
  const Trait traits[] = {
      {&ComboBox_Type, "ComboBox_Type", "类型", 32, 15},
      {&ComboBox_Desire, "ComboBox_Desire", "物欲", 32, 40},
      {&ComboBox_Belief, "ComboBox_Belief", "信念", 32, 64},
      {&ComboBox_Character, "ComboBox_Character", "性格", 32, 88},
      {&ComboBox_Drink, "ComboBox_Drink", "饮酒", 32, 112},
      {&ComboBox_Care, "ComboBox_Care", "关心", 32, 136},
      {&ComboBox_Yili, "ComboBox_Yili", "义理", 112, 15},
      {&ComboBox_Qiyong, "ComboBox_Qiyong", "启用", 112, 39},
      {&ComboBox_Han, "ComboBox_Han", "拥汉", 112, 63},
      {&ComboBox_Stratagem, "ComboBox_Stratagem", "战略", 112, 87},
      {&ComboBox_Task, "ComboBox_Task", "任务", 112, 111},
  };
  for (const Trait& t : traits) {
    *t.picker = AddEnumerationPicker(GroupBox5, t.name, t.x, t.y, 50);
    AddLabel(GroupBox5, *t.picker, QString::fromUtf8(t.caption), t.x - 26, t.y);
  }

  // 年份
  Edit_BornYear = AddNumberEdit(GroupBox9, "Edit_BornYear", 45, 13, 40);
  Edit_EnterYear = AddNumberEdit(GroupBox9, "Edit_EnterYear", 45, 37, 40);
  Edit_DeadYear = AddNumberEdit(GroupBox9, "Edit_DeadYear", 45, 61, 40);
  AddLabel(GroupBox9, Edit_BornYear, QStringLiteral("诞生年"), 6, 13);
  AddLabel(GroupBox9, Edit_EnterYear, QStringLiteral("登场年"), 6, 37);
  AddLabel(GroupBox9, Edit_DeadYear, QStringLiteral("死亡年"), 6, 61);

  // 相性 (the picker 相同武将 belongs to the roster pickers)
  Edit_Xiangxing = AddNumberEdit(GroupBox10, "Edit_Xiangxing", 55, 13, 55);
  Edit_Touyuan = AddNumberEdit(GroupBox10, "Edit_Touyuan", 55, 37, 55);
  AddLabel(GroupBox10, Edit_Xiangxing, QStringLiteral("势力相性"), 4, 13);
  AddLabel(GroupBox10, Edit_Touyuan, QStringLiteral("个人相性"), 4, 37);
}

void TForm_Main::ClearEditorPanel() {
  CurrentSlot = 0;
  SlotVisible.fill(true);
  for (QLineEdit* edit : {Edit_Xing, Edit_Ming, Edit_Zi, Edit_Yin}) SetTextBytes(edit, std::string());
  SetMemoStoryBytes(std::string());
  for (QLineEdit* edit : {Edit_BornYear, Edit_EnterYear, Edit_DeadYear, Edit_Xiangxing, Edit_Touyuan,
                          Edit_Tongshuai, Edit_Wuli, Edit_Zhili, Edit_Zhengzhi, Edit_Meili, Edit_Shengwang,
                          Edit_Face, Edit_STongshuai, Edit_SWuli, Edit_SZhili, Edit_SZhengzhi, Edit_SMeili}) {
    edit->clear();
  }
  for (QCheckBox* box : SkillBoxes) box->setChecked(false);
}

void TForm_Main::ShowOfficer() {
  if (CurrentSlot < 0 || CurrentSlot >= static_cast<int>(kSlotCount)) return;
  const OfficerRecord& r = Table[static_cast<std::size_t>(CurrentSlot)];

  // The archive is read only when the face number changes.
  const QString face = QString::number(r.Face);
  if (Edit_Face->text() != face) {
    Edit_Face->setText(face);
    if (Image_Face) ShowFace(r.Face, Image_Face, ArchiveFor(r.Face));
  }

  const PanelValues panel = PanelFromRecord(r);
  const auto pickers = EnumerationPickers(*this);
  for (std::size_t i = 0; i < kEnumerationCount; ++i) pickers[i]->setCurrentIndex(panel.enumerations[i]);
  const auto numbers = NumberEdits(*this);
  for (std::size_t i = 0; i < kNumberFieldCount; ++i) numbers[i]->setText(QString::fromStdString(panel.numbers[i]));
  const auto relationships = RelationshipPickers(*this);
  for (std::size_t i = 0; i < kRelationshipCount; ++i) SelectRosterEntry(relationships[i], panel.relationships[i]);
  SetTextBytes(Edit_Yin, panel.yin);
  ShowOfficerTexts(ShownTextSet{panel.xing, panel.ming, panel.zi, panel.story});
}

void TForm_Main::ShowOfficerTexts(const ShownTextSet& gbk) {
  SetTextBytes(Edit_Xing, gbk.Xing);
  SetTextBytes(Edit_Ming, gbk.Ming);
  SetTextBytes(Edit_Zi, gbk.Zi);
  SetMemoStoryBytes(gbk.Story);
  ShownTexts = ShownTextSet{TextBytes(Edit_Xing), TextBytes(Edit_Ming), TextBytes(Edit_Zi), MemoStoryBytes()};
}

void TForm_Main::ShowSkills() {
  if (CurrentSlot < 0 || CurrentSlot >= static_cast<int>(kSlotCount)) return;
  const auto checked = BoxesFromSkills(Table[static_cast<std::size_t>(CurrentSlot)].Skills);
  for (std::size_t i = 0; i < kSkillBoxCount; ++i) SkillBoxes[i]->setChecked(checked[i]);
}

void TForm_Main::Btn_MCancelClick() {
  ShowOfficer();
  ShowSkills();
}

void TForm_Main::Btn_MConfirmClick() {
  if (CurrentSlot < 0 || CurrentSlot >= static_cast<int>(kSlotCount)) return;
  // Showing an officer always fills the face number, and only the face
  // picker changes it afterwards; an empty one means that nothing has been
  // shown since the last load, and the emptied panel must not overwrite slot 0.
  if (Edit_Face->text().isEmpty()) return;
  OfficerRecord& r = Table[static_cast<std::size_t>(CurrentSlot)];

  PanelValues panel;
  const auto pickers = EnumerationPickers(*this);
  for (std::size_t i = 0; i < kEnumerationCount; ++i) panel.enumerations[i] = pickers[i]->currentIndex();
  const auto numbers = NumberEdits(*this);
  for (std::size_t i = 0; i < kNumberFieldCount; ++i) panel.numbers[i] = numbers[i]->text().toStdString();
  const auto relationships = RelationshipPickers(*this);
  for (std::size_t i = 0; i < kRelationshipCount; ++i) panel.relationships[i] = RosterValueOf(relationships[i]);
  panel.xing = TextBytes(Edit_Xing);
  panel.ming = TextBytes(Edit_Ming);
  panel.zi = TextBytes(Edit_Zi);
  panel.yin = TextBytes(Edit_Yin);
  panel.story = MemoStoryBytes();
  for (std::size_t i = 0; i < kSkillBoxCount; ++i) panel.skills[i] = SkillBoxes[i]->isChecked();

  ConfirmIntoRecord(panel, ShownTexts, r);
  RenameFromPanel();  // the names as typed
}

void TForm_Main::RenameFromPanel() {
  if (CurrentSlot < 0 || CurrentSlot >= static_cast<int>(kSlotCount)) return;
  const QString rosterName = Edit_Xing->text() + Edit_Ming->text();
  RenameRosterEntry(CurrentSlot, rosterName);
  if (QTreeWidgetItem* row = SelectedRow()) {
    SetRowTexts(row, rosterName + u' ' + Edit_Zi->text(), Table[static_cast<std::size_t>(CurrentSlot)]);
  }
}

void TForm_Main::Btn_AllSkillsClick() {
  for (QCheckBox* box : SkillBoxes) box->setChecked(true);
}

void TForm_Main::Btn_BTClick() {
  for (QLineEdit* edit : {Edit_Tongshuai, Edit_Wuli, Edit_Zhili, Edit_Zhengzhi, Edit_Meili}) {
    edit->setText(QStringLiteral("99"));
  }
}

std::string TForm_Main::MemoStoryBytes() const { return static_cast<const GbkMemo*>(Memo_Story)->Bytes(); }

void TForm_Main::SetMemoStoryBytes(const std::string& gbk) { static_cast<GbkMemo*>(Memo_Story)->SetBytes(gbk); }
