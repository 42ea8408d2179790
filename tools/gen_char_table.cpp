// Writes the converter's character table: a 4-byte header, then three
// columns (GBK, Big5, Shift-JIS) of 20,292 two-byte codes each, one row per
// Unicode character from U+0080 to U+FFE5 that at least one of the three sets
// has, in ascending Unicode order; rows left over are "??" throughout.
//
//   gen_char_table OUTPUT [UNIHAN_VARIANTS]
//
// UNIHAN_VARIANTS is Unihan_Variants.txt, plain or bzip2-compressed; without
// it the file of Debian's unicode-data package is used. The code sets come
// from glibc's iconv: CP936 (only codes in GB2312's byte range count), CP950
// and CP932, BIG5-HKSCS for the ETEN kana and symbols in C6A1-C8FE, and the
// user-defined area of CP936 in AAA1-AFFE.
//
// Column 1 holds the character's code, else that of its simplified form;
// column 2 its Big5 code, else that of its traditional form; column 3 its
// Shift-JIS code, else that of the form column 2 holds, else of a Japanese
// variant of that form (one that Big5 lacks, such as 関 for 關). A character
// that GB2312 and Big5 both lack takes columns 1 and 2 from its semantic or
// Z variants, the frequent (level-1) characters of a set first. "??" stands
// where nothing fits.
#include <bzlib.h>
#include <iconv.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kRows = 20292;
constexpr std::uint16_t kNoCode = 0x3F3F;  // "??"
constexpr char32_t kFirst = 0x0080;
constexpr char32_t kLast = 0xFFE5;
constexpr const char* kDefaultUnihan[] = {"/usr/share/unicode/Unihan_Variants.txt.bz2",
                                          "/usr/share/unicode/Unihan_Variants.txt"};

// A code as the converter keeps it: first byte + 256 * second byte; a
// single-byte code has a zero second byte. 0 means the set lacks the character.
using Code = std::uint16_t;
using CodeMap = std::vector<Code>;  // indexed by code point, 0x10000 entries

class Converter {
 public:
  Converter(const char* to, const char* from) {
    cd_ = iconv_open(to, from);
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts a whole input; empty result when iconv refuses any part of it.
  std::string Run(const std::string& input) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out(16, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    if (iconv(cd_, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0) return {};
    if (iconv(cd_, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return {};
    out.resize(out.size() - outLeft);
    return out;
  }

 private:
  iconv_t cd_;
};

std::string Utf32(char32_t cp) {
  std::string s(4, '\0');
  for (int i = 0; i < 4; ++i) s[i] = static_cast<char>((cp >> (8 * i)) & 0xFF);
  return s;
}

// The single BMP code point that UTF-32LE bytes hold, or 0.
char32_t SingleCodePoint(const std::string& utf32) {
  if (utf32.size() != 4) return 0;
  char32_t cp = 0;
  for (int i = 3; i >= 0; --i) cp = (cp << 8) | static_cast<unsigned char>(utf32[i]);
  return cp <= 0xFFFF ? cp : 0;
}

Code ToCode(const std::string& bytes) {
  if (bytes.size() == 1) return static_cast<unsigned char>(bytes[0]);
  if (bytes.size() == 2) {
    return static_cast<Code>(static_cast<unsigned char>(bytes[0]) | static_cast<unsigned char>(bytes[1]) << 8);
  }
  return 0;
}

std::string FromCode(Code code) {
  std::string s(1, static_cast<char>(code & 0xFF));
  if (code >> 8) s += static_cast<char>(code >> 8);
  return s;
}

bool IsSurrogate(char32_t cp) { return cp >= 0xD800 && cp <= 0xDFFF; }

bool IsIdeograph(char32_t cp) {
  return (cp >= 0x3400 && cp <= 0x4DBF) || (cp >= 0x4E00 && cp <= 0x9FFF) || (cp >= 0xF900 && cp <= 0xFAFF);
}

// Every code point's code in a code page, kept only where the code converts
// back to the same code point (so one-way fallbacks stay out).
CodeMap EncodeAll(const char* codePage) {
  Converter encode(codePage, "UTF-32LE");
  Converter decode("UTF-32LE", codePage);
  CodeMap map(0x10000, 0);
  for (char32_t cp = kFirst; cp <= kLast; ++cp) {
    if (IsSurrogate(cp)) continue;
    const std::string bytes = encode.Run(Utf32(cp));
    const Code code = ToCode(bytes);
    if (code == 0 || (code & 0xFF) < 0x80) continue;
    if (SingleCodePoint(decode.Run(bytes)) != cp) continue;
    map[cp] = code;
  }
  return map;
}

bool InGb2312Range(Code code) {
  const unsigned lead = code & 0xFF, trail = code >> 8;
  return lead >= 0xA1 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE;
}

CodeMap GbColumnSource() {
  CodeMap cp936 = EncodeAll("CP936");
  for (Code& code : cp936) {
    if (!InGb2312Range(code)) code = 0;
  }
  // The user-defined rows AA-AF, paired with the private-use area from U+E000
  // in the order of CP936 (and GB 18030).
  char32_t cp = 0xE000;
  for (unsigned lead = 0xAA; lead <= 0xAF; ++lead) {
    for (unsigned trail = 0xA1; trail <= 0xFE; ++trail, ++cp) {
      if (cp936[cp] == 0) cp936[cp] = static_cast<Code>(lead | trail << 8);
    }
  }
  return cp936;
}

CodeMap Big5ColumnSource() {
  CodeMap cp950 = EncodeAll("CP950");
  // The ETEN kana and symbols that the game's font has and CP950 lacks. The
  // ideographs that HKSCS later put into this range are no part of it.
  Converter decode("UTF-32LE", "BIG5-HKSCS");
  for (unsigned lead = 0xC6; lead <= 0xC8; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      if ((trail > 0x7E && trail < 0xA1) || (lead == 0xC6 && trail < 0xA1)) continue;
      const Code code = static_cast<Code>(lead | trail << 8);
      const char32_t cp = SingleCodePoint(decode.Run(FromCode(code)));
      if (cp < kFirst || cp > kLast || IsIdeograph(cp) || cp950[cp] != 0) continue;
      cp950[cp] = code;
    }
  }
  return cp950;
}

// The Unihan variant fields that the table uses, code point -> variants in
// the order Unihan lists them.
struct Variants {
  std::map<char32_t, std::vector<char32_t>> simplified, traditional, semantic, z;
};

std::string ReadMaybeBzip2(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (raw.compare(0, 3, "BZh") != 0) return raw;

  bz_stream bz{};
  if (BZ2_bzDecompressInit(&bz, 0, 0) != BZ_OK) throw std::runtime_error("cannot start bzip2 for " + path);
  std::string text;
  std::vector<char> chunk(1 << 16);
  bz.next_in = raw.data();
  bz.avail_in = static_cast<unsigned>(raw.size());
  int rc = BZ_OK;
  while (rc == BZ_OK) {
    bz.next_out = chunk.data();
    bz.avail_out = static_cast<unsigned>(chunk.size());
    rc = BZ2_bzDecompress(&bz);
    text.append(chunk.data(), chunk.size() - bz.avail_out);
  }
  BZ2_bzDecompressEnd(&bz);
  if (rc != BZ_STREAM_END) throw std::runtime_error("corrupt bzip2 data in " + path);
  return text;
}

char32_t ParseCodePoint(const std::string& token) {
  if (token.size() < 3 || token.compare(0, 2, "U+") != 0) return 0;
  std::size_t end = 2;
  while (end < token.size() && std::isxdigit(static_cast<unsigned char>(token[end]))) ++end;
  if (end == 2 || end > 8) return 0;
  return static_cast<char32_t>(std::stoul(token.substr(2, end - 2), nullptr, 16));
}

Variants ReadVariants(const std::string& path) {
  Variants v;
  std::istringstream lines(ReadMaybeBzip2(path));
  std::string line;
  std::size_t used = 0;
  while (std::getline(lines, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string source, field, value;
    fields >> source >> field;
    std::map<char32_t, std::vector<char32_t>>* target = nullptr;
    if (field == "kSimplifiedVariant") target = &v.simplified;
    else if (field == "kTraditionalVariant") target = &v.traditional;
    else if (field == "kSemanticVariant") target = &v.semantic;
    else if (field == "kZVariant") target = &v.z;
    if (!target) continue;
    const char32_t cp = ParseCodePoint(source);
    // Values look like "U+95DC" or "U+95DC<kMatthews,kMeyerWempe".
    while (fields >> value) {
      const char32_t variant = ParseCodePoint(value);
      if (variant != 0 && variant <= 0xFFFF) (*target)[cp].push_back(variant);
    }
    ++used;
  }
  if (used == 0) throw std::runtime_error(path + " holds no Unihan variant data");
  return v;
}

const std::vector<char32_t>& Lookup(const std::map<char32_t, std::vector<char32_t>>& m, char32_t cp) {
  static const std::vector<char32_t> none;
  auto it = m.find(cp);
  return it == m.end() ? none : it->second;
}

// Level-1 (frequent) characters of a set are preferred among variant forms.
bool GbLevel1(Code c) { unsigned lead = c & 0xFF; return lead >= 0xB0 && lead <= 0xD7; }
bool Big5Level1(Code c) { unsigned lead = c & 0xFF; return lead >= 0xA4 && lead <= 0xC6; }
bool JisLevel1(Code c) { unsigned lead = c & 0xFF; return lead >= 0x88 && lead <= 0x98; }

// The first candidate form that a set has, or 0. With a level test, the
// first level-1 (frequent) one wins over earlier rarer ones.
char32_t Pick(const std::vector<char32_t>& candidates, const CodeMap& set, bool (*level1)(Code) = nullptr) {
  char32_t fallback = 0;
  for (char32_t cp : candidates) {
    const Code code = set[cp];
    if (code == 0) continue;
    if (!level1 || level1(code)) return cp;
    if (fallback == 0) fallback = cp;
  }
  return fallback;
}

// Semantic and Z variants of a character, Z variants first.
std::vector<char32_t> AlikeForms(const Variants& v, char32_t cp) {
  std::vector<char32_t> forms = Lookup(v.z, cp);
  for (char32_t s : Lookup(v.semantic, cp)) forms.push_back(s);
  return forms;
}

// Each alike form followed by its simplified or traditional forms.
std::vector<char32_t> WithRelated(const std::vector<char32_t>& alike,
                                  const std::map<char32_t, std::vector<char32_t>>& related) {
  std::vector<char32_t> forms;
  for (char32_t a : alike) {
    forms.push_back(a);
    for (char32_t r : Lookup(related, a)) forms.push_back(r);
  }
  return forms;
}

struct Row {
  Code gbk = kNoCode, big5 = kNoCode, sjis = kNoCode;
};

// How many rows of a column hold the character's own code, that of its
// simplified or traditional form, or that of a variant form.
struct FormCounts {
  std::size_t own = 0, related = 0, alike = 0;
};

struct Counts {
  std::size_t rows = 0;
  FormCounts gb, big5, sjis;
};

// The form whose code a Chinese column holds: the character itself, else its
// first `related` (simplified or traditional) form the set has, else one of
// the `alike` forms or their related forms, level-1 first. 0 when none fits.
char32_t ChineseForm(char32_t cp, const CodeMap& set, const std::map<char32_t, std::vector<char32_t>>& related,
                     const std::vector<char32_t>& alike, bool (*level1)(Code), FormCounts& counts) {
  if (set[cp]) {
    ++counts.own;
    return cp;
  }
  if (const char32_t form = Pick(Lookup(related, cp), set)) {
    ++counts.related;
    return form;
  }
  const char32_t form = Pick(WithRelated(alike, related), set, level1);
  if (form) ++counts.alike;
  return form;
}

std::vector<Row> BuildRows(const CodeMap& gb, const CodeMap& big5, const CodeMap& sjis, const Variants& v,
                           Counts& counts) {
  std::vector<Row> rows;
  for (char32_t cp = kFirst; cp <= kLast; ++cp) {
    if (gb[cp] == 0 && big5[cp] == 0 && sjis[cp] == 0) continue;
    Row row;
    // Variant forms stand in only for characters that both Chinese sets lack.
    const std::vector<char32_t> alike =
        gb[cp] == 0 && big5[cp] == 0 ? AlikeForms(v, cp) : std::vector<char32_t>{};

    if (const char32_t gbForm = ChineseForm(cp, gb, v.simplified, alike, GbLevel1, counts.gb)) row.gbk = gb[gbForm];
    const char32_t big5Form = ChineseForm(cp, big5, v.traditional, alike, Big5Level1, counts.big5);
    if (big5Form) row.big5 = big5[big5Form];

    // Column 3 writes the character of column 2 as Japanese does: that form
    // itself, else its Japanese variant. So a Shift-JIS code of a character
    // that Big5 has never leads to another Big5 character (寧 must not become
    // 宁, which Big5 has as a character of its own).
    char32_t jisForm = sjis[cp] ? cp : 0;
    if (jisForm) {
      ++counts.sjis.own;
    } else {
      const std::vector<char32_t> bases = big5Form ? std::vector<char32_t>{big5Form} : Lookup(v.traditional, cp);
      if ((jisForm = Pick(bases, sjis))) {
        ++counts.sjis.related;
      } else {
        // A Japanese variant is a form that Big5 lacks (関 for 關); one that
        // Big5 has is a character of its own and keeps its own row.
        std::vector<char32_t> forms;
        std::vector<char32_t> alikeForms = big5Form ? std::vector<char32_t>{} : AlikeForms(v, cp);
        for (char32_t b : bases) {
          for (char32_t a : AlikeForms(v, b)) alikeForms.push_back(a);
        }
        for (char32_t a : alikeForms) {
          if (big5[a] == 0) forms.push_back(a);
        }
        if ((jisForm = Pick(forms, sjis, JisLevel1))) ++counts.sjis.alike;
      }
    }
    if (jisForm) row.sjis = sjis[jisForm];
    rows.push_back(row);
  }
  counts.rows = rows.size();
  return rows;
}

void Put(std::string& out, Code code) {
  out += static_cast<char>(code & 0xFF);
  out += static_cast<char>(code >> 8);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s OUTPUT [UNIHAN_VARIANTS]\n", argv[0]);
    return 2;
  }
  try {
    std::string unihan = argc == 3 ? argv[2] : kDefaultUnihan[0];
    if (argc == 2 && !std::ifstream(unihan)) unihan = kDefaultUnihan[1];
    const Variants variants = ReadVariants(unihan);
    const CodeMap gb = GbColumnSource();
    const CodeMap big5 = Big5ColumnSource();
    const CodeMap sjis = EncodeAll("CP932");

    Counts counts;
    std::vector<Row> rows = BuildRows(gb, big5, sjis, variants, counts);
    if (rows.size() > kRows) {
      std::fprintf(stderr, "%zu characters need a row, but the table has only %zu rows\n", rows.size(), kRows);
      return 1;
    }
    rows.resize(kRows);  // the rest stay "??" in all three columns

    std::string out = {'D', 'O', '\0', '\0'};
    for (const Row& r : rows) Put(out, r.gbk);
    for (const Row& r : rows) Put(out, r.big5);
    for (const Row& r : rows) Put(out, r.sjis);

    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    file.close();
    if (!file) {
      std::fprintf(stderr, "cannot write %s\n", argv[1]);
      return 1;
    }
    std::fprintf(stderr,
                 "%zu character rows, %zu filler rows\n"
                 "GBK: %zu own, %zu simplified form, %zu variant form\n"
                 "Big5: %zu own, %zu traditional form, %zu variant form\n"
                 "Shift-JIS: %zu own, %zu traditional form, %zu variant form\n",
                 counts.rows, kRows - counts.rows, counts.gb.own, counts.gb.related, counts.gb.alike, counts.big5.own,
                 counts.big5.related, counts.big5.alike, counts.sjis.own, counts.sjis.related, counts.sjis.alike);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "gen_char_table: %s\n", e.what());
    return 1;
  }
  return 0;
}
