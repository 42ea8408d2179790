#pragma once
// Whether a file given as the registration file is likely one at all: the
// game writes exactly 28,604 bytes, and its officers hold few values no
// panel could store. The window asks about each doubt before it opens the
// file; the commands refuse the file unless --force. A shorter file is no
// doubt but an error: LoadOfficerFileHead refuses it.
#include <QString>
#include <string>
#include <vector>

#include "core/officers/OfficerRecord.h"

struct FileDoubt {
  enum class Kind {
    Size,              // longer than 28,604 bytes; `count` is its size
    ImpossibleValues,  // more than a quarter of the slots hold impossible values; `count` is their number
  };
  Kind kind = Kind::Size;
  long long count = 0;
  // "/存档/x.json 的大小为 30000 字节，不是 28604 字节" (UTF-8): what the
  // window asks about and a command refuses for, without the question or
  // the refusal that each adds.
  std::string explanation;
};

// The doubts about a file of `fileSize` bytes, named `shownPath`, whose
// first 28,604 bytes hold `table`; the size first, as the window asks.
std::vector<FileDoubt> DoubtsAbout(const QString& shownPath, long long fileSize, const OfficerTable& table);

// The doubts about the file at `path`, whose first 28,604 bytes are `head`:
// its size as the disk has it, its name as ShownFileName gives it.
std::vector<FileDoubt> DoubtsAboutFile(const QString& path, const std::vector<unsigned char>& head);

// The file's path as given (the open dialog gives it whole), in the
// system's form, as the doubts name it.
QString ShownFileName(const QString& path);
