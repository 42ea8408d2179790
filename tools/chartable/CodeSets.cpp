#include "chartable/CodeSets.h"

#include <iconv.h>

#include <stdexcept>

namespace chartable {
namespace {

class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
  }
  ~Iconv() { iconv_close(cd_); }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

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

bool IsPrivateUse(char32_t cp) { return cp >= 0xE000 && cp <= 0xF8FF; }

bool IsIdeograph(char32_t cp) {
  return (cp >= 0x3400 && cp <= 0x4DBF) || (cp >= 0x4E00 && cp <= 0x9FFF) || (cp >= 0xF900 && cp <= 0xFAFF);
}

// Adds a code when it decodes to one ordinary character; a character's own
// code is the one that iconv gives back when encoding it.
class SetBuilder {
 public:
  explicit SetBuilder(const char* codePage) : decode_("UTF-32LE", codePage), encode_(codePage, "UTF-32LE") {}

  char32_t Decode(Code code) { return SingleCodePoint(decode_.Run(BytesOf(code))); }

  bool Add(Code code, char32_t cp, bool ownEvenIfNotCanonical = false) {
    if (cp < 0x80 || IsPrivateUse(cp)) return false;
    set_.codes.push_back({code, cp});
    if (set_.own[cp] == 0 && (ownEvenIfNotCanonical || ToCode(encode_.Run(Utf32(cp))) == code)) set_.own[cp] = code;
    return true;
  }
  bool Add(Code code) { return Add(code, Decode(code)); }

  CodeSet Take() { return std::move(set_); }

 private:
  Iconv decode_, encode_;
  CodeSet set_;
};

CodeSet SingleByteSet(const char* codePage) {
  SetBuilder b(codePage);
  for (unsigned single = 0x80; single <= 0xFF; ++single) b.Add(static_cast<Code>(single));
  return b.Take();
}

bool TrailOk(unsigned trail, bool big5) {
  if (trail < 0x40 || trail == 0x7F || trail > 0xFE) return false;
  return !big5 || trail <= 0x7E || trail >= 0xA1;
}

}  // namespace

std::string BytesOf(Code code) {
  std::string s(1, static_cast<char>(code & 0xFF));
  if (code >> 8) s += static_cast<char>(code >> 8);
  return s;
}

bool InGb2312Range(Code code) {
  const unsigned lead = code & 0xFF, trail = code >> 8;
  return lead >= 0xA1 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE;
}

CodeSet GbkSet() {
  SetBuilder b("CP936");
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      if (TrailOk(trail, false)) b.Add(static_cast<Code>(lead | trail << 8));
    }
  }
  return b.Take();
}

CodeSet Big5Set() {
  SetBuilder b("CP950");
  std::vector<bool> cp950(0x10000, false);
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      const Code code = static_cast<Code>(lead | trail << 8);
      if (!TrailOk(trail, true)) continue;
      const char32_t cp = b.Decode(code);
      if (b.Add(code, cp)) cp950[cp] = true;
    }
  }
  // The ETEN kana and symbols that the game's font has and CP950 lacks. The
  // ideographs that HKSCS later put into this range are no part of it.
  Iconv hkscs("UTF-32LE", "BIG5-HKSCS");
  for (unsigned lead = 0xC6; lead <= 0xC8; ++lead) {
    for (unsigned trail = lead == 0xC6 ? 0xA1 : 0x40; trail <= 0xFE; ++trail) {
      const Code code = static_cast<Code>(lead | trail << 8);
      if (!TrailOk(trail, true)) continue;
      const char32_t cp = SingleCodePoint(hkscs.Run(BytesOf(code)));
      if (cp == 0 || IsIdeograph(cp) || cp950[cp]) continue;
      b.Add(code, cp, true);
    }
  }
  return b.Take();
}

CodeSet ShiftJisSet() {
  SetBuilder b("CP932");
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead >= 0xA0 && lead <= 0xDF) continue;
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail != 0x7F) b.Add(static_cast<Code>(lead | trail << 8));
    }
  }
  for (unsigned single = 0xA1; single <= 0xDF; ++single) b.Add(static_cast<Code>(single));
  return b.Take();
}

CodeSet GbkSingleBytes() { return SingleByteSet("CP936"); }
CodeSet Big5SingleBytes() { return SingleByteSet("CP950"); }

}  // namespace chartable
