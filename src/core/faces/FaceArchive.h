#pragma once
// The game's two face archives and the numbering of its faces.
//
// Main archive grp/grpfaces.vmr: 37,260 bytes we do not read, then 1,541
// images of 6,144 bytes in running-index order.
// Added archive grp/grpaface.vmr: a count N at offset 12 (N / 5 faces), a
// directory of 120-byte blocks from offset 316 whose first four bytes give
// the absolute offset of the image of face 2000 + k.
// Every number in both files is a little-endian 32-bit signed integer.
//
// Nothing in an archive is trusted: every offset and count is checked
// against the length of the file before anything is read.
#include <QString>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

inline constexpr int kFaceWidth = 64;
inline constexpr int kFaceHeight = 80;
inline constexpr int kFacePixelBytes = kFaceWidth * kFaceHeight;  // 5,120
inline constexpr int kFacePaletteBytes = 256 * 4;                  // 1,024
inline constexpr int kFaceImageBytes = kFacePixelBytes + kFacePaletteBytes;

inline constexpr int kMainFaceCount = 1541;          // images in the main archive
inline constexpr int kLastMainFace = 1593;           // face number of the main archive's last image
inline constexpr int kFirstAddedFace = 2000;         // face number of the first added face
inline constexpr std::int64_t kMainImagesOffset = 37260;
inline constexpr std::int64_t kAddedCountOffset = 12;
inline constexpr std::int64_t kAddedDirectoryOffset = 316;
inline constexpr std::int64_t kAddedDirectoryBlock = 120;
inline constexpr int kAddedCountPerFace = 5;          // the count N lists five entries per face

// The face numbers below 1594 that name no face, ascending.
inline constexpr std::array<int, 53> kSkippedFaces = {
    130, 133, 146, 148, 253, 451, 478, 490, 531, 533, 534, 537, 540, 571, 573, 574, 575, 576,
    577, 578, 580, 581, 584, 585, 586, 587, 589, 591, 592, 593, 599, 604, 610, 615, 623, 624,
    635, 638, 642, 650, 656, 659, 660, 661, 664, 668, 671, 672, 673, 674, 675, 676, 677};

// Face number -> gap-free running index. A skipped number gets the index of
// the next existing face; 1595-1999 fall back onto the main archive's tail.
int FaceIndex(int face);
// Running index -> face number. Negative positions stay as they are, so
// -1 ("nothing picked") survives; positions whose face number would pass
// INT_MAX give INT_MAX.
int FaceAtPosition(int position);

// One face image as stored: 80 rows of 64 palette indices, top row first,
// then 256 palette entries of blue, green, red and an unused byte.
struct FaceImage {
  std::array<std::uint8_t, kFacePixelBytes> pixels{};
  std::array<std::uint8_t, kFacePaletteBytes> palette{};

  std::uint8_t PixelIndex(int x, int y) const { return pixels[static_cast<std::size_t>(y * kFaceWidth + x)]; }
  // Palette entry as an opaque 0xAARRGGBB colour.
  std::uint32_t Colour(int entry) const;
};

// One opened archive: a read-only binary stream.
class FaceArchive {
 public:
  // Null when the file cannot be opened for reading.
  static std::unique_ptr<FaceArchive> Open(const std::filesystem::path& path);

  const std::filesystem::path& Path() const { return path_; }

  // The file's current length in bytes, -1 when it cannot be told.
  std::int64_t Length();
  // The four bytes at `offset` as a little-endian signed number; nullopt
  // when they do not lie wholly inside the file.
  std::optional<std::int32_t> ReadInt32At(std::int64_t offset);
  // Positions the stream at `offset` when `size` bytes from there lie inside the file.
  bool SeekWithin(std::int64_t offset, std::int64_t size);
  // Reads exactly `size` bytes from the current position.
  bool ReadExactly(void* target, std::int64_t size);

  // The number of faces the added archive lists (N / 5), never negative and
  // never more than the directory blocks the file holds.
  int AddedFaceCount();

 private:
  explicit FaceArchive(const std::filesystem::path& path) : path_(path) {}
  std::filesystem::path path_;
  std::ifstream stream_;
};

// Positions `archive` at the image of `face` (main archive below 2000, added
// archive from 2000 on: the caller chooses the archive). False when the face
// cannot be read from this archive: absent archive, past the added archive's
// count, or an image that would not lie wholly inside the file. The added
// archive's count and directory are read again on every call.
bool SeekFace(int face, FaceArchive* archive);

// SeekFace and the image's 6,144 bytes; nullopt when the face cannot be read.
std::optional<FaceImage> ReadFace(int face, FaceArchive* archive);

// Opening the archives under the game's installation directory.
//
// The directory text with the platform's separator appended unless it
// already ends in one; an empty text gets one too (the root folder).
QString WithTrailingSeparator(const QString& directory);
// directory + grp/<fileName>, where the folder "grp" and the file name are
// matched in any letter case when the exact spelling does not exist (a game
// installed under Wine may hold GRP/GRPFACES.VMR).
std::filesystem::path ArchivePath(const QString& directory, const char* fileName);

inline constexpr const char* kMainArchiveName = "grpfaces.vmr";
inline constexpr const char* kAddedArchiveName = "grpaface.vmr";
