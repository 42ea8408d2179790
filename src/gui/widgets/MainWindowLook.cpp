#include "gui/widgets/MainWindowLook.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

QFont MainWindowFont(int pixelSize) {
  QFont font;
  font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("NSimSun"),
                    QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                    QStringLiteral("Noto Serif CJK SC"), QStringLiteral("WenQuanYi Zen Hei")});
  font.setPixelSize(pixelSize);
  return font;
}

void FixClientSize(QMainWindow* window, int width, int height) {
  if (QWidget* client = window->centralWidget()) client->setFixedSize(width, height);
  const int menuHeight = window->menuBar() ? window->menuBar()->sizeHint().height() : 0;
  window->setFixedSize(width, height + menuHeight);
  CentreOnScreen(window);
}

void CentreOnScreen(QWidget* window) {
  // A dialog comes up on the screen of the window that opened it.
  const QWidget* owner = window->parentWidget() ? window->parentWidget() : window;
  QScreen* screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect area = screen->availableGeometry();
  QRect frame = window->frameGeometry();
  frame.moveCenter(area.center());
  window->move(frame.topLeft());
}

QString OfficerFileFilter() {
  return QCoreApplication::translate("MainWindowLook", "Velmora自登陆武将文件 ([Tt][Pp][Ee][Rr][Ss][Oo][Nn].[Vv][Mm][Rr])");
}
