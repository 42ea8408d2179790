// Writes the program's GBK and Big5 code pages, so that text is decoded and
// encoded alike on every platform, whatever converters its Qt has.
//
//   gen_code_pages OUTPUT
//
// GBK is glibc's iconv CP936 (its single byte 80 is the euro sign); Big5 is
// CP950 with the ETEN kana and symbols of C6A1-C8FE that the game's font has
// (see chartable/CodeSets.h). Private-use characters are left out.
//
// The file, all numbers little-endian 16-bit:
//   "VCP1"
//   then for GBK and then Big5:
//     pair count P, other count O
//     P pairs (code, BMP code point), in code order
//     O codes that are not their character's own code
// A code is first byte + 256 * second byte; a single-byte code has a zero
// second byte. Encoding writes a character's own code: the one of its codes
// that is not among the others (none when all are).
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "chartable/CodeSets.h"
#include "chartable/WriteBytes.h"

namespace {

using chartable::Code;
using chartable::CodeChar;
using chartable::CodeSet;

void Put(std::string& out, unsigned value) {
  if (value > 0xFFFF) throw std::runtime_error("a count does not fit in 16 bits");
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8);
}

struct PageCounts {
  std::size_t pairs = 0, others = 0;
};

// The single-byte codes first, then the two-byte ones.
PageCounts PutPage(std::string& out, const CodeSet& singles, const CodeSet& doubles) {
  std::vector<CodeChar> pairs = singles.codes;
  pairs.insert(pairs.end(), doubles.codes.begin(), doubles.codes.end());
  std::vector<Code> others;
  for (const CodeChar& c : pairs) {
    const Code single = singles.Of(c.cp), pair = doubles.Of(c.cp);
    if (single != 0 && pair != 0) throw std::runtime_error("a character has a single-byte and a two-byte own code");
    if ((single ? single : pair) != c.code) others.push_back(c.code);
  }
  Put(out, static_cast<unsigned>(pairs.size()));
  Put(out, static_cast<unsigned>(others.size()));
  for (const CodeChar& c : pairs) {
    Put(out, c.code);
    Put(out, static_cast<unsigned>(c.cp));
  }
  for (const Code code : others) Put(out, code);
  return {pairs.size(), others.size()};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
    return 2;
  }
  try {
    std::string out = "VCP1";
    const PageCounts gbk = PutPage(out, chartable::GbkSingleBytes(), chartable::GbkSet());
    const PageCounts big5 = PutPage(out, chartable::Big5SingleBytes(), chartable::Big5Set());

    if (!chartable::WriteBytes(argv[1], out)) return 1;
    std::fprintf(stderr, "GBK: %zu codes, %zu not their character's own\nBig5: %zu codes, %zu not their character's own\n",
                 gbk.pairs, gbk.others, big5.pairs, big5.others);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "gen_code_pages: %s\n", e.what());
    return 1;
  }
  return 0;
}
