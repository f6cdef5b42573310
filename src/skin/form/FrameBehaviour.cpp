// Window behaviour of the skinned frame: hit testing, hover tracking, the
// frame's own minimise, maximise and roll-up, the work area and
// translucency.

#include <algorithm>

#include "platform/win/Win.h"
#include "skin/form/SkinForm.h"
#include "skin/form/SkinHint.h"
#include "ui/Application.h"

using gfx::Point;
using gfx::Rect;

namespace {

constexpr unsigned kFadeInTimer = 1;

bool Inside(Point p, const Rect& r) {
  return r.Contains(p);
}

}  // namespace

Point TbsSkinForm::ToFramePoint(Point Screen) const {
  return {Screen.x - FOwnerForm->Left(), Screen.y - FOwnerForm->Top()};
}

void TbsSkinForm::HitTest(TMessage& m) {
  CutDueWindowRegion();
  const Point p = ToFramePoint({win::GET_X_LPARAM(m.LParam), win::GET_Y_LPARAM(m.LParam)});
  // Without a frame the client area covers the whole window.
  if (FOwnerForm->BorderStyle() == bsNone)
    m.Result = win::HTCLIENT;
  else
    m.Result = FSkinLoaded ? SkinHitTest(p) : PlainHitTest(p);
  if (m.Result == win::HTOBJECT && !FHoverTimer.Enabled() && !FInSizeMove) {
    TrackActiveObject(p, true);
    FHoverTimer.SetEnabled(WindowIsActive());
  }
}

win::LRESULT TbsSkinForm::SkinHitTest(Point P) const {
  using namespace win;
  const Rect& client = FSized.SizedClientRect;
  const auto inCaption = [&] {
    for (const auto& o : FObjectList)
      if (o->IsCaption() && o->Visible && Inside(P, o->ObjectRect))
        return true;
    return false;
  };
  if (!FRollUpState && FFormState != TbsFormState::Minimized) {
    if (FActiveObject != -1 && !inCaption() && !Inside(P, client) && !FInSizeMove)
      return HTOBJECT;
    if (FFormState != TbsFormState::Maximized && Sizeable()) {
      const int b = FSD->borderwidth;
      const Point probes[] = {{P.x - b, P.y}, {P.x, P.y - b}, {P.x + b, P.y}, {P.x, P.y + b}};
      const Rect window{0, 0, FOwnerForm->Width(), FOwnerForm->Height()};
      const TbsFrameStrips& mask = ComposedMaskStrips();
      const bool masked = !mask.Top.IsEmpty() || !mask.Bottom.IsEmpty() || !mask.Left.IsEmpty() ||
                          !mask.Right.IsEmpty();
      bool nearEdge = false;
      for (const Point& q : probes) {
        if (masked)
          nearEdge |= !Inside(P, FSized.SizedMaskArea) && !PointInFrameShape(mask, FSized, q);
        else
          nearEdge |= !Inside(q, window);
      }
      if (!nearEdge) {
        if (Inside(P, client))
          return HTCLIENT;
        return inCaption() ? HTCAPTION : HTOBJECT;
      }
      const Point lt = FSized.SizedHitLeftTop, rt = FSized.SizedHitRightTop;
      const Point lb = FSized.SizedHitLeftBottom, rb = FSized.SizedHitRightBottom;
      if (P.x <= lt.x && P.y <= lt.y)
        return HTTOPLEFT;
      if (P.x >= rt.x && P.y <= rt.y)
        return HTTOPRIGHT;
      if (P.x <= lb.x && P.y >= lb.y)
        return HTBOTTOMLEFT;
      if (P.x >= rb.x && P.y >= rb.y)
        return HTBOTTOMRIGHT;
      if (Inside(P, {lt.x, 0, rt.x, client.top}))
        return HTTOP;
      if (Inside(P, {lb.x, client.bottom, rb.x, window.bottom}))
        return HTBOTTOM;
      if (Inside(P, {0, lt.y, client.left, lb.y}))
        return HTLEFT;
      if (Inside(P, {client.right, rt.y, window.right, rb.y}))
        return HTRIGHT;
    }
    if (Inside(P, client))
      return HTCLIENT;
  }
  return inCaption() ? HTCAPTION : HTOBJECT;
}

win::LRESULT TbsSkinForm::PlainHitTest(Point P) const {
  using namespace win;
  const int w = FOwnerForm->Width(), h = FOwnerForm->Height();
  const bool edges = FFormState == TbsFormState::Normal && !FRollUpState && Sizeable();
  if (edges) {
    if (FActiveObject != -1)
      return HTOBJECT;
    constexpr int e = 2;
    if (P.x <= e && P.y <= e)
      return HTTOPLEFT;
    if (P.x >= w - e && P.y <= e)
      return HTTOPRIGHT;
    if (P.x <= e && P.y >= h - e)
      return HTBOTTOMLEFT;
    if (P.x >= w - e && P.y >= h - e)
      return HTBOTTOMRIGHT;
    if (P.x <= e)
      return HTLEFT;
    if (P.y <= e)
      return HTTOP;
    if (P.x >= w - e)
      return HTRIGHT;
    if (P.y >= h - e)
      return HTBOTTOM;
  }
  Rect caption = PlainCaptionRect();
  for (const auto& o : FObjectList) {
    if (!o->Visible || !Inside(P, o->ObjectRect))
      continue;
    return HTOBJECT;
  }
  if (Inside(P, caption))
    return HTCAPTION;
  if (!FRollUpState && Inside(P, {3, PlainCaptionHeight() + 3, w - 3, h - 3}))
    return HTCLIENT;
  return HTOBJECT;
}

// An object's hint goes to the frame's hint component, and to whoever
// listens for it.
void TbsSkinForm::ObjectHint(TbsActiveSkinObject& Object, bool Show) {
  if (FSkinHint != nullptr) {
    if (Show)
      FSkinHint->ShowObjectHintText(Object.Hint);
    else
      FSkinHint->HideObjectHint();
  }
  if (OnObjectHint)
    OnObjectHint(Object, Show);
}

void TbsSkinForm::TrackActiveObject(Point P, bool InFrame) {
  if (FObjectList.empty() || !WindowIsActive())
    return;
  FPreviousActiveObject = FActiveObject;
  int candidate = -1;
  for (size_t i = 0; i < FObjectList.size(); ++i) {
    const auto& o = FObjectList[i];
    if (o->Enabled && o->Visible && Inside(P, o->ObjectRect)) {
      candidate = static_cast<int>(i);
      break;
    }
  }
  int next = InFrame ? candidate : -1;
  if (FCaptureObject != -1 && next != FCaptureObject)
    next = -1;
  if (next >= static_cast<int>(FObjectList.size()))
    next = -1;
  if (next == FActiveObject)
    return;
  FActiveObject = next;
  const int count = static_cast<int>(FObjectList.size());
  const bool hints = FShowObjectHint && (FSkinHint != nullptr || OnObjectHint);
  if (FPreviousActiveObject >= 0 && FPreviousActiveObject < count) {
    TbsActiveSkinObject& previous = *FObjectList[FPreviousActiveObject];
    if (previous.Enabled && previous.Visible) {
      previous.MouseLeave();
      if (hints && !previous.Hint.empty())
        ObjectHint(previous, false);
    }
  }
  if (FActiveObject >= 0) {
    TbsActiveSkinObject& now = *FObjectList[FActiveObject];
    if (now.Enabled && now.Visible) {
      now.MouseEnter();
      if (hints && !now.Hint.empty())
        ObjectHint(now, true);
    }
  }
}

void TbsSkinForm::HoverTimerTick() {
  if (!WindowIsActive() || FInSizeMove) {
    FHoverTimer.SetEnabled(false);
    return;
  }
  Point cursor;
  win::GetCursorPos(cursor);
  const Point p = ToFramePoint(cursor);
  const Rect client = FSkinLoaded ? FSized.SizedClientRect
                                  : Rect{3, PlainCaptionHeight() + 3, FOwnerForm->Width() - 3,
                                         FOwnerForm->Height() - 3};
  if (!Inside(p, client) || FRollUpState)
    TrackActiveObject(p, true);
  else if (FActiveObject != -1)
    TrackActiveObject({-1, -1}, true);
}

void TbsSkinForm::FadeTimerTick() {
  bool moved = false;
  for (const auto& o : FObjectList) {
    if (o->Morphing && o->CanMorph()) {
      o->MorphStep();
      moved = true;
    }
  }
  if (!moved)
    FFadeTimer.SetEnabled(false);
}

void TbsSkinForm::AnimateTimerTick() {
  bool playing = false;
  for (const auto& o : FObjectList)
    if (auto* a = dynamic_cast<TbsSkinAnimateObject*>(o.get()))
      playing |= a->AnimationTick();
  if (!playing)
    FAnimateTimer.SetEnabled(false);
}

bool TbsSkinForm::ResetObjectStates() {
  bool changed = false;
  for (const auto& o : FObjectList) {
    if (auto* a = dynamic_cast<TbsSkinAnimateObject*>(o.get())) {
      changed |= a->Hovered || a->Playing || a->CurrentFrame != 1;
      a->Hovered = false;
      a->Stop();
      a->CurrentFrame = 1;
    } else if (!o->IsCaption()) {
      changed |= o->Highlighted || o->Hovered || o->MorphProgress != 0;
      o->Highlighted = o->Hovered = false;
      o->MorphProgress = 0;
    }
  }
  return changed;
}

void TbsSkinForm::UpdateCaptionActive(bool Repaint, bool PaintAnyway) {
  const bool active = WindowIsActive();
  bool changed = false;
  for (const auto& o : FObjectList) {
    if (!o->IsCaption() || o->Highlighted == active)
      continue;
    o->Highlighted = active;
    changed = true;
    if (Repaint && o->Morphing)
      FFadeTimer.SetEnabled(true);
    else if (!Repaint)
      o->MorphProgress = active ? 1 : 0;
    break;
  }
  // One paint shows the frame and the caption's new look together; a frame
  // painted first with the old caption look would be overwritten unseen.
  if (Repaint && (changed || PaintAnyway) && FOwnerForm->HandleAllocated()) {
    if (FFramePaintDue)
      InvalidateFrame();
    else
      FOwnerForm->Perform(win::WM_NCPAINT, 1, 0);
  }
  if (active && OnActivate)
    OnActivate(this);
  else if (!active && OnDeActivate)
    OnDeActivate(this);
}

// -- Window state ------------------------------------------------------------

Rect TbsSkinForm::WorkArea(bool Full) const {
  win::MONITORINFO info;
  const win::HMONITOR monitor =
      FOwnerForm->HandleAllocated()
          ? win::MonitorFromWindow(FOwnerForm->Handle(), win::MONITOR_DEFAULTTONEAREST)
          : win::MonitorFromPoint({FOwnerForm->Left(), FOwnerForm->Top()},
                                  win::MONITOR_DEFAULTTONEAREST);
  if (win::GetMonitorInfo(monitor, info))
    return Full ? info.rcMonitor : info.rcWork;
  return {0, 0, win::GetSystemMetrics(win::SM_CXSCREEN), win::GetSystemMetrics(win::SM_CYSCREEN)};
}

void TbsSkinForm::SetFormState(TbsFormState Value) {
  if (Value == FFormState)
    return;
  const bool mainForm = Application != nullptr && Application->MainForm() == FOwnerForm;
  if (!(Value == TbsFormState::Minimized && mainForm))
    FFormState = Value;
  switch (Value) {
    case TbsFormState::Minimized:
      if (mainForm) {
        Application->Minimize();
        return;
      }
      if (FRestoreBounds.IsEmpty())
        FRestoreBounds = FOwnerForm->BoundsRect();
      {
        const int w = MinFrameWidth(), h = MinFrameHeight();
        const Rect a = WorkArea(false);
        Point at{a.left, a.bottom - h};
        const auto taken = [&](Point p) {
          if (!Screen)
            return false;
          for (int i = 0; i < Screen->FormCount(); ++i) {
            TCustomForm* f = Screen->Forms(i);
            if (f == FOwnerForm || f == Application->MainForm() || !f->Visible())
              continue;
            TbsSkinForm* frame = FrameOf(f);
            if (frame && frame->FFormState == TbsFormState::Minimized && f->Left() == p.x &&
                f->Top() == p.y)
              return true;
          }
          return false;
        };
        while (taken(at)) {
          at.x += w;
          if (at.x + w > a.right) {
            at = {a.left, at.y - h};
            if (at.y < a.top) {
              at = {a.left, a.bottom - h};
              break;
            }
          }
        }
        FOwnerForm->SetBounds(at.x, at.y, w, h);
      }
      return;
    case TbsFormState::Maximized: {
      if (FRestoreBounds.IsEmpty())
        FRestoreBounds = FOwnerForm->BoundsRect();
      Rect r = WorkArea(FMaximizeOnFullScreen);
      // A taskbar hidden at a screen edge stays reachable.
      if (!FMaximizeOnFullScreen && r == WorkArea(true))
        r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
      FOwnerForm->SetBounds(r.left, r.top, r.Width(), r.Height());
      return;
    }
    case TbsFormState::Normal: {
      FRolledWhileMaximized = false;
      const Rect before = FOwnerForm->BoundsRect();
      if (!FRestoreBounds.IsEmpty())
        FOwnerForm->SetBounds(FRestoreBounds.left, FRestoreBounds.top, FRestoreBounds.Width(),
                              FRestoreBounds.Height());
      FHoverTimer.SetEnabled(WindowIsActive());
      if (FOwnerForm->BoundsRect().GetSize() == before.GetSize())
        NudgeWidth();
      FOwnerForm->Invalidate();
      FRestoreBounds = {};
      return;
    }
  }
}

void TbsSkinForm::RollUp(bool Value) {
  if (!FBorderIcons.Contains(TbsBorderIcon::biRollUp) || FFormState == TbsFormState::Minimized)
    return;
  if (FRollUpState && FFormState == TbsFormState::Maximized && !FRolledWhileMaximized)
    return;
  if (Value == FRollUpState)
    return;
  if (FFormState == TbsFormState::Maximized)
    FRolledWhileMaximized = Value;
  if (Value) {
    FRestoreHeight = FOwnerForm->Height();
    FRollUpState = true;
    FOwnerForm->SetHeight(MinFrameHeight());
  } else {
    FRollUpState = false;
    FOwnerForm->SetHeight(FRestoreHeight);
  }
  if (FOwnerForm->HandleAllocated())
    FOwnerForm->Perform(win::WM_NCPAINT, 1, 0);
  if (OnChangeRollUpState)
    OnChangeRollUpState(this);
}

// -- Translucency ------------------------------------------------------------

void TbsSkinForm::SetAlphaBlend(bool Value) {
  if (Value == FAlphaBlend)
    return;
  FAlphaBlend = Value;
  ApplyAlpha();
}

void TbsSkinForm::SetAlphaBlendValue(int Value) {
  Value = std::clamp(Value, 0, 255);
  if (Value == FAlphaBlendValue)
    return;
  FAlphaBlendValue = Value;
  if (FAlphaBlend)
    ApplyAlpha();
}

void TbsSkinForm::SetLayeredAlpha(int Alpha) {
  const win::HWND h = FOwnerForm->Handle();
  const auto ex = win::GetWindowLong(h, win::GWL_EXSTYLE);
  win::SetWindowLong(h, win::GWL_EXSTYLE, ex | static_cast<win::LONG_PTR>(win::WS_EX_LAYERED));
  win::SetLayeredWindowAttributes(h, 0, static_cast<win::BYTE>(Alpha), win::LWA_ALPHA);
}

void TbsSkinForm::ClearLayered() {
  const win::HWND h = FOwnerForm->Handle();
  const auto ex = win::GetWindowLong(h, win::GWL_EXSTYLE);
  win::SetLayeredWindowAttributes(h, 0, 255, win::LWA_ALPHA);
  win::SetWindowLong(h, win::GWL_EXSTYLE, ex & ~static_cast<win::LONG_PTR>(win::WS_EX_LAYERED));
}

void TbsSkinForm::ApplyAlpha() {
  if (FOwnerForm == nullptr || !FOwnerForm->HandleAllocated() ||
      ComponentState().Contains(csDesigning) || ComponentState().Contains(csLoading))
    return;
  if (FAlphaBlend)
    SetLayeredAlpha(FAlphaBlendValue);
  else
    ClearLayered();
}

void TbsSkinForm::ShowWindowMessage(TMessage& m) {
  if (!FOwnerForm->HandleAllocated())
    return;
  if (m.WParam != 0) {
    if (!win::IsWindowVisible(FOwnerForm->Handle()))
      FFramePaintDue = true;
    if (FAlphaBlend || FAlphaBlendAnimation) {
      SetLayeredAlpha(0);
      win::SetTimer(FOwnerForm->Handle(), kFadeInTimer, 1);
    }
    NudgeWidth();
  } else {
    FFramePaintDue = false;
    if (FAlphaBlend)
      ClearLayered();
  }
}

// The fade-in raises the alpha in steps of 5 within one timer message, as
// the window is shown; a window that ends opaque drops the layered style.
void TbsSkinForm::FadeInTick() {
  if (!FOwnerForm->HandleAllocated())
    return;
  win::KillTimer(FOwnerForm->Handle(), kFadeInTimer);
  const int target = FAlphaBlendAnimation && !FAlphaBlend ? 255 : FAlphaBlendValue;
  if (FAlphaBlendAnimation) {
    if (Application)
      Application->ProcessMessages();
    for (int alpha = 0; alpha < target;) {
      alpha = std::min(alpha + 5, target);
      SetLayeredAlpha(alpha);
    }
  } else if (target != 255) {
    SetLayeredAlpha(FAlphaBlendValue);
  }
  if (target == 255)
    ClearLayered();
}
