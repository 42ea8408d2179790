// The face picker, the installation-directory window and the replacement
// preview change language while open.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>

#include "gui/faces/FaceReplaceDialog.h"
#include "gui/faces/TForm_InstallDir.h"
#include "gui/faces/TfrmPic.h"
#include "gui/widgets/LanguageSwitch.h"
#include "support/MainWindowControls.h"
#include "support/MainWindowHarness.h"

namespace {

TEST(FaceWindowsLanguage, PickerCaptionsFollowAndTheTypedNumberStays) {
  MainWindowHarness harness;
  FacePickerRunState run;
  TfrmPic picker(nullptr, nullptr, run);
  Find<QLineEdit>(picker, "Edit1")->setText(QStringLiteral("12"));
  ExpectLiveSwitch(picker, {QStringLiteral("TfrmPic")});
  EXPECT_EQ(Find<QLineEdit>(picker, "Edit1")->text(), QStringLiteral("12"));
}

TEST(FaceWindowsLanguage, InstallDirCaptionsFollow) {
  MainWindowHarness harness;
  TForm_InstallDir dialog;
  ExpectLiveSwitch(dialog, {QStringLiteral("TForm_InstallDir")});
}

TEST(FaceWindowsLanguage, ReplacePreviewTitleAndUsersFollow) {
  MainWindowHarness harness;
  QImage picture(64, 80, QImage::Format_RGB32);
  picture.fill(Qt::red);
  FaceReplaceDialog unused(7, FaceImage{}, picture, {});
  ExpectLiveSwitch(unused, {QStringLiteral("FaceReplaceDialog")});
  LanguageSwitch language;
  language.To("en");
  EXPECT_EQ(unused.windowTitle(), QStringLiteral("Replace face 7"));
  FaceReplaceDialog used(8, FaceImage{}, picture, {QStringLiteral("1000 張飛")});
  language.To("zh_TW");
  EXPECT_EQ(used.windowTitle(), QStringLiteral("替換頭像 8"));
  EXPECT_EQ(Find<QLabel>(used, "Label_Users")->text(), QStringLiteral("本檔中使用此頭像的武將："));
}

}  // namespace
