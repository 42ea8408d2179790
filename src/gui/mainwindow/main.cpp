// Start-up: the command line, the window system, the character table, the
// welcome window, then the main window.
#include <QApplication>
#include <iostream>
#include <memory>

#include "gui/widgets/DialogSeam.h"
#include "gui/widgets/ErrorGuard.h"
#include "gui/widgets/MainWindowLook.h"
#include "gui/mainwindow/StartUp.h"
#include "gui/mainwindow/TForm_Main.h"
#include "core/convert/Jislib.h"
#include "core/convert/PhraseConversion.h"
#include "gui/help/TForm_Help.h"
#include "cli/ProgramConsole.h"
#include "cli/ProgramLanguage.h"

int main(int argc, char* argv[]) {
  RouteStandardStreams();
  NameProgram();  // before the language setting is looked for in the user's folder
  // export, import, check, diff and faces are answered here, without a window
  const StartRequest request = ReadProgramCommandLine(argc, argv);
  if (request.kind == StartRequest::Kind::Finish) return request.exitCode;
  if (!DisplayNamed()) {
    std::cerr << NoDisplayMessage().toStdString() << std::endl;
    return 1;
  }
  const std::unique_ptr<QApplication> app = StartWindowSystem(argc, argv);
  UseUiLanguage(request.language);
  QApplication::setFont(MainWindowFont());
  int exitCode = 1;
  RunGuarded(nullptr, [&] {
    // A missing or damaged character table ends start-up here with the
    // error box: without it no text could be shown or stored right.
    LoadConversionTable();
    // Without OpenCC's data typed text goes through the table alone; the
    // player is told once, when a text is first decided.
    SetPhraseConversionListener([](const std::string& message) {
      QMetaObject::invokeMethod(
          qApp, [text = QString::fromStdString(message)] { seam::ShowMessage(QApplication::activeWindow(), text); },
          Qt::QueuedConnection);
    });
    // Owned by the application, before the main window exists; start-up
    // waits until a click or a character key closes it.
    auto welcome = std::make_unique<TForm_Help>();
    seam::RunModal(welcome.get());
    TForm_Main main;
    welcome.reset();  // destroyed once the main window stands
    main.show();
    // The keyboard goes to the main window even without a window manager.
    main.activateWindow();
    if (!request.file.isEmpty()) {
      // as when a file manager starts the program on a file
      RunGuarded(&main, [&] { main.OpenOfficerFile(request.file); });
    }
    exitCode = QApplication::exec();
  });
  return exitCode;
}
