#pragma once
// Qt's own texts — the file dialog, the message-box buttons, file error
// messages, the command line's usage — in the user's language, Chinese by
// default, to match a program whose every other word is Chinese.
class QCoreApplication;
class QLocale;
class QTranslator;

// Loads Qt's translation for `locale` into `app`, Simplified Chinese where Qt
// would otherwise speak English or has no translation. The translator
// belongs to `app`; null when no translation is installed.
QTranslator* InstallQtTranslations(QCoreApplication& app, const QLocale& locale);
