#pragma once
// The character dictionaries the table is decided from: OpenCC's character
// conversions and, as the last resort, Unihan's variant fields. Only
// single-character entries of the Basic Multilingual Plane are kept.
#include <map>
#include <string>
#include <vector>

namespace chartable {

using Forms = std::vector<char32_t>;
using FormMap = std::map<char32_t, Forms>;

const Forms& FormsOf(const FormMap& map, char32_t cp);

struct Dictionaries {
  FormMap simplifiedToTraditional;  // OpenCC STCharacters, most usual first
  FormMap traditionalToSimplified;  // OpenCC TSCharacters
  FormMap taiwanForms;              // OpenCC TWVariants: 爲 -> 為, 衆 -> 眾
  FormMap taiwanToStandard;         // OpenCC TWVariantsRev: 為 -> 爲
  FormMap japaneseToTraditional;    // OpenCC JPShinjitaiCharacters, JPVariantsRev
  // The unified ideograph of each compatibility ideograph (晴 U+FA12 -> U+6674),
  // from UnicodeData.txt.
  std::map<char32_t, char32_t> unified;
  // Unihan's kTraditionalVariant, kSimplifiedVariant, kZVariant and
  // kSemanticVariant.
  FormMap unihanTraditional, unihanSimplified, unihanZ, unihanSemantic;
};

// Reads OpenCC's dictionaries from openccDir (its .ocd2 files) and Unihan's
// variants from unihanVariants (Unihan_Variants.txt, plain or bzip2), and
// the compatibility ideographs from unicodeData (UnicodeData.txt).
Dictionaries LoadDictionaries(const std::string& openccDir, const std::string& unihanVariants,
                              const std::string& unicodeData);

}  // namespace chartable
