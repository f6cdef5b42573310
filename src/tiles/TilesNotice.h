#pragma once

// The tile puzzle's notices: the skinned message dialog under the
// application's title, with the text, no icon and one "OK" button, which
// Enter and Escape press as well.
// "&" in the text marks an accelerator, so texts from file names come with
// every "&" doubled.

#include <string>

class TbsSkinData;

// Shows Text and returns when the player has closed the notice. Skin (may
// be null for the plain look) draws the dialog.
void ShowTilesNotice(const std::string& Text, TbsSkinData* Skin);
