#pragma once
// The guard at the event boundary: a handler that fails throws; the guard
// shows the error box and the program goes on.
#include <QObject>
#include <QString>
#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

class QWidget;

// The text the error box shows: a full stop is added unless the message is
// empty or already ends in a character no greater than the full stop.
QString ErrorBoxText(const QString& message);

void ShowErrorBox(QWidget* parent, const QString& message);

// The widget an error box opens over: the context itself or the nearest
// widget among its parents (a panel object's is the main window).
QWidget* ErrorBoxParent(QObject* context);

template <typename Handler>
void RunGuarded(QObject* context, Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
  } catch (const std::exception& e) {
    ShowErrorBox(ErrorBoxParent(context), QString::fromUtf8(e.what()));
  } catch (...) {
    ShowErrorBox(ErrorBoxParent(context), QString());
  }
}

// Connects a signal to a handler through the guard. The handler is a
// callable or a member function of the context; it takes the signal's
// arguments or none. The error box opens over the context (see ErrorBoxParent).
template <typename Handler, typename Context, typename... Args>
concept GuardedHandler = std::is_invocable_v<const Handler&, Context*, Args...> || std::is_invocable_v<const Handler&, Args...>;

template <typename Sender, typename Signal, typename Context, typename Handler>
QMetaObject::Connection ConnectGuarded(Sender* sender, Signal signal, Context* context, Handler handler) {
  // Qt passes as many of the signal's arguments as the handler takes.
  return QObject::connect(sender, signal, context, [context, handler]<typename... Args>(const Args&... args)
    requires GuardedHandler<Handler, Context, const Args&...>
  {
    if constexpr (std::is_invocable_v<const Handler&, Context*, const Args&...>) {
      RunGuarded(context, [&] { std::invoke(handler, context, args...); });
    } else {
      RunGuarded(context, [&] { std::invoke(handler, args...); });
    }
  });
}
