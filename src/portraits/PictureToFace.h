#pragma once
// A player's picture made into a face: read, brought to 64 x 80 and reduced
// to the face's 256 colours.
#include <QImage>
#include <QString>
#include <stdexcept>
#include <string>

#include "core/faces/FaceArchive.h"

// A picture that cannot be used; the message (UTF-8) names the file.
class PictureError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class PictureFit {
  Crop,  // scaled to cover 64 x 80, the middle cut out
  Pad,   // scaled to fit inside, the rest in the colour of its border
};
enum class PaletteChoice {
  New,   // the picture's own 256 colours (libimagequant, dithered)
  Keep,  // mapped onto the face's existing palette
};
struct FaceConversion {
  PictureFit fit = PictureFit::Crop;
  PaletteChoice palette = PaletteChoice::New;
};

inline constexpr int kSmallestPictureWidth = 32;
inline constexpr int kSmallestPictureHeight = 40;

// Reads PNG, JPEG, BMP or GIF. Refuses what is not a picture, a broken one,
// one smaller than 32 x 40, and one so large that decoding it would take
// more than a few hundred MB.
QImage LoadPicture(const QString& path);

// The picture at 64 x 80 in true colour, as the face will show it before
// the reduction to 256 colours (a picture that already is 64 x 80 stays).
QImage FitToFace(const QImage& picture, PictureFit fit);

// The face the picture becomes. A 64 x 80 indexed picture is taken index
// for index with its palette; a 64 x 80 picture of at most 256 colours keeps
// every colour exactly; anything else is fitted and reduced. The fourth
// palette bytes come from `current`, and with PaletteChoice::Keep its colours.
FaceImage PictureToFace(const QImage& picture, const FaceConversion& conversion, const FaceImage& current);
