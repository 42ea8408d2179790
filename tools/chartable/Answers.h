#pragma once
// What each code of each direction converts to, decided per code before any
// row is laid out.
#include <map>

#include "chartable/CodeSets.h"
#include "chartable/Dictionaries.h"

namespace chartable {

// Source code -> counterpart; kNoCode where the target set has no form of
// the character. A code missing here occurs in no row.
using AnswerMap = std::map<Code, Code>;

struct Answers {
  AnswerMap big5ToGbk, gbkToBig5, shiftJisToBig5;
  std::size_t gbkFromUnihan = 0, big5FromUnihan = 0, shiftJisFromUnihan = 0;
};

struct CodeSets {
  CodeSet gbk, big5, shiftJis;
};

Answers DecideAnswers(const CodeSets& sets, const Dictionaries& d);

}  // namespace chartable
