#include "gui/widgets/RosterPicker.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QScrollBar>
#include <algorithm>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>

namespace {

// Styles that open a drop-down list as a menu around the chosen entry (Fusion
// among them) ignore the number of rows to show and fill the screen with 833
// names; the pickers drop a list below the box instead.
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

}  // namespace

RosterPicker::RosterPicker(QWidget* parent) : QComboBox(parent) {}

void RosterPicker::showPopup() {
  // The style is taken on the first opening: changing a combo box's style
  // builds its drop-down list, which at start-up would cost more than the
  // rest of the picker. No size adjust policy is set for the same reason.
  if (style() != PickerStyle()) setStyle(PickerStyle());
  // The list is as wide as its longest entry; the box keeps its size.
  QAbstractItemView* list = view();
  const int wanted = list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth();
  list->setMinimumWidth(std::max(width(), wanted));
  QComboBox::showPopup();
}
