#include "core/convert/TypedText.h"

#include <QList>
#include <vector>

#include "core/convert/EditedText.h"
#include "core/convert/GbkText.h"
#include "core/convert/Jislib.h"
#include "core/language/CoreText.h"

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
