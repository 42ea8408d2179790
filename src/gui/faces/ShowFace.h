#pragma once
// Drawing one face into an image control.
#include <QPixmap>

class FaceArchive;
class QLabel;

// Shows face `face` read from `archive` (null = absent archive) in `image`,
// or the no-face picture when the archive cannot provide it.
void ShowFace(int face, QLabel* image, FaceArchive* archive);

// The program's own 64 x 80 picture for "no face".
QPixmap NoFacePicture();
