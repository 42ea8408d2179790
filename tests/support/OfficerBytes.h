#pragma once
// Building registration files for tests.
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/officers/OfficerRecord.h"

// A file of the game's size filled with random bytes.
inline std::vector<unsigned char> RandomOfficerFile(unsigned seed, std::size_t size = kOfficerFileSize) {
  std::mt19937 gen(seed);
  std::vector<unsigned char> bytes(size);
  for (auto& b : bytes) b = static_cast<unsigned char>(gen() & 0xFF);
  return bytes;
}

// A file of the game's size with every slot empty (all zero).
inline std::vector<unsigned char> EmptyOfficerFile() { return std::vector<unsigned char>(kOfficerFileSize, 0); }

inline std::size_t RecordOffset(std::size_t slot) { return kHeaderSize + slot * kRecordSize; }

inline void PutU16(std::vector<unsigned char>& file, std::size_t slot, std::size_t offset, std::uint16_t value) {
  file[RecordOffset(slot) + offset] = static_cast<unsigned char>(value & 0xFF);
  file[RecordOffset(slot) + offset + 1] = static_cast<unsigned char>(value >> 8);
}

inline void PutBytes(std::vector<unsigned char>& file, std::size_t slot, std::size_t offset, std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) file[RecordOffset(slot) + offset + i] = static_cast<unsigned char>(bytes[i]);
}

// All bytes of a text field, the terminator and what follows it included.
template <std::size_t Width>
std::string FieldBytes(const TextField<Width>& field) {
  return std::string(reinterpret_cast<const char*>(field.bytes.data()), Width);
}

// Fills a text field with the given bytes and zeros after them. Unlike
// Write(), the bytes may fill the whole field and leave no terminator.
template <std::size_t Width>
void SetFieldBytes(TextField<Width>& field, std::string_view bytes) {
  field.bytes.fill(0);
  for (std::size_t i = 0; i < bytes.size() && i < Width; ++i) field.bytes[i] = static_cast<std::uint8_t>(bytes[i]);
}
