#pragma once
// Reducing a 64 x 80 true-colour picture to 256 palette entries.
#include <QImage>
#include <QList>

// libimagequant's palette and dithered remapping: an Indexed8 picture.
QImage ReduceColours(const QImage& picture);
// The picture mapped onto a given palette with libimagequant's dithering:
// an Indexed8 picture whose colour table is `palette`, indices in its order.
QImage MapOntoPalette(const QImage& picture, const QList<QRgb>& palette);
// The picture's colours when there are at most 256 of them (in the order
// they first appear, row by row); empty otherwise.
QList<QRgb> ExactColours(const QImage& picture);
