#pragma once
// Both face archives of a game installation as files: reading faces,
// replacing them in place, and taking them back from the backups.
//
// A replacement writes exactly the 6,144 bytes of each face; the fourth byte
// of each palette entry (not part of the colour) keeps its stored value and
// every other byte of the archive stays. The new archive is written beside
// the old one, read back, and takes its place in one rename. Before the
// first replacement ever, the archive is copied to <archive>.bak; an existing
// backup is never overwritten, so it keeps the archive as the game installed it.
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/faces/FaceArchive.h"

// An archive that cannot be read, written or backed up, or a face it does
// not hold. The message (UTF-8) names the file or the face and says whether
// the archive is unchanged.
class FaceArchiveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct FaceReplacement {
  int face = 0;
  FaceImage image;
};

// The steps of a replacement, for tests that stop one between them.
enum class ReplaceStep { BackupWritten, NewArchiveWritten, Replaced };
using ReplaceStepObserver = std::function<void(ReplaceStep)>;

class GameFaces {
 public:
  // The archives under directory/grp (letter case as found); neither needs to exist.
  explicit GameFaces(const QString& directory);

  const std::filesystem::path& MainPath() const { return mainPath_; }
  const std::filesystem::path& AddedPath() const { return addedPath_; }
  const std::filesystem::path& PathFor(int face) const { return face >= kFirstAddedFace ? addedPath_ : mainPath_; }
  static std::filesystem::path BackupPathFor(const std::filesystem::path& archive);

  // Faces the added archive lists (0 when it is missing). Throws when the
  // main archive is missing: no face can then be read.
  int AddedFaceCount() const;
  // Every existing face, ascending.
  std::vector<int> Faces() const;

  // The stored image; throws FaceArchiveError naming the face when the
  // archive does not hold it (no such face, past the archive's length or
  // count, missing archive).
  FaceImage Read(int face) const;
  // The image the backup holds; nullopt when there is no backup or it does
  // not hold the face.
  std::optional<FaceImage> ReadBackup(int face) const;

  // Writes the faces (each archive once, the main one first) and returns
  // how many of them changed; an archive none of whose faces change is not
  // written. Nothing is written when any face is refused. Throws FaceArchiveError.
  int Replace(const std::vector<FaceReplacement>& faces, const ReplaceStepObserver& observer = {}) const;
  // Takes the faces back from the backups. Throws when a backup is missing
  // or does not hold a face.
  int Restore(const std::vector<int>& faces, const ReplaceStepObserver& observer = {}) const;

 private:
  std::filesystem::path mainPath_;
  std::filesystem::path addedPath_;
};

// The text of a path for messages: “…”.
std::string QuotedPath(const std::filesystem::path& path);
