#include "gui/faces/ShowFace.h"

#include <QImage>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "core/faces/FaceArchive.h"
#include "portraits/FacePicture.h"

namespace {

// A grey bust on a dusk background with a question mark on the chest,
// painted once: the program carries no image file for it.
QImage PaintNoFace() {
  QImage picture(kFaceWidth, kFaceHeight, QImage::Format_RGB32);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);

  QLinearGradient sky(0, 0, 0, kFaceHeight);
  sky.setColorAt(0.0, QColor(58, 64, 86));
  sky.setColorAt(1.0, QColor(24, 26, 38));
  painter.fillRect(picture.rect(), sky);

  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(118, 122, 136));
  QPainterPath shoulders;
  shoulders.moveTo(4, 80);
  shoulders.cubicTo(6, 58, 18, 52, 32, 52);
  shoulders.cubicTo(46, 52, 58, 58, 60, 80);
  shoulders.closeSubpath();
  painter.drawPath(shoulders);
  painter.drawRect(27, 40, 10, 14);                 // neck
  painter.drawEllipse(QRectF(19, 12, 26, 32));      // head

  QPen mark(QColor(232, 214, 150), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter.setPen(mark);
  painter.setBrush(Qt::NoBrush);
  QPainterPath question;
  question.moveTo(26.5, 62);
  question.cubicTo(26.5, 56, 37.5, 56, 37.5, 62);
  question.cubicTo(37.5, 66, 32, 66, 32, 71);
  painter.drawPath(question);
  painter.drawPoint(QPointF(32, 76));
  painter.end();
  return picture;
}

}  // namespace

void ShowFace(int face, QLabel* image, FaceArchive* archive) {
  const std::optional<FaceImage> stored = ReadFace(face, archive);
  if (!stored) {
    image->setPixmap(NoFacePicture());
    return;
  }
  image->setPixmap(QPixmap::fromImage(FacePicture(*stored)));
}

QPixmap NoFacePicture() {
  static const QImage picture = PaintNoFace();
  return QPixmap::fromImage(picture);
}
