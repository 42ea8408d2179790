// Any bytes as the user.reg of a Wine prefix: the game's directory or none,
// never a crash or a hang. A directory found is a path inside the prefix
// (its drive links or a folder below them), and the whole reading agrees
// with looking the value up and turning it into a path by hand.
#include <QString>

#include "FuzzSupport.h"
#include "core/faces/InstallRegistry.h"

namespace {

// A prefix with drive C linked to drive_c, and the game's folders in one letter case.
const QString& Prefix() {
  static const QString prefix = [] {
    const std::filesystem::path root = Scratch() / "wine";
    std::filesystem::create_directories(root / "drive_c" / "Games" / "Velmora TC");
    std::filesystem::create_directories(root / "dosdevices");
    std::filesystem::create_directory_symlink("../drive_c", root / "dosdevices" / "c:");
    return QString::fromStdString(std::filesystem::canonical(root).string());
  }();
  return prefix;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString& prefix = Prefix();
  const QByteArray userReg(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const std::optional<QString> value = wine::RegistryValue(userReg, QStringView(kInstallKey), QStringView(kInstallValue));
  if (value) Require(!value->contains(QChar(0)), "a registry text ends at its first zero");

  WriteBytes(Scratch() / "wine" / "user.reg", std::vector<unsigned char>(data, data + size));
  const std::optional<QString> directory = wine::ReadInstallDir(prefix);
  Require(directory.has_value() == value.has_value(), "a directory is found exactly when the key is there");
  if (!directory) return 0;
  Require(*directory == wine::UnixPath(prefix, *value), "the directory is the value's path in the prefix");
  Require(directory->isEmpty() == value->isEmpty(), "an empty value gives no directory");
  if (!directory->isEmpty()) {
    Require(directory->startsWith(prefix + u'/'), "the directory lies inside the prefix");
    Require(!directory->contains(u"/../") && !directory->endsWith(u"/.."), "the directory never climbs out");
  }
  return 0;
}
