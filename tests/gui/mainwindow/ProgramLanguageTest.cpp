// The language the program speaks: --lang for one run, the player's
// setting, the locale; the program's and Qt's texts follow it, and the
// language menu switches them at once.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>

#include "cli/CommandLine.h"
#include "cli/ProgramLanguage.h"
#include "core/faces/RecentFiles.h"
#include "core/faces/SettingsFile.h"
#include "core/faces/LanguageSetting.h"
#include "gui/mainwindow/TForm_Main.h"
#include "support/MainWindowHarness.h"

namespace {

QString Words(const QStringList& list) { return list.join(u' '); }

TEST(ProgramLanguage, LangIsTakenOutWhereverItStands) {
  QStringList arguments{QStringLiteral("export"), QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("a.csv")};
  LanguageOption option = TakeLanguageOption(arguments);
  EXPECT_EQ(option.language, UiLanguage::English);
  EXPECT_EQ(Words(arguments), QStringLiteral("export a.csv"));

  arguments = QStringList{QStringLiteral("T.VMR"), QStringLiteral("--lang=zh_TW")};
  option = TakeLanguageOption(arguments);
  EXPECT_EQ(option.language, UiLanguage::TraditionalChinese);
  EXPECT_TRUE(option.mistake.isEmpty());
  EXPECT_EQ(Words(arguments), QStringLiteral("T.VMR"));

  // "--language" is some other option, left for the command to refuse.
  arguments = QStringList{QStringLiteral("--language"), QStringLiteral("en")};
  EXPECT_EQ(TakeLanguageOption(arguments).language, std::nullopt);
  EXPECT_EQ(arguments.size(), 2);
}

TEST(ProgramLanguage, AnUnknownOrMissingCodeIsAMistakeNamingTheThree) {
  for (const QStringList& given : {QStringList{QStringLiteral("--lang"), QStringLiteral("zh_HK")},
                                   QStringList{QStringLiteral("--lang=EN")}, QStringList{QStringLiteral("--lang")},
                                   QStringList{QStringLiteral("--lang=en"), QStringLiteral("--lang=fr")}}) {
    QStringList arguments = given;
    const LanguageOption option = TakeLanguageOption(arguments);
    EXPECT_EQ(option.language, std::nullopt) << Words(given).toStdString();
    EXPECT_TRUE(option.mistake.contains(QStringLiteral("zh_CN、zh_TW 或 en"))) << option.mistake.toStdString();
  }
  QStringList arguments{QStringLiteral("--lang"), QStringLiteral("zh_HK")};
  EXPECT_EQ(TakeLanguageOption(arguments).mistake, QStringLiteral("未知的界面语言“zh_HK”：应为 zh_CN、zh_TW 或 en。"));
}

class LanguageSettingTest : public ::testing::Test {
 protected:
  MainWindowHarness harness_;  // a program folder of the test's own
  void TearDown() override { UseUiLanguage(UiLanguage::SimplifiedChinese); }
};

TEST_F(LanguageSettingTest, TheCommandLineBeatsTheSettingWhichBeatsTheLocale) {
  const UiLanguage system = DefaultUiLanguage(QLocale::system());
  EXPECT_EQ(StartLanguage(std::nullopt), system);
  WriteLanguageSetting(UiLanguage::English);
  EXPECT_EQ(StartLanguage(std::nullopt), UiLanguage::English);
  EXPECT_EQ(StartLanguage(UiLanguage::TraditionalChinese), UiLanguage::TraditionalChinese);
  // velmedit.ini keeps its one line, the game's folder.
  EXPECT_EQ(ReadSettingsFile(), QString::fromStdString(harness_.GameFolder().string()));

  QSettings(RecentFilesPath(), QSettings::IniFormat).setValue(QStringLiteral("interface/language"), QStringLiteral("klingon"));
  EXPECT_EQ(ReadLanguageSetting(), std::nullopt);
  EXPECT_EQ(StartLanguage(std::nullopt), system);
}

struct QtTexts {
  QString cancel, yes, menuTitle, usage;
};

QtTexts TextsNow() {
  QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Cancel | QMessageBox::Yes);
  return {box.button(QMessageBox::Cancel)->text(), box.button(QMessageBox::Yes)->text(),
          QCoreApplication::translate("TForm_Main", "文件(&F)"), UsageText()};
}

TEST_F(LanguageSettingTest, QtsDialogTextsFollowTheChosenLanguageNotTheLocale) {
  UseUiLanguage(UiLanguage::English);
  QtTexts texts = TextsNow();
  EXPECT_EQ(texts.cancel, QStringLiteral("Cancel"));
  EXPECT_EQ(texts.yes, QStringLiteral("&Yes"));
  EXPECT_EQ(texts.menuTitle, QStringLiteral("&File"));
  EXPECT_TRUE(texts.usage.startsWith(QStringLiteral("Usage: velmedit [options] [FILE]\n"))) << texts.usage.toStdString();
  EXPECT_TRUE(texts.usage.contains(
      QStringLiteral("  --lang CODE    Language of windows and messages: zh_CN, zh_TW or en.\n")));

  UseUiLanguage(UiLanguage::TraditionalChinese);
  texts = TextsNow();
  EXPECT_EQ(texts.cancel, QStringLiteral("取消"));
  EXPECT_EQ(texts.yes, QStringLiteral("是(&Y)"));
  EXPECT_EQ(texts.menuTitle, QStringLiteral("檔案(&F)"));
  EXPECT_TRUE(texts.usage.startsWith(QStringLiteral("用法：velmedit [選項] [FILE]\n"))) << texts.usage.toStdString();

  UseUiLanguage(UiLanguage::SimplifiedChinese);
  texts = TextsNow();
  EXPECT_EQ(texts.cancel, QStringLiteral("取消"));
  EXPECT_EQ(texts.menuTitle, QStringLiteral("文件(&F)"));
  EXPECT_TRUE(texts.usage.startsWith(QStringLiteral("用法：velmedit [选项] [FILE]\n"))) << texts.usage.toStdString();
  EXPECT_EQ(CurrentUiLanguage(), UiLanguage::SimplifiedChinese);
}

TEST_F(LanguageSettingTest, TheMenuSwitchesTheMenusAtOnceAndKeepsTheChoice) {
  TForm_Main& window = harness_.Window();
  auto* file = window.findChild<QMenu*>(QStringLiteral("Menu_File"));
  auto* english = window.findChild<QAction*>(QStringLiteral("Menu_LanguageEnglish"));
  auto* simplified = window.findChild<QAction*>(QStringLiteral("Menu_LanguageSimplified"));
  ASSERT_TRUE(file && english && simplified);
  EXPECT_TRUE(simplified->isChecked());
  EXPECT_EQ(file->title(), QStringLiteral("文件(&F)"));

  english->trigger();
  QCoreApplication::processEvents();  // the windows hear of the new language
  EXPECT_EQ(file->title(), QStringLiteral("&File"));
  EXPECT_EQ(window.findChild<QMenu*>(QStringLiteral("Menu_Language"))->title(), QStringLiteral("&Language"));
  EXPECT_TRUE(english->isChecked());
  EXPECT_EQ(ReadLanguageSetting(), UiLanguage::English);
  EXPECT_EQ(english->text(), QStringLiteral("English"));
  EXPECT_EQ(simplified->text(), QStringLiteral("简体中文"));
  // The game's words stay Chinese, traditional, with their English meaning first in the tooltip.
  auto* agriculture = window.findChild<QCheckBox*>(QStringLiteral("CB_S07"));
  EXPECT_EQ(agriculture->text(), QStringLiteral("農業"));
  EXPECT_TRUE(agriculture->toolTip().startsWith(QStringLiteral("Agriculture\n"))) << agriculture->toolTip().toStdString();

  simplified->trigger();
  QCoreApplication::processEvents();
  EXPECT_EQ(file->title(), QStringLiteral("文件(&F)"));
  EXPECT_EQ(agriculture->text(), QStringLiteral("农业"));
  EXPECT_FALSE(agriculture->toolTip().contains(QStringLiteral("Agriculture")));
  EXPECT_EQ(ReadLanguageSetting(), UiLanguage::SimplifiedChinese);
}

}  // namespace
