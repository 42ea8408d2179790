#include "portraits/PictureToFace.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include "portraits/ColourReduction.h"
#include "portraits/FacePicture.h"

namespace {

// Pictures of more pixels than this are decoded smaller when their format
// can do that cheaply (JPEG), and refused otherwise: 40 million pixels take 160 MB
// in true colour.
constexpr qint64 kLargestDecodedPixels = 40'000'000;
constexpr int kDecodedSideWhenReduced = 1024;

[[noreturn]] void Refuse(const QString& message) { throw PictureError(message.toStdString()); }

QString Quoted(const QString& path) { return QStringLiteral("“%1”").arg(path); }

// Opaque true colour: transparent parts show black, as the game has no transparency.
QImage Opaque(const QImage& picture) {
  if (!picture.hasAlphaChannel()) return picture.convertToFormat(QImage::Format_RGB32);
  QImage opaque(picture.size(), QImage::Format_RGB32);
  opaque.fill(Qt::black);
  QPainter painter(&opaque);
  painter.drawImage(0, 0, picture);
  return opaque;
}

// The average colour of the picture's outermost pixels.
QColor BorderColour(const QImage& picture) {
  qint64 red = 0, green = 0, blue = 0, count = 0;
  const auto add = [&](int x, int y) {
    const QRgb colour = picture.pixel(x, y);
    red += qRed(colour);
    green += qGreen(colour);
    blue += qBlue(colour);
    ++count;
  };
  for (int x = 0; x < picture.width(); ++x) {
    add(x, 0);
    add(x, picture.height() - 1);
  }
  for (int y = 1; y + 1 < picture.height(); ++y) {
    add(0, y);
    add(picture.width() - 1, y);
  }
  return QColor(static_cast<int>(red / count), static_cast<int>(green / count), static_cast<int>(blue / count));
}

QImage Indexed(const QImage& picture, const QList<QRgb>& colours) {
  QImage indexed(picture.size(), QImage::Format_Indexed8);
  indexed.setColorTable(colours);
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* source = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    uchar* target = indexed.scanLine(y);
    for (int x = 0; x < rgb.width(); ++x) target[x] = static_cast<uchar>(colours.indexOf(source[x] | 0xFF000000u));
  }
  return indexed;
}

}  // namespace

QImage LoadPicture(const QString& path) {
  if (!QFileInfo::exists(path)) Refuse(QStringLiteral("找不到图片文件 %1").arg(Quoted(path)));
  if (QFileInfo(path).isDir()) Refuse(QStringLiteral("%1 是文件夹，不是图片").arg(Quoted(path)));
  QImageReader reader(path);
  reader.setAutoTransform(true);
  if (!reader.canRead()) {
    Refuse(QStringLiteral("文件 %1 不是能读的图片（可用 PNG、JPEG、BMP 或 GIF）").arg(Quoted(path)));
  }
  const QSize size = reader.size();
  if (size.isValid() && qint64{size.width()} * size.height() > kLargestDecodedPixels) {
    // Only JPEG decodes smaller without first decoding the whole picture.
    if (reader.format() != "jpeg") {
      Refuse(QStringLiteral("图片 %1 太大（%2 × %3 像素），请先缩小到 6000 × 6000 以内")
                 .arg(Quoted(path))
                 .arg(size.width())
                 .arg(size.height()));
    }
    reader.setScaledSize(size.scaled(kDecodedSideWhenReduced, kDecodedSideWhenReduced, Qt::KeepAspectRatio));
  }
  QImage picture = reader.read();
  if (picture.isNull()) {
    Refuse(QStringLiteral("图片 %1 读不出来（已损坏？）：%2").arg(Quoted(path), reader.errorString()));
  }
  const QSize original = size.isValid() ? size : picture.size();
  if (original.width() < kSmallestPictureWidth || original.height() < kSmallestPictureHeight) {
    Refuse(QStringLiteral("图片 %1 只有 %2 × %3 像素，太小：至少要 %4 × %5")
               .arg(Quoted(path))
               .arg(original.width())
               .arg(original.height())
               .arg(kSmallestPictureWidth)
               .arg(kSmallestPictureHeight));
  }
  return picture;
}

QImage FitToFace(const QImage& picture, PictureFit fit) {
  const QImage opaque = Opaque(picture);
  const QSize face(kFaceWidth, kFaceHeight);
  if (opaque.size() == face) return opaque;
  if (fit == PictureFit::Crop) {
    const QImage covering = opaque.scaled(face, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    return covering.copy((covering.width() - kFaceWidth) / 2, (covering.height() - kFaceHeight) / 2, kFaceWidth,
                         kFaceHeight);
  }
  const QImage inside = opaque.scaled(face, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  QImage padded(face, QImage::Format_RGB32);
  padded.fill(BorderColour(opaque));
  QPainter painter(&padded);
  painter.drawImage((kFaceWidth - inside.width()) / 2, (kFaceHeight - inside.height()) / 2, inside);
  return padded;
}

FaceImage PictureToFace(const QImage& picture, const FaceConversion& conversion, const FaceImage& current) {
  const bool faceSized = picture.width() == kFaceWidth && picture.height() == kFaceHeight;
  if (faceSized && picture.format() == QImage::Format_Indexed8 && conversion.palette == PaletteChoice::New) {
    return FaceFromIndexedPicture(picture, current);
  }
  const QImage fitted = FitToFace(picture, conversion.fit);
  if (conversion.palette == PaletteChoice::Keep) {
    const QList<QRgb> palette = FacePicture(current).colorTable();
    return FaceFromIndexedPicture(MapOntoPalette(fitted, palette), current);
  }
  const QList<QRgb> exact = ExactColours(fitted);
  if (!exact.isEmpty()) return FaceFromIndexedPicture(Indexed(fitted, exact), current);
  return FaceFromIndexedPicture(ReduceColours(fitted), current);
}
