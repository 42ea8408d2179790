#include "gui/widgets/RosterPicker.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QProxyStyle>
#include <QScreen>
#include <QScrollBar>
#include <QStyleFactory>
#include <algorithm>

#include "core/list/RosterSearch.h"

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
  const bool withFindBox = AddFindBox();
  // The list is as wide as its longest entry; the box keeps its size.
  QAbstractItemView* list = view();
  const int wanted = list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth();
  list->setMinimumWidth(std::max(width(), wanted));
  QComboBox::showPopup();
  if (!withFindBox) return;
  MakeRoomForFindBox();
  findBox_->setFocus(Qt::PopupFocusReason);
}

bool RosterPicker::AddFindBox() {
  QWidget* container = view()->parentWidget();
  if (findBox_ && findBox_->parentWidget() == container) return true;
  // Qt lays the list out in a box; should a style not, the list opens as
  // it always did, without the find box (an exception here would end the
  // program: showPopup runs outside any handler).
  auto* layout = qobject_cast<QBoxLayout*>(container->layout());
  if (!layout) return false;
  findBox_ = new QLineEdit(container);
  findBox_->setObjectName(QStringLiteral("RosterFindBox"));
  ShowFindBoxTexts();
  layout->insertWidget(0, findBox_);
  connect(findBox_, &QLineEdit::textChanged, this, &RosterPicker::Find);
  findBox_->installEventFilter(this);
  container->installEventFilter(this);
  return true;
}

void RosterPicker::ShowFindBoxTexts() {
  if (!findBox_) return;
  findBox_->setPlaceholderText(tr("查找…"));
  findBox_->setToolTip(tr("输入编号或名字的一部分（简体、繁体均可）\n↑↓ 移动，Enter 选择，Esc 关闭"));
}

void RosterPicker::changeEvent(QEvent* event) {
  QComboBox::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) ShowFindBoxTexts();
}

void RosterPicker::MakeRoomForFindBox() {
  QWidget* container = view()->parentWidget();
  QRect geometry = container->geometry();
  const int room = findBox_->sizeHint().height() + container->layout()->spacing();
  if (geometry.bottom() < mapToGlobal(QPoint(0, 0)).y()) {
    geometry.setTop(geometry.top() - room);  // the list opened above the box
  } else {
    geometry.setBottom(geometry.bottom() + room);
  }
  // On the screen, even where that means fewer rows.
  const QRect screen = this->screen()->availableGeometry();
  if (geometry.bottom() > screen.bottom()) geometry.moveBottom(screen.bottom());
  if (geometry.top() < screen.top()) geometry.setTop(screen.top());
  container->setGeometry(geometry);
}

void RosterPicker::Find(const QString& typed) {
  auto* list = qobject_cast<QListView*>(view());
  if (!list) return;
  const RosterSearch search(typed);
  int first = -1;
  for (int row = 0; row < count(); ++row) {
    const bool match = search.Matches(row, itemText(row));
    list->setRowHidden(row, !match);
    if (match && first < 0) first = row;
  }
  if (search.IsEmpty()) return;  // the highlight stays where it is
  int highlight = first;
  const int current = list->currentIndex().row();
  if (search.ExactNumber() >= 0 && search.ExactNumber() < count()) {
    highlight = search.ExactNumber();
  } else if (current >= 0 && !list->isRowHidden(current)) {
    highlight = current;
  }
  if (highlight < 0) return;
  const QModelIndex index = model()->index(highlight, modelColumn(), rootModelIndex());
  list->setCurrentIndex(index);
  list->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void RosterPicker::ChooseHighlighted() {
  auto* list = qobject_cast<QListView*>(view());
  const int row = view()->currentIndex().row();
  if (row < 0 || (list && list->isRowHidden(row))) return;  // nothing matches
  hidePopup();
  setCurrentIndex(row);
  emit activated(row);
  emit textActivated(itemText(row));
}

bool RosterPicker::HandleFindBoxKey(const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
      QKeyEvent move(QEvent::KeyPress, key.key(), key.modifiers());
      QApplication::sendEvent(view(), &move);
      return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
      ChooseHighlighted();
      return true;
    case Qt::Key_Escape:
      hidePopup();
      return true;
    default:
      return false;
  }
}

bool RosterPicker::eventFilter(QObject* watched, QEvent* event) {
  if (findBox_ && watched == findBox_ && event->type() == QEvent::KeyPress) {
    return HandleFindBoxKey(*static_cast<QKeyEvent*>(event));
  }
  // However the list closes, it opens again unfiltered.
  if (findBox_ && watched == findBox_->parentWidget() && event->type() == QEvent::Hide) findBox_->clear();
  return QComboBox::eventFilter(watched, event);
}
