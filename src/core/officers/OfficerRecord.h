#pragma once
// One officer slot of TPERSON.VMR: 260 bytes, little-endian numbers, Big5 texts.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/officers/TextField.h"

constexpr std::size_t kSlotCount = 110;     // the game keeps 110 new officers
constexpr std::size_t kRecordSize = 260;
constexpr std::size_t kHeaderSize = 4;
constexpr std::size_t kOfficerFileSize = kHeaderSize + kSlotCount * kRecordSize;  // 28,604
constexpr int kFirstNewOfficer = 650;       // slot s is roster number s + 650
// An enumeration the player left without a choice stores 0xFF.
constexpr std::uint8_t kNoSelection = 0xFF;
constexpr std::uint8_t kNoType = kNoSelection;  // a slot never filled has no type

struct OfficerRecord {
  // u16 at 0-31
  std::uint16_t Face = 0;
  std::uint16_t Father = 0;
  std::uint16_t Mother = 0;
  std::uint16_t Another = 0;
  std::uint16_t Family = 0;
  std::uint16_t Brother = 0;
  std::uint16_t Enemy = 0;
  std::uint16_t BornYear = 0;
  std::uint16_t EnterYear = 0;
  std::uint16_t DeadYear = 0;
  std::uint16_t Shengwang = 0;
  std::uint16_t Tongshuai = 0;
  std::uint16_t Wuli = 0;
  std::uint16_t Zhili = 0;
  std::uint16_t Zhengzhi = 0;
  std::uint16_t Meili = 0;
  // u8 at 35-46
  std::uint8_t Gender = 0;
  std::uint8_t Character = 0;
  std::uint8_t Drink = 0;
  std::uint8_t Care = 0;
  std::uint8_t Desire = 0;
  std::uint8_t Xiangxing = 0;
  std::uint8_t Touyuan = 0;
  std::uint8_t Qiyong = 0;
  std::uint8_t Yili = 0;
  std::uint8_t Han = 0;
  std::uint8_t Stratagem = 0;
  std::uint8_t Task = 0;
  std::array<std::uint8_t, 6> Skills{};  // 47-52, least significant bit first
  std::uint16_t SameOfficer = 0;         // 64
  std::uint8_t Belief = 0;               // 70
  std::uint8_t Type = 0;                 // 71
  TextField<5> Xing;                     // 81
  TextField<5> Ming;                     // 86
  TextField<5> Zi;                       // 91
  TextField<11> Yin;                     // 96, stored and shown byte for byte
  TextField<153> Story;                  // 107

  bool operator==(const OfficerRecord&) const = default;
};

using OfficerTable = std::array<OfficerRecord, kSlotCount>;

// Reads the fields of one record from its 260 bytes; the preserved bytes are ignored.
OfficerRecord DecodeRecord(const std::uint8_t* bytes);

// The 110 slots of a file's first 28,604 bytes (all empty when shorter).
OfficerTable TableOfHead(const std::vector<unsigned char>& head);

// A slot holds an officer once it has a surname or a given name.
bool IsRegistered(const OfficerRecord& record);

struct OfficerField;
// A number field's value in a record's bytes: one byte, or two little-endian.
unsigned StoredNumber(const std::uint8_t* record, const OfficerField& field);
void StoreNumber(std::uint8_t* record, const OfficerField& field, unsigned value);

// Writes the fields into an existing 260-byte record, leaving every byte the
// editor does not interpret as it is. Byte 62 becomes 1 unless Type is 0xFF.
void EncodeRecordInPlace(const OfficerRecord& record, std::uint8_t* bytes);
