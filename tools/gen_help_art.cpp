// Draws the eight frame pictures of the help window: four ornamental corners
// (113 x 113) and four edge strips (209 x 9 and 9 x 209), written as PNG files
// into the given folder (src/help/ of the source tree, where they are
// committed and compiled in as resources).
//
//   gen_help_art <folder>
//
// The corners share one design, mirrored into place; the strips continue the
// corners' outer band, so the eight pictures join into one frame around the
// 433 x 433 window.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QString>
#include <QTransform>
#include <cstdio>

namespace {

constexpr int kCorner = 113;
constexpr int kStripLength = 209;
constexpr int kBand = 9;          // width of the frame band
constexpr int kDiamondStep = 11;  // 209 = 19 diamonds of 11 pixels

const QColor kLacquer(139, 26, 26);  // deep red band
const QColor kGold(212, 160, 23);
const QColor kInk(70, 40, 20);

QPolygonF Diamond(QPointF centre, double half) {
  return QPolygonF({centre + QPointF(0, -half), centre + QPointF(half, 0), centre + QPointF(0, half),
                    centre + QPointF(-half, 0)});
}

// The band along the top edge from x0 to x1: red with a gold thread and
// small gold diamonds every kDiamondStep pixels from firstDiamond on.
void DrawBand(QPainter& p, int x0, int x1, int firstDiamond) {
  p.fillRect(QRect(x0, 0, x1 - x0, kBand), kLacquer);
  p.fillRect(QRect(x0, 4, x1 - x0, 1), kGold);
  p.setPen(Qt::NoPen);
  p.setBrush(kGold);
  for (int x = firstDiamond; x < x1; x += kDiamondStep) p.drawPolygon(Diamond(QPointF(x + 0.5, 4.5), 3.0));
}

QImage TopStrip() {
  QImage image(kStripLength, kBand, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  DrawBand(p, 0, kStripLength, kDiamondStep / 2);
  return image;
}

// The top-left corner; the other three are its mirror images.
QImage TopLeftCorner() {
  QImage image(kCorner, kCorner, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  // The band along the top and, turned, along the left edge. The strips
  // start at 112, so the band's diamonds keep the strips' rhythm.
  const int firstDiamond = (112 + kDiamondStep / 2) % kDiamondStep;
  DrawBand(p, 0, kCorner, firstDiamond);
  p.save();
  p.setTransform(QTransform(0, 1, 1, 0, 0, 0));  // swap x and y
  DrawBand(p, 0, kCorner, firstDiamond);
  p.restore();

  // A square knot where the two bands meet.
  p.setPen(Qt::NoPen);
  p.setBrush(kLacquer);
  p.drawRect(QRectF(0, 0, 22, 22));
  p.setPen(QPen(kGold, 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(3.5, 3.5, 15, 15));
  p.setPen(Qt::NoPen);
  p.setBrush(kGold);
  p.drawPolygon(Diamond(QPointF(11, 11), 5));
  p.setBrush(kLacquer);
  p.drawPolygon(Diamond(QPointF(11, 11), 2));

  // Two thin arcs sweeping from band to band.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kGold, 2));
  p.drawArc(QRectF(9 - 62, 9 - 62, 124, 124), 270 * 16, 90 * 16);
  p.setPen(QPen(kLacquer, 1.2));
  p.drawArc(QRectF(9 - 68, 9 - 68, 136, 136), 270 * 16, 90 * 16);

  // A round medallion with a four-petal flower.
  const QPointF centre(36, 36);
  p.setPen(QPen(kGold, 2));
  p.setBrush(kLacquer);
  p.drawEllipse(centre, 15, 15);
  p.setPen(Qt::NoPen);
  p.setBrush(kGold);
  for (int i = 0; i < 4; ++i) {
    QPainterPath petal;
    petal.moveTo(centre);
    petal.cubicTo(centre + QPointF(-5, -6), centre + QPointF(-4, -12), centre + QPointF(0, -12));
    petal.cubicTo(centre + QPointF(4, -12), centre + QPointF(5, -6), centre);
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    turn.rotate(45 + 90 * i);
    turn.translate(-centre.x(), -centre.y());
    p.drawPath(turn.map(petal));
  }
  p.setBrush(kInk);
  p.drawEllipse(centre, 2.5, 2.5);

  // Three diamonds trailing away along the diagonal.
  p.setBrush(kLacquer);
  p.drawPolygon(Diamond(QPointF(58, 58), 4));
  p.setBrush(kGold);
  p.drawPolygon(Diamond(QPointF(68, 68), 3));
  p.setBrush(kLacquer);
  p.drawPolygon(Diamond(QPointF(76, 76), 2));
  return image;
}

bool Save(const QImage& image, const QDir& folder, const char* name) {
  const QString path = folder.filePath(QString::fromLatin1(name));
  if (!image.save(path, "PNG")) {
    std::fprintf(stderr, "gen_help_art: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gen_help_art <folder>\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  const QImage corner = TopLeftCorner();
  const QImage top = TopStrip();
  const QImage left = top.transformed(QTransform(0, 1, 1, 0, 0, 0));  // swap x and y

  bool ok = true;
  ok &= Save(corner, folder, "help_corner_tl.png");
  ok &= Save(corner.mirrored(true, false), folder, "help_corner_tr.png");
  ok &= Save(corner.mirrored(false, true), folder, "help_corner_bl.png");
  ok &= Save(corner.mirrored(true, true), folder, "help_corner_br.png");
  ok &= Save(top, folder, "help_edge_top.png");
  ok &= Save(top.mirrored(false, true), folder, "help_edge_bottom.png");
  ok &= Save(left, folder, "help_edge_left.png");
  ok &= Save(left.mirrored(true, false), folder, "help_edge_right.png");
  return ok ? 0 : 1;
}
