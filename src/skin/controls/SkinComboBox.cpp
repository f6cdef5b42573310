#include "skin/controls/SkinComboBox.h"

#include "platform/win/Constants.h"
#include "platform/win/ScreenApi.h"
#include "platform/win/TimerApi.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Win.h"
#include "skin/controls/SkinScrollBar.h"
#include "ui/Application.h"

// -- TbsPopupListBox ----------------------------------------------------------

TbsPopupListBox::TbsPopupListBox(TComponent* AOwner, TbsSkinComboBox* Box)
    : TbsSkinListBox(AOwner), FBox(Box) {
  StoreVisible(false);
  ExcludeStyle(csClickEvents);
  SetTabStop(false);
  ListBox()->SetTabStop(false);
  SetSkinDataName("");
  DefaultFont().SetName("Arial");
  DefaultFont().SetHeight(14);
}

void TbsPopupListBox::CreateParams(TCreateParams& Params) {
  TbsSkinListBox::CreateParams(Params);
  Params.Style = win::WS_POPUP | win::WS_CLIPCHILDREN;
  Params.ExStyle = win::WS_EX_TOOLWINDOW | win::WS_EX_TOPMOST;
  Params.WndParent = {};
  Params.WinClassName = "TbsPopupListBox";
  // The screen under the list is kept, so hiding it repaints nothing.
  Params.WindowClassStyle = win::CS_SAVEBITS;
}

void TbsPopupListBox::ShowAt(const TRect& Rect) {
  SetBounds(Rect.left, Rect.top, Rect.Width(), Rect.Height());
  UpdateLayout();
  win::SetWindowPos(Handle(), win::HWND_TOPMOST, Rect.left, Rect.top, Rect.Width(), Rect.Height(),
                    win::SWP_SHOWWINDOW | win::SWP_NOACTIVATE);
  StoreVisible(true);
  Invalidate();
}

void TbsPopupListBox::HideList() {
  if (HandleAllocated() && win::IsWindowVisible(Handle()))
    win::ShowWindow(Handle(), win::SW_HIDE);
  StoreVisible(false);
}

bool TbsPopupListBox::InnerListMessage(TMessage& Message) {
  using namespace win;
  switch (Message.Msg) {
    case WM_MOUSEACTIVATE:
      Message.Result = MA_NOACTIVATE;
      return true;
    case WM_MOUSEMOVE: {
      // The row under the mouse becomes the choice, without events.
      const TPoint p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
      const int index = ListBox()->ItemAtPos(p, true);
      if (index >= 0)
        FBox->FBehaviour.ListMouseMove(index - ListBox()->TopIndex());
      return false;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP:
      return true;
    case WM_LBUTTONUP:
      FBox->FBehaviour.ListMouseUp();
      return true;
    default:
      return false;
  }
}

void TbsPopupListBox::MouseMove(TShiftState Shift, int X, int Y) {
  TbsSkinListBox::MouseMove(Shift, X, Y);
  const int row = RowAt({X, Y});
  if (row >= 0)
    FBox->FBehaviour.ListMouseMove(row);
}

void TbsPopupListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TbsSkinListBox::MouseUp(Button, Shift, X, Y);
  if (Button == mbLeft)
    FBox->FBehaviour.ListMouseUp();
}

void TbsPopupListBox::WndProc(TMessage& Message) {
  if (Message.Msg == win::WM_MOUSEACTIVATE) {
    Message.Result = win::MA_NOACTIVATE;
    return;
  }
  TbsSkinListBox::WndProc(Message);
}

// -- TbsSkinComboBox ----------------------------------------------------------

TbsSkinComboBox::TbsSkinComboBox(TComponent* AOwner)
    : TbsSkinCustomControl(AOwner), FListBox(new TbsPopupListBox(this, this)) {
  SetSkinDataName("combobox");
  SetTabStop(true);
  ExcludeStyle(csClickEvents);
  SetBounds(Left(), Top(), 120, 20);
  Font().SetName("Arial");
  Font().SetHeight(14);
  Font().SetColor(gfx::clWindowText);
  FBehaviour.Repaint = [this] {
    Invalidate();
    SyncList();
  };
  FListBox->OnScroll = [this](TObject*) {
    if (FBehaviour.ListOpen() && !FSyncing)
      FBehaviour.SetTopIndex(FListBox->TopIndex());
  };
  FBehaviour.OnChange = [this] {
    if (OnChange)
      OnChange(this);
  };
  FBehaviour.OnClick = [this] {
    if (!ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading))
      Click();
  };
  FBehaviour.OnCloseUp = [this] {
    if (OnCloseUp)
      OnCloseUp(this);
  };
  FBehaviour.OnDropDown = [this] {
    if (OnDropDown)
      OnDropDown(this);
  };
  FBehaviour.ShowList = [this] {
    // Sizing the list scrolls it on its own; the rows it shows are the
    // behaviour's, which puts the choice on the first row when it opens.
    FSyncing = true;
    PlaceAndShowList();
    FSyncing = false;
    SyncList();
  };
  FBehaviour.HideList = [this] { FListBox->HideList(); };
}

TbsSkinComboBox::~TbsSkinComboBox() {
  FBehaviour.Repaint = nullptr;
  FListBox->OnScroll = nullptr;
}

bool TbsSkinComboBox::OwnsControl(const TControl* Control) const {
  for (const TControl* c = Control; c != nullptr; c = c->Parent())
    if (c == this || c == FListBox)
      return true;
  return false;
}

void TbsSkinComboBox::SyncList() {
  if (!FBehaviour.ListOpen() || FSyncing)
    return;
  FSyncing = true;
  FListBox->SetTopIndex(FBehaviour.TopIndex());
  FListBox->SetItemIndex(FBehaviour.ItemIndex());
  FSyncing = false;
  // Selecting scrolls the choice into view; the behaviour follows.
  FBehaviour.SetTopIndex(FListBox->TopIndex());
  FListBox->ListBox()->Invalidate();
}

const TbsDataSkinComboBox* TbsSkinComboBox::ComboRecord() const {
  return dynamic_cast<const TbsDataSkinComboBox*>(Record());
}

void TbsSkinComboBox::SetItems(const std::vector<std::string>& Value) {
  FBehaviour.SetItems(Value);
  FListBox->SetItems(FBehaviour.Items());
  FListBox->SetItemIndex(-1);
}

void TbsSkinComboBox::SetSorted(bool Value) {
  FBehaviour.SetSorted(Value);
  FListBox->SetSorted(Value);
  FListBox->SetItems(FBehaviour.Items());
  SyncList();
}

void TbsSkinComboBox::DefaultFontChanged() {
  TbsSkinCustomControl::DefaultFontChanged();
  Font().Assign(DefaultFont());
  Invalidate();
}

void TbsSkinComboBox::SetImages(TImageList* Value) {
  FListBox->SetImages(Value);
  Invalidate();
}

void TbsSkinComboBox::SetImageIndex(int Value) {
  FListBox->SetImageIndex(Value);
  Invalidate();
}

TbsItemContent TbsSkinComboBox::Content() const {
  return {&FBehaviour.Items(), FListBox->ItemImages(), FListBox->ImageIndex()};
}

TbsComboBoxAreas TbsSkinComboBox::Areas() {
  ReadSkinRecord();
  return ComboBoxAreas(ComboRecord(), Width(), Height());
}

TbsComboBoxLookState TbsSkinComboBox::LookState() {
  TbsComboBoxLookState s;
  s.Enabled = Enabled();
  s.Focused = Focused();
  s.ButtonHot = FBehaviour.ButtonHot();
  s.Pressed = FBehaviour.Pressed();
  s.ShownIndex = FBehaviour.ShownIndex();
  s.UseSkinFont = UseSkinFont();
  s.DefaultFont = DefaultFont().Handle();
  s.Font = Font().Handle();
  return s;
}

TbsItemDrawer TbsSkinComboBox::ItemDrawer() {
  if (!OnComboBoxDrawItem)
    return {};
  TOwnerDrawState state;
  if (Focused())
    state.Include(odFocused);
  return [this, state](gfx::DeviceContext& dc, const gfx::Rect& rect, int index) {
    TCanvas canvas;
    canvas.SetHandle(&dc);
    OnComboBoxDrawItem(canvas, index, rect, state);
    canvas.SetHandle(nullptr);
  };
}

void TbsSkinComboBox::PaintPlainLook(gfx::Bitmap& B) {
  gfx::DeviceContext dc(B);
  PaintComboBoxPlainLook(dc, LookState(), Content(), B.Width(), B.Height(), ItemDrawer());
}

void TbsSkinComboBox::PaintSkinLook(gfx::Bitmap& B) {
  const auto* record = ComboRecord();
  if (record == nullptr) {
    TbsSkinCustomControl::PaintSkinLook(B);
    return;
  }
  PaintComboBoxSkinLook(B, *FSD, *record, LookState(), Content(), Width(), Height(), ItemDrawer());
}

void TbsSkinComboBox::ApplySkinChange() {
  TbsSkinCustomControl::ApplySkinChange();
  const auto* record = ComboRecord();
  FListBox->SetSkinDataName(record != nullptr ? record->listboxname : "");
  FListBox->SetSkinData(FSD);
  FListBox->ReadSkinRecord();
  FListBox->UpdateLayout();
  FListBox->Invalidate();
  Invalidate();
}

void TbsSkinComboBox::PlaceAndShowList() {
  const int rows = FBehaviour.ListRows();
  // The width first: whether a horizontal bar is needed depends on it.
  FListBox->SetWidth(Width());
  const int height = FListBox->HeightForRows(rows);
  const TPoint origin = ClientToScreen({0, 0});
  const TRect box = TRect::FromXYWH(origin.x, origin.y, Width(), Height());
  // The work area of the monitor nearest the box.
  TRect work = Screen != nullptr ? Screen->WorkAreaRect() : TRect{0, 0, 1 << 16, 1 << 16};
  if (HandleAllocated()) {
    win::MONITORINFO info;
    if (win::GetMonitorInfo(win::MonitorFromWindow(Handle(), win::MONITOR_DEFAULTTONEAREST), info))
      work = info.rcWork;
  }
  FListBox->ShowAt(DropDownRect(box, Width(), height, work));
}

int TbsSkinComboBox::ListRowAtBoxPoint(int X, int Y) {
  if (!FBehaviour.ListOpen())
    return -1;
  const TPoint screen = ClientToScreen({X, Y});
  return FListBox->RowAt(FListBox->ScreenToClient(screen));
}

void TbsSkinComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (CanFocus() && !Focused())
    SetFocus();
  TbsSkinCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft)
    return;
  const TbsComboBoxAreas areas = Areas();
  FBehaviour.BoxMouseDown(areas.Button.Contains({X, Y}) || areas.Item.Contains({X, Y}));
}

void TbsSkinComboBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TbsSkinCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft)
    return;
  const bool inList = ListRowAtBoxPoint(X, Y) >= 0;
  FBehaviour.BoxMouseUp();
  // A press on the box dragged into the open list chooses on release.
  if (inList)
    FBehaviour.ListMouseUp();
}

void TbsSkinComboBox::MouseMove(TShiftState Shift, int X, int Y) {
  TbsSkinCustomControl::MouseMove(Shift, X, Y);
  FBehaviour.BoxMouseMove(Areas().Button.Contains({X, Y}));
  const int row = ListRowAtBoxPoint(X, Y);
  if (row >= 0)
    FBehaviour.ListMouseMove(row);
}

void TbsSkinComboBox::MouseLeave() {
  FBehaviour.BoxMouseLeave();
  TbsSkinCustomControl::MouseLeave();
}

void TbsSkinComboBox::KeyDown(win::WORD& Key, TShiftState Shift) {
  TbsSkinCustomControl::KeyDown(Key, Shift);
  using K = TbsComboBoxBehaviour::Key;
  const bool alt = Shift.Contains(ssAlt);
  bool used = false;
  switch (Key) {
    case win::VK_UP:
      used = FBehaviour.KeyDown(K::Up, alt);
      break;
    case win::VK_DOWN:
      used = FBehaviour.KeyDown(K::Down, alt);
      break;
    case win::VK_LEFT:
      used = FBehaviour.KeyDown(K::Left, alt);
      break;
    case win::VK_RIGHT:
      used = FBehaviour.KeyDown(K::Right, alt);
      break;
    case win::VK_PRIOR:
      used = FBehaviour.KeyDown(K::PageUp, alt);
      break;
    case win::VK_NEXT:
      used = FBehaviour.KeyDown(K::PageDown, alt);
      break;
    case win::VK_RETURN:
      used = FBehaviour.KeyDown(K::Enter, alt);
      break;
    case win::VK_ESCAPE:
      used = FBehaviour.KeyDown(K::Escape, alt);
      break;
    default:
      break;
  }
  if (used)
    Key = 0;
}

void TbsSkinComboBox::KeyPress(char32_t& Key) {
  TbsSkinCustomControl::KeyPress(Key);
  // Control characters (Backspace, Tab, Enter, Escape, Delete) search nothing.
  if (Key >= U' ' && (Key < 0x7F || Key > 0x9F))
    FBehaviour.KeyChar(Key, win::GetTickCount());
}

void TbsSkinComboBox::DoExit() {
  FBehaviour.FocusLost();
  TbsSkinCustomControl::DoExit();
  Invalidate();
}

void TbsSkinComboBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case win::WM_GETDLGCODE:
      Message.Result = win::DLGC_WANTARROWS | win::DLGC_WANTCHARS;
      return;
    case CM_WANTSPECIALKEY:
      // Enter and Escape belong to an open list, not to the form's buttons.
      if (FBehaviour.ListOpen() &&
          (Message.WParam == win::VK_RETURN || Message.WParam == win::VK_ESCAPE)) {
        Message.Result = 1;
        return;
      }
      break;
    case CM_CANCELMODE:
      // Another control of the form was pressed, or the form lost the
      // activation: the list closes without choosing.
      if (!OwnsControl(reinterpret_cast<const TControl*>(Message.LParam)))
        FBehaviour.CancelMode();
      return;
    case win::WM_MOUSEWHEEL:
      FBehaviour.Wheel(win::GET_WHEEL_DELTA_WPARAM(Message.WParam) < 0 ? 1 : -1);
      Message.Result = 1;
      return;
    case win::WM_SETFOCUS:
    case win::WM_KILLFOCUS:
      TbsSkinCustomControl::WndProc(Message);
      Invalidate();
      return;
    default:
      break;
  }
  TbsSkinCustomControl::WndProc(Message);
}
