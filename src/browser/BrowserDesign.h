#pragma once

// The browser window's design: every control with the values it is created
// with, one entry per control in creation order, and the six preview slots.
// The window reads this table once, when it is made, as a loaded form reads
// its stored design; nothing else places or sizes a control.

#include <array>
#include <string>

#include "ui/Types.h"

class TForm;
class TbsSkinData;

enum class TDesignClass {
  LinkImage,  // TbsSkinLinkImage: the background picture
  LinkLabel,  // TbsSkinLinkLabel
  StdLabel,   // TbsSkinStdLabel
  Bevel,      // TbsSkinBevel, frame mode
  Image,      // TImage: a preview, centred and transparent
  ComboBox,   // TbsSkinComboBox, fixed style
  UpDown,     // TbsSkinUpDown, vertical
  Button,     // TbsSkinButton
};

struct TControlDesign {
  const char* Name;
  TDesignClass Class;
  int Left, Top, Width, Height;
  // The skin record the control looks up, empty for none.
  const char* SkinDataName;
  // Whether SkinData refers to the window's skin container.
  bool Bound;
  const char* Text;
  // Position in the Tab order; -1 for controls that take no focus.
  int TabOrder;
  bool Visible;
  TAlignment Alignment = taLeftJustify;
  const char* Hint = "";
};

inline constexpr int BrowserClientWidth = 760;
inline constexpr int BrowserClientHeight = 570;

// The window's controls, in creation order (later non-windowed controls are
// drawn over earlier ones, so each bevel lies under its preview).
extern const std::array<TControlDesign, 34> BrowserControls;

// Slot s shows puzzle PageFirst + s; the slots form two rows of three.
struct TSlotDesign {
  const char* Image;
  const char* Bevel;
  const char* AuthorButton;
};
inline constexpr int SlotCount = 6;
extern const std::array<TSlotDesign, SlotCount> BrowserSlots;

// The product home page, and the newsletter page beside it.
std::string HomePageAddress();
std::string NewsletterAddress();

// Creates every control of the table on Form, owned by it, then the image
// lists and the two notice dialogs; bound controls and the dialogs refer to
// Skin. The severity list's pictures and the background picture come from
// the embedded design pictures.
void CreateBrowserComponents(TForm& Form, TbsSkinData* Skin);
