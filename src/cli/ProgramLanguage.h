#pragma once
// The language the program speaks in: chosen by --lang for one run, else by
// the player's setting, else by the system's locale; applied by installing
// the program's and Qt's translations into the running application.
#include <QString>
#include <QStringList>
#include <optional>

#include "core/language/UiLanguage.h"

// `--lang CODE` or `--lang=CODE`, taken out of the arguments (the program's
// name not among them) wherever it stands. A missing or unknown code leaves
// `mistake` saying so, with the three codes.
struct LanguageOption {
  std::optional<UiLanguage> language;
  QString mistake;
};
LanguageOption TakeLanguageOption(QStringList& arguments);

// --lang's language, else the setting's, else the locale's default.
UiLanguage StartLanguage(std::optional<UiLanguage> fromCommandLine);

// Whether Qt's own texts (dialog buttons, file errors) are translated too.
// The commands without a window leave Qt's words as Qt writes them, so that
// a system error reads the same on every system: the program puts its own
// words before them.
enum class QtTexts { Translated, AsWritten };

// Replaces the translations installed so far with those of `language`: the
// program's own (none for simplified Chinese, the texts' own language) and
// Qt's. Needs the application object; every window is sent
// QEvent::LanguageChange and redraws its texts.
void UseUiLanguage(UiLanguage language, QtTexts qtTexts = QtTexts::Translated);

// The language UseUiLanguage applied last (simplified Chinese before).
UiLanguage CurrentUiLanguage();
