// The seven relationship pickers and their roster entries.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QProxyStyle>
#include <QStringList>
#include <QStringListModel>
#include <QStyleFactory>

#include "gui/widgets/GbkText.h"
#include "gui/mainwindow/TForm_Main.h"
#include "core/list/OfficerList.h"
#include "core/list/OfficerRoster.h"

namespace {

// The entries as every picker starts with them. Each picker gets its own
// model holding its own copy (shared until the picker renames an entry).
const QStringList& InitialRosterTexts() {
  static const QStringList texts = [] {
    QStringList list;
    list.reserve(kRosterSize);
    for (const std::string& entry : OfficerRosterEntries()) list.append(QString::fromStdString(entry));
    return list;
  }();
  return texts;
}

// Styles that open a drop-down list as a menu around the chosen entry (Fusion
// among them) ignore the number of rows to show and fill the screen with 833
// names; the pickers drop a list of 30 rows below the box instead.
class DropDownListStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* returnData) const override {
    if (hint == SH_ComboBox_Popup) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

QStyle* PickerStyle() {
  static QPointer<QStyle> style;
  if (!style) {
    style = new DropDownListStyle(QStyleFactory::create(QApplication::style()->name()));
    style->setParent(qApp);  // lives as long as the application
  }
  return style;
}

// Takes the style on the first opening: changing a combo box's style builds
// its drop-down list, which at start-up would cost more than the rest of the
// picker.
class RosterPicker : public QComboBox {
 public:
  using QComboBox::QComboBox;
  void showPopup() override {
    if (style() != PickerStyle()) setStyle(PickerStyle());
    QComboBox::showPopup();
  }
};

QComboBox* MakePicker(QWidget* group, const char* name, const QString& caption, int x, int y, int width) {
  auto* label = new QLabel(caption, group);
  label->setGeometry(5, y, x - 6, 20);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  auto* picker = new RosterPicker(group);
  picker->setObjectName(QString::fromLatin1(name));
  picker->setGeometry(x, y, width, 20);
  picker->setEditable(false);
  picker->setMaxVisibleItems(30);
  // No size adjust policy is set, for the same reason; the geometry is fixed.
  picker->setModel(new QStringListModel(InitialRosterTexts(), picker));
  picker->setCurrentIndex(-1);
  label->setBuddy(picker);
  return picker;
}

}  // namespace

void TForm_Main::BuildRosterPickers() {
  ComboBox_Father = MakePicker(GroupBox6, "ComboBox_Father", QStringLiteral("父亲"), 31, 16, 80);
  ComboBox_Mother = MakePicker(GroupBox6, "ComboBox_Mother", QStringLiteral("母亲"), 31, 40, 80);
  ComboBox_Another = MakePicker(GroupBox6, "ComboBox_Another", QStringLiteral("配偶"), 31, 64, 80);
  ComboBox_Family = MakePicker(GroupBox6, "ComboBox_Family", QStringLiteral("家族"), 31, 88, 80);
  ComboBox_Brother = MakePicker(GroupBox6, "ComboBox_Brother", QStringLiteral("兄弟"), 31, 112, 80);
  ComboBox_Enemy = MakePicker(GroupBox6, "ComboBox_Enemy", QStringLiteral("仇敌"), 31, 136, 80);
  ComboBox_Xiangxing = MakePicker(GroupBox10, "ComboBox_Xiangxing", QStringLiteral("相同武将"), 55, 61, 60);
}

void TForm_Main::RenameRosterEntries() {
  for (std::size_t s = 0; s < kSlotCount; ++s) {
    const int slot = static_cast<int>(s);
    RenameRosterEntry(slot, FromGbk(RosterName(Table[s], slot)));
  }
}

void TForm_Main::RenameRosterEntry(int slot, const QString& name) {
  if (slot < 0 || slot >= static_cast<int>(kSlotCount)) return;
  const int entry = slot + kFirstNewOfficer;
  // Only the text changes: positions stay, and a picker whose selected entry
  // is renamed keeps that entry selected.
  for (QComboBox* picker : {ComboBox_Father, ComboBox_Mother, ComboBox_Another, ComboBox_Xiangxing, ComboBox_Family,
                            ComboBox_Brother, ComboBox_Enemy}) {
    picker->setItemText(entry, name);
  }
}

void TForm_Main::SelectRosterEntry(QComboBox* picker, std::uint16_t value) {
  picker->setCurrentIndex(RosterEntryForValue(value));
}

std::uint16_t TForm_Main::RosterValueOf(const QComboBox* picker) { return StoredValueForEntry(picker->currentIndex()); }
