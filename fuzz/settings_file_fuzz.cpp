// Any bytes as velmedit.ini: a directory or none. The directory is the first
// line as the program has always read it: at most 254 bytes, ending at a zero
// byte or after the first line break. A directory that survives the round
// trip through the system's file-name encoding is written back and read again unchanged.
#include <QFile>

#include "FuzzSupport.h"
#include "core/faces/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  static const bool folderSet = [] {
    SetProgramFolder(QString::fromStdString(Scratch().Path().string()));
    return true;
  }();
  Require(folderSet, "the settings live in the scratch folder");

  const QByteArray line = FirstSettingsLine(content);
  Require(line.size() <= kSettingsLineLimit, "the line fits the program's buffer");
  Require(content.startsWith(line), "the line is the start of the file");
  Require(!line.contains('\0'), "a zero byte ends the line");
  const qsizetype lineBreak = line.indexOf('\n');
  Require(lineBreak < 0 || lineBreak == line.size() - 1, "the line ends after its first line break");
  const bool cutShort = line.size() < std::min<qsizetype>(content.size(), kSettingsLineLimit);
  Require(!cutShort || content.at(line.size()) == '\0' || line.endsWith('\n'), "the line ends only where it must");

  const std::filesystem::path file = Scratch() / kSettingsFileName;
  WriteBytes(file, std::vector<unsigned char>(data, data + size));
#ifndef _WIN32
  const QString directory = ReadSettingsFile();
  Require(directory == QFile::decodeName(line), "the file gives its first line");
  if (QFile::encodeName(directory) == line) {
    Require(WriteSettingsFile(directory), "the settings file can be written");
    Require(ReadSettingsFile() == directory, "a written directory reads back unchanged");
  }
#endif
  return 0;
}
