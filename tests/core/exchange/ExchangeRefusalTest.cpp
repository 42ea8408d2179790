// Every refusal of the exchange readers, run as `velmedit import` runs it
// (a rule the two formats share once, with what each adds around it):
// the refused file names its reason and leaves the registration file
// byte-identical; where the refusal has a bound, the file just inside it
// is accepted.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/Subcommands.h"
#include "support/DemoOfficerFile.h"

namespace {

std::string Csv(const std::string& columns, const std::string& rows) { return "format,version,slot" + columns + "\n" + rows; }
std::string Row(const std::string& rest) { return "velmedit-officers,1," + rest + "\n"; }
std::string Json(const std::string& officers) {
  return R"({"format": "velmedit-officers", "version": 1, "officers": [)" + officers + "]}";
}
std::string JsonVersion(const std::string& version) {
  return R"({"format": "velmedit-officers", "version": )" + version + R"(, "officers": [{"slot": 0}]})";
}
std::string Times(const std::string& part, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += part;
  return text;
}
// Rows (CSV) or officers (JSON) for slots 0 up to count - 1; a slot beyond 109 is written as 0.
std::string CsvSlots(int count) {
  std::string rows;
  for (int i = 0; i < count; ++i) rows += Row(std::to_string(i < 110 ? i : 0));
  return rows;
}
std::string JsonSlots(int count) {
  std::string officers;
  for (int i = 0; i < count; ++i) officers += (i ? ", {\"slot\": " : "{\"slot\": ") + std::to_string(i < 110 ? i : 0) + "}";
  return officers;
}

struct Refusal {
  const char* name;
  std::string refused;
  const char* message;
  std::string accepted;  // the file just inside the bound; empty: no bound
};

class ExchangeRefusalTest : public ::testing::Test, public DemoFileFolder {
 protected:
  void Check(const std::vector<Refusal>& refusals) {
    for (const Refusal& r : refusals) {
      std::ostringstream out, err;
      WriteText(r.name, r.refused);
      EXPECT_EQ(RunCommand({QStringLiteral("import"), vmrPath, Path(r.name)}, out, err), kExitFindings) << r.name;
      EXPECT_NE(err.str().find(r.message), std::string::npos) << r.name << ": " << err.str();
      EXPECT_EQ(ReadBytes(vmr), demo) << r.name;
      if (r.accepted.empty()) continue;
      WriteText(r.name, r.accepted);
      EXPECT_EQ(RunCommand({QStringLiteral("import"), vmrPath, Path(r.name), QStringLiteral("--dry-run")}, out, err), kExitOk)
          << r.name << " (accepted): " << err.str();
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "TPERSON.VMR.bak"));
  }
};

TEST_F(ExchangeRefusalTest, CsvFilesAreRefusedForTheirFormVersionColumnsAndRows) {
  Check({
      {"v0.csv", Csv("", "velmedit-officers,0,0\n"), "第 2 行第 2 列，version：version 应为正整数", Csv("", Row("0"))},
      {"v2.csv", Csv("", "velmedit-officers,2,0\n"), "第 2 行第 2 列，version：文件的版本 2 比本程序能读的版本 1 新", {}},
      {"half.csv", Csv("", "velmedit-officers,1.5,0\n"), "version：version 应为正整数", Csv("", "velmedit-officers,1.0,0\n")},
      {"minus.csv", Csv("", "velmedit-officers,-1,0\n"), "version：version 应为正整数", {}},
      {"format.csv", Csv("", "velmedit-officer,1,0\n"), "第 2 行第 1 列，format：format 应为 “velmedit-officers”：“velmedit-officer”", {}},
      {"unknown.csv", Csv(",wat", Row("0,1")), "第 1 行第 4 列：未知的列名“wat”", Csv(",war", Row("0,1"))},
      {"twice.csv", Csv(",war,war", Row("0,1,1")), "第 1 行第 5 列，武力（war）：这一列出现了不止一次", {}},
      {"unnamed.csv", Csv(",", Row("0,5")), "第 1 行第 4 列：第 4 列没有列名", Csv(",", Row("0,"))},
      {"head.csv", "format,slot\nvelmedit-officers,0\n", "第 1 行：不是 velmedit 的武将交换文件", {}},
      {"short.csv", Csv("", "velmedit-officers,1\n"), "第 2 行：这一行有 2 列，表头有 3 列", {}},
      {"long.csv", Csv("", Row("0,5")), "第 2 行：这一行有 4 列，表头有 3 列", Csv("", Row("0,"))},
      {"wide.csv", Csv(Times(",", 254), Row("0" + Times(",", 254))), "第 1 行：这一行有 257 格，武将交换文件最多 42 列",
       Csv(Times(",", 253), Row("0" + Times(",", 253)))},
      {"rows.csv", Csv("", CsvSlots(111)), "行太多：新武将档只有 110 个槽，文件却超过 110 行武将", Csv("", CsvSlots(110))},
      {"quote.csv", Csv("", "velmedit-officers,1,\"0\"x\n"), "第 2 行第 3 列：引号用法不对", Csv("", "velmedit-officers,1,\"0\"\n")},
      {"open.csv", Csv("", "velmedit-officers,1,\"0\n"), "第 2 行第 3 列：引号没有结束", {}},
      {"empty.csv", " \n", "文件是空的", {}},
      {"none.csv", Csv("", ""), "文件中没有武将", {}},
      {"raw.csv", Csv(",raw", Row("0,bytes66")), "第 2 行第 4 列，编号 650，raw：原始数据应为以空格分开的 键=十六进制",
       Csv(",raw", Row("0,bytes66=00000000"))},
      {"rawtwice.csv", Csv(",raw", Row("0,bytes66=00000000 bytes66=00000000")), "保留字节（raw.bytes66）：重复的原始数据", {}},
      {"header.csv", Csv(",raw", Row("0,header=00000000") + Row("1,header=01000000")),
       "第 3 行第 4 列，编号 651，raw.header：文件头与前面的行不同", Csv(",raw", Row("0,header=00000000") + Row("1,header=00000000"))},
  });
}

TEST_F(ExchangeRefusalTest, CsvSlotsAndValuesAreRefusedBeyondTheirBounds) {
  Check({
      {"110.csv", Csv("", Row("110")), "第 2 行第 3 列，slot：slot 应为 0–109 的整数：“110”", Csv("", Row("109"))},
      {"-1.csv", Csv("", Row("-1")), "slot：slot 应为 0–109 的整数：“-1”", Csv("", Row("0"))},
      {"760.csv", "format,version,number\nvelmedit-officers,1,760\n", "第 2 行第 1 列，slot：number 应为 650–759 的整数：“760”",
       "format,version,number\nvelmedit-officers,1,759\n"},
      {"649.csv", "format,version,number\nvelmedit-officers,1,649\n", "number 应为 650–759 的整数：“649”",
       "format,version,number\nvelmedit-officers,1,650\n"},
      {"both.csv", "format,version,slot,number\nvelmedit-officers,1,0,651\n", "slot 0 与 number 651 不是同一位武将",
       "format,version,slot,number\nvelmedit-officers,1,0,650\n"},
      {"again.csv", Csv("", Row("0") + Row("0")), "第 3 行，编号 650，slot：这位武将在文件中出现了不止一次", Csv("", Row("0") + Row("1"))},
      {"war.csv", Csv(",war", Row("0,65536")), "第 2 行第 4 列，编号 650，武力（war）：65536 超出范围 0–65535", Csv(",war", Row("0,65535"))},
      {"father.csv", Csv(",father", Row("0,832")), "父亲（father）：人物编号 832 超出范围 0–831", Csv(",father", Row("0,831"))},
      {"gender.csv", Csv(",gender", Row("0,2")), "性别（gender）：2 不是可选的项目；可选：0 男、1 女", Csv(",gender", Row("0,1"))},
      {"surname.csv", Csv(",surname", Row("0,雷鸣a")), "姓（surname）：太长：5 字节，最多 4 字节", Csv(",surname", Row("0,雷鸣"))},
      {"big5.csv", Csv(",surname", Row("0,晗")), "姓（surname）：无法以繁体中文(Big5)保存的字：晗", Csv(",surname", Row("0,雷"))},
      {"bytes.csv", Csv("", Row("0\xFF")), "文件既不是 UTF-8 也不是 GBK 文本", {}},
      {"utf16.csv", std::string("\xFF\xFE\x00\xD8", 4), "文件以 UTF-16 的字节顺序标记开头，内容却不是 UTF-16", {}},
  });
}

TEST_F(ExchangeRefusalTest, JsonFilesAreRefusedForTheirFormVersionKeysAndOfficers) {
  const std::string limitFile = Json(JsonSlots(1));
  const std::string padding(4 * 1024 * 1024 - limitFile.size(), ' ');
  Check({
      {"parse.json", R"({"format": "velmedit-officers",)", "JSON 格式错误：", {}},
      {"key.json", Json(R"({"slot": 0, "war": 1, "war": 2})"), "同一个对象中键 “war” 出现了不止一次", Json(R"({"slot": 0, "war": 1, "charm": 2})")},
      {"inner.json", Json(R"({"slot": 0, "type": {"index": 1, "index": 1}})"), "同一个对象中键 “index” 出现了不止一次", {}},
      {"array.json", "[1]", "JSON 文件应为一个对象", {}},
      {"number.json", "5", "JSON 文件应为一个对象", {}},
      {"format.json", R"({"format": "x", "version": 1, "officers": []})", "不是 velmedit 的武将交换文件（format 应为 “velmedit-officers”）", {}},
      {"v2.json", JsonVersion("2"), "文件的版本 2 比本程序能读的版本 1 新", {}},
      {"half.json", JsonVersion("1.5"), "version 应为正整数", JsonVersion("1.0")},
      {"text.json", JsonVersion("\"1\""), "version 应为正整数", {}},
      {"extra.json", R"({"format": "velmedit-officers", "version": 1, "extra": 1, "officers": [{"slot": 0}]})", "extra：未知的字段", {}},
      {"raw.json", R"({"format": "velmedit-officers", "version": 1, "raw": 5, "officers": [{"slot": 0}]})", "raw：raw 应为一个对象", {}},
      {"what.json", R"({"format": "velmedit-officers", "version": 1, "raw": {"what": "00"}, "officers": [{"slot": 0}]})",
       "raw.what：未知的原始数据", R"({"format": "velmedit-officers", "version": 1, "raw": {"header": "00"}, "officers": [{"slot": 0}]})"},
      {"list.json", R"({"format": "velmedit-officers", "version": 1})", "缺少武将列表 officers", {}},
      {"many.json", Json(JsonSlots(111)), "武将太多：111 位，新武将档只有 110 个槽", Json(JsonSlots(110))},
      {"none.json", Json(""), "文件中没有武将", {}},
      {"size.json", limitFile + padding + " ", "太大（4194305 字节）", limitFile + padding},
  });
}

TEST_F(ExchangeRefusalTest, JsonOfficersAreRefusedForTheirSlotsKeysAndValues) {
  Check({
      {"object.json", Json("5"), "officers[0]：每位武将应为一个对象", {}},
      {"110.json", Json(R"({"slot": 110})"), "officers[0]，slot：slot 应为 0–109 的整数：“110”", Json(R"({"slot": 109})")},
      {"again.json", Json(R"({"slot": 3}, {"number": 653})"), "officers[1]，编号 653，slot：这位武将在文件中出现了不止一次", {}},
      {"wat.json", Json(R"({"slot": 0, "wat": 1})"), "officers[0]，编号 650，wat：未知的字段", {}},
      {"type.json", Json(R"({"slot": 0, "war": true})"), "武力（war）：这个值的类型不对", Json(R"({"slot": 0, "war": 1})")},
      {"skills.json", Json(R"({"slot": 0, "skills": [1]})"), "特技（skills）：特技应为文字", Json(R"({"slot": 0, "skills": ["突击"]})")},
      {"raw.json", Json(R"({"slot": 0, "raw": 5})"), "编号 650，raw：raw 应为一个对象", {}},
      {"rawtext.json", Json(R"({"slot": 0, "raw": {"bytes66": 5}})"), "保留字节（raw.bytes66）：原始数据应为十六进制文字", {}},
      {"rawsize.json", Json(R"({"slot": 0, "raw": {"bytes66": "000000"}})"), "保留字节（raw.bytes66）：长度不对：3 字节，应为 4 字节",
       Json(R"({"slot": 0, "raw": {"bytes66": "00000000"}})")},
      {"hex.json", Json(R"({"slot": 0, "raw": {"bytes66": "0000000z"}})"), "保留字节（raw.bytes66）：不是十六进制数据", {}},
  });
}

}  // namespace
