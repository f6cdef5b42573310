#include "SkinPreview.h"

#include "DialogPreview.h"

#include <cstdio>
#include <functional>
#include <memory>

#include "SkinSource.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "skin/controls/ButtonLook.h"
#include "skin/controls/ComboBoxLook.h"
#include "skin/controls/ScrollBarLook.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinComboBox.h"
#include "skin/controls/SkinLabels.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/controls/UpDownLook.h"
#include "skin/data/StoredSkin.h"
#include "skin/form/SkinForm.h"
#include "skin/product/ProductSkin.h"
#include "ui/Application.h"

#if TILEBROOK_PREVIEW_X11
#include "platform/win/x11/DesktopFactory.h"
#endif

namespace {

// The paper colour of the browser's window, behind every control.
constexpr TColor kPaper = gfx::RGB(244, 236, 220);

const std::vector<std::string> kSeverities = {"Beginner", "Intermediate", "Expert", "Guru",
                                              "Maniac"};
const std::vector<std::string> kPackages = {"Brook Stones",   "Cedar Tiles",   "Garden Mosaics",
                                            "Harbour Lights", "Lantern Paths", "Mill Wheels",
                                            "Moss Steps",     "Old Bridges",   "Reed Patterns",
                                            "River Glass",    "Slate Roofs",   "Willow Knots"};

// A graphic control that shows one look, drawn by a painting routine of
// the skinned controls on a paper-coloured bitmap.
class TLookSwatch : public TGraphicControl {
 public:
  using Painter = std::function<void(gfx::Bitmap& B)>;
  TLookSwatch(TWinControl* Parent, TRect Bounds, Painter Paint)
      : TGraphicControl(Parent), FPaint(std::move(Paint)) {
    SetBounds(Bounds.left, Bounds.top, Bounds.Width(), Bounds.Height());
    SetParent(Parent);
  }

 protected:
  void Paint() override {
    gfx::Bitmap b(Width(), Height(), kPaper);
    FPaint(b);
    if (Canvas().HandleAllocated())
      Canvas().Handle()->DrawBitmap(0, 0, b);
  }

 private:
  Painter FPaint;
};

template <class Record>
const Record* Find(const TbsSkinData* skin, const std::string& name) {
  if (skin == nullptr || skin->Empty)
    return nullptr;
  const int i = skin->IndexOfControlRecord(name);
  return i < 0 ? nullptr : dynamic_cast<const Record*>(skin->ControlRecords[i].get());
}

// Draws a composed look onto the swatch's bitmap at (0, 0).
void Put(gfx::Bitmap& onto, const gfx::Bitmap& look, int x = 0, int y = 0) {
  gfx::DeviceContext dc(onto);
  dc.DrawBitmap(x, y, look);
}

}  // namespace

TSkinPreviewForm::TSkinPreviewForm(TComponent* AOwner, TbsSkinData* Skin)
    : TForm(AOwner), FSkin(Skin) {
  SetCaption(Skin ? "Skin preview" : "Skin preview (plain looks)");
  SetBorderStyle(bsSingle);
  SetColor(kPaper);
  // The gallery sits in the skin's own window frame, as the browser does.
  if (Skin != nullptr)
    (new TbsSkinForm(this))->SetSkinData(Skin);
  SetClientSize(660, 500);
  AddButtonLooks(10, "button", 75, 25);
  AddButtonLooks(65, "resizebutton", 96, 19);
  AddComboAndListLooks(120);
  AddBarAndUpDownLooks(120);
  AddLabelsAndBevel(380);
  AddCaption(10, 448, "notices, hint and menu: click to open, rest on a button for its hint");
  AddDialogTriggers(this, FSkin, 466);
}

void TSkinPreviewForm::AddCaption(int X, int Y, const std::string& Text) {
  auto* label = new TbsSkinStdLabel(this);
  label->SetParent(this);
  label->SetLeft(X);
  label->SetTop(Y);
  label->SetCaption(Text);
  label->SetSkinData(FSkin);
}

void TSkinPreviewForm::AddButtonLooks(int Y, const std::string& Record, int Width, int Height) {
  AddCaption(10, Y, Record + ": normal, hot, pressed, focused, disabled; then one to try");
  const char* captions[] = {"Normal", "Hot", "Pressed", "Focused", "Disabled"};
  const TbsButtonState states[] = {{},
                                   {.MouseOver = true},
                                   {.MouseOver = true, .Down = true},
                                   {.Focused = true},
                                   {.Enabled = false}};
  const auto* record = Find<TbsDataSkinButtonControl>(FSkin, Record);
  for (int i = 0; i < 5; ++i) {
    TbsButtonContent content{.Caption = captions[i]};
    const TbsButtonState state = states[i];
    new TLookSwatch(this, TRect::FromXYWH(10 + i * (Width + 8), Y + 18, Width, Height),
                    [this, record, content, state](gfx::Bitmap& b) {
                      if (record == nullptr) {
                        gfx::DeviceContext dc(b);
                        PaintButtonPlainLook(dc, b.Width(), b.Height(), state, content);
                        return;
                      }
                      gfx::Bitmap look;
                      PaintButtonSkinLook(look, *FSkin, *record, state, content, b.Width(),
                                          b.Height());
                      Put(b, look);
                    });
  }
  auto* live = new TbsSkinButton(this);
  live->SetParent(this);
  live->SetCaption("&Try me");
  live->SetSkinDataName(Record);
  live->SetBounds(10 + 5 * (Width + 8) + 10, Y + 18, Width, Height);
  live->SetSkinData(FSkin);
}

void TSkinPreviewForm::AddComboAndListLooks(int Y) {
  AddCaption(10, Y, "combobox: to try, focused, open; a list with a scroll bar");
  auto* combo = new TbsSkinComboBox(this);
  combo->SetParent(this);
  combo->SetBounds(10, Y + 18, 187, 20);
  combo->SetItems(kSeverities);
  combo->SetItemIndex(0);
  combo->SetSkinData(FSkin);

  const auto* box = Find<TbsDataSkinComboBox>(FSkin, "combobox");
  const auto* list = box != nullptr ? Find<TbsDataSkinListBox>(FSkin, box->listboxname) : nullptr;
  const int boxHeight = box != nullptr ? box->skinrect.Height() : 20;
  auto paintBox = [this, box](gfx::Bitmap& b, TbsComboBoxLookState state, int height) {
    const TbsItemContent content{&kSeverities, nullptr, -1};
    if (box == nullptr) {
      gfx::Bitmap look(b.Width(), height);
      gfx::DeviceContext dc(look);
      PaintComboBoxPlainLook(dc, state, content, look.Width(), look.Height());
      Put(b, look);
      return;
    }
    gfx::Bitmap look;
    PaintComboBoxSkinLook(look, *FSkin, *box, state, content, b.Width(), height);
    Put(b, look);
  };
  // Focused, with the item chosen.
  new TLookSwatch(this, TRect::FromXYWH(10, Y + 46, 187, boxHeight), [=](gfx::Bitmap& b) {
    paintBox(b, {.Focused = true, .ShownIndex = 2}, boxHeight);
  });
  // Open: the box with its button pressed and the list of five below.
  const int itemHeight = ListItemHeight(list, true, 20);
  const int listHeight = ListHeightForRows(list, 5, itemHeight);
  auto paintList = [this, list, itemHeight](gfx::Bitmap& b, int y, int height,
                                            const std::vector<std::string>& items, int top,
                                            int chosen, bool withBar) {
    gfx::Bitmap frame;
    PaintListFrame(frame, list ? FSkin : nullptr, list, b.Width(), height);
    const auto* bar =
        list ? Find<TbsDataSkinScrollBarControl>(FSkin, list->vscrollbarname) : nullptr;
    const int barWidth = bar ? bar->skinrect.Width() : 19;
    const TbsListAreas areas = ListAreas(list, barWidth, withBar, b.Width(), height);
    gfx::DeviceContext fdc(frame);
    const TbsItemContent content{&items, nullptr, -1};
    for (int i = 0;
         top + i < static_cast<int>(items.size()) && (i + 1) * itemHeight <= areas.Rows.Height();
         ++i)
      PaintListRow(fdc, areas.Rows.left, areas.Rows.top + i * itemHeight, areas.Rows.Width(),
                   itemHeight, list ? FSkin : nullptr, list, {.Selected = top + i == chosen},
                   content, top + i);
    if (withBar) {
      const int rows = areas.Rows.Height() / std::max(itemHeight, 1);
      TbsScrollBarRange range{.Kind = sbVertical,
                              .Min = 0,
                              .Max = static_cast<int>(items.size()) - 1,
                              .Position = top,
                              .PageSize = rows};
      TbsScrollBarLayout layout;
      const TRect r = areas.VScrollBar;
      LayoutScrollBar(layout, bar, range, r.Width(), r.Height());
      gfx::Bitmap look;
      if (bar != nullptr) {
        PaintScrollBarSkinLook(look, *FSkin, *bar, range, layout, {}, r.Width(), r.Height());
      } else {
        look = gfx::Bitmap(r.Width(), r.Height());
        gfx::DeviceContext ldc(look);
        PaintScrollBarPlainLook(ldc, range, layout, {}, r.Width(), r.Height());
      }
      fdc.DrawBitmap(r.left, r.top, look);
    }
    Put(b, frame, 0, y);
  };
  new TLookSwatch(
      this, TRect::FromXYWH(10, Y + 74, 187, boxHeight + listHeight), [=](gfx::Bitmap& b) {
        paintBox(b, {.Focused = true, .ButtonHot = true, .Pressed = true, .ShownIndex = 1},
                 boxHeight);
        paintList(b, boxHeight, listHeight, kSeverities, 0, 3, false);
      });
  // A list of twelve packages showing eight rows, scrolled a little.
  const int longHeight = ListHeightForRows(list, 8, itemHeight);
  new TLookSwatch(this, TRect::FromXYWH(215, Y + 18, 187, longHeight),
                  [=](gfx::Bitmap& b) { paintList(b, 0, longHeight, kPackages, 2, 4, true); });
}

void TSkinPreviewForm::AddBarAndUpDownLooks(int Y) {
  AddCaption(420, Y, "scroll bars and up-downs");
  auto* vbar = new TbsSkinScrollBar(this);
  vbar->SetParent(this);
  vbar->SetKind(sbVertical);
  vbar->SetSkinDataName("vscrollbar");
  vbar->SetBounds(420, Y + 18, 19, 160);
  vbar->SetRange(0, 99, 20, 30);
  vbar->SetSkinData(FSkin);
  auto* hbar = new TbsSkinScrollBar(this);
  hbar->SetParent(this);
  hbar->SetBounds(450, Y + 18, 200, 19);
  hbar->SetRange(0, 99, 0, 60);
  hbar->SetSkinData(FSkin);

  // The up-down to try, then its hot and pressed looks.
  auto* ud = new TbsSkinUpDown(this);
  ud->SetParent(this);
  ud->SetOrientation(udVertical);
  ud->SetSkinDataName("vupdown");
  ud->SetBounds(450, Y + 50, 18, 36);
  ud->SetSkinData(FSkin);
  const auto* record = Find<TbsDataSkinUpDownControl>(FSkin, "vupdown");
  for (int i = 0; i < 3; ++i) {
    new TLookSwatch(this, TRect::FromXYWH(480 + i * 28, Y + 50, 18, 36),
                    [this, record, i](gfx::Bitmap& b) {
                      TbsUpDownButtons buttons;
                      LayoutUpDownButtons(buttons, record, udVertical, b.Width(), b.Height());
                      buttons.Up.MouseOver = i >= 1;
                      buttons.Up.Down = i == 2;
                      buttons.Down.MouseOver = i == 2;
                      if (record == nullptr) {
                        gfx::DeviceContext dc(b);
                        PaintUpDownPlainLook(dc, udVertical, buttons);
                        return;
                      }
                      gfx::Bitmap look;
                      PaintUpDownSkinLook(look, *FSkin, *record, buttons);
                      Put(b, look);
                    });
  }
}

void TSkinPreviewForm::AddLabelsAndBevel(int Y) {
  AddCaption(10, Y, "Package / Paket:");
  auto* disabled = new TbsSkinStdLabel(this);
  disabled->SetParent(this);
  disabled->SetBounds(150, Y, 10, 10);
  disabled->SetCaption("Disabled label");
  disabled->SetEnabled(false);
  disabled->SetSkinData(FSkin);
  auto* link = new TbsSkinLinkLabel(this);
  link->SetParent(this);
  link->SetBounds(280, Y, 10, 10);
  link->SetCaption("A link label");
  link->SetSkinData(FSkin);
  auto* bevel = new TbsSkinBevel(this);
  bevel->SetParent(this);
  bevel->SetBounds(420, Y - 4, 100, 70);
  bevel->SetSkinData(FSkin);
  auto* divider = new TbsSkinBevel(this);
  divider->SetParent(this);
  divider->SetBounds(530, Y - 4, 100, 70);
  divider->SetShape(bsTopLine);
  divider->SetDividerMode(true);
  divider->SetSkinData(FSkin);
}

namespace {

int PreviewUsage(const std::string& message) {
  std::fprintf(stderr,
               "tilebrook-skin: %s\nusage: tilebrook-skin preview [--plain] [--screenshot "
               "FILE.png] [--dialogs FILE.png] [SOURCE]\n",
               message.c_str());
  return 2;
}

}  // namespace

std::unique_ptr<TbsSkinData> LoadShownSkin(const std::string& source) {
  std::unique_ptr<TbsSkinData> skin;
  try {
    if (!source.empty()) {
      skin = LoadSkinSource(source).data;
    } else {
      TbsStoredSkin stored(nullptr);
      ReadProductSkin(stored);
      skin = std::make_unique<TbsSkinData>(nullptr);
      skin->ApplyStoredSkin(&stored);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tilebrook-skin: %s\n", e.what());
    return nullptr;
  }
  if (skin->Empty) {
    std::fprintf(stderr, "tilebrook-skin: the skin was refused\n");
    return nullptr;
  }
  return skin;
}

void SettleHeadless(win::HeadlessDesktop& headless, TApplication& application) {
  for (int i = 0; i < 15; ++i) {
    application.ProcessMessages();
    headless.Clock().Advance(20);
  }
  application.ProcessMessages();
  win::GdiFlush();
}

int ShowToolForm(const std::string& title, const std::string& screenshot,
                 const std::function<TForm*(TApplication&)>& make,
                 const std::function<void(TApplication&)>& shown) {
  if (!screenshot.empty()) {
    win::HeadlessDesktop headless;
    TScreen screen;
    TApplication application;
    TForm* form = make(application);
    application.AddForm(form);
    form->Show();
    if (shown)
      shown(application);
    SettleHeadless(headless, application);
    if (!headless.Backend().SaveWindowShot(form->Handle(), screenshot)) {
      std::fprintf(stderr, "tilebrook-skin: cannot write %s\n", screenshot.c_str());
      return 1;
    }
    return 0;
  }
#if TILEBROOK_PREVIEW_X11
  std::unique_ptr<win::Desktop> desktop = win::OpenDesktopOrExit("tilebrook-skin");
  TScreen screen;
  TApplication application;
  application.SetTitle(title);
  application.AddForm(make(application));
  application.Run();
  return 0;
#else
  (void)title;
  std::fprintf(stderr,
               "tilebrook-skin: this build has no display backend; use --screenshot FILE.png\n");
  return 1;
#endif
}

int PreviewCommand(const std::vector<std::string>& args) {
  bool plain = false;
  std::string screenshot, dialogs, source;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--plain") {
      plain = true;
    } else if (args[i] == "--screenshot") {
      if (i + 1 >= args.size() || args[i + 1].empty())
        return PreviewUsage("--screenshot needs a file name");
      screenshot = args[++i];
    } else if (args[i] == "--dialogs") {
      if (i + 1 >= args.size() || args[i + 1].empty())
        return PreviewUsage("--dialogs needs a file name");
      dialogs = args[++i];
    } else if (!args[i].empty() && args[i][0] == '-') {
      return PreviewUsage("unknown option " + args[i]);
    } else if (source.empty()) {
      source = args[i];
    } else {
      return PreviewUsage("give at most one skin");
    }
  }
  const std::unique_ptr<TbsSkinData> skin = LoadShownSkin(source);
  if (!skin)
    return 1;
  TbsSkinData* shown = plain ? nullptr : skin.get();
  if (!dialogs.empty()) {
    if (!SaveDialogsScreenshot(shown, dialogs)) {
      std::fprintf(stderr, "tilebrook-skin: cannot write %s\n", dialogs.c_str());
      return 1;
    }
    if (screenshot.empty())
      return 0;
  }
  return ShowToolForm("Skin preview", screenshot, [shown](TApplication& application) {
    return new TSkinPreviewForm(&application, shown);
  });
}
