#include "core/officers/SystemErrorText.h"

#include <array>
#include <utility>

#include "core/language/CoreText.h"

namespace {

struct Known {
  std::errc code;
  const char* english;  // as strerror and Qt word it
  const char* chinese;
};

constexpr std::array<Known, 9> kKnown{{
    {std::errc::no_such_file_or_directory, "No such file or directory", QT_TRANSLATE_NOOP("SystemErrorText", "文件或文件夹不存在")},
    {std::errc::permission_denied, "Permission denied", QT_TRANSLATE_NOOP("SystemErrorText", "没有权限")},
    {std::errc::operation_not_permitted, "Operation not permitted", QT_TRANSLATE_NOOP("SystemErrorText", "不允许这样操作")},
    {std::errc::read_only_file_system, "Read-only file system", QT_TRANSLATE_NOOP("SystemErrorText", "文件系统是只读的")},
    {std::errc::no_space_on_device, "No space left on device", QT_TRANSLATE_NOOP("SystemErrorText", "磁盘空间不足")},
    {std::errc::is_a_directory, "Is a directory", QT_TRANSLATE_NOOP("SystemErrorText", "这是一个文件夹")},
    {std::errc::file_too_large, "File too large", QT_TRANSLATE_NOOP("SystemErrorText", "文件太大")},
    {std::errc::io_error, "Input/output error", QT_TRANSLATE_NOOP("SystemErrorText", "读写设备出错")},
    {std::errc::device_or_resource_busy, "Device or resource busy", QT_TRANSLATE_NOOP("SystemErrorText", "文件正被其他程序使用")},
}};

// Windows words the same failures otherwise (Windows itself, in English and
// in Chinese, and Wine); its message is shown as the Linux program shows it.
struct WindowsWords {
  const char* words;
  std::errc code;
};

constexpr std::array<WindowsWords, 16> kWindowsWords{{
    {"cannot find the file specified", std::errc::no_such_file_or_directory},
    {"cannot find the path specified", std::errc::no_such_file_or_directory},
    {"File not found", std::errc::no_such_file_or_directory},
    {"Path not found", std::errc::no_such_file_or_directory},
    {"找不到指定的", std::errc::no_such_file_or_directory},
    {"Access is denied", std::errc::permission_denied},
    {"Access denied", std::errc::permission_denied},
    {"拒绝访问", std::errc::permission_denied},
    {"being used by another process", std::errc::device_or_resource_busy},
    {"Sharing violation", std::errc::device_or_resource_busy},
    {"另一个程序正在使用此文件", std::errc::device_or_resource_busy},
    {"not enough space on the disk", std::errc::no_space_on_device},
    {"Disk full", std::errc::no_space_on_device},
    {"磁盘空间不足", std::errc::no_space_on_device},
    {"write protected", std::errc::read_only_file_system},
    {"写入保护", std::errc::read_only_file_system},
}};

// The system's own words follow the Chinese, for whoever searches them.
std::string WithSystemWords(const char* chinese, const std::string& system) {
  return CoreText("SystemErrorText", QT_TRANSLATE_NOOP("SystemErrorText", "%1（%2）"), {CoreText("SystemErrorText", chinese, {}), system});
}

}  // namespace

std::string SystemErrorText(const QString& systemMessage) {
  const std::string system = systemMessage.toStdString();
  for (const Known& known : kKnown) {
    if (systemMessage.contains(QLatin1String(known.english), Qt::CaseInsensitive)) {
      return WithSystemWords(known.chinese, system);
    }
  }
  for (const WindowsWords& windows : kWindowsWords) {
    if (!systemMessage.contains(QString::fromUtf8(windows.words), Qt::CaseInsensitive)) continue;
    for (const Known& known : kKnown) {
      if (known.code == windows.code) return WithSystemWords(known.chinese, known.english);
    }
  }
  // QSaveFile: "Existing file <name> is not writable".
  if (systemMessage.contains(QLatin1String("is not writable")))
    return WithSystemWords(QT_TRANSLATE_NOOP("SystemErrorText", "文件不可写"), system);
  return system;
}

std::string SystemErrorText(const std::error_code& error) {
  for (const Known& known : kKnown) {
    if (error == known.code) return WithSystemWords(known.chinese, error.message());
  }
  return error.message();
}
