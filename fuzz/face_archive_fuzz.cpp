// Any archive bytes and any face number. A face comes back exactly as the
// file holds it where the layout puts it wholly inside the file, otherwise
// no face; nothing is read outside the file, nothing is allocated from a
// size the file claims, and the face-number arithmetic never overflows.
//
// Input: a face number (32-bit little-endian), a mode byte, the archive.
// Mode bit 0 puts the main archive's 37,260 unread bytes in front, so short
// inputs reach its images. Each archive is read with the given face and with
// fixed ones at the edges of both numberings.
#include <climits>
#include <optional>

#include "FuzzSupport.h"
#include "core/faces/FaceArchive.h"

namespace {

using Bytes = std::vector<unsigned char>;

std::optional<std::int64_t> Int32In(const Bytes& file, std::int64_t offset) {
  if (offset < 0 || offset + 4 > static_cast<std::int64_t>(file.size())) return std::nullopt;
  const auto at = static_cast<std::size_t>(offset);
  const std::uint32_t v = file[at] | file[at + 1] << 8 | file[at + 2] << 16 | std::uint32_t{file[at + 3]} << 24;
  return static_cast<std::int32_t>(v);
}

// Where the image of `face` starts in the bytes, by the archives' layout.
std::optional<std::int64_t> ImageOffset(const Bytes& file, int face) {
  if (face < 0) return std::nullopt;
  const std::int64_t index = FaceIndex(face);
  if (face < kFirstAddedFace) return kMainImagesOffset + index * kFaceImageBytes;
  const std::int64_t k = index - kMainFaceCount;
  const std::optional<std::int64_t> count = Int32In(file, kAddedCountOffset);
  if (!count || *count <= 0 || k >= *count / kAddedCountPerFace) return std::nullopt;
  return Int32In(file, kAddedDirectoryOffset + kAddedDirectoryBlock * k);
}

std::optional<Bytes> ReferenceFace(const Bytes& file, int face) {
  const std::optional<std::int64_t> offset = ImageOffset(file, face);
  if (!offset || *offset < 0 || *offset + kFaceImageBytes > static_cast<std::int64_t>(file.size()))
    return std::nullopt;
  const auto begin = file.begin() + static_cast<std::ptrdiff_t>(*offset);
  return Bytes(begin, begin + kFaceImageBytes);
}

void CheckNumbering(int number) {
  // A position maps to a face that maps back to it; any number is a valid face to index.
  const int face = FaceAtPosition(number);
  if (number >= 0 && face != INT_MAX) Require(FaceIndex(face) == number, "face and position numbering agree");
  Require(FaceIndex(number) <= number, "a face's position never lies above its number");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  InputBytes input(data, size);
  const int givenFace = input.Int32();
  const std::uint8_t mode = input.Byte();
  Bytes file = (mode & 1) ? Bytes(static_cast<std::size_t>(kMainImagesOffset), 0xEE) : Bytes();
  const Bytes rest = input.Rest();
  file.insert(file.end(), rest.begin(), rest.end());

  CheckNumbering(givenFace);
  const std::filesystem::path path = Scratch() / "grpfaces.vmr";
  WriteBytes(path, file);
  const std::unique_ptr<FaceArchive> archive = FaceArchive::Open(path);
  Require(archive != nullptr, "a readable file opens");
  Require(archive->Length() == static_cast<std::int64_t>(file.size()), "the archive's length is the file's");

  const std::int64_t blocks = file.size() > kAddedDirectoryOffset
                                  ? (static_cast<std::int64_t>(file.size()) - kAddedDirectoryOffset) / kAddedDirectoryBlock
                                  : 0;
  const int added = archive->AddedFaceCount();
  Require(added >= 0 && added <= blocks, "the added count stays within the directory the file holds");

  for (int face : {givenFace, INT_MIN, -1, 0, 130, 1593, 1594, 1999, 2000, 2001 + (mode >> 1), INT_MAX - 1, INT_MAX}) {
    const std::optional<FaceImage> image = ReadFace(face, archive.get());
    const std::optional<Bytes> expected = ReferenceFace(file, face);
    Require(image.has_value() == expected.has_value(), "a face is read exactly when it lies inside the file");
    if (!image) continue;
    Require(std::equal(image->pixels.begin(), image->pixels.end(), expected->begin()), "the pixels are the file's");
    Require(std::equal(image->palette.begin(), image->palette.end(), expected->begin() + kFacePixelBytes),
            "the palette is the file's");
  }
  Require(!ReadFace(givenFace, nullptr), "no archive gives no face");
  return 0;
}
