#pragma once
// The real main window and a registration file whose slot 0 holds 武力 77,
// every other byte zero.
#include <gtest/gtest.h>

#include "support/MainWindowControls.h"
#include "support/MainWindowHarness.h"
#include "support/OfficerBytes.h"
#include "support/PathText.h"

class WindowWithFile : public ::testing::Test {
 protected:
  void SetUp() override {
    PutU16(original, 0, 24, 77);
    WriteBytes(file, original);
  }
  TForm_Main& OpenAndShowSlot0() { return ShowFirstOfficerOf(harness.Window(), Q(file)); }
  void ConfirmWuli(TForm_Main& w, const char* wuli) { ConfirmNumber(w, "Edit_Wuli", wuli); }

  TempDir dir;
  std::filesystem::path file = dir / "TPERSON.VMR";
  std::vector<unsigned char> original = EmptyOfficerFile();
  MainWindowHarness harness;
};
