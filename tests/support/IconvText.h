#pragma once
// glibc's conversion of one whole text, the reference the table tests
// compare with; empty when iconv refuses any of it.
#include <iconv.h>

#include <string>

inline std::string Iconv(const char* to, const char* from, std::string text) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return {};
  std::string out(4 * text.size() + 8, '\0');
  char* in = text.data();
  std::size_t inLeft = text.size();
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1) || inLeft != 0) return {};
  out.resize(out.size() - outLeft);
  return out;
}
