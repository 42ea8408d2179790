// The panel's session without any window: what it shows, and a
// confirmation or conversion as one step of the document.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "core/editor/PanelSession.h"
#include "support/DocumentFixture.h"

namespace {

class PanelSessionTest : public DocumentFixture {
 protected:
  PanelSession session{doc};
};

TEST_F(PanelSessionTest, AFailedOpenKeepsEverything) {
  doc.Open(Q(file));
  session.SelectSlot(7);
  PanelValues panel = session.ShowCurrent();
  panel.numbers[1] = "12";  // Wuli
  session.Confirm(panel);
  ASSERT_TRUE(doc.IsModified());
  const OfficerTable before = doc.Table();

  const std::filesystem::path shortFile = dir / "short.VMR";
  WriteBytes(shortFile, std::vector<unsigned char>(500, 0));
  QSignalSpy replaced(&doc, &OfficerDocument::tableReplaced);
  EXPECT_THROW(doc.Open(Q(shortFile)), OfficerFileError);
  EXPECT_THROW(doc.Open(Q(dir / "missing.VMR")), OfficerFileError);
  EXPECT_EQ(doc.FilePath(), Q(file));
  EXPECT_EQ(doc.Table(), before);
  EXPECT_EQ(session.CurrentSlot(), 7);
  EXPECT_TRUE(session.HasShownOfficer());
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(replaced.count(), 0);

  doc.Reload();  // nothing is shown after a load
  EXPECT_EQ(session.CurrentSlot(), 0);
  EXPECT_FALSE(session.HasShownOfficer());
}

TEST_F(PanelSessionTest, ConfirmWritesOnlyAfterAnOfficerWasShownAndAllOrNothing) {
  doc.Open(Q(file));
  PanelValues panel = PanelFromRecord(doc.Record(0));
  panel.numbers[1] = "5";
  session.Confirm(panel);  // nothing shown since the load: the panel is empty
  EXPECT_EQ(doc.Record(0).Wuli, 77);
  EXPECT_FALSE(doc.IsModified());

  session.SelectSlot(3);
  QSignalSpy changed(&doc, &OfficerDocument::recordChanged);
  const OfficerRecord before = doc.Record(3);
  panel = session.ShowCurrent();
  panel.enumerations[0] = 2;  // Type
  panel.numbers[0] = "40";    // Tongshuai
  panel.numbers[1] = "4x";    // Wuli: not an integer
  panel.skills.fill(true);
  EXPECT_THROW(session.Confirm(panel), ImpossibleValue);
  panel.numbers[1] = "70000";
  EXPECT_THROW(session.Confirm(panel), ImpossibleValue);
  EXPECT_EQ(doc.Record(3), before);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_FALSE(doc.CanUndo());
  EXPECT_EQ(changed.count(), 0);

  panel.numbers[1] = "150";
  session.Confirm(panel);
  EXPECT_EQ(doc.Record(3).Wuli, 150);
  EXPECT_EQ(doc.Record(3).Tongshuai, 40);
  EXPECT_TRUE(doc.IsModified());
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed.front().front().toInt(), 3);
  EXPECT_EQ(doc.UndoName(), "确认修改 653 Z");
}

TEST_F(PanelSessionTest, ConversionsChangeTheTableAndTheTextsLastShown) {
  doc.Open(Q(file));
  OfficerRecord r = doc.Record(4);
  r.Xing.Write("\x8A\xD6");  // 関 in Shift-JIS
  doc.ReplaceRecord(4, r);
  doc.Save();
  session.SelectSlot(4);
  session.ShowCurrent();
  session.ConvertCurrent();
  EXPECT_EQ(doc.Record(4).Xing.Text(), "\xC3\xF6");  // 關 in Big5
  EXPECT_EQ(session.ShowCurrentTexts().Of(FieldWithRole(FieldRole::Surname)), "\xB9\xD8");  // 关 in GBK
  EXPECT_EQ(session.ShownTexts().Of(FieldWithRole(FieldRole::Surname)), "\xB9\xD8");
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(PanelSessionTest, AnEditKeepsUntouchedCharactersAndRefusesWhatBig5Lacks) {
  doc.Open(Q(file));
  OfficerRecord r = doc.Record(6);
  const std::string big5Story = "\xBE\xF7\xC5\xE9\xB8\x55\xBB\x50\xAB\xE1";  // 機體萬與後
  r.Story.Write(big5Story);
  doc.ReplaceRecord(6, r);
  session.SelectSlot(6);
  PanelValues panel = session.ShowCurrent();
  panel.texts.Of(FieldWithRole(FieldRole::Biography)) += "\xA1\xA3";  // 。 appended in GBK
  session.Confirm(panel);
  EXPECT_EQ(doc.Record(6).Story.Text(), big5Story + "\xA1\x43");

  const OfficerRecord before = doc.Record(6);
  panel = session.ShowCurrent();
  panel.numbers[1] = "1";
  panel.texts.Of(FieldWithRole(FieldRole::GivenName)) = "\xEA\xCF";  // 晗: Big5 has no such character
  try {
    session.Confirm(panel);
    ADD_FAILURE() << "the confirmation went through";
  } catch (const ImpossibleValue& e) {
    EXPECT_EQ(QString::fromUtf8(e.what()), QStringLiteral("名：无法以繁体中文(Big5)保存的字：晗"));
  }
  EXPECT_EQ(doc.Record(6), before);
}

}  // namespace
