#include "ui/PlainMenu.h"

#include <algorithm>
#include <vector>

#include "platform/win/Win.h"
#include "ui/Application.h"
#include "ui/ImageList.h"
#include "ui/Menus.h"
#include "ui/WinControl.h"

namespace {

constexpr int kSeparatorHeight = 8;
constexpr int kGutter = 20;

class TPlainMenuWindow : public TCustomControl {
 public:
  TPlainMenuWindow(TMenuItem& root, TImageList* images) : TCustomControl(nullptr), images_(images) {
    StoreVisible(false);
    SetColor(gfx::clMenu);
    for (int i = 0; i < root.Count(); ++i)
      if (root.Items(i)->Visible())
        items_.push_back(root.Items(i));
    Canvas().Font().Assign(Font());
    itemHeight_ = std::max(Canvas().TextHeight("Ag") + 6, images ? images->Height() + 2 : 0);
    int textWidth = 0;
    int keyWidth = 0;
    for (TMenuItem* item : items_) {
      textWidth = std::max(textWidth, Canvas().TextWidth(item->Caption()));
      keyWidth = std::max(keyWidth, Canvas().TextWidth(item->ShortCutText()));
    }
    int height = 2;
    for (TMenuItem* item : items_)
      height += item->IsLine() ? kSeparatorHeight : itemHeight_;
    StoreBounds(0, 0, kGutter + textWidth + (keyWidth ? keyWidth + 24 : 0) + 16, height);
  }

  int ItemAt(TPoint p) const {
    if (p.x < 0 || p.x >= Width())
      return -1;
    int y = 1;
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
      int h = items_[i]->IsLine() ? kSeparatorHeight : itemHeight_;
      if (p.y >= y && p.y < y + h)
        return i;
      y += h;
    }
    return -1;
  }

  bool Selectable(int i) const {
    return i >= 0 && i < static_cast<int>(items_.size()) && !items_[i]->IsLine() &&
           items_[i]->Enabled();
  }

  void SetHot(int i) {
    if (i != hot_) {
      hot_ = i;
      Invalidate();
    }
  }

  // Moves the hot item by one selectable item, wrapping around.
  void Step(int delta) {
    int n = static_cast<int>(items_.size());
    for (int k = 1, i = hot_; k <= n; ++k) {
      i = ((i < 0 && delta < 0 ? 0 : i) + delta + n) % n;
      if (Selectable(i)) {
        SetHot(i);
        return;
      }
    }
  }

  int Hot() const { return hot_; }
  TMenuItem* Item(int i) const { return items_[i]; }
  int Count() const { return static_cast<int>(items_.size()); }

 protected:
  void CreateParams(TCreateParams& Params) override {
    TCustomControl::CreateParams(Params);
    Params.Style = win::WS_POPUP | win::WS_BORDER;
    Params.ExStyle = win::WS_EX_TOOLWINDOW | win::WS_EX_TOPMOST;
    Params.WndParent = {};
    Params.WinClassName = "TPlainMenu";
    Params.WindowClassStyle = win::CS_SAVEBITS;
  }

  void WndProc(TMessage& m) override {
    if (m.Msg == win::WM_MOUSEACTIVATE) {
      m.Result = win::MA_NOACTIVATE;
      return;
    }
    if (m.Msg == win::WM_MOUSEMOVE) {
      int i = ItemAt({win::GET_X_LPARAM(m.LParam), win::GET_Y_LPARAM(m.LParam)});
      SetHot(Selectable(i) ? i : -1);
      return;
    }
    TCustomControl::WndProc(m);
  }

  void Paint() override {
    TCanvas& c = Canvas();
    int y = 0;
    int w = ClientWidth();
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
      TMenuItem* item = items_[i];
      if (item->IsLine()) {
        c.Pen().SetColor(gfx::clBtnShadow);
        c.MoveTo(2, y + kSeparatorHeight / 2 - 1);
        c.LineTo(w - 2, y + kSeparatorHeight / 2 - 1);
        c.Pen().SetColor(gfx::clBtnHighlight);
        c.MoveTo(2, y + kSeparatorHeight / 2);
        c.LineTo(w - 2, y + kSeparatorHeight / 2);
        y += kSeparatorHeight;
        continue;
      }
      TRect r{0, y, w, y + itemHeight_};
      bool hot = i == hot_;
      c.Brush().SetColor(hot ? gfx::clHighlight : gfx::clMenu);
      c.FillRect(r);
      c.Brush().SetStyle(bsClear);
      c.Font().SetColor(!item->Enabled() ? gfx::clGrayText
                        : hot            ? gfx::clHighlightText
                                         : gfx::clMenuText);
      if (images_ && item->ImageIndex() >= 0)
        images_->Draw(c, 2, y + (itemHeight_ - images_->Height()) / 2, item->ImageIndex(),
                      item->Enabled());
      else if (item->Checked())
        DrawMark(c, r, item->RadioItem());
      TRect text{kGutter, y, w - 8, y + itemHeight_};
      c.DrawText(item->Caption(), text, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_LEFT);
      c.DrawText(item->ShortCutText(), text,
                 gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_RIGHT | gfx::DT_NOPREFIX);
      if (item->Count() > 0) {
        int cy = y + itemHeight_ / 2;
        for (int k = 0; k < 4; ++k) {
          c.MoveTo(w - 8 + k, cy - 3 + k);
          c.LineTo(w - 8 + k, cy + 4 - k);
        }
      }
      y += itemHeight_;
    }
  }

 private:
  // A check mark, or a dot for a radio item, in the gutter.
  static void DrawMark(TCanvas& c, const TRect& r, bool radio) {
    int cx = r.left + kGutter / 2;
    int cy = (r.top + r.bottom) / 2;
    c.Pen().SetColor(c.Font().Color());
    if (radio) {
      c.Brush().SetColor(c.Font().Color());
      c.FillRect({cx - 2, cy - 2, cx + 3, cy + 3});
      c.Brush().SetStyle(bsClear);
      return;
    }
    for (int k = 0; k < 2; ++k) {
      c.MoveTo(cx - 3, cy - 1 + k);
      c.LineTo(cx - 1, cy + 1 + k);
      c.LineTo(cx + 4, cy - 4 + k);
    }
  }

  TImageList* images_;
  std::vector<TMenuItem*> items_;
  int itemHeight_ = 19;
  int hot_ = -1;
};

}  // namespace

TMenuItem* TrackPlainMenu(TMenuItem& Root, TImageList* Images, TPoint At) {
  if (Root.VisibleCount() == 0)
    return nullptr;
  TPlainMenuWindow window(Root, Images);
  // Kept on the monitor it opens on.
  const TRect m = MonitorRectAt(At);
  int x = std::max(m.left, std::min(At.x, m.right - window.Width()));
  int y = std::max(m.top, std::min(At.y, m.bottom - window.Height()));
  window.SetBounds(x, y, window.Width(), window.Height());
  win::SetWindowPos(window.Handle(), win::HWND_TOPMOST, x, y, window.Width(), window.Height(),
                    win::SWP_SHOWWINDOW | win::SWP_NOACTIVATE);
  win::SetCapture(window.Handle());
  if (Application)
    Application->CancelHint();

  TMenuItem* chosen = nullptr;
  bool done = false;
  while (!done) {
    win::MSG msg;
    if (!win::GetMessage(msg)) {
      // The program is ending: leave the request for the outer loop.
      win::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    switch (msg.message) {
      case win::WM_KEYDOWN:
      case win::WM_SYSKEYDOWN:
        // The characters of the keys choose items by their accelerators.
        win::TranslateMessage(msg);
        if (msg.wParam == win::VK_ESCAPE || msg.wParam == win::VK_MENU) {
          done = true;
        } else if (msg.wParam == win::VK_DOWN) {
          window.Step(1);
        } else if (msg.wParam == win::VK_UP) {
          window.Step(-1);
        } else if (msg.wParam == win::VK_RETURN && window.Selectable(window.Hot())) {
          chosen = window.Item(window.Hot());
          done = true;
        }
        continue;
      case win::WM_CHAR:
      case win::WM_SYSCHAR:
      case win::WM_KEYUP:
      case win::WM_SYSKEYUP:
        // An accelerator of an item chooses it.
        if (msg.message == win::WM_CHAR || msg.message == win::WM_SYSCHAR) {
          for (int i = 0; i < window.Count(); ++i) {
            if (window.Selectable(i) &&
                IsAccel(static_cast<unsigned>(msg.wParam), window.Item(i)->Caption())) {
              chosen = window.Item(i);
              done = true;
              break;
            }
          }
        }
        continue;
      case win::WM_LBUTTONDOWN:
      case win::WM_RBUTTONDOWN:
      case win::WM_NCLBUTTONDOWN:
      case win::WM_NCRBUTTONDOWN:
        // A press outside the menu closes it and is not passed on.
        done = msg.hwnd != window.Handle() ||
               window.ItemAt({win::GET_X_LPARAM(msg.lParam), win::GET_Y_LPARAM(msg.lParam)}) < 0;
        continue;
      case win::WM_LBUTTONUP:
      case win::WM_RBUTTONUP:
        if (msg.hwnd == window.Handle()) {
          int i = window.ItemAt({win::GET_X_LPARAM(msg.lParam), win::GET_Y_LPARAM(msg.lParam)});
          if (window.Selectable(i)) {
            chosen = window.Item(i);
            done = true;
          }
        }
        continue;
      default:
        break;
    }
    win::TranslateMessage(msg);
    win::DispatchMessage(msg);
  }
  if (win::GetCapture() == window.Handle())
    win::ReleaseCapture();
  return chosen;
}
