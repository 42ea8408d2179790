#pragma once
// A face archive of the game (grp/grpfaces.vmr or grp/grpaface.vmr).
// Placeholder interface; the reading arrives with the portraits.
#include <filesystem>

class FaceArchive {
 public:
  explicit FaceArchive(const std::filesystem::path& path) : path_(path) {}
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};
