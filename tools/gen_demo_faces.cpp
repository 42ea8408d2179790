// Writes the demo game's two face archives, grpfaces.vmr (1,541 faces) and
// grpaface.vmr (a few added faces), in the game's layout. Every face is a
// painted bust in colours of its own with its face number in the corner.
//
//   gen_demo_faces <grp folder> [added faces, default 13]
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/faces/FaceArchive.h"

namespace {

using Bytes = std::vector<unsigned char>;

// Palette entries of the painting.
enum Ink : std::uint8_t {
  kSky = 0,  // 0-15: the background's gradient
  kSkin = 16,
  kSkinShade,
  kHair,
  kRobe,
  kRobeShade,
  kTrim,
  kDark,
  kLips,
  kHat,
  kDigit,
  kDigitShadow,
  kEyeWhite,
};

struct Rgb {
  int r, g, b;
};

std::uint32_t Mix(std::uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352du;
  x ^= x >> 15;
  x *= 0x846ca68bu;
  x ^= x >> 16;
  return x;
}

Rgb Hue(std::uint32_t seed, int lightness) {
  // A colour from six hue sectors; lightness 0-255.
  const int h = static_cast<int>(seed % 360);
  const int sector = h / 60, f = (h % 60) * 255 / 60;
  int r = 0, g = 0, b = 0;
  switch (sector) {
    case 0: r = 255; g = f; break;
    case 1: r = 255 - f; g = 255; break;
    case 2: g = 255; b = f; break;
    case 3: g = 255 - f; b = 255; break;
    case 4: r = f; b = 255; break;
    default: r = 255; b = 255 - f; break;
  }
  auto scale = [lightness](int c) { return (c * lightness) / 255 + (255 - lightness) / 6; };
  return {std::min(255, scale(r)), std::min(255, scale(g)), std::min(255, scale(b))};
}

// Digits 0-9 in a 3 x 5 font, one row per entry, bit 2 = left column.
constexpr std::array<std::array<std::uint8_t, 5>, 10> kDigits = {{
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
}};

class Canvas {
 public:
  std::array<std::uint8_t, kFacePixelBytes> pixels{};

  void Set(int x, int y, std::uint8_t ink) {
    if (x >= 0 && x < kFaceWidth && y >= 0 && y < kFaceHeight) pixels[static_cast<std::size_t>(y * kFaceWidth + x)] = ink;
  }
  void Rect(int x0, int y0, int x1, int y1, std::uint8_t ink) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) Set(x, y, ink);
  }
  // Filled ellipse with centre (cx, cy) and radii rx, ry; only rows from y0 to y1.
  void Ellipse(int cx, int cy, int rx, int ry, std::uint8_t ink, int y0 = 0, int y1 = kFaceHeight) {
    for (int y = std::max(y0, cy - ry); y <= std::min(y1 - 1, cy + ry); ++y)
      for (int x = cx - rx; x <= cx + rx; ++x) {
        const long dx = x - cx, dy = y - cy;
        if (dx * dx * ry * ry + dy * dy * rx * rx <= static_cast<long>(rx) * rx * ry * ry) Set(x, y, ink);
      }
  }
  void Number(int x, int y, int value) {
    const std::string text = std::to_string(value);
    for (int pass = 0; pass < 2; ++pass) {
      int left = x;
      for (char c : text) {
        const auto& glyph = kDigits[static_cast<std::size_t>(c - '0')];
        for (int row = 0; row < 5; ++row)
          for (int col = 0; col < 3; ++col)
            if (glyph[static_cast<std::size_t>(row)] & (4 >> col)) {
              // Two pixels per font pixel; the shadow first, one pixel down and right.
              const int px = left + col * 2 + (pass == 0 ? 1 : 0), py = y + row * 2 + (pass == 0 ? 1 : 0);
              Rect(px, py, px + 2, py + 2, pass == 0 ? kDigitShadow : kDigit);
            }
        left += 8;
      }
    }
  }
};

Bytes PaintFace(int face) {
  const std::uint32_t seed = Mix(static_cast<std::uint32_t>(face) * 2654435761u + 12345u);
  std::array<Rgb, 256> palette{};
  for (int i = 0; i < 16; ++i) palette[static_cast<std::size_t>(kSky + i)] = Hue(seed, 200 - i * 9);
  const int skinTone = static_cast<int>((seed >> 8) % 4);
  const Rgb skins[4] = {{240, 205, 170}, {226, 184, 140}, {198, 150, 108}, {160, 112, 80}};
  palette[kSkin] = skins[skinTone];
  palette[kSkinShade] = {skins[skinTone].r * 4 / 5, skins[skinTone].g * 4 / 5, skins[skinTone].b * 4 / 5};
  const Rgb hairs[4] = {{24, 20, 18}, {70, 44, 26}, {120, 118, 116}, {200, 200, 196}};
  palette[kHair] = hairs[(seed >> 12) % 4];
  palette[kRobe] = Hue(seed >> 4, 170);
  palette[kRobeShade] = Hue(seed >> 4, 110);
  palette[kTrim] = Hue((seed >> 4) + 180, 230);
  palette[kDark] = {30, 24, 24};
  palette[kLips] = {170, 60, 60};
  palette[kHat] = Hue(seed >> 16, 90);
  palette[kDigit] = {255, 255, 255};
  palette[kDigitShadow] = {0, 0, 0};
  palette[kEyeWhite] = {244, 244, 236};
  for (int i = kEyeWhite + 1; i < 256; ++i) palette[static_cast<std::size_t>(i)] = {i, i, i};

  Canvas c;
  for (int y = 0; y < kFaceHeight; ++y) c.Rect(0, y, kFaceWidth, y + 1, static_cast<std::uint8_t>(kSky + y * 16 / kFaceHeight));

  const int hairStyle = static_cast<int>((seed >> 20) % 3);
  const bool beard = (seed >> 24) % 3 == 0;
  const int headWidth = 12 + static_cast<int>((seed >> 26) % 3);

  if (hairStyle == 2) c.Rect(32 - headWidth - 2, 24, 32 + headWidth + 3, 54, kHair);  // long hair behind
  // Shoulders and robe with a crossed collar.
  for (int y = 56; y < kFaceHeight; ++y) {
    const int half = 14 + (y - 56) * 3 / 2;
    c.Rect(32 - half, y, 32 + half + 1, y + 1, y < 60 ? kRobeShade : kRobe);
  }
  c.Rect(28, 44, 37, 58, kSkinShade);  // neck
  for (int y = 56; y < kFaceHeight; ++y) {
    const int d = (y - 56) / 4;
    c.Rect(24 + d, y, 27 + d, y + 1, kTrim);
    c.Rect(38 - d, y, 41 - d, y + 1, kTrim);
  }
  c.Ellipse(32, 35, headWidth, 16, kSkin);
  c.Ellipse(32 - headWidth, 36, 2, 4, kSkinShade);  // ears
  c.Ellipse(32 + headWidth, 36, 2, 4, kSkinShade);
  c.Ellipse(32, 30, headWidth + 1, 13, kHair, 0, 28);  // hair above the brow
  if (hairStyle == 0) c.Ellipse(32, 14, 5, 4, kHair);  // topknot
  if (hairStyle == 1) {                                // cap
    c.Rect(32 - headWidth, 12, 32 + headWidth + 1, 24, kHat);
    c.Rect(32 - headWidth - 2, 22, 32 + headWidth + 3, 25, kHat);
  }
  // Brows, eyes, nose, mouth.
  c.Rect(24, 31, 30, 32, kHair);
  c.Rect(35, 31, 41, 32, kHair);
  c.Rect(25, 34, 30, 36, kEyeWhite);
  c.Rect(35, 34, 40, 36, kEyeWhite);
  c.Rect(27, 34, 29, 36, kDark);
  c.Rect(36, 34, 38, 36, kDark);
  c.Rect(32, 37, 33, 41, kSkinShade);
  c.Rect(29, 44, 36, 45, kLips);
  if (beard) {
    for (int y = 46; y < 58; ++y) c.Rect(30 - (58 - y) / 4, y, 35 + (58 - y) / 4, y + 1, kHair);
    c.Rect(26, 42, 29, 43, kHair);
    c.Rect(36, 42, 39, 43, kHair);
  }
  c.Number(2, 2, face);

  Bytes image(c.pixels.begin(), c.pixels.end());
  for (const Rgb& colour : palette) {
    image.push_back(static_cast<unsigned char>(colour.b));
    image.push_back(static_cast<unsigned char>(colour.g));
    image.push_back(static_cast<unsigned char>(colour.r));
    image.push_back(0);
  }
  return image;
}

void PutInt32(Bytes& bytes, std::size_t offset, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (std::size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<unsigned char>(bits >> (8 * i));
}

bool Write(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "gen_demo_faces: cannot write %s\n", path.string().c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: gen_demo_faces <grp folder> [added faces]\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  const int addedFaces = argc == 3 ? std::atoi(argv[2]) : 13;
  if (addedFaces < 0 || addedFaces > 10000) {
    std::fprintf(stderr, "gen_demo_faces: the number of added faces must lie between 0 and 10000\n");
    return 2;
  }
  std::error_code error;
  std::filesystem::create_directories(folder, error);

  // Main archive: a header the editor does not read, then the images in running-index order.
  Bytes main(static_cast<std::size_t>(kMainImagesOffset), 0);
  main.reserve(main.size() + static_cast<std::size_t>(kMainFaceCount) * kFaceImageBytes);
  for (int i = 0; i < kMainFaceCount; ++i) {
    const Bytes image = PaintFace(FaceAtPosition(i));
    main.insert(main.end(), image.begin(), image.end());
  }

  // Added archive: the count (five entries per face), the directory, then the images.
  Bytes added(static_cast<std::size_t>(kAddedDirectoryOffset + kAddedDirectoryBlock * addedFaces), 0);
  PutInt32(added, static_cast<std::size_t>(kAddedCountOffset), addedFaces * kAddedCountPerFace);
  for (int k = 0; k < addedFaces; ++k) {
    PutInt32(added, static_cast<std::size_t>(kAddedDirectoryOffset + kAddedDirectoryBlock * k), static_cast<std::int32_t>(added.size()));
    const Bytes image = PaintFace(kFirstAddedFace + k);
    added.insert(added.end(), image.begin(), image.end());
  }

  if (!Write(folder / kMainArchiveName, main) || !Write(folder / kAddedArchiveName, added)) return 1;
  return 0;
}
