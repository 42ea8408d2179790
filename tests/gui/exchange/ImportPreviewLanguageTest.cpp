// The import preview changes language while open, its summary too.
#include <gtest/gtest.h>

#include <QLabel>

#include "gui/exchange/ImportPreviewDialog.h"
#include "gui/widgets/LanguageSwitch.h"

TEST(ImportPreviewLanguage, CaptionsAndSummaryFollow) {
  ImportPreviewDialog preview(ImportDecision{}, {"UTF-8"}, OfficerTextScript::Simplified);
  ExpectLiveSwitch(preview, {QStringLiteral("ImportPreviewDialog")});
  LanguageSwitch language;
  language.To("en");
  EXPECT_TRUE(preview.findChild<QLabel*>(QStringLiteral("Label_Summary"))->text().startsWith(QStringLiteral("UTF-8\nChanges 0 values")));
}
