#pragma once
// The language switched in a running test as the program switches it: a
// translation kept inside the program installed (or removed), then the
// LanguageChange that Qt sends every window delivered.
#include <QStringList>
#include <QTranslator>
#include <functional>

class QWidget;

class LanguageSwitch {
 public:
  ~LanguageSwitch() { To(""); }
  // "en", "zh_TW", or "" for the simplified Chinese the texts are written in.
  void To(const char* code);

 private:
  QTranslator translator_;
};

// In English and in traditional Chinese every caption of the window (title,
// labels, buttons, group titles, menus and actions, headings, hints) shows
// what the translation gives for its simplified text under the first of the
// contexts that has one, and no English caption holds Chinese characters but
// game data (`isData`, given "object/property"); back in simplified Chinese
// every caption is as it was.
void ExpectLiveSwitch(QWidget& window, const QStringList& contexts,
                      const std::function<bool(const QString&)>& isData = {});
