#pragma once
// A Wine prefix of our own making: drive_c, the drive link dosdevices/c:
// and a user.reg written the way Wine writes it.
#include <filesystem>
#include <string>
#include <vector>

#include "support/TempDir.h"

class FakeWinePrefix {
 public:
  explicit FakeWinePrefix(std::filesystem::path root) : root_(std::move(root)) {
    std::filesystem::create_directories(root_ / "drive_c");
    std::filesystem::create_directories(root_ / "dosdevices");
    std::filesystem::create_directory_symlink("../drive_c", root_ / "dosdevices" / "c:");
  }

  const std::filesystem::path& Root() const { return root_; }
  std::filesystem::path DriveC() const { return root_ / "drive_c"; }

  // user.reg with Wine's header and the given sections.
  void WriteUserReg(const std::string& sections) const {
    const std::string text =
        "WINE REGISTRY Version 2\n"
        ";; All keys relative to \\\\User\\\\S-1-5-21-1111111111-2222222222-3333333333-1000\n"
        "\n#arch=win64\n\n"
        "[Software\\\\Wine] 1700000000\n#time=1da0a0a0a0a0a0a\n\"Version\"=\"win10\"\n\n" +
        sections;
    WriteBytes(root_ / "user.reg", std::vector<unsigned char>(text.begin(), text.end()));
  }

  // The game's key with the given value lines, as Wine writes a section.
  static std::string InstallSection(const std::string& valueLines) {
    return "[Software\\\\Orvane\\\\Velmora TC\\\\Install] 1700000123\n#time=1da1b2c3d4e5f60\n" + valueLines + "\n";
  }

 private:
  std::filesystem::path root_;
};
