#include "core/convert/Jislib.h"

#include <QByteArray>
#include <QFile>
#include <atomic>
#include <mutex>

#include "core/convert/CharacterTable.h"

namespace {

constinit CharacterTable gTable;
std::once_flag gLoadOnce;
std::atomic<bool> gLoaded{false};

// Conversions load the table themselves if start-up has not done it yet.
const CharacterTable& Table() {
  if (!gLoaded.load(std::memory_order_acquire)) LoadConversionTable();
  return gTable;
}

}  // namespace

void LoadConversionTable() {
  std::call_once(gLoadOnce, [] {
    QFile asset(QStringLiteral(":/convert/CharacterTable.bin"));
    if (asset.open(QIODevice::ReadOnly)) {
      const QByteArray bytes = asset.readAll();
      gTable.Load({reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())});
    }
    // Without the asset every code stays unknown and texts pass unchanged.
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
