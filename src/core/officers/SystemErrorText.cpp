#include "core/officers/SystemErrorText.h"

#include <array>
#include <utility>

namespace {

struct Known {
  std::errc code;
  const char* english;  // as strerror and Qt word it
  const char* chinese;
};

constexpr std::array<Known, 8> kKnown{{
    {std::errc::no_such_file_or_directory, "No such file or directory", "文件或文件夹不存在"},
    {std::errc::permission_denied, "Permission denied", "没有权限"},
    {std::errc::operation_not_permitted, "Operation not permitted", "不允许这样操作"},
    {std::errc::read_only_file_system, "Read-only file system", "文件系统是只读的"},
    {std::errc::no_space_on_device, "No space left on device", "磁盘空间不足"},
    {std::errc::is_a_directory, "Is a directory", "这是一个文件夹"},
    {std::errc::file_too_large, "File too large", "文件太大"},
    {std::errc::io_error, "Input/output error", "读写设备出错"},
}};

}  // namespace

std::string SystemErrorText(const QString& systemMessage) {
  for (const Known& known : kKnown) {
    if (systemMessage.contains(QLatin1String(known.english), Qt::CaseInsensitive)) return known.chinese;
  }
  // QSaveFile: "Existing file <name> is not writable".
  if (systemMessage.contains(QLatin1String("is not writable"))) return "文件不可写";
  return systemMessage.toStdString();
}

std::string SystemErrorText(const std::error_code& error) {
  for (const Known& known : kKnown) {
    if (error == known.code) return known.chinese;
  }
  return error.message();
}
