#include "gui/help/TForm_Help.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>

#include "gui/widgets/ClickLabel.h"
#include "gui/widgets/DialogSeam.h"
#include "gui/widgets/MainWindowLook.h"

namespace {

constexpr int kHelpSize = 433;

const QColor kBlue(0, 0, 255);
const QColor kHoverGreen(0, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kPurple(128, 0, 128);
const QColor kGrey(128, 128, 128);

std::function<void(const QUrl&)> g_webAddressHook;

QFont HelpFont(int pixelSize, bool bold = false) {
  QFont font = MainWindowFont(pixelSize);
  font.setBold(bold);
  return font;
}

// The author's name is written in a regular-script (Kai) face where the
// system has one, else in the window's Song face.
QFont KaiFont(int pixelSize, bool bold) {
  QFont font = HelpFont(pixelSize, bold);
  QStringList families{QStringLiteral("楷体_GB2312"), QStringLiteral("KaiTi_GB2312"), QStringLiteral("KaiTi"),
                       QStringLiteral("楷体"), QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL KaitiM GB")};
  families += font.families();
  font.setFamilies(families);
  return font;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}

void SetLinkStyle(ClickLabel* link, bool hovered) {
  QFont font = link->font();
  font.setBold(true);
  font.setUnderline(hovered);
  link->setFont(font);
  SetTextColour(link, hovered ? kHoverGreen : kBlue);
}

}  // namespace

TForm_Help::TForm_Help(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("Form_Help"));
  setWindowTitle(QStringLiteral("欢迎使用 Velmora 武将登录器"));
  setFont(MainWindowFont());
  QPalette surface = palette();
  surface.setColor(QPalette::Window, surface.color(QPalette::Button));
  setPalette(surface);
  setAutoFillBackground(true);
  setMouseTracking(true);  // FormMouseMove without a button held
  setFixedSize(kHelpSize, kHelpSize);

  BuildPictures();
  BuildLabels();
  ConnectHandlers();
  CentreOnScreen(this);  // also keeps a parent window from placing it over itself
}

QUrl TForm_Help::ForumAddress() { return QUrl(QStringLiteral("http://velmedit.example/")); }

void TForm_Help::OpenWebAddress(const QUrl& address) {
  if (g_webAddressHook) {
    g_webAddressHook(address);
    return;
  }
  QDesktopServices::openUrl(address);
}

void TForm_Help::SetWebAddressHook(std::function<void(const QUrl&)> hook) { g_webAddressHook = std::move(hook); }

ClickLabel* TForm_Help::AddPicture(const char* name, const QString& resource, int x, int y, int w, int h) {
  auto* picture = new ClickLabel(this);
  picture->setObjectName(QString::fromLatin1(name));
  picture->setScaledContents(true);  // stretched to its box
  picture->setPixmap(QPixmap(resource));
  picture->setGeometry(x, y, w, h);
  return picture;
}

void TForm_Help::BuildPictures() {
  Image1 = AddPicture("Image1", QStringLiteral(":/help/help_corner_tl.png"), 0, 0, 113, 113);
  Image2 = AddPicture("Image2", QStringLiteral(":/help/help_corner_tr.png"), 320, 0, 113, 113);
  Image3 = AddPicture("Image3", QStringLiteral(":/help/help_corner_bl.png"), 0, 320, 113, 113);
  Image4 = AddPicture("Image4", QStringLiteral(":/help/help_corner_br.png"), 320, 320, 113, 113);
  Image5 = AddPicture("Image5", QStringLiteral(":/help/help_edge_top.png"), 112, 0, 209, 9);
  Image6 = AddPicture("Image6", QStringLiteral(":/help/help_edge_bottom.png"), 112, 424, 209, 9);
  Image7 = AddPicture("Image7", QStringLiteral(":/help/help_edge_left.png"), 0, 112, 9, 209);
  Image8 = AddPicture("Image8", QStringLiteral(":/help/help_edge_right.png"), 424, 112, 9, 209);
}

ClickLabel* TForm_Help::AddLabel(const char* name, const QString& text, int x, int y, const QFont& font,
                                 const QColor& colour) {
  auto* label = new ClickLabel(this);
  label->setObjectName(QString::fromLatin1(name));
  label->setText(text);
  label->setTextFormat(Qt::PlainText);
  label->setFont(font);
  SetTextColour(label, colour);
  // Sized to its text, trailing blanks included, as they widen the clickable area.
  const QFontMetrics metrics(font);
  label->setGeometry(x, y, metrics.horizontalAdvance(text), metrics.height());
  return label;
}

void TForm_Help::BuildLabels() {
  const QFont plain = HelpFont(12);
  const QColor ink = palette().color(QPalette::WindowText);

  Label20 = AddLabel("Label20", QStringLiteral("欢迎您使用"), 176, 16, HelpFont(16), ink);
  Label6 = AddLabel("Label6", QStringLiteral("Velmora 武将登录器1.7.1"), 117, 40, HelpFont(16, true), kRed);
  Label21 = AddLabel("Label21", QStringLiteral("本登录器来自"), 134, 80, plain, ink);
  Label22 = AddLabel("Label22", QStringLiteral("维摩之家"), 210, 77, HelpFont(16, true), kBlue);
  Label23 = AddLabel("Label23", QStringLiteral("论坛"), 278, 79, plain, ink);
  Label27 = AddLabel("Label27", QStringLiteral("同时推出"), 192, 104, HelpFont(13), ink);
  Label28 = AddLabel("Label28", QStringLiteral("Velmora 城市登录器 1.0 测试版"), 110, 121, HelpFont(14), kRed);
  Label2 = AddLabel("Label2", QStringLiteral("使用提示："), 32, 144, plain, ink);
  Label3 = AddLabel("Label3", QStringLiteral("1、登录武将文件为  我的文档\\Orvane\\Velmora TC\\TPrsn\\TPERSON.VMR       "), 56,
                    160, plain, ink);
  Label7 = AddLabel("Label7", QStringLiteral("2、支持Velmora中文版，可以用简体输入法输入姓名、列传    "), 56, 176, plain, ink);
  Label8 = AddLabel("Label8", QStringLiteral("3、可将日文版登录武将信息转换为中文，直接在中文版中继续使用    "), 56, 192, plain,
                    ink);
  Label12 = AddLabel("Label12", QStringLiteral("4、可修改隐藏属性     "), 56, 208, plain, ink);
  Label10 = AddLabel("Label10", QStringLiteral("。。。单击或按任意键进入修改。。。"), 40, 232, HelpFont(20, true), kGrey);
  Label5 = AddLabel("Label5", QStringLiteral("更新版本下载以及建议、Bug 的提出    "), 112, 264, plain, ink);
  Label19 = AddLabel("Label19", QStringLiteral("请到"), 72, 288, plain, ink);
  Label13 = AddLabel("Label13", QStringLiteral("维摩之家(http://velmedit.example/)Velmora版"), 104, 288, HelpFont(12, true),
                     kBlue);
  Label1 = AddLabel("Label1", QStringLiteral("鸣谢："), 120, 314, plain, ink);
  Label16 = AddLabel("Label16", QStringLiteral("整理资料及提供修改方法的 "), 144, 334, plain, ink);
  Label17 = AddLabel("Label17", QStringLiteral("石头、青梅、云中客、老树"), 136, 352, plain, kBlue);
  Label24 = AddLabel("Label24", QStringLiteral("作者："), 130, 376, plain, ink);
  Label25 = AddLabel("Label25", QStringLiteral("墨砚生"), 170, 374, KaiFont(16, true), kPurple);
  Label11 = AddLabel("Label11", QStringLiteral("砚台"), 250, 374, HelpFont(16), kBlue);
  Label9 = AddLabel("Label9", QStringLiteral("2004年11月2日"), 176, 408, plain, ink);
}

void TForm_Help::ConnectHandlers() {
  for (ClickLabel* closer : {Image1, Image2, Image3, Image4, Image5, Image6, Image7, Image8, Label20, Label6, Label21,
                             Label23, Label27, Label28, Label2, Label3, Label7, Label8, Label10, Label5, Label19,
                             Label1, Label16, Label17, Label24, Label25, Label9}) {
    connect(closer, &ClickLabel::clicked, this, &TForm_Help::Image1Click);
  }
  // Label12 has no click handler: a click on it does nothing.
  for (ClickLabel* link : {Label22, Label13}) {
    connect(link, &ClickLabel::clicked, this, &TForm_Help::Label13Click);
    connect(link, &ClickLabel::mouseMoved, this, [this, link] { Label13MouseMove(link); });
  }
  connect(Label11, &ClickLabel::clicked, this, &TForm_Help::Label11Click);
}

void TForm_Help::FormClick() { close(); }

void TForm_Help::Image1Click() { FormClick(); }

void TForm_Help::FormKeyPress(const QString& keyText) {
  if (!keyText.isEmpty()) close();
}

void TForm_Help::FormMouseMove() {
  SetLinkStyle(Label22, false);
  SetLinkStyle(Label13, false);
}

void TForm_Help::Label13MouseMove(ClickLabel* link) { SetLinkStyle(link, true); }

void TForm_Help::Label13Click() { OpenWebAddress(ForumAddress()); }

void TForm_Help::Label11Click() {
  seam::ShowMessage(this, seam::Message{QStringLiteral("提醒"),
                                        QStringLiteral("台湾是中国不可分割的一部分\n钓鱼岛是中国固有领土\n"),
                                        seam::MessageKind::Plain});
  FormClick();
}

void TForm_Help::keyPressEvent(QKeyEvent* event) {
  // Only keys that produce a character close the window (Enter, Esc and
  // Space among them); Shift, the arrows and the function keys do not.
  event->accept();
  // Delete types nothing, although X11 reports it as the character DEL.
  FormKeyPress(event->key() == Qt::Key_Delete ? QString() : event->text());
}

void TForm_Help::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) FormClick();
}

void TForm_Help::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  FormMouseMove();
}
