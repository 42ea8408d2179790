#pragma once
#include <QAction>
#include <QKeyEvent>
#include <QMainWindow>

// Edit boxes claim Ctrl+X (cut) and other keys for themselves; the menu's
// shortcuts are window-wide, so inside this window the menu wins.
class MenuShortcutsFirst : public QObject {
 public:
  MenuShortcutsFirst(QMainWindow* window, QList<QAction*> actions) : QObject(window), window_(window), actions_(std::move(actions)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (QAction* action : actions_) {
      if (action->isEnabled() && action->shortcuts().contains(pressed)) {
        event->ignore();  // not the edit box's: let the shortcut fire
        return true;
      }
    }
    return false;
  }

 private:
  QMainWindow* window_;
  QList<QAction*> actions_;
};
