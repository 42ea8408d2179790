// The import preview changes language while open: captions, headings and
// the summary, the notes of the reading kept above it.
#include <gtest/gtest.h>

#include <QLabel>

#include "gui/exchange/ImportPreviewDialog.h"
#include "gui/widgets/LanguageSwitch.h"
#include "support/MainWindowControls.h"

namespace {

TEST(ImportPreviewLanguage, SummaryFollowsTheLanguage) {
  ImportPreviewDialog preview(ImportDecision{}, {"UTF-8"});
  ExpectLiveSwitch(preview, {QStringLiteral("ImportPreviewDialog")});
  LanguageSwitch language;
  language.To("en");
  EXPECT_TRUE(Find<QLabel>(preview, "Label_Summary")->text().startsWith(QStringLiteral("UTF-8\nChanges 0 values of 0 officers.")));
}

}  // namespace
