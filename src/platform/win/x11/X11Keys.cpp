#include "platform/win/x11/X11Keys.h"

#include <X11/keysym.h>
#include <xkbcommon/xkbcommon.h>

#include "platform/win/VirtualKeys.h"

namespace win {

namespace {

struct KeyPair {
  unsigned long keysym;
  UINT vk;
};

// clang-format off
constexpr KeyPair kKeys[] = {
    {XK_BackSpace, VK_BACK},      {XK_Tab, VK_TAB},           {XK_ISO_Left_Tab, VK_TAB},
    {XK_Return, VK_RETURN},       {XK_KP_Enter, VK_RETURN},   {XK_Escape, VK_ESCAPE},
    {XK_space, VK_SPACE},         {XK_KP_Space, VK_SPACE},    {XK_Pause, VK_PAUSE},
    {XK_Caps_Lock, VK_CAPITAL},   {XK_Shift_L, VK_SHIFT},     {XK_Shift_R, VK_SHIFT},
    {XK_Control_L, VK_CONTROL},   {XK_Control_R, VK_CONTROL}, {XK_Alt_L, VK_MENU},
    {XK_Alt_R, VK_MENU},          {XK_Meta_L, VK_MENU},       {XK_Meta_R, VK_MENU},
    {XK_ISO_Level3_Shift, VK_MENU},
    {XK_Prior, VK_PRIOR},         {XK_KP_Prior, VK_PRIOR},    {XK_Next, VK_NEXT},
    {XK_KP_Next, VK_NEXT},        {XK_End, VK_END},           {XK_KP_End, VK_END},
    {XK_Home, VK_HOME},           {XK_KP_Home, VK_HOME},      {XK_Left, VK_LEFT},
    {XK_KP_Left, VK_LEFT},        {XK_Up, VK_UP},             {XK_KP_Up, VK_UP},
    {XK_Right, VK_RIGHT},         {XK_KP_Right, VK_RIGHT},    {XK_Down, VK_DOWN},
    {XK_KP_Down, VK_DOWN},        {XK_Insert, VK_INSERT},     {XK_KP_Insert, VK_INSERT},
    {XK_Delete, VK_DELETE},       {XK_KP_Delete, VK_DELETE},
    // The punctuation keys of a US keyboard, with their classic codes.
    {XK_semicolon, 0xBA},         {XK_equal, 0xBB},           {XK_comma, 0xBC},
    {XK_minus, 0xBD},             {XK_period, 0xBE},          {XK_slash, 0xBF},
    {XK_grave, 0xC0},             {XK_bracketleft, 0xDB},     {XK_backslash, 0xDC},
    {XK_bracketright, 0xDD},      {XK_apostrophe, 0xDE},
    // The letters and signs of a German keyboard in those places.
    {XK_udiaeresis, 0xBA},        {XK_plus, 0xBB},            {XK_numbersign, 0xBF},
    {XK_odiaeresis, 0xC0},        {XK_ssharp, 0xDB},          {XK_dead_circumflex, 0xDC},
    {XK_dead_acute, 0xDD},        {XK_adiaeresis, 0xDE},      {XK_less, 0xE2},
    // The number pad's digits and operators.
    {XK_KP_Multiply, 0x6A},       {XK_KP_Add, 0x6B},          {XK_KP_Subtract, 0x6D},
    {XK_KP_Decimal, 0x6E},        {XK_KP_Divide, 0x6F},
};
// clang-format on

}  // namespace

UINT VirtualKeyFromKeysym(unsigned long keysym) {
  if (keysym >= XK_a && keysym <= XK_z)
    return static_cast<UINT>('A' + (keysym - XK_a));
  if (keysym >= XK_A && keysym <= XK_Z)
    return static_cast<UINT>(keysym);
  if (keysym >= XK_0 && keysym <= XK_9)
    return static_cast<UINT>(keysym);
  if (keysym >= XK_KP_0 && keysym <= XK_KP_9)
    return static_cast<UINT>(0x60 + (keysym - XK_KP_0));
  if (keysym >= XK_F1 && keysym <= XK_F24)
    return static_cast<UINT>(VK_F1 + (keysym - XK_F1));
  for (const KeyPair& k : kKeys)
    if (k.keysym == keysym)
      return k.vk;
  return 0;
}

char32_t CharacterFromKeysym(unsigned long keysym) {
  switch (keysym) {
    case XK_Return:
    case XK_KP_Enter:
      return U'\r';
    case XK_BackSpace:
      return 8;
    case XK_Tab:
    case XK_ISO_Left_Tab:
      return U'\t';
    case XK_Escape:
      return 27;
    case XK_KP_Space:
      return U' ';
    default:
      break;
  }
  // Latin-1 symbols are their own code points; newer symbols carry the code
  // point with 0x01000000 added.
  if ((keysym >= 0x20 && keysym <= 0x7E) || (keysym >= 0xA0 && keysym <= 0xFF))
    return static_cast<char32_t>(keysym);
  if (keysym >= 0x01000100 && keysym <= 0x0110FFFF)
    return static_cast<char32_t>(keysym - 0x01000000);
  if (keysym >= XK_KP_0 && keysym <= XK_KP_9)
    return static_cast<char32_t>(U'0' + (keysym - XK_KP_0));
  switch (keysym) {
    case XK_KP_Multiply:
      return U'*';
    case XK_KP_Add:
      return U'+';
    case XK_KP_Subtract:
      return U'-';
    case XK_KP_Decimal:
      return U'.';
    case XK_KP_Divide:
      return U'/';
    case XK_EuroSign:
      return U'\u20AC';
    default:
      // The older symbols of other scripts ("lstroke" on a Polish keyboard,
      // the Cyrillic and Greek letters) have code points of their own.
      return static_cast<char32_t>(xkb_keysym_to_utf32(static_cast<xkb_keysym_t>(keysym)));
  }
}

}  // namespace win
