// Export and import of all 110 slots in both exchange formats (target: below
// 5 ms each), the refusal of a 10,000-row file and of a header of 1.9
// million columns (target: below a second), and the reading of a GBK file.
//
// Two registration files: the demo file of `make run`, and random bytes,
// where every slot carries raw bytes beside its values (the heaviest case).
// Imports go into the file itself (an edited export coming back) and into
// another random file (every field changes).
#include <benchmark/benchmark.h>

#include "core/convert/GbkText.h"
#include "core/convert/Jislib.h"
#include "core/exchange/ExchangeFile.h"
#include "core/exchange/ExchangeImport.h"
#include "support/DemoOfficerFile.h"
#include "support/OfficerBytes.h"

namespace {

enum class Source { Demo, Random };

const std::vector<unsigned char>& File(Source source) {
  static const std::vector<unsigned char> demo = (LoadConversionTable(), DemoOfficerFile());
  static const std::vector<unsigned char> random = RandomOfficerFile(2024);
  return source == Source::Demo ? demo : random;
}

void Export(benchmark::State& state, Source source, ExchangeFormat format) {
  const auto& file = File(source);
  for (auto _ : state) benchmark::DoNotOptimize(WriteExchangeBytes(ExportDocument(file), format));
}

void Import(benchmark::State& state, Source source, ExchangeFormat format, bool intoItself) {
  const QByteArray bytes = WriteExchangeBytes(ExportDocument(File(source)), format);
  const std::vector<unsigned char> target = intoItself ? File(source) : RandomOfficerFile(7);
  for (auto _ : state) {
    const ExchangeReadResult read = ReadExchangeBytes(bytes, format);
    ImportDecision decision = DecideImport(read.document, target);
    if (!decision.Accepted()) state.SkipWithError("import refused");
    benchmark::DoNotOptimize(decision);
  }
}

void RefuseTenThousandRows(benchmark::State& state) {
  std::string csv = "format,version,slot,war\n";
  for (int i = 0; i < 10000; ++i) csv += "velmedit-officers,1," + std::to_string(i % 110) + ",50\n";
  const QByteArray bytes = QByteArray::fromStdString(csv);
  for (auto _ : state) benchmark::DoNotOptimize(ReadExchangeBytes(bytes, ExchangeFormat::Csv));
}

void RefuseWideHeader(benchmark::State& state) {
  std::string csv = "format,version";
  for (int i = 0; i < 1900000; ++i) csv += ",x";
  const QByteArray bytes = QByteArray::fromStdString(csv + "\n");
  for (auto _ : state) {
    const ExchangeReadResult read = ReadExchangeBytes(bytes, ExchangeFormat::Csv);
    if (read.errors.size() != 1) state.SkipWithError("not refused with one error");
  }
}

// The demo export without its byte order mark, in GBK: both readings are tried.
void ImportGbk(benchmark::State& state) {
  const QByteArray utf8 = WriteExchangeBytes(ExportDocument(File(Source::Demo)), ExchangeFormat::Csv).sliced(3);
  const QByteArray gbk = QByteArray::fromStdString(ToGbk(QString::fromUtf8(utf8)));
  for (auto _ : state) {
    const ExchangeReadResult read = ReadExchangeBytes(gbk, ExchangeFormat::Csv);
    if (read.encoding != TextEncoding::Gbk) state.SkipWithError("not read as GBK");
    benchmark::DoNotOptimize(DecideImport(read.document, File(Source::Demo)));
  }
}

constexpr auto kJson = ExchangeFormat::Json;
constexpr auto kCsv = ExchangeFormat::Csv;
BENCHMARK_CAPTURE(Export, DemoJson, Source::Demo, kJson)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, DemoCsv, Source::Demo, kCsv)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, RandomJson, Source::Random, kJson)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, RandomCsv, Source::Random, kCsv)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Import, DemoJsonIntoItself, Source::Demo, kJson, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Import, DemoCsvIntoItself, Source::Demo, kCsv, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Import, RandomJsonIntoAnother, Source::Random, kJson, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Import, RandomCsvIntoAnother, Source::Random, kCsv, false)->Unit(benchmark::kMillisecond);
BENCHMARK(RefuseTenThousandRows)->Unit(benchmark::kMillisecond);
BENCHMARK(RefuseWideHeader)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportGbk)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
