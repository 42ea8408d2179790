#include "core/faces/GameFaces.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>
#include <map>

#ifdef _WIN32
#include <windows.h>
#endif

#include "core/faces/FaceSelection.h"
#include "core/language/CoreText.h"
#include "core/officers/SystemErrorText.h"
#include "core/officers/WriteAll.h"

namespace {

std::string Tr(const char* text, std::initializer_list<std::string_view> pieces = {}) { return CoreText("GameFaces", text, pieces); }

QString QtPath(const std::filesystem::path& path) { return QString::fromStdU16String(path.generic_u16string()); }

[[noreturn]] void Fail(const std::string& message) { throw FaceArchiveError(message); }

const char* const kArchiveUnchanged = QT_TRANSLATE_NOOP("GameFaces", "；头像档未改变");

#ifdef _WIN32
// Windows refuses to replace a file another program holds open, which is
// what the running game does with its archives.
const char* const kReplaceHint = QT_TRANSLATE_NOOP("GameFaces", "（游戏正在运行时头像档被占用，请先关闭游戏）");
#else
const char* const kReplaceHint = "";
#endif

// The archive is as it was; on Windows, with the hint why it may be held.
std::string Unchanged(bool hint) { return (hint && *kReplaceHint ? Tr(kReplaceHint) : std::string()) + Tr(kArchiveUnchanged); }

#ifdef _WIN32
// True when another program has the file open: an open that shares nothing
// fails then. The game keeps its archives open while it runs.
bool HeldOpenElsewhere(const std::filesystem::path& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_SHARING_VIOLATION;
  CloseHandle(file);
  return false;
}
#else
bool HeldOpenElsewhere(const std::filesystem::path&) { return false; }
#endif

QByteArray ReadWhole(const std::filesystem::path& path) {
  QFile file(QtPath(path));
  if (!file.exists()) Fail(Tr(QT_TRANSLATE_NOOP("GameFaces", "找不到头像档 %1"), {QuotedPath(path)}));
  if (!file.open(QIODevice::ReadOnly)) {
    Fail(Tr(QT_TRANSLATE_NOOP("GameFaces", "无法打开头像档 %1：%2"), {QuotedPath(path), SystemErrorText(file.errorString())}));
  }
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    Fail(Tr(QT_TRANSLATE_NOOP("GameFaces", "无法读取头像档 %1：%2"), {QuotedPath(path), SystemErrorText(file.errorString())}));
  }
  return bytes;
}

std::int32_t Int32At(const QByteArray& bytes, std::int64_t offset) {
  return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

// Where the face's image lies in the archive's bytes; refused by name when
// the archive does not hold it whole.
std::int64_t ImageOffset(const QByteArray& bytes, int face, const std::filesystem::path& path) {
  const auto length = static_cast<std::int64_t>(bytes.size());
  std::int64_t offset = 0;
  if (face < kFirstAddedFace) {
    offset = kMainImagesOffset + std::int64_t{kFaceImageBytes} * FaceIndex(face);
  } else {
    const std::int64_t k = face - kFirstAddedFace;
    const std::int64_t listed = length >= kAddedCountOffset + 4 ? Int32At(bytes, kAddedCountOffset) / kAddedCountPerFace : 0;
    const std::int64_t block = kAddedDirectoryOffset + kAddedDirectoryBlock * k;
    if (k >= listed || block + 4 > length) {
      Fail(Tr(QT_TRANSLATE_NOOP("GameFaces", "头像档 %1 不含头像 %2（目录只列出 %3 个头像）"),
              {QuotedPath(path), std::to_string(face), std::to_string(std::max<std::int64_t>(listed, 0))}));
    }
    offset = Int32At(bytes, block);
  }
  if (offset < 0 || offset > length - kFaceImageBytes) {
    Fail(Tr(QT_TRANSLATE_NOOP("GameFaces", "头像档 %1 只有 %2 字节，放不下头像 %3"),
            {QuotedPath(path), std::to_string(length), std::to_string(face)}));
  }
  return offset;
}

void Put(QByteArray& bytes, std::int64_t offset, const FaceImage& image, bool keepFourthBytes) {
  char* target = bytes.data() + offset;
  std::copy(image.pixels.begin(), image.pixels.end(), target);
  target += kFacePixelBytes;
  for (int i = 0; i < kFacePaletteBytes; ++i) {
    if (keepFourthBytes && i % 4 == 3) continue;
    target[i] = static_cast<char>(image.palette[static_cast<std::size_t>(i)]);
  }
}

void WriteFile(const std::filesystem::path& path, const QByteArray& bytes, const std::string& failure) {
  QSaveFile out(QtPath(path));
  const auto fail = [&] {
    Fail(Tr(QT_TRANSLATE_NOOP("GameFaces", "%1：%2"), {failure, SystemErrorText(out.errorString())}) + Unchanged(true));
  };
  if (!OpenForWholeWrites(out) || !WriteAll(out, bytes.constData(), bytes.size())) fail();
  if (!out.commit()) fail();
}

// A number below 2000 that names no face; numbers from 2000 on are judged by
// the added archive's directory.
void RefuseSkippedNumber(int face) {
  if (face < 0 || (face < kFirstAddedFace && !FaceExists(face, 0))) {
    Fail(Tr(QT_TRANSLATE_NOOP("GameFaces", "头像 %1 不存在：游戏没有这个编号的头像"), {std::to_string(face)}));
  }
}

void Notify(const ReplaceStepObserver& observer, ReplaceStep step) {
  if (observer) observer(step);
}

// One archive as read and as it will be written.
struct PatchedArchive {
  std::filesystem::path path;
  QByteArray original;
  QByteArray patched;
  int changedFaces = 0;
};

// Reads the archive and puts the faces into a copy of its bytes; throws,
// before anything is written, for a face the archive does not hold.
PatchedArchive Patch(const std::filesystem::path& path, const std::vector<FaceReplacement>& faces, bool keepFourthBytes) {
  PatchedArchive archive{path, ReadWhole(path), {}, 0};
  archive.patched = archive.original;
  for (const FaceReplacement& replacement : faces) {
    const std::int64_t offset = ImageOffset(archive.original, replacement.face, path);
    Put(archive.patched, offset, replacement.image, keepFourthBytes);
    if (QByteArrayView(archive.patched).sliced(offset, kFaceImageBytes) !=
        QByteArrayView(archive.original).sliced(offset, kFaceImageBytes)) {
      ++archive.changedFaces;
    }
  }
  return archive;
}

// Backs the archive up once, writes it beside itself, renames and reads back.
void Write(const PatchedArchive& archive, const ReplaceStepObserver& observer) {
  const std::filesystem::path& path = archive.path;
  if (!QFileInfo(QtPath(path)).isWritable()) {
    Fail(Tr(QT_TRANSLATE_NOOP("GameFaces", "头像档 %1 是只读文件，不能替换其中的头像"), {QuotedPath(path)}) + Unchanged(false));
  }
  if (HeldOpenElsewhere(path)) {
    Fail(Tr(QT_TRANSLATE_NOOP("GameFaces", "头像档 %1 正被其他程序打开（多半是游戏），请先关闭游戏"), {QuotedPath(path)}) +
         Unchanged(false));
  }
  const std::filesystem::path backup = GameFaces::BackupPathFor(path);
  if (!QFile::exists(QtPath(backup)))
    WriteFile(backup, archive.original, Tr(QT_TRANSLATE_NOOP("GameFaces", "无法建立头像档的备份 %1"), {QuotedPath(backup)}));
  Notify(observer, ReplaceStep::BackupWritten);

  QSaveFile out(QtPath(path));
  const auto fail = [&] {
    Fail(Tr(QT_TRANSLATE_NOOP("GameFaces", "无法写入头像档 %1：%2"), {QuotedPath(path), SystemErrorText(out.errorString())}) +
         Unchanged(true));
  };
  if (!OpenForWholeWrites(out) || !WriteAll(out, archive.patched.constData(), archive.patched.size())) fail();
  Notify(observer, ReplaceStep::NewArchiveWritten);
  if (!out.commit()) fail();
  Notify(observer, ReplaceStep::Replaced);
  if (ReadWhole(path) != archive.patched) {
    Fail(
        Tr(QT_TRANSLATE_NOOP("GameFaces", "替换后读回头像档 %1 时发现内容不符，请用备份 %2 恢复"), {QuotedPath(path), QuotedPath(backup)}));
  }
}

int ReplaceEach(const GameFaces& game, const std::vector<FaceReplacement>& faces, bool keepFourthBytes,
                 const ReplaceStepObserver& observer) {
  std::map<std::filesystem::path, std::vector<FaceReplacement>> byArchive;
  for (const FaceReplacement& replacement : faces) {
    RefuseSkippedNumber(replacement.face);
    byArchive[game.PathFor(replacement.face)].push_back(replacement);
  }
  // Every face is put in place in memory before any archive is written.
  std::vector<PatchedArchive> archives;
  for (const auto& [path, group] : byArchive) archives.push_back(Patch(path, group, keepFourthBytes));
  int changed = 0;
  for (const PatchedArchive& archive : archives) {
    if (archive.changedFaces == 0) continue;
    Write(archive, observer);
    changed += archive.changedFaces;
  }
  return changed;
}

}  // namespace

std::string QuotedPath(const std::filesystem::path& path) {
  // The folder text may end in the system's separator and the rest be joined with '/'.
  const std::u8string utf8 = std::filesystem::path(path).make_preferred().u8string();
  return "“" + std::string(utf8.begin(), utf8.end()) + "”";
}

GameFaces::GameFaces(const QString& directory)
    : mainPath_(ArchivePath(directory, kMainArchiveName)), addedPath_(ArchivePath(directory, kAddedArchiveName)) {}

std::filesystem::path GameFaces::BackupPathFor(const std::filesystem::path& archive) {
  std::filesystem::path backup = archive;
  backup += ".bak";
  return backup;
}

int GameFaces::AddedFaceCount() const {
  if (!QFile::exists(QtPath(mainPath_))) Fail(Tr(QT_TRANSLATE_NOOP("GameFaces", "找不到头像档 %1"), {QuotedPath(mainPath_)}));
  const std::unique_ptr<FaceArchive> added = FaceArchive::Open(addedPath_);
  return added ? added->AddedFaceCount() : 0;
}

std::vector<int> GameFaces::Faces() const { return AllFaces(AddedFaceCount()); }

FaceImage GameFaces::Read(int face) const {
  const std::filesystem::path& path = PathFor(face);
  RefuseSkippedNumber(face);
  const std::unique_ptr<FaceArchive> archive = FaceArchive::Open(path);
  if (!archive) Fail(Tr(QT_TRANSLATE_NOOP("GameFaces", "找不到头像档 %1"), {QuotedPath(path)}));
  const std::optional<FaceImage> image = ReadFace(face, archive.get());
  if (!image) {
    Fail(Tr(QT_TRANSLATE_NOOP("GameFaces", "头像档 %1 不含头像 %2（文件只有 %3 字节，追加头像档列出 %4 个）"),
            {QuotedPath(path), std::to_string(face), std::to_string(archive->Length()),
             std::to_string(face >= kFirstAddedFace ? archive->AddedFaceCount() : 0)}));
  }
  return *image;
}

std::optional<FaceImage> GameFaces::ReadBackup(int face) const {
  if (face < 0 || (face < kFirstAddedFace && !FaceExists(face, 0))) return std::nullopt;
  const std::unique_ptr<FaceArchive> backup = FaceArchive::Open(BackupPathFor(PathFor(face)));
  return backup ? ReadFace(face, backup.get()) : std::nullopt;
}

int GameFaces::Replace(const std::vector<FaceReplacement>& faces, const ReplaceStepObserver& observer) const {
  return ReplaceEach(*this, faces, true, observer);
}

int GameFaces::Restore(const std::vector<int>& faces, const ReplaceStepObserver& observer) const {
  std::vector<FaceReplacement> originals;
  for (int face : faces) {
    const std::optional<FaceImage> image = ReadBackup(face);
    if (!image) {
      Fail(Tr(QT_TRANSLATE_NOOP("GameFaces", "没有头像 %1 的备份：%2 不存在或不含这个头像"),
              {std::to_string(face), QuotedPath(BackupPathFor(PathFor(face)))}));
    }
    originals.push_back({face, *image});
  }
  return ReplaceEach(*this, originals, false, observer);
}
