// Export then import gives the exported slots' bytes back exactly, in both
// formats, whatever the target file held before.
#include <gtest/gtest.h>

#include "core/convert/Jislib.h"
#include "core/exchange/ExchangeExport.h"
#include "core/exchange/ExchangeFile.h"
#include "core/exchange/ExchangeImport.h"
#include "support/DemoOfficerFile.h"
#include "support/OfficerBytes.h"

namespace {

class ExchangeRoundTripTest : public ::testing::TestWithParam<ExchangeFormat> {
 protected:
  void SetUp() override { LoadConversionTable(); }

  // Through the file's bytes, as a user's export and import would go.
  std::vector<unsigned char> RoundTrip(const std::vector<unsigned char>& source, const std::vector<unsigned char>& target,
                                       const std::vector<int>& chosen = {}) {
    const QByteArray bytes = WriteExchangeBytes(ExportDocument(source, chosen), GetParam());
    const ExchangeReadResult read = ReadExchangeBytes(bytes, GetParam());
    EXPECT_TRUE(read.Ok()) << (read.errors.empty() ? "" : FormatExchangeError(read.errors.front()));
    const ImportDecision decision = DecideImport(read.document, target);
    EXPECT_TRUE(decision.Accepted()) << (decision.errors.empty() ? "" : FormatExchangeError(decision.errors.front()));
    return decision.changes.after;
  }
};

TEST_P(ExchangeRoundTripTest, DemoFileComesBackIntoAnEmptyARandomAndItsOwnFile) {
  const auto demo = DemoOfficerFile();
  ASSERT_EQ(demo.size(), kOfficerFileSize);
  EXPECT_EQ(RoundTrip(demo, EmptyOfficerFile()), demo);
  EXPECT_EQ(RoundTrip(demo, RandomOfficerFile(7)), demo);
  EXPECT_EQ(RoundTrip(demo, demo), demo);
}

TEST_P(ExchangeRoundTripTest, RandomFilesComeBackByteForByte) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    const auto source = RandomOfficerFile(seed);
    EXPECT_EQ(RoundTrip(source, RandomOfficerFile(seed + 100)), source) << "seed " << seed;
    EXPECT_EQ(RoundTrip(source, EmptyOfficerFile()), source) << "seed " << seed;
  }
}

TEST_P(ExchangeRoundTripTest, ChosenSlotsChangeOnlyThemselvesAndTheHeader) {
  const auto source = RandomOfficerFile(11), target = RandomOfficerFile(12);
  const auto after = RoundTrip(source, target, {0, 50, 109});
  for (std::size_t s = 0; s < kSlotCount; ++s) {
    const auto& expected = (s == 0 || s == 50 || s == 109) ? source : target;
    EXPECT_TRUE(std::equal(after.begin() + RecordOffset(s), after.begin() + RecordOffset(s) + kRecordSize,
                           expected.begin() + RecordOffset(s)))
        << "slot " << s;
  }
  EXPECT_TRUE(std::equal(after.begin(), after.begin() + kHeaderSize, source.begin()));
}

TEST_P(ExchangeRoundTripTest, EdgeValuesOfEveryKindSurvive) {
  auto file = EmptyOfficerFile();
  PutBytes(file, 0, 81, "\xB1\x69\x00\x41\x42");  // 張 with bytes after the terminator
  PutBytes(file, 0, 86, "\x82\xA0\x82\xA2\x00");  // Shift-JIS, not Big5
  PutBytes(file, 0, 91, "\xA4\x40\xA4\x41\xA4");  // no terminator in the field
  PutBytes(file, 0, 96, "abcdefghijk");           // a reading filling all eleven bytes
  PutBytes(file, 0, 107, "a\r\nb\nc");             // lone LF kept as stored
  PutU16(file, 0, 2, 900);                          // "none" that is not 0xFFFF
  PutU16(file, 0, 4, 831);
  PutBytes(file, 0, 71, "\xFF");                    // no type
  PutBytes(file, 0, 35, "\x07");                    // gender outside its list
  PutBytes(file, 0, 47, "\xFF\xFF\xFF\xFF\xFF\xFF");  // all skills and the six without a box
  PutU16(file, 0, 22, 65535);
  PutBytes(file, 0, 62, "\x01");                    // save mark
  EXPECT_EQ(RoundTrip(file, RandomOfficerFile(3)), file);
}

INSTANTIATE_TEST_SUITE_P(BothFormats, ExchangeRoundTripTest, ::testing::Values(ExchangeFormat::Json, ExchangeFormat::Csv),
                         [](const ::testing::TestParamInfo<ExchangeFormat>& param) { return param.param == ExchangeFormat::Json ? "Json" : "Csv"; });

}  // namespace
