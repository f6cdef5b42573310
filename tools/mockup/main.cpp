// tilebrook-mockup: a review picture of the product's assets together, as
// the browser will show them: the browser window with its frame, caption,
// buttons, controls, background and demo previews, an open severity list,
// the system menu, a hint and a notice dialog, all drawn from the committed
// skin, design pictures and previews.
//
//   tilebrook-mockup REPOSITORY OUT.png [X Y W H SCALE]
//
// With a rectangle, only that part of the picture is written, enlarged.
//
// It is a tool for looking, not part of the program: the skin engine draws
// the real window.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Compose.h"
#include "platform/gfx/ImageCodecs.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinExtraControlRecords.h"

namespace {

using gfx::Rect;
using mockup::CentredText;
using mockup::ComposeControl;
using mockup::SkinFont;

constexpr gfx::ColorRef kDesk = gfx::RGB(120, 126, 130);

std::string g_root;

gfx::Bitmap Load(const std::string& relative) {
  gfx::DecodedImage image = gfx::LoadImageFile(g_root + "/" + relative);
  if (!image.Ok())
    std::fprintf(stderr, "tilebrook-mockup: %s: %s\n", relative.c_str(), image.error.c_str());
  return std::move(image.bitmap);
}

template <typename Record>
const Record& Control(const TbsSkinData& skin, const char* name) {
  return dynamic_cast<const Record&>(*skin.ControlRecords.at(skin.IndexOfControlRecord(name)));
}

void Button(gfx::DeviceContext& dc, const TbsSkinData& skin, const char* record, const Rect& r,
            const std::string& text, int state = 0) {
  const auto& b = Control<TbsDataSkinButtonControl>(skin, record);
  const gfx::Bitmap& picture = *skin.ActivePicture(b.pictureindex);
  const Rect looks[] = {b.skinrect, b.activeskinrect, b.downskinrect};
  const Rect box = b.righttoppoint.x && !b.rightbottompoint.x
                       ? Rect::FromXYWH(r.left, r.top, r.Width(), b.skinrect.Height())
                       : r;
  ComposeControl(dc, box, b, picture, looks[state]);
  if (b.maskpictureindex >= 0) {
    // The mask's cut corners show what lies under the button.
    const gfx::Bitmap& mask = *skin.ActivePicture(b.maskpictureindex);
    gfx::Bitmap shaped(box.Width(), box.Height());
    gfx::DeviceContext sdc(shaped);
    ComposeControl(sdc, shaped.Bounds(), b, mask, {0, 0, mask.Width(), mask.Height()});
    for (int y = 0; y < box.Height(); ++y)
      for (int x = 0; x < box.Width(); ++x)
        if (shaped.GetPixel(x, y) != gfx::clBlack)
          dc.SetPixel(box.left + x, box.top + y, gfx::RGB(244, 236, 220));
  }
  const Rect client{box.left + b.clientrect.left, box.top + b.clientrect.top,
                    box.right - (b.skinrect.Width() - b.clientrect.right),
                    box.bottom - (b.skinrect.Height() - b.clientrect.bottom)};
  CentredText(dc, client.Offset(state == 2, state == 2), text,
              SkinFont(b.fontname, b.fontheight, b.fontstyle),
              state == 1 ? b.activefontcolor : b.fontcolor);
}

void Label(gfx::DeviceContext& dc, const TbsSkinData& skin, int x, int y, const std::string& text,
           bool right = false) {
  const auto& l = Control<TbsDataSkinStdLabelControl>(skin, "stdlabel");
  dc.SelectFont(gfx::Font(SkinFont(l.fontname, l.fontheight, l.fontstyle)));
  dc.SetBkMode(gfx::TRANSPARENT);
  dc.SetTextColor(l.fontcolor);
  dc.TextOut(right ? x - dc.GetTextExtent(text).cx : x, y, text);
}

void Combo(gfx::DeviceContext& dc, const TbsSkinData& skin, const Rect& r, const std::string& text,
           const gfx::Bitmap* image) {
  const auto& c = Control<TbsDataSkinComboBox>(skin, "combobox");
  const gfx::Bitmap& picture = *skin.ActivePicture(c.pictureindex);
  const Rect box = Rect::FromXYWH(r.left, r.top, r.Width(), c.skinrect.Height());
  ComposeControl(dc, box, c, picture, c.skinrect);
  const int dw = box.Width() - c.skinrect.Width();
  const Rect item{box.left + c.clientrect.left, box.top + c.clientrect.top,
                  box.left + c.clientrect.right + dw, box.top + c.clientrect.bottom};
  int x = item.left + c.itemtextrect.left;
  if (image) {
    dc.BitBlt(x, item.top + (item.Height() - image->Height()) / 2, image->Width(),
              std::min(image->Height(), item.Height()), *image, 0, 0);
    x += image->Width() + 2;
  }
  dc.SelectFont(gfx::Font(SkinFont(c.fontname, c.fontheight, c.fontstyle)));
  dc.SetTextColor(c.fontcolor);
  dc.SetBkMode(gfx::TRANSPARENT);
  Rect t{x + 2, item.top, item.right, item.bottom};
  dc.DrawText(text, t, gfx::DT_VCENTER | gfx::DT_SINGLELINE);
}

void Bevel(gfx::DeviceContext& dc, const TbsSkinData& skin, const Rect& r) {
  const auto& b = Control<TbsDataSkinBevel>(skin, "bevel");
  // Lowered box: the dark colour on the top and left edges.
  dc.FillRect({r.left, r.top, r.right - 1, r.top + 1}, b.darkcolor);
  dc.FillRect({r.left, r.top, r.left + 1, r.bottom - 1}, b.darkcolor);
  dc.FillRect({r.left, r.bottom - 1, r.right, r.bottom}, b.lightcolor);
  dc.FillRect({r.right - 1, r.top, r.right, r.bottom}, b.lightcolor);
}

void BrowserClient(gfx::DeviceContext& dc, const TbsSkinData& skin) {
  const gfx::Bitmap background = Load("assets/design/background.jpg");
  dc.BitBlt(-1, 0, background.Width(), background.Height(), background, 0, 0);
  Label(dc, skin, 204, 82, "Package / Paket:");
  Label(dc, skin, 745, 82, "2 packages, 14 puzzles", true);
  Combo(dc, skin, {204, 99, 747, 119}, "Brookside Landscapes", nullptr);
  Label(dc, skin, 204, 130, "6 Puzzles");
  const int slots[][2] = {{209, 154}, {385, 154}, {561, 154}, {209, 330}, {385, 330}, {561, 330}};
  Bevel(dc, skin, Rect::FromXYWH(204, 149, 160, 161));
  for (int s = 0; s < 6; ++s) {
    const gfx::Bitmap preview =
        Load("assets/demo/brookside/landscape-" + std::to_string(s + 1) + ".jpg");
    dc.BitBlt(slots[s][0], slots[s][1], 150, 150, preview, 0, 0);
    Button(dc, skin, "resizebutton", Rect::FromXYWH(slots[s][0] + 129, slots[s][1] + 129, 21, 21),
           "...", s == 2 ? 1 : 0);
  }
  Label(dc, skin, 715, 492, "Page 1 / 1", true);
  Label(dc, skin, 207, 508, "Severity / Schwierigkeitsgrad:");
  const gfx::Bitmap stars = Load("assets/design/stars-2.bmp");
  Combo(dc, skin, {207, 526, 394, 544}, "", &stars);
  Button(dc, skin, "resizebutton", Rect::FromXYWH(411, 526, 336, 19), "Start Puzzle");
  Button(dc, skin, "resizebutton", Rect::FromXYWH(118, 526, 74, 19), "Updates");
  Button(dc, skin, "resizebutton", Rect::FromXYWH(118, 494, 74, 19), "Newsletter", 1);
  Button(dc, skin, "resizebutton", Rect::FromXYWH(16, 494, 23, 19), "?", 2);
  const auto& ud = Control<TbsDataSkinUpDownControl>(skin, "vupdown");
  dc.BitBlt(723, 468, ud.skinrect.Width(), ud.skinrect.Height(),
            *skin.ActivePicture(ud.pictureindex), ud.skinrect.left, ud.skinrect.top);
}

// The severity list, dropped open under its box, the second row chosen.
void SeverityList(gfx::DeviceContext& dc, const TbsSkinData& skin, int x, int y) {
  const auto& l = Control<TbsDataSkinListBox>(skin, "listbox");
  const gfx::Bitmap& picture = *skin.ActivePicture(l.pictureindex);
  const int rows = 5, itemHeight = l.itemrect.Height();
  const Rect box =
      Rect::FromXYWH(x, y, 187, l.skinrect.Height() - l.clientrect.Height() + rows * itemHeight);
  ComposeControl(dc, box, l, picture, l.skinrect);
  for (int i = 0; i < rows; ++i) {
    const Rect row =
        Rect::FromXYWH(box.left + l.clientrect.left, box.top + l.clientrect.top + i * itemHeight,
                       box.Width() - l.skinrect.Width() + l.clientrect.Width(), itemHeight);
    const Rect look = i == 1 ? l.focusitemrect : l.itemrect;
    const int L = l.itemleftoffset, R = l.itemrightoffset;
    dc.BitBlt(row.left, row.top, L, itemHeight, picture, look.left, look.top);
    dc.TileBlt({row.left + L, row.top, row.right - R, row.bottom}, picture,
               {look.left + L, look.top, look.right - R, look.bottom});
    dc.BitBlt(row.right - R, row.top, R, itemHeight, picture, look.right - R, look.top);
    const gfx::Bitmap stars = Load("assets/design/stars-" + std::to_string(i + 1) + ".bmp");
    dc.BitBlt(row.left + 2, row.top, stars.Width(), stars.Height(), stars, 0, 0);
  }
}

void SystemMenu(gfx::DeviceContext& dc, const TbsSkinData& skin, int x, int y) {
  const auto& popup = *skin.PopupWindowRecord;
  const gfx::Bitmap& window = *skin.ActivePicture(popup.windowpictureindex);
  const auto& item = dynamic_cast<const TbsDataSkinMenuItem&>(
      *skin.ObjectRecords.at(skin.IndexOfObjectRecord("menuitem")));
  const gfx::Bitmap& items = *skin.ActivePicture(item.activepictureindex);
  const auto font = SkinFont(item.fontname, item.fontheight, item.fontstyle);
  dc.SelectFont(gfx::Font(font));
  const int widest = dc.GetTextExtent("Close  Alt+F4").cx + 2;
  const int w = widest + 55, h = 68;
  const Rect box = Rect::FromXYWH(x, y, w, h);
  mockup::ComposeWindowPicture(dc, box, window, popup.lefttoppoint, popup.righttoppoint,
                               popup.leftbottompoint, popup.rightbottompoint, popup.itemsrect);
  const char* captions[] = {"Minimize", "Roll up", "-", "Close"};
  int top = box.top + popup.itemsrect.top;
  for (int i = 0; i < 4; ++i) {
    const bool divider = captions[i][0] == '-';
    const Rect look = divider ? item.dividerrect : i == 0 ? item.activeskinrect : item.skinrect;
    const int rowW = w - (window.Width() - popup.itemsrect.Width());
    const Rect row = Rect::FromXYWH(box.left + popup.itemsrect.left, top, rowW, look.Height());
    const int L = divider ? item.dividerleftoffset : item.itemleftoffset;
    const int R = divider ? item.dividerrightoffset : item.itemrightoffset;
    dc.BitBlt(row.left, row.top, L, look.Height(), items, look.left, look.top);
    dc.TileBlt({row.left + L, row.top, row.right - R, row.bottom}, items,
               {look.left + L, look.top, look.right - R, look.bottom});
    dc.BitBlt(row.right - R, row.top, R, look.Height(), items, look.right - R, look.top);
    if (!divider) {
      dc.SetTextColor(i == 0 ? item.activefontcolor : item.fontcolor);
      dc.SetBkMode(gfx::TRANSPARENT);
      Rect t{row.left + item.textrect.left + 16, row.top, row.right - 16, row.bottom};
      dc.DrawText(captions[i], t, gfx::DT_VCENTER | gfx::DT_SINGLELINE);
      if (i == 3) {
        Rect s = t;
        dc.DrawText("Alt+F4", s, gfx::DT_VCENTER | gfx::DT_SINGLELINE | gfx::DT_RIGHT);
      }
    }
    top += look.Height();
  }
}

void Hint(gfx::DeviceContext& dc, const TbsSkinData& skin, int x, int y, const std::string& text) {
  const auto& hint = *skin.HintWindowRecord;
  const gfx::Bitmap& picture = *skin.ActivePicture(hint.windowpictureindex);
  const auto font = SkinFont(hint.fontname, hint.fontheight, hint.fontstyle);
  dc.SelectFont(gfx::Font(font));
  const gfx::Size t = dc.GetTextExtent(text);
  const Rect c = hint.clientrect;
  const int w = std::max(picture.Width(), t.cx + c.left + picture.Width() - c.right);
  const int h = std::max(picture.Height(), t.cy + c.top + picture.Height() - c.bottom);
  const Rect box = Rect::FromXYWH(x, y, w, h);
  mockup::ComposeWindowPicture(dc, box, picture, hint.lefttoppoint, hint.righttoppoint,
                               hint.leftbottompoint, hint.rightbottompoint, c);
  const Rect client{box.left + c.left, box.top + c.top, box.right - (picture.Width() - c.right),
                    box.bottom - (picture.Height() - c.bottom)};
  CentredText(dc, client, text, font, hint.fontcolor);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 8) {
    std::fprintf(stderr, "usage: tilebrook-mockup REPOSITORY OUT.png [X Y W H SCALE]\n");
    return 2;
  }
  g_root = argv[1];
  TbsStoredSkin stored(nullptr);
  TbsSkinData skin(nullptr);
  try {
    stored.LoadFromSkinFile(g_root + "/assets/skin/skin.ini");
    skin.ApplyStoredSkin(&stored);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tilebrook-mockup: %s\n", e.what());
    return 1;
  }
  if (skin.Empty) {
    std::fprintf(stderr, "tilebrook-mockup: the skin was refused\n");
    return 1;
  }
  gfx::Bitmap board(1140, 700, kDesk);
  gfx::DeviceContext dc(board);

  gfx::Bitmap browser(774, 607);
  const Rect client = mockup::DrawFrame(
      browser, skin,
      {.active = true, .title = "Tilebrook(tm) - Puzzle Browser 1.0.0.31", .hoveredButton = 1},
      kDesk);
  {
    gfx::DeviceContext cdc(browser, {client.left, client.top}, gfx::Region(client));
    BrowserClient(cdc, skin);
    SeverityList(cdc, skin, 207, 544 - 94 - 18);
    Hint(cdc, skin, 350, 300, "Author / Urheber");
  }
  dc.BitBlt(16, 16, browser.Width(), browser.Height(), browser, 0, 0);

  // An inactive notice dialog with its OK button, showing one of the
  // program's own notices under the application title.
  gfx::Bitmap dialog(330, 130);
  const Rect dclient = mockup::DrawFrame(
      dialog, skin, {.active = false, .title = "Tilebrook(tm) - Puzzle Browser 1.0.0.31"}, kDesk);
  {
    gfx::DeviceContext ddc(dialog, {dclient.left, dclient.top}, gfx::Region(dclient));
    ddc.FillRect({0, 0, dclient.Width(), dclient.Height()}, gfx::RGB(244, 236, 220));
    Label(ddc, skin, 50, 10, "You already see the first page.");
    Label(ddc, skin, 50, 38, "Sie sehen bereits die erste Seite.");
    Button(ddc, skin, "button",
           Rect::FromXYWH((dclient.Width() - 60) / 2, dclient.Height() - 30, 60, 20), "OK", 1);
  }
  dc.BitBlt(800, 16, dialog.Width(), dialog.Height(), dialog, 0, 0);
  // The system menu as it opens under the frame's system-menu button.
  SystemMenu(dc, skin, 800, 170);
  if (argc == 8) {
    const int x = std::atoi(argv[3]), y = std::atoi(argv[4]), w = std::atoi(argv[5]),
              h = std::atoi(argv[6]), scale = std::atoi(argv[7]);
    gfx::Bitmap part(w * scale, h * scale);
    gfx::DeviceContext pdc(part);
    pdc.StretchBlt(0, 0, w * scale, h * scale, board, x, y, w, h);
    board = std::move(part);
  }
  if (!gfx::SaveImageFile(board, argv[2])) {
    std::fprintf(stderr, "tilebrook-mockup: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
