// 粘贴到此武将 and 清空此武将 in the core: the pasted record's links to itself
// follow it, the cleared slot is the generator's empty slot, each one step.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "core/document/OfficerDocument.h"
#include "core/document/SlotTools.h"
#include "core/officers/OfficerFile.h"
#include "support/DemoOfficerFile.h"
#include "support/OfficerBytes.h"
#include "support/TempDir.h"

namespace {

// An empty slot typed out from tools/gen_demo_vmr: zeros, the six links at
// 2-13 and 相同武将 at 64 0xFFFF, the type at 71 0xFF.
std::vector<unsigned char> EmptySlotBytes() {
  std::vector<unsigned char> bytes(kRecordSize, 0);
  for (std::size_t i = 2; i < 14; ++i) bytes[i] = 0xFF;
  bytes[64] = bytes[65] = bytes[71] = 0xFF;
  return bytes;
}

std::vector<unsigned char> SlotBytes(const std::vector<unsigned char>& head, std::size_t slot) {
  const auto begin = head.begin() + static_cast<std::ptrdiff_t>(RecordOffset(slot));
  return std::vector<unsigned char>(begin, begin + static_cast<std::ptrdiff_t>(kRecordSize));
}

class SlotToolsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    OfficerTable table{};
    table[2].Xing.Write("\xB1\x69");  // 張
    table[2].Wuli = 88;
    table[2].Father = 2 + kFirstNewOfficer;  // itself
    table[2].Mother = 5 + kFirstNewOfficer;  // the target: stays
    table[2].Another = 1 + kFirstNewOfficer;
    table[2].SameOfficer = 2 + kFirstNewOfficer;
    table[2].Enemy = 0xFFFF;
    table[5].Xing.Write("\xAD\xB8");  // 飛
    table[5].Type = 3;
    table[5].Brother = 2 + kFirstNewOfficer;
    WriteBytes(file, MergeTableIntoFile(EmptyOfficerFile(), table));
    doc.Open(QString::fromStdString(file.string()));
  }
  TempDir dir;
  std::filesystem::path file = dir / "TPERSON.VMR";
  OfficerDocument doc;
};

}  // namespace

TEST_F(SlotToolsTest, PasteMovesTheLinksToItselfAndIsOneStep) {
  const std::vector<unsigned char> before = doc.CurrentHead();
  doc.PasteRecord(5, doc.Record(2), 2);
  const OfficerRecord& pasted = doc.Record(5);
  EXPECT_EQ(pasted.Father, 655);
  EXPECT_EQ(pasted.SameOfficer, 655);
  EXPECT_EQ(pasted.Mother, 655);
  EXPECT_EQ(pasted.Another, 651);
  EXPECT_EQ(pasted.Enemy, 0xFFFF);
  EXPECT_EQ(pasted.Brother, 0);  // the target's own values are gone
  EXPECT_EQ(pasted.Wuli, 88);
  EXPECT_EQ(pasted.Xing.Text(), "\xB1\x69");
  EXPECT_EQ(doc.Record(2).Father, 652);  // the source stays
  EXPECT_EQ(doc.UndoName(), "粘贴到 655 飞");

  doc.Undo();
  EXPECT_EQ(doc.CurrentHead(), before);
  EXPECT_FALSE(doc.CanUndo());
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(SlotToolsTest, ClearWritesTheNeverFilledSlot) {
  std::vector<unsigned char> emptyRecord = EmptySlotBytes();
  EXPECT_EQ(DecodeRecord(emptyRecord.data()), EmptySlotRecord());
  EXPECT_EQ(SlotBytes(DemoOfficerFile(), 20), emptyRecord);  // what the generator writes

  const std::vector<unsigned char> before = doc.CurrentHead();
  QSignalSpy changed(&doc, &OfficerDocument::recordChanged);
  doc.ClearSlot(5);
  EXPECT_EQ(doc.Record(5), EmptySlotRecord());
  emptyRecord[62] = 1;  // the save mark the file held stays: the game never reads it
  EXPECT_EQ(SlotBytes(doc.CurrentHead(), 5), emptyRecord);
  EXPECT_EQ(doc.UndoName(), "清空 655 飞");
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed[0][0].toInt(), 5);

  // A cleared slot cleared again changes nothing and takes no step.
  doc.ClearSlot(5);
  doc.Undo();
  EXPECT_EQ(doc.CurrentHead(), before);
  EXPECT_FALSE(doc.CanUndo());
}
