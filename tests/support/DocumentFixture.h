#pragma once
// A registration file whose officers are all named Z, 武力 (s * 37) % 101 in
// slot s but 77 in slot 0, and a document to open it.
#include <gtest/gtest.h>

#include <QString>
#include <filesystem>

#include "core/document/OfficerDocument.h"
#include "core/officers/OfficerFile.h"
#include "support/OfficerBytes.h"
#include "support/TempDir.h"

inline QString Q(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

class DocumentFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    OfficerTable table{};
    for (std::size_t s = 0; s < kSlotCount; ++s) {
      table[s].Wuli = static_cast<std::uint16_t>((s * 37) % 101);
      table[s].Xing.Write("Z");
    }
    table[0].Wuli = 77;
    WriteBytes(file, MergeTableIntoFile(EmptyOfficerFile(), table));
  }
  TempDir dir;
  std::filesystem::path file = dir / "TPERSON.VMR";
  OfficerDocument doc;
};
