// Face numbering, finding a face in either archive, and archives that lie.
#include <gtest/gtest.h>

#include <QDir>
#include <climits>
#include <set>

#include "core/faces/FaceArchive.h"
#include "support/FaceArchiveBytes.h"
#include "support/TempDir.h"

namespace {

std::unique_ptr<FaceArchive> OpenBytes(const TempDir& dir, const std::string& name, const FaceBytes& bytes) {
  WriteBytes(dir / name, bytes);
  return FaceArchive::Open(dir / name);
}

// The colour of the picture's first pixel, which FaceArchiveBytes makes the face's mark.
std::optional<std::uint32_t> MarkOf(int face, FaceArchive* archive) {
  const std::optional<FaceImage> image = ReadFace(face, archive);
  if (!image) return std::nullopt;
  return image->Colour(image->PixelIndex(0, 0));
}

}  // namespace

TEST(FaceNumbering, EdgesOfTheSkippedNumbersAndTheGap) {
  EXPECT_EQ(FaceIndex(0), 0);
  EXPECT_EQ(FaceIndex(129), 129);
  EXPECT_EQ(FaceIndex(130), 130);  // skipped: the index of face 131
  EXPECT_EQ(FaceIndex(131), 130);
  EXPECT_EQ(FaceIndex(767), 714);
  EXPECT_EQ(FaceIndex(1586), 1533);
  EXPECT_EQ(FaceIndex(1593), 1540);
  EXPECT_EQ(FaceIndex(1594), 1541);
  EXPECT_EQ(FaceIndex(1595), 1136);
  EXPECT_EQ(FaceIndex(1999), 1540);
  EXPECT_EQ(FaceIndex(2000), 1541);
  EXPECT_EQ(FaceIndex(2012), 1553);

  EXPECT_EQ(FaceAtPosition(-1), -1);
  EXPECT_EQ(FaceAtPosition(0), 0);
  EXPECT_EQ(FaceAtPosition(130), 131);
  EXPECT_EQ(FaceAtPosition(1540), 1593);
  EXPECT_EQ(FaceAtPosition(1541), 2000);
  EXPECT_EQ(FaceAtPosition(1553), 2012);
}

TEST(FaceNumbering, EveryPositionRoundTripsAndNamesAnExistingFace) {
  const std::set<int> skipped(kSkippedFaces.begin(), kSkippedFaces.end());
  int previous = -1;
  for (int position = 0; position < 3000; ++position) {
    const int face = FaceAtPosition(position);
    ASSERT_EQ(FaceIndex(face), position) << "position " << position;
    ASSERT_GT(face, previous);
    ASSERT_EQ(skipped.count(face), 0u) << face;
    ASSERT_FALSE(face >= 1594 && face < 2000) << face;
    previous = face;
  }
  // 1,541 faces below 2000.
  EXPECT_EQ(FaceAtPosition(kMainFaceCount - 1), 1593);
}

TEST(FaceNumbering, TheLargestNumbersNeitherOverflowNorWrap) {
  EXPECT_EQ(FaceIndex(INT_MIN), INT_MIN);
  EXPECT_EQ(FaceIndex(INT_MAX), INT_MAX - 459);
  EXPECT_EQ(FaceAtPosition(INT_MAX - 459), INT_MAX);
  // Past that the face number would not fit; these positions once wrapped to negative faces.
  EXPECT_EQ(FaceAtPosition(INT_MAX - 458), INT_MAX);
  EXPECT_EQ(FaceAtPosition(INT_MAX), INT_MAX);
}

class FaceArchiveFiles : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir;
    WriteBytes(*dir_ / "grpfaces.vmr", MainArchiveBytes());
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }
  static TempDir* dir_;
};
TempDir* FaceArchiveFiles::dir_ = nullptr;

TEST_F(FaceArchiveFiles, MainArchiveImagesLieAtTheirRunningIndex) {
  auto archive = FaceArchive::Open(*dir_ / "grpfaces.vmr");
  ASSERT_NE(archive, nullptr);
  EXPECT_EQ(archive->Length(), 37260 + 1541 * 6144);
  EXPECT_EQ(MarkOf(0, archive.get()), FaceMark(0));        // offset 37,260
  EXPECT_EQ(MarkOf(1593, archive.get()), FaceMark(1593));  // offset 9,499,020
  EXPECT_EQ(MarkOf(130, archive.get()), FaceMark(131));    // a skipped number shows the next face
  EXPECT_EQ(MarkOf(1999, archive.get()), FaceMark(1593));  // the gap falls back onto the tail
  EXPECT_EQ(MarkOf(1700, archive.get()), FaceMark(FaceAtPosition(1241)));
  // 1594 names image 1541, one past the last: the file does not hold it.
  EXPECT_FALSE(SeekFace(1594, archive.get()));
  EXPECT_FALSE(SeekFace(-1, archive.get()));
  // The order of reads does not matter: every read positions the stream itself.
  EXPECT_EQ(MarkOf(0, archive.get()), FaceMark(0));
}

TEST_F(FaceArchiveFiles, ExactOffsetsOfTheFirstAndLastImage) {
  // Bytes placed only at the two offsets the game's layout names.
  FaceBytes bytes(37260 + 1541 * 6144, 0);
  bytes[37260 + 5120] = 0x11;             // palette entry 0 of image 0: blue 0x11
  bytes[9499020 + 5120] = 0x22;           // ... of image 1540
  bytes[9499020 + 6143] = 0x99;           // last byte of the file: the read must reach it
  TempDir dir;
  auto archive = OpenBytes(dir, "main.vmr", bytes);
  ASSERT_NE(archive, nullptr);
  EXPECT_EQ(MarkOf(0, archive.get()), 0xFF000011u);
  const auto last = ReadFace(1593, archive.get());
  ASSERT_TRUE(last);
  EXPECT_EQ(last->Colour(0), 0xFF000022u);
  EXPECT_EQ(last->palette[1023], 0x99);
}

TEST(AddedFaceArchive, DirectoryBlocksAt316And436) {
  TempDir dir;
  FaceBytes bytes(600, 0);
  PutArchiveInt32(bytes, 12, 10);                           // two faces
  PutArchiveInt32(bytes, 316, 600 + 6144);                  // face 2000: the second image
  PutArchiveInt32(bytes, 436, 600);                         // face 2001: the first image
  PutArchiveBytes(bytes, 600, FaceImageBytes(2001));
  PutArchiveBytes(bytes, 600 + 6144, FaceImageBytes(2000));
  auto archive = OpenBytes(dir, "added.vmr", bytes);
  ASSERT_NE(archive, nullptr);
  EXPECT_EQ(archive->AddedFaceCount(), 2);
  EXPECT_EQ(MarkOf(2001, archive.get()), FaceMark(2001));
  EXPECT_EQ(MarkOf(2000, archive.get()), FaceMark(2000));
  EXPECT_FALSE(SeekFace(2002, archive.get()));
}

TEST(AddedFaceArchive, CountIsReadAgainOnEveryCall) {
  TempDir dir;
  WriteBytes(dir / "added.vmr", AddedArchiveBytes(3));
  auto archive = FaceArchive::Open(dir / "added.vmr");
  ASSERT_NE(archive, nullptr);
  EXPECT_TRUE(SeekFace(2002, archive.get()));
  // The game (or another tool) rewrites the count while the archive is open.
  {
    FaceBytes bytes = ReadBytes(dir / "added.vmr");
    PutArchiveInt32(bytes, 12, 9);
    std::ofstream out(dir / "added.vmr", std::ios::binary | std::ios::in | std::ios::out);
    out.write(reinterpret_cast<const char*>(bytes.data()), 16);
  }
  EXPECT_TRUE(SeekFace(2000, archive.get()));   // a count of 9 holds one face
  EXPECT_FALSE(SeekFace(2001, archive.get()));
  EXPECT_EQ(archive->AddedFaceCount(), 1);
}

TEST(AddedFaceArchive, CountZeroAndNegativeHoldNoFaces) {
  TempDir dir;
  for (std::int32_t count : {0, 4, -5, -2147483647 - 1}) {
    auto archive = OpenBytes(dir, "added.vmr", AddedArchiveBytes(3, count));
    ASSERT_NE(archive, nullptr);
    EXPECT_FALSE(SeekFace(2000, archive.get())) << count;
    EXPECT_EQ(archive->AddedFaceCount(), 0) << count;
  }
}

TEST(DamagedFaceArchives, NothingIsReadPastTheEndOfTheFile) {
  TempDir dir;

  // A count promising far more faces than the directory holds.
  FaceBytes promising = AddedArchiveBytes(2, 2147483647);
  auto archive = OpenBytes(dir, "promising.vmr", promising);
  EXPECT_EQ(archive->AddedFaceCount(), 2 + static_cast<int>(2 * 6144 / 120));  // blocks the file could hold
  EXPECT_EQ(MarkOf(2001, archive.get()), FaceMark(2001));
  EXPECT_FALSE(SeekFace(2000 + 400000, archive.get()));
  EXPECT_FALSE(SeekFace(65535, archive.get()));

  // Directory offsets: negative, huge, past the end, reaching past the end.
  FaceBytes bad(916, 0);
  PutArchiveInt32(bad, 12, 25);
  PutArchiveInt32(bad, 316, 916);
  PutArchiveBytes(bad, 916, FaceImageBytes(2000));
  const std::int32_t size = static_cast<std::int32_t>(bad.size());
  PutArchiveInt32(bad, 316 + 120 * 1, -6144);
  PutArchiveInt32(bad, 316 + 120 * 2, 2147483647);
  PutArchiveInt32(bad, 316 + 120 * 3, size + 100000);
  PutArchiveInt32(bad, 316 + 120 * 4, size - 6000);
  archive = OpenBytes(dir, "bad.vmr", bad);
  EXPECT_EQ(MarkOf(2000, archive.get()), FaceMark(2000));
  for (int face = 2001; face <= 2004; ++face) EXPECT_FALSE(ReadFace(face, archive.get())) << face;

  // Files cut short: no count, a count but no directory block, half an image.
  archive = OpenBytes(dir, "tiny.vmr", FaceBytes(14, 0xFF));
  EXPECT_FALSE(SeekFace(2000, archive.get()));
  EXPECT_EQ(archive->AddedFaceCount(), 0);
  FaceBytes headerOnly(318, 0);
  PutArchiveInt32(headerOnly, 12, 5);
  archive = OpenBytes(dir, "header.vmr", headerOnly);
  EXPECT_FALSE(SeekFace(2000, archive.get()));
  FaceBytes halfImage = AddedArchiveBytes(1);
  halfImage.resize(halfImage.size() - 3000);
  archive = OpenBytes(dir, "half.vmr", halfImage);
  EXPECT_FALSE(ReadFace(2000, archive.get()));

  FaceBytes shortMain = MainArchiveBytes(3);
  shortMain.pop_back();
  archive = OpenBytes(dir, "shortmain.vmr", shortMain);
  EXPECT_EQ(MarkOf(1, archive.get()), FaceMark(1));
  EXPECT_FALSE(ReadFace(2, archive.get()));
  EXPECT_FALSE(ReadFace(3, archive.get()));
  archive = OpenBytes(dir, "empty.vmr", FaceBytes());
  EXPECT_FALSE(ReadFace(0, archive.get()));
  EXPECT_FALSE(ReadFace(2000, archive.get()));

  EXPECT_FALSE(SeekFace(0, nullptr));
  EXPECT_FALSE(SeekFace(2000, nullptr));
}

TEST(FaceArchiveLocation, SeparatorAppendedOnlyWhenMissing) {
  const QString sep = QDir::separator();
  EXPECT_EQ(WithTrailingSeparator(QString()), sep);
  EXPECT_EQ(WithTrailingSeparator(QStringLiteral("game")), QStringLiteral("game") + sep);
  EXPECT_EQ(WithTrailingSeparator(QStringLiteral("game") + sep), QStringLiteral("game") + sep);
}

TEST(FaceArchiveLocation, FolderAndFileFoundInAnyLetterCase) {
  TempDir game;
  std::filesystem::create_directories(game / "GRP");
  WriteBytes(game.Path() / "GRP" / "GRPFACES.VMR", MainArchiveBytes(2));
  WriteBytes(game.Path() / "GRP" / "GrpAFace.Vmr", AddedArchiveBytes(1));
  const QString dir = QString::fromStdString(game.Path().string());

  auto main = FaceArchive::Open(ArchivePath(dir, kMainArchiveName));
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(MarkOf(1, main.get()), FaceMark(1));
  auto added = FaceArchive::Open(ArchivePath(dir + QDir::separator(), kAddedArchiveName));
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(MarkOf(2000, added.get()), FaceMark(2000));

  // The exact spelling wins when both exist.
  std::filesystem::create_directories(game / "grp");
  WriteBytes(game.Path() / "grp" / "grpfaces.vmr", MainArchiveBytes(1));
  EXPECT_EQ(ArchivePath(dir, kMainArchiveName), game.Path() / "grp" / "grpfaces.vmr");
}

TEST(FaceArchiveLocation, OfSeveralSpellingsTheFirstInByteOrderIsTaken) {
  TempDir game;
  for (const char* folder : {"Grp", "gRP", "GRP"}) {
    std::filesystem::create_directories(game.Path() / folder);
    WriteBytes(game.Path() / folder / "GrpFaces.vmr", MainArchiveBytes(0));
  }
  WriteBytes(game.Path() / "GRP" / "GRPFACES.VMR", MainArchiveBytes(0));
  const QString dir = QString::fromStdString(game.Path().string());
  // The first spelling in byte order, whatever order the folder lists them in.
  EXPECT_EQ(ArchivePath(dir, kMainArchiveName), game.Path() / "GRP" / "GRPFACES.VMR");
}

TEST(FaceArchiveLocation, MissingFilesAndFoldersOpenNothing) {
  TempDir game;
  const QString dir = QString::fromStdString(game.Path().string());
  EXPECT_EQ(FaceArchive::Open(ArchivePath(dir, kMainArchiveName)), nullptr);
  EXPECT_EQ(FaceArchive::Open(ArchivePath(dir + QStringLiteral("/nowhere"), kMainArchiveName)), nullptr);
  // A folder in the archive's place is no archive.
  std::filesystem::create_directories(game.Path() / "grp" / "grpfaces.vmr");
  EXPECT_EQ(FaceArchive::Open(ArchivePath(dir, kMainArchiveName)), nullptr);
}
