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

// The members keep the pinyin names the game's modders use; each one's
// comment is its glossary entry: exchange key · the panel's caption. The
// panel's controls share the pinyin (Edit_Wuli), with two traps:
// Edit_Xiangxing is Xiangxing (force compatibility) but ComboBox_Xiangxing
// is SameOfficer, and ComboBox_Another is the spouse.
struct OfficerRecord {
  // u16 at 0-31
  std::uint16_t Face = 0;                // face · 头像
  std::uint16_t Father = 0;              // father · 父亲
  std::uint16_t Mother = 0;              // mother · 母亲
  std::uint16_t Another = 0;             // spouse · 配偶
  std::uint16_t Family = 0;              // family · 家族
  std::uint16_t Brother = 0;             // brother · 兄弟
  std::uint16_t Enemy = 0;               // enemy · 仇敌
  std::uint16_t BornYear = 0;            // birth_year · 诞生年
  std::uint16_t EnterYear = 0;           // appearance_year · 登场年
  std::uint16_t DeadYear = 0;            // death_year · 死亡年
  std::uint16_t Shengwang = 0;           // reputation · 声望
  std::uint16_t Tongshuai = 0;           // leadership · 统率
  std::uint16_t Wuli = 0;                // war · 武力
  std::uint16_t Zhili = 0;               // intelligence · 智力
  std::uint16_t Zhengzhi = 0;            // politics · 政治
  std::uint16_t Meili = 0;               // charm · 魅力
  // u8 at 35-46
  std::uint8_t Gender = 0;               // gender · 性别
  std::uint8_t Character = 0;            // personality · 性格
  std::uint8_t Drink = 0;                // drinking · 饮酒
  std::uint8_t Care = 0;                 // interest · 关心
  std::uint8_t Desire = 0;               // greed · 物欲
  std::uint8_t Xiangxing = 0;            // force_compatibility · 势力相性
  std::uint8_t Touyuan = 0;              // personal_compatibility · 个人相性
  std::uint8_t Qiyong = 0;               // employment · 启用
  std::uint8_t Yili = 0;                 // duty · 义理
  std::uint8_t Han = 0;                  // han_court · 拥汉
  std::uint8_t Stratagem = 0;            // strategy · 战略
  std::uint8_t Task = 0;                 // diligence · 任务
  std::array<std::uint8_t, 6> Skills{};  // 47-52, least significant bit first; skills · 特技
  std::uint16_t SameOfficer = 0;         // 64; same_officer · 相同武将
  std::uint8_t Belief = 0;               // 70; belief · 信念
  std::uint8_t Type = 0;                 // 71; type · 类型
  TextField<5> Xing;                     // 81; surname · 姓
  TextField<5> Ming;                     // 86; given_name · 名
  TextField<5> Zi;                       // 91; courtesy_name · 字
  TextField<11> Yin;                     // 96, stored and shown byte for byte; reading · 读音
  TextField<153> Story;                  // 107; biography · 列传

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
