#pragma once

// What a key on the X keyboard means to the window system: its virtual-key
// code (from the key's unshifted symbol) and the character it types (from
// the symbol with the modifiers applied). Key symbols are plain numbers
// here, so that the mapping can be tested without a display.

#include "platform/win/Types.h"

namespace win {

// The virtual-key code of a key symbol; 0 for keys the window system does
// not know.
UINT VirtualKeyFromKeysym(unsigned long keysym);

// The character a key symbol types, 0 for none. Enter, Backspace, Tab and
// Escape type their control characters, as the classic system delivers
// them.
char32_t CharacterFromKeysym(unsigned long keysym);

}  // namespace win
