// The undo history over whole records: what a step gives back, what it keeps,
// and the steps it forgets.
#include "edit_history.h"

#include <gtest/gtest.h>

#include <cmath>

#include "record_fields.h"
#include "start_up.h"

namespace fe {
namespace {

// Undo and redo give back each step exactly and stop at either end; an edit
// after an undo drops what could be redone; start forgets every step.
TEST(EditHistory, UndoAndRedoGiveBackEachStepExactly) {
  InputRecord r = StartUp();
  EditHistory h;
  h.start(r);
  const InputRecord s0 = r;
  r.H = 120.0f;
  EXPECT_TRUE(h.commit(r, "Design height"));
  const InputRecord s1 = r;
  r.NLC = 2, r.FD = {1.4f, 0.9f}, r.FL = {1.7f, 0.0f};
  EXPECT_TRUE(h.commit(r, "Number of load combinations"));
  const InputRecord s2 = r;
  EXPECT_EQ(h.undoName(), "Number of load combinations");
  ASSERT_TRUE(h.undo(r));
  EXPECT_EQ(r, s1) << Describe(r);
  EXPECT_EQ(h.redoName(), "Number of load combinations");
  ASSERT_TRUE(h.undo(r));
  EXPECT_EQ(r, s0) << Describe(r);
  EXPECT_FALSE(h.undo(r));  // the start is as far as it goes
  EXPECT_EQ(r, s0);
  ASSERT_TRUE(h.redo(r) && h.redo(r));
  EXPECT_EQ(r, s2) << Describe(r);
  EXPECT_FALSE(h.redo(r));
  EXPECT_EQ(h.redoName(), "");

  ASSERT_TRUE(h.undo(r));
  r.HT = 24.0f;
  h.commit(r, "Height of soil over toe");
  EXPECT_FALSE(h.canRedo());
  h.undo(r);
  EXPECT_EQ(r, s1);
  h.start(r);  // a file was loaded
  EXPECT_FALSE(h.canUndo() || h.undo(r));
  EXPECT_EQ(r, s1);
}

// A file name or an editor's record is not an edit of the input; the
// smallest change of a value is. Undo writes the input only: the file
// chosen since, and the record an editor shows, stay.
TEST(EditHistory, OnlyTheInputIsAStepAndOnlyTheInputIsUndone) {
  InputRecord r = StartUp();
  EditHistory h;
  h.start(r);
  EXPECT_FALSE(h.commit(r, "Design height"));
  r.INPATH = "/tmp/wall.in", r.OUTPATH.set("/tmp/wall.out"), r.INFILE.set("wall.in");
  r.OUTFILE.set("wall.out"), r.VERSION.set("1.42"), r.CurrentRecord = 2, r.InputValid = true;
  EXPECT_FALSE(h.commit(r, "Save"));
  EXPECT_FALSE(h.canUndo());
  const InputRecord named = r;
  r.FC = std::nextafter(r.FC, 0.0f);
  EXPECT_TRUE(h.pending(r));
  EXPECT_TRUE(h.commit(r, "Concrete compressive strength"));
  r.INPATH = "/tmp/other.in", r.CurrentRecord = 3;
  ASSERT_TRUE(h.undo(r));
  EXPECT_EQ(r.INPATH, "/tmp/other.in");
  EXPECT_EQ(r.CurrentRecord, 3);
  r.INPATH = named.INPATH, r.CurrentRecord = 2;
  EXPECT_EQ(r, named) << Describe(r);
}

TEST(EditHistory, OnlyTheLastStepsWithinTheLimitCanBeUndone) {
  InputRecord r = StartUp();
  EditHistory h(3);
  h.start(r);
  for (int i = 1; i <= 5; ++i) {
    r.H = static_cast<float>(i);
    h.commit(r, "Design height");
  }
  int undone = 0;
  while (h.undo(r)) ++undone;
  EXPECT_EQ(undone, 3);
  EXPECT_EQ(r.H, 2.0f);  // the state three steps back
}

}  // namespace
}  // namespace fe
