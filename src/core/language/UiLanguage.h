#pragma once
// The languages the program's own texts can be shown in. Simplified Chinese
// is the language the texts are written in; the other two come from
// translations.
#include <optional>

#include <QString>
#include <QStringView>

class QLocale;

enum class UiLanguage { SimplifiedChinese, TraditionalChinese, English };

// "zh_CN", "zh_TW" or "en", exactly; anything else has no language.
std::optional<UiLanguage> ParseUiLanguage(QStringView code);

// The code ParseUiLanguage reads back, also the suffix of the translation
// file ("velmedit_zh_TW").
QString UiLanguageCode(UiLanguage language);

// The language for a user who has not chosen one: traditional characters
// where the locale writes them (Taiwan, Hong Kong, Macao), simplified
// everywhere else. English is never guessed, since the program's every word
// started out Chinese and its users read Chinese.
UiLanguage DefaultUiLanguage(const QLocale& locale);

// How the officers' stored texts are shown: converted to simplified
// characters (GBK) for readers of simplified Chinese, or exactly as the game
// stores and shows them (Big5, traditional) in the other two languages.
enum class OfficerTextScript { Simplified, Traditional };

OfficerTextScript TextScriptFor(UiLanguage language);
