#include "gui/faces/TfrmPic.h"

#include "gui/widgets/PlacedWidgets.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/widgets/ClickLabel.h"
#include "gui/widgets/DialogSeam.h"
#include "gui/widgets/ErrorGuard.h"
#include "gui/widgets/GbkText.h"
#include "gui/widgets/MainWindowLook.h"
#include "core/faces/FaceArchive.h"
#include "gui/faces/ShowFace.h"
#include "core/officers/IntegerText.h"

namespace {

int g_faceLimit = 0;
int g_archiveFaceLimit = 0;
int g_pickedPosition = -1;

constexpr int kPickerWidth = 513;
constexpr int kPickerHeight = 392;
constexpr int kCellLeft = 8;
constexpr int kCellPitch = 72;
constexpr int kRowTops[3] = {8, 112, 224};
constexpr int kFrameMargin = 5;

// The first face of the new officers' page and of the page that runs on into the added faces.
constexpr int kNewOfficerPageFace = 767;
constexpr int kAddedPageFace = 1586;
// "新武将" stays usable while the limit reaches past the new officers' faces.
constexpr int kLastNewOfficerFace = 775;
// Highest limit the user may set. Any limit from the last main face up to
// 1999 offers all of the main archive's faces and nothing of the gap.
constexpr int kLimitCeiling = 2200;

// The page buttons are 65 x 25.
QPushButton* MakePageButton(QWidget* parent, const char* name, const QString& caption, int x, int y) {
  return MakeButton(parent, name, caption, x, y, 65, 25);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, int x, int y, int w, int h) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setGeometry(x, y, w, h);
  return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, int x, int y, int w) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(x, y, w, 21);
  return edit;
}

int ReadNumber(const QLineEdit* edit) { return ParseLeadingInteger(ToGbk(edit->text())); }

int PageOf(int face) { return FaceIndex(face) / TfrmPic::kCells * TfrmPic::kCells; }

}  // namespace

namespace pic {
int FaceLimit() { return g_faceLimit; }
int ArchiveFaceLimit() { return g_archiveFaceLimit; }
int PickedPosition() { return g_pickedPosition; }
void ResetRunState() {
  g_faceLimit = 0;
  g_archiveFaceLimit = 0;
  g_pickedPosition = -1;
}
}  // namespace pic

TfrmPic::TfrmPic(FaceArchive* mainArchive, FaceArchive* addedArchive, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), mainArchive_(mainArchive), addedArchive_(addedArchive) {
  setObjectName(QStringLiteral("frmPic"));
  setModal(true);
  setFixedSize(kPickerWidth, kPickerHeight);
  CentreOnScreen(this);
  BuildControls();
  FormCreate();
}

void TfrmPic::BuildControls() {
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(0, 0, kPickerWidth, kPickerHeight);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setLineWidth(2);

  // Created first so that it lies beneath the pictures and only its rim shows.
  Label23 = new ClickLabel(Panel1);
  Label23->setObjectName(QStringLiteral("Label23"));
  Label23->setGeometry(0, 0, kFaceWidth + 2 * kFrameMargin, kFaceHeight + 2 * kFrameMargin);
  Label23->setAutoFillBackground(true);
  QPalette green = Label23->palette();
  green.setColor(QPalette::Window, QColor(0, 176, 0));
  Label23->setPalette(green);
  Label23->hide();

  QFont numberFont = font();
  numberFont.setPixelSize(14);
  for (int i = 0; i < kCells; ++i) {
    const int left = kCellLeft + kCellPitch * (i % kColumns);
    const int top = kRowTops[i / kColumns];
    auto* image = new ClickLabel(Panel1);
    image->setObjectName(QStringLiteral("Image%1").arg(i + 1));
    image->setGeometry(left, top, kFaceWidth, kFaceHeight);
    Images[static_cast<std::size_t>(i)] = image;
    QLabel* label = MakeLabel(Panel1, QStringLiteral("Label%1").arg(i + 1), QStringLiteral("0"), left + 24, top + 85, 44, 18);
    label->setFont(numberFont);
    Labels[static_cast<std::size_t>(i)] = label;
  }

  Label22 = MakeLabel(Panel1, QStringLiteral("Label22"), QStringLiteral("转到"), 8, 331, 30, 18);
  Edit1 = MakeEdit(Panel1, "Edit1", 40, 328, 60);
  Button1 = MakeButton(Panel1, "Button1", QStringLiteral("Go"), 104, 326, 40, 25);
  Button5 = MakePageButton(Panel1, "Button5", QStringLiteral("首页"), 223, 326);
  Button3 = MakePageButton(Panel1, "Button3", QStringLiteral("上一页"), 295, 326);
  Button4 = MakePageButton(Panel1, "Button4", QStringLiteral("下一页"), 367, 326);
  Button6 = MakePageButton(Panel1, "Button6", QStringLiteral("尾页"), 439, 326);

  Label24 = MakeLabel(Panel1, QStringLiteral("Label24"), QStringLiteral("头像最大编号"), 8, 363, 84, 18);
  Edit2 = MakeEdit(Panel1, "Edit2", 94, 360, 50);
  Button9 = MakeButton(Panel1, "Button9", QStringLiteral("应用"), 148, 358, 45, 25);
  Button7 = MakePageButton(Panel1, "Button7", QStringLiteral("新武将"), 295, 358);
  Button8 = MakePageButton(Panel1, "Button8", QStringLiteral("追加武将"), 367, 358);
  Button2 = MakePageButton(Panel1, "Button2", QStringLiteral("取消"), 439, 358);

  imgEgg = new ClickLabel(Panel1);
  imgEgg->setObjectName(QStringLiteral("imgEgg"));
  imgEgg->setGeometry(kCellLeft, kRowTops[0], kFaceWidth, kFaceHeight);
  imgEgg->setPixmap(NoFacePicture());
  imgEgg->hide();

  auto guard = [this](auto* sender, auto signal, auto handler) {
    connect(sender, signal, this, [this, handler] { RunGuarded(this, handler); });
  };
  guard(Button1, &QPushButton::clicked, [this] { Button1Click(); });
  guard(Button2, &QPushButton::clicked, [this] { Button2Click(); });
  guard(Button3, &QPushButton::clicked, [this] { Button3Click(); });
  guard(Button4, &QPushButton::clicked, [this] { Button4Click(); });
  guard(Button5, &QPushButton::clicked, [this] { Button5Click(); });
  guard(Button6, &QPushButton::clicked, [this] { Button6Click(); });
  guard(Button7, &QPushButton::clicked, [this] { Button7Click(); });
  guard(Button8, &QPushButton::clicked, [this] { Button8Click(); });
  guard(Button9, &QPushButton::clicked, [this] { Button9Click(); });
  for (int i = 0; i < kCells; ++i) {
    ClickLabel* image = Images[static_cast<std::size_t>(i)];
    guard(image, &ClickLabel::clicked, [this, i] { ImageClick(i + 1); });
    guard(image, &ClickLabel::mouseMoved, [this, image] { Image18MouseMove(image); });
  }
  guard(imgEgg, &ClickLabel::clicked, [this] { imgEggClick(); });
  guard(imgEgg, &ClickLabel::mouseMoved, [this] { Image18MouseMove(imgEgg); });
  guard(Label23, &ClickLabel::mouseMoved, [this] { Label23MouseMove(); });
}

void TfrmPic::FormCreate() {
  Button7->setEnabled(false);
  Button8->setEnabled(false);
  if (g_faceLimit == 0) {
    int offered = 0;
    if (mainArchive_ != nullptr) {
      offered = kMainFaceCount;
      if (addedArchive_ != nullptr) offered += addedArchive_->AddedFaceCount();
    }
    g_faceLimit = FaceAtPosition(offered);
    g_archiveFaceLimit = g_faceLimit;
  }
  if (g_faceLimit >= kMainFaceCount) Button7->setEnabled(true);
  if (g_faceLimit > kFirstAddedFace) Button8->setEnabled(true);
  FirstPosition = 0;
  g_pickedPosition = -1;
  ShowPickerPage();
}

void TfrmPic::ShowPickerPage() {
  for (int i = 0; i < kCells; ++i) {
    ShowPickerCell(FirstPosition + i, Images[static_cast<std::size_t>(i)], Labels[static_cast<std::size_t>(i)]);
  }
}

void TfrmPic::ShowPickerCell(int position, QLabel* image, QLabel* label) {
  const int face = FaceAtPosition(position);
  if (face < g_faceLimit) {
    if (face < g_archiveFaceLimit) {
      ShowFace(face, image, face >= kFirstAddedFace ? addedArchive_ : mainArchive_);
    } else {
      image->setPixmap(imgEgg->pixmap());
    }
    image->show();
    label->show();
    label->setText(QString::number(face));
  } else if (face == g_faceLimit) {
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
  if (face < 0 || face >= g_faceLimit) return;
  GoToPosition(PageOf(face));
}

void TfrmPic::Button2Click() {
  g_pickedPosition = -1;
  reject();
}

void TfrmPic::Button3Click() {
  if (FirstPosition > 0) GoToPosition(FirstPosition - kCells);
}

void TfrmPic::Button4Click() {
  if (FaceAtPosition(FirstPosition + kCells) < g_faceLimit) GoToPosition(FirstPosition + kCells);
}

void TfrmPic::Button5Click() { GoToPosition(0); }

void TfrmPic::Button6Click() { GoToPosition(PageOf(g_faceLimit - 1)); }

void TfrmPic::Button7Click() { GoToPosition(FaceIndex(kNewOfficerPageFace)); }

void TfrmPic::Button8Click() { GoToPosition(FaceIndex(kAddedPageFace)); }

void TfrmPic::Button9Click() {
  int limit = ReadNumber(Edit2);
  if (limit < 0 || limit >= kLimitCeiling) return;
  if (limit >= kLastMainFace && limit < kFirstAddedFace) limit = kFirstAddedFace - 1;
  g_faceLimit = limit + 1;
  Button8->setEnabled(g_faceLimit > kFirstAddedFace);
  Button7->setEnabled(g_faceLimit > kLastNewOfficerFace);
}

void TfrmPic::ImageClick(int number) {
  g_pickedPosition = FirstPosition + number - 1;
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
