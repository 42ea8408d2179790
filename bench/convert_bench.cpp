// Cost of the converter per character: each direction through the direct
// index, the same Big5 text through a plain scan of the table and through
// glibc's iconv, and the cost of loading the table with its indexes.
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/convert/CharacterTable.h"
#include "core/convert/Jislib.h"
#include "support/TableScan.h"

namespace {

constexpr std::size_t kCharacters = 20000;  // a long text; a biography has at most 76

struct Text {
  std::string bytes;
  std::size_t characters = 0;
};

bool IconvAccepts(iconv_t cd, const std::string& in) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char out[16];
  char* inPtr = const_cast<char*>(in.data());
  std::size_t inLeft = in.size();
  char* outPtr = out;
  std::size_t outLeft = sizeof out;
  return iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
}

// A text of the table's characters in the given column, with an ASCII
// letter after every fourth character. Only codes with a real counterpart
// are taken, and for Big5 only those that glibc can also convert to GBK, so
// that every contestant does the same work.
Text MixedText(CharacterTable::Column column, std::size_t characters) {
  const CharacterTable& table = LoadedCharacterTable();
  iconv_t cd = iconv_open("GBK", "CP950");
  std::vector<std::string> pool;
  for (std::size_t row = 0; row < CharacterTable::kRows; ++row) {
    const std::uint16_t code = table.Entry(column, row);
    const std::uint16_t target = table.Entry(column == CharacterTable::kBig5 ? CharacterTable::kGbk
                                                                              : CharacterTable::kBig5,
                                             row);
    if ((code & 0xFF) < 0x81 || (code >> 8) == 0 || target == CharacterTable::kNoCounterpart) continue;
    std::string c = {static_cast<char>(code & 0xFF), static_cast<char>(code >> 8)};
    if (column == CharacterTable::kBig5 && !IconvAccepts(cd, c)) continue;
    pool.push_back(c);
  }
  iconv_close(cd);
  // Characters from all over the table in a fixed random order, so that
  // neither the index nor the scan sees only its first rows.
  std::shuffle(pool.begin(), pool.end(), std::mt19937(20292));
  Text text;
  for (std::size_t i = 0; text.characters < characters; ++i) {
    text.bytes += pool[i % pool.size()];
    if (++text.characters % 4 == 0 && text.characters < characters) {
      text.bytes += static_cast<char>('a' + i % 26);
      ++text.characters;
    }
  }
  return text;
}

void PerCharacter(benchmark::State& state, std::size_t characters) {
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * characters));
  state.counters["per_char"] = benchmark::Counter(static_cast<double>(characters),
                                                  benchmark::Counter::kIsIterationInvariantRate |
                                                      benchmark::Counter::kInvert);
}

void ConvertInPlace(benchmark::State& state, CharacterTable::Column column, void (*op)(std::uint8_t*, std::size_t)) {
  const Text text = MixedText(column, kCharacters);
  std::vector<std::uint8_t> field(text.bytes.size() + 1, 0);
  for (auto _ : state) {
    std::memcpy(field.data(), text.bytes.data(), text.bytes.size());
    op(field.data(), field.size());
    benchmark::DoNotOptimize(field.data());
    benchmark::ClobberMemory();
  }
  PerCharacter(state, text.characters);
}

void BM_Big5ToGbk(benchmark::State& state) { ConvertInPlace(state, CharacterTable::kBig5, Big5ToGbk); }
void BM_GbkToBig5(benchmark::State& state) { ConvertInPlace(state, CharacterTable::kGbk, GbkToBig5); }
void BM_ShiftJisToBig5(benchmark::State& state) { ConvertInPlace(state, CharacterTable::kShiftJis, ShiftJisToBig5); }

// The same Big5 text with every two-byte code looked up by scanning the
// table (a shorter text: a scan costs thousands of times more).
void BM_Big5ToGbkByScan(benchmark::State& state) {
  const Text text = MixedText(CharacterTable::kBig5, 500);
  const CharacterTable& table = LoadedCharacterTable();
  std::string field;
  for (auto _ : state) {
    field = text.bytes;
    for (std::size_t i = 0; i < field.size();) {
      const auto lead = static_cast<unsigned char>(field[i]);
      if (lead <= 0x7F || i + 1 == field.size()) {
        ++i;
        continue;
      }
      const auto code = static_cast<std::uint16_t>(lead | static_cast<unsigned char>(field[i + 1]) << 8);
      const std::uint16_t result = ScanLookup(table, CharacterTable::kBig5ToGbk, code);
      if (result != 0) {
        field[i] = static_cast<char>(result & 0xFF);
        field[i + 1] = static_cast<char>(result >> 8);
      }
      i += 2;
    }
    benchmark::DoNotOptimize(field.data());
  }
  PerCharacter(state, text.characters);
}

void BM_IconvBig5ToGbk(benchmark::State& state) {
  const Text text = MixedText(CharacterTable::kBig5, kCharacters);
  iconv_t cd = iconv_open("GBK", "CP950");
  std::string out(text.bytes.size() + 16, '\0');
  for (auto _ : state) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(text.bytes.data());
    std::size_t inLeft = text.bytes.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
      state.SkipWithError("iconv refused the text");
      break;
    }
    benchmark::DoNotOptimize(out.data());
  }
  iconv_close(cd);
  PerCharacter(state, text.characters);
}

// Reading the asset from the program's resources and building the indexes.
void BM_LoadTableAndIndex(benchmark::State& state) {
  auto table = std::make_unique<CharacterTable>();
  for (auto _ : state) {
    QFile asset(QStringLiteral(":/convert/CharacterTable.bin"));
    if (!asset.open(QIODevice::ReadOnly)) {
      state.SkipWithError("the table resource is missing");
      break;
    }
    const QByteArray bytes = asset.readAll();
    table->Load({reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())});
    benchmark::DoNotOptimize(table.get());
  }
}

}  // namespace

BENCHMARK(BM_Big5ToGbk);
BENCHMARK(BM_GbkToBig5);
BENCHMARK(BM_ShiftJisToBig5);
BENCHMARK(BM_Big5ToGbkByScan);
BENCHMARK(BM_IconvBig5ToGbk);
BENCHMARK(BM_LoadTableAndIndex)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
