// Start-up: the character table, the welcome window, then the main window.
#include <QApplication>
#include <QStringList>
#include <exception>

#include "app/DialogSeam.h"
#include "app/ErrorGuard.h"
#include "app/MainWindowLook.h"
#include "app/TForm_Main.h"
#include "convert/Jislib.h"
#include "help/TForm_Help.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(seam::ApplicationTitle());
  QApplication::setFont(MainWindowFont());
  try {
    LoadConversionTable();
    {
      TForm_Help welcome;  // owned by the application, before the main window exists
      seam::RunModal(&welcome);
      // the welcome window is destroyed once the main window stands
      TForm_Main main;
      welcome.hide();
      main.show();
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
