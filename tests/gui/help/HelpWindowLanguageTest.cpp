// The welcome window changes language while open.
#include <gtest/gtest.h>

#include "gui/help/TForm_Help.h"
#include "gui/widgets/LanguageSwitch.h"

TEST(HelpWindowLanguage, CaptionsFollow) {
  TForm_Help help;
  // Label25 and Label11 hold the author's names, written as he writes them.
  ExpectLiveSwitch(help, {QStringLiteral("TForm_Help")}, [](const QString& where) {
    return where.startsWith(QStringLiteral("Label25/")) || where.startsWith(QStringLiteral("Label11/"));
  });
}
