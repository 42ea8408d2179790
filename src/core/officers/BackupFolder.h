#pragma once
// The folder of dated copies beside an officer file: TPERSON.VMR.backups/
// holds TPERSON-20261207-203512.VMR and its like, one copy of the file as it
// was on disk before each save or import. Beside the .bak (the file as first
// opened) it keeps every step, so that no save can lose the original.
#include <QDateTime>
#include <filesystem>
#include <string>
#include <vector>

#include "core/officers/OfficerFile.h"

// The newest copies kept; the oldest copy is kept besides, whatever its age.
inline constexpr int kKeptBackupCopies = 30;

// The folder could not be made or written: the save has not begun.
class BackupFolderError : public OfficerFileError {
 public:
  using OfficerFileError::OfficerFileError;
};

std::filesystem::path BackupFolderFor(const std::filesystem::path& file);

struct BackupCopy {
  std::filesystem::path path;
  QDateTime time;    // from the name, to the second
  int sequence = 1;  // 2, 3 … for further copies within the same second
  qint64 size = 0;
};

// The file's copies, oldest first. Files whose names are not the file's
// dated copies are no copies and stay out.
std::vector<BackupCopy> ListBackupCopies(const std::filesystem::path& file);

struct BackupCopyResult {
  std::filesystem::path copy;  // the copy made, or the newest copy holding the same bytes
  bool made = false;
};

// Copies the file as it is on disk into its folder, named after `now`,
// unless the newest copy holds the same bytes; then keeps the newest
// kKeptBackupCopies copies and the oldest one. Throws BackupFolderError when
// the folder or the copy cannot be written (a copy half written is removed).
BackupCopyResult CopyIntoBackupFolder(const std::filesystem::path& file,
                                      const QDateTime& now = QDateTime::currentDateTime());

// "TPERSON.VMR.backups/TPERSON-20261207-203512.VMR": the copy as the player
// finds it beside the file (UTF-8).
std::string BackupCopyShownName(const std::filesystem::path& copy);
