#include "core/officers/SystemErrorText.h"

#include <array>
#include <utility>

namespace {

struct Known {
  std::errc code;
  const char* english;  // as strerror and Qt word it
  const char* chinese;
};

// The last three are Windows' wording of the same failures.
constexpr std::array<Known, 11> kKnown{{
    {std::errc::no_such_file_or_directory, "No such file or directory", "文件或文件夹不存在"},
    {std::errc::permission_denied, "Permission denied", "没有权限"},
    {std::errc::operation_not_permitted, "Operation not permitted", "不允许这样操作"},
    {std::errc::read_only_file_system, "Read-only file system", "文件系统是只读的"},
    {std::errc::no_space_on_device, "No space left on device", "磁盘空间不足"},
    {std::errc::is_a_directory, "Is a directory", "这是一个文件夹"},
    {std::errc::file_too_large, "File too large", "文件太大"},
    {std::errc::io_error, "Input/output error", "读写设备出错"},
    {std::errc::permission_denied, "Access is denied", "没有权限"},
    {std::errc::device_or_resource_busy, "being used by another process", "文件正被其他程序使用"},
    {std::errc::no_space_on_device, "not enough space on the disk", "磁盘空间不足"},
}};

// The system's own words follow the Chinese, for whoever searches them.
std::string WithSystemWords(const char* chinese, const std::string& system) {
  return std::string(chinese) + "（" + system + "）";
}

}  // namespace

std::string SystemErrorText(const QString& systemMessage) {
  const std::string system = systemMessage.toStdString();
  for (const Known& known : kKnown) {
    if (systemMessage.contains(QLatin1String(known.english), Qt::CaseInsensitive)) {
      return WithSystemWords(known.chinese, system);
    }
  }
  // QSaveFile: "Existing file <name> is not writable".
  if (systemMessage.contains(QLatin1String("is not writable"))) return WithSystemWords("文件不可写", system);
  return system;
}

std::string SystemErrorText(const std::error_code& error) {
  for (const Known& known : kKnown) {
    if (error == known.code) return WithSystemWords(known.chinese, error.message());
  }
  return error.message();
}
