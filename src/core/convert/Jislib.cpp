#include "core/convert/Jislib.h"
#include "core/language/CoreText.h"
#include "core/officers/SystemErrorText.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <atomic>
#include <mutex>

#include "core/convert/CharacterTable.h"
#include "core/convert/CodePages.h"

namespace {

std::string Tr(const char* text, std::initializer_list<std::string_view> pieces = {}) { return CoreText("Jislib", text, pieces); }

constinit CharacterTable gTable;
std::once_flag gLoadOnce;
std::atomic<bool> gLoaded{false};

// Conversions load the table themselves if start-up has not done it yet.
const CharacterTable& Table() {
  if (!gLoaded.load(std::memory_order_acquire)) LoadConversionTable();
  return gTable;
}

}  // namespace

std::vector<std::uint8_t> ReadCharacterTableAsset(const QString& path) {
  QFile asset(path);
  if (!asset.open(QIODevice::ReadOnly)) {
    throw CharacterTableError(Tr(QT_TRANSLATE_NOOP("Jislib", "找不到字符对照表 %1：%2；没有它无法转换文字，程序停止运行"),
                                 {path.toStdString(), SystemErrorText(asset.errorString())}));
  }
  const QByteArray bytes = asset.readAll();
  if (static_cast<std::size_t>(bytes.size()) != CharacterTable::kAssetSize) {
    throw CharacterTableError(
        Tr(QT_TRANSLATE_NOOP("Jislib", "字符对照表 %1 有 %2 字节，应为 %3 字节；没有完整的对照表无法转换文字，程序停止运行"),
           {path.toStdString(), std::to_string(bytes.size()), std::to_string(CharacterTable::kAssetSize)}));
  }
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

void LoadConversionTable() {
  // A throw leaves the flag unset: the next call reads the asset again.
  std::call_once(gLoadOnce, [] {
    LoadCodePages();
    gTable.Load(ReadCharacterTableAsset(QStringLiteral(":/convert/CharacterTable.bin")));
    gLoaded.store(true, std::memory_order_release);
  });
}

const CharacterTable& LoadedCharacterTable() { return Table(); }

std::uint16_t Big5ToGbkCode(std::uint16_t code) { return Table().Lookup(CharacterTable::kBig5ToGbk, code); }
std::uint16_t GbkToBig5Code(std::uint16_t code) { return Table().Lookup(CharacterTable::kGbkToBig5, code); }
std::uint16_t ShiftJisToBig5Code(std::uint16_t code) { return Table().Lookup(CharacterTable::kShiftJisToBig5, code); }

void Big5ToGbk(std::uint8_t* text, std::size_t width) { Table().Convert(CharacterTable::kBig5ToGbk, text, width); }
void GbkToBig5(std::uint8_t* text, std::size_t width) { Table().Convert(CharacterTable::kGbkToBig5, text, width); }
void ShiftJisToBig5(std::uint8_t* text, std::size_t width) {
  Table().Convert(CharacterTable::kShiftJisToBig5, text, width);
}

std::string Big5ToGbk(std::string_view text) { return Table().Convert(CharacterTable::kBig5ToGbk, text); }
std::string GbkToBig5(std::string_view text) { return Table().Convert(CharacterTable::kGbkToBig5, text); }
std::string ShiftJisToBig5(std::string_view text) { return Table().Convert(CharacterTable::kShiftJisToBig5, text); }
