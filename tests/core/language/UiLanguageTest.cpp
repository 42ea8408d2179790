// Which language the program's texts are shown in: the codes a user types and
// the default a locale gives.
#include <gtest/gtest.h>

#include <QLocale>

#include "core/language/UiLanguage.h"

namespace {

TEST(UiLanguage, ReadsTheThreeCodesExactly) {
  EXPECT_EQ(ParseUiLanguage(u"zh_CN"), UiLanguage::SimplifiedChinese);
  EXPECT_EQ(ParseUiLanguage(u"zh_TW"), UiLanguage::TraditionalChinese);
  EXPECT_EQ(ParseUiLanguage(u"en"), UiLanguage::English);
  EXPECT_EQ(UiLanguageCode(UiLanguage::SimplifiedChinese), QStringLiteral("zh_CN"));
  EXPECT_EQ(UiLanguageCode(UiLanguage::TraditionalChinese), QStringLiteral("zh_TW"));
  EXPECT_EQ(UiLanguageCode(UiLanguage::English), QStringLiteral("en"));
}

TEST(UiLanguage, RefusesEveryOtherCode) {
  for (const char16_t* code : {u"", u"zh", u"zh_cn", u"zh-TW", u"zh_TW ", u"zh_HK", u"en_US", u"EN", u"e"}) {
    EXPECT_EQ(ParseUiLanguage(code), std::nullopt) << QString::fromUtf16(code).toStdString();
  }
}

TEST(UiLanguage, TraditionalWhereTheLocaleWritesIt) {
  for (const char* name : {"zh_TW", "zh_HK", "zh_MO", "zh_Hant_SG", "zh_Hant_CN"}) {
    EXPECT_EQ(DefaultUiLanguage(QLocale(QString::fromLatin1(name))), UiLanguage::TraditionalChinese) << name;
  }
}

TEST(UiLanguage, SimplifiedEverywhereElseAndNeverEnglish) {
  for (const char* name : {"C", "zh_CN", "zh_SG", "zh_Hans_HK", "en_US", "en_GB", "ja_JP", "ko_KR"}) {
    EXPECT_EQ(DefaultUiLanguage(QLocale(QString::fromLatin1(name))), UiLanguage::SimplifiedChinese) << name;
  }
  EXPECT_EQ(DefaultUiLanguage(QLocale::c()), UiLanguage::SimplifiedChinese);
}

}  // namespace
