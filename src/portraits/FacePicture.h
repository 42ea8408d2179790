#pragma once
// A stored face as a picture and back: 64 x 80, 8-bit indexed, the face's
// own 256-entry palette in its order.
#include <QImage>

#include "core/faces/FaceArchive.h"

// Pixel for pixel the stored face.
QImage FacePicture(const FaceImage& face);

// An indexed 64 x 80 picture taken index for index with its palette in
// order; palette entries the picture lacks are black. The fourth byte of
// each palette entry comes from `current`.
FaceImage FaceFromIndexedPicture(const QImage& picture, const FaceImage& current);
