#include "core/faces/RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "core/faces/SettingsFile.h"

namespace {
const QString kKey = QStringLiteral("recent/files");
}

QString RecentFilesPath() {
  return QFileInfo(SettingsFilePath()).dir().filePath(QStringLiteral("velmedit-recent.ini"));
}

QStringList ReadRecentFiles() {
  const QSettings settings(RecentFilesPath(), QSettings::IniFormat);
  QStringList files = settings.value(kKey).toStringList();
  files.removeAll(QString());
  return files.mid(0, kRecentFileCount);
}

void RememberRecentFile(const QString& path) {
  const QString full = QFileInfo(path).absoluteFilePath();
  QStringList files = ReadRecentFiles();
  files.removeAll(full);
  files.prepend(full);
  QDir().mkpath(QFileInfo(RecentFilesPath()).absolutePath());
  QSettings settings(RecentFilesPath(), QSettings::IniFormat);
  settings.setValue(kKey, files.mid(0, kRecentFileCount));
}
