#include "core/language/UiLanguage.h"

#include <QLocale>

std::optional<UiLanguage> ParseUiLanguage(QStringView code) {
  for (const UiLanguage language : {UiLanguage::SimplifiedChinese, UiLanguage::TraditionalChinese, UiLanguage::English}) {
    if (code == UiLanguageCode(language)) return language;
  }
  return std::nullopt;
}

QString UiLanguageCode(UiLanguage language) {
  switch (language) {
    case UiLanguage::SimplifiedChinese:
      return QStringLiteral("zh_CN");
    case UiLanguage::TraditionalChinese:
      return QStringLiteral("zh_TW");
    case UiLanguage::English:
      return QStringLiteral("en");
  }
  return QStringLiteral("zh_CN");
}

UiLanguage DefaultUiLanguage(const QLocale& locale) {
  // QLocale fills in the script a Chinese territory writes (Hant for Taiwan,
  // Hong Kong and Macao, Hans for China and Singapore).
  if (locale.language() == QLocale::Chinese && locale.script() == QLocale::TraditionalHanScript) {
    return UiLanguage::TraditionalChinese;
  }
  return UiLanguage::SimplifiedChinese;
}

OfficerTextScript TextScriptFor(UiLanguage language) {
  return language == UiLanguage::SimplifiedChinese ? OfficerTextScript::Simplified : OfficerTextScript::Traditional;
}
