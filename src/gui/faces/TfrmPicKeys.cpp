// The face picker's keyboard.
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "core/faces/FaceArchive.h"
#include "gui/faces/TfrmPic.h"
#include "gui/widgets/ClickLabel.h"
#include "gui/widgets/ErrorGuard.h"
#include "ui_TfrmPic.h"

namespace {
constexpr int kCellsPerRow = 7;
}

void TfrmPic::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  auto* focusedButton = qobject_cast<QPushButton*>(focusWidget());
  bool handled = true;
  RunGuarded(this, [&] {
    if (enter && focusedButton) {
      focusedButton->click();  // a button with the focus takes Enter as it takes Space
      return;
    }
    switch (event->key()) {
      case Qt::Key_Escape: CancelPick(); break;
      case Qt::Key_PageUp: ShowPreviousPage(); break;
      case Qt::Key_PageDown: ShowNextPage(); break;
      default: handled = focusWidget() == ui_->Panel1 && MoveByKey(event);
    }
  });
  if (!handled) QDialog::keyPressEvent(event);
}

// Keys that only the faces take: in the two number fields they stay the
// fields' own.
bool TfrmPic::MoveByKey(const QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left: MoveFrameBy(-1); return true;
    case Qt::Key_Right: MoveFrameBy(1); return true;
    case Qt::Key_Up: MoveFrameBy(-kCellsPerRow); return true;
    case Qt::Key_Down: MoveFrameBy(kCellsPerRow); return true;
    case Qt::Key_Home: ShowFirstPage(); return true;
    case Qt::Key_End: ShowLastPage(); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: PickFramedCell(); return true;
    default: break;
  }
  const QString text = event->text();
  if (text.size() == 1 && text.front().isDigit()) {
    ui_->Edit1->setFocus();
    ui_->Edit1->setText(text);
    return true;
  }
  return false;
}

QWidget* TfrmPic::CellControl(int cell) const {
  if (FaceAtPosition(firstPosition_ + cell) == run_.FaceLimit) return ui_->imgEgg;
  return images_[static_cast<std::size_t>(cell)];
}

// The last cell that shows a face or imgEgg.
int TfrmPic::LastReachableCell() const {
  int last = 0;
  while (last + 1 < kCells && FaceAtPosition(firstPosition_ + last + 1) <= run_.FaceLimit) ++last;
  return last;
}

// The first arrow key frames the cell the frame was last at; the next ones
// move it, past the page's edges onto the next or previous page.
void TfrmPic::MoveFrameBy(int cells) {
  if (!ui_->Label23->isHidden()) {
    int target = framedCell_ + cells;
    const int page = firstPosition_;
    if (target < 0) {
      ShowPreviousPage();
      target = firstPosition_ != page ? target + kCells : framedCell_;
    } else if (target > LastReachableCell()) {
      ShowNextPage();
      target = firstPosition_ != page ? target - kCells : framedCell_;
    }
    framedCell_ = std::clamp(target, 0, LastReachableCell());
  } else {
    framedCell_ = std::min(framedCell_, LastReachableCell());
  }
  FrameCell(CellControl(framedCell_));
}

void TfrmPic::PickFramedCell() {
  if (!!ui_->Label23->isHidden()) return;
  if (CellControl(framedCell_) == ui_->imgEgg) {
    ProtestAtEgg();
  } else {
    PickCell(framedCell_ + 1);
  }
}
