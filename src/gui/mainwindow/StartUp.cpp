#include "gui/mainwindow/StartUp.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLocale>
#include <QTextStream>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <vector>

#include "cli/ProgramConsole.h"
#include "cli/ProgramLanguage.h"
#include "cli/Subcommands.h"

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_ANDROID)
constexpr bool kNeedsNamedDisplay = true;
#else
constexpr bool kNeedsNamedDisplay = false;
#endif

// Qt's messages while the window system starts are held back: when it
// fails they would bury our one line under several of Qt's, and when it
// starts they are passed on as they came.
struct HeldMessage {
  QtMsgType type;
  QByteArray file;
  int line;
  QByteArray function;
  QByteArray category;
  QString text;
};

std::mutex g_heldMutex;
std::vector<HeldMessage> g_held;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    // Qt would abort right after this; nothing has been opened that needs closing.
    std::cerr << NoDisplayMessage().toStdString() << std::endl;
    std::_Exit(1);
  }
  const std::lock_guard<std::mutex> lock(g_heldMutex);
  g_held.push_back({type, context.file, context.line, context.function, context.category, text});
}

void PassOnHeldMessages(QtMessageHandler handler) {
  std::vector<HeldMessage> held;
  {
    const std::lock_guard<std::mutex> lock(g_heldMutex);
    held.swap(g_held);
  }
  if (handler == nullptr) return;
  for (const HeldMessage& m : held) {
    const QMessageLogContext context(m.file.isNull() ? nullptr : m.file.constData(), m.line,
                                     m.function.isNull() ? nullptr : m.function.constData(),
                                     m.category.isNull() ? nullptr : m.category.constData());
    handler(m.type, context, m.text);
  }
}

// "DISPLAY=:0", or what else names the display; empty when nothing does.
QString NamedDisplay() {
  for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"}) {
    if (!qEnvironmentVariableIsEmpty(name)) {
      return QString::fromLatin1(name) + u'=' + qEnvironmentVariable(name);
    }
  }
  return QString();
}

}  // namespace

void NameProgram() {
  QCoreApplication::setApplicationName(QStringLiteral("velmedit"));
  QCoreApplication::setApplicationVersion(VersionText().section(u' ', 1));
  QGuiApplication::setDesktopFileName(QStringLiteral("velmedit"));
}

StartRequest ReadProgramCommandLine(int& argc, char** argv) {
  QStringList arguments = ProgramArguments(argc, argv);
  const LanguageOption option = TakeLanguageOption(arguments);
  StartRequest request;
  request.language = StartLanguage(option.language);
  // Nothing to read: the usual start saves the window-less application.
  if (arguments.isEmpty() && option.mistake.isEmpty()) return request;
  QCoreApplication app(argc, argv);
  UseUiLanguage(request.language, QtTexts::AsWritten);
  if (!arguments.isEmpty() && IsSubcommand(arguments.front())) {
    request.kind = StartRequest::Kind::Finish;
    request.exitCode = RunCommand(arguments, std::cout, std::cerr);
    std::cout.flush();
    return request;
  }
  // Written through the standard C++ streams, which know the Windows console.
  QString outText, errText;
  QTextStream out(&outText);
  QTextStream err(&errText);
  if (!option.mistake.isEmpty()) {
    request = FinishWithUsage(option.mistake, err);
  } else {
    const UiLanguage language = request.language;
    request = ReadCommandLine(QStringList{QCoreApplication::arguments().value(0)} + arguments, out, err);
    request.language = language;
  }
  std::cout << outText.toStdString() << std::flush;
  std::cerr << errText.toStdString() << std::flush;
  return request;
}

bool DisplayNamed() { return !kNeedsNamedDisplay || !NamedDisplay().isEmpty(); }

QString NoDisplayMessage() {
  const QString display = NamedDisplay();
  if (display.isEmpty()) {
    return QCoreApplication::translate(
        "StartUp", "velmedit: 没有图形显示（DISPLAY 和 WAYLAND_DISPLAY 都没有设置），无法打开编辑器窗口。");
  }
  return QCoreApplication::translate("StartUp", "velmedit: 无法连接图形显示（%1），无法打开编辑器窗口。").arg(display);
}

std::unique_ptr<QApplication> StartWindowSystem(int& argc, char** argv) {
  const QtMessageHandler previous = qInstallMessageHandler(HoldMessage);
  auto app = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  PassOnHeldMessages(previous);
  return app;
}
