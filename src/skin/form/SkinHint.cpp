#include "skin/form/SkinHint.h"

#include <algorithm>

#include "platform/gfx/DeviceContext.h"
#include "platform/win/Win.h"
#include "skin/data/SkinFont.h"
#include "ui/Form.h"
#include "ui/Timer.h"

namespace {

// The visible rows of the arrow cursor below its hot spot, the pointer
// every hint is shown for; other cursors count at the system's cursor size.
constexpr int kArrowCursorHeight = 20;

gfx::Size MeasureText(const gfx::Font& font, const std::string& text) {
  gfx::Bitmap scratch(1, 1);
  gfx::DeviceContext dc(scratch);
  dc.SelectFont(font);
  gfx::Rect r{0, 0, 0, 0};
  dc.DrawText(text, r, gfx::DT_CALCRECT);
  return {r.Width(), r.Height()};
}

}  // namespace

// -- TbsSkinHintWindow ------------------------------------------------------------

TbsSkinHintWindow::TbsSkinHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

void TbsSkinHintWindow::CreateParams(TCreateParams& Params) {
  THintWindow::CreateParams(Params);
  Params.Style &= ~win::WS_BORDER;
}

const TbsDataSkinHintWindow* TbsSkinHintWindow::Record() const {
  if (FHint == nullptr || FHint->SkinData() == nullptr || FHint->SkinData()->Empty)
    return nullptr;
  const TbsSkinData& skin = *FHint->SkinData();
  const TbsDataSkinHintWindow* record = skin.HintWindowRecord.get();
  if (record == nullptr || skin.ActivePicture(record->windowpictureindex) == nullptr)
    return nullptr;
  return record;
}

void TbsSkinHintWindow::PrepareFont() {
  TFont& font = Canvas().Font();
  font.Assign(FHint->DefaultFont());
  if (const TbsDataSkinHintWindow* r = Record(); r != nullptr && FHint->UseSkinFont) {
    font.SetHeight(r->fontheight);
    font.SetName(r->fontname);
    font.SetStyle(ToFontStyles(r->fontstyle));
  }
}

void TbsSkinHintWindow::ActivateHint(TRect Rect, const std::string& AHint) {
  FHint = Application ? TbsSkinHint::ActiveHintOf(Application->MainForm()) : nullptr;
  if (FHint == nullptr) {
    ReleaseHandle();
    return;
  }
  const TbsDataSkinHintWindow* record = Record();
  FSkinLook = record != nullptr;
  PrepareFont();
  SetCaption(AHint);
  const gfx::Size text = MeasureText(Canvas().Font().Handle(), AHint);
  int w = text.cx + 4;
  int h = text.cy + 4;
  const gfx::Bitmap* picture = nullptr;
  if (FSkinLook) {
    picture = FHint->SkinData()->ActivePicture(record->windowpictureindex);
    const gfx::Rect& c = record->clientrect;
    const int pw = picture->Width();
    const int ph = picture->Height();
    w = std::max(text.cx + c.left + pw - c.right, pw);
    h = std::max(text.cy + c.top + ph - c.bottom, ph);
    FLayout =
        TbsFrameLayout{record->lefttoppoint,     record->righttoppoint, record->leftbottompoint,
                       record->rightbottompoint, record->clientrect,    record->leftstretch,
                       record->rightstretch,     record->topstretch,    record->bottomstretch};
    FSized = SizeFrameLayout(FLayout, {pw, ph}, w, h);
  }

  // Near the right or bottom edge of its monitor the hint goes to the
  // other side of its anchor.
  const TRect m = MonitorRectAt(Rect.TopLeft());
  int x = Rect.left;
  int y = Rect.top;
  if (x + w > m.right)
    x -= w + 2;
  if (y + h > m.bottom)
    y -= h + 2;
  SetBounds(x, y, w, h);
  HandleNeeded();

  if (FHint->AlphaBlend != FAlphaBlend) {
    FAlphaBlend = FHint->AlphaBlend;
    const auto ex = win::GetWindowLong(Handle(), win::GWL_EXSTYLE);
    win::SetWindowLong(Handle(), win::GWL_EXSTYLE,
                       FAlphaBlend ? ex | win::WS_EX_LAYERED : ex & ~win::WS_EX_LAYERED);
    FAlphaBlendValue = -1;
  }
  if (FAlphaBlend && FHint->AlphaBlendValue != FAlphaBlendValue) {
    FAlphaBlendValue = FHint->AlphaBlendValue;
    win::SetLayeredWindowAttributes(Handle(), 0, FHint->AlphaBlendValue, win::LWA_ALPHA);
  }

  FRegion.reset();
  if (FSkinLook)
    if (const gfx::Bitmap* mask = FHint->SkinData()->ActivePicture(record->maskpictureindex))
      FRegion = WindowPictureRegion(*mask, FLayout, FSized);
  win::SetWindowRgn(Handle(), FRegion, false);

  win::SetWindowPos(Handle(), win::HWND_TOPMOST, x, y, 0, 0,
                    win::SWP_SHOWWINDOW | win::SWP_NOACTIVATE | win::SWP_NOSIZE);
  StoreVisible(true);
  Invalidate();
}

void TbsSkinHintWindow::Paint() {
  if (Width() <= 0 || Height() <= 0 || Canvas().Handle() == nullptr)
    return;
  // The component may have gone since the hint was shown.
  FHint = Application ? TbsSkinHint::ActiveHintOf(Application->MainForm()) : nullptr;
  if (FHint == nullptr)
    return;
  const TbsDataSkinHintWindow* record = FSkinLook ? Record() : nullptr;
  gfx::Bitmap buffer(Width(), Height());
  gfx::DeviceContext dc(buffer);
  PrepareFont();
  dc.SelectFont(Canvas().Font().Handle());
  dc.SetBkMode(gfx::TRANSPARENT);
  if (record != nullptr) {
    const gfx::Bitmap* picture = FHint->SkinData()->ActivePicture(record->windowpictureindex);
    ComposeWindowPicture(buffer, *picture, FLayout, FSized, true);
    gfx::DeviceContext skinned(buffer);
    skinned.SelectFont(Canvas().Font().Handle());
    skinned.SetBkMode(gfx::TRANSPARENT);
    skinned.SetTextColor(record->fontcolor);
    const gfx::Size text = MeasureText(Canvas().Font().Handle(), Caption());
    const gfx::Rect& c = FSized.SizedClientRect;
    const int left = c.left + c.Width() / 2 - text.cx / 2;
    const int top = c.top + c.Height() / 2 - text.cy / 2;
    gfx::Rect r{left, top, left + text.cx, top + text.cy};
    skinned.DrawText(Caption(), r, 0);
  } else {
    dc.FillRect({0, 0, Width(), Height()}, gfx::clInfoBk);
    dc.FrameRect({0, 0, Width(), Height()}, gfx::clBtnShadow);
    dc.SetTextColor(gfx::clInfoText);
    gfx::Rect r{2, 2, Width() - 2, Height() - 2};
    dc.DrawText(Caption(), r, 0);
  }
  Canvas().Handle()->BitBlt(0, 0, Width(), Height(), buffer, 0, 0);
}

void TbsSkinHintWindow::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case win::WM_NCPAINT:
      return;
    case win::WM_ERASEBKGND:
      // The picture covers the whole window; erasing first would flicker.
      Message.Result = 1;
      return;
    default:
      THintWindow::WndProc(Message);
  }
}

// -- TbsSkinHint ------------------------------------------------------------------

TbsSkinHint::TbsSkinHint(TComponent* AOwner) : TComponent(AOwner) {
  FHintWindow = new TbsSkinHintWindow(this);
  FTimer = std::make_unique<TTimer>(nullptr);
  FTimer->SetEnabled(false);
  if (!ComponentState().Contains(csDesigning))
    InstallHintWindowClass();
}

TbsSkinHint::~TbsSkinHint() {
  FTimer.reset();
  SetSkinData(nullptr);
  if (Application != nullptr && ActiveHintOf(Application->MainForm()) == nullptr) {
    // The application's hints go back to the plain window.
    Application->OnShowHint = nullptr;
  }
}

// The application makes its hint window anew, of the skinned class, and
// lets this component see every hint before it shows.
void TbsSkinHint::InstallHintWindowClass() {
  if (Application == nullptr)
    return;
  Application->HintWindowClass = [](TComponent* Owner) { return new TbsSkinHintWindow(Owner); };
  Application->SetShowHint(false);
  Application->SetShowHint(true);
  Application->OnShowHint = [this](std::string& HintStr, bool& CanShow, THintInfo& Info) {
    if (OnShowHint)
      OnShowHint(HintStr, CanShow, Info);
  };
  Application->HintShortPause = 100;
}

TbsSkinHint* TbsSkinHint::ActiveHintOf(TComponent* MainForm) {
  if (MainForm == nullptr)
    return nullptr;
  for (int i = 0; i < MainForm->ComponentCount(); ++i)
    if (auto* hint = dynamic_cast<TbsSkinHint*>(MainForm->Components(i)); hint && hint->Active())
      return hint;
  return nullptr;
}

void TbsSkinHint::SetActive(bool Value) {
  FActive = Value;
  if (!Value || Application == nullptr)
    return;
  if (TComponent* main = Application->MainForm(); main != nullptr && main == Owner())
    for (int i = 0; i < main->ComponentCount(); ++i)
      if (auto* other = dynamic_cast<TbsSkinHint*>(main->Components(i)); other && other != this)
        other->FActive = false;
  if (!ComponentState().Contains(csDesigning))
    InstallHintWindowClass();
}

void TbsSkinHint::SetSkinData(TbsSkinData* Value) {
  if (FSD != nullptr)
    FSD->RemoveFreeNotification(this);
  FSD = Value;
  if (FSD != nullptr)
    FSD->FreeNotification(this);
}

void TbsSkinHint::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FSD)
    FSD = nullptr;
}

int TbsSkinHint::CursorBottomMargin() {
  const win::HCURSOR cursor = win::GetCursor();
  if (!cursor || cursor.id == win::IDC_ARROW)
    return kArrowCursorHeight;
  return win::GetSystemMetrics(win::SM_CYCURSOR);
}

void TbsSkinHint::ShowObjectHintText(const std::string& Text) {
  FTimer->SetEnabled(false);
  FObjectHint = Text;
  FTimer->SetInterval(Application ? Application->HintPause : 500);
  FTimer->SetOnTimer([this](TObject*) { ShowHintNow(); });
  FTimer->SetEnabled(true);
}

void TbsSkinHint::ShowHintNow() {
  FTimer->SetEnabled(false);
  gfx::Point at;
  win::GetCursorPos(at);
  at.y += CursorBottomMargin();
  FHintWindow->ActivateHint({at.x, at.y, at.x, at.y}, FObjectHint);
  FTimer->SetInterval(Application ? Application->HintHidePause : 2500);
  FTimer->SetOnTimer([this](TObject*) { HideObjectHint(); });
  FTimer->SetEnabled(true);
}

void TbsSkinHint::HideObjectHint() {
  FTimer->SetEnabled(false);
  if (FHintWindow->HandleAllocated() && win::IsWindowVisible(FHintWindow->Handle()))
    FHintWindow->ReleaseHandle();
}
