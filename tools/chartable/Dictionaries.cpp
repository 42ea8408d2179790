#include "chartable/Dictionaries.h"

#include <bzlib.h>
#include <opencc/DictEntry.hpp>
#include <opencc/Lexicon.hpp>
#include <opencc/MarisaDict.hpp>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace chartable {
namespace {

// The one BMP code point that a UTF-8 string holds, or 0.
char32_t SingleCodePoint(const std::string& s) {
  const auto* p = reinterpret_cast<const unsigned char*>(s.data());
  char32_t cp = 0;
  std::size_t length = 0;
  if (s.empty()) return 0;
  if (p[0] < 0x80) {
    cp = p[0], length = 1;
  } else if ((p[0] & 0xE0) == 0xC0) {
    cp = p[0] & 0x1F, length = 2;
  } else if ((p[0] & 0xF0) == 0xE0) {
    cp = p[0] & 0x0F, length = 3;
  } else {
    return 0;
  }
  if (s.size() != length) return 0;
  for (std::size_t i = 1; i < length; ++i) cp = cp << 6 | (p[i] & 0x3F);
  return cp;
}

void ReadOpenCc(const std::string& path, FormMap& into) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) throw std::runtime_error("cannot read " + path);
  const opencc::MarisaDictPtr dict = opencc::MarisaDict::NewFromFile(file);
  std::fclose(file);
  std::size_t used = 0;
  for (const auto& entry : *dict->GetLexicon()) {
    const char32_t key = SingleCodePoint(entry->Key());
    if (key == 0) continue;
    Forms& forms = into[key];
    for (const std::string& value : entry->Values()) {
      const char32_t cp = SingleCodePoint(value);
      if (cp != 0) forms.push_back(cp);
    }
    ++used;
  }
  if (used == 0) throw std::runtime_error(path + " holds no single characters");
}

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

void ReadUnihan(const std::string& path, Dictionaries& d) {
  std::istringstream lines(ReadMaybeBzip2(path));
  std::string line;
  std::size_t used = 0;
  while (std::getline(lines, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string source, field, value;
    fields >> source >> field;
    FormMap* target = field == "kTraditionalVariant" ? &d.unihanTraditional
                      : field == "kSimplifiedVariant" ? &d.unihanSimplified
                      : field == "kZVariant"          ? &d.unihanZ
                      : field == "kSemanticVariant"   ? &d.unihanSemantic
                                                      : nullptr;
    const char32_t cp = ParseCodePoint(source);
    if (!target || cp == 0 || cp > 0xFFFF) continue;
    // Values look like "U+95DC" or "U+95DC<kMatthews,kMeyerWempe".
    while (fields >> value) {
      const char32_t variant = ParseCodePoint(value);
      if (variant != 0 && variant <= 0xFFFF && variant != cp) (*target)[cp].push_back(variant);
    }
    ++used;
  }
  if (used == 0) throw std::runtime_error(path + " holds no Unihan variant data");
}

void ReadUnified(const std::string& path, std::map<char32_t, char32_t>& into) {
  std::istringstream lines(ReadMaybeBzip2(path));
  std::string line;
  // "FA12;CJK COMPATIBILITY IDEOGRAPH-FA12;Lo;0;L;6674;;;;N;;;;;": field 5
  // is the decomposition, a single code point for these.
  while (std::getline(lines, line)) {
    if (line.find(";CJK COMPATIBILITY IDEOGRAPH-") == std::string::npos) continue;
    std::vector<std::string> fields;
    std::istringstream parts(line);
    for (std::string field; std::getline(parts, field, ';');) fields.push_back(field);
    if (fields.size() < 6 || fields[5].empty() || fields[5].find(' ') != std::string::npos) continue;
    const unsigned long cp = std::stoul(fields[0], nullptr, 16), unified = std::stoul(fields[5], nullptr, 16);
    if (cp <= 0xFFFF && unified <= 0xFFFF) into[static_cast<char32_t>(cp)] = static_cast<char32_t>(unified);
  }
  if (into.empty()) throw std::runtime_error(path + " names no compatibility ideographs");
}

}  // namespace

const Forms& FormsOf(const FormMap& map, char32_t cp) {
  static const Forms none;
  const auto it = map.find(cp);
  return it == map.end() ? none : it->second;
}

Dictionaries LoadDictionaries(const std::string& openccDir, const std::string& unihanVariants,
                              const std::string& unicodeData) {
  Dictionaries d;
  ReadOpenCc(openccDir + "/STCharacters.ocd2", d.simplifiedToTraditional);
  ReadOpenCc(openccDir + "/TSCharacters.ocd2", d.traditionalToSimplified);
  ReadOpenCc(openccDir + "/TWVariants.ocd2", d.taiwanForms);
  ReadOpenCc(openccDir + "/TWVariantsRev.ocd2", d.taiwanToStandard);
  ReadOpenCc(openccDir + "/JPShinjitaiCharacters.ocd2", d.japaneseToTraditional);
  ReadOpenCc(openccDir + "/JPVariantsRev.ocd2", d.japaneseToTraditional);
  ReadUnihan(unihanVariants, d);
  ReadUnified(unicodeData, d.unified);
  return d;
}

}  // namespace chartable
