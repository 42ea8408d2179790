// Draws the program's icon, a vermilion seal with a halberd across it, at the
// usual sizes of the freedesktop icon theme:
//
//   gen_app_icon <folder>
//   gen_app_icon --ico <file.ico>
//
// writes <folder>/<n>x<n>/apps/velmedit.png for n = 16, 32, 48, 64, 128, 256,
// or the same six pictures as one Windows icon file (PNG-compressed entries,
// as Windows reads them since Vista).
// The drawing is vector work scaled to each size; below 48 pixels the thin
// inner border and the tassel are left out, where they would only blur.
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QDir>
#include <QImage>
#include <QList>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cstdio>

namespace {

constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};
constexpr double kCanvas = 256.0;  // the drawing's own units

const QColor kVermilionLight(214, 58, 44);
const QColor kVermilionDark(140, 26, 20);
const QColor kInk(74, 14, 10);
const QColor kCream(247, 232, 196);
const QColor kGold(222, 172, 52);

void DrawSeal(QPainter& p, bool detailed) {
  const QRectF outer(10, 10, kCanvas - 20, kCanvas - 20);
  QLinearGradient shade(outer.topLeft(), outer.bottomRight());
  shade.setColorAt(0, kVermilionLight);
  shade.setColorAt(1, kVermilionDark);
  p.setPen(QPen(kInk, detailed ? 6 : 10));
  p.setBrush(shade);
  p.drawRoundedRect(outer, 40, 40);
  if (detailed) {
    p.setPen(QPen(kCream, 5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(outer.adjusted(16, 16, -16, -16), 26, 26);
  }
}

// The halberd stands upright around the origin; the caller turns it.
void DrawHalberd(QPainter& p, bool detailed) {
  const double shaft = detailed ? 14 : 24;
  p.setPen(QPen(kInk, detailed ? 3 : 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

  p.setBrush(kCream);
  p.drawRoundedRect(QRectF(-shaft / 2, -78, shaft, 190), shaft / 2, shaft / 2);

  // Spear point above the shaft.
  QPainterPath point;
  point.moveTo(0, -128);
  point.cubicTo(18, -108, 18, -92, 0, -76);
  point.cubicTo(-18, -92, -18, -108, 0, -128);
  p.drawPath(point);

  // Crescent blade on one side, its hollow facing away from the shaft.
  QPainterPath blade;
  blade.moveTo(shaft / 2, -92);
  blade.cubicTo(70, -110, 82, -40, shaft / 2, -46);
  blade.cubicTo(44, -56, 42, -86, shaft / 2, -92);
  p.drawPath(blade);

  // Guard where blade and shaft meet.
  p.setBrush(kGold);
  p.drawRoundedRect(QRectF(-shaft, -80, 2 * shaft, detailed ? 12 : 18), 4, 4);

  if (detailed) {
    QPainterPath tassel;
    tassel.moveTo(-shaft / 2, -66);
    tassel.cubicTo(-40, -50, -44, -24, -34, -4);
    tassel.cubicTo(-28, -24, -20, -44, -shaft / 2, -50);
    tassel.closeSubpath();
    p.setBrush(kGold);
    p.drawPath(tassel);
  }
}

QImage Icon(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / kCanvas, size / kCanvas);
  const bool detailed = size >= 48;
  DrawSeal(p, detailed);
  p.translate(kCanvas / 2 + 4, kCanvas / 2 + 14);
  p.rotate(35);
  if (!detailed) p.scale(1.15, 1.15);  // a bigger head reads better in few pixels
  DrawHalberd(p, detailed);
  p.end();
  return image;
}

void AppendLittleEndian(QByteArray& out, quint32 value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// ICONDIR, one ICONDIRENTRY per size, then the PNG files.
bool WriteIco(const QString& path) {
  QList<QByteArray> pngs;
  for (const int size : kSizes) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!Icon(size).save(&buffer, "PNG")) return false;
    pngs.append(png);
  }
  QByteArray out;
  AppendLittleEndian(out, 0, 2);  // reserved
  AppendLittleEndian(out, 1, 2);  // type: icon
  AppendLittleEndian(out, static_cast<quint32>(pngs.size()), 2);
  quint32 offset = 6 + 16 * static_cast<quint32>(pngs.size());
  for (qsizetype i = 0; i < pngs.size(); ++i) {
    const int size = kSizes[i];
    AppendLittleEndian(out, size >= 256 ? 0 : static_cast<quint32>(size), 1);  // 0 stands for 256
    AppendLittleEndian(out, size >= 256 ? 0 : static_cast<quint32>(size), 1);
    AppendLittleEndian(out, 0, 2);   // no palette, reserved
    AppendLittleEndian(out, 1, 2);   // colour planes
    AppendLittleEndian(out, 32, 2);  // bits per pixel
    AppendLittleEndian(out, static_cast<quint32>(pngs[i].size()), 4);
    AppendLittleEndian(out, offset, 4);
    offset += static_cast<quint32>(pngs[i].size());
  }
  for (const QByteArray& png : pngs) out.append(png);
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(out) == out.size();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && QByteArray(argv[1]) == "--ico") {
    if (WriteIco(QString::fromLocal8Bit(argv[2]))) return 0;
    std::fprintf(stderr, "gen_app_icon: cannot write %s\n", argv[2]);
    return 1;
  }
  if (argc != 2) {
    std::fprintf(stderr, "usage: gen_app_icon <folder> | --ico <file.ico>\n");
    return 2;
  }
  const QDir root(QString::fromLocal8Bit(argv[1]));
  for (const int size : kSizes) {
    const QString folder = QStringLiteral("%1x%1/apps").arg(size);
    const QString file = root.filePath(folder + QStringLiteral("/velmedit.png"));
    if (!root.mkpath(folder) || !Icon(size).save(file, "PNG")) {
      std::fprintf(stderr, "gen_app_icon: cannot write %s\n", file.toLocal8Bit().constData());
      return 1;
    }
  }
  return 0;
}
