#pragma once
// The guard at the event boundary: a handler that fails throws; the guard
// shows the error box and the program goes on.
#include <QString>
#include <exception>
#include <utility>

class QWidget;

// The text the error box shows: a full stop is added unless the message is
// empty or already ends in a character no greater than the full stop.
QString ErrorBoxText(const QString& message);

void ShowErrorBox(QWidget* parent, const QString& message);

template <typename Handler>
void RunGuarded(QWidget* parent, Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
  } catch (const std::exception& e) {
    ShowErrorBox(parent, QString::fromUtf8(e.what()));
  } catch (...) {
    ShowErrorBox(parent, QString());
  }
}
