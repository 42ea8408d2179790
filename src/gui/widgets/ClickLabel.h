#pragma once
// A label (text or picture) that reports clicks and mouse moves, as the
// portrait, the face picker's cells and the help window's labels need.
// It takes the click for itself: the window under it does not see it.
#include <QLabel>
#include <QMouseEvent>

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
};
