#pragma once
// Which faces exist in an installation, and lists of face numbers as a
// player writes them ("0-99,131,2000-2002").
#include <QString>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/faces/FaceArchive.h"

// A list the player wrote that names no face or cannot be read; the message
// (UTF-8) names the part.
class FaceSelectionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Faces 0-1593 except the skipped numbers, and 2000 .. 2000 + addedFaces - 1.
bool FaceExists(int face, int addedFaces);
// Throws FaceSelectionError saying why a number names no face.
void RequireFace(int face, int addedFaces);
// Every existing face in running-index order.
std::vector<int> AllFaces(int addedFaces);

// Numbers and ranges separated by commas, blanks allowed. A range keeps the
// existing faces it spans; a single number that names no face is refused by
// name, as is a range that holds none. The result is ascending, without
// repeats.
std::vector<int> ParseFaceSelection(const QString& text, int addedFaces);
