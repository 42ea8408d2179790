// Qt's own texts — message-box buttons, file errors — in the user's language,
// Chinese where Qt would speak English.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QString>
#include <QTranslator>

#include "gui/mainwindow/QtTranslations.h"

namespace {

struct QtTexts {
  QString ok, cancel, yes, no, missingFile;
};

// Qt's texts while its translation for `locale` is installed; the translator
// is removed again, so other tests see Qt as it comes.
QtTexts TextsFor(const QLocale& locale) {
  QTranslator* translator = InstallQtTranslations(*QCoreApplication::instance(), locale);
  EXPECT_NE(translator, nullptr) << locale.name().toStdString();
  QtTexts texts;
  {
    QMessageBox box(QMessageBox::NoIcon, QString(), QString(),
                    QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
    texts.ok = box.button(QMessageBox::Ok)->text();
    texts.cancel = box.button(QMessageBox::Cancel)->text();
    texts.yes = box.button(QMessageBox::Yes)->text();
    texts.no = box.button(QMessageBox::No)->text();
    QFile missing(QStringLiteral("/no/such/folder/TPERSON.VMR"));
    EXPECT_FALSE(missing.open(QIODevice::ReadOnly));
    texts.missingFile = missing.errorString();
  }
  QCoreApplication::removeTranslator(translator);
  delete translator;
  return texts;
}

}  // namespace

TEST(QtTranslations, ChineseWhereQtWouldSpeakEnglish) {
  for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                                QLocale(QLocale::Chinese, QLocale::China)}) {
    SCOPED_TRACE(locale.name().toStdString());
    const QtTexts texts = TextsFor(locale);
    EXPECT_EQ(texts.ok, QStringLiteral("确定"));
    EXPECT_EQ(texts.cancel, QStringLiteral("取消"));
    EXPECT_EQ(texts.yes, QStringLiteral("是(&Y)"));
    EXPECT_EQ(texts.no, QStringLiteral("否(&N)"));
    EXPECT_EQ(texts.missingFile, QStringLiteral("此文件或目录不存在"));
  }
}

TEST(QtTranslations, OtherLanguagesOfTheSystemAreKept) {
  // Traditional characters also where Qt has no translation of that region's own.
  for (const char* name : {"zh_TW", "zh_HK"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(TextsFor(QLocale(QString::fromLatin1(name))).ok, QStringLiteral("確定"));
  }
  EXPECT_EQ(TextsFor(QLocale(QLocale::German, QLocale::Germany)).cancel, QStringLiteral("Abbrechen"));
  // A language without Qt's translation falls back to Chinese.
  EXPECT_EQ(TextsFor(QLocale(QLocale::Esperanto)).cancel, QStringLiteral("取消"));
}

TEST(QtTranslations, RightToLeftLanguageLeavesTheLayoutAlone) {
  QTranslator* translator = InstallQtTranslations(*QCoreApplication::instance(), QLocale(QLocale::Arabic, QLocale::Egypt));
  ASSERT_NE(translator, nullptr);
  QCoreApplication::processEvents();  // the language change reaches the application
  EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
  QCoreApplication::removeTranslator(translator);
  delete translator;
  QCoreApplication::processEvents();
}
