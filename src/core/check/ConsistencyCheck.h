#pragma once
// A registration file read for things the game or the editor would trip on:
// relationships to empty slots or to the officer itself, parents born after
// their child, deaths before birth or first appearance, abilities above the
// editor's own maximum of 99, enumeration values outside their lists, texts
// that are not Big5, and faces the archives do not hold.
//
// Only registered officers (a surname or a given name) are checked.
#include <string>
#include <vector>

class FaceArchivePair;

struct Finding {
  int slot = -1;
  std::string field;    // exchange field name
  std::string kind;     // a short fixed word: "relationship", "years", ...
  bool warning = false; // abilities above 99: allowed, but not what the editor proposes
  std::string message;  // UTF-8
};

// `head` is the file's first 28,604 bytes. Faces are checked only when
// `archives` has at least one archive open.
std::vector<Finding> CheckOfficerFile(const std::vector<unsigned char>& head, const FaceArchivePair* archives);

// "3 (653) father：……" for the text report.
std::string FormatFinding(const Finding& finding);
