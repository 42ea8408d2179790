#include "core/officers/OfficerRecord.h"

#include <algorithm>

namespace {

std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

void PutU16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v & 0xFF);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

// Field walk shared by both directions, in file order.
template <typename Record, typename Byte, typename U16Op, typename U8Op, typename TextOp>
void WalkFields(Record& r, Byte* p, U16Op u16, U8Op u8, TextOp text) {
  u16(r.Face, p + 0);
  u16(r.Father, p + 2);
  u16(r.Mother, p + 4);
  u16(r.Another, p + 6);
  u16(r.Family, p + 8);
  u16(r.Brother, p + 10);
  u16(r.Enemy, p + 12);
  u16(r.BornYear, p + 14);
  u16(r.EnterYear, p + 16);
  u16(r.DeadYear, p + 18);
  u16(r.Shengwang, p + 20);
  u16(r.Tongshuai, p + 22);
  u16(r.Wuli, p + 24);
  u16(r.Zhili, p + 26);
  u16(r.Zhengzhi, p + 28);
  u16(r.Meili, p + 30);
  u8(r.Gender, p + 35);
  u8(r.Character, p + 36);
  u8(r.Drink, p + 37);
  u8(r.Care, p + 38);
  u8(r.Desire, p + 39);
  u8(r.Xiangxing, p + 40);
  u8(r.Touyuan, p + 41);
  u8(r.Qiyong, p + 42);
  u8(r.Yili, p + 43);
  u8(r.Han, p + 44);
  u8(r.Stratagem, p + 45);
  u8(r.Task, p + 46);
  for (std::size_t i = 0; i < r.Skills.size(); ++i) u8(r.Skills[i], p + 47 + i);
  u16(r.SameOfficer, p + 64);
  u8(r.Belief, p + 70);
  u8(r.Type, p + 71);
  text(r.Xing.bytes, p + 81);
  text(r.Ming.bytes, p + 86);
  text(r.Zi.bytes, p + 91);
  text(r.Yin.bytes, p + 96);
  text(r.Story.bytes, p + 107);
}

}  // namespace

OfficerRecord DecodeRecord(const std::uint8_t* bytes) {
  OfficerRecord r;
  WalkFields(
      r, bytes, [](std::uint16_t& f, const std::uint8_t* p) { f = U16(p); },
      [](std::uint8_t& f, const std::uint8_t* p) { f = *p; },
      [](auto& field, const std::uint8_t* p) { std::copy(p, p + field.size(), field.begin()); });
  return r;
}

void EncodeRecordInPlace(const OfficerRecord& record, std::uint8_t* bytes) {
  WalkFields(
      record, bytes, [](const std::uint16_t& f, std::uint8_t* p) { PutU16(p, f); },
      [](const std::uint8_t& f, std::uint8_t* p) { *p = f; },
      [](const auto& field, std::uint8_t* p) { std::copy(field.begin(), field.end(), p); });
  if (record.Type != kNoType) bytes[62] = 1;  // the save mark
}
