#include "core/check/ValueRules.h"

#include <QList>
#include <algorithm>
#include <map>

#include "core/convert/Big5Rule.h"
#include "core/convert/EditedText.h"
#include "core/convert/GbkText.h"
#include "core/convert/Jislib.h"
#include "core/convert/PhraseConversion.h"
#include "core/convert/StoredEncoding.h"
#include "core/faces/FaceArchivePair.h"
#include "core/list/OfficerRoster.h"

namespace {


std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::string RangeProblem(long long value, unsigned max) {
  return std::to_string(value) + " 超出范围 0–" + std::to_string(max);
}

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
      return std::string("含有无法识别的字符（文件中的字已损坏）");
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
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) return "含有控制字符 " + CodePoint(c.unicode());
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
  return std::string("“?”像是丢失的字（表格程序保存时可能没有选择 UTF-8）");
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

std::string ChoicesOf(const OfficerField& field) {
  std::string choices;
  for (std::size_t i = 0; i < field.items.size(); ++i) {
    choices += (i ? "、" : "") + std::to_string(i) + " " + std::string(Trimmed(field.items[i]));
  }
  return choices;
}

}  // namespace

ImpossibleValue::ImpossibleValue(const OfficerField& field, const std::string& message)
    : std::runtime_error(Labelled(field, message)), field_(&field) {}

ImpossibleValue::ImpossibleValue(const OfficerField& field, const Unlabelled& message)
    : std::runtime_error(message.message), field_(&field) {}

std::string Labelled(const OfficerField& field, const std::string& message) {
  return std::string(field.label) + "：" + message;
}

std::optional<std::string> NumberProblem(const OfficerField& field, long long value) {
  if (value < 0 || value > static_cast<long long>(field.MaxValue())) return RangeProblem(value, field.MaxValue());
  return std::nullopt;
}

std::string EnumerationChoices(const OfficerField& field) {
  // A random file asks for these on almost every officer.
  static const std::map<const OfficerField*, std::string> known = [] {
    std::map<const OfficerField*, std::string> all;
    for (const OfficerField& f : OfficerFields()) {
      if (f.kind == FieldKind::Enumeration) all.emplace(&f, ChoicesOf(f));
    }
    return all;
  }();
  if (const auto it = known.find(&field); it != known.end()) return it->second;
  return ChoicesOf(field);
}

std::optional<std::string> EnumerationProblem(const OfficerField& field, long long value) {
  if (value >= 0 && (value < static_cast<long long>(field.items.size()) || value == kNoSelection)) return std::nullopt;
  return std::to_string(value) + " 不是可选的项目；可选：" + EnumerationChoices(field);
}

bool IsRelationshipValue(long long value) { return (value >= 0 && value < kRosterNoneEntry) || value == kNoOfficer; }

std::optional<std::string> RelationshipProblem(long long value) {
  if (IsRelationshipValue(value)) return std::nullopt;
  return "人物编号 " + RangeProblem(value, kRosterNoneEntry - 1);
}

TextDecision DecideText(const OfficerField& field, const QString& given, const std::string& storedBytes) {
  const bool big5 = field.coding == TextCoding::Big5;
  const QString typed = field.role == FieldRole::Biography ? WithCrLf(given) : given;
  const std::string shownGbk = big5 ? Big5ToGbk(storedBytes) : storedBytes;
  if (auto problem = BrokenOrControl(field, typed)) return {{}, problem, {}};
  if (auto problem = LostCharacters(field, typed, FromGbk(shownGbk))) return {{}, problem, {}};
  const char* unstorable = big5 ? "无法以繁体中文(Big5)保存的字：" : "无法保存的字：";
  if (!GbkCanEncode(typed)) return {{}, unstorable + UnencodableCharacters(typed), {}};
  TextDecision decision{ToGbk(typed), std::nullopt, typed};
  if (big5) {
    // Typed characters take OpenCC's choice in context; in a surname only a
    // word overrules the table's name forms (于, not 於).
    const std::vector<std::string> chosen = PhraseChoices(decision.bytes, field.role == FieldRole::Surname);
    EditedTextResult result = StoreEditedText(shownGbk, storedBytes, decision.bytes, std::string::npos, chosen);
    decision.stored = StoredForm(result.pieces);
    if (!result.unstorable.empty()) {
      decision.problem = unstorable + FromGbk(JoinCharacters(result.unstorable)).toStdString();
    }
    decision.bytes = std::move(result.big5);
  }
  // A stored text beyond the typing limit may be shortened, never lengthened;
  // the terminator always fits.
  const std::size_t limit = std::min(std::max(field.textLimit, storedBytes.size()), field.width - 1);
  if (!decision.problem && decision.bytes.size() > limit) {
    decision.problem = "太长：" + std::to_string(decision.bytes.size()) + " 字节，最多 " + std::to_string(limit) + " 字节";
    decision.bytes.clear();
  }
  return decision;
}


std::vector<Finding> ImpossibleStoredValues(const OfficerRecord& record, int slot) {
  std::vector<Finding> found;
  for (const OfficerField& field : OfficerFields()) {
    std::optional<std::string> problem;
    std::string_view kind = "enumeration";
    if (field.kind == FieldKind::Enumeration) {
      problem = EnumerationProblem(field, FieldValue(record, field));
    } else if (field.kind == FieldKind::Relationship) {
      problem = RelationshipProblem(FieldValue(record, field));
      kind = "relationship";
    } else if (field.IsText() && field.coding == TextCoding::Big5) {
      const std::string text = FieldText(record, field);
      const bool japanese = StoredEncodingOf(text) == StoredEncoding::ShiftJis;
      kind = "text";
      if (!IsBig5Text(text)) {
        problem = japanese ? "不是繁体中文(Big5)文字，像是日文(Shift-JIS)：请用 此人日文-->中文 转换"
                           : "不是繁体中文(Big5)文字";
      } else if (japanese) {
        problem = "含有 Big5 未定义的字，像是日文(Shift-JIS)：请用 此人日文-->中文 转换";
      }
    }
    if (problem) found.push_back({slot, &field, kind, false, std::move(*problem)});
  }
  return found;
}

ImplausibleCount CountImpossibleValues(const OfficerTable& table) {
  ImplausibleCount count;
  for (std::size_t s = 0; s < kSlotCount; ++s) {
    const auto found = ImpossibleStoredValues(table[s], static_cast<int>(s)).size();
    count.slotCount += found > 0 ? 1 : 0;
    count.valueCount += static_cast<int>(found);
  }
  return count;
}
