#pragma once
// What a typed text becomes in an officer's text field, for the panel, the
// import and the stored-form hints alike: its line breaks, the "?" that
// stand for lost characters, the traditional forms of new characters and
// the bytes of the characters left alone.
#include <QString>
#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>

#include "core/convert/PhraseConversion.h"
#include "core/language/UiLanguage.h"
#include "core/officers/OfficerFields.h"

// A stored text may shrink but never grow: an edited text may take the
// typing limit, or as many bytes as the text it replaces when that one is
// longer, and never more than `room` (a field's width less its terminator).
constexpr std::size_t EditedTextByteLimit(std::size_t typingLimit, std::size_t replacedBytes,
                                          std::size_t room = static_cast<std::size_t>(-1)) {
  return std::min(std::max(typingLimit, replacedBytes), room);
}
// The same for a text field holding `storedBytes`: its terminator always fits.
constexpr std::size_t EditedTextByteLimit(const OfficerField& field, std::size_t storedBytes) {
  return EditedTextByteLimit(field.textLimit, storedBytes, field.width - 1);
}

// The bytes an edited text is stored as: the characters left alone keep the
// stored bytes they were shown from (`storedBytes`), new ones are encoded in
// GBK (the reading) or, in Big5 texts, take the traditional form that
// OpenCC's phrase conversion of the whole text writes (PhraseConverter; in
// the surname only where a word decides), else the character table's.
// `typed` is the text as the player or the file gives it, the biography with
// CR LF or LF line breaks. Nullopt bytes with a problem (without the label)
// for an impossible text: broken or control characters, a "?" standing for
// a lost character, a character the field's code page lacks, a text beyond
// EditedTextByteLimit.
struct TextDecision {
  std::string bytes;
  std::optional<std::string> problem;
  // The text as the game will show it (a Big5 text read as traditional
  // Chinese), also when too long or holding characters Big5 lacks: those
  // stand as typed, in 【】. Empty for other refusals.
  QString stored;
};
TextDecision DecideText(const OfficerField& field, const QString& typed, const std::string& storedBytes,
                        const PhraseConverter& phrases = ProgramPhrases());

// The same decision for a text typed where the officer's texts are shown as
// stored (OfficerTextScript::Traditional: the box showed FromBig5 of
// `storedBytes`). The characters left alone keep their stored bytes; a new
// character Big5 has is stored as typed (干戈 stays 干戈); a word (a run of
// Han characters) holding a new character Big5 lacks is converted as a whole
// by `phrases` (头发 becomes 頭髮, 干净 乾淨), and what the phrases leave
// open takes the table's form. Refusals and limits as DecideText's.
TextDecision DecideTraditionalText(const OfficerField& field, const QString& typed, const std::string& storedBytes,
                                   const PhraseConverter& phrases = ProgramPhrases());

// DecideTraditionalText for a Big5 text typed in the traditional script,
// else DecideText.
TextDecision DecideShownText(const OfficerField& field, const QString& typed, const std::string& storedBytes,
                             OfficerTextScript script, const PhraseConverter& phrases = ProgramPhrases());

// Whether a text given from outside (an exchange file) is written in
// traditional characters: Big5 has every character of it and at least one
// is a traditional form that the simplified script shows otherwise (乾,
// shown 干; 張). Texts that read the same in both scripts are not.
bool ReadsAsTraditional(const QString& text);
