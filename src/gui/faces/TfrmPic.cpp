#include "gui/faces/TfrmPic.h"

#include <QFont>
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
      mainArchive_(mainArchive),
      addedArchive_(addedArchive),
      run_(runState) {
  setupUi(this);
  CentreOnScreen(this);
  TakeControls();
  ConnectHandlers();
  FormCreate();
}

void TfrmPic::TakeControls() {
  QFont numberFont = font();
  numberFont.setPixelSize(kNumberPixelSize);
  for (int i = 0; i < kCells; ++i) {
    const auto cell = static_cast<std::size_t>(i);
    Images[cell] = Panel1->findChild<ClickLabel*>(QStringLiteral("Image%1").arg(i + 1), Qt::FindDirectChildrenOnly);
    Labels[cell] = Panel1->findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 1), Qt::FindDirectChildrenOnly);
    Labels[cell]->setFont(numberFont);
  }
  imgEgg->setPixmap(NoFacePicture());
}

void TfrmPic::ConnectHandlers() {
  ConnectGuarded(Button1, &QPushButton::clicked, this, &TfrmPic::Button1Click);
  // Enter in the number box jumps as Go does.
  ConnectGuarded(Edit1, &QLineEdit::returnPressed, this, &TfrmPic::Button1Click);
  ConnectGuarded(Button2, &QPushButton::clicked, this, &TfrmPic::Button2Click);
  ConnectGuarded(Button3, &QPushButton::clicked, this, &TfrmPic::Button3Click);
  ConnectGuarded(Button4, &QPushButton::clicked, this, &TfrmPic::Button4Click);
  ConnectGuarded(Button5, &QPushButton::clicked, this, &TfrmPic::Button5Click);
  ConnectGuarded(Button6, &QPushButton::clicked, this, &TfrmPic::Button6Click);
  ConnectGuarded(Button7, &QPushButton::clicked, this, &TfrmPic::Button7Click);
  ConnectGuarded(Button8, &QPushButton::clicked, this, &TfrmPic::Button8Click);
  ConnectGuarded(Button9, &QPushButton::clicked, this, &TfrmPic::Button9Click);
  for (int i = 0; i < kCells; ++i) {
    ClickLabel* image = Images[static_cast<std::size_t>(i)];
    ConnectGuarded(image, &ClickLabel::clicked, this, [this, i] { ImageClick(i + 1); });
    ConnectGuarded(image, &ClickLabel::mouseMoved, this, [this, image] { Image18MouseMove(image); });
  }
  ConnectGuarded(imgEgg, &ClickLabel::clicked, this, &TfrmPic::imgEggClick);
  ConnectGuarded(imgEgg, &ClickLabel::mouseMoved, this, [this] { Image18MouseMove(imgEgg); });
  ConnectGuarded(Label23, &ClickLabel::mouseMoved, this, &TfrmPic::Label23MouseMove);
}

void TfrmPic::FormCreate() {
  Button7->setEnabled(false);
  Button8->setEnabled(false);
  if (run_.FaceLimit == 0) {
    int offered = 0;
    if (mainArchive_ != nullptr) {
      offered = kMainFaceCount;
      if (addedArchive_ != nullptr) offered += addedArchive_->AddedFaceCount();
    }
    run_.FaceLimit = FaceAtPosition(offered);
    run_.ArchiveFaceLimit = run_.FaceLimit;
  }
  if (run_.FaceLimit >= kMainFaceCount) Button7->setEnabled(true);
  if (run_.FaceLimit > kFirstAddedFace) Button8->setEnabled(true);
  FirstPosition = 0;
  run_.PickedPosition = -1;
  ShowPickerPage();
}

void TfrmPic::ShowPickerPage() {
  for (int i = 0; i < kCells; ++i) {
    ShowPickerCell(FirstPosition + i, Images[static_cast<std::size_t>(i)], Labels[static_cast<std::size_t>(i)]);
  }
}

void TfrmPic::ShowPickerCell(int position, QLabel* image, QLabel* label) {
  const int face = FaceAtPosition(position);
  if (face < run_.FaceLimit) {
    if (face < run_.ArchiveFaceLimit) {
      ShowFace(face, image, face >= kFirstAddedFace ? addedArchive_ : mainArchive_);
    } else {
      image->setPixmap(imgEgg->pixmap());
    }
    image->show();
    label->show();
    label->setText(QString::number(face));
  } else if (face == run_.FaceLimit) {
    imgEgg->move(image->pos());
    imgEgg->show();
    imgEgg->raise();
    label->hide();
  } else {
    image->hide();
    label->hide();
  }
}

void TfrmPic::GoToPosition(int position) {
  Label23->hide();
  imgEgg->hide();
  FirstPosition = position;
  ShowPickerPage();
}

void TfrmPic::Button1Click() {
  const int face = ReadNumber(Edit1);
  if (face < 0 || face >= run_.FaceLimit) return;
  GoToPosition(PageOf(face));
}

void TfrmPic::Button2Click() {
  run_.PickedPosition = -1;
  reject();
}

void TfrmPic::Button3Click() {
  if (FirstPosition > 0) GoToPosition(FirstPosition - kCells);
}

void TfrmPic::Button4Click() {
  if (FaceAtPosition(FirstPosition + kCells) < run_.FaceLimit) GoToPosition(FirstPosition + kCells);
}

void TfrmPic::Button5Click() { GoToPosition(0); }

void TfrmPic::Button6Click() { GoToPosition(PageOf(run_.FaceLimit - 1)); }

void TfrmPic::Button7Click() { GoToPosition(FaceIndex(kNewOfficerPageFace)); }

void TfrmPic::Button8Click() { GoToPosition(FaceIndex(kAddedPageFace)); }

void TfrmPic::Button9Click() {
  int limit = ReadNumber(Edit2);
  if (limit < 0 || limit >= kLimitCeiling) return;
  if (limit >= kLastMainFace && limit < kFirstAddedFace) limit = kFirstAddedFace - 1;
  run_.FaceLimit = limit + 1;
  Button8->setEnabled(run_.FaceLimit > kFirstAddedFace);
  Button7->setEnabled(run_.FaceLimit > kLastNewOfficerFace);
}

void TfrmPic::ImageClick(int number) {
  run_.PickedPosition = FirstPosition + number - 1;
  accept();
}

void TfrmPic::imgEggClick() {
  seam::ShowMessage(this, seam::Message{QStringLiteral("抗议"), QStringLiteral("不要点了！没看到我没有编号吗？"),
                                        seam::MessageKind::Plain});
}

void TfrmPic::Image18MouseMove(QWidget* control) {
  Label23->move(control->x() - kFrameMargin, control->y() - kFrameMargin);
  Label23->show();
}

void TfrmPic::Label23MouseMove() { Label23->hide(); }
