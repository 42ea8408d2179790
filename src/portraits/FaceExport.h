#pragma once
// Writing faces as PNG files, one per face, named by the face number with
// four digits (0131.png, 2000.png).
#include <QString>
#include <vector>

#include "portraits/ContactSheet.h"

class GameFaces;

QString FaceFileName(int face);
// Writes each face into `folder` (made when missing). Throws
// FaceArchiveError for a face that cannot be read and PictureError for a
// file that cannot be written.
void ExportFaces(const GameFaces& game, const std::vector<int>& faces, const QString& folder,
                 const FaceProgress& progress = {});
// Writes one face as a PNG file.
void ExportFace(const GameFaces& game, int face, const QString& file);
