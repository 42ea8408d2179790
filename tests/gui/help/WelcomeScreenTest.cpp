// The help window as the welcome screen before the main window, and as the
// help menu's window: each showing its own modal loop and its own window.
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "gui/help/HelpWindowInput.h"
#include "gui/help/TForm_Help.h"
#include "gui/widgets/DialogSeam.h"
#include "support/MainWindowHarness.h"

namespace {

// Shows the welcome window modally and runs `user` once its loop is going.
// True when the window was still open after five seconds and had to be
// closed from outside.
bool RunWelcome(TForm_Help* welcome, const std::function<void()>& user) {
  QTimer::singleShot(0, welcome, user);
  bool timedOut = false;
  QTimer deadline;
  deadline.setSingleShot(true);
  QObject::connect(&deadline, &QTimer::timeout, welcome, [&] {
    timedOut = true;
    welcome->close();
  });
  deadline.start(5000);
  seam::RunModal(welcome);
  return timedOut;
}

// The welcome screen runs its own modal loop: start-up goes on only after a
// character key or a click, not after Shift, an arrow or usage note four.
TEST(WelcomeScreen, ModalShowingWaitsForACharacterKeyOrAClick) {
  seam::ClearHooks();
  for (const bool byKey : {true, false}) {
    SCOPED_TRACE(byKey ? "key" : "click");
    auto welcome = std::make_unique<TForm_Help>();
    EXPECT_EQ(welcome->parent(), nullptr);
    bool openBeforeTheEnd = false;
    const bool timedOut = RunWelcome(welcome.get(), [&] {
      PressKey(welcome.get(), Qt::Key_Shift, QString(), Qt::ShiftModifier);
      PressKey(welcome.get(), Qt::Key_Right, QString());
      ClickOn(welcome.get(), Named(*welcome, "Label12"));
      openBeforeTheEnd = welcome->isVisible();
      if (byKey) {
        PressKey(welcome.get(), Qt::Key_Q, QStringLiteral("q"));
      } else {
        ClickOn(welcome.get(), Named(*welcome, "Label10"));
      }
    });
    EXPECT_TRUE(openBeforeTheEnd);
    EXPECT_FALSE(timedOut);
  }
}

TEST(HelpMenu, EachShowingIsAFreshWindowWithRestingLinks) {
  MainWindowHarness harness;
  TForm_Main& main = harness.Window();
  std::vector<QPointer<TForm_Help>> shown;
  harness.modalAnswer = [&](QDialog* dialog) {
    auto* help = qobject_cast<TForm_Help*>(dialog);
    EXPECT_NE(help, nullptr);
    if (!help) return static_cast<int>(QDialog::Rejected);
    EXPECT_EQ(help->parentWidget(), &main);
    ExpectRestingLink(Named(*help, "Label22"));  // not left hovered by the showing before
    help->show();
    MoveTo(help, Named(*help, "Label22")->geometry().center());  // leave a link hovered
    ExpectHoveredLink(Named(*help, "Label22"));
    shown.emplace_back(help);
    ClickAt(help, kBareSurface);
    return static_cast<int>(QDialog::Rejected);
  };
  Action(main, "Menu_Help")->trigger();
  Action(main, "Menu_Help")->trigger();
  EXPECT_EQ(harness.modalDialogs, 2);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_TRUE(shown[0].isNull()) << "the first help window outlived its showing";
  EXPECT_TRUE(shown[1].isNull()) << "the second help window outlived its showing";
  EXPECT_TRUE(harness.messages.empty());
}

}  // namespace
