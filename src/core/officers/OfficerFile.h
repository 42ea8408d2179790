#pragma once
// Loading TPERSON.VMR into the officer table and saving the table back in place.
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/officers/OfficerRecord.h"

// A file that cannot be read, is too short, or cannot be written safely.
// The message (UTF-8) names the file and the reason.
class OfficerFileError : public std::runtime_error {
 public:
  explicit OfficerFileError(const std::string& message, bool fileReplaced = false)
      : std::runtime_error(message), fileReplaced_(fileReplaced) {}
  // The save failed after the new file had taken the old one's place (its
  // read-back differed): the backup is then the only copy of the old file.
  bool FileReplaced() const { return fileReplaced_; }

 private:
  bool fileReplaced_;
};

// Reads the 110 slots from the file's first 28,604 bytes; anything after them
// is not read. Throws OfficerFileError when the file cannot be read or is
// shorter than that; nothing is returned then, so the caller's table stays as
// it was.
OfficerTable LoadOfficerFile(const std::filesystem::path& path);

// The file's first 28,604 bytes (header and records) as LoadOfficerFile
// reads them, with the same refusals.
std::vector<unsigned char> LoadOfficerFileHead(const std::filesystem::path& path);

// The bytes a save produces from the file's current bytes: the header, the
// preserved ranges and anything past 28,604 bytes are kept; every field the
// editor knows comes from the table.
std::vector<unsigned char> MergeTableIntoFile(std::vector<unsigned char> current, const OfficerTable& table);

// The steps of a save, in their order: the backup is complete, the new
// file is complete beside the old one, the new file has replaced the old one.
enum class SaveStep { BackupWritten, NewFileWritten, Replaced };
using SaveStepObserver = std::function<void(SaveStep)>;

// Copies the file to path + ".bak" (written beside it and renamed, so that a
// copy that fails leaves an earlier backup), then replaces the file with the
// merged bytes in one rename and reads it back. Every error message says
// whether the file is still the old one. Bytes past 28,604 are carried over
// in chunks, so memory stays the same for a file of any length. Throws
// OfficerFileError when the backup cannot be made (nothing is written then),
// when the file cannot be read or written, or when the read-back differs.
// Returns the first 28,604 bytes written.
enum class BackupMode {
  Make,  // the backup takes the file as it is now
  Keep,  // an existing backup stays: it holds the file as first opened
};
struct SaveOptions {
  BackupMode backup = BackupMode::Make;
  // A file that is no longer there (moved away since it was opened) is
  // written anew from these bytes with the table over them, without a
  // backup; with none given, that is an error.
  std::vector<unsigned char> headWhenMissing;
  // The header and the preserved bytes come from these bytes (a copy the
  // player brought back) instead of the file's; empty for the file's.
  std::vector<unsigned char> base;
  // Told each step as the save reaches it (tests stop or disturb a save
  // between them); none by default.
  SaveStepObserver stepObserver;
};
std::vector<unsigned char> SaveOfficerFile(const std::filesystem::path& path, const OfficerTable& table,
                                           const SaveOptions& options = {});

std::filesystem::path BackupPathFor(const std::filesystem::path& path);
