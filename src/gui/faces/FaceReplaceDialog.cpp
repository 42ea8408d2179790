#include "gui/faces/FaceReplaceDialog.h"

#include <QRadioButton>

#include "gui/widgets/ErrorGuard.h"
#include "portraits/FacePicture.h"
#include "ui_FaceReplaceDialog.h"

namespace {

constexpr int kLargeScale = 2;

// The face at 1:1 and doubled, pixel for pixel (no smoothing).
void ShowFaceIn(const FaceImage& face, QLabel* image, QLabel* large) {
  const QImage picture = FacePicture(face);
  image->setPixmap(QPixmap::fromImage(picture));
  large->setPixmap(QPixmap::fromImage(
      picture.scaled(kFaceWidth * kLargeScale, kFaceHeight * kLargeScale, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
}

}  // namespace

FaceReplaceDialog::FaceReplaceDialog(int face, const FaceImage& current, const QImage& picture, const QStringList& users,
                                     QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::FaceReplaceDialog>()),
      face_(face),
      current_(current),
      picture_(picture) {
  ui_->setupUi(this);
  ShowFaceIn(current_, ui_->Image_Current, ui_->Image_CurrentLarge);
  ui_->List_Users->addItems(users);
  if (users.isEmpty()) ui_->List_Users->hide();
  ShowTexts();
  // The game's own officers have faces below the added archive's.
  ui_->Label_GameOfficers->setVisible(face < kFirstAddedFace);
  for (QRadioButton* choice : {ui_->Radio_Crop, ui_->Radio_Pad, ui_->Radio_NewPalette, ui_->Radio_KeepPalette}) {
    ConnectGuarded(choice, &QRadioButton::toggled, this, [this](bool checked) {
      if (checked) ShowNewFace();
    });
  }
  connect(ui_->Btn_Replace, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui_->Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
  ShowNewFace();
  adjustSize();
}

FaceReplaceDialog::~FaceReplaceDialog() = default;

void FaceReplaceDialog::ShowTexts() {
  setWindowTitle(tr("替换头像 %1").arg(face_));
  if (ui_->List_Users->count() == 0) ui_->Label_Users->setText(tr("本档中没有武将使用此头像。"));
}

void FaceReplaceDialog::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) {
    ui_->retranslateUi(this);
    ShowTexts();
  }
}


FaceConversion FaceReplaceDialog::Conversion() const {
  FaceConversion conversion;
  conversion.fit = ui_->Radio_Pad->isChecked() ? PictureFit::Pad : PictureFit::Crop;
  conversion.palette = ui_->Radio_KeepPalette->isChecked() ? PaletteChoice::Keep : PaletteChoice::New;
  return conversion;
}

void FaceReplaceDialog::ShowNewFace() {
  newFace_ = PictureToFace(picture_, Conversion(), current_);
  ShowFaceIn(newFace_, ui_->Image_New, ui_->Image_NewLarge);
}
