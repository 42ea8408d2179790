#include "core/officers/OfficerFile.h"
#include "core/officers/SystemErrorText.h"
#include "core/officers/WriteAll.h"
#include "core/language/CoreText.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCryptographicHash>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <algorithm>

namespace {

std::string Tr(const char* text, std::initializer_list<std::string_view> pieces = {}) { return CoreText("OfficerFile", text, pieces); }

QString ToQtPath(const std::filesystem::path& path) {
  return QString::fromStdU16String(path.generic_u16string());
}

std::string Quoted(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return "“" + std::string(utf8.begin(), utf8.end()) + "”";
}

[[noreturn]] void Fail(const std::string& message) { throw OfficerFileError(message); }

// Bytes past the game's 28,604 are copied through a buffer of this size, so
// that a file of any length costs the same memory.
constexpr qint64 kCopyChunk = 64 * 1024;

void OpenForReading(QFile& file, const std::filesystem::path& path) {
  if (!file.open(QIODevice::ReadOnly)) {
    Fail(Tr(QT_TRANSLATE_NOOP("OfficerFile", "无法打开文件 %1：%2"), {Quoted(path), SystemErrorText(file.errorString())}));
  }
}

[[noreturn]] void FailReading(const QFile& file, const std::filesystem::path& path) {
  Fail(Tr(QT_TRANSLATE_NOOP("OfficerFile", "无法读取文件 %1：%2"), {Quoted(path), SystemErrorText(file.errorString())}));
}

// Up to `count` bytes from the file's current position; fewer only at its end.
std::vector<unsigned char> ReadUpTo(QFile& file, const std::filesystem::path& path, std::size_t count) {
  std::vector<unsigned char> bytes(count);
  qint64 got = 0;
  while (got < static_cast<qint64>(count)) {
    const qint64 n = file.read(reinterpret_cast<char*>(bytes.data()) + got, static_cast<qint64>(count) - got);
    if (n < 0) FailReading(file, path);
    if (n == 0) break;
    got += n;
  }
  bytes.resize(static_cast<std::size_t>(got));
  return bytes;
}

// Calls `take` with each chunk from the current position to the end.
template <typename Take>
void ForEachChunk(QFile& file, const std::filesystem::path& path, Take take) {
  std::vector<char> chunk(kCopyChunk);
  for (;;) {
    const qint64 n = file.read(chunk.data(), kCopyChunk);
    if (n < 0) FailReading(file, path);
    if (n == 0) return;
    take(chunk.data(), n);
  }
}

}  // namespace

std::filesystem::path BackupPathFor(const std::filesystem::path& path) {
  std::filesystem::path backup = path;
  backup += ".bak";
  return backup;
}

std::vector<unsigned char> LoadOfficerFileHead(const std::filesystem::path& path) {
  // Only the header and the 110 records are read, however long the file is.
  QFile file(ToQtPath(path));
  OpenForReading(file, path);
  const std::vector<unsigned char> data = ReadUpTo(file, path, kOfficerFileSize);
  if (data.size() < kOfficerFileSize) {
    Fail(Tr(QT_TRANSLATE_NOOP("OfficerFile", "文件 %1 只有 %2 字节，新武将档应为 %3 字节；未载入"),
            {Quoted(path), std::to_string(data.size()), std::to_string(kOfficerFileSize)}));
  }
  return data;
}

OfficerTable LoadOfficerFile(const std::filesystem::path& path) { return TableOfHead(LoadOfficerFileHead(path)); }

std::vector<unsigned char> MergeTableIntoFile(std::vector<unsigned char> current, const OfficerTable& table) {
  // Writing in place over a shorter file would fill the gap with zeros.
  if (current.size() < kOfficerFileSize) current.resize(kOfficerFileSize, 0);
  for (std::size_t s = 0; s < kSlotCount; ++s) {
    EncodeRecordInPlace(table[s], current.data() + kHeaderSize + s * kRecordSize);
  }
  return current;
}

namespace {

// Writes a file that is not there (any more): the head alone, no backup.
std::vector<unsigned char> WriteNew(const std::filesystem::path& path, const std::vector<unsigned char>& head) {
  QSaveFile out(ToQtPath(path));
  const auto size = static_cast<qint64>(head.size());
  if (!OpenForWholeWrites(out) || !WriteAll(out, reinterpret_cast<const char*>(head.data()), size) || !out.commit()) {
    Fail(Tr(QT_TRANSLATE_NOOP("OfficerFile", "无法写入文件 %1：%2；文件未写成"), {Quoted(path), SystemErrorText(out.errorString())}));
  }
  return head;
}

// Copies the whole file to its backup through a file beside the backup that
// takes its place in one rename: a copy that fails half-way (a full disk)
// leaves an earlier backup as it was.
void WriteBackup(const std::filesystem::path& path, const std::filesystem::path& backup) {
  const auto fail = [&](const std::string& reason) {
    Fail(Tr(QT_TRANSLATE_NOOP("OfficerFile", "无法建立备份文件 %1：%2；文件未改变，仍是保存前的内容"), {Quoted(backup), reason}));
  };
  QFile source(ToQtPath(path));
  OpenForReading(source, path);
  QSaveFile copy(ToQtPath(backup));
  if (!OpenForWholeWrites(copy)) fail(SystemErrorText(copy.errorString()));
  ForEachChunk(source, path, [&](const char* bytes, qint64 n) {
    if (!WriteAll(copy, bytes, n)) fail(SystemErrorText(copy.errorString()));
  });
  if (!copy.commit()) fail(SystemErrorText(copy.errorString()));
}

template <typename Merge>
std::vector<unsigned char> SaveMerged(const std::filesystem::path& path, Merge merge, const SaveOptions& options) {
  const auto reached = [&](SaveStep step) {
    if (options.stepObserver) options.stepObserver(step);
  };
  QFile current(ToQtPath(path));
  OpenForReading(current, path);
  const std::vector<unsigned char> head = merge(ReadUpTo(current, path, kOfficerFileSize));

  const std::filesystem::path backup = BackupPathFor(path);
  if (options.backup == BackupMode::Make || !QFile::exists(ToQtPath(backup))) WriteBackup(path, backup);
  reached(SaveStep::BackupWritten);

  // The new file is written beside the old one and takes its place in one
  // rename: the merged head, then whatever followed the records, copied
  // chunk by chunk and hashed for the read-back. Until the rename the file
  // on disk is the old one, whatever fails or stops the program.
  QSaveFile out(ToQtPath(path));
  const auto failWriting = [&] {
    Fail(Tr(QT_TRANSLATE_NOOP("OfficerFile", "无法写入文件 %1：%2；文件未改变，仍是保存前的内容"),
            {Quoted(path), SystemErrorText(out.errorString())}));
  };
  if (!OpenForWholeWrites(out)) failWriting();
  const auto headSize = static_cast<qint64>(head.size());
  if (!WriteAll(out, reinterpret_cast<const char*>(head.data()), headSize)) failWriting();
  QCryptographicHash tailHash(QCryptographicHash::Sha256);
  qint64 tailSize = 0;
  ForEachChunk(current, path, [&](const char* bytes, qint64 n) {
    if (!WriteAll(out, bytes, n)) failWriting();
    tailHash.addData(QByteArrayView(bytes, n));
    tailSize += n;
  });
  current.close();  // Windows cannot replace a file that is still open
  reached(SaveStep::NewFileWritten);
  if (!out.commit()) failWriting();
  reached(SaveStep::Replaced);

  const auto mismatch = [&] {
    throw OfficerFileError(
        Tr(QT_TRANSLATE_NOOP("OfficerFile", "保存后读回文件 %1 时发现内容不符，文件已被新内容替换但可能已损坏，请用备份文件 %2 恢复"),
           {Quoted(path), Quoted(backup)}),
        true);
  };
  QFile written(ToQtPath(path));
  OpenForReading(written, path);
  if (ReadUpTo(written, path, head.size()) != head) mismatch();
  QCryptographicHash readHash(QCryptographicHash::Sha256);
  qint64 readSize = 0;
  ForEachChunk(written, path, [&](const char* bytes, qint64 n) {
    readHash.addData(QByteArrayView(bytes, n));
    readSize += n;
  });
  if (readSize != tailSize || readHash.result() != tailHash.result()) mismatch();
  return head;
}

}  // namespace

std::vector<unsigned char> SaveOfficerFile(const std::filesystem::path& path, const OfficerTable& table,
                                           const SaveOptions& options) {
  if (!options.headWhenMissing.empty() && !QFile::exists(ToQtPath(path))) {
    return WriteNew(path, MergeTableIntoFile(options.headWhenMissing, table));
  }
  return SaveMerged(
      path,
      [&](std::vector<unsigned char> current) {
        if (options.base.size() >= kOfficerFileSize) {
          current.resize(std::max(current.size(), kOfficerFileSize));
          std::copy(options.base.begin(), options.base.begin() + kOfficerFileSize, current.begin());
        }
        return MergeTableIntoFile(std::move(current), table);
      },
      options);
}
