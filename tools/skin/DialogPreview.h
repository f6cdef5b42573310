#pragma once

// The part of the skin preview that shows the skin's notices, hint and
// menus: live buttons that open a notice of each kind and a menu with a
// submenu (each button with a skinned hint), and a picture of all of them
// open at once for a skin author without a display.

#include <string>

#include "skin/data/SkinData.h"
#include "ui/Form.h"

// Adds the row of buttons at Y to the form, which must be the
// application's main form for the hints to be skinned.
void AddDialogTriggers(TForm* Form, TbsSkinData* Skin, int Y);

// Draws a notice of each kind, a hint and an open menu with its submenu on
// a virtual screen and writes it as a PNG file; false when it cannot be
// written. Null Skin draws the plain looks.
bool SaveDialogsScreenshot(TbsSkinData* Skin, const std::string& Path);
