#pragma once
// Drives the real main window in GUI tests: every message box is recorded
// instead of shown, the open dialog answers from a queue, and modal dialogs
// (the installation-directory window, the face picker, help) are answered
// by a function the test sets.
#include <QApplication>
#include <QDialog>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "gui/widgets/DialogSeam.h"
#include "gui/mainwindow/TForm_Main.h"
#include "core/faces/SettingsFile.h"
#include "support/TempDir.h"

class MainWindowHarness {
 public:
  MainWindowHarness() {
    // No registry of a real Wine prefix may leak into a test.
    qputenv("WINEPREFIX", QByteArray::fromStdString((prefix_.Path() / "wine").string()));
    // velmedit.ini lives in a program folder of the test's own and names an
    // empty game folder, so the start-up asks nothing and finds no face
    // archives. Tests change or remove it before Window().
    std::filesystem::create_directories(ProgramFolder());
    std::filesystem::create_directories(GameFolder());
    SetProgramFolder(QString::fromStdString(ProgramFolder().string()));
    const std::string game = GameFolder().string();
    WriteBytes(SettingsFile(), std::vector<unsigned char>(game.begin(), game.end()));
    seam::SetMessageHook([this](const seam::Message& m) { messages.push_back(m); });
    seam::SetOpenFileHook([this](const QString&) {
      ++openDialogs;
      if (openAnswers.empty()) return QString();
      QString answer = openAnswers.front();
      openAnswers.pop_front();
      return answer;
    });
    seam::SetQuestionHook([this](const QString& text, const QStringList& buttons) {
      questions.push_back(text);
      if (questionAnswer) return questionAnswer(buttons);
      const qsizetype dontSave = buttons.indexOf(QStringLiteral("不保存"));
      return static_cast<int>(dontSave >= 0 ? dontSave : 0);
    });
    seam::SetModalHook([this](QDialog* dialog) {
      ++modalDialogs;
      return modalAnswer ? modalAnswer(dialog) : static_cast<int>(QDialog::Rejected);
    });
  }
  ~MainWindowHarness() {
    seam::ClearHooks();
    SetProgramFolder(QString());
  }

  TForm_Main& Window() {
    if (!window_) window_ = std::make_unique<TForm_Main>();
    return *window_;
  }

  // Answers the questions from now on with the button of that caption.
  void AnswerWith(const char* button) {
    questionAnswer = [button](const QStringList& buttons) { return static_cast<int>(buttons.indexOf(QString::fromUtf8(button))); };
  }

  std::filesystem::path WinePrefix() const { return prefix_.Path() / "wine"; }
  std::filesystem::path ProgramFolder() const { return prefix_.Path() / "program"; }
  std::filesystem::path SettingsFile() const { return ProgramFolder() / "velmedit.ini"; }
  std::filesystem::path GameFolder() const { return prefix_.Path() / "game"; }

  std::vector<seam::Message> messages;
  std::deque<QString> openAnswers;  // answers of the open dialog; empty = cancel
  int openDialogs = 0;
  int modalDialogs = 0;
  std::function<int(QDialog*)> modalAnswer;
  std::vector<QString> questions;  // every question asked
  // Answers a question by its buttons; unset: "不保存", else the first one.
  std::function<int(const QStringList&)> questionAnswer;

 private:
  TempDir prefix_;
  std::unique_ptr<TForm_Main> window_;
};
