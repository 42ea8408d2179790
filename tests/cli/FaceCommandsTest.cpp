// velmedit faces export / import / restore on archives of known content:
// the bytes a picture becomes, the lossless round trip, and that every
// refusal leaves the archives and their backups as they were.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <sstream>
#include <unistd.h>

#include "cli/Subcommands.h"
#include "core/faces/GameFaces.h"
#include "support/FaceArchiveBytes.h"
#include "support/SaveFaults.h"

namespace {

// Face 131 is image 130 of the main archive (130 is a skipped number).
constexpr std::size_t kFace131 = 37260 + 6144 * 130;

// Every byte of every image from a little generator: pixels, palette
// colours and fourth bytes all differ from face to face, and palettes hold
// repeated colours (entries 200-255 repeat entries 0-55).
FaceBytes VariedImage(std::uint32_t seed) {
  FaceBytes image(kFaceImageBytes);
  for (auto& byte : image) {
    seed = seed * 1103515245u + 12345u;
    byte = static_cast<unsigned char>(seed >> 16);
  }
  for (int entry = 200; entry < 256; ++entry) {
    for (int i = 0; i < 3; ++i) image[kFacePixelBytes + entry * 4 + i] = image[kFacePixelBytes + (entry - 200) * 4 + i];
  }
  return image;
}

class FaceCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteGameFaces(dir.Path(), kMainFaceCount, 3); }

  // velmedit faces `command` --game <the scratch game> `more`.
  int Run(const char* command, const QStringList& more) {
    out.str({});
    err.str({});
    const QStringList head{QStringLiteral("faces"), QString::fromLatin1(command), QStringLiteral("--game"), Game()};
    return RunCommand(head + more, out, err);
  }
  QString Path(const std::string& name) const { return QString::fromStdString((dir / name).string()); }
  QString Game() const { return QString::fromStdString(dir.Path().string()); }
  std::filesystem::path MainArchive() const { return dir / "grp" / "grpfaces.vmr"; }
  std::filesystem::path AddedArchive() const { return dir / "grp" / "grpaface.vmr"; }
  std::filesystem::path Backup(const std::filesystem::path& archive) const { return archive.string() + ".bak"; }

  int Import(int face, const std::string& picture) {
    return Run("import", {QStringLiteral("--face"), QString::number(face), Path(picture)});
  }

  TempDir dir;
  std::ostringstream out, err;
};

// Left half (0x12, 0x34, 0x56), right half (0xFE, 0xDC, 0xBA).
QImage TwoColourPicture(int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.setPixel(x, y, x < width / 2 ? qRgb(0x12, 0x34, 0x56) : qRgb(0xFE, 0xDC, 0xBA));
  }
  return picture;
}

TEST_F(FaceCommandsTest, APictureOfTwoColoursBecomesExactlyTheseBytesAndTheBackupKeepsTheOriginal) {
  const FaceBytes original = ReadBytes(MainArchive());
  ASSERT_TRUE(TwoColourPicture(64, 80).save(Path("two.png"), "PNG"));
  ASSERT_EQ(Import(131, "two.png"), 0) << err.str();

  FaceBytes expected = original;
  for (std::size_t row = 0; row < 80; ++row) {
    for (std::size_t x = 0; x < 64; ++x) expected[kFace131 + row * 64 + x] = x < 32 ? 0x00 : 0x01;
  }
  const std::size_t palette = kFace131 + 5120;
  // Blue, green, red; the fourth byte keeps its stored value (0x77 for entry 0, 0 elsewhere).
  const unsigned char firstEntries[8] = {0x56, 0x34, 0x12, 0x77, 0xBA, 0xDC, 0xFE, 0x00};
  std::copy(std::begin(firstEntries), std::end(firstEntries), expected.begin() + static_cast<std::ptrdiff_t>(palette));
  std::fill(expected.begin() + static_cast<std::ptrdiff_t>(palette + 8),
            expected.begin() + static_cast<std::ptrdiff_t>(palette + 1024), 0x00);
  EXPECT_EQ(ReadBytes(MainArchive()), expected);
  EXPECT_EQ(ReadBytes(Backup(MainArchive())), original);
  EXPECT_FALSE(std::filesystem::exists(Backup(AddedArchive())));
  EXPECT_NE(out.str().find("grpfaces.vmr.bak"), std::string::npos) << out.str();

  // A second replacement leaves the backup as the game installed the archive.
  ASSERT_TRUE(TwoColourPicture(200, 120).save(Path("wide.png"), "PNG"));
  ASSERT_EQ(Import(129, "wide.png"), 0) << err.str();
  EXPECT_EQ(ReadBytes(Backup(MainArchive())), original);
  EXPECT_EQ(out.str().find(".bak"), std::string::npos) << out.str();

  // Restoring takes face 131 back; face 129 stays replaced.
  ASSERT_EQ(Run("restore", {QStringLiteral("--face"), QStringLiteral("131")}), 0) << err.str();
  const FaceBytes restored = ReadBytes(MainArchive());
  EXPECT_TRUE(std::equal(restored.begin() + kFace131, restored.begin() + kFace131 + 6144, original.begin() + kFace131));
  EXPECT_NE(restored, original);
}

TEST_F(FaceCommandsTest, ExportedFacesImportedAgainGiveBothArchivesBackByteForByte) {
  FaceBytes main(static_cast<std::size_t>(kMainImagesOffset), 0xEE);
  for (int i = 0; i < kMainFaceCount; ++i) {
    const FaceBytes image = VariedImage(static_cast<std::uint32_t>(i) + 1);
    main.insert(main.end(), image.begin(), image.end());
  }
  WriteBytes(MainArchive(), main);
  FaceBytes added = AddedArchiveBytes(3);
  PutArchiveBytes(added, added.size() - 6144, VariedImage(9001));  // the image of face 2000, stored last
  WriteBytes(AddedArchive(), added);

  ASSERT_EQ(Run("export", {QStringLiteral("--out"), Path("faces")}), 0) << err.str();
  EXPECT_EQ(out.str(), "已导出 1544 个头像到 “" + Path("faces").toStdString() + "”\n");
  const QImage face2000(Path("faces/2000.png"));
  ASSERT_EQ(face2000.format(), QImage::Format_Indexed8);
  EXPECT_EQ(face2000.colorCount(), 256);
  const FaceBytes stored = VariedImage(9001);
  EXPECT_EQ(face2000.pixelIndex(1, 0), stored[1]);
  EXPECT_EQ(face2000.color(stored[0]), qRgb(stored[5120 + stored[0] * 4 + 2], stored[5120 + stored[0] * 4 + 1],
                                            stored[5120 + stored[0] * 4]));

  // Archives whose pixels and colours were all overwritten (the fourth
  // palette bytes stay: they are no part of a picture) take the exported
  // pictures and become the originals again.
  const auto scrambled = [](FaceBytes bytes, std::size_t firstImage) {
    for (std::size_t at = firstImage; at < bytes.size(); ++at) {
      const std::size_t inImage = (at - firstImage) % 6144;
      if (inImage < 5120 || inImage % 4 != 3) bytes[at] = 0x5A;
    }
    return bytes;
  };
  WriteBytes(MainArchive(), scrambled(main, kMainImagesOffset));
  WriteBytes(AddedArchive(), scrambled(added, added.size() - 3 * 6144));
  ASSERT_EQ(Run("import", {QStringLiteral("--from"), Path("faces")}), 0) << err.str();
  EXPECT_EQ(ReadBytes(MainArchive()), main);
  EXPECT_EQ(ReadBytes(AddedArchive()), added);
  EXPECT_NE(out.str().find("已替换 1544 个头像"), std::string::npos) << out.str();
  // Once more: nothing changes, nothing is written.
  std::filesystem::remove(Backup(MainArchive()));
  ASSERT_EQ(Run("import", {QStringLiteral("--from"), Path("faces")}), 0);
  EXPECT_EQ(out.str(), "头像与头像档中的相同，头像档未改变\n");
  EXPECT_FALSE(std::filesystem::exists(Backup(MainArchive())));
}

TEST_F(FaceCommandsTest, EveryRefusalLeavesTheArchivesAndTheirBackupsAsTheyWere) {
  const FaceBytes main = ReadBytes(MainArchive());
  const FaceBytes added = ReadBytes(AddedArchive());
  ASSERT_TRUE(TwoColourPicture(32, 40).save(Path("smallest.png"), "PNG"));
  ASSERT_TRUE(TwoColourPicture(31, 40).save(Path("narrow.png"), "PNG"));
  ASSERT_TRUE(TwoColourPicture(32, 39).save(Path("short.png"), "PNG"));
  WriteBytes(dir / "notes.png", FaceBytes{'h', 'e', 'l', 'l', 'o'});
  FaceBytes broken = ReadBytes(dir / "smallest.png");
  broken.resize(broken.size() / 2);
  WriteBytes(dir / "broken.png", broken);
  // A PNG whose header claims 20,000 x 20,000 pixels (and an empty IDAT).
  WriteBytes(dir / "huge.png", FaceBytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                                         0, 0, 0x4E, 0x20, 0, 0, 0x4E, 0x20, 8, 2, 0, 0, 0, 0x6C, 0x12, 0xD1, 0x6E,
                                         0, 0, 0, 0, 'I', 'D', 'A', 'T', 0x35, 0xAF, 0x06, 0x1E});

  const struct {
    int face;
    const char* picture;
    const char* says;
  } refusals[] = {
      {131, "narrow.png", "31 × 40"},  {131, "short.png", "32 × 39"}, {131, "notes.png", "不是能读的图片"},
      {131, "broken.png", "读不出来"}, {131, "huge.png", "太大"},      {131, "missing.png", "找不到图片文件"},
      {130, "smallest.png", "头像 130 不存在"}, {1600, "smallest.png", "头像 1600 不存在"},
      {2003, "smallest.png", "头像 2003 不存在"},
  };
  for (const auto& refusal : refusals) {
    EXPECT_EQ(Import(refusal.face, refusal.picture), 2) << refusal.picture;
    EXPECT_NE(err.str().find(refusal.says), std::string::npos) << err.str();
  }
  EXPECT_EQ(ReadBytes(MainArchive()), main);
  EXPECT_EQ(ReadBytes(AddedArchive()), added);
  EXPECT_FALSE(std::filesystem::exists(Backup(MainArchive())));

  // A full disk at the backup, then (the backup there) at the new archive.
  {
    const FileSizeLimit full(10000);
    EXPECT_EQ(Import(2001, "smallest.png"), 2);
  }
  EXPECT_NE(err.str().find("备份"), std::string::npos) << err.str();
  EXPECT_FALSE(std::filesystem::exists(Backup(AddedArchive())));
  WriteBytes(Backup(AddedArchive()), added);
  {
    const FileSizeLimit full(10000);
    EXPECT_EQ(Import(2001, "smallest.png"), 2);
  }
  EXPECT_NE(err.str().find("头像档未改变"), std::string::npos) << err.str();
  EXPECT_EQ(ReadBytes(AddedArchive()), added);
  EXPECT_EQ(ReadBytes(Backup(AddedArchive())), added);

  // Nothing to restore from, and a missing archive.
  EXPECT_EQ(Run("restore", {QStringLiteral("--face"), QStringLiteral("131")}), 2);
  EXPECT_NE(err.str().find("没有头像 131 的备份"), std::string::npos) << err.str();
  std::filesystem::remove(AddedArchive());
  EXPECT_EQ(Import(2000, "smallest.png"), 2);
  EXPECT_NE(err.str().find("头像 2000 不存在"), std::string::npos) << err.str();
  EXPECT_EQ(ReadBytes(MainArchive()), main);

  // The smallest picture allowed is taken.
  EXPECT_EQ(Import(131, "smallest.png"), 0) << err.str();
}

TEST_F(FaceCommandsTest, ExportRefusesNumbersThatNameNoFaceAndSkipsThemInRanges) {
  EXPECT_EQ(Run("export", {QStringLiteral("--out"), Path("x"), QStringLiteral("--faces"), QStringLiteral("130")}), 2);
  EXPECT_EQ(err.str(), "头像 130 不存在：游戏没有这个编号的头像\n");
  ASSERT_EQ(Run("export", {QStringLiteral("--out"), Path("x"), QStringLiteral("--faces"), QStringLiteral("129-133,1590-2001")}), 0)
      << err.str();
  QStringList written = QDir(Path("x")).entryList(QDir::Files, QDir::Name);
  EXPECT_EQ(written.join(u' '), QStringLiteral("0129.png 0131.png 0132.png 1590.png 1591.png 1592.png 1593.png 2000.png 2001.png"));
}

}  // namespace
