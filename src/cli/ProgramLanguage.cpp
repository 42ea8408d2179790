#include "cli/ProgramLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "core/faces/LanguageSetting.h"

namespace {

const QString kOption = QStringLiteral("--lang");

UiLanguage g_current = UiLanguage::SimplifiedChinese;

QString UnknownLanguage(const QString& code) {
  return QCoreApplication::translate("ProgramLanguage", "未知的界面语言“%1”：应为 zh_CN、zh_TW 或 en。").arg(code);
}

// Qt's own translation for the language's dialogs and buttons; English is
// what Qt speaks without one.
QString QtTranslationName(UiLanguage language) {
  return language == UiLanguage::English ? QString() : QStringLiteral("qtbase_") + UiLanguageCode(language);
}

void Replace(QTranslator& translator, const QString& file, const QString& folder) {
  QCoreApplication::removeTranslator(&translator);
  if (!file.isEmpty() && translator.load(file, folder)) QCoreApplication::installTranslator(&translator);
}

}  // namespace

LanguageOption TakeLanguageOption(QStringList& arguments) {
  LanguageOption option;
  for (qsizetype i = 0; i < arguments.size();) {
    QString code;
    if (arguments[i] == kOption) {
      if (i + 1 >= arguments.size()) {
        option.mistake = QCoreApplication::translate("ProgramLanguage", "--lang 后缺少语言：应为 zh_CN、zh_TW 或 en。");
        arguments.removeAt(i);
        continue;
      }
      code = arguments[i + 1];
      arguments.remove(i, 2);
    } else if (arguments[i].startsWith(kOption + u'=')) {
      code = arguments[i].mid(kOption.size() + 1);
      arguments.removeAt(i);
    } else {
      ++i;
      continue;
    }
    option.language = ParseUiLanguage(code);
    if (!option.language) option.mistake = UnknownLanguage(code);
  }
  if (!option.mistake.isEmpty()) option.language.reset();
  return option;
}

UiLanguage StartLanguage(std::optional<UiLanguage> fromCommandLine) {
  if (fromCommandLine) return *fromCommandLine;
  if (const std::optional<UiLanguage> chosen = ReadLanguageSetting()) return *chosen;
  return DefaultUiLanguage(QLocale::system());
}

void UseUiLanguage(UiLanguage language, QtTexts qtTexts) {
  static QTranslator program;
  static QTranslator qt;
  const bool translated = language != UiLanguage::SimplifiedChinese;
  Replace(program, translated ? QStringLiteral("velmedit_") + UiLanguageCode(language) : QString(),
          QStringLiteral(":/i18n"));
  Replace(qt, qtTexts == QtTexts::Translated ? QtTranslationName(language) : QString(),
          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  g_current = language;
}

UiLanguage CurrentUiLanguage() { return g_current; }
