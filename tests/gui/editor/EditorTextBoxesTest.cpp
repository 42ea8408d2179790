// The editor panel's text boxes: their byte limits as the player types, and
// texts the GBK boxes cannot hold.
#include "gui/editor/EditorPanelFixture.h"

namespace {

TEST_F(EditorPanelTest, TextsTheGbkBoxesCannotHoldSurviveAConfirmation) {
  // A Japanese-edition reading with a byte that is no GBK character, and a
  // name filling its whole field.
  PutBytes(bytes, 4, kYin, "\x82\xA0\xB6");
  PutBytes(bytes, 4, kXing, "abcde");
  PutBytes(bytes, 4, kStory, "\x80x\ry");
  WriteBytes(file, bytes);
  TForm_Main& w = Open();
  SelectSlot(4);
  const OfficerRecord before = w.Document().Table()[4];
  Find<QPushButton>(w, "Btn_MConfirm")->click();
  EXPECT_EQ(w.Document().Table()[4].Yin, before.Yin);
  EXPECT_EQ(w.Document().Table()[4].Xing, before.Xing);
  EXPECT_EQ(w.Document().Table()[4].Story, before.Story);
}

TEST_F(EditorPanelTest, NameAndReadingBoxesRefuseTooManyBytes) {
  TForm_Main& w = Open();
  SelectSlot(3);
  TypeText(Find<GbkLineEdit>(w, "Edit_Xing"), U("张飞关"));
  EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Xing")->text(), U("张飞"));
  TypeText(Find<GbkLineEdit>(w, "Edit_Ming"), U("a张bc"));
  EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Ming")->text(), U("a张b"));

  QApplication::clipboard()->setText("abcdefghijk");
  Find<GbkLineEdit>(w, "Edit_Yin")->clear();
  Find<GbkLineEdit>(w, "Edit_Yin")->paste();
  EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Yin")->text(), QString());
  QApplication::clipboard()->setText(U("ab张"));
  Find<GbkLineEdit>(w, "Edit_Zi")->paste();
  EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Zi")->text(), U("ab张"));
  Find<GbkLineEdit>(w, "Edit_Zi")->paste();
  EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Zi")->text(), U("ab张"));

  // A stored name that fills its field may be shortened but not lengthened.
  PutBytes(bytes, 5, kXing, "abcde");
  WriteBytes(file, bytes);
  Action(w, "R1")->trigger();
  SelectSlot(5);
  EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Xing")->text(), "abcde");
  Find<GbkLineEdit>(w, "Edit_Xing")->end(false);
  TypeText(Find<GbkLineEdit>(w, "Edit_Xing"), "f");
  EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Xing")->text(), "abcde");
  QTest::keyClick(Find<GbkLineEdit>(w, "Edit_Xing"), Qt::Key_Backspace);
  EXPECT_EQ(Find<GbkLineEdit>(w, "Edit_Xing")->text(), "abcd");
}

TEST_F(EditorPanelTest, TheBiographyCountsLineBreaksAsTwoBytes) {
  TForm_Main& w = Open();
  SelectSlot(3);
  QPlainTextEdit* memo = Find<GbkMemo>(w, "Memo_Story");
  QApplication::clipboard()->setText(QString(148, 'a') + "\r\nb");  // 151 bytes
  memo->paste();
  EXPECT_EQ(memo->toPlainText(), QString());
  QApplication::clipboard()->setText(QString(147, 'a') + "\r\nb");  // 150 bytes
  memo->paste();
  EXPECT_EQ(Find<GbkMemo>(w, "Memo_Story")->Bytes(), std::string(147, 'a') + "\r\nb");
  TypeText(memo, "c");
  QTest::keyClick(memo, Qt::Key_Return);
  EXPECT_EQ(Find<GbkMemo>(w, "Memo_Story")->Bytes(), std::string(147, 'a') + "\r\nb");
  QTest::keyClick(memo, Qt::Key_Backspace);
  QTest::keyClick(memo, Qt::Key_Backspace);
  TypeText(memo, U("张"));
  EXPECT_EQ(Find<GbkMemo>(w, "Memo_Story")->Bytes(), std::string(147, 'a') + "\xD5\xC5");

  // A stored biography longer than the limit may be shortened but not lengthened.
  ChangeRecord(w, 3, [&](OfficerRecord& r) { r.Story.Write(std::string(152, 'n')); });
  Find<QPushButton>(w, "Btn_MCancel")->click();
  memo->moveCursor(QTextCursor::End);
  QTest::keyClick(memo, Qt::Key_Backspace);
  EXPECT_EQ(Find<GbkMemo>(w, "Memo_Story")->Bytes().size(), 151u);
  TypeText(memo, "z");
  EXPECT_EQ(Find<GbkMemo>(w, "Memo_Story")->Bytes(), std::string(151, 'n'));
  QTest::keyClick(memo, Qt::Key_Left, Qt::ShiftModifier);
  TypeText(memo, "m");  // a replacement of the same length
  EXPECT_EQ(Find<GbkMemo>(w, "Memo_Story")->Bytes(), std::string(150, 'n') + "m");
  Find<QPushButton>(w, "Btn_MConfirm")->click();
  EXPECT_EQ(w.Document().Table()[3].Story.Text(), std::string(150, 'n') + "m");
}

}  // namespace
