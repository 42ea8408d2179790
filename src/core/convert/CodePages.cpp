#include "core/convert/CodePages.h"

#include <QtEndian>
#include <QByteArray>
#include <QFile>
#include <bitset>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/convert/Big5Rule.h"
#include "core/convert/Jislib.h"
#include "core/language/CoreText.h"
#include "core/officers/SystemErrorText.h"

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsLead(unsigned byte) { return IsBig5Lead(static_cast<unsigned char>(byte)); }  // the same for GBK

bool IsTrail(CodePage page, unsigned byte) {
  const auto trail = static_cast<unsigned char>(byte);
  return page == CodePage::Gbk ? IsGbkTrail(trail) : IsBig5Trail(trail);
}

// One page's pairs as two direct indexes; 0 stands for "none" in both
// (no code maps to or from U+0000).
struct PageTable {
  std::vector<char16_t> decode = std::vector<char16_t>(0x10000, 0);   // code -> character
  std::vector<std::uint16_t> encode = std::vector<std::uint16_t>(0x10000, 0);  // character -> own code
};

struct Tables {
  PageTable gbk, big5;
};

class AssetReader {
 public:
  explicit AssetReader(QByteArray bytes) : bytes_(std::move(bytes)) {}

  std::uint16_t Next() {
    if (at_ + 2 > bytes_.size()) Fail(QT_TRANSLATE_NOOP("CodePages", "比应有的短"));
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.constData()) + at_;
    at_ += 2;
    return qFromLittleEndian<quint16>(p);
  }

  void ReadPage(CodePage page, PageTable& table) {
    const std::uint16_t pairCount = Next(), otherCount = Next();
    std::vector<std::pair<std::uint16_t, char16_t>> pairs(pairCount);
    for (auto& [code, character] : pairs) {
      code = Next();
      character = Next();
      if (!IsCodeOf(page, code) || character < 0x80 || QChar::isSurrogate(character))
        Fail(QT_TRANSLATE_NOOP("CodePages", "含有无效的编码对"));
    }
    std::bitset<0x10000> notOwn;
    for (unsigned i = 0; i < otherCount; ++i) notOwn.set(Next());
    for (const auto& [code, character] : pairs) {
      table.decode[code] = character;
      if (!notOwn[code]) table.encode[character] = code;
    }
  }

  void Finish() const {
    if (at_ != bytes_.size()) Fail(QT_TRANSLATE_NOOP("CodePages", "比应有的长"));
  }

  [[noreturn]] static void Fail(const char* why) {
    throw CharacterTableError(
        CoreText("CodePages", QT_TRANSLATE_NOOP("CodePages", "编码表 :/convert/CodePages.bin %1；没有它无法转换文字，程序停止运行"),
                 {CoreText("CodePages", why, {})}));
  }

 private:
  static bool IsCodeOf(CodePage page, unsigned code) {
    const unsigned first = code & 0xFF, second = code >> 8;
    return second == 0 ? first >= 0x80 : IsLead(first) && IsTrail(page, second);
  }
  QByteArray bytes_;
  qsizetype at_ = 0;
};

Tables ReadTables() {
  QFile asset(QStringLiteral(":/convert/CodePages.bin"));
  if (!asset.open(QIODevice::ReadOnly)) {
    throw CharacterTableError(
        CoreText("CodePages", QT_TRANSLATE_NOOP("CodePages", "找不到编码表 :/convert/CodePages.bin：%1；没有它无法转换文字，程序停止运行"),
                 {SystemErrorText(asset.errorString())}));
  }
  AssetReader reader(asset.readAll());
  if (reader.Next() != ('V' | 'C' << 8) || reader.Next() != ('P' | '1' << 8))
    AssetReader::Fail(QT_TRANSLATE_NOOP("CodePages", "不是本程序的编码表"));
  Tables tables;
  reader.ReadPage(CodePage::Gbk, tables.gbk);
  reader.ReadPage(CodePage::Big5, tables.big5);
  reader.Finish();
  return tables;
}

// Read once, by whichever thread asks first; a failed read is tried again.
const PageTable& Table(CodePage page) {
  static const Tables tables = ReadTables();
  return page == CodePage::Gbk ? tables.gbk : tables.big5;
}

}  // namespace

QString DecodeCodePage(CodePage page, std::string_view bytes) {
  const PageTable& table = Table(page);
  // Every byte gives at most one UTF-16 unit.
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* out = text.data();
  const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t size = bytes.size();
  for (std::size_t i = 0; i < size; ++i) {
    const unsigned byte = in[i];
    if (byte < 0x80) {
      *out++ = QChar(static_cast<char16_t>(byte));
    } else if (IsLead(byte) && i + 1 < size && IsTrail(page, in[i + 1])) {
      const char16_t character = table.decode[PairCode(static_cast<unsigned char>(byte), in[i + 1])];
      *out++ = QChar(character ? character : kReplacement);
      ++i;
    } else {
      const char16_t character = table.decode[byte];
      *out++ = QChar(character ? character : kReplacement);
    }
  }
  text.truncate(out - text.constData());
  return text;
}

EncodedText EncodeCodePage(CodePage page, QStringView text) {
  const PageTable& table = Table(page);
  EncodedText encoded;
  encoded.bytes.reserve(static_cast<std::size_t>(text.size()) * 2);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    const std::uint16_t code = c < 0x80 ? c : table.encode[c];
    if (code == 0 && c != 0) {
      // A surrogate pair is one character beyond the tables.
      if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
      encoded.bytes += '?';
      encoded.complete = false;
    } else {
      encoded.bytes += static_cast<char>(code & 0xFF);
      if (code > 0xFF) encoded.bytes += static_cast<char>(code >> 8);
    }
  }
  return encoded;
}

void LoadCodePages() { Table(CodePage::Gbk); }
