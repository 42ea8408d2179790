#include "gui/faces/TfrmPic.h"

#include <QFont>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/faces/FaceArchive.h"
#include "core/officers/IntegerText.h"
#include "gui/faces/ShowFace.h"
#include "gui/widgets/ClickLabel.h"
#include "gui/widgets/DialogSeam.h"
#include "gui/widgets/ErrorGuard.h"
#include "core/convert/GbkText.h"
#include "gui/widgets/MainWindowLook.h"
#include "ui_TfrmPic.h"

namespace {

constexpr int kFrameMargin = 5;
// The cells' numbers are drawn 14 pixels high; a .ui file knows only point sizes.
constexpr int kNumberPixelSize = 14;

// The first face of the new officers' page and of the page that runs on into the added faces.
constexpr int kNewOfficerPageFace = 767;
constexpr int kAddedPageFace = 1586;
// "新武将" stays usable while the limit reaches past the new officers' faces.
constexpr int kLastNewOfficerFace = 775;
// Highest limit the user may set. Any limit from the last main face up to
// 1999 offers all of the main archive's faces and nothing of the gap.
constexpr int kLimitCeiling = 2200;

int ReadNumber(const QLineEdit* edit) { return ParseLeadingInteger(ToGbk(edit->text())); }

int PageOf(int face) { return FaceIndex(face) / TfrmPic::kCells * TfrmPic::kCells; }

}  // namespace

TfrmPic::TfrmPic(FaceArchive* mainArchive, FaceArchive* addedArchive, FacePickerRunState& runState, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      ui_(std::make_unique<Ui::TfrmPic>()),
      mainArchive_(mainArchive),
      addedArchive_(addedArchive),
      run_(runState) {
  ui_->setupUi(this);
  CentreOnScreen(this);
  TakeControls();
  ConnectHandlers();
  SetUpPickerLimits();
}

TfrmPic::~TfrmPic() = default;

int TfrmPic::PickedFace() const { return FaceAtPosition(run_.PickedPosition); }

void TfrmPic::SetCellMenu(std::function<void(int face, const QPoint& globalPos)> openMenu) {
  openCellMenu_ = std::move(openMenu);
}

void TfrmPic::ArchivesReopened(FaceArchive* mainArchive, FaceArchive* addedArchive, int face) {
  mainArchive_ = mainArchive;
  addedArchive_ = addedArchive;
  for (int i = 0; i < kCells; ++i) {
    const auto cell = static_cast<std::size_t>(i);
    if (FaceAtPosition(firstPosition_ + i) == face && !images_[cell]->isHidden()) {
      ShowPickerCell(firstPosition_ + i, images_[cell], labels_[cell]);
    }
  }
}

void TfrmPic::TakeControls() {
  QFont numberFont = font();
  numberFont.setPixelSize(kNumberPixelSize);
  const QFrame* panel = ui_->Panel1;
  for (int i = 0; i < kCells; ++i) {
    const auto cell = static_cast<std::size_t>(i);
    images_[cell] = panel->findChild<ClickLabel*>(QStringLiteral("Image%1").arg(i + 1), Qt::FindDirectChildrenOnly);
    labels_[cell] = panel->findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 1), Qt::FindDirectChildrenOnly);
    labels_[cell]->setFont(numberFont);
  }
  ui_->imgEgg->setPixmap(NoFacePicture());
}

void TfrmPic::ConnectHandlers() {
  ConnectGuarded(ui_->Button1, &QPushButton::clicked, this, &TfrmPic::GoToTypedFace);
  // Enter in the number box jumps as Go does.
  ConnectGuarded(ui_->Edit1, &QLineEdit::returnPressed, this, &TfrmPic::GoToTypedFace);
  ConnectGuarded(ui_->Button2, &QPushButton::clicked, this, &TfrmPic::CancelPick);
  ConnectGuarded(ui_->Button3, &QPushButton::clicked, this, &TfrmPic::ShowPreviousPage);
  ConnectGuarded(ui_->Button4, &QPushButton::clicked, this, &TfrmPic::ShowNextPage);
  ConnectGuarded(ui_->Button5, &QPushButton::clicked, this, &TfrmPic::ShowFirstPage);
  ConnectGuarded(ui_->Button6, &QPushButton::clicked, this, &TfrmPic::ShowLastPage);
  ConnectGuarded(ui_->Button7, &QPushButton::clicked, this, &TfrmPic::ShowNewOfficerFaces);
  ConnectGuarded(ui_->Button8, &QPushButton::clicked, this, &TfrmPic::ShowAddedFaces);
  ConnectGuarded(ui_->Button9, &QPushButton::clicked, this, &TfrmPic::ApplyFaceLimit);
  for (int i = 0; i < kCells; ++i) {
    ClickLabel* image = images_[static_cast<std::size_t>(i)];
    ConnectGuarded(image, &ClickLabel::clicked, this, [this, i] { PickCell(i + 1); });
    ConnectGuarded(image, &ClickLabel::mouseMoved, this, [this, image] { FrameCell(image); });
    image->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(image, &QWidget::customContextMenuRequested, this, [this, image, i](const QPoint& pos) {
      const int face = FaceAtPosition(firstPosition_ + i);
      if (openCellMenu_ && face < run_.ArchiveFaceLimit) openCellMenu_(face, image->mapToGlobal(pos));
    });
  }
  ConnectGuarded(ui_->imgEgg, &ClickLabel::clicked, this, &TfrmPic::ProtestAtEgg);
  ConnectGuarded(ui_->imgEgg, &ClickLabel::mouseMoved, this, [this] { FrameCell(ui_->imgEgg); });
  ConnectGuarded(ui_->Label23, &ClickLabel::mouseMoved, this, &TfrmPic::HideFrame);
}

void TfrmPic::SetUpPickerLimits() {
  ui_->Button7->setEnabled(false);
  ui_->Button8->setEnabled(false);
  if (run_.FaceLimit == 0) {
    int offered = 0;
    if (mainArchive_ != nullptr) {
      offered = kMainFaceCount;
      if (addedArchive_ != nullptr) offered += addedArchive_->AddedFaceCount();
    }
    run_.FaceLimit = FaceAtPosition(offered);
    run_.ArchiveFaceLimit = run_.FaceLimit;
  }
  if (run_.FaceLimit >= kMainFaceCount) ui_->Button7->setEnabled(true);
  if (run_.FaceLimit > kFirstAddedFace) ui_->Button8->setEnabled(true);
  firstPosition_ = 0;
  run_.PickedPosition = -1;
  ShowPickerPage();
  ui_->Panel1->setFocus();
}

void TfrmPic::ShowPickerPage() {
  for (int i = 0; i < kCells; ++i) {
    ShowPickerCell(firstPosition_ + i, images_[static_cast<std::size_t>(i)], labels_[static_cast<std::size_t>(i)]);
  }
}

void TfrmPic::ShowPickerCell(int position, QLabel* image, QLabel* label) {
  const int face = FaceAtPosition(position);
  if (face < run_.FaceLimit) {
    if (face < run_.ArchiveFaceLimit) {
      ShowFace(face, image, face >= kFirstAddedFace ? addedArchive_ : mainArchive_);
    } else {
      image->setPixmap(ui_->imgEgg->pixmap());
    }
    image->show();
    label->show();
    label->setText(QString::number(face));
  } else if (face == run_.FaceLimit) {
    ui_->imgEgg->move(image->pos());
    ui_->imgEgg->show();
    ui_->imgEgg->raise();
    label->hide();
  } else {
    image->hide();
    label->hide();
  }
}

void TfrmPic::GoToPosition(int position) {
  ui_->Label23->hide();
  ui_->imgEgg->hide();
  firstPosition_ = position;
  ShowPickerPage();
}

void TfrmPic::GoToTypedFace() {
  const int face = ReadNumber(ui_->Edit1);
  if (face < 0 || face >= run_.FaceLimit) return;
  GoToPosition(PageOf(face));
}

void TfrmPic::CancelPick() {
  run_.PickedPosition = -1;
  reject();
}

void TfrmPic::ShowPreviousPage() {
  if (firstPosition_ > 0) GoToPosition(firstPosition_ - kCells);
}

void TfrmPic::ShowNextPage() {
  if (FaceAtPosition(firstPosition_ + kCells) < run_.FaceLimit) GoToPosition(firstPosition_ + kCells);
}

void TfrmPic::ShowFirstPage() { GoToPosition(0); }

void TfrmPic::ShowLastPage() { GoToPosition(PageOf(run_.FaceLimit - 1)); }

void TfrmPic::ShowNewOfficerFaces() { GoToPosition(FaceIndex(kNewOfficerPageFace)); }

void TfrmPic::ShowAddedFaces() { GoToPosition(FaceIndex(kAddedPageFace)); }

void TfrmPic::ApplyFaceLimit() {
  int limit = ReadNumber(ui_->Edit2);
  if (limit < 0 || limit >= kLimitCeiling) return;
  if (limit >= kLastMainFace && limit < kFirstAddedFace) limit = kFirstAddedFace - 1;
  run_.FaceLimit = limit + 1;
  ui_->Button8->setEnabled(run_.FaceLimit > kFirstAddedFace);
  ui_->Button7->setEnabled(run_.FaceLimit > kLastNewOfficerFace);
}

void TfrmPic::PickCell(int number) {
  run_.PickedPosition = firstPosition_ + number - 1;
  accept();
}

void TfrmPic::ProtestAtEgg() {
  seam::ShowMessage(this, seam::Message{tr("抗议"), tr("不要点了！没看到我没有编号吗？"),
                                        seam::MessageKind::Plain});
}

void TfrmPic::FrameCell(QWidget* control) {
  for (int cell = 0; cell < kCells; ++cell) {
    if (control->pos() == images_[static_cast<std::size_t>(cell)]->pos()) framedCell_ = cell;
  }
  ui_->Label23->move(control->x() - kFrameMargin, control->y() - kFrameMargin);
  ui_->Label23->show();
}

void TfrmPic::HideFrame() { ui_->Label23->hide(); }

void TfrmPic::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) {
    ui_->retranslateUi(this);
  }
}
