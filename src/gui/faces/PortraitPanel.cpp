#include "gui/faces/PortraitPanel.h"

#include <QLineEdit>

#include "core/faces/FaceArchivePair.h"
#include "gui/faces/ShowFace.h"
#include "gui/faces/TfrmPic.h"
#include "gui/widgets/ClickLabel.h"
#include "gui/widgets/DialogSeam.h"
#include "gui/widgets/ErrorGuard.h"
#include "gui/widgets/FormControls.h"

PortraitPanel::PortraitPanel(QWidget* form, const FaceArchivePair& archives, FacePickerRunState& facePicker,
                             std::function<bool()> hasSelectedOfficer, QObject* parent)
    : QObject(parent),
      form_(form),
      archives_(archives),
      facePicker_(facePicker),
      hasSelectedOfficer_(std::move(hasSelectedOfficer)),
      Image_Face(FormControl<ClickLabel>(form, "Image_Face")),
      Image_NoFace(FormControl<ClickLabel>(form, "Image_NoFace")),
      Edit_Face(FormControl<QLineEdit>(form, "Edit_Face")) {
  setObjectName(QStringLiteral("PortraitPanel"));
  Image_NoFace->setPixmap(NoFacePicture());
  // Without a picture of its own the portrait lets the no-face picture show through.
  Image_Face->raise();
  ConnectGuarded(Image_Face, &ClickLabel::clicked, this, &PortraitPanel::OpenFacePicker);
  ConnectGuarded(Image_NoFace, &ClickLabel::clicked, this, &PortraitPanel::OpenFacePicker);
  Image_Face->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(Image_Face, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    const std::optional<int> face = ShownFace();
    if (face && openMenu_) openMenu_(*face, Image_Face->mapToGlobal(pos), form_->window());
  });
}

void PortraitPanel::SetFaceMenu(FaceMenuOpener openMenu) { openMenu_ = std::move(openMenu); }

std::optional<int> PortraitPanel::ShownFace() const {
  if (!hasSelectedOfficer_()) return std::nullopt;
  bool ok = false;
  const int face = Edit_Face->text().toInt(&ok);
  if (!ok) return std::nullopt;
  return face;
}

void PortraitPanel::FaceChanged(int face) {
  Redraw();
  if (openPicker_) openPicker_->ArchivesReopened(archives_.Main(), archives_.Added(), face);
}

void PortraitPanel::ShowFaceNumber(int face) {
  const QString number = QString::number(face);
  if (Edit_Face->text() == number) return;
  Edit_Face->setText(number);
  ShowFace(face, Image_Face, archives_.For(face));
}

void PortraitPanel::Redraw() {
  bool ok = false;
  const int face = Edit_Face->text().toInt(&ok);
  if (!ok) return Clear();
  ShowFace(face, Image_Face, archives_.For(face));
}

void PortraitPanel::Clear() {
  Edit_Face->clear();
  Image_Face->setPixmap(NoFacePicture());
}

void PortraitPanel::OpenFacePicker() {
  if (!hasSelectedOfficer_()) return;
  if (!archives_.Main()) return;
  TfrmPic picker(archives_.Main(), archives_.Added(), facePicker_, form_->window());
  if (openMenu_) {
    picker.SetCellMenu([this, &picker](int face, const QPoint& globalPos) { openMenu_(face, globalPos, &picker); });
  }
  openPicker_ = &picker;
  struct PickerDone {
    TfrmPic*& open;
    ~PickerDone() { open = nullptr; }
  } done{openPicker_};
  seam::RunModal(&picker);
  const int face = picker.PickedFace();
  if (face == -1 || QString::number(face) == Edit_Face->text()) return;
  Edit_Face->setText(QString::number(face));
  Image_Face->setVisible(true);
  ShowFace(face, Image_Face, archives_.For(face));
}
