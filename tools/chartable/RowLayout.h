#pragma once
// Lays out table rows that give exactly the decided answers under the
// converter's rule that a code's first row with a real counterpart decides.
#include <vector>

#include "chartable/Answers.h"

namespace chartable {

struct Row {
  Code gbk = kNoCode, big5 = kNoCode, shiftJis = kNoCode;
};

// Rows in ascending Unicode order of the characters they carry, except that
// a row holding a code it does not decide comes after the row that does.
std::vector<Row> LayOutRows(const Answers& answers, const CodeSets& sets);

// Codes whose lookup in the rows differs from the decided answer (none when
// the layout is right).
std::size_t CountWrongAnswers(const std::vector<Row>& rows, const Answers& answers);

}  // namespace chartable
