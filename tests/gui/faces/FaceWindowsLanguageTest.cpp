// The face picker, the installation-directory window and the replacement
// preview change language while open.
#include <gtest/gtest.h>

#include "gui/faces/FaceReplaceDialog.h"
#include "gui/faces/TForm_InstallDir.h"
#include "gui/faces/TfrmPic.h"
#include "gui/widgets/LanguageSwitch.h"
#include "support/MainWindowControls.h"
#include "support/MainWindowHarness.h"

namespace {

TEST(FaceWindowsLanguage, CaptionsFollowAndTheTypedNumberStays) {
  MainWindowHarness harness;
  FacePickerRunState run;
  TfrmPic picker(nullptr, nullptr, run);
  Find<QLineEdit>(picker, "Edit1")->setText(QStringLiteral("12"));
  ExpectLiveSwitch(picker, {QStringLiteral("TfrmPic")});
  EXPECT_EQ(Find<QLineEdit>(picker, "Edit1")->text(), QStringLiteral("12"));
  TForm_InstallDir folders;
  ExpectLiveSwitch(folders, {QStringLiteral("TForm_InstallDir")});

  QImage picture(64, 80, QImage::Format_RGB32);
  picture.fill(Qt::red);
  FaceReplaceDialog preview(7, FaceImage{}, picture, {});
  ExpectLiveSwitch(preview, {QStringLiteral("FaceReplaceDialog")});
  LanguageSwitch language;
  language.To("zh_TW");
  EXPECT_EQ(preview.windowTitle(), QStringLiteral("替換頭像 7"));
}

}  // namespace
