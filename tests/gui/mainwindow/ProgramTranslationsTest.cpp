// The program's own texts in traditional Chinese and English, as the
// translations kept inside the program give them; without a translation the
// simplified Chinese they are written in.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

#include "cli/CommandLine.h"

namespace {

QString Translate(const QTranslator& translator, const char* context, const char* text) {
  return translator.translate(context, text);
}

TEST(ProgramTranslations, TraditionalChineseMenusAndHelp) {
  QTranslator translator;
  ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/velmedit_zh_TW.qm")));
  EXPECT_EQ(Translate(translator, "TForm_Main", "文件(&F)"), QStringLiteral("檔案(&F)"));
  EXPECT_EQ(Translate(translator, "TForm_Main", "设置路径(&D)"), QStringLiteral("設定路徑(&D)"));
  EXPECT_EQ(Translate(translator, "TForm_Main", "帮助(&H)"), QStringLiteral("說明(&H)"));
  EXPECT_EQ(Translate(translator, "TForm_Main", "保存新武将档(&S)"), QStringLiteral("儲存新武將檔(&S)"));
  // A shortcut is the same key in every language: it has no translation.
  EXPECT_EQ(Translate(translator, "TForm_Main", "Ctrl+S"), QString());
}

TEST(ProgramTranslations, EnglishMenusAndHelp) {
  QTranslator translator;
  ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/velmedit_en.qm")));
  EXPECT_EQ(Translate(translator, "TForm_Main", "文件(&F)"), QStringLiteral("&File"));
  EXPECT_EQ(Translate(translator, "TForm_Main", "保存新武将档(&S)"), QStringLiteral("&Save officers"));
  EXPECT_EQ(Translate(translator, "TForm_Main", "帮助(&H)"), QStringLiteral("&Help"));

  ASSERT_TRUE(QCoreApplication::installTranslator(&translator));
  const QString usage = UsageText();
  QCoreApplication::removeTranslator(&translator);
  EXPECT_TRUE(usage.startsWith(QStringLiteral("Usage: velmedit [options] [FILE]\n"))) << usage.toStdString();
  EXPECT_TRUE(usage.contains(QStringLiteral("  -h, --help     Show this help and exit.\n"))) << usage.toStdString();
  // The commands' own lines are not translated yet and stay as written.
  EXPECT_TRUE(usage.contains(QStringLiteral("  velmedit export "))) << usage.toStdString();
}

TEST(ProgramTranslations, WithoutTranslatorTheTextsStaySimplified) {
  const QString usage = UsageText();
  EXPECT_TRUE(usage.startsWith(QStringLiteral("用法：velmedit [选项] [FILE]\n"))) << usage.toStdString();
  EXPECT_TRUE(usage.endsWith(QStringLiteral("  FILE           启动后打开的新武将登录档（TPERSON.VMR）。\n")));
  EXPECT_EQ(QCoreApplication::translate("TForm_Main", "文件(&F)"), QStringLiteral("文件(&F)"));
}

}  // namespace
