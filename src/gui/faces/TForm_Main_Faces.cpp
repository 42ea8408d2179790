// Portraits on the main window: the two face archives, the portrait in the
// group "形象" and the face picker it opens.
#include <QGroupBox>
#include <QLineEdit>
#include <QTreeWidget>

#include "gui/widgets/ClickLabel.h"
#include "gui/widgets/DialogSeam.h"
#include "gui/mainwindow/TForm_Main.h"
#include "core/faces/FaceArchive.h"
#include "gui/faces/ShowFace.h"
#include "gui/faces/TfrmPic.h"

void TForm_Main::BuildFacePanel() {
  Image_NoFace = new ClickLabel(GroupBox4);
  Image_NoFace->setObjectName(QStringLiteral("Image_NoFace"));
  Image_NoFace->setGeometry(16, 16, kFaceWidth, kFaceHeight);
  Image_NoFace->setPixmap(NoFacePicture());

  // Without a picture of its own the portrait lets the no-face picture show through.
  Image_Face = new ClickLabel(GroupBox4);
  Image_Face->setObjectName(QStringLiteral("Image_Face"));
  Image_Face->setGeometry(16, 16, kFaceWidth, kFaceHeight);
  Image_Face->raise();

  Guard(Image_Face, &ClickLabel::clicked, [this] { Image_FaceClick(); });
  Guard(Image_NoFace, &ClickLabel::clicked, [this] { Image_FaceClick(); });
}

void TForm_Main::OpenFaceArchives(const QString& directory) {
  MainFaceArchive = FaceArchive::Open(ArchivePath(directory, kMainArchiveName));
  AddedFaceArchive = FaceArchive::Open(ArchivePath(directory, kAddedArchiveName));
}

void TForm_Main::CloseFaceArchives() {
  MainFaceArchive.reset();
  AddedFaceArchive.reset();
}

FaceArchive* TForm_Main::ArchiveFor(int face) const {
  return face >= kFirstAddedFace ? AddedFaceArchive.get() : MainFaceArchive.get();
}

void TForm_Main::Image_FaceClick() {
  if (SelectedRow() == nullptr) return;
  if (!MainFaceArchive) return;
  TfrmPic picker(MainFaceArchive.get(), AddedFaceArchive.get(), FacePicker, this);
  seam::RunModal(&picker);
  const int face = FaceAtPosition(FacePicker.PickedPosition);
  if (face == -1 || QString::number(face) == Edit_Face->text()) return;
  Edit_Face->setText(QString::number(face));
  Image_Face->setVisible(true);
  ShowFace(face, Image_Face, ArchiveFor(face));
}
