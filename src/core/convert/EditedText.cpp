#include "core/convert/EditedText.h"

#include <algorithm>
#include <cstdint>

#include "core/convert/Big5Rule.h"
#include "core/convert/Jislib.h"
#include "core/officers/TextField.h"

namespace {

// The Big5 bytes of one new character, or nothing when Big5 cannot hold it.
bool ConvertCharacter(std::string_view gbk, std::string& out) {
  const auto lead = static_cast<unsigned char>(gbk[0]);
  if (lead <= 0x7F) {
    out += gbk;
    return true;
  }
  if (gbk.size() != 2) return false;
  const std::uint16_t big5 = GbkToBig5Code(static_cast<std::uint16_t>(lead | static_cast<unsigned char>(gbk[1]) << 8));
  if (big5 == 0x3F3F || !IsBig5Form(big5)) return false;
  out += static_cast<char>(big5 & 0xFF);
  out += static_cast<char>(big5 >> 8);
  return true;
}

// A stored character and the shown characters it became (one, or two for
// "??").
struct StoredCharacter {
  std::string_view big5;
  std::size_t firstShown, shownCount;
};

}  // namespace

std::vector<std::size_t> AlignCharacters(const std::vector<std::string_view>& shown,
                                         const std::vector<std::string_view>& edited) {
  const std::size_t n = shown.size(), m = edited.size();
  std::vector<std::size_t> keptAs(n, std::string_view::npos);
  // Officer texts are short; a text far beyond any field keeps nothing.
  if (n > 4096 || m > 4096) return keptAs;
  std::vector<std::vector<std::uint16_t>> common(n + 1, std::vector<std::uint16_t>(m + 1, 0));
  for (std::size_t i = n; i-- > 0;) {
    for (std::size_t j = m; j-- > 0;) {
      common[i][j] = shown[i] == edited[j] ? static_cast<std::uint16_t>(common[i + 1][j + 1] + 1)
                                           : std::max(common[i + 1][j], common[i][j + 1]);
    }
  }
  for (std::size_t i = 0, j = 0; i < n && j < m;) {
    if (shown[i] == edited[j]) {
      keptAs[i++] = j++;
    } else if (common[i + 1][j] >= common[i][j + 1]) {
      ++i;
    } else {
      ++j;
    }
  }
  return keptAs;
}

std::vector<std::string_view> SplitCharacters(std::string_view text) {
  text = UpToZero(text);
  std::vector<std::string_view> characters;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = static_cast<unsigned char>(text[i]) >= 0x80 && i + 1 < text.size() ? 2 : 1;
    characters.push_back(text.substr(i, length));
    i += length;
  }
  return characters;
}

EditedTextResult StoreEditedText(std::string_view shownGbk, std::string_view storedBig5, std::string_view editedGbk,
                                 std::span<const std::string> chosen) {
  shownGbk = UpToZero(shownGbk);
  storedBig5 = UpToZero(storedBig5);
  const std::vector<std::string_view> edited = SplitCharacters(editedGbk);

  // Each stored character is shown on its own, so the shown text splits
  // along the stored characters.
  std::vector<StoredCharacter> stored;
  std::vector<std::string_view> shown;
  const std::vector<std::string_view> characters = SplitCharacters(storedBig5);
  std::string shownAgain;
  std::vector<std::string> shownForms;
  for (std::string_view big5 : characters) shownForms.push_back(Big5ToGbk(big5));
  for (const std::string& form : shownForms) shownAgain += form;
  if (shownAgain == shownGbk) {
    for (std::size_t k = 0; k < characters.size(); ++k) {
      const std::vector<std::string_view> parts = SplitCharacters(shownForms[k]);
      stored.push_back({characters[k], shown.size(), parts.size()});
      shown.insert(shown.end(), parts.begin(), parts.end());
    }
  }

  // A stored character is kept when all its shown characters are kept, next
  // to each other.
  const std::vector<std::size_t> keptAs = AlignCharacters(shown, edited);
  std::vector<const StoredCharacter*> keptAt(edited.size(), nullptr);
  for (const StoredCharacter& s : stored) {
    const std::size_t first = s.shownCount ? keptAs[s.firstShown] : std::string_view::npos;
    bool whole = first != std::string_view::npos;
    for (std::size_t p = 1; whole && p < s.shownCount; ++p) whole = keptAs[s.firstShown + p] == first + p;
    if (whole) keptAt[first] = &s;
  }

  EditedTextResult result;
  std::string out;
  for (std::size_t j = 0; j < edited.size();) {
    std::string piece;
    if (const StoredCharacter* s = keptAt[j]) {
      piece = s->big5;
      j += s->shownCount;
    } else if (j < chosen.size() && !chosen[j].empty()) {
      piece = chosen[j++];
    } else if (!ConvertCharacter(edited[j], piece)) {
      const std::string character(edited[j++]);
      if (std::find(result.unstorable.begin(), result.unstorable.end(), character) == result.unstorable.end()) {
        result.unstorable.push_back(character);
      }
      result.pieces.push_back({character, true});
      continue;
    } else {
      ++j;
    }
    out += piece;
    result.pieces.push_back({std::move(piece), false});
  }
  if (result.Storable()) result.big5 = std::move(out);
  return result;
}

std::string JoinCharacters(const std::vector<std::string>& characters) {
  std::string joined;
  for (const std::string& c : characters) joined += c;
  return joined;
}
