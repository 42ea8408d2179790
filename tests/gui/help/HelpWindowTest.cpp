// The welcome and help window: layout, closing, link hover and the author box.
#include <QAction>
#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/widgets/ClickLabel.h"
#include "gui/widgets/DialogSeam.h"
#include "gui/help/TForm_Help.h"
#include "support/MainWindowHarness.h"
#include "support/MainWindowControls.h"
#include "gui/help/HelpWindowInput.h"

namespace {

class HelpWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    seam::SetMessageHook([this](const seam::Message& m) { messages.push_back(m); });
    seam::SetWebAddressHook([this](const QUrl& address) { opened.push_back(address); });
    help = std::make_unique<TForm_Help>();
    help->show();
  }
  void TearDown() override {
    help.reset();
    seam::ClearHooks();
    seam::SetWebAddressHook(nullptr);
  }

  ClickLabel* Label(const char* name) const { return Named(*help, name); }
  std::vector<ClickLabel*> Labels(std::initializer_list<const char*> names) const {
    std::vector<ClickLabel*> labels;
    for (const char* name : names) labels.push_back(Label(name));
    return labels;
  }
  // Every label whose click closes the window.
  std::vector<ClickLabel*> ClosingLabels() const {
    return Labels({"Label20", "Label6", "Label21", "Label23", "Label27", "Label28", "Label2", "Label3", "Label7",
                   "Label8", "Label10", "Label5", "Label19", "Label1", "Label16", "Label17", "Label24", "Label25",
                   "Label9"});
  }
  std::vector<ClickLabel*> Pictures() const {
    return Labels({"Image1", "Image2", "Image3", "Image4", "Image5", "Image6", "Image7", "Image8"});
  }

  std::unique_ptr<TForm_Help> help;
  std::vector<seam::Message> messages;
  std::vector<QUrl> opened;
};

TEST_F(HelpWindowTest, WindowIsBorderlessSquareOnButtonFace) {
  EXPECT_EQ(help->objectName(), QStringLiteral("Form_Help"));
  EXPECT_EQ(help->size(), QSize(433, 433));
  EXPECT_TRUE(help->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(help->windowTitle(), QStringLiteral("欢迎使用 Velmora 武将登录器"));
  const QImage shown = help->grab().toImage();
  EXPECT_EQ(shown.pixelColor(kBareSurface), help->palette().color(QPalette::Button));
}

TEST_F(HelpWindowTest, PicturesFrameTheWindow) {
  const std::vector<QRect> boxes{{0, 0, 113, 113},   {320, 0, 113, 113}, {0, 320, 113, 113}, {320, 320, 113, 113},
                                 {112, 0, 209, 9},   {112, 424, 209, 9}, {0, 112, 9, 209},   {424, 112, 9, 209}};
  const std::vector<ClickLabel*> pictures = Pictures();
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    EXPECT_EQ(pictures[i]->geometry(), boxes[i]) << pictures[i]->objectName().toStdString();
  }
  // The red band closes around the window: every pixel of its outer ring,
  // corners and strips alike.
  const QImage shown = help->grab().toImage();
  ASSERT_EQ(shown.size(), QSize(433, 433));
  const QColor lacquer(139, 26, 26);
  for (int i = 0; i < 433; ++i) {
    for (const QPoint at : {QPoint(i, 0), QPoint(i, 432), QPoint(0, i), QPoint(432, i)}) {
      ASSERT_EQ(shown.pixelColor(at), lacquer) << at.x() << "," << at.y();
    }
  }
}

TEST_F(HelpWindowTest, EveryTextLiesInsideTheFrameAndLeavesItsArtAlone) {
  const QRect inside(9, 9, 415, 415);  // the window less the frame's band
  std::vector<ClickLabel*> texts;
  for (ClickLabel* label : help->findChildren<ClickLabel*>()) {
    if (!label->text().isEmpty()) texts.push_back(label);
  }
  ASSERT_EQ(texts.size(), 23u);
  for (const ClickLabel* label : texts) {
    SCOPED_TRACE(label->objectName().toStdString());
    const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 433), Qt::TextWordWrap,
                                                           label->text());
    EXPECT_LE(needed.width(), label->width());
    EXPECT_LE(needed.height(), label->height());
    EXPECT_TRUE(inside.contains(label->geometry())) << label->x() << "," << label->y() << " " << label->width()
                                                    << "x" << label->height();
    for (const ClickLabel* other : texts) {
      if (other == label) continue;
      EXPECT_FALSE(label->geometry().intersects(other->geometry())) << other->objectName().toStdString();
    }
  }
  // No text draws on the frame's pictures.
  const QImage shown = help->grab().toImage();
  for (ClickLabel* label : texts) label->hide();
  const QImage art = help->grab().toImage();
  for (const ClickLabel* picture : Pictures()) {
    EXPECT_EQ(shown.copy(picture->geometry()), art.copy(picture->geometry())) << picture->objectName().toStdString();
  }
}

TEST_F(HelpWindowTest, LabelsHaveTheirTextsPlacesFontsAndColours) {
  const QColor red(255, 0, 0);
  struct Expected {
    const char* name;
    QString text;
    QPoint at;
    int pixelSize;
    bool bold;
    QColor colour = QColor();  // invalid: the window's own
  };
  const std::vector<Expected> table{
      {"Label20", QStringLiteral("欢迎您使用"), {176, 16}, 16, false},
      {"Label6", QStringLiteral("Velmora 武将登录器1.7.1"), {117, 40}, 16, true, red},
      {"Label21", QStringLiteral("本登录器来自"), {134, 80}, 12, false},
      {"Label22", QStringLiteral("维摩之家"), {210, 77}, 16, true, kBlue},
      {"Label23", QStringLiteral("论坛"), {278, 79}, 12, false},
      {"Label27", QStringLiteral("同时推出"), {192, 104}, 13, false},
      {"Label28", QStringLiteral("Velmora 城市登录器 1.0 测试版"), {110, 121}, 14, false, red},
      {"Label2", QStringLiteral("使用提示："), {32, 140}, 12, false},
      {"Label3", QStringLiteral("1、登录武将文件为\n   我的文档\\Orvane\\Velmora TC\\TPrsn\\TPERSON.VMR"), {56, 156}, 12, false},
      {"Label7", QStringLiteral("2、支持Velmora中文版，可以用简体输入法输入姓名、列传    "), {56, 184}, 12, false},
      {"Label8", QStringLiteral("3、可将日文版登录武将信息转换为中文，直接在中文版中继续使用    "), {56, 200}, 12, false},
      {"Label12", QStringLiteral("4、可修改隐藏属性     "), {56, 216}, 12, false},
      {"Label10", QStringLiteral("。。。单击或按任意键进入修改。。。"), {40, 232}, 20, true, QColor(128, 128, 128)},
      {"Label5", QStringLiteral("更新版本下载以及建议、Bug 的提出    "), {112, 264}, 12, false},
      {"Label19", QStringLiteral("请到"), {72, 288}, 12, false},
      {"Label13", QStringLiteral("维摩之家(http://velmedit.example/)Velmora版"), {104, 288}, 12, true, kBlue},
      {"Label1", QStringLiteral("鸣谢："), {120, 314}, 12, false},
      {"Label16", QStringLiteral("整理资料及提供修改方法的 "), {144, 334}, 12, false},
      {"Label17", QStringLiteral("石头、青梅、云中客、老树"), {136, 352}, 12, false, kBlue},
      {"Label24", QStringLiteral("作者："), {130, 376}, 12, false},
      {"Label25", QStringLiteral("墨砚生"), {170, 374}, 16, true, QColor(128, 0, 128)},
      {"Label11", QStringLiteral("砚台"), {250, 374}, 16, false, kBlue},
      {"Label9", QStringLiteral("2004年11月2日"), {176, 408}, 12, false},
  };
  for (const Expected& e : table) {
    SCOPED_TRACE(e.name);
    const ClickLabel* label = Label(e.name);
    EXPECT_EQ(label->text(), e.text);
    EXPECT_EQ(label->pos(), e.at);
    EXPECT_EQ(label->font().pixelSize(), e.pixelSize);
    EXPECT_EQ(label->font().bold(), e.bold);
    const QColor colour = e.colour.isValid() ? e.colour : help->palette().color(QPalette::WindowText);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), colour);
  }
  ExpectRestingLink(Label("Label22"));
  ExpectRestingLink(Label("Label13"));
}

TEST_F(HelpWindowTest, ClickOnTheSurfaceClosesTheWindow) {
  ClickAt(help.get(), kBareSurface);
  EXPECT_FALSE(help->isVisible());
}

TEST_F(HelpWindowTest, ClickOnEveryPictureAndPlainLabelClosesTheWindow) {
  std::vector<ClickLabel*> closers = Pictures();
  for (ClickLabel* label : ClosingLabels()) closers.push_back(label);
  for (ClickLabel* closer : closers) {
    help->show();
    ClickOn(help.get(), closer);
    EXPECT_FALSE(help->isVisible()) << closer->objectName().toStdString();
  }
  EXPECT_TRUE(opened.empty());
  EXPECT_TRUE(messages.empty());
}

TEST_F(HelpWindowTest, CharacterKeysCloseTheWindowOthersDoNot) {
  const std::vector<std::pair<int, QString>> silent{
      {Qt::Key_Shift, QString()}, {Qt::Key_Left, QString()}, {Qt::Key_Down, QString()}, {Qt::Key_F1, QString()},
      {Qt::Key_Delete, QStringLiteral("\x7f")}};
  for (const auto& [key, text] : silent) {
    PressKey(help.get(), key, text, key == Qt::Key_Shift ? Qt::ShiftModifier : Qt::NoModifier);
    EXPECT_TRUE(help->isVisible()) << "key " << key;
  }
  const std::vector<std::pair<int, QString>> closing{{Qt::Key_A, QStringLiteral("a")},
                                                     {Qt::Key_Return, QStringLiteral("\r")},
                                                     {Qt::Key_Escape, QStringLiteral("\x1b")},
                                                     {Qt::Key_Space, QStringLiteral(" ")}};
  for (const auto& [key, text] : closing) {
    help->show();
    PressKey(help.get(), key, text);
    EXPECT_FALSE(help->isVisible()) << "key " << key;
  }
}

TEST_F(HelpWindowTest, LinksTurnGreenAndUnderlinedOnHoverAndBlueOverTheSurface) {
  ClickLabel* forum = Label("Label22");
  ClickLabel* address = Label("Label13");
  MoveTo(help.get(), forum->geometry().center());
  ExpectHoveredLink(forum);
  ExpectRestingLink(address);

  MoveTo(help.get(), address->geometry().center());
  ExpectHoveredLink(address);
  ExpectHoveredLink(forum);  // only the bare surface turns them back

  MoveTo(help.get(), Label("Label20")->geometry().center());
  MoveTo(help.get(), Label("Image1")->geometry().center());
  ExpectHoveredLink(forum);
  ExpectHoveredLink(address);

  MoveTo(help.get(), kBareSurface);
  ExpectRestingLink(forum);
  ExpectRestingLink(address);
  EXPECT_EQ(forum->font().pixelSize(), 16);
  EXPECT_EQ(address->font().pixelSize(), 12);
}

TEST_F(HelpWindowTest, LinkClickOpensTheForumAndLeavesTheWindowOpen) {
  for (ClickLabel* link : Labels({"Label22", "Label13"})) {
    MoveTo(help.get(), link->geometry().center());
    ClickOn(help.get(), link);
    EXPECT_TRUE(help->isVisible()) << link->objectName().toStdString();
    ExpectHoveredLink(link);
  }
  const QUrl forum(QStringLiteral("http://velmedit.example/"));
  EXPECT_EQ(opened, (std::vector<QUrl>{forum, forum}));
}

TEST_F(HelpWindowTest, AuthorClickShowsTheReminderThenCloses) {
  bool visibleWhileBoxShown = false;
  seam::SetMessageHook([&](const seam::Message& m) {
    visibleWhileBoxShown = help->isVisible();
    messages.push_back(m);
  });
  ClickOn(help.get(), Label("Label11"));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].caption, QStringLiteral("提醒"));
  EXPECT_EQ(messages[0].text, QStringLiteral("台湾是中国不可分割的一部分\n钓鱼岛是中国固有领土\n"));
  EXPECT_EQ(messages[0].kind, seam::MessageKind::Plain);
  EXPECT_TRUE(visibleWhileBoxShown);
  EXPECT_FALSE(help->isVisible());
}

}  // namespace
