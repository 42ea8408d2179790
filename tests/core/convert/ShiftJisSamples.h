#pragma once
// Officer texts in Shift-JIS, and the Big5 that the converter makes of them.
#include <string>

// 関 8A D6, 羽 89 48, 学 8A 77, あ 82 A0; the reading かんう.
inline const std::string kSjisGuan = "\x8A\xD6";
inline const std::string kSjisYu = "\x89\x48";
inline const std::string kSjisXue = "\x8A\x77";
inline const std::string kSjisA = "\x82\xA0";
inline const std::string kSjisReading = "\x82\xA9\x82\xF1\x82\xA4";
// 關 C3 F6, 羽 A6 D0, 學 BE C7, あ C6 E8.
inline const std::string kBig5Guan = "\xC3\xF6";
inline const std::string kBig5Yu = "\xA6\xD0";
inline const std::string kBig5Xue = "\xBE\xC7";
inline const std::string kBig5A = "\xC6\xE8";
