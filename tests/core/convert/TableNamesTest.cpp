// The character table measured on what players write most: Big5 hanzi as
// shown, common surnames and historical names as stored, and their Japanese
// forms as converted.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdint>
#include <string>

#include "core/convert/CharacterTable.h"
#include "core/convert/Jislib.h"
#include "support/IconvText.h"

namespace {

// What a UTF-8 text typed in GBK is stored as, read back as UTF-8.
std::string StoredFromGbk(const std::string& utf8) {
  return Iconv("UTF-8", "CP950", GbkToBig5(Iconv("CP936", "UTF-8", utf8)));
}

std::string ShownFromBig5(const std::string& utf8) {
  return Iconv("UTF-8", "CP936", Big5ToGbk(Iconv("CP950", "UTF-8", utf8)));
}

std::string StoredFromShiftJis(const std::string& utf8) {
  return Iconv("UTF-8", "CP950", ShiftJisToBig5(Iconv("CP932", "UTF-8", utf8)));
}

}  // namespace

TEST(TableMeasured, EveryBig5HanziShowsAsACharacter) {
  int hanzi = 0, questionMarks = 0;
  for (unsigned lead = 0xA4; lead <= 0xF9; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      const std::string bytes = {static_cast<char>(lead), static_cast<char>(trail)};
      const std::string utf8 = Iconv("UTF-8", "CP950", bytes);
      if (utf8.size() != 3) continue;
      const auto* u = reinterpret_cast<const unsigned char*>(utf8.data());
      const unsigned cp = (u[0] & 0x0Fu) << 12 | (u[1] & 0x3Fu) << 6 | (u[2] & 0x3Fu);
      if (cp < 0x3400 || (cp > 0x9FFF && cp < 0xF900) || cp > 0xFAFF) continue;
      ++hanzi;
      const std::uint16_t shown = Big5ToGbkCode(static_cast<std::uint16_t>(lead | trail << 8));
      questionMarks += shown == 0 || shown == CharacterTable::kNoCounterpart;
    }
  }
  EXPECT_GT(hanzi, 13000);
  EXPECT_EQ(questionMarks, 0);
  // Simplified forms that GB2312 has, and traditional characters GBK holds.
  EXPECT_EQ(ShownFromBig5("週遊佈証鑑讚後學"), "周游布证鉴赞后学");
  EXPECT_EQ(ShownFromBig5("江東遊俠"), "江东游侠");
  EXPECT_EQ(ShownFromBig5("妳牠禕"), "妳牠禕");
  // The usual simplified form, not a rarer one that is stored as the same code.
  EXPECT_EQ(ShownFromBig5("餘鉅瀋鏇"), "余巨沈旋");
  EXPECT_EQ(StoredFromGbk("馀钜渖镟"), "餘鉅瀋鏇");
}

TEST(TableMeasured, CommonSurnamesAreStoredAsTaiwanWritesThem) {
  EXPECT_EQ(StoredFromGbk("王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶"
                          "程苏魏吕丁任沈姚卢姜崔钟谭陆汪范金石廖贾夏韦付方白邹孟熊秦邱江尹薛阎段雷侯龙史陶黎贺"
                          "顾毛郝龚邵万钱严覃武戴莫孔向汤岳游郁朴"),
            "王李張劉陳楊黃趙吳周徐孫馬朱胡郭何高林羅鄭梁謝宋唐許韓馮鄧曹彭曾肖田董袁潘于蔣蔡余杜葉"
            "程蘇魏呂丁任沈姚盧姜崔鍾譚陸汪范金石廖賈夏韋付方白鄒孟熊秦邱江尹薛閻段雷侯龍史陶黎賀"
            "顧毛郝龔邵萬錢嚴覃武戴莫孔向湯岳游郁朴");
}

TEST(TableMeasured, HistoricalNamesAreStoredAsAReaderExpects) {
  EXPECT_EQ(StoredFromGbk("刘备 曹操 孙权 关羽 张飞 诸葛亮 吕蒙 甘宁 荀彧 张郃 费祎 费禕 司马懿 周瑜 鲁肃 陆逊"),
            "劉備 曹操 孫權 關羽 張飛 諸葛亮 呂蒙 甘寧 荀彧 張郃 費禕 費禕 司馬懿 周瑜 魯肅 陸遜");
  EXPECT_EQ(StoredFromGbk("吕布 貂蝉 袁绍 董卓 夏侯惇 黄忠 马超 魏延 姜维 邓艾 钟会 庞统 贾诩 张辽 许褚 典韦"),
            "呂布 貂蟬 袁紹 董卓 夏侯惇 黃忠 馬超 魏延 姜維 鄧艾 鍾會 龐統 賈詡 張遼 許褚 典韋");
  // 云 keeps its old answer, 云 (A4 AA); a stored 雲 keeps its bytes when a
  // name is edited around it.
  EXPECT_EQ(StoredFromGbk("赵云"), "趙云");
  // Characters that OpenCC keeps stay; rare traditional forms are not used.
  EXPECT_EQ(StoredFromGbk("家系谷蒙机体万与后为"), "家系谷蒙機體萬與後為");
}

TEST(TableMeasured, JapaneseFormsOfNamesBecomeTheirTraditionalForms) {
  EXPECT_EQ(StoredFromShiftJis("孫権 関羽 楽進 顔良 玄徳 魯粛 鍾会 関興 蒋欽 黄忠 貂蝉"),
            "孫權 關羽 樂進 顏良 玄德 魯肅 鍾會 關興 蔣欽 黃忠 貂蟬");
  // Kanji of the IBM rows are their unified forms; extended new forms their
  // traditional ones.
  EXPECT_EQ(StoredFromShiftJis("﨑髙鴬"), "崎高鶯");
  EXPECT_EQ(StoredFromShiftJis("対発応価気経戦実"), "對發應價氣經戰實");
}
