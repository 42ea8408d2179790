#include "core/officers/DiskStamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

DiskStamp ReadDiskStamp(const std::filesystem::path& path) {
  DiskStamp stamp;
  QFile file(QString::fromStdU16String(path.generic_u16string()));
  if (!file.open(QIODevice::ReadOnly)) return stamp;
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (!hash.addData(&file)) return stamp;
  stamp.exists = true;
  stamp.size = file.size();
  stamp.modified = QFileInfo(file).lastModified();
  stamp.hash = hash.result();
  return stamp;
}
