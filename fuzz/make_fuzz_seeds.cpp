// Writes the seed corpora of the fuzz targets into <corpus>/<target>/seed-*,
// from the demo registration file, the demo face archives and texts of our
// own. Inputs under other names (faults found by fuzzing) are left alone.
//
//   make_fuzz_seeds <demo TPERSON.VMR> <demo grp folder> <corpus folder>
#include <climits>
#include <cstdio>
#include <map>

#include "FuzzSeeds.h"
#include "core/convert/CharacterTable.h"
#include "core/convert/Jislib.h"
#include "core/exchange/ExchangeExport.h"
#include "core/exchange/ExchangeFile.h"
#include "core/officers/OfficerFile.h"
#include "support/FaceArchiveBytes.h"
#include "support/OfficerBytes.h"

namespace {

using Bytes = std::vector<unsigned char>;

std::string AsText(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

Seeds OfficerFileSeeds(const Bytes& demo) {
  Bytes tail = demo;
  for (int i = 0; i < 3000; ++i) tail.push_back(static_cast<unsigned char>(i * 7));
  Bytes noTypes = demo;
  for (std::size_t s = 0; s < kSlotCount; ++s) noTypes[RecordOffset(s) + 71] = kNoType;
  return {
      {"demo", AsText(demo)},
      {"demo-tail", AsText(tail)},
      {"demo-short", AsText(Bytes(demo.begin(), demo.end() - 1))},
      {"header-only", AsText(Bytes(demo.begin(), demo.begin() + kHeaderSize))},
      {"empty", ""},
      {"no-types", AsText(noTypes)},
      {"random", AsText(RandomOfficerFile(7))},
  };
}

// The demo file's first three slots exported in both formats, and the texts of our own.
Seeds ExchangeSeeds(const Bytes& demo) {
  LoadConversionTable();
  Seeds seeds = ExchangeTextSeeds();
  const ExchangeDocument document = ExportDocument(demo, {0, 1, 2});
  seeds.push_back({"demo-json", std::string(1, '\0') + WriteExchangeBytes(document, ExchangeFormat::Json).toStdString()});
  seeds.push_back({"demo-csv", std::string(1, '\1') + WriteExchangeBytes(document, ExchangeFormat::Csv).toStdString()});
  return seeds;
}

std::string ConverterInput(int mode, std::size_t width, const std::string& field, const std::string& rows = "") {
  std::string input{static_cast<char>(mode), static_cast<char>(width)};
  input += field.substr(0, width);
  input += std::string(width - std::min(width, field.size()), '\0');
  return input + rows;
}

// The rows of the program's table that hold the text's Big5 codes, as a made table.
std::string RowsFor(const std::string& big5) {
  const CharacterTable& table = LoadedCharacterTable();
  std::string rows;
  for (std::size_t r = 0; r < CharacterTable::kRows; ++r) {
    const std::uint16_t code = table.Entry(CharacterTable::kBig5, r);
    if (big5.find(std::string{static_cast<char>(code & 0xFF), static_cast<char>(code >> 8)}) == std::string::npos)
      continue;
    for (auto column : {CharacterTable::kGbk, CharacterTable::kBig5, CharacterTable::kShiftJis}) {
      const std::uint16_t entry = table.Entry(column, r);
      rows += {static_cast<char>(entry & 0xFF), static_cast<char>(entry >> 8)};
    }
  }
  rows += std::string("\x3f\x3f\xa4\x40\x3f\x3f", 6);  // a row without a GBK counterpart
  rows += std::string("\x41\x00\xa4\x40\x82\xa0", 6);  // a single-byte counterpart
  return rows;
}

Seeds ConverterSeeds(const OfficerTable& demo) {
  Seeds seeds;
  for (std::size_t s = 0; s < 3; ++s) {
    const std::string n = std::to_string(s);
    const std::string story = demo[s].Story.Text();
    seeds.push_back({"big5-name-" + n, ConverterInput(0, 5, demo[s].Xing.Text() + demo[s].Ming.Text())});
    seeds.push_back({"big5-story-" + n, ConverterInput(0, 153, story)});
    seeds.push_back({"gbk-story-" + n, ConverterInput(1, 153, Big5ToGbk(story))});
    seeds.push_back({"made-table-" + n, ConverterInput(3, 16, story, RowsFor(story.substr(0, 16)))});
  }
  // 関羽, 学, あ and the reading かんう in Shift-JIS.
  seeds.push_back({"sjis-name", ConverterInput(2, 5, "\x8A\xD6\x89\x48")});
  seeds.push_back({"sjis-story", ConverterInput(2, 153, "\x8A\x77\x82\xA0\r\n\x82\xA9\x82\xF1\x82\xA4")});
  seeds.push_back({"no-terminator", ConverterInput(0, 5, "\xA4\x40\xA4\x40\xA4")});
  seeds.push_back({"zero-width", ConverterInput(1, 0, "")});
  return seeds;
}

std::string FaceInput(std::int32_t face, int mode, const Bytes& archive) {
  Bytes input;
  PutArchiveInt32(input, 0, face);
  input.push_back(static_cast<unsigned char>(mode));
  input.insert(input.end(), archive.begin(), archive.end());
  return AsText(input);
}

Seeds FaceArchiveSeeds(const Bytes& mainArchive, const Bytes& addedArchive) {
  // Three images of the main archive, without the header that mode 1 puts back.
  const auto images = mainArchive.begin() + kMainImagesOffset;
  const Bytes mainImages(images, images + 3 * kFaceImageBytes);
  Bytes negative = AddedArchiveBytes(2);
  PutArchiveInt32(negative, static_cast<std::size_t>(kAddedDirectoryOffset + kAddedDirectoryBlock), -6144);
  return {
      {"main-first", FaceInput(0, 1, mainImages)},
      {"main-third", FaceInput(2, 1, mainImages)},
      {"main-cut", FaceInput(1, 1, Bytes(mainImages.begin(), mainImages.end() - 1))},
      {"added-first", FaceInput(2000, 0, addedArchive)},
      {"added-last", FaceInput(2002, 0, addedArchive)},
      {"added-past-count", FaceInput(2003, 0, addedArchive)},
      {"added-huge-count", FaceInput(2001, 2, AddedArchiveBytes(2, INT_MAX))},
      {"added-negative-count", FaceInput(2000, 0, AddedArchiveBytes(2, -5))},
      {"added-negative-offset", FaceInput(2001, 0, negative)},
      {"largest-face", FaceInput(INT_MAX, 0, addedArchive)},
      {"negative-face", FaceInput(-1, 1, mainImages)},
      {"empty", FaceInput(0, 0, {})},
  };
}

bool WriteSeeds(const std::filesystem::path& folder, const Seeds& seeds) {
  std::filesystem::create_directories(folder);
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().filename().string().rfind("seed-", 0) == 0) std::filesystem::remove(entry.path());
  for (const auto& [name, bytes] : seeds) {
    const std::filesystem::path file = folder / ("seed-" + name);
    WriteBytes(file, Bytes(bytes.begin(), bytes.end()));
    if (std::filesystem::file_size(file) != bytes.size()) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s DEMO_VMR DEMO_GRP_FOLDER CORPUS_FOLDER\n", argv[0]);
    return 2;
  }
  const Bytes demo = ReadBytes(argv[1]);
  const std::filesystem::path grp = argv[2];
  const Bytes mainArchive = ReadBytes(grp / kMainArchiveName);
  const Bytes addedArchive = ReadBytes(grp / kAddedArchiveName);
  if (demo.size() != kOfficerFileSize || mainArchive.size() < kMainImagesOffset + 3 * kFaceImageBytes) {
    std::fprintf(stderr, "make_fuzz_seeds: the demo files are missing or too short\n");
    return 1;
  }
  OfficerTable table;
  for (std::size_t s = 0; s < kSlotCount; ++s) table[s] = DecodeRecord(demo.data() + RecordOffset(s));

  const std::filesystem::path corpus = argv[3];
  const std::map<std::string, Seeds> targets = {
      {"officer_file", OfficerFileSeeds(demo)},
      {"converter", ConverterSeeds(table)},
      {"face_archive", FaceArchiveSeeds(mainArchive, addedArchive)},
      {"wine_registry", WineRegistrySeeds()},
      {"settings_file", SettingsFileSeeds()},
      {"number_text", NumberTextSeeds()},
      {"exchange_import", ExchangeSeeds(demo)},
  };
  for (const auto& [target, seeds] : targets) {
    if (!WriteSeeds(corpus / target, seeds)) {
      std::fprintf(stderr, "make_fuzz_seeds: cannot write %s\n", (corpus / target).string().c_str());
      return 1;
    }
  }
  return 0;
}
