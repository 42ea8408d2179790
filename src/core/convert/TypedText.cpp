#include "core/convert/TypedText.h"

#include <QList>
#include <algorithm>
#include <vector>

#include "core/convert/EditedText.h"
#include "core/convert/GbkText.h"
#include "core/convert/Jislib.h"
#include "core/language/CoreText.h"
#include "core/officers/TextField.h"

namespace {

std::string Tr(const char* text, std::initializer_list<std::string_view> pieces = {}) { return CoreText("TypedText", text, pieces); }

std::string CodePoint(char32_t c) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (int shift = c > 0xFFFF ? 20 : 12; shift >= 0; shift -= 4) hex += kDigits[(c >> shift) & 0xF];
  return "U+" + hex;
}

// The biography keeps CR LF; a file may bring LF or CR alone.
QString WithCrLf(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
  return text.replace(u'\n', QStringLiteral("\r\n"));
}

// A lone surrogate or U+FFFD: a character broken before it reached the program.
std::optional<std::string> BrokenCharacterProblem(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      ++i;
    } else if (c.isSurrogate() || c.unicode() == 0xFFFD) {
      return Tr(QT_TRANSLATE_NOOP("TypedText", "含有无法识别的字符（文件中的字已损坏）"));
    }
  }
  return std::nullopt;
}

std::optional<std::string> BrokenOrControl(const OfficerField& field, const QString& text) {
  if (auto problem = BrokenCharacterProblem(text)) return problem;
  const bool biography = field.role == FieldRole::Biography;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    const bool lineBreak = biography && c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
    if (lineBreak) {
      ++i;
      continue;
    }
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) return Tr(QT_TRANSLATE_NOOP("TypedText", "含有控制字符 %1"), {CodePoint(c.unicode())});
  }
  return std::nullopt;
}

// A "?" that was not there before stands for a character lost on the way
// (a program that saved Chinese in a code page without it): in a name
// always, elsewhere when two or more stand together.
std::optional<std::string> LostCharacters(const OfficerField& field, const QString& typed, const QString& shown) {
  const bool name = field.textLimit == kNameByteLimit;
  const bool lost = name ? typed.count(u'?') > shown.count(u'?')
                         : typed.contains(QStringLiteral("??")) && !shown.contains(QStringLiteral("??"));
  if (!lost) return std::nullopt;
  return Tr(QT_TRANSLATE_NOOP("TypedText", "“?”像是丢失的字（表格程序保存时可能没有选择 UTF-8）"));
}

// What the game will show of the pieces; those Big5 lacks as typed, in 【】.
QString StoredForm(const std::vector<StoredPiece>& pieces) {
  QString shown;
  for (const StoredPiece& piece : pieces) {
    shown += piece.refused ? QStringLiteral("【") + FromGbk(piece.bytes) + QStringLiteral("】") : FromBig5(piece.bytes);
  }
  return shown;
}

std::string UnencodableCharacters(const QString& text) {
  std::string lacking;
  for (const char32_t c : text.toUcs4()) {
    const QString one = QString::fromUcs4(&c, 1);
    if (!GbkCanEncode(one)) lacking += one.toStdString();
  }
  return lacking;
}

}  // namespace

TextDecision DecideText(const OfficerField& field, const QString& given, const std::string& storedBytes,
                        const PhraseConverter& phrases) {
  const bool big5 = field.coding == TextCoding::Big5;
  const QString typed = field.role == FieldRole::Biography ? WithCrLf(given) : given;
  const std::string shownGbk = big5 ? Big5ToGbk(storedBytes) : storedBytes;
  if (auto problem = BrokenOrControl(field, typed)) return {{}, problem, {}};
  if (auto problem = LostCharacters(field, typed, FromGbk(shownGbk))) return {{}, problem, {}};
  const char* unstorable =
      big5 ? QT_TRANSLATE_NOOP("TypedText", "无法以繁体中文(Big5)保存的字：%1") : QT_TRANSLATE_NOOP("TypedText", "无法保存的字：%1");
  if (!GbkCanEncode(typed)) return {{}, Tr(unstorable, {UnencodableCharacters(typed)}), {}};
  TextDecision decision{ToGbk(typed), std::nullopt, typed};
  if (big5) {
    // Typed characters take OpenCC's choice in context; in a surname only a
    // word overrules the table's name forms (于, not 於).
    const std::vector<std::string> chosen = phrases.Choices(decision.bytes, field.role == FieldRole::Surname);
    EditedTextResult result = StoreEditedText(shownGbk, storedBytes, decision.bytes, chosen);
    decision.stored = StoredForm(result.pieces);
    if (!result.unstorable.empty()) {
      decision.problem = Tr(unstorable, {FromGbk(JoinCharacters(result.unstorable)).toStdString()});
    }
    decision.bytes = std::move(result.big5);
  }
  const std::size_t limit = EditedTextByteLimit(field, storedBytes.size());
  if (!decision.problem && decision.bytes.size() > limit) {
    decision.problem =
        Tr(QT_TRANSLATE_NOOP("TypedText", "太长：%1 字节，最多 %2 字节"), {std::to_string(decision.bytes.size()), std::to_string(limit)});
    decision.bytes.clear();
  }
  return decision;
}

namespace {

bool IsHan(char32_t c) { return QChar::script(c) == QChar::Script_Han; }

// A new character's Big5 bytes on its own: itself where Big5 has it, else
// the character table's form; empty when neither stores it.
std::string OwnBig5(char32_t c) {
  if (c < 0x80) return std::string(1, static_cast<char>(c));
  if (std::string own = Big5Of(c); !own.empty()) return own;
  const QString one = QString::fromUcs4(&c, 1);
  if (!GbkCanEncode(one)) return {};
  EditedTextResult table = StoreEditedText({}, {}, ToGbk(one));
  return table.Storable() ? table.big5 : std::string();
}

// For each typed character, the Big5 bytes OpenCC writes for it where it is
// new and in a word that holds a new character Big5 lacks; else empty.
std::vector<std::string> WordChoices(const std::vector<char32_t>& typed, const std::vector<bool>& kept, bool surname,
                                     const PhraseConverter& phrases) {
  std::vector<std::string> chosen(typed.size());
  for (std::size_t start = 0; start < typed.size();) {
    std::size_t end = start;
    bool lacking = false;
    while (end < typed.size() && IsHan(typed[end])) {
      lacking = lacking || (!kept[end] && Big5Of(typed[end]).empty());
      ++end;
    }
    const QString word = QString::fromUcs4(typed.data() + start, static_cast<qsizetype>(end - start));
    if (lacking && GbkCanEncode(word)) {
      const std::vector<std::string> choices = phrases.Choices(ToGbk(word), surname);
      for (std::size_t k = 0; k < choices.size() && start + k < end; ++k) {
        if (!kept[start + k]) chosen[start + k] = choices[k];
      }
    }
    start = std::max(end, start + 1);
  }
  return chosen;
}

// The typed characters each kept as the stored character it was shown from,
// or as an empty view when new.
std::vector<std::string_view> KeptStoredCharacters(const std::vector<std::string_view>& stored,
                                                   const std::vector<char32_t>& typed) {
  std::vector<std::string> shownUnits, typedUnits;
  for (std::string_view s : stored) shownUnits.push_back(FromBig5(s).toStdString());
  for (const char32_t c : typed) typedUnits.push_back(QString::fromUcs4(&c, 1).toStdString());
  const std::vector<std::string_view> shownViews(shownUnits.begin(), shownUnits.end());
  const std::vector<std::string_view> typedViews(typedUnits.begin(), typedUnits.end());
  const std::vector<std::size_t> keptAs = AlignCharacters(shownViews, typedViews);
  std::vector<std::string_view> keptAt(typed.size());
  for (std::size_t i = 0; i < keptAs.size(); ++i) {
    if (keptAs[i] != std::string_view::npos) keptAt[keptAs[i]] = stored[i];
  }
  return keptAt;
}

}  // namespace

TextDecision DecideTraditionalText(const OfficerField& field, const QString& given, const std::string& storedBytes,
                                   const PhraseConverter& phrases) {
  const QString typed = field.role == FieldRole::Biography ? WithCrLf(given) : given;
  const std::vector<std::string_view> stored = SplitCharacters(storedBytes);
  const QList<uint> ucs4 = typed.toUcs4();
  const std::vector<char32_t> codes(ucs4.begin(), ucs4.end());
  const std::vector<std::string_view> keptAt = KeptStoredCharacters(stored, codes);
  // A broken stored character left alone stays; new ones are refused.
  QString fresh;
  std::vector<bool> kept(codes.size());
  for (std::size_t j = 0; j < codes.size(); ++j) {
    kept[j] = !keptAt[j].empty();
    fresh += kept[j] && codes[j] == 0xFFFD ? QStringLiteral("a") : QString::fromUcs4(&codes[j], 1);
  }
  if (auto problem = BrokenOrControl(field, fresh)) return {{}, problem, {}};
  if (auto problem = LostCharacters(field, typed, FromBig5(UpToZero(storedBytes)))) return {{}, problem, {}};
  const std::vector<std::string> chosen = WordChoices(codes, kept, field.role == FieldRole::Surname, phrases);
  TextDecision decision;
  std::string lacking;
  for (std::size_t j = 0; j < codes.size(); ++j) {
    const std::string piece = kept[j] ? std::string(keptAt[j]) : !chosen[j].empty() ? chosen[j] : OwnBig5(codes[j]);
    const QString character = QString::fromUcs4(&codes[j], 1);
    if (piece.empty()) {
      if (lacking.find(character.toStdString()) == std::string::npos) lacking += character.toStdString();
      decision.stored += QStringLiteral("【") + character + QStringLiteral("】");
      continue;
    }
    decision.bytes += piece;
    decision.stored += FromBig5(piece);
  }
  const std::size_t limit = EditedTextByteLimit(field, UpToZero(storedBytes).size());
  if (!lacking.empty()) {
    decision.problem = Tr(QT_TRANSLATE_NOOP("TypedText", "无法以繁体中文(Big5)保存的字：%1"), {lacking});
  } else if (decision.bytes.size() > limit) {
    decision.problem =
        Tr(QT_TRANSLATE_NOOP("TypedText", "太长：%1 字节，最多 %2 字节"), {std::to_string(decision.bytes.size()), std::to_string(limit)});
  }
  if (decision.problem) decision.bytes.clear();
  return decision;
}

TextDecision DecideShownText(const OfficerField& field, const QString& typed, const std::string& storedBytes,
                             OfficerTextScript script, const PhraseConverter& phrases) {
  if (script == OfficerTextScript::Traditional && field.coding == TextCoding::Big5) {
    return DecideTraditionalText(field, typed, storedBytes, phrases);
  }
  return DecideText(field, typed, storedBytes, phrases);
}

bool ReadsAsTraditional(const QString& text) {
  bool traditional = false;
  for (const char32_t c : text.toUcs4()) {
    if (c < 0x80) continue;
    const std::string big5 = Big5Of(c);
    if (big5.empty()) return false;
    traditional = traditional || FromGbk(Big5ToGbk(big5)) != QString::fromUcs4(&c, 1);
  }
  return traditional;
}
