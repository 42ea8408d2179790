#include "core/faces/FaceArchive.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <climits>
#include <system_error>

#include "core/faces/FolderEntry.h"

namespace {

// The face numbers between the main archive's last face and the first added face.
constexpr int kAddedGap = kFirstAddedFace - (kLastMainFace + 1);  // 406

std::filesystem::path ToPath(const QString& text) {
#ifdef _WIN32
  return std::filesystem::path(text.toStdWString());
#else
  return std::filesystem::path(QFile::encodeName(text).toStdString());
#endif
}

// The faces the added archive's count N lists, N / 5; none for a missing or
// negative count.
std::int64_t ListedAddedFaces(FaceArchive& archive) {
  const std::optional<std::int32_t> count = archive.ReadInt32At(kAddedCountOffset);
  return count && *count > 0 ? *count / kAddedCountPerFace : 0;
}

}  // namespace

int FaceIndex(int face) {
  int skipped = 0;
  for (int s : kSkippedFaces) {
    if (s < face) ++skipped;
  }
  if (face > kLastMainFace + 1) skipped += kAddedGap;
  return face - skipped;
}

int FaceAtPosition(int position) {
  std::int64_t face = position;
  for (int s : kSkippedFaces) {
    if (face >= s) ++face;
  }
  if (face >= kLastMainFace + 1) face += kAddedGap;
  // The last few hundred positions would number faces past INT_MAX.
  return static_cast<int>(std::min<std::int64_t>(face, INT_MAX));
}

std::uint32_t FaceImage::Colour(int entry) const {
  const auto* bgra = &palette[static_cast<std::size_t>(entry) * 4];
  return 0xFF000000u | (std::uint32_t{bgra[2]} << 16) | (std::uint32_t{bgra[1]} << 8) | std::uint32_t{bgra[0]};
}

std::unique_ptr<FaceArchive> FaceArchive::Open(const std::filesystem::path& path) {
  std::unique_ptr<FaceArchive> archive(new FaceArchive(path));
  archive->stream_.open(path, std::ios::in | std::ios::binary);
  if (!archive->stream_.is_open()) return nullptr;
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return nullptr;
  return archive;
}

std::int64_t FaceArchive::Length() {
  stream_.clear();
  stream_.seekg(0, std::ios::end);
  const std::streamoff end = stream_.tellg();
  stream_.clear();
  return end < 0 ? -1 : static_cast<std::int64_t>(end);
}

bool FaceArchive::SeekWithin(std::int64_t offset, std::int64_t size) {
  if (offset < 0 || size < 0) return false;
  const std::int64_t length = Length();
  if (length < 0 || offset > length || size > length - offset) return false;
  stream_.seekg(static_cast<std::streamoff>(offset), std::ios::beg);
  return !stream_.fail();
}

bool FaceArchive::ReadExactly(void* target, std::int64_t size) {
  stream_.read(static_cast<char*>(target), static_cast<std::streamsize>(size));
  const bool complete = !stream_.fail() && stream_.gcount() == size;
  stream_.clear();
  return complete;
}

std::optional<std::int32_t> FaceArchive::ReadInt32At(std::int64_t offset) {
  unsigned char bytes[4];
  if (!SeekWithin(offset, 4) || !ReadExactly(bytes, 4)) return std::nullopt;
  return qFromLittleEndian<qint32>(bytes);
}

int FaceArchive::AddedFaceCount() {
  const std::int64_t listed = ListedAddedFaces(*this);
  const std::int64_t length = Length();
  const std::int64_t blocks =
      length > kAddedDirectoryOffset ? (length - kAddedDirectoryOffset) / kAddedDirectoryBlock : 0;
  return static_cast<int>(std::min(listed, blocks));
}

bool SeekFace(int face, FaceArchive* archive) {
  if (archive == nullptr || face < 0) return false;
  const int index = FaceIndex(face);
  if (face < kFirstAddedFace) {
    return archive->SeekWithin(kMainImagesOffset + std::int64_t{kFaceImageBytes} * index, kFaceImageBytes);
  }
  const std::int64_t k = std::int64_t{index} - kMainFaceCount;  // = face - 2000
  if (k >= ListedAddedFaces(*archive)) return false;
  const std::optional<std::int32_t> imageOffset =
      archive->ReadInt32At(kAddedDirectoryOffset + kAddedDirectoryBlock * k);
  if (!imageOffset) return false;
  return archive->SeekWithin(*imageOffset, kFaceImageBytes);
}

std::optional<FaceImage> ReadFace(int face, FaceArchive* archive) {
  if (!SeekFace(face, archive)) return std::nullopt;
  FaceImage image;
  if (!archive->ReadExactly(image.pixels.data(), kFacePixelBytes)) return std::nullopt;
  if (!archive->ReadExactly(image.palette.data(), kFacePaletteBytes)) return std::nullopt;
  return image;
}

QString WithTrailingSeparator(const QString& directory) {
  const QChar separator = QDir::separator();
  if (directory.isEmpty() || directory.back() != separator) return directory + separator;
  return directory;
}

std::filesystem::path ArchivePath(const QString& directory, const char* fileName) {
  const QString grp = EntryIgnoringCase(WithTrailingSeparator(directory), QStringLiteral("grp"));
  return ToPath(EntryIgnoringCase(grp, QString::fromLatin1(fileName)));
}
