// What the tooltips tell of each field: the table's meaning and the values
// the field takes, typed out here as the player reads them.
#include <gtest/gtest.h>

#include "core/check/FieldDescriptions.h"

namespace {

std::string Described(const char* key) { return FieldDescription(*FindFieldByKey(key)); }

}  // namespace

TEST(FieldDescription, EveryFieldThePanelShowsHasAMeaning) {
  for (const OfficerField& field : OfficerFields()) {
    const bool shown = !field.control.empty() || field.kind == FieldKind::Skills;
    EXPECT_EQ(!field.meaning.empty(), shown) << field.key;
    EXPECT_EQ(!FieldDescription(field).empty(), shown) << field.key;
  }
  for (const SkillBox& box : SkillLayout()) EXPECT_EQ(SkillDescription(box).rfind("特技：", 0), 0u) << box.objectName;
}

TEST(FieldDescription, TellsTheValuesEachKindTakes) {
  EXPECT_EQ(Described("leadership"),
            "统率能力，带兵作战的指挥力\n可填 0–65535；常见值不超过 99，超过 99 游戏中少见（检查时提醒）");
  EXPECT_EQ(Described("reputation"), "声望，在世间的名声\n可填 0–65535");
  EXPECT_EQ(Described("force_compatibility"), "与君主的相性，数值越接近越亲近\n可填 0–255");
  EXPECT_EQ(Described("interest"), "平时关心、喜好的事\n可选：0 武艺、1 收集、2 读书");
  EXPECT_EQ(Described("father"),
            "此人的父亲\n名单中的武将编号 0–831，或“无”；650–759 是本档的新武将\n指向此人自己或空的槽时，检查会提醒");
  EXPECT_EQ(Described("surname"), "武将的姓\n最多 4 字节（2 个汉字）；显示为简体，以繁体（Big5）保存");
  EXPECT_EQ(Described("biography"),
            "武将的列传，生平的介绍\n最多 150 字节（75 个汉字），换行占 2 字节；显示为简体，以繁体（Big5）保存");
  EXPECT_EQ(Described("reading"), "姓名的读音\n最多 10 字节（5 个汉字或 10 个字母）；按字节原样保存，不做繁简转换");
  EXPECT_EQ(Described("face"),
            "头像编号；点击头像，在头像选择窗口中挑选\n可填 0–65535\n"
            "主头像档的编号为 0–1593（中间有空缺），追加头像从 2000 起；头像档中没有的编号，检查时提醒\n"
            "头像选择窗口中的“头像最大编号”决定窗口列出到哪个编号为止");
  EXPECT_EQ(SkillDescription(SkillLayout()[0]), "特技：农业\n勾选则此武将拥有这项特技");
  EXPECT_EQ(Described("bytes32"), "");
}
