#include "skin/form/SkinForm.h"

#include <algorithm>

#include "platform/win/Win.h"
#include "skin/data/SkinChangeClient.h"
#include "skin/form/SkinHint.h"
#include "ui/Application.h"

namespace {

// The container reaches every form of the application through its window
// procedure, so a skinned frame hears of a change like any other message.
void InstallFormDelivery() {
  TbsSkinFormHooks& hooks = SkinFormHooks();
  hooks.Forms = [] {
    std::vector<TComponent*> forms;
    if (Screen)
      for (int i = 0; i < Screen->FormCount(); ++i)
        forms.push_back(Screen->Forms(i));
    return forms;
  };
  hooks.IsForm = [](TComponent* c) { return dynamic_cast<TCustomForm*>(c) != nullptr; };
  hooks.Send = [](TComponent* f, unsigned message, TbsSkinData* sender, intptr_t lParam) {
    if (auto* form = dynamic_cast<TCustomForm*>(f))
      form->Perform(message, reinterpret_cast<win::WPARAM>(sender), lParam);
  };
}

bool ClosesMenus(unsigned message) {
  using namespace win;
  switch (message) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY:
      return true;
    default:
      return false;
  }
}

}  // namespace

TbsSkinForm::TbsSkinForm(TComponent* AOwner)
    : TComponent(AOwner),
      FOwnerForm(dynamic_cast<TCustomForm*>(AOwner)),
      FHoverTimer(nullptr),
      FFadeTimer(nullptr),
      FAnimateTimer(nullptr),
      FDefaultSysMenu(nullptr) {
  for (TFont* font : {&FDefCaptionFont, &FDefInActiveCaptionFont}) {
    font->SetName("Arial");
    font->SetHeight(14);
    font->SetStyle({fsBold});
  }
  FDefCaptionFont.SetColor(gfx::clBtnText);
  FDefInActiveCaptionFont.SetColor(gfx::clBtnShadow);
  const auto timer = [](TTimer& t, unsigned interval, std::function<void()> tick) {
    t.SetEnabled(false);
    t.SetInterval(interval);
    t.SetOnTimer([tick = std::move(tick)](TObject*) { tick(); });
  };
  timer(FHoverTimer, 50, [this] { HoverTimerTick(); });
  timer(FFadeTimer, 20, [this] { FadeTimerTick(); });
  timer(FAnimateTimer, 25, [this] { AnimateTimerTick(); });
  InstallFormDelivery();
  FSkinMenu = new TbsSkinMenu(this, FOwnerForm);
  FSkinMenu->MenusAlphaBlendValue = 200;
  if (FOwnerForm == nullptr || ComponentState().Contains(csDesigning))
    return;
  FOwnerForm->SetBorderIcons({});
  FOldWindowProc = FOwnerForm->WindowProc;
  FOwnerForm->WindowProc = [this](TMessage& m) { HookedWindowProc(m); };
  StripCaptionStyle();
}

TbsSkinForm::~TbsSkinForm() {
  FObjectList.clear();
  // A form frees its components after its own parts are gone, detaching
  // each from its owner first; only a frame removed from a living form
  // gives the form its procedure back. The form is asked through Owner(),
  // never through FOwnerForm, whose form part may already be destroyed.
  const bool ownerAlive = FOwnerForm != nullptr && Owner() != nullptr &&
                          !Owner()->ComponentState().Contains(csDestroying);
  if (ownerAlive && FOldWindowProc) {
    FOwnerForm->WindowProc = FOldWindowProc;
    if (FRegion && FOwnerForm->HandleAllocated())
      win::SetWindowRgn(FOwnerForm->Handle(), std::nullopt, true);
  }
  for (TComponent* c : {static_cast<TComponent*>(FSD), static_cast<TComponent*>(FMenusSD),
                        static_cast<TComponent*>(FSystemMenu), static_cast<TComponent*>(FSkinHint)})
    if (c != nullptr)
      c->RemoveFreeNotification(this);
}

TbsSkinForm* TbsSkinForm::FrameOf(const TCustomForm* form) {
  if (form == nullptr)
    return nullptr;
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* frame = dynamic_cast<TbsSkinForm*>(form->Components(i)))
      return frame;
  return nullptr;
}

// The frame is all ours: the window system keeps no caption or border of
// its own, and the client area is measured again.
void TbsSkinForm::StripCaptionStyle() {
  if (!FOwnerForm->HandleAllocated())
    return;
  const win::HWND h = FOwnerForm->Handle();
  const auto style = win::GetWindowLong(h, win::GWL_STYLE);
  win::SetWindowLong(h, win::GWL_STYLE, style & ~static_cast<win::LONG_PTR>(win::WS_CAPTION));
  win::SetWindowPos(h, {}, 0, 0, 0, 0,
                    win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOZORDER | win::SWP_NOACTIVATE |
                        win::SWP_FRAMECHANGED);
}

void TbsSkinForm::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != TOperation::opRemove)
    return;
  if (AComponent == FSD) {
    FSD = nullptr;
    FObjectList.clear();
    FSkinLoaded = false;
  }
  if (AComponent == FMenusSD)
    FMenusSD = nullptr;
  if (AComponent == FSystemMenu)
    FSystemMenu = nullptr;
  if (AComponent == FSkinHint)
    FSkinHint = nullptr;
}

void TbsSkinForm::SetSkinData(TbsSkinData* Value) {
  if (FSD != nullptr && FSD != Value && FSD != FMenusSD)
    FSD->RemoveFreeNotification(this);
  FSD = Value;
  if (Value != nullptr)
    Value->FreeNotification(this);
  if (!ComponentState().Contains(csDesigning) && !ComponentState().Contains(csDestroying) &&
      FOwnerForm != nullptr)
    ApplySkinData();
}

void TbsSkinForm::SetMenusSkinData(TbsSkinData* Value) {
  if (FMenusSD != nullptr && FMenusSD != Value && FMenusSD != FSD)
    FMenusSD->RemoveFreeNotification(this);
  FMenusSD = Value;
  if (Value != nullptr)
    Value->FreeNotification(this);
}

void TbsSkinForm::SetSkinHint(TbsSkinHint* Value) {
  if (FSkinHint != nullptr)
    FSkinHint->RemoveFreeNotification(this);
  FSkinHint = Value;
  if (Value != nullptr)
    Value->FreeNotification(this);
}

void TbsSkinForm::SetSystemMenu(TPopupMenu* Value) {
  if (FSystemMenu != nullptr)
    FSystemMenu->RemoveFreeNotification(this);
  FSystemMenu = Value;
  if (Value != nullptr)
    Value->FreeNotification(this);
}

// With a skin the skin's own objects are made anew for the new set, so the
// frame never shows the plain buttons on skin pictures, whatever order the
// properties are set in.
void TbsSkinForm::SetBorderIcons(TbsBorderIcons Value) {
  FBorderIcons = Value;
  FActiveObject = FPreviousActiveObject = FCaptureObject = -1;
  if (!FSkinLoaded) {
    CreatePlainButtons();
  } else {
    CreateSkinObjects();
    ApplyBorderIcons();
    CalcSizedGeometry();
    PlaceObjects();
  }
  if (FOwnerForm != nullptr && FOwnerForm->HandleAllocated())
    FOwnerForm->Perform(win::WM_NCPAINT, 1, 0);
}

void TbsSkinForm::SetShowIcon(bool Value) {
  FShowIcon = Value;
  if (FOwnerForm && FOwnerForm->HandleAllocated())
    FOwnerForm->Perform(win::WM_NCPAINT, 1, 0);
}

TbsActiveSkinObject* TbsSkinForm::FindObject(const std::string& IDName) const {
  for (const auto& o : FObjectList)
    if (o->IDName == IDName)
      return o.get();
  return nullptr;
}

// -- Skin ------------------------------------------------------------------

void TbsSkinForm::ApplySkinData() {
  FActiveObject = FPreviousActiveObject = FCaptureObject = -1;
  // A skin, even the same container loaded anew, may bring another mask.
  FRegionSize.reset();
  FSkinLoaded = FSD != nullptr && SkinCanDrawFrame(*FSD);
  if (FSkinLoaded) {
    CreateSkinObjects();
    ApplyBorderIcons();
  } else {
    // The plain frame's own buttons, ready for the mouse before the first
    // paint.
    CreatePlainButtons();
    RemoveWindowRegion();
  }
  EnforceMinimumSize();
  FFrameWidth = FOwnerForm->Width();
  FFrameHeight = FOwnerForm->Height();
  if (FSkinLoaded) {
    UpdateFrame();
  } else {
    CalcSizedGeometry();
    PlaceObjects();
  }
  if (FOwnerForm->HandleAllocated()) {
    win::RedrawWindow(FOwnerForm->Handle(), nullptr, nullptr,
                      win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_FRAME | win::RDW_ALLCHILDREN);
  }
  UpdateCaptionActive(true);
  // Objects light up only in the active window, so an inactive one needs
  // no polling.
  FHoverTimer.SetEnabled(WindowIsActive());
  if (OnChangeSkinData)
    OnChangeSkinData(this);
}

void TbsSkinForm::EnforceMinimumSize() {
  const int mw = MinFrameWidth(), mh = MinFrameHeight();
  const int w = FOwnerForm->Width(), h = FOwnerForm->Height();
  if (w < mw && h < mh)
    FOwnerForm->SetBounds(FOwnerForm->Left(), FOwnerForm->Top(), mw, mh);
  else if (h < mh)
    FOwnerForm->SetHeight(mh);
  else if (w < mw)
    FOwnerForm->SetWidth(mw);
  else
    NudgeWidth();
  if ((FRollUpState || FFormState == TbsFormState::Minimized) && FOwnerForm->Height() != mh)
    FOwnerForm->SetHeight(mh);
  if (FFormState == TbsFormState::Minimized && FOwnerForm->Width() != mw)
    FOwnerForm->SetWidth(mw);
}

// The client area is measured again when the size changes, so a change of
// frame shows even when the window keeps its size.
void TbsSkinForm::NudgeWidth() {
  if (!FOwnerForm->HandleAllocated())
    return;
  win::SetWindowPos(FOwnerForm->Handle(), {}, 0, 0, 0, 0,
                    win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOZORDER | win::SWP_NOACTIVATE |
                        win::SWP_FRAMECHANGED);
}

void TbsSkinForm::CalcSizedGeometry() {
  if (FFrameWidth == 0)
    FFrameWidth = FOwnerForm->Width();
  if (FFrameHeight == 0)
    FFrameHeight = FOwnerForm->Height();
  if (FSkinLoaded)
    FSized = ::CalcSizedGeometry(*FSD, FFrameWidth, FFrameHeight);
}

void TbsSkinForm::UpdateFrame() {
  if (ComponentState().Contains(csDesigning) || !FSkinLoaded)
    return;
  CalcSizedGeometry();
  PlaceObjects();
  UpdateWindowRegion();
  if (!FRegion && FOwnerForm->HandleAllocated())
    FOwnerForm->Perform(win::WM_NCPAINT, 1, 0);
}

void TbsSkinForm::RemoveWindowRegion() {
  FRegionDue = false;
  FMaskStrips = {};
  FMaskStripsDue.reset();
  FRegionSize.reset();
  if (!FRegion)
    return;
  FRegion.reset();
  if (FOwnerForm->HandleAllocated())
    win::SetWindowRgn(FOwnerForm->Handle(), std::nullopt, true);
}

void TbsSkinForm::UpdateWindowRegion() {
  if (FOwnerForm->BorderStyle() == bsNone || !FSkinLoaded || !SkinHasUsableMask(*FSD)) {
    RemoveWindowRegion();
    return;
  }
  if (FOwnerForm->HandleAllocated() && !win::IsWindowVisible(FOwnerForm->Handle())) {
    FRegionDue = true;
    return;
  }
  CutWindowRegion();
}

void TbsSkinForm::CutWindowRegion() {
  FRegionDue = false;
  if (!FSkinLoaded || FSD == nullptr || !SkinHasUsableMask(*FSD))
    return;
  // The shape depends only on the skin and the frame's size: a window that
  // already holds the shape for its size keeps it, and is only redrawn as a
  // new shape would redraw it.
  const gfx::Size size{FSized.Width, FSized.Height};
  if (FRegion && FRegionSize == size && FOwnerForm->HandleAllocated() &&
      win::GetWindowRgn(FOwnerForm->Handle()) == FRegion) {
    win::RedrawWindow(FOwnerForm->Handle(), nullptr, nullptr,
                      win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_FRAME | win::RDW_ALLCHILDREN);
    return;
  }
  FRegion = FrameShapeRegion(*FSD, FSized);
  FMaskStripsDue = FSized;
  FRegionSize = size;
  if (FOwnerForm->HandleAllocated())
    win::SetWindowRgn(FOwnerForm->Handle(), FRegion, true);
}

const TbsFrameStrips& TbsSkinForm::ComposedMaskStrips() const {
  if (FMaskStripsDue && FSD != nullptr) {
    ComposeMaskStrips(FMaskStrips, *FSD, *FMaskStripsDue);
    FMaskStripsDue.reset();
  }
  return FMaskStrips;
}

int TbsSkinForm::MinFrameWidth() const {
  if (FSkinLoaded) {
    const int pw = FSD->Picture.Width();
    return FMinWidth > pw && FFormState != TbsFormState::Minimized ? FMinWidth : pw;
  }
  return FMinWidth > 0 ? FMinWidth : 120;
}

int TbsSkinForm::MinFrameHeight() const {
  const int frame =
      FSkinLoaded ? FSD->Picture.Height() - FSD->clientrect.Height() : PlainCaptionHeight() + 6;
  if (frame >= FMinHeight || FRollUpState || FFormState == TbsFormState::Minimized)
    return frame;
  return FMinHeight;
}

bool TbsSkinForm::WindowIsActive() const {
  if (FActivating)
    return *FActivating;
  return FOwnerForm != nullptr && FOwnerForm->Active();
}

bool TbsSkinForm::Sizeable() const {
  const TFormBorderStyle b = FOwnerForm->BorderStyle();
  return b == bsSizeable || b == bsSizeToolWin;
}

// -- Skin change notices -----------------------------------------------------

void TbsSkinForm::SkinNotice(TMessage& Message) {
  auto* container = reinterpret_cast<TbsSkinData*>(Message.WParam);
  const bool own = container != nullptr && container == FSD;
  switch (Message.Msg) {
    case SkinChangeBeginMessage:
      if (!own)
        return;
      FSkinLoaded = false;
      FHoverTimer.SetEnabled(false);
      FFadeTimer.SetEnabled(false);
      FAnimateTimer.SetEnabled(false);
      FActiveObject = FPreviousActiveObject = FCaptureObject = -1;
      FObjectList.clear();
      NotifySkinControls(FOwnerForm, SkinChangeBeginMessage, container);
      return;
    case SkinChangedMessage:
      if (own)
        ApplySkinData();
      NotifySkinControls(FOwnerForm, SkinChangedMessage, container);
      return;
    case CloseSkinMenuMessage:
      SkinMenuClosed();
      return;
    default:
      return;
  }
}

// -- The hook ------------------------------------------------------------------

void TbsSkinForm::HookedWindowProc(TMessage& Message) {
  if (ClosesMenus(Message.Msg))
    CloseFrameMenus();
  if (Message.Msg >= SkinChangeBeginMessage && Message.Msg <= CloseSkinMenuMessage) {
    SkinNotice(Message);
    CallOld(Message);
    return;
  }
  if (HandleMouseMessage(Message) || HandleFrameMessage(Message))
    return;
  CallOld(Message);
}

void TbsSkinForm::CloseFrameMenus() {
  if (FShowObjectHint && FSkinHint != nullptr)
    FSkinHint->HideObjectHint();
  // Closing the menu's levels tells the frame through CloseSkinMenuMessage;
  // a state left open without levels is reset directly.
  if (FSkinMenu != nullptr && FSkinMenu->IsOpen())
    FSkinMenu->CloseAllLevels();
  if (FSkinMenuOpen)
    SkinMenuClosed();
}
