// The yardstick of the start-up benchmark: a bare Qt window of the welcome
// window's size (433 × 433) that shows one line of Chinese.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QLabel window(QStringLiteral("欢迎使用 Velmora 武将登录器"));
  window.setFixedSize(433, 433);
  window.show();
  return QApplication::exec();
}
