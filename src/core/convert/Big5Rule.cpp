#include "core/convert/Big5Rule.h"

#include "core/convert/Jislib.h"

// A Big5 character without a GBK counterpart still stands in the table (its
// GBK answer is "??"); only codes in no row at all are undefined.
bool Big5Defines(std::uint16_t code) { return IsBig5Form(code) && Big5ToGbkCode(code) != 0; }
