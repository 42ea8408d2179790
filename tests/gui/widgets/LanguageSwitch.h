#pragma once
// The language switched in a running window as the program does it: a
// translation kept inside the program installed (or removed) and the
// LanguageChange that Qt then sends every window delivered. The check reads
// every caption of a window in simplified Chinese, in English, in
// traditional Chinese and in simplified again, and compares each with what
// the translation itself gives for that text.
#include <QStringList>
#include <QTranslator>
#include <functional>

class QWidget;

class LanguageSwitch {
 public:
  ~LanguageSwitch() { To(""); }
  // "en", "zh_TW", or "" for the simplified Chinese the texts are written in.
  void To(const char* code);
  // The translation of a simplified text under the first of the contexts
  // that has one; empty without.
  QString Translated(const QStringList& contexts, const QString& text) const;

 private:
  QTranslator translator_;
  bool installed_ = false;
};

// Whether a caption (named "object/property") is game data that stays as
// written in every language.
using DataCaption = std::function<bool(const QString& where)>;

// The whole round: in English and in traditional Chinese every caption that
// the contexts translate shows that translation, and no English caption but
// data holds Chinese characters; back in simplified Chinese every caption is
// what it was. The window's contexts: the form class and those of the code.
void ExpectLiveSwitch(QWidget& window, const QStringList& contexts, const DataCaption& isData = {});

// The window's captions now, each as "object/property=text".
QStringList CaptionTexts(QWidget& window);
