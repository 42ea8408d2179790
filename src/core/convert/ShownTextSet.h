#pragma once
// Surname, given name, courtesy name and biography as the editor panel shows
// them: GBK bytes, the biography with CR LF line breaks.
#include <string>

struct ShownTextSet {
  std::string Xing, Ming, Zi, Story;
};
