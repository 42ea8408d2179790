// Any bytes as an exchange file: the first byte picks the format (even JSON,
// odd CSV), the rest is the file. Reading and deciding either refuse with
// messages, changing nothing, or give a change set whose values come back:
// importing the same file into the result changes nothing more, slots the
// file does not name keep their bytes, and exporting the named slots of the
// result and importing them into the original gives the result again.
#include <set>

#include "FuzzSupport.h"
#include "core/convert/Jislib.h"
#include "core/exchange/ExchangeExport.h"
#include "core/exchange/ExchangeFile.h"
#include "core/exchange/ExchangeImport.h"
#include "support/OfficerBytes.h"

namespace {

const std::vector<unsigned char>& Target() {
  static const std::vector<unsigned char> file = [] {
    LoadConversionTable();
    // Half the slots random bytes, half clean and empty, relationships none.
    std::vector<unsigned char> bytes = RandomOfficerFile(5);
    for (std::size_t s = kSlotCount / 2; s < kSlotCount; ++s) {
      std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(RecordOffset(s)), kRecordSize, 0);
      for (std::size_t offset : {2u, 4u, 6u, 8u, 10u, 12u, 64u}) PutU16(bytes, s, offset, 0xFFFF);
    }
    return bytes;
  }();
  return file;
}

bool AllExplained(const std::vector<ExchangeError>& errors) {
  for (const ExchangeError& e : errors)
    if (e.message.empty() || FormatExchangeError(e).empty()) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const ExchangeFormat format = data[0] % 2 == 0 ? ExchangeFormat::Json : ExchangeFormat::Csv;
  const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  const std::vector<unsigned char>& target = Target();

  const ExchangeReadResult read = ReadExchangeBytes(bytes, format);
  if (!read.Ok()) {
    Require(AllExplained(read.errors), "a refused file says why");
    return 0;
  }
  const ImportDecision decision = DecideImport(read.document, target);
  if (!decision.Accepted()) {
    Require(AllExplained(decision.errors), "a refused import says why");
    Require(decision.changes.after.empty() && decision.changes.Empty(), "a refused import decides no change");
    return 0;
  }
  const std::vector<unsigned char>& after = decision.changes.after;
  Require(after.size() == kOfficerFileSize, "the result has the file's size");

  std::set<int> named;
  for (const ExchangeSlot& entry : read.document.officers) named.insert(entry.slot);
  for (const int slot : decision.changes.ChangedSlots()) Require(named.contains(slot), "only named slots change");
  if (!read.document.header) Require(std::equal(after.begin(), after.begin() + kHeaderSize, target.begin()), "the header stays");

  const ImportDecision again = DecideImport(read.document, after);
  Require(again.Accepted() && again.changes.Empty(), "the same file changes nothing more");

  const std::vector<int> namedSlots(named.begin(), named.end());
  for (const ExchangeFormat out : {ExchangeFormat::Json, ExchangeFormat::Csv}) {
    const ExchangeReadResult exported = ReadExchangeBytes(WriteExchangeBytes(ExportDocument(after, namedSlots), out), out);
    Require(exported.Ok(), "an export reads back");
    const ImportDecision back = DecideImport(exported.document, target);
    Require(back.Accepted() && back.changes.after == after, "exporting the result and importing it gives the result");
  }
  return 0;
}
