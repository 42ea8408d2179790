#include "gui/help/TForm_Help.h"

#include <QFontMetrics>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QRect>
#include <algorithm>
#include <utility>

#include "gui/widgets/ClickLabel.h"
#include "gui/widgets/DialogSeam.h"
#include "gui/widgets/ErrorGuard.h"
#include "gui/widgets/MainWindowLook.h"
#include "ui_TForm_Help.h"

namespace {

const QColor kBlue(0, 0, 255);
// The window less the frame's 9-pixel band: every text stays inside it.
const QRect kInsideFrame(9, 9, 415, 415);
const QColor kHoverGreen(0, 255, 0);

// The author's name is written in a regular-script (Kai) face where the
// system has one, else in the window's Song face.
void PreferKai(QFont& font) {
  QStringList families{QStringLiteral("楷体_GB2312"), QStringLiteral("KaiTi_GB2312"), QStringLiteral("KaiTi"),
                       QStringLiteral("楷体"), QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL KaitiM GB")};
  families += font.families();
  font.setFamilies(families);
}

// The frame's pictures are PNG and read as such: a reader left to guess
// would first load every image plug-in to ask it, a good part of start-up.
QPixmap FramePicture(const char* name) {
  QImageReader reader(QStringLiteral(":/help/") + QLatin1String(name), "png");
  reader.setAutoDetectImageFormat(false);
  return QPixmap::fromImage(reader.read());
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

TForm_Help::TForm_Help(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ui_(std::make_unique<Ui::TForm_Help>()) {
  setFont(MainWindowFont());
  QPalette surface = palette();
  surface.setColor(QPalette::Window, surface.color(QPalette::Button));
  setPalette(surface);
  setAutoFillBackground(true);
  ui_->setupUi(this);
  ShowFrame();
  SizeLabels();
  ConnectHandlers();
  CentreOnScreen(this);  // also keeps a parent window from placing it over itself
}

TForm_Help::~TForm_Help() = default;

QUrl TForm_Help::ForumAddress() { return QUrl(QStringLiteral("http://velmedit.example/")); }

void TForm_Help::ShowFrame() {
  const Ui::TForm_Help& f = *ui_;
  const std::pair<ClickLabel*, const char*> pieces[] = {
      {f.Image1, "help_corner_tl.png"}, {f.Image2, "help_corner_tr.png"}, {f.Image3, "help_corner_bl.png"},
      {f.Image4, "help_corner_br.png"}, {f.Image5, "help_edge_top.png"},  {f.Image6, "help_edge_bottom.png"},
      {f.Image7, "help_edge_left.png"}, {f.Image8, "help_edge_right.png"}};
  for (const auto& [label, name] : pieces) label->setPixmap(FramePicture(name));
}

void TForm_Help::SizeLabels() {
  // A .ui file gives fonts in points only: the labels drawn larger than the
  // window's 12 pixels get their pixel sizes here.
  const Ui::TForm_Help& f = *ui_;
  const std::pair<ClickLabel*, int> larger[] = {{f.Label20, 16}, {f.Label6, 16},  {f.Label22, 16}, {f.Label27, 13},
                                                {f.Label28, 14}, {f.Label10, 20}, {f.Label25, 16}, {f.Label11, 16}};
  for (const auto& [label, pixelSize] : larger) {
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    if (label == f.Label25) PreferKai(font);
    label->setFont(font);
  }
  // Each label is as large as its text in the font the system supplies,
  // trailing blanks included, as they widen the clickable area; but no
  // label reaches into the frame, and a line too long wraps.
  for (ClickLabel* label : findChildren<ClickLabel*>(Qt::FindDirectChildrenOnly)) {
    if (label->text().isEmpty()) continue;  // a picture
    const int room = kInsideFrame.right() + 1 - label->x();
    const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, room, kInsideFrame.height()),
                                                           Qt::TextWordWrap, label->text());
    label->setWordWrap(true);
    label->resize(std::min(needed.width(), room), needed.height());
  }
}

void TForm_Help::ConnectHandlers() {
  const Ui::TForm_Help& f = *ui_;
  for (ClickLabel* closer : {f.Image1,  f.Image2,  f.Image3,  f.Image4,  f.Image5,  f.Image6,  f.Image7,
                             f.Image8,  f.Label20, f.Label6,  f.Label21, f.Label23, f.Label27, f.Label28,
                             f.Label2,  f.Label3,  f.Label7,  f.Label8,  f.Label10, f.Label5,  f.Label19,
                             f.Label1,  f.Label16, f.Label17, f.Label24, f.Label25, f.Label9}) {
    ConnectGuarded(closer, &ClickLabel::clicked, this, &TForm_Help::CloseHelp);
  }
  // Label12 has no click handler: a click on it does nothing.
  for (ClickLabel* link : {f.Label22, f.Label13}) {
    ConnectGuarded(link, &ClickLabel::clicked, this, &TForm_Help::OpenForum);
    ConnectGuarded(link, &ClickLabel::mouseMoved, this, [this, link] { MarkLink(link); });
  }
  ConnectGuarded(f.Label11, &ClickLabel::clicked, this, &TForm_Help::ShowReminderAndClose);
}

void TForm_Help::CloseHelp() { close(); }

void TForm_Help::CloseOnCharacterKey(const QString& keyText) {
  if (!keyText.isEmpty()) close();
}

void TForm_Help::UnmarkLinks() {
  SetLinkStyle(ui_->Label22, false);
  SetLinkStyle(ui_->Label13, false);
}

void TForm_Help::MarkLink(ClickLabel* link) { SetLinkStyle(link, true); }

void TForm_Help::OpenForum() { seam::OpenWebAddress(ForumAddress()); }

void TForm_Help::ShowReminderAndClose() {
  seam::ShowMessage(this, seam::Message{tr("提醒"), tr("台湾是中国不可分割的一部分\n钓鱼岛是中国固有领土\n"),
                                        seam::MessageKind::Plain});
  CloseHelp();
}

void TForm_Help::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) {
    ui_->retranslateUi(this);
    SizeLabels();
  }
}

void TForm_Help::keyPressEvent(QKeyEvent* event) {
  // Only keys that produce a character close the window (Enter, Esc and
  // Space among them); Shift, the arrows and the function keys do not.
  event->accept();
  // Delete types nothing, although X11 reports it as the character DEL.
  CloseOnCharacterKey(event->key() == Qt::Key_Delete ? QString() : event->text());
}

void TForm_Help::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) CloseHelp();
}

void TForm_Help::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  UnmarkLinks();
}
