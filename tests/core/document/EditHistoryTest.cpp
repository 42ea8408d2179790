// The history's saved state and its hundred steps, told by tables that
// differ in one value each.
#include <gtest/gtest.h>

#include <string>

#include "core/document/EditHistory.h"

namespace {

// The table after `n` steps: slot 0's war is n.
OfficerTable After(int n) {
  OfficerTable t{};
  t[0].Wuli = static_cast<std::uint16_t>(n);
  return t;
}

void Take(EditHistory& h, int n) { h.Record("step " + std::to_string(n), After(n - 1), After(n)); }

}  // namespace

TEST(EditHistory, UndoAndRedoComeBackToTheSavedState) {
  EditHistory h;
  EXPECT_TRUE(h.AtSavedState());
  EXPECT_FALSE(h.CanUndo());
  Take(h, 1);
  Take(h, 2);
  h.MarkSaved();
  EXPECT_EQ(h.Undo()[0].Wuli, 1);
  EXPECT_FALSE(h.AtSavedState());
  EXPECT_EQ(h.RedoName(), "step 2");
  EXPECT_EQ(h.Redo()[0].Wuli, 2);
  EXPECT_TRUE(h.AtSavedState());
  EXPECT_FALSE(h.CanRedo());

  // A step taken right at the saved state keeps it reachable.
  Take(h, 3);
  EXPECT_FALSE(h.AtSavedState());
  EXPECT_EQ(h.Undo()[0].Wuli, 2);
  EXPECT_TRUE(h.AtSavedState());
}

TEST(EditHistory, ANewStepAfterUndoDropsTheRedoStepsAndAnUnreachableSavedState) {
  EditHistory h;
  Take(h, 1);
  Take(h, 2);
  h.MarkSaved();
  h.Undo();
  h.Undo();
  h.Record("other", After(0), After(7));
  EXPECT_FALSE(h.CanRedo());
  EXPECT_EQ(h.Position(), 1u);
  EXPECT_FALSE(h.AtSavedState());
  h.Undo();
  EXPECT_FALSE(h.AtSavedState());  // the opened table is not the saved one
}

TEST(EditHistory, AHundredStepsAreKeptAndTheSavedStateMovesWithThem) {
  EditHistory h;
  Take(h, 1);
  h.MarkSaved();
  for (int n = 2; n <= 100; ++n) Take(h, n);
  Take(h, 101);  // step 1 falls out; the saved table is now the oldest one kept
  EXPECT_EQ(h.Position(), 101u);
  for (int n = 101; n >= 2; --n) {
    ASSERT_TRUE(h.CanUndo()) << n;
    EXPECT_EQ(h.Undo()[0].Wuli, n - 1);
  }
  EXPECT_FALSE(h.CanUndo());
  EXPECT_TRUE(h.AtSavedState());

  for (int n = 2; n <= 101; ++n) h.Redo();
  Take(h, 102);  // and now it is gone
  for (int n = 102; n >= 3; --n) h.Undo();
  EXPECT_FALSE(h.CanUndo());
  EXPECT_FALSE(h.AtSavedState());
}
