#pragma once
// Builds face archives of known content for tests. Every picture of face f
// is one flat colour, FaceMark(f), so a test can tell from any pixel which
// face a control shows.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/faces/FaceArchive.h"
#include "support/TempDir.h"

using FaceBytes = std::vector<unsigned char>;

// 0xAARRGGBB: red = low byte of the face, green = high byte, blue 0x5A.
inline std::uint32_t FaceMark(int face) {
  return 0xFF000000u | (static_cast<std::uint32_t>(face & 0xFF) << 16) | (static_cast<std::uint32_t>((face >> 8) & 0xFF) << 8) |
         0x5Au;
}

// A 6,144-byte image: every pixel names palette entry 0, which holds FaceMark(face).
inline FaceBytes FaceImageBytes(int face) {
  FaceBytes image(kFaceImageBytes, 0);
  const std::uint32_t mark = FaceMark(face);
  image[kFacePixelBytes + 0] = static_cast<unsigned char>(mark & 0xFF);
  image[kFacePixelBytes + 1] = static_cast<unsigned char>((mark >> 8) & 0xFF);
  image[kFacePixelBytes + 2] = static_cast<unsigned char>((mark >> 16) & 0xFF);
  image[kFacePixelBytes + 3] = 0x77;  // the fourth byte is not part of the colour
  return image;
}

inline void PutArchiveInt32(FaceBytes& bytes, std::size_t offset, std::int32_t value) {
  if (bytes.size() < offset + 4) bytes.resize(offset + 4, 0);
  const auto bits = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes[offset + static_cast<std::size_t>(i)] = static_cast<unsigned char>(bits >> (8 * i));
}

inline void PutArchiveBytes(FaceBytes& bytes, std::size_t offset, const FaceBytes& part) {
  if (bytes.size() < offset + part.size()) bytes.resize(offset + part.size(), 0);
  std::copy(part.begin(), part.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

// The main archive: a header we never read, then `images` pictures, image i
// showing face FaceAtPosition(i).
inline FaceBytes MainArchiveBytes(int images = kMainFaceCount) {
  FaceBytes bytes(static_cast<std::size_t>(kMainImagesOffset), 0xEE);
  bytes.reserve(bytes.size() + static_cast<std::size_t>(images) * kFaceImageBytes);
  for (int i = 0; i < images; ++i) {
    const FaceBytes image = FaceImageBytes(FaceAtPosition(i));
    bytes.insert(bytes.end(), image.begin(), image.end());
  }
  return bytes;
}

// The added archive with `faces` pictures (2000, 2001, ...) and the count
// `faces` * 5 unless another is given. The pictures are stored in reverse
// order after the directory, so only the directory finds them.
inline FaceBytes AddedArchiveBytes(int faces, std::optional<std::int32_t> count = std::nullopt) {
  FaceBytes bytes(static_cast<std::size_t>(kAddedDirectoryOffset + kAddedDirectoryBlock * faces), 0xAB);
  PutArchiveInt32(bytes, static_cast<std::size_t>(kAddedCountOffset), count.value_or(faces * kAddedCountPerFace));
  for (int k = faces - 1; k >= 0; --k) {
    const std::size_t at = bytes.size();
    PutArchiveInt32(bytes, static_cast<std::size_t>(kAddedDirectoryOffset + kAddedDirectoryBlock * k), static_cast<std::int32_t>(at));
    PutArchiveBytes(bytes, at, FaceImageBytes(kFirstAddedFace + k));
  }
  return bytes;
}

// Writes <dir>/grp/grpfaces.vmr (unless mainImages < 0) and grpaface.vmr
// (unless addedFaces < 0).
inline void WriteGameFaces(const std::filesystem::path& dir, int mainImages, int addedFaces) {
  std::filesystem::create_directories(dir / "grp");
  if (mainImages >= 0) WriteBytes(dir / "grp" / "grpfaces.vmr", MainArchiveBytes(mainImages));
  if (addedFaces >= 0) WriteBytes(dir / "grp" / "grpaface.vmr", AddedArchiveBytes(addedFaces));
}
