#include "gui/widgets/NoteBalloon.h"

#include <QApplication>
#include <QEvent>
#include <algorithm>

namespace {

const char* const kObjectName = "NoteBalloon";
constexpr int kMaximumWidth = 330;

// Below the control when it fits in the window, else to its right, else
// above it; always inside the window.
QPoint PlaceBeside(const QWidget* anchor, const QWidget* window, QSize size) {
  const QRect control(anchor->mapTo(window, QPoint(0, 0)), anchor->size());
  QPoint at(control.left(), control.bottom() + 3);
  if (at.y() + size.height() > window->height()) at = QPoint(control.right() + 4, control.top());
  if (at.x() + size.width() > window->width()) at = QPoint(control.left(), control.top() - size.height() - 3);
  at.setX(std::clamp(at.x(), 0, std::max(0, window->width() - size.width())));
  at.setY(std::clamp(at.y(), 0, std::max(0, window->height() - size.height())));
  return at;
}

}  // namespace

NoteBalloon::NoteBalloon(QWidget* window) : QLabel(window) {
  setObjectName(QString::fromLatin1(kObjectName));
  setMargin(6);
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xE1));
  colours.setColor(QPalette::WindowText, Qt::black);
  setPalette(colours);
  setAttribute(Qt::WA_DeleteOnClose);
  qApp->installEventFilter(this);
}

NoteBalloon* NoteBalloon::ShowBeside(QWidget* anchor, const QString& text) {
  QWidget* window = anchor->window();
  if (auto* shown = window->findChild<NoteBalloon*>(QString::fromLatin1(kObjectName), Qt::FindDirectChildrenOnly)) {
    shown->close();
    shown->setObjectName(QString());
  }
  auto* balloon = new NoteBalloon(window);
  balloon->setText(text);
  balloon->setWordWrap(false);
  balloon->adjustSize();
  if (balloon->width() > kMaximumWidth) {
    balloon->setWordWrap(true);
    balloon->setFixedWidth(kMaximumWidth);
    balloon->adjustSize();
  }
  balloon->move(PlaceBeside(anchor, window, balloon->size()));
  balloon->raise();
  balloon->show();
  return balloon;
}

bool NoteBalloon::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::Wheel:
      close();
      break;
    default:
      break;
  }
  return false;
}
