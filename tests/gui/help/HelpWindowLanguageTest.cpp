// The welcome window changes language while open; each label grows or
// shrinks to its new text.
#include <gtest/gtest.h>

#include "gui/help/TForm_Help.h"
#include "gui/widgets/ClickLabel.h"
#include "gui/widgets/LanguageSwitch.h"

namespace {

TEST(HelpWindowLanguage, CaptionsFollowAndNoneIsCut) {
  TForm_Help help;
  ExpectLiveSwitch(help, {QStringLiteral("TForm_Help")});
  LanguageSwitch language;
  language.To("en");
  for (ClickLabel* label : help.findChildren<ClickLabel*>()) {
    if (label->text().isEmpty()) continue;  // a picture
    EXPECT_LE(label->heightForWidth(label->width()), label->height()) << label->objectName().toStdString();
  }
}

}  // namespace
