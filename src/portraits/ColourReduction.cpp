#include "portraits/ColourReduction.h"

#include <libimagequant.h>

#include <QHash>
#include <climits>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

struct AttrDeleter {
  void operator()(liq_attr* attr) const { liq_attr_destroy(attr); }
};
struct ImageDeleter {
  void operator()(liq_image* image) const { liq_image_destroy(image); }
};
struct ResultDeleter {
  void operator()(liq_result* result) const { liq_result_destroy(result); }
};

// The picture's bytes in libimagequant's order (red, green, blue, alpha),
// opaque, kept alive for as long as the liq_image that points into them.
QImage RgbaBytes(const QImage& picture) { return picture.convertToFormat(QImage::Format_RGBX8888); }

// Quantizes `rgba` to at most 256 colours, the `fixed` ones among them, and
// remaps it with dithering. Returns the indexed picture with the result's palette.
QImage Quantize(const QImage& rgba, const QList<QRgb>& fixed) {
  const std::unique_ptr<liq_attr, AttrDeleter> attr(liq_attr_create());
  if (!attr) throw std::bad_alloc();
  liq_set_max_colors(attr.get(), 256);
  liq_set_speed(attr.get(), 1);  // 64 x 80 pixels: the slowest, best search costs milliseconds
  const std::unique_ptr<liq_image, ImageDeleter> image(
      liq_image_create_rgba(attr.get(), rgba.constBits(), rgba.width(), rgba.height(), 0));
  if (!image) throw std::runtime_error("libimagequant refused the picture");
  for (QRgb colour : fixed) {
    const liq_color entry{static_cast<unsigned char>(qRed(colour)), static_cast<unsigned char>(qGreen(colour)),
                          static_cast<unsigned char>(qBlue(colour)), 255};
    liq_image_add_fixed_color(image.get(), entry);
  }
  liq_result* quantized = nullptr;
  if (liq_image_quantize(image.get(), attr.get(), &quantized) != LIQ_OK) {
    throw std::runtime_error("libimagequant could not reduce the picture's colours");
  }
  const std::unique_ptr<liq_result, ResultDeleter> result(quantized);
  liq_set_dithering_level(result.get(), 1.0f);

  QImage indexed(rgba.width(), rgba.height(), QImage::Format_Indexed8);
  std::vector<unsigned char*> rows(static_cast<std::size_t>(rgba.height()));
  for (int y = 0; y < rgba.height(); ++y) rows[static_cast<std::size_t>(y)] = indexed.scanLine(y);
  if (liq_write_remapped_image_rows(result.get(), image.get(), rows.data()) != LIQ_OK) {
    throw std::runtime_error("libimagequant could not remap the picture");
  }
  const liq_palette* palette = liq_get_palette(result.get());
  QList<QRgb> colours;
  for (unsigned int i = 0; i < palette->count; ++i) {
    colours.push_back(qRgb(palette->entries[i].r, palette->entries[i].g, palette->entries[i].b));
  }
  indexed.setColorTable(colours);
  return indexed;
}

int NearestEntry(QRgb colour, const QList<QRgb>& palette) {
  int best = 0;
  int bestDistance = INT_MAX;
  for (int i = 0; i < palette.size(); ++i) {
    const int dr = qRed(colour) - qRed(palette[i]);
    const int dg = qGreen(colour) - qGreen(palette[i]);
    const int db = qBlue(colour) - qBlue(palette[i]);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace

QImage ReduceColours(const QImage& picture) { return Quantize(RgbaBytes(picture), {}); }

QImage MapOntoPalette(const QImage& picture, const QList<QRgb>& palette) {
  QImage remapped = Quantize(RgbaBytes(picture), palette);
  // libimagequant orders the fixed colours its own way: each entry it used
  // is put back at its place in the given palette (the first of equal ones).
  const QList<QRgb> used = remapped.colorTable();
  std::vector<uchar> toGiven(static_cast<std::size_t>(used.size()));
  for (int i = 0; i < used.size(); ++i) toGiven[static_cast<std::size_t>(i)] = static_cast<uchar>(NearestEntry(used[i], palette));
  for (int y = 0; y < remapped.height(); ++y) {
    uchar* row = remapped.scanLine(y);
    for (int x = 0; x < remapped.width(); ++x) row[x] = toGiven[row[x]];
  }
  remapped.setColorTable(palette);
  return remapped;
}

QList<QRgb> ExactColours(const QImage& picture) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  QList<QRgb> colours;
  QHash<QRgb, int> seen;
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb colour = row[x] | 0xFF000000u;
      if (seen.contains(colour)) continue;
      if (colours.size() == 256) return {};
      seen.insert(colour, static_cast<int>(colours.size()));
      colours.push_back(colour);
    }
  }
  return colours;
}
