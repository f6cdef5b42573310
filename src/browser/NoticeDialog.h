#pragma once

// A plain modal notice: the text with its line breaks above one "OK" button
// that Enter, Escape and a click all press, under the application's title.
// The window's notices use it until a skinned notice takes its place.

#include <string>

class TbsSkinData;

// Shows Text and returns when the player has dismissed it. Skin (may be
// null) gives the label and the button their look.
void ShowPlainNotice(TbsSkinData* Skin, const std::string& Caption, const std::string& Text);
