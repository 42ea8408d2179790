#include "portraits/FacePicture.h"

#include <QList>

QImage FacePicture(const FaceImage& face) {
  QImage picture(kFaceWidth, kFaceHeight, QImage::Format_Indexed8);
  QList<QRgb> colours(256);
  for (int entry = 0; entry < 256; ++entry) colours[entry] = face.Colour(entry);
  picture.setColorTable(colours);
  for (int y = 0; y < kFaceHeight; ++y) {
    uchar* row = picture.scanLine(y);
    for (int x = 0; x < kFaceWidth; ++x) row[x] = face.PixelIndex(x, y);
  }
  return picture;
}

FaceImage FaceFromIndexedPicture(const QImage& picture, const FaceImage& current) {
  FaceImage face;
  for (int y = 0; y < kFaceHeight; ++y) {
    const uchar* row = picture.constScanLine(y);
    std::copy(row, row + kFaceWidth, face.pixels.begin() + y * kFaceWidth);
  }
  const QList<QRgb> colours = picture.colorTable();
  for (int entry = 0; entry < 256; ++entry) {
    const QRgb colour = entry < colours.size() ? colours[entry] : qRgb(0, 0, 0);
    auto* bgra = &face.palette[static_cast<std::size_t>(entry) * 4];
    bgra[0] = static_cast<std::uint8_t>(qBlue(colour));
    bgra[1] = static_cast<std::uint8_t>(qGreen(colour));
    bgra[2] = static_cast<std::uint8_t>(qRed(colour));
    bgra[3] = current.palette[static_cast<std::size_t>(entry) * 4 + 3];
  }
  return face;
}
