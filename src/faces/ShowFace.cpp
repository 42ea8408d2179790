// Placeholder until the face archives are read: always the no-face picture.
#include "faces/ShowFace.h"

#include <QLabel>

void ShowFace(int, QLabel* image, FaceArchive*) { image->setPixmap(NoFacePicture()); }

QPixmap NoFacePicture() {
  QPixmap picture(64, 80);
  picture.fill(Qt::gray);
  return picture;
}
