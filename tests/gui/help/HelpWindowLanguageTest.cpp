// The welcome window changes language while open.
#include <gtest/gtest.h>

#include "gui/help/TForm_Help.h"
#include "gui/widgets/LanguageSwitch.h"

TEST(HelpWindowLanguage, CaptionsFollow) {
  TForm_Help help;
  ExpectLiveSwitch(help, {QStringLiteral("TForm_Help")});
}
