// libimagequant's reduction of a picture of more than 256 colours.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cstdlib>

#include "portraits/ColourReduction.h"

#ifdef _OPENMP
#include <omp.h>
#endif

namespace {

// 5,120 colours: red across, green down.
QImage TwoWayGradient() {
  QImage picture(64, 80, QImage::Format_RGB32);
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 64; ++x) picture.setPixel(x, y, qRgb(x * 4, y * 3, 128));
  return picture;
}

int LargestChannelError(const QImage& original, const QImage& reduced) {
  int largest = 0;
  for (int y = 0; y < original.height(); ++y) {
    for (int x = 0; x < original.width(); ++x) {
      const QRgb a = original.pixel(x, y), b = reduced.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b))});
    }
  }
  return largest;
}

TEST(ColourReductionTest, GradientStaysCloseAndTheCallersThreadSettingComesBack) {
#ifdef _OPENMP
  const int before = omp_get_max_threads();
  omp_set_num_threads(3);
#endif
  const QImage picture = TwoWayGradient();
  const QImage reduced = ReduceColours(picture);
#ifdef _OPENMP
  EXPECT_EQ(omp_get_max_threads(), 3);
  omp_set_num_threads(before);
#endif
  ASSERT_EQ(reduced.format(), QImage::Format_Indexed8);
  ASSERT_EQ(reduced.size(), QSize(64, 80));
  EXPECT_LE(reduced.colorCount(), 256);
  EXPECT_GT(reduced.colorCount(), 200);
  EXPECT_LE(LargestChannelError(picture, reduced), 20);
}

}  // namespace
