// Writes the converter's character table: a 4-byte header, then three
// columns (GBK, Big5, Shift-JIS) of 20,292 two-byte codes each.
//
//   gen_char_table OUTPUT [OPENCC_DIR [UNICODE_DIR]]
//
// OPENCC_DIR holds OpenCC's dictionaries (default /usr/share/opencc);
// UNICODE_DIR holds UnicodeData.txt and Unihan_Variants.txt, plain or
// bzip2-compressed (default /usr/share/unicode, Debian's unicode-data). The
// code sets are glibc's iconv CP936, CP950 (with the ETEN kana and symbols of
// C6A1-C8FE) and CP932.
//
// The answer of every code is decided first, per direction:
// - Big5 -> GBK (what the player sees): OpenCC's usual simplified form where
//   GB2312 has it but not the character itself (後 -> 后, 週 -> 周, 餘 -> 余);
//   else OpenCC's simplified form where GB2312 has it, of several the one
//   stored back as the same code; else the character itself by its GBK
//   code, also beyond GB2312; else a Unihan simplified or variant form;
//   else "??".
// - GBK -> Big5 (what is stored): OpenCC's traditional form in Taiwan's
//   writing (机 -> 機, 后 -> 後, 为 -> 為; 家 系 谷 stay where OpenCC keeps
//   them); a few name characters are stored as typed (see Answers.cpp);
//   else the character itself (禕 -> E2 FC); else a Unihan form; else "??".
//   Codes beyond GB2312 get rows only when Big5 has the character or OpenCC
//   gives a form of it; the others stay unknown.
// - Shift-JIS -> Big5: the same character where Big5 has it (a
//   compatibility ideograph of the IBM rows counting as its unified one);
//   else OpenCC's traditional form of the Japanese one (権 -> 權, 関 -> 關),
//   or a short list's traditional form of an extended new form (鴬 -> 鶯,
//   see Answers.cpp); else a Unihan variant; else "??". Kana go to the ETEN
//   codes.
// Then rows are laid out that give exactly those answers under the rule that
// a code's first row with a real counterpart decides: one row per GBK/Big5
// pair that some code's answer needs, each Shift-JIS code joined to a row
// holding its answer in column 2 (or a row of its own), in ascending Unicode
// order of the characters they answer for, except that a row holding a code
// it does not answer comes after the row that does. Duplicate codes (Big5
// A2CC, A2CE, F9xx; CP932's NEC and IBM rows) answer like their characters.
// Rows left over repeat the last real row, which changes no answer. More
// rows than the table has is an error.
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "chartable/Answers.h"
#include "chartable/CodeSets.h"
#include "chartable/Dictionaries.h"
#include "chartable/RowLayout.h"
#include "chartable/WriteBytes.h"

namespace {

constexpr std::size_t kRows = 20292;
constexpr const char* kDefaultOpenCc = "/usr/share/opencc";
constexpr const char* kDefaultUnicode = "/usr/share/unicode";

// A file of the Unicode folder, plain or bzip2-compressed.
std::string UnicodeFile(const std::string& dir, const std::string& name) {
  const std::string plain = dir + "/" + name;
  return std::ifstream(plain) ? plain : plain + ".bz2";
}

void Put(std::string& out, chartable::Code code) {
  out += static_cast<char>(code & 0xFF);
  out += static_cast<char>(code >> 8);
}

std::size_t CountNone(const chartable::AnswerMap& answers) {
  std::size_t none = 0;
  for (const auto& entry : answers) none += entry.second == chartable::kNoCode;
  return none;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 4) {
    std::fprintf(stderr, "usage: %s OUTPUT [OPENCC_DIR [UNICODE_DIR]]\n", argv[0]);
    return 2;
  }
  try {
    using namespace chartable;
    const std::string unicode = argc == 4 ? argv[3] : kDefaultUnicode;
    const Dictionaries dictionaries =
        LoadDictionaries(argc >= 3 ? argv[2] : kDefaultOpenCc, UnicodeFile(unicode, "Unihan_Variants.txt"),
                         UnicodeFile(unicode, "UnicodeData.txt"));
    const CodeSets sets{GbkSet(), Big5Set(), ShiftJisSet()};
    const Answers answers = DecideAnswers(sets, dictionaries);

    std::vector<Row> rows = LayOutRows(answers, sets);
    if (const std::size_t wrong = CountWrongAnswers(rows, answers)) {
      std::fprintf(stderr, "the rows give %zu codes another answer than decided\n", wrong);
      return 1;
    }
    if (rows.size() > kRows) {
      std::fprintf(stderr, "%zu rows are needed, but the table has only %zu\n", rows.size(), kRows);
      return 1;
    }
    const std::size_t needed = rows.size();
    rows.resize(kRows, rows.back());

    std::string out = {'D', 'O', '\0', '\0'};
    for (const Row& r : rows) Put(out, r.gbk);
    for (const Row& r : rows) Put(out, r.big5);
    for (const Row& r : rows) Put(out, r.shiftJis);

    if (!chartable::WriteBytes(argv[1], out)) return 1;
    std::fprintf(stderr,
                 "%zu rows, %zu repeated\n"
                 "Big5 -> GBK: %zu codes, %zu \"??\", %zu from Unihan\n"
                 "GBK -> Big5: %zu codes, %zu \"??\", %zu from Unihan\n"
                 "Shift-JIS -> Big5: %zu codes, %zu \"??\", %zu from Unihan\n",
                 needed, kRows - needed, answers.big5ToGbk.size(), CountNone(answers.big5ToGbk),
                 answers.gbkFromUnihan, answers.gbkToBig5.size(), CountNone(answers.gbkToBig5),
                 answers.big5FromUnihan, answers.shiftJisToBig5.size(), CountNone(answers.shiftJisToBig5),
                 answers.shiftJisFromUnihan);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "gen_char_table: %s\n", e.what());
    return 1;
  }
  return 0;
}
