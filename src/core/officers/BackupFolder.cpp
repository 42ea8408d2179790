#include "core/officers/BackupFolder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>

#include "core/officers/DiskStamp.h"
#include "core/officers/SystemErrorText.h"
#include "core/language/CoreText.h"

namespace {

std::string Tr(const char* text, std::initializer_list<std::string_view> pieces = {}) { return CoreText("BackupFolder", text, pieces); }

QString ToQt(const std::filesystem::path& path) { return QString::fromStdU16String(path.generic_u16string()); }

std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.generic_u8string();
  return std::string(text.begin(), text.end());
}

const QString kTimeFormat = QStringLiteral("yyyyMMdd-HHmmss");

QString CopyName(const std::filesystem::path& file, const QDateTime& time, int sequence) {
  QString name = ToQt(file.stem()) + u'-' + time.toString(kTimeFormat);
  if (sequence > 1) name += u'-' + QString::number(sequence);
  return name + ToQt(file.extension());
}

bool Older(const BackupCopy& a, const BackupCopy& b) {
  return a.time != b.time ? a.time < b.time : a.sequence < b.sequence;
}

[[noreturn]] void FailFolder(const std::filesystem::path& folder, const QString& reason) {
  throw BackupFolderError(Tr(QT_TRANSLATE_NOOP("BackupFolder", "无法在备份文件夹 “%1” 中留下保存前的副本：%2；文件未改变"),
                             {Utf8(folder), SystemErrorText(reason)}));
}

void RemoveSurplus(const std::filesystem::path& file) {
  std::vector<BackupCopy> copies = ListBackupCopies(file);
  // copies[0] is the oldest and stays; of the rest the newest are kept.
  while (copies.size() > static_cast<std::size_t>(kKeptBackupCopies) + 1) {
    QFile::remove(ToQt(copies[1].path));
    copies.erase(copies.begin() + 1);
  }
}

}  // namespace

std::filesystem::path BackupFolderFor(const std::filesystem::path& file) {
  std::filesystem::path folder = file;
  folder += ".backups";
  return folder;
}

std::vector<BackupCopy> ListBackupCopies(const std::filesystem::path& file) {
  const QRegularExpression pattern(QStringLiteral("^%1-(\\d{8}-\\d{6})(?:-(\\d+))?%2$")
                                       .arg(QRegularExpression::escape(ToQt(file.stem())),
                                            QRegularExpression::escape(ToQt(file.extension()))));
  std::vector<BackupCopy> copies;
  const QDir folder(ToQt(BackupFolderFor(file)));
  for (const QFileInfo& entry : folder.entryInfoList(QDir::Files)) {
    const QRegularExpressionMatch match = pattern.match(entry.fileName());
    if (!match.hasMatch()) continue;
    BackupCopy copy;
    copy.time = QDateTime::fromString(match.captured(1), kTimeFormat);
    if (!copy.time.isValid()) continue;
    copy.sequence = match.captured(2).isEmpty() ? 1 : match.captured(2).toInt();
    copy.path = entry.absoluteFilePath().toStdU16String();
    copy.size = entry.size();
    copies.push_back(copy);
  }
  std::sort(copies.begin(), copies.end(), Older);
  return copies;
}

BackupCopyResult CopyIntoBackupFolder(const std::filesystem::path& file, const QDateTime& now) {
  const std::filesystem::path folder = BackupFolderFor(file);
  const std::vector<BackupCopy> copies = ListBackupCopies(file);
  if (!copies.empty() && ReadDiskStamp(copies.back().path).SameContent(ReadDiskStamp(file))) {
    return {copies.back().path, false};
  }
  if (!QDir().mkpath(ToQt(folder))) FailFolder(folder, QString::fromStdString(Tr(QT_TRANSLATE_NOOP("BackupFolder", "无法建立文件夹"))));
  const QDateTime second = now.addMSecs(-now.time().msec());
  int sequence = 1;
  QString target;
  do {
    target = QDir(ToQt(folder)).filePath(CopyName(file, second, sequence++));
  } while (QFile::exists(target));
  QFile source(ToQt(file));
  if (!source.copy(target)) {
    QFile::remove(target);
    FailFolder(folder, source.errorString());
  }
  RemoveSurplus(file);
  return {target.toStdU16String(), true};
}

std::string BackupCopyShownName(const std::filesystem::path& copy) {
  return Utf8(copy.parent_path().filename() / copy.filename());
}
