// Start-up: the character table, the welcome window, then the main window.
#include <QApplication>
#include <QStringList>
#include <exception>
#include <memory>

#include "gui/widgets/DialogSeam.h"
#include "gui/widgets/ErrorGuard.h"
#include "gui/widgets/MainWindowLook.h"
#include "gui/mainwindow/TForm_Main.h"
#include "core/convert/Jislib.h"
#include "gui/help/TForm_Help.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(seam::ApplicationTitle());
  QApplication::setFont(MainWindowFont());
  try {
    LoadConversionTable();
    {
      // Owned by the application, before the main window exists; start-up
      // waits until a click or a character key closes it.
      auto welcome = std::make_unique<TForm_Help>();
      seam::RunModal(welcome.get());
      TForm_Main main;
      welcome.reset();  // destroyed once the main window stands
      main.show();
      // The keyboard goes to the main window even without a window manager.
      main.activateWindow();
      const QStringList args = QApplication::arguments();
      if (args.size() > 1) {
        // as when a file manager starts the program on a file
        RunGuarded(&main, [&] { main.OpenOfficerFile(args.at(1)); });
      }
      return app.exec();
    }
  } catch (const std::exception& e) {
    ShowErrorBox(nullptr, QString::fromUtf8(e.what()));
  } catch (...) {
    ShowErrorBox(nullptr, QString());
  }
  return 1;
}
