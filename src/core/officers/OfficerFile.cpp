#include "core/officers/OfficerFile.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>

namespace {

QString ToQtPath(const std::filesystem::path& path) {
  return QString::fromStdU16String(path.generic_u16string());
}

std::string Quoted(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return "“" + std::string(utf8.begin(), utf8.end()) + "”";
}

[[noreturn]] void Fail(const std::string& message) { throw OfficerFileError(message); }

std::vector<unsigned char> ReadWholeFile(const std::filesystem::path& path) {
  QFile file(ToQtPath(path));
  if (!file.open(QIODevice::ReadOnly)) {
    Fail("无法打开文件 " + Quoted(path) + "：" + file.errorString().toStdString());
  }
  QByteArray data = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    Fail("无法读取文件 " + Quoted(path) + "：" + file.errorString().toStdString());
  }
  return std::vector<unsigned char>(data.begin(), data.end());
}

}  // namespace

std::filesystem::path BackupPathFor(const std::filesystem::path& path) {
  std::filesystem::path backup = path;
  backup += ".bak";
  return backup;
}

OfficerTable LoadOfficerFile(const std::filesystem::path& path) {
  std::vector<unsigned char> data = ReadWholeFile(path);
  if (data.size() < kOfficerFileSize) {
    Fail("文件 " + Quoted(path) + " 只有 " + std::to_string(data.size()) + " 字节，新武将档应为 " +
         std::to_string(kOfficerFileSize) + " 字节；未载入");
  }
  OfficerTable table;
  for (std::size_t s = 0; s < kSlotCount; ++s) {
    table[s] = DecodeRecord(data.data() + kHeaderSize + s * kRecordSize);
  }
  return table;
}

std::vector<unsigned char> MergeTableIntoFile(std::vector<unsigned char> current, const OfficerTable& table) {
  // Writing in place over a shorter file would fill the gap with zeros.
  if (current.size() < kOfficerFileSize) current.resize(kOfficerFileSize, 0);
  for (std::size_t s = 0; s < kSlotCount; ++s) {
    EncodeRecordInPlace(table[s], current.data() + kHeaderSize + s * kRecordSize);
  }
  return current;
}

void SaveOfficerFile(const std::filesystem::path& path, const OfficerTable& table) {
  std::vector<unsigned char> current = ReadWholeFile(path);

  const std::filesystem::path backup = BackupPathFor(path);
  std::error_code ec;
  std::filesystem::copy_file(path, backup, std::filesystem::copy_options::overwrite_existing, ec);
  if (ec) {
    Fail("无法建立备份文件 " + Quoted(backup) + "：" + ec.message() + "；文件未保存");
  }

  const std::vector<unsigned char> merged = MergeTableIntoFile(std::move(current), table);

  QSaveFile out(ToQtPath(path));
  out.setDirectWriteFallback(false);
  if (!out.open(QIODevice::WriteOnly)) {
    Fail("无法写入文件 " + Quoted(path) + "：" + out.errorString().toStdString() + "；文件未改变");
  }
  const auto size = static_cast<qint64>(merged.size());
  if (out.write(reinterpret_cast<const char*>(merged.data()), size) != size || !out.commit()) {
    Fail("无法写入文件 " + Quoted(path) + "：" + out.errorString().toStdString() + "；文件未改变");
  }

  if (ReadWholeFile(path) != merged) {
    Fail("保存后读回文件 " + Quoted(path) + " 时发现内容不符，请用备份文件 " + Quoted(backup) + " 恢复");
  }
}
