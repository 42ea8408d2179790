// Any bytes as TPERSON.VMR. A file shorter than the game's is refused with a
// message and left as it was. Any other file loads, and saving the loaded
// table over it changes nothing but the save mark: byte 62 of each record
// whose type is not 0xFF becomes 1. The backup holds the file as it was, and
// bytes past the 110 records stay.
#include "FuzzSupport.h"
#include "core/officers/OfficerFile.h"

namespace {

bool IsSaveMark(std::size_t offset) {
  return offset >= kHeaderSize && offset < kOfficerFileSize && (offset - kHeaderSize) % kRecordSize == 62;
}

std::uint8_t TypeOfRecordAt(const std::vector<unsigned char>& file, std::size_t offset) {
  const std::size_t record = (offset - kHeaderSize) / kRecordSize;
  return file[kHeaderSize + record * kRecordSize + 71];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<unsigned char> original(data, data + size);
  const std::filesystem::path file = Scratch() / "TPERSON.VMR";
  const std::filesystem::path backup = BackupPathFor(file);
  std::filesystem::remove(backup);
  WriteBytes(file, original);

  OfficerTable table;
  try {
    table = LoadOfficerFile(file);
  } catch (const OfficerFileError& error) {
    Require(size < kOfficerFileSize, "a file of the game's size or longer is refused");
    Require(std::strlen(error.what()) > 0, "a refusal names its reason");
    Require(ReadBytes(file) == original, "a refused file keeps its bytes");
    Require(!std::filesystem::exists(backup), "a refused file gets no backup");
    return 0;
  }
  Require(size >= kOfficerFileSize, "a short file is refused");
  for (std::size_t s = 0; s < kSlotCount; ++s)
    Require(table[s] == DecodeRecord(data + kHeaderSize + s * kRecordSize), "each slot comes from its own record");

  SaveOfficerFile(file, table);
  const std::vector<unsigned char> saved = ReadBytes(file);
  Require(saved.size() == original.size(), "a save keeps the file's length");
  for (std::size_t i = 0; i < saved.size(); ++i) {
    if (!IsSaveMark(i)) {
      Require(saved[i] == original[i], "a save changes only the save mark");
    } else if (TypeOfRecordAt(original, i) == kNoType) {
      Require(saved[i] == original[i], "a record of type 0xFF keeps byte 62");
    } else {
      Require(saved[i] == 1, "a record with a type gets the save mark");
    }
  }
  Require(ReadBytes(backup) == original, "the backup holds the file as it was");
  return 0;
}
