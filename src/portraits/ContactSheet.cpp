#include "portraits/ContactSheet.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <string>

#include "core/faces/GameFaces.h"
#include "portraits/FacePicture.h"

namespace {

// Digits of 5 x 7 dots, each row read from the left, drawn at twice that size.
constexpr std::array<std::array<const char*, 7>, 10> kDigits = {{
    {"01110", "10001", "10011", "10101", "11001", "10001", "01110"},
    {"00100", "01100", "00100", "00100", "00100", "00100", "01110"},
    {"01110", "10001", "00001", "00010", "00100", "01000", "11111"},
    {"11111", "00010", "00100", "00010", "00001", "10001", "01110"},
    {"00010", "00110", "01010", "10010", "11111", "00010", "00010"},
    {"11111", "10000", "11110", "00001", "00001", "10001", "01110"},
    {"00110", "01000", "10000", "11110", "10001", "10001", "01110"},
    {"11111", "00001", "00010", "00100", "01000", "01000", "01000"},
    {"01110", "10001", "10001", "01110", "10001", "10001", "01110"},
    {"01110", "10001", "10001", "01111", "00001", "00010", "01100"},
}};
constexpr int kDot = 2;
constexpr int kDigitWidth = 5 * kDot;
constexpr int kDigitHeight = 7 * kDot;
constexpr int kDigitGap = kDot;

constexpr int kMargin = 4;
constexpr int kCellWidth = kFaceWidth + 2 * kMargin;                          // 72
constexpr int kCellHeight = kMargin + kFaceHeight + 4 + kDigitHeight + 6;     // 108

const QColor kPaper(255, 255, 255);
const QColor kInk(24, 24, 24);
const QColor kMissing(200, 200, 200);

void DrawNumber(QPainter& painter, int number, int centreX, int top) {
  const std::string digits = std::to_string(number);
  const int width = static_cast<int>(digits.size()) * (kDigitWidth + kDigitGap) - kDigitGap;
  int left = centreX - width / 2;
  for (char digit : digits) {
    const auto& rows = kDigits[static_cast<std::size_t>(digit - '0')];
    for (int row = 0; row < 7; ++row) {
      for (int column = 0; column < 5; ++column) {
        if (rows[static_cast<std::size_t>(row)][column] == '1') {
          painter.fillRect(left + column * kDot, top + row * kDot, kDot, kDot, kInk);
        }
      }
    }
    left += kDigitWidth + kDigitGap;
  }
}

}  // namespace

QImage DrawContactSheet(const GameFaces& game, const std::vector<int>& faces, int columns,
                        const FaceProgress& progress) {
  columns = std::max(1, columns);
  const int count = static_cast<int>(faces.size());
  const int rows = std::max(1, (count + columns - 1) / columns);
  QImage sheet(std::min(columns, std::max(count, 1)) * kCellWidth, rows * kCellHeight, QImage::Format_RGB32);
  sheet.fill(kPaper);
  QPainter painter(&sheet);
  for (int i = 0; i < count; ++i) {
    const int left = (i % columns) * kCellWidth;
    const int top = (i / columns) * kCellHeight;
    const QRect face(left + kMargin, top + kMargin, kFaceWidth, kFaceHeight);
    try {
      painter.drawImage(face.topLeft(), FacePicture(game.Read(faces[static_cast<std::size_t>(i)])));
    } catch (const FaceArchiveError&) {
      painter.fillRect(face, kMissing);
    }
    DrawNumber(painter, faces[static_cast<std::size_t>(i)], left + kCellWidth / 2, face.bottom() + 1 + 4);
    if (progress) progress(i + 1, count);
  }
  return sheet;
}
