#include "core/faces/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef _WIN32
#include <windows.h>

#include <vector>
#endif

namespace {

QString g_programFolder;

QString ExecutableFolder() {
  if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
#ifdef _WIN32
  std::vector<wchar_t> buffer(32768);
  const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  return QFileInfo(QString::fromWCharArray(buffer.data(), static_cast<qsizetype>(length))).absolutePath();
#else
  return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
#endif
}

}  // namespace

QString ProgramFolder() { return g_programFolder.isEmpty() ? ExecutableFolder() : g_programFolder; }

void SetProgramFolder(const QString& folder) { g_programFolder = folder; }

QString SettingsFilePath() { return QDir(ProgramFolder()).filePath(QString::fromLatin1(kSettingsFileName)); }

QByteArray FirstSettingsLine(const QByteArray& content) {
  QByteArray line = content.left(kSettingsLineLimit);
  const qsizetype zero = line.indexOf('\0');
  if (zero >= 0) line.truncate(zero);
  const qsizetype lineBreak = line.indexOf('\n');
  if (lineBreak >= 0) line.truncate(lineBreak + 1);
  return line;
}

QString ReadSettingsFile() {
  QFile file(SettingsFilePath());
  if (!file.open(QIODevice::ReadOnly)) return QString();
  // Enough for the longest line even when Windows line breaks shrink to one byte.
  QByteArray content = file.read(2 * kSettingsLineLimit);
#ifdef _WIN32
  content.replace("\r\n", "\n");  // the file is read in text mode there
#endif
  return QFile::decodeName(FirstSettingsLine(content));
}

bool WriteSettingsFile(const QString& directory) {
  QFile file(SettingsFilePath());
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const QByteArray bytes = QFile::encodeName(directory);
  const bool written = file.write(bytes) == bytes.size() && file.flush();
  file.close();
  return written && file.error() == QFileDevice::NoError;
}
