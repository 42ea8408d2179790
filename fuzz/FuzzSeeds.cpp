#include "FuzzSeeds.h"

namespace {

std::string UserReg(const std::string& sections) {
  return "WINE REGISTRY Version 2\n"
         ";; All keys relative to \\\\User\\\\S-1-5-21-1111111111-2222222222-3333333333-1000\n"
         "\n#arch=win64\n\n"
         "[Software\\\\Wine] 1700000000\n#time=1da0a0a0a0a0a0a\n\"Version\"=\"win10\"\n\n" +
         sections;
}

std::string InstallKey(const std::string& valueLines) {
  return "[Software\\\\Orvane\\\\Velmora TC\\\\Install] 1700000123\n#time=1da1b2c3d4e5f60\n" + valueLines + "\n";
}

}  // namespace

Seeds WineRegistrySeeds() {
  return {
      {"plain", UserReg(InstallKey("\"InstallInfo\"=\"C:\\\\Games\\\\Velmora TC\""))},
      {"other-case", UserReg(InstallKey("\"installinfo\"=\"c:\\\\GAMES\\\\velmora tc\\\\\""))},
      {"crlf", "WINE REGISTRY Version 2\r\n\r\n[Software\\\\Orvane\\\\Velmora TC\\\\Install]\r\n"
               "\"InstallInfo\"=\"C:\\\\Games\\\\Velmora TC\"\r\n"},
      {"expand-sz", UserReg(InstallKey("\"InstallInfo\"=str(2):\"%ProgramFiles%\\\\Velmora\""))},
      {"multi-sz", UserReg(InstallKey("\"InstallInfo\"=str(7):\"C:\\\\Games\\0\""))},
      {"hex-string", UserReg(InstallKey("\"InstallInfo\"=hex(2):43,00,3a,00,5c,00,47,00,61,00,6d,00,\\\n"
                                        "  65,00,73,00,00,00"))},
      {"dword", UserReg(InstallKey("\"InstallInfo\"=dword:00000001"))},
      {"escapes", UserReg(InstallKey("\"Other\"=\"x\\\"y\"\n\"InstallInfo\"=\"D:\\\\\\x904e\\x6232\\\\\\101\\t\""))},
      {"unc", UserReg(InstallKey("@=\"default\"\n\"InstallInfo\"=\"\\\\\\\\server\\\\share\\\\..\\\\..\\\\Velmora\""))},
      {"long-path", UserReg(InstallKey("\"InstallInfo\"=\"\\\\\\\\?\\\\C:\\\\Games\\\\.\\\\Velmora TC\\\\..\\\\Velmora TC\""))},
      {"parent-only", UserReg("[Software\\\\Orvane\\\\Velmora TC\\\\Install\\\\Patch] 1700000200\n\"Level\"=dword:2\n")},
      {"no-value", UserReg(InstallKey("\"Language\"=\"zh-TW\""))},
      {"no-key", UserReg("")},
      {"unterminated", UserReg("[Software\\\\Orvane\\\\Velmora TC\\\\Install\n\"InstallInfo\"=\"C:\\\\Ga")},
  };
}

Seeds SettingsFileSeeds() {
  return {
      {"path", "/home/player/.wine/drive_c/Games/Velmora TC"},
      {"crlf", "/srv/games/velmora\r\n"},
      {"two-lines", "/srv/games/velmora\n/other/folder\n"},
      {"zero-inside", std::string("/srv/games\0/velmora", 19)},
      {"gbk-name", "/mnt/\xd3\xce\xcf\xb7/Velmora"},
      {"long", "/" + std::string(300, 'v')},
      {"empty", ""},
  };
}

Seeds NumberTextSeeds() {
  Seeds seeds;
  int n = 0;
  for (const char* text : {"0", "99", "  65535", "-1", "+7", "$FF", "x7fffffff", "0X80000000", "-$1", "$FFFFFFFF",
                           "$100000000", "2147483647", "2147483648", "-2147483648", "-2147483649",
                           "00000000000000000012", "12 ", " ", "", "abc", "7x", "0x", "$", "-", "1.5", "\t12",
                           "99999999999999999999"}) {
    seeds.push_back({"number-" + std::to_string(n++), text});
  }
  return seeds;
}

Seeds ExchangeTextSeeds() {
  const std::string json = std::string(1, '\0');
  const std::string csv = std::string(1, '\1');
  return {
      {"json-partial", json + R"({"format": "velmedit-officers", "version": 1, "raw": {"header": "01020304"}, "officers": [
  {"slot": 3, "surname": "张", "war": 88, "type": {"index": 1, "item": "猛将"}, "father": {"number": 176, "name": "公孙瓒"},
   "mother": null, "enemy": "吕布", "skills": ["突击", "医者"], "biography": "一行\n二行"},
  {"number": 700, "gender": "女", "same_officer": 650, "raw": {"bytes53": "0000000000000000000100"}}]})"},
      {"json-bad", json + R"({"format": "velmedit-officers", "version": 2, "officers": [{"slot": 1, "x": 1}]})"},
      {"csv-partial", csv + "format,version,number,surname,war,gender,skills,raw\n"
                            "velmedit-officers,1,651,关,77,1 女,\"气炎, 气合\",bytes32=010203\n"
                            "velmedit-officers,1,652,\"\",0,男,,\n"},
      {"csv-bom-crlf", csv + "\xEF\xBB\xBF\"format\",\"version\",\"slot\",\"biography\"\r\n"
                             "\"velmedit-officers\",\"1\",\"0\",\"a\r\nb \"\"q\"\"\"\r\n"},
      {"csv-bad", csv + "format,version,slot,war\nvelmedit-officers,1,0,\"9\"x\n"},
  };
}
