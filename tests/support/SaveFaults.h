#pragma once
// Faults for a save to meet: a full disk without a disk (the process may not
// write files past a size), and a disk that gives back other bytes.
#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <vector>

#include "core/officers/OfficerFile.h"
#include "support/TempDir.h"

// Every file written by this process is limited to `bytes` while it lives: a
// write past that fails as it does on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

// For a save's step observer: the file is overwritten right after the new
// file took its place, as if the disk gave back other bytes than it took.
inline SaveStepObserver CorruptAfterReplace(std::filesystem::path file) {
  return [file = std::move(file)](SaveStep step) {
    if (step == SaveStep::Replaced) WriteBytes(file, std::vector<unsigned char>(kOfficerFileSize, 0xAA));
  };
}
