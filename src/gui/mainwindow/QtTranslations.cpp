#include "gui/mainwindow/QtTranslations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

bool LoadFor(QTranslator& translator, const QLocale& locale, const QString& folder) {
  const QString name = QStringLiteral("qtbase");
  // English is what Qt speaks without a translation: the program stays Chinese then.
  if (locale.language() == QLocale::English || locale.language() == QLocale::C) return false;
  if (translator.load(locale, name, QStringLiteral("_"), folder)) return true;
  // Hong Kong and Macao read the traditional characters of Taiwan's translation.
  return locale.script() == QLocale::TraditionalHanScript &&
         translator.load(name + QStringLiteral("_zh_TW"), folder);
}

}  // namespace

QTranslator* InstallQtTranslations(QCoreApplication& app, const QLocale& locale) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  auto* translator = new QTranslator(&app);
  if (!LoadFor(*translator, locale, folder) && !translator->load(QStringLiteral("qtbase_zh_CN"), folder)) {
    delete translator;
    return nullptr;
  }
  // The windows are laid out left to right; a right-to-left language must
  // not mirror them.
  if (qobject_cast<QGuiApplication*>(&app)) QGuiApplication::setLayoutDirection(Qt::LeftToRight);
  QCoreApplication::installTranslator(translator);
  return translator;
}
