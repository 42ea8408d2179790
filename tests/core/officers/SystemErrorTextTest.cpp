// A failed file operation reads the same on Linux and on Windows: Windows'
// wording (English, Chinese, Wine's) turns into the Linux message.
#include <gtest/gtest.h>

#include <QString>

#include "core/officers/SystemErrorText.h"

namespace {

std::string Said(const char* system) { return SystemErrorText(QString::fromUtf8(system)); }

TEST(SystemErrorTextTest, WindowsWordsReadAsTheLinuxMessage) {
  const std::string missing = "文件或文件夹不存在（No such file or directory）";
  EXPECT_EQ(Said("No such file or directory"), missing);
  EXPECT_EQ(Said("The system cannot find the file specified."), missing);
  EXPECT_EQ(Said("The system cannot find the path specified."), missing);
  EXPECT_EQ(Said("File not found."), missing);
  EXPECT_EQ(Said("系统找不到指定的文件。"), missing);
  EXPECT_EQ(Said("Access is denied."), "没有权限（Permission denied）");
  EXPECT_EQ(Said("拒绝访问。"), "没有权限（Permission denied）");
  EXPECT_EQ(Said("The process cannot access the file because it is being used by another process."),
            "文件正被其他程序使用（Device or resource busy）");
  EXPECT_EQ(Said("There is not enough space on the disk."), "磁盘空间不足（No space left on device）");
  EXPECT_EQ(Said("The media is write protected."), "文件系统是只读的（Read-only file system）");
}

TEST(SystemErrorTextTest, UnknownWordsStayAsTheSystemSaidThem) {
  EXPECT_EQ(Said("The network name cannot be found."), "The network name cannot be found.");
  EXPECT_EQ(Said(""), "");
}

}  // namespace
