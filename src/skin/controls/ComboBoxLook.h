#pragma once

// The looks of the combo box and of its drop-down list: the box's item and
// button areas, the item shown in the box, the list's frame, height and
// rows, each in the skinned and the plain look.

#include <functional>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"
#include "skin/controls/PlainLook.h"
#include "skin/data/SkinControlRecords.h"

class TbsSkinData;

// The pictures drawn before item texts (an image list).
class TbsItemImages {
 public:
  virtual ~TbsItemImages() = default;
  virtual int Count() const = 0;
  virtual gfx::Size ImageSize() const = 0;
  virtual void Draw(gfx::DeviceContext& dc, int index, int x, int y) const = 0;
};

// What an item is drawn with: its text, and the images before it.
struct TbsItemContent {
  const std::vector<std::string>* Items = nullptr;
  const TbsItemImages* Images = nullptr;
  int ImageIndex = -1;  // -1: item i shows image i; else every item this one
};

// Draws item `index` in rect: its image at the left edge (vertically
// centred, when the image exists), then the text 2 pixels further right,
// vertically centred and clipped. The text is shifted past the image's
// width even when that image is missing, so that texts line up.
void DrawItemImageAndText(gfx::DeviceContext& dc, gfx::Rect rect, const TbsItemContent& content,
                          int index);

// Draws an item in place of the built-in image and text, given the text
// rectangle, when the program draws its items itself.
using TbsItemDrawer = std::function<void(gfx::DeviceContext& dc, const gfx::Rect& rect, int index)>;

struct TbsComboBoxAreas {
  gfx::Rect Button;
  gfx::Rect Item;
};

TbsComboBoxAreas ComboBoxAreas(const TbsDataSkinComboBox* record, int width, int height);

struct TbsComboBoxLookState {
  bool Enabled = true;
  bool Focused = false;
  bool ButtonHot = false;
  bool Pressed = false;
  int ShownIndex = -1;  // the item in the box: the saved index while open
  bool UseSkinFont = true;
  gfx::Font DefaultFont = DefaultControlFont();
  gfx::Font Font = DefaultControlFont();  // the plain look's font
};

// Both looks draw the shown item through drawItem when it is set.
void PaintComboBoxSkinLook(gfx::Bitmap& bitmap, const TbsSkinData& skin,
                           const TbsDataSkinComboBox& record, const TbsComboBoxLookState& state,
                           const TbsItemContent& content, int width, int height,
                           const TbsItemDrawer& drawItem = {});

void PaintComboBoxPlainLook(gfx::DeviceContext& dc, const TbsComboBoxLookState& state,
                            const TbsItemContent& content, int width, int height,
                            const TbsItemDrawer& drawItem = {});

// -- The drop-down list --------------------------------------------------

// The row height: the record's item height, else the default.
int ListItemHeight(const TbsDataSkinListBox* record, bool useSkinItemHeight, int defaultItemHeight);
// The list's height for n rows.
int ListHeightForRows(const TbsDataSkinListBox* record, int rows, int itemHeight);

// Where the rows and the vertical bar go inside a width x height list.
struct TbsListAreas {
  gfx::Rect Rows;
  gfx::Rect VScrollBar;  // empty when there is no bar
};
TbsListAreas ListAreas(const TbsDataSkinListBox* record, int vscrollBarWidth, bool withBar,
                       int width, int height);

// The list's frame, before the rows are drawn in.
void PaintListFrame(gfx::Bitmap& bitmap, const TbsSkinData* skin, const TbsDataSkinListBox* record,
                    int width, int height);

struct TbsListRowState {
  bool Selected = false;
  bool Focused = false;    // the list has the focus
  bool FocusItem = false;  // the row carries the focus
  bool UseSkinFont = true;
  gfx::Font DefaultFont = DefaultControlFont();
  gfx::ColorRef DefaultFontColor = gfx::clWindowText;  // unselected rows, plain look
};

// One row, width x item height, drawn at (x, y) of dc.
void PaintListRow(gfx::DeviceContext& dc, int x, int y, int width, int itemHeight,
                  const TbsSkinData* skin, const TbsDataSkinListBox* record,
                  const TbsListRowState& state, const TbsItemContent& content, int index,
                  const TbsItemDrawer& drawItem = {});

// A dotted frame, as the keyboard focus is shown in plain lists.
void DrawFocusRect(gfx::DeviceContext& dc, const gfx::Rect& rect);
