#pragma once
// Simplified -> traditional by phrase for what the player types: OpenCC's
// conversion in Taiwan's forms (s2tw), which looks at the words around a
// character before it looks at the character (太后 stays 太后, 头发 becomes
// 頭髮, 干净 乾淨), where the character table can give one answer only.
//
// OpenCC's configuration s2tw.json and its dictionaries are read on first
// use, from the folder opencc/ beside the program (what a Windows build
// ships), else from OpenCC's data folder (/usr/share/opencc,
// /usr/local/share/opencc). Without them phrase conversion is off: typed
// characters go through the character table as before, and the program
// says so once.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// OpenCC's converter of one configuration, loaded on first use. A converter
// whose data fail to load stays off and tells so once (see below).
class PhraseConverter {
 public:
  // `configFile` is OpenCC's configuration to read; empty: the usual places.
  explicit PhraseConverter(std::string configFile = {});
  ~PhraseConverter();
  PhraseConverter(const PhraseConverter&) = delete;
  PhraseConverter& operator=(const PhraseConverter&) = delete;

  // For each character of a GBK text (as SplitCharacters splits it), the
  // Big5 bytes of the character OpenCC writes in its place, the text
  // converted as a whole so that the words around decide. An entry stays
  // empty, leaving the character to the table, where the character or
  // OpenCC's choice is no hanzi, where Big5 lacks the choice, and with
  // `phrasesOnly` where no word decided: OpenCC writes the character as it
  // writes it alone. A few words of the game's world that OpenCC writes
  // otherwise (征西將軍, 文醜, 凌統) take their own forms. All entries are
  // empty while phrase conversion is off.
  std::vector<std::string> Choices(std::string_view gbk, bool phrasesOnly) const;

  // Nullopt while phrase conversion works, else why it is off (UTF-8, one line).
  std::optional<std::string> Off() const;

  struct State;  // the loaded converter, known to PhraseConversion.cpp only

 private:
  std::unique_ptr<State> state_;
};

// The program's converter, reading the usual places.
const PhraseConverter& ProgramPhrases();

// Who hears, once per converter, that phrase conversion is off: standard
// error unless a front end listens itself (the window shows a message). May
// be called from within a conversion; the listener must not convert.
void SetPhraseConversionListener(std::function<void(const std::string& message)> listener);
