#pragma once
// The help window as a person reaches it in tests: clicks and moves at a
// point, key presses, its labels by name, and how a link looks.
#include <QApplication>
#include <QColor>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "gui/widgets/ClickLabel.h"
#include "support/MainWindowControls.h"

inline const QColor kBlue(0, 0, 255);
inline const QColor kGreen(0, 255, 0);

// Sends a press and a release of the left button at a point of the window,
// to the widget that lies there, as a person's click would arrive.
inline void ClickAt(QWidget* window, QPoint at) {
  QWidget* target = window->childAt(at);
  if (!target) target = window;
  const QPointF local = target->mapFrom(window, at);
  const QPointF global = window->mapToGlobal(QPointF(at));
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(target, &release);
}

inline void ClickOn(QWidget* window, QWidget* child) { ClickAt(window, child->geometry().center()); }

inline void MoveTo(QWidget* window, QPoint at) {
  QWidget* target = window->childAt(at);
  if (!target) target = window;
  QMouseEvent move(QEvent::MouseMove, target->mapFrom(window, QPointF(at)), window->mapToGlobal(QPointF(at)),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(target, &move);
}

inline void PressKey(QWidget* window, int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(window, &press);
}

// A label or picture of the window by its object name; a missing one ends the test.
inline ClickLabel* Named(QWidget& window, const char* name) {
  auto* label = Find<ClickLabel>(window, name);
  if (label == nullptr) throw std::runtime_error(std::string("no control named ") + name);
  return label;
}

// A point of the bare surface: no picture and no label lies there.
inline const QPoint kBareSurface(20, 250);

struct LinkStyle {
  bool bold;
  bool underlined;
  QColor colour;
};

inline LinkStyle StyleOf(const QLabel* label) {
  return {label->font().bold(), label->font().underline(), label->palette().color(QPalette::WindowText)};
}

inline void ExpectRestingLink(const QLabel* label) {
  const LinkStyle style = StyleOf(label);
  EXPECT_TRUE(style.bold) << label->objectName().toStdString();
  EXPECT_FALSE(style.underlined) << label->objectName().toStdString();
  EXPECT_EQ(style.colour, kBlue) << label->objectName().toStdString();
}

inline void ExpectHoveredLink(const QLabel* label) {
  const LinkStyle style = StyleOf(label);
  EXPECT_TRUE(style.bold) << label->objectName().toStdString();
  EXPECT_TRUE(style.underlined) << label->objectName().toStdString();
  EXPECT_EQ(style.colour, kGreen) << label->objectName().toStdString();
}
