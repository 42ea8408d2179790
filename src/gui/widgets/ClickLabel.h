#pragma once
// A label (text or picture) that reports clicks and mouse moves, as the
// portrait, the face picker's cells and the help window's labels need.
// It takes the click for itself: the window under it does not see it.
// One that takes the keyboard focus (the portrait) shows a dotted frame
// while it has it and takes Enter or Space as a click.
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickLabel(QWidget* parent = nullptr) : QLabel(parent) { setMouseTracking(true); }

 signals:
  void clicked();
  void mouseMoved();

 protected:
  void mousePressEvent(QMouseEvent* event) override { event->accept(); }
  void mouseReleaseEvent(QMouseEvent* event) override {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    event->accept();
    emit mouseMoved();
  }
  void keyPressEvent(QKeyEvent* event) override {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
      event->accept();
      emit clicked();
      return;
    }
    QLabel::keyPressEvent(event);
  }
  void paintEvent(QPaintEvent* event) override {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
};
