#include "portraits/FaceExport.h"

#include <QDir>
#include <QImageWriter>

#include "core/faces/GameFaces.h"
#include "portraits/FacePicture.h"
#include "portraits/PictureToFace.h"

namespace {

void WritePng(const QImage& picture, const QString& file) {
  QImageWriter writer(file, "png");
  if (!writer.write(picture)) {
    throw PictureError(QStringLiteral("无法写入图片“%1”：%2").arg(QDir::toNativeSeparators(file), writer.errorString()).toStdString());
  }
}

}  // namespace

QString FaceFileName(int face) { return QStringLiteral("%1.png").arg(face, 4, 10, QLatin1Char('0')); }

void ExportFace(const GameFaces& game, int face, const QString& file) { WritePng(FacePicture(game.Read(face)), file); }

void ExportFaces(const GameFaces& game, const std::vector<int>& faces, const QString& folder,
                 const FaceProgress& progress) {
  if (!QDir().mkpath(folder)) {
    throw PictureError(QStringLiteral("无法建立文件夹“%1”").arg(QDir::toNativeSeparators(folder)).toStdString());
  }
  const QDir target(folder);
  const int total = static_cast<int>(faces.size());
  for (int i = 0; i < total; ++i) {
    const int face = faces[static_cast<std::size_t>(i)];
    ExportFace(game, face, target.filePath(FaceFileName(face)));
    if (progress) progress(i + 1, total);
  }
}
