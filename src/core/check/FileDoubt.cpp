#include "core/check/FileDoubt.h"

#include <QDir>
#include <QFileInfo>

#include "core/check/ValueRules.h"
#include "core/language/CoreText.h"

namespace {

std::string Tr(const char* text, std::initializer_list<std::string_view> pieces) { return CoreText("FileDoubt", text, pieces); }

}  // namespace

std::vector<FileDoubt> DoubtsAbout(const QString& shownPath, long long fileSize, const OfficerTable& table) {
  std::vector<FileDoubt> doubts;
  // Only the first 28,604 bytes are the game's; a longer file may be something else.
  if (fileSize > static_cast<long long>(kOfficerFileSize)) {
    doubts.push_back(
        {FileDoubt::Kind::Size, fileSize,
         Tr(QT_TRANSLATE_NOOP("FileDoubt", "%1 的大小为 %2 字节，不是 28604 字节"), {shownPath.toStdString(), std::to_string(fileSize)})});
  }
  // Random bytes hold several impossible values in most slots; a real file
  // holds them in a few slots at most (a slot the game left half written).
  const ImplausibleCount count = CountImpossibleValues(table);
  if (count.slotCount * 4 > static_cast<int>(kSlotCount)) {
    doubts.push_back(
        {FileDoubt::Kind::ImpossibleValues, count.valueCount,
         Tr(QT_TRANSLATE_NOOP("FileDoubt", "文件看起来不是武将登录档（%1 处不可能的值）"), {std::to_string(count.valueCount)})});
  }
  return doubts;
}

std::vector<FileDoubt> DoubtsAboutFile(const QString& path, const std::vector<unsigned char>& head) {
  return DoubtsAbout(ShownFileName(path), QFileInfo(path).size(), TableOfHead(head));
}

QString ShownFileName(const QString& path) { return QDir::toNativeSeparators(path); }
