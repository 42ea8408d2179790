#pragma once
// Photo-like true-colour pictures painted in code, and the PSNR of a reduced
// picture against its original. Each picture has far more than 256 colours,
// so no reduction can keep them exactly.
#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace photo {

struct Rgb {
  double r, g, b;
};

inline std::uint32_t Mix(std::uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352du;
  x ^= x >> 15;
  x *= 0x846ca68bu;
  x ^= x >> 16;
  return x;
}

// Deterministic noise in [-amplitude, amplitude], one value per pixel, channel and seed.
inline double Noise(int x, int y, int channel, std::uint32_t seed, double amplitude) {
  const std::uint32_t h = Mix(static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u ^
                              static_cast<std::uint32_t>(channel) * 83492791u ^ seed * 2654435761u);
  return (static_cast<double>(h % 2001) / 1000.0 - 1.0) * amplitude;
}

inline QImage Paint(int width, int height, const std::function<Rgb(double u, double v, int x, int y)>& colourAt) {
  QImage picture(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const Rgb c = colourAt((x + 0.5) / width, (y + 0.5) / height, x, y);
      const auto clamp = [](double value) { return static_cast<int>(std::lround(std::clamp(value, 0.0, 255.0))); };
      row[x] = qRgb(clamp(c.r), clamp(c.g), clamp(c.b));
    }
  }
  return picture;
}

inline Rgb Gradient(double u, double v) {
  return {40 + 190 * u, 60 + 160 * v, 210 - 150 * (u + v) / 2 + 30 * std::sin(6.0 * u)};
}

inline QImage SmoothGradient(int width, int height) {
  return Paint(width, height, [](double u, double v, int, int) { return Gradient(u, v); });
}

inline QImage NoisyGradient(int width, int height) {
  return Paint(width, height, [](double u, double v, int x, int y) {
    const Rgb c = Gradient(u, v);
    return Rgb{c.r + Noise(x, y, 0, 1, 40), c.g + Noise(x, y, 1, 1, 40), c.b + Noise(x, y, 2, 1, 40)};
  });
}

// Blocks of saturated colours with hard borders and a faint shading inside
// each, cut by a diagonal bar.
inline QImage HardEdges(int width, int height) {
  return Paint(width, height, [](double u, double v, int, int) {
    const int block = static_cast<int>(u * 4) + 4 * static_cast<int>(v * 5);
    const std::uint32_t h = Mix(static_cast<std::uint32_t>(block) + 7u);
    const double shade = 24 * (u * 4 - std::floor(u * 4)) + 16 * (v * 5 - std::floor(v * 5));
    if (std::abs(u - v * 0.8) < 0.06) return Rgb{250 - shade, 250 - shade, 245 - shade};
    return Rgb{static_cast<double>(h & 0xFF) * 0.8 + shade, static_cast<double>((h >> 8) & 0xFF) * 0.8 + shade,
               static_cast<double>((h >> 16) & 0xFF) * 0.8 + shade};
  });
}

// Skin lit from the upper left: a narrow band of warm tones with fine grain.
inline QImage SkinTones(int width, int height) {
  return Paint(width, height, [](double u, double v, int x, int y) {
    const double light = 1.05 - 0.45 * std::hypot(u - 0.3, v - 0.25);
    const double blush = 18 * std::exp(-((u - 0.7) * (u - 0.7) + (v - 0.6) * (v - 0.6)) * 30);
    const double grain = Noise(x, y, 0, 2, 3);
    return Rgb{228 * light + blush + grain, 176 * light + grain, 142 * light - blush / 3 + grain};
  });
}

// A face-like oval with round shading, dark hair, eyes and a robe, over a
// noisy gradient; `seed` varies the colours.
inline QImage FaceLike(int width, int height, std::uint32_t seed) {
  const double hue = static_cast<double>(Mix(seed) % 360) * 3.14159265 / 180;
  return Paint(width, height, [seed, hue](double u, double v, int x, int y) {
    const double grain = Noise(x, y, 0, seed, 6);
    Rgb c{90 + 100 * u + 40 * std::cos(hue) + grain, 110 + 90 * v + 40 * std::sin(hue) + grain,
          150 - 60 * u + 40 * std::cos(hue + 2) + Noise(x, y, 2, seed, 14)};
    const double dx = (u - 0.5) / 0.27, dy = (v - 0.45) / 0.31;
    const double robe = v - 0.82 + 0.6 * (u - 0.5) * (u - 0.5);
    if (robe > 0) c = {60 + 80 * std::cos(hue + 1) + 30 * v, 40 + 20 * u, 90 + 50 * std::sin(hue) + grain};
    const double r2 = dx * dx + dy * dy;
    if (r2 < 1) {
      const double lit = 0.55 + 0.5 * std::sqrt(1 - r2) - 0.15 * dx - 0.1 * dy;
      c = {225 * lit + grain, 172 * lit + grain, 138 * lit + grain};
      if (dy < -0.45 || (dy < -0.2 && std::abs(dx) > 0.8)) c = {40 + 30 * lit, 28 + 20 * lit, 22 + 12 * lit};
      const double ex = std::abs(dx) - 0.38, ey = dy + 0.05;
      if (ex * ex / 0.02 + ey * ey / 0.006 < 1) c = {30, 24, 26};
      if (std::abs(dx) < 0.3 && std::abs(dy - 0.55) < 0.05) c = {170 * lit, 70 * lit, 70 * lit};
    }
    return c;
  });
}

struct NamedPicture {
  std::string name;
  QImage picture;
};

// The pictures the quality table is made of, all 64 x 80.
inline const std::vector<NamedPicture>& TablePictures() {
  static const std::vector<NamedPicture> pictures = {
      {"gradient", SmoothGradient(64, 80)}, {"noise", NoisyGradient(64, 80)},
      {"hard edges", HardEdges(64, 80)},   {"skin", SkinTones(64, 80)},
      {"face mix", FaceLike(64, 80, 11)},
  };
  return pictures;
}

// Peak signal-to-noise ratio over red, green and blue, in dB; 99 for equal pictures.
inline double Psnr(const QImage& original, const QImage& reduced) {
  const QImage a = original.convertToFormat(QImage::Format_RGB32);
  const QImage b = reduced.convertToFormat(QImage::Format_RGB32);
  double squares = 0;
  for (int y = 0; y < a.height(); ++y) {
    const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    for (int x = 0; x < a.width(); ++x) {
      const int dr = qRed(rowA[x]) - qRed(rowB[x]), dg = qGreen(rowA[x]) - qGreen(rowB[x]),
                db = qBlue(rowA[x]) - qBlue(rowB[x]);
      squares += dr * dr + dg * dg + db * db;
    }
  }
  const double meanSquare = squares / (3.0 * a.width() * a.height());
  return meanSquare == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 / meanSquare);
}

}  // namespace photo
