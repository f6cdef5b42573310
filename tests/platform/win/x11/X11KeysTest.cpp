// The keyboard mapping, without a display.

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "platform/win/VirtualKeys.h"
#include "platform/win/x11/X11Keys.h"

namespace x11test {
namespace {

using namespace win;

TEST(X11Keys, LettersDigitsAndFunctionKeysHaveTheirClassicCodes) {
  EXPECT_EQ(VirtualKeyFromKeysym(XK_a), 'A');
  EXPECT_EQ(VirtualKeyFromKeysym(XK_z), 'Z');
  EXPECT_EQ(VirtualKeyFromKeysym(XK_Q), 'Q');
  EXPECT_EQ(VirtualKeyFromKeysym(XK_0), '0');
  EXPECT_EQ(VirtualKeyFromKeysym(XK_9), '9');
  EXPECT_EQ(VirtualKeyFromKeysym(XK_F1), VK_F1);
  EXPECT_EQ(VirtualKeyFromKeysym(XK_F12), VK_F12);
  EXPECT_EQ(VirtualKeyFromKeysym(XK_KP_7), 0x67u);
}

TEST(X11Keys, NavigationAndModifierKeysOnBothSidesAndOnTheNumberPad) {
  EXPECT_EQ(VirtualKeyFromKeysym(XK_Left), VK_LEFT);
  EXPECT_EQ(VirtualKeyFromKeysym(XK_KP_Left), VK_LEFT);
  EXPECT_EQ(VirtualKeyFromKeysym(XK_KP_Prior), VK_PRIOR);
  EXPECT_EQ(VirtualKeyFromKeysym(XK_KP_Enter), VK_RETURN);
  EXPECT_EQ(VirtualKeyFromKeysym(XK_Shift_R), VK_SHIFT);
  EXPECT_EQ(VirtualKeyFromKeysym(XK_Control_R), VK_CONTROL);
  EXPECT_EQ(VirtualKeyFromKeysym(XK_Alt_L), VK_MENU);
  EXPECT_EQ(VirtualKeyFromKeysym(XK_ISO_Left_Tab), VK_TAB);
  EXPECT_EQ(VirtualKeyFromKeysym(XK_Delete), VK_DELETE);
  // German letters sit where the US keyboard has punctuation.
  EXPECT_EQ(VirtualKeyFromKeysym(XK_adiaeresis), 0xDEu);
  EXPECT_EQ(VirtualKeyFromKeysym(XK_ssharp), 0xDBu);
  // A key the window system has no code for.
  EXPECT_EQ(VirtualKeyFromKeysym(XK_Multi_key), 0u);
}

TEST(X11Keys, CharactersIncludeLatin1UnicodeAndControlCharacters) {
  EXPECT_EQ(CharacterFromKeysym(XK_A), U'A');
  EXPECT_EQ(CharacterFromKeysym(XK_adiaeresis), U'\u00E4');
  EXPECT_EQ(CharacterFromKeysym(XK_ssharp), U'\u00DF');
  EXPECT_EQ(CharacterFromKeysym(XK_EuroSign), U'\u20AC');
  EXPECT_EQ(CharacterFromKeysym(0x01000416), U'\u0416');
  // The older symbols of keyboards beyond Latin-1 type their letters too.
  EXPECT_EQ(CharacterFromKeysym(XK_lstroke), U'\u0142');
  EXPECT_EQ(CharacterFromKeysym(XK_Cyrillic_zhe), U'\u0436');
  EXPECT_EQ(CharacterFromKeysym(XK_Greek_OMEGA), U'\u03A9');
  EXPECT_EQ(CharacterFromKeysym(XK_KP_5), U'5');
  EXPECT_EQ(CharacterFromKeysym(XK_Return), U'\r');
  EXPECT_EQ(CharacterFromKeysym(XK_BackSpace), 8u);
  EXPECT_EQ(CharacterFromKeysym(XK_Escape), 27u);
  EXPECT_EQ(CharacterFromKeysym(XK_Left), 0u);
  EXPECT_EQ(CharacterFromKeysym(XK_Shift_L), 0u);
}

}  // namespace
}  // namespace x11test
