// GUI tests run on the offscreen platform with one application object.
#include <QApplication>
#include <gtest/gtest.h>

#include "core/convert/Jislib.h"
#include "gui/widgets/DialogSeam.h"

namespace {

// No question box may wait for a person: unless a test answers itself, every
// question is answered by going on without saving ("不保存") or with the
// first choice.
class AnswerQuestions : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    seam::SetQuestionHook([](const QString&, const QStringList& buttons) {
      const qsizetype dontSave = buttons.indexOf(QStringLiteral("不保存"));
      return static_cast<int>(dontSave >= 0 ? dontSave : 0);
    });
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  LoadConversionTable();
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new AnswerQuestions);
  return RUN_ALL_TESTS();
}
