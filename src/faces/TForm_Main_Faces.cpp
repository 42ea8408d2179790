// Portraits and the game's installation directory on the main window.
// Placeholder seams until the face archives arrive.
#include "app/TForm_Main.h"
#include "faces/FaceArchive.h"

void TForm_Main::BuildFacePanel() {}
void TForm_Main::OpenFaceArchives(const QString&) {}
void TForm_Main::CloseFaceArchives() {
  MainFaceArchive.reset();
  AddedFaceArchive.reset();
}
void TForm_Main::Image_FaceClick() {}
FaceArchive* TForm_Main::ArchiveFor(int face) const {
  return face >= 2000 ? AddedFaceArchive.get() : MainFaceArchive.get();
}
