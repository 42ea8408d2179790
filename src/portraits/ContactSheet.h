#pragma once
// All faces at once: a grid of the faces at 1:1, each with its number drawn
// beneath in digits the program draws itself (no font, no display).
#include <QImage>
#include <functional>
#include <vector>

class GameFaces;

// Called after each face with the number done so far.
using FaceProgress = std::function<void(int done, int total)>;

inline constexpr int kDefaultSheetColumns = 20;

// The faces in the given order, `columns` to a row. A face that cannot be
// read shows as an empty cell with its number.
QImage DrawContactSheet(const GameFaces& game, const std::vector<int>& faces, int columns,
                        const FaceProgress& progress = {});
