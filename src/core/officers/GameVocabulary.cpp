#include "core/officers/GameVocabulary.h"

namespace {

const GameWord* ItemWord(const OfficerField& field, std::size_t item) {
  return item < field.words.size() ? &field.words[item] : nullptr;
}

}  // namespace

std::string_view WordIn(const GameWord& word, OfficerTextScript script) {
  return script == OfficerTextScript::Traditional ? word.traditional : word.simplified;
}

std::string_view ItemText(const OfficerField& field, std::size_t item, OfficerTextScript script) {
  const GameWord* word = ItemWord(field, item);
  return word ? WordIn(*word, script) : std::string_view();
}

std::string_view ItemMeaning(const OfficerField& field, std::size_t item) {
  const GameWord* word = ItemWord(field, item);
  return word ? word->english : std::string_view();
}

std::string_view SkillText(const SkillBox& box, OfficerTextScript script) {
  return box.word ? WordIn(*box.word, script) : box.caption;
}

std::string_view SkillMeaning(const SkillBox& box) { return box.word ? box.word->english : std::string_view(); }
