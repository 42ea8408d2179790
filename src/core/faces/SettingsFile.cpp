#include "core/faces/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef _WIN32
#include <windows.h>

#include <string>
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

namespace {

QString ProgramSettingsFilePath() { return QDir(ProgramFolder()).filePath(QString::fromLatin1(kSettingsFileName)); }

QString UserSettingsFilePath() { return QDir(UserSettingsFolder()).filePath(QString::fromLatin1(kSettingsFileName)); }

#ifdef _WIN32
// Qt does not look at NTFS permissions (a folder under Program Files looks
// writable), so the folder is asked by creating a file in it.
bool CanWriteBesideProgram() {
  const std::wstring probe = QDir::toNativeSeparators(QDir(ProgramFolder()).filePath(
                                                          QStringLiteral("velmedit-write-test.tmp")))
                                 .toStdWString();
  const HANDLE handle = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    // A probe left behind by a crash is in the way, not a sign of a closed folder.
    return GetLastError() == ERROR_FILE_EXISTS && DeleteFileW(probe.c_str());
  }
  CloseHandle(handle);
  return true;
}
#else
// Asks the file system (access()), so a read-only mount counts as unwritable
// and the administrator's rights as writable. A file that is in the way in a
// writable folder is not a reason to move: writing it fails and is reported,
// as it always was.
bool CanWriteBesideProgram() {
  const QFileInfo file(ProgramSettingsFilePath());
  if (file.isFile() && file.isWritable()) return true;
  const QFileInfo folder(ProgramFolder());
  return folder.isDir() && folder.isWritable();
}
#endif

}  // namespace

QString UserSettingsFolder() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  // Without an application name that would be the configuration folder shared by all programs.
  if (QCoreApplication::applicationName().isEmpty()) return folder + QStringLiteral("/velmedit");
  return folder;
}

QString SettingsFilePath() { return CanWriteBesideProgram() ? ProgramSettingsFilePath() : UserSettingsFilePath(); }

QByteArray FirstSettingsLine(const QByteArray& content) {
  QByteArray line = content.left(kSettingsLineLimit);
  const qsizetype zero = line.indexOf('\0');
  if (zero >= 0) line.truncate(zero);
  const qsizetype lineBreak = line.indexOf('\n');
  if (lineBreak >= 0) line.truncate(lineBreak + 1);
  return line;
}

QString ReadSettingsFile() {
  QString path = SettingsFilePath();
  if (!QFileInfo::exists(path)) path = ProgramSettingsFilePath();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QString();
  // Enough for the longest line even when Windows line breaks shrink to one byte.
  QByteArray content = file.read(2 * kSettingsLineLimit);
#ifdef _WIN32
  content.replace("\r\n", "\n");  // the file is read in text mode there
#endif
  return QFile::decodeName(FirstSettingsLine(content));
}

bool WriteSettingsFile(const QString& directory) {
  const QString path = SettingsFilePath();
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const QByteArray bytes = QFile::encodeName(directory);
  const bool written = file.write(bytes) == bytes.size() && file.flush();
  file.close();
  return written && file.error() == QFileDevice::NoError;
}
