// Writes a demo TPERSON.VMR: a dozen invented officers in the first slots,
// the other slots empty, texts in Big5 as the Chinese edition stores them.
//
//   gen_demo_vmr OUTPUT
#include <iconv.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/officers/OfficerFile.h"

namespace {

constexpr std::uint16_t kNone = 0xFFFF;

std::string ToBig5(const std::string& utf8) {
  iconv_t cd = iconv_open("CP950", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert UTF-8 to CP950");
  std::string out(utf8.size() * 2 + 4, '\0');
  char* in = const_cast<char*>(utf8.data());
  std::size_t inLeft = utf8.size();
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1)) throw std::runtime_error("not representable in Big5: " + utf8);
  out.resize(out.size() - outLeft);
  return out;
}

struct DemoOfficer {
  const char* xing;
  const char* ming;
  const char* zi;
  const char* yin;
  const char* story;  // UTF-8, "\n" becomes CR LF
  std::uint16_t face;
  std::array<std::uint16_t, 5> abilities;  // 统率 武力 智力 政治 魅力
  std::uint16_t shengwang;
  std::uint8_t gender, type, belief, character;
  std::array<std::uint16_t, 7> links;  // father mother spouse family brother enemy same
  std::array<std::uint8_t, 6> skills;
  std::array<std::uint16_t, 3> years;  // born, enter, dead
};

// Invented officers of a border garrison; their links point at the game's
// historical roster (0-649) and at each other (650 + slot).
const DemoOfficer kOfficers[] = {
    {"雷", "鳴遠", "子震", "lei mingyuan", "邊郡校尉，善騎射。\n曾以百騎破敵千人，名動河北。", 767,
     {84, 91, 52, 40, 71}, 420, 0, 1, 1, 2, {kNone, kNone, 651, kNone, 652, 176, kNone},
     {0x80, 0x11, 0x00, 0x00, 0x00, 0x00}, {168, 189, 231}},
    {"蘇", "綺", "令儀", "su qi", "雷鳴遠之妻，通曉兵法。\n守城三月，糧盡而城不陷。", 768,
     {70, 58, 83, 77, 88}, 260, 1, 4, 2, 1, {kNone, kNone, 650, kNone, kNone, kNone, kNone},
     {0x00, 0x04, 0x20, 0x08, 0x10, 0x01}, {172, 190, 236}},
    {"雷", "鳴川", "子澤", "lei mingchuan", "鳴遠之弟，好讀書。\n為郡主簿，治民有方。", 769,
     {55, 49, 78, 86, 69}, 180, 0, 2, 3, 1, {kNone, kNone, kNone, 650, 650, kNone, kNone},
     {0x07, 0x00, 0x0C, 0x00, 0x10, 0x00}, {171, 192, 240}},
    {"方", "承業", "伯基", "fang chengye", "商賈出身，散家財募兵。\n後從軍屯田，積穀十萬。", 770,
     {62, 60, 71, 80, 75}, 150, 0, 0, 3, 0, {kNone, kNone, kNone, kNone, kNone, kNone, kNone},
     {0x03, 0x00, 0x00, 0x00, 0x00, 0x00}, {165, 194, 238}},
    {"韓", "岳", "", "han yue", "山中獵戶，力能搏虎。\n不識字，唯重然諾。", 771,
     {66, 93, 31, 22, 58}, 90, 0, 1, 1, 3, {kNone, kNone, kNone, kNone, kNone, 650, kNone},
     {0x80, 0x80, 0x00, 0x80, 0x00, 0x00}, {175, 195, 229}},
    {"司徒", "明", "子晦", "situ ming", "隱居講學，門生數百。\n屢徵不起，晚年方出。", 772,
     {48, 21, 92, 88, 81}, 520, 0, 3, 4, 1, {kNone, kNone, kNone, kNone, kNone, kNone, 285},
     {0x00, 0x00, 0x0C, 0x40, 0x18, 0x00}, {160, 198, 245}},
    {"柳", "青", "", "liu qing", "江東遊俠。\n輕財好施，鄉里敬之。", 773,
     {58, 79, 64, 47, 83}, 120, 1, 5, 4, 2, {kNone, kNone, kNone, kNone, kNone, kNone, kNone},
     {0x00, 0x10, 0x00, 0x00, 0x04, 0x00}, {178, 196, 250}},
    {"馬", "驍", "雲騎", "ma xiao", "西涼騎將，所向披靡。\n與韓岳結為仇讎。", 2000,
     {80, 88, 45, 30, 62}, 310, 0, 1, 0, 3, {498, kNone, kNone, 500, kNone, 654, kNone},
     {0x80, 0x81, 0x00, 0x00, 0x00, 0x00}, {176, 193, 232}},
    {"孔", "文", "仲禮", "kong wen", "博學善辯，出使四方。\n未嘗辱命。", 2001,
     {40, 32, 85, 79, 90}, 200, 0, 3, 1, 1, {kNone, kNone, kNone, 185, kNone, kNone, kNone},
     {0x00, 0x00, 0x00, 0x60, 0x03, 0x00}, {170, 197, 244}},
    {"黃", "甲", "", "huang jia", "黃巾舊部，歸順後屯守要隘。\n熟知山川地理。", 775,
     {68, 72, 50, 35, 40}, 60, 0, 4, 3, 3, {kNone, kNone, kNone, kNone, kNone, 390, kNone},
     {0x00, 0x00, 0x08, 0x00, 0x00, 0x00}, {166, 184, 222}},
    {"周", "寧", "安之", "zhou ning", "水軍都督。\n善用火攻，操舟如履平地。", 776,
     {86, 70, 82, 60, 77}, 380, 0, 4, 0, 1, {kNone, kNone, kNone, 243, kNone, kNone, kNone},
     {0x00, 0x01, 0x00, 0x00, 0x20, 0x00}, {174, 199, 241}},
    {"趙", "小妹", "", "zhao xiaomei", "醫家之女，隨軍救治傷卒。\n活人無數。", 777,
     {20, 15, 74, 55, 92}, 70, 1, 0, 1, 0, {kNone, kNone, kNone, kNone, kNone, kNone, kNone},
     {0x00, 0x00, 0x00, 0x00, 0x00, 0x03}, {180, 200, 260}},
};

std::string WithCrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

OfficerRecord MakeRecord(const DemoOfficer& o) {
  OfficerRecord r;
  r.Face = o.face;
  r.Father = o.links[0];
  r.Mother = o.links[1];
  r.Another = o.links[2];
  r.Family = o.links[3];
  r.Brother = o.links[4];
  r.Enemy = o.links[5];
  r.SameOfficer = o.links[6];
  r.BornYear = o.years[0];
  r.EnterYear = o.years[1];
  r.DeadYear = o.years[2];
  r.Shengwang = o.shengwang;
  r.Tongshuai = o.abilities[0];
  r.Wuli = o.abilities[1];
  r.Zhili = o.abilities[2];
  r.Zhengzhi = o.abilities[3];
  r.Meili = o.abilities[4];
  r.Gender = o.gender;
  r.Type = o.type;
  r.Belief = o.belief;
  r.Character = o.character;
  r.Drink = 1;
  r.Care = static_cast<std::uint8_t>(o.type % 3);
  r.Desire = 1;
  r.Xiangxing = 75;
  r.Touyuan = 40;
  r.Qiyong = 0;
  r.Yili = 2;
  r.Han = 1;
  r.Stratagem = 1;
  r.Task = 0;
  r.Skills = o.skills;
  r.Xing.Write(ToBig5(o.xing));
  r.Ming.Write(ToBig5(o.ming));
  r.Zi.Write(ToBig5(o.zi));
  r.Yin.Write(o.yin);
  r.Story.Write(ToBig5(WithCrLf(o.story)));
  return r;
}

// A slot the game has never filled.
OfficerRecord EmptyRecord() {
  OfficerRecord r;
  r.Father = r.Mother = r.Another = r.Family = r.Brother = r.Enemy = r.SameOfficer = kNone;
  r.Type = kNoType;
  return r;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
    return 2;
  }
  try {
    OfficerTable table;
    table.fill(EmptyRecord());
    std::size_t slot = 0;
    for (const DemoOfficer& o : kOfficers) table[slot++] = MakeRecord(o);

    std::vector<unsigned char> bytes(kOfficerFileSize, 0);
    bytes[0] = static_cast<unsigned char>(slot);  // header: an arbitrary count
    bytes = MergeTableIntoFile(bytes, table);
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error(std::string("cannot write ") + argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "gen_demo_vmr: %s\n", e.what());
    return 1;
  }
  return 0;
}
