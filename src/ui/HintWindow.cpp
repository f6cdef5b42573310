#include "ui/HintWindow.h"

#include <algorithm>

#include "platform/win/Win.h"
#include "ui/Application.h"

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  StoreVisible(false);
  SetColor(gfx::clInfoBk);
  if (Screen)
    SetFont(Screen->HintFont());
  else
    Font().SetColor(gfx::clInfoText);
}

void THintWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = win::WS_POPUP | win::WS_BORDER;
  // A hint only shows: the pointer passes through it, and the window
  // system is told so (it must close on no press, so it grabs nothing).
  Params.ExStyle = win::WS_EX_TOOLWINDOW | win::WS_EX_TOPMOST | win::WS_EX_TRANSPARENT;
  Params.WndParent = {};
  Params.WinClassName = "THintWindow";
  Params.WindowClassStyle = win::CS_SAVEBITS;
}

TRect THintWindow::CalcHintRect(int MaxWidth, const std::string& AHint, void*) {
  TRect r{0, 0, MaxWidth, 0};
  Canvas().Font().Assign(Font());
  Canvas().DrawText(AHint, r,
                    gfx::DT_CALCRECT | gfx::DT_LEFT | gfx::DT_WORDBREAK | gfx::DT_NOPREFIX);
  // Room for the one-pixel border and a margin around the text: two
  // pixels left, four right, one above and below.
  r.right += 8;
  r.bottom += 4;
  return r;
}

void THintWindow::ActivateHintData(TRect Rect, const std::string& AHint, void*) {
  ActivateHint(Rect, AHint);
}

void THintWindow::ActivateHint(TRect Rect, const std::string& AHint) {
  SetCaption(AHint);
  // Kept on the monitor it is shown on.
  const TRect m = MonitorRectAt(Rect.TopLeft());
  int w = Rect.Width();
  int h = Rect.Height();
  int x = std::max(m.left, std::min(Rect.left, m.right - w));
  int y = std::max(m.top, std::min(Rect.top, m.bottom - h));
  SetBounds(x, y, w, h);
  win::SetWindowPos(Handle(), win::HWND_TOPMOST, x, y, w, h,
                    win::SWP_SHOWWINDOW | win::SWP_NOACTIVATE);
  StoreVisible(true);
  Invalidate();
}

void THintWindow::ReleaseHandle() {
  if (HandleAllocated() && win::IsWindowVisible(Handle()))
    win::ShowWindow(Handle(), win::SW_HIDE);
  StoreVisible(false);
}

void THintWindow::Paint() {
  TRect r = ClientRect();
  r.left += 2;
  r.top += 1;
  Canvas().Brush().SetStyle(bsClear);
  Canvas().DrawText(Caption(), r, gfx::DT_LEFT | gfx::DT_NOPREFIX | gfx::DT_WORDBREAK);
}

void THintWindow::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case win::WM_NCHITTEST:
      // The mouse passes through to what lies below.
      Message.Result = win::HTTRANSPARENT;
      return;
    case win::WM_MOUSEACTIVATE:
      Message.Result = win::MA_NOACTIVATE;
      return;
    default:
      TCustomControl::WndProc(Message);
  }
}
