#include "skin/controls/ButtonBehaviour.h"

#include <gtest/gtest.h>

#include "ControlTestSupport.h"

using controltest::ManualTimer;

namespace {

struct ButtonRig {
  ManualTimer morph, repeat;
  TbsButtonBehaviour button{morph, repeat};
  int clicks = 0, repaints = 0, groupReleases = 0;
  bool focused = false, morphing = false;

  ButtonRig() {
    morph.OnTick = [this] { button.MorphTick(); };
    repeat.OnTick = [this] { button.RepeatTick(); };
    button.FireClick = [this] { ++clicks; };
    button.Repaint = [this] { ++repaints; };
    button.ReleaseGroup = [this] { ++groupReleases; };
    button.Focused = [this] { return focused; };
    button.CanMorph = [this] { return morphing; };
  }
};

}  // namespace

TEST(ButtonBehaviour, ClickOnlyOnReleaseOverTheButton) {
  ButtonRig r;
  r.button.MouseEnter();
  r.button.MouseDown();
  EXPECT_TRUE(r.button.Down());
  EXPECT_TRUE(r.button.State(true).PressedLook());
  r.button.MouseLeave();
  EXPECT_FALSE(r.button.State(true).PressedLook());
  r.button.MouseUp(false);
  EXPECT_EQ(r.clicks, 0);
  EXPECT_FALSE(r.button.Down());
  r.button.MouseEnter();
  r.button.MouseDown();
  r.button.MouseUp(true);
  EXPECT_EQ(r.clicks, 1);
  EXPECT_FALSE(r.button.Down());
}

TEST(ButtonBehaviour, SpaceClicksOnceWithoutRepeat) {
  ButtonRig r;
  r.focused = true;
  r.button.SpaceDown();
  EXPECT_TRUE(r.button.State(true).PressedLook());
  r.button.SpaceUp();
  EXPECT_EQ(r.clicks, 1);
  // A button that takes no focus ignores the key.
  r.button.CanFocused = false;
  r.button.SpaceDown();
  r.button.SpaceUp();
  EXPECT_EQ(r.clicks, 1);
}

TEST(ButtonBehaviour, RepeatButtonClicksEveryIntervalAndOnRelease) {
  ButtonRig r;
  r.button.RepeatMode = true;
  r.button.MouseEnter();
  r.button.MouseDown();
  EXPECT_EQ(r.clicks, 0);
  r.repeat.Advance(350);
  EXPECT_EQ(r.clicks, 3);
  r.button.MouseUp(true);
  EXPECT_EQ(r.clicks, 4);
  r.repeat.Advance(1000);
  EXPECT_EQ(r.clicks, 4);
  // Leaving pauses the repeat; coming back resumes it.
  r.button.MouseDown();
  r.button.MouseLeave();
  r.repeat.Advance(1000);
  EXPECT_EQ(r.clicks, 4);
  r.button.MouseEnter();
  r.repeat.Advance(100);
  EXPECT_EQ(r.clicks, 5);
  r.button.FocusLost();
  EXPECT_FALSE(r.repeat.Running());
  EXPECT_FALSE(r.button.Down());
}

TEST(ButtonBehaviour, GroupedButtonsLatch) {
  ButtonRig r;
  r.button.SetGroupIndex(1);
  EXPECT_FALSE(r.button.CanFocused);
  r.button.MouseDown();
  EXPECT_EQ(r.clicks, 1);
  EXPECT_EQ(r.groupReleases, 1);
  r.button.MouseUp(true);
  EXPECT_TRUE(r.button.Down());
  // A second click does not release it...
  r.button.MouseDown();
  r.button.MouseUp(true);
  EXPECT_TRUE(r.button.Down());
  EXPECT_EQ(r.clicks, 1);
  // ...unless all may be up.
  r.button.AllowAllUp = true;
  r.button.MouseDown();
  r.button.MouseUp(true);
  EXPECT_FALSE(r.button.Down());
  EXPECT_EQ(r.clicks, 2);
}

TEST(ButtonBehaviour, HoverFadesInTenSteps) {
  ButtonRig r;
  r.morphing = true;
  r.button.MouseEnter();
  EXPECT_TRUE(r.morph.Running());
  r.morph.Advance(100);
  EXPECT_NEAR(r.button.MorphFactor(), 0.5, 1e-9);
  r.morph.Advance(100);
  EXPECT_DOUBLE_EQ(r.button.MorphFactor(), 1.0);
  r.morph.Advance(20);
  EXPECT_FALSE(r.morph.Running());
  r.button.MouseLeave();
  r.morph.Advance(220);
  EXPECT_DOUBLE_EQ(r.button.MorphFactor(), 0.0);
  EXPECT_FALSE(r.morph.Running());
  // Without morphing a hover repaints at once.
  r.morphing = false;
  const int before = r.repaints;
  r.button.MouseEnter();
  EXPECT_EQ(r.repaints, before + 1);
  EXPECT_FALSE(r.morph.Running());
}
