// The frame's handling of the owner's window messages: size, activation,
// painting, moving, and the mouse on the frame objects.

#include "platform/win/Win.h"
#include "skin/form/SkinForm.h"
#include "ui/Application.h"

using gfx::Point;
using gfx::Rect;

namespace {

Point MessagePoint(const TMessage& m) {
  return {win::GET_X_LPARAM(m.LParam), win::GET_Y_LPARAM(m.LParam)};
}

}  // namespace

bool TbsSkinForm::HandleFrameMessage(TMessage& m) {
  using namespace win;
  switch (m.Msg) {
    case WM_CREATE:
      CallOld(m);
      // A window made anew (a new border style) takes the frame's shape and
      // alpha again.
      StripCaptionStyle();
      if (FRegion && FOwnerForm->BorderStyle() == bsNone)
        RemoveWindowRegion();
      else if (FRegion && FOwnerForm->HandleAllocated())
        win::SetWindowRgn(FOwnerForm->Handle(), FRegion, false);
      ApplyAlpha();
      return true;
    case WM_DESTROY:
      FHoverTimer.SetEnabled(false);
      FFadeTimer.SetEnabled(false);
      FAnimateTimer.SetEnabled(false);
      CallOld(m);
      return true;
    case WM_SIZE: {
      const bool live = FInSizeMove && FFullDragging;
      if (!live)
        CallOld(m);
      if (!live) {
        FFrameWidth = FOwnerForm->Width();
        FFrameHeight = FOwnerForm->Height();
        if (!FSkinLoaded)
          FOwnerForm->Perform(WM_NCPAINT, 1, 0);
        else if (FFrameWidth >= MinFrameWidth() && FFrameHeight >= MinFrameHeight())
          UpdateFrame();
        if (FAlphaBlend && FAlphaBlendValue < 255) {
          FOwnerForm->Perform(WM_NCPAINT, 1, 0);
          FOwnerForm->Invalidate();
        }
      }
      if (!FLogoBitMap.Empty())
        FOwnerForm->Invalidate();
      if (live)
        CallOld(m);
      return true;
    }
    case WM_ACTIVATE: {
      CallOld(m);
      const auto saved = FActivating;
      FActivating = LOWORD(m.WParam) != WA_INACTIVE;
      // WM_NCACTIVATE, just before, painted the caption's new look; the
      // frame is painted again only for objects that lose their light.
      const bool reset = ResetObjectStates();
      FActiveObject = FPreviousActiveObject = -1;
      UpdateCaptionActive(true, reset);
      // Hover polling runs only while the window is active.
      FHoverTimer.SetEnabled(*FActivating && !FInSizeMove);
      FActivating = saved;
      return true;
    }
    case WM_SETTEXT:
      CallOld(m);
      if (FOwnerForm->BorderStyle() != bsNone)
        FOwnerForm->Perform(WM_NCPAINT, 1, 0);
      return true;
    case WM_ERASEBKGND:
      if (auto* dc = reinterpret_cast<gfx::DeviceContext*>(m.WParam))
        PaintClientBackground(*dc);
      m.Result = 1;
      return true;
    case WM_WINDOWPOSCHANGING:
      // Shown without WM_SHOWWINDOW: the shape goes on before the window.
      if (const auto* pos = reinterpret_cast<const WINDOWPOS*>(m.LParam);
          pos != nullptr && (pos->flags & SWP_SHOWWINDOW))
        CutDueWindowRegion();
      return false;
    case WM_SHOWWINDOW:
      if (m.WParam != 0)
        CutDueWindowRegion();
      ShowWindowMessage(m);
      CallOld(m);
      return true;
    case WM_GETMINMAXINFO:
      CallOld(m);
      GetMinMaxInfo(m);
      return true;
    case WM_NCCALCSIZE:
      NCCalcSize(m);
      return true;
    case WM_NCHITTEST:
      HitTest(m);
      return true;
    case WM_NCPAINT:
      PaintFrame();
      m.Result = 0;
      return true;
    case WM_NCACTIVATE: {
      m.Result = 1;
      const auto saved = FActivating;
      FActivating = m.WParam != 0;
      if (FOwnerForm->BorderStyle() == bsNone) {
        UpdateCaptionActive(false);
      } else {
        UpdateCaptionActive(true, true);
      }
      FActivating = saved;
      return true;
    }
    case WM_SYNCPAINT:
      if (!FRollUpState)
        return false;
      FOwnerForm->Perform(WM_NCPAINT, 1, 0);
      m.Result = 0;
      return true;
    case WM_SYSCOMMAND:
      if ((m.WParam & 0xFFF0) != SC_KEYMENU)
        return false;
      // There is no system-drawn menu: the key only closes ours.
      CloseFrameMenus();
      m.Result = 0;
      return true;
    case WM_TIMER:
      if (m.WParam == 1)
        FadeInTick();
      return false;
    case WM_SIZING:
      if (!(FInSizeMove && FFullDragging))
        return false;
      CallOld(m);
      if (const auto* r = reinterpret_cast<const Rect*>(m.LParam)) {
        FFrameWidth = r->Width();
        FFrameHeight = r->Height();
        if (FSkinLoaded && FOwnerForm->Width() >= MinFrameWidth() &&
            FOwnerForm->Height() >= MinFrameHeight())
          UpdateFrame();
      }
      return true;
    case WM_MOVING:
      if (auto* r = reinterpret_cast<Rect*>(m.LParam))
        Moving(*r);
      return false;
    case WM_ENTERSIZEMOVE: {
      ResetObjectStates();
      FHoverTimer.SetEnabled(false);
      FActiveObject = FCaptureObject = -1;
      FInSizeMove = true;
      win::BOOL full = TRUE;
      win::SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
      FFullDragging = full != 0;
      return false;
    }
    case WM_CAPTURECHANGED:
      CallOld(m);
      // Another window took the mouse from a pressed button (a notice, a
      // menu): the button lets go without running its command.
      if (FCaptureObject >= 0 && FCaptureObject < static_cast<int>(FObjectList.size()) &&
          static_cast<std::uint32_t>(m.LParam) != FOwnerForm->Handle().id) {
        TbsActiveSkinObject* object = FObjectList[FCaptureObject].get();
        FCaptureObject = -1;
        object->Hovered = object->Highlighted = false;
        auto* button = dynamic_cast<TbsSkinButtonObject*>(object);
        if (button != nullptr && button->PopupItem == nullptr && button->Pressed)
          button->SetPressed(false);
        else
          PaintObjectNow(*object);
      }
      return true;
    case WM_EXITSIZEMOVE:
      FHoverTimer.SetEnabled(false);
      FActiveObject = FPreviousActiveObject = FCaptureObject = -1;
      if (FSD != nullptr && !FSD->Empty)
        FOwnerForm->Perform(WM_NCPAINT, 1, 0);
      return false;
    default:
      return false;
  }
}

bool TbsSkinForm::HandleMouseMessage(TMessage& m) {
  using namespace win;
  switch (m.Msg) {
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCRBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      break;
    default:
      return false;
  }
  CallOld(m);
  const LRESULT hit = static_cast<LRESULT>(m.WParam);
  const Point p = ToFramePoint(MessagePoint(m));
  auto* capture = FCaptureObject >= 0 ? FObjectList[FCaptureObject].get() : nullptr;
  auto* active = FActiveObject >= 0 ? FObjectList[FActiveObject].get() : nullptr;
  switch (m.Msg) {
    case WM_NCMOUSEMOVE:
      if (capture != nullptr)
        capture->MouseMove(p.x, p.y);
      else if (active != nullptr)
        active->MouseMove(p.x, p.y);
      break;
    case WM_NCLBUTTONDOWN:
      // The press that started a move or size loop returns here when the
      // loop has ended.
      if (FInSizeMove) {
        FInSizeMove = false;
        FHoverTimer.SetEnabled(WindowIsActive());
        break;
      }
      Press(p, mbLeft);
      if (hit == HTCAPTION)
        FCaptureObject = -1;
      break;
    case WM_NCLBUTTONUP:
      ReleaseAt(p, mbLeft);
      break;
    case WM_NCRBUTTONUP:
      ReleaseAt(p, mbRight);
      break;
    case WM_LBUTTONUP:
      ReleaseAt({-1, -1}, mbLeft);
      break;
    case WM_RBUTTONUP:
      ReleaseAt({-1, -1}, mbRight);
      break;
    case WM_NCLBUTTONDBLCLK: {
      // The first click of a double click on the system-menu button opened
      // the menu; the second one closes the form instead of opening it again.
      TrackActiveObject(p, true);
      auto* sys = FActiveObject >= 0
                      ? dynamic_cast<TbsSkinStdButtonObject*>(FObjectList[FActiveObject].get())
                      : nullptr;
      if (sys != nullptr && sys->Command == TbsStdCommand::cmSysMenu) {
        sys->DblClick();
        break;
      }
      Press(p, mbLeft);
      if (FActiveObject >= 0)
        FObjectList[FActiveObject]->DblClick();
      if (hit == HTCAPTION) {
        CaptionDoubleClick();
        FCaptureObject = -1;
      }
      break;
    }
    case WM_NCRBUTTONDOWN:
      Press(p, mbRight);
      if (hit == HTCAPTION) {
        FCaptureObject = -1;
        ShowSystemMenu(MessagePoint(m));
      }
      break;
    case WM_NCRBUTTONDBLCLK:
      Press(p, mbRight);
      if (hit == HTCAPTION)
        FCaptureObject = -1;
      break;
    default:
      break;
  }
  return true;
}

void TbsSkinForm::Press(Point P, TMouseButton Button) {
  TrackActiveObject(P, true);
  if (FActiveObject < 0)
    return;
  TbsActiveSkinObject* object = FObjectList[FActiveObject].get();
  if (!object->IsCaption() && FOwnerForm->HandleAllocated())
    win::SetCapture(FOwnerForm->Handle());
  FCaptureObject = FActiveObject;
  object->MouseDown(P.x, P.y, Button);
}

void TbsSkinForm::ReleaseAt(Point P, TMouseButton Button) {
  if (FCaptureObject < 0 || FCaptureObject >= static_cast<int>(FObjectList.size()))
    return;
  TbsActiveSkinObject* object = FObjectList[FCaptureObject].get();
  FCaptureObject = -1;
  if (!object->IsCaption())
    win::ReleaseCapture();
  // The command may close the form or change the skin: nothing of the
  // frame is touched after it.
  object->MouseUp(P.x, P.y, Button);
}

void TbsSkinForm::CaptionDoubleClick() {
  const bool sizeable = Sizeable();
  const bool restores =
      sizeable && (FFormState == TbsFormState::Minimized ||
                   (FFormState == TbsFormState::Maximized && !FRolledWhileMaximized));
  if (restores)
    SetFormState(TbsFormState::Normal);
  else if (sizeable && FFormState != TbsFormState::Maximized && !FRollUpState &&
           FBorderIcons.Contains(TbsBorderIcon::biMaximize))
    SetFormState(TbsFormState::Maximized);
  else
    RollUp(!FRollUpState);
}

void TbsSkinForm::Moving(Rect& Proposed) {
  if (FFormState == TbsFormState::Maximized) {
    Proposed = FOwnerForm->BoundsRect();
    return;
  }
  if (!FMagnetic)
    return;
  const Rect a = WorkArea(false);
  const int m = FMagneticSize;
  const int w = FOwnerForm->Width(), h = FOwnerForm->Height();
  int x = Proposed.left, y = Proposed.top;
  if (a.left - m < x && x < a.left + m)
    x = a.left;
  if (a.top - m < y && y < a.top + m)
    y = a.top;
  if (a.right - m < x + w && x + w < a.right + m)
    x = a.right - w;
  if (a.bottom - m < y + h && y + h < a.bottom + m)
    y = a.bottom - h;
  Proposed = {x, y, x + w, y + h};
}
