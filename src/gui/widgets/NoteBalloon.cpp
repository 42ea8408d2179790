#include "gui/widgets/NoteBalloon.h"

#include <QApplication>
#include <QEvent>

namespace {
const char* const kObjectName = "NoteBalloon";
}

NoteBalloon::NoteBalloon(QWidget* window) : QLabel(window) {
  setObjectName(QString::fromLatin1(kObjectName));
  setWordWrap(true);
  setMaximumWidth(360);
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
  balloon->adjustSize();
  // Below the control, kept inside the window.
  QPoint at = anchor->mapTo(window, QPoint(0, anchor->height() + 2));
  at.setX(std::max(0, std::min(at.x(), window->width() - balloon->width())));
  if (at.y() + balloon->height() > window->height()) at.setY(anchor->mapTo(window, QPoint(0, 0)).y() - balloon->height() - 2);
  at.setY(std::max(0, at.y()));
  balloon->move(at);
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
