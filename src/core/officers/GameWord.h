#pragma once
// A word of the game's own vocabulary (an enumeration item, a skill): data,
// not a caption of the program. The traditional form is the one the
// traditional-Chinese game shows; the English is a short gloss of its
// meaning.
#include <string_view>

struct GameWord {
  std::string_view simplified;
  std::string_view traditional;
  std::string_view english;
};
