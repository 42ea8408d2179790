#pragma once
// The game's two face archives, open from start-up (or the last choice of
// installation directory) to exit. Either may be absent.
#include <QString>
#include <memory>

#include "core/faces/FaceArchive.h"

class FaceArchivePair {
 public:
  void Open(const QString& directory) {
    directory_ = directory;
    main_ = FaceArchive::Open(ArchivePath(directory, kMainArchiveName));
    added_ = FaceArchive::Open(ArchivePath(directory, kAddedArchiveName));
  }
  void Set(std::unique_ptr<FaceArchive> main, std::unique_ptr<FaceArchive> added) {
    main_ = std::move(main);
    added_ = std::move(added);
  }
  void Close() {
    directory_.clear();
    main_.reset();
    added_.reset();
  }
  // Closes both files but keeps the directory for Reopen(): a file held open
  // cannot be replaced on Windows, and on Linux a stream kept open would go
  // on reading the replaced file. Pointers taken from Main() / Added() /
  // For() die here.
  void CloseFiles() {
    main_.reset();
    added_.reset();
  }
  // Opens the archives of the kept directory again (none when it is empty).
  void Reopen() {
    if (!directory_.isEmpty()) Open(directory_);
  }
  // The installation directory the archives were opened from; empty when closed.
  const QString& Directory() const { return directory_; }
  FaceArchive* Main() const { return main_.get(); }  // grp/grpfaces.vmr, null when absent
  FaceArchive* Added() const { return added_.get(); }  // grp/grpaface.vmr, null when absent
  // The archive that holds a face number: the added one from 2000 on.
  FaceArchive* For(int face) const { return face >= kFirstAddedFace ? Added() : Main(); }

 private:
  QString directory_;
  std::unique_ptr<FaceArchive> main_;
  std::unique_ptr<FaceArchive> added_;
};
