#include "skin/controls/SkinComboBox.h"

#include "platform/win/Constants.h"
#include "platform/win/ScreenApi.h"
#include "platform/win/TimerApi.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Win.h"
#include "skin/controls/SkinScrollBar.h"
#include "ui/Application.h"

// Draws the images of an image list for the item drawing.
class TbsSkinComboBox::ImageListAdapter : public TbsItemImages {
 public:
  explicit ImageListAdapter(const TImageList& List) : FList(List) {}
  int Count() const override { return FList.Count(); }
  gfx::Size ImageSize() const override { return {FList.Width(), FList.Height()}; }
  void Draw(gfx::DeviceContext& dc, int index, int x, int y) const override {
    TCanvas canvas;
    canvas.SetHandle(&dc);
    FList.Draw(canvas, x, y, index);
    canvas.SetHandle(nullptr);
  }

 private:
  const TImageList& FList;
};

// -- TbsPopupListBox ----------------------------------------------------------

TbsPopupListBox::TbsPopupListBox(TComponent* AOwner, TbsSkinComboBox* Box)
    : TbsSkinCustomControl(AOwner), FBox(Box) {
  StoreVisible(false);
  ExcludeStyle(csClickEvents);
  SetSkinDataName("");
  DefaultFont().SetName("Arial");
  DefaultFont().SetHeight(14);
}

void TbsPopupListBox::CreateParams(TCreateParams& Params) {
  TbsSkinCustomControl::CreateParams(Params);
  Params.Style = win::WS_POPUP | win::WS_CLIPCHILDREN;
  Params.ExStyle = win::WS_EX_TOOLWINDOW | win::WS_EX_TOPMOST;
  Params.WndParent = {};
  Params.WinClassName = "TbsPopupListBox";
  // The screen under the list is kept, so hiding it repaints nothing.
  Params.WindowClassStyle = win::CS_SAVEBITS;
}

const TbsDataSkinListBox* TbsPopupListBox::ListRecord() const {
  return dynamic_cast<const TbsDataSkinListBox*>(Record());
}

int TbsPopupListBox::ItemHeight() {
  ReadSkinRecord();
  return ListItemHeight(ListRecord(), UseSkinItemHeight, DefaultItemHeight);
}

int TbsPopupListBox::HeightForRows(int Rows) {
  return ListHeightForRows(ListRecord(), Rows, ItemHeight());
}

TRect TbsPopupListBox::RowsRect() {
  const bool withBar = FScrollBar != nullptr;
  const int barWidth = FScrollBar != nullptr ? FScrollBar->Width() : 0;
  return ListAreas(ListRecord(), barWidth, withBar, Width(), Height()).Rows;
}

int TbsPopupListBox::RowAt(TPoint P) {
  const TRect rows = RowsRect();
  if (!rows.Contains(P))
    return -1;
  return (P.y - rows.top) / std::max(ItemHeight(), 1);
}

void TbsPopupListBox::UpdateScrollBar() {
  const int count = static_cast<int>(FBox->Items().size());
  const int rows = FBox->FBehaviour.ListRows();
  if (count <= rows) {
    delete FScrollBar;
    FScrollBar = nullptr;
    return;
  }
  if (FScrollBar == nullptr) {
    FScrollBar = new TbsSkinScrollBar(this);
    FScrollBar->SetKind(sbVertical);
    FScrollBar->SetBounds(0, 0, 20, 100);
    FScrollBar->SetParent(this);
    FScrollBar->OnChange = [this](TObject*) {
      FBox->FBehaviour.SetTopIndex(FScrollBar->Position());
      Invalidate();
    };
  }
  const auto* record = ListRecord();
  FScrollBar->SetSkinDataName(record != nullptr ? record->vscrollbarname : "");
  FScrollBar->SetSkinData(SkinData());
  FScrollBar->ReadSkinRecord();
  // The bar is as wide as its skin, or 19 pixels in the plain look.
  int barWidth = 19;
  if (FScrollBar->SkinIndex() != -1 && FScrollBar->Geometry().tileMode != TbsTileMode::None)
    barWidth = FScrollBar->Geometry().skinrect.Width();
  const TbsListAreas areas = ListAreas(record, barWidth, true, Width(), Height());
  FScrollBar->SetBounds(areas.VScrollBar.left, areas.VScrollBar.top, areas.VScrollBar.Width(),
                        areas.VScrollBar.Height());
  FScrollBar->SetRange(0, count - 1, rows, FBox->FBehaviour.TopIndex());
  FScrollBar->SetLargeChange(rows);
}

void TbsPopupListBox::ShowAt(const TRect& Rect) {
  SetBounds(Rect.left, Rect.top, Rect.Width(), Rect.Height());
  UpdateScrollBar();
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

void TbsPopupListBox::PaintRows(gfx::Bitmap& B) {
  gfx::DeviceContext dc(B);
  const TRect rows = RowsRect();
  const int itemHeight = ItemHeight();
  const TbsItemContent content = FBox->Content();
  TbsListRowState state;
  state.UseSkinFont = UseSkinFont();
  state.DefaultFont = DefaultFont().Handle();
  const int top = FBox->FBehaviour.TopIndex();
  const int selected = FBox->FBehaviour.ItemIndex();
  const int count = static_cast<int>(FBox->Items().size());
  dc.IntersectClipRect(rows);
  for (int i = 0; top + i < count && i * itemHeight < rows.Height(); ++i) {
    state.Selected = top + i == selected;
    PaintListRow(dc, rows.left, rows.top + i * itemHeight, rows.Width(), itemHeight,
                 FIndex != -1 ? FSD : nullptr, ListRecord(), state, content, top + i);
  }
}

void TbsPopupListBox::PaintPlainLook(gfx::Bitmap& B) {
  PaintListFrame(B, nullptr, nullptr, Width(), Height());
  PaintRows(B);
}

void TbsPopupListBox::PaintSkinLook(gfx::Bitmap& B) {
  PaintListFrame(B, FSD, ListRecord(), Width(), Height());
  PaintRows(B);
}

void TbsPopupListBox::MouseMove(TShiftState Shift, int X, int Y) {
  TbsSkinCustomControl::MouseMove(Shift, X, Y);
  const int row = RowAt({X, Y});
  if (row >= 0) {
    FBox->FBehaviour.ListMouseMove(row);
    Invalidate();
  }
}

void TbsPopupListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TbsSkinCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button == mbLeft)
    FBox->FBehaviour.ListMouseUp();
}

void TbsPopupListBox::WndProc(TMessage& Message) {
  if (Message.Msg == win::WM_MOUSEACTIVATE) {
    Message.Result = win::MA_NOACTIVATE;
    return;
  }
  TbsSkinCustomControl::WndProc(Message);
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
    if (FBehaviour.ListOpen())
      FListBox->Invalidate();
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
    PlaceAndShowList();
    WatchPresses(true);
  };
  FBehaviour.HideList = [this] {
    WatchPresses(false);
    FListBox->HideList();
  };
}

TbsSkinComboBox::~TbsSkinComboBox() {
  WatchPresses(false);
  SetImages(nullptr);
}

bool TbsSkinComboBox::OwnsWindow(win::HWND Wnd) {
  for (TWinControl* c = TWinControl::FindControl(Wnd); c != nullptr; c = c->Parent())
    if (c == this || c == FListBox)
      return true;
  return false;
}

void TbsSkinComboBox::WatchPresses(bool On) {
  if (On == FWatching || Application == nullptr)
    return;
  FWatching = On;
  if (!On) {
    Application->OnMessage = std::move(FSavedOnMessage);
    FSavedOnMessage = nullptr;
    return;
  }
  FSavedOnMessage = Application->OnMessage;
  Application->OnMessage = [this](win::MSG& Msg, bool& Handled) {
    // Closing the list puts the previous hook back, which frees this
    // one: take what is needed before, touch nothing of it after.
    TMessageEvent previous = FSavedOnMessage;
    const bool press = Msg.message == win::WM_LBUTTONDOWN || Msg.message == win::WM_RBUTTONDOWN ||
                       Msg.message == win::WM_MBUTTONDOWN || Msg.message == win::WM_NCLBUTTONDOWN;
    if (press && !OwnsWindow(Msg.hwnd))
      FBehaviour.CancelMode();
    if (previous)
      previous(Msg, Handled);
  };
}

const TbsDataSkinComboBox* TbsSkinComboBox::ComboRecord() const {
  return dynamic_cast<const TbsDataSkinComboBox*>(Record());
}

void TbsSkinComboBox::SetItems(const std::vector<std::string>& Value) {
  FBehaviour.SetItems(Value);
}

void TbsSkinComboBox::SetImages(TImageList* Value) {
  if (FImages != nullptr)
    FImages->RemoveFreeNotification(this);
  FImages = Value;
  FImageAdapter.reset();
  if (FImages != nullptr) {
    FImages->FreeNotification(this);
    FImageAdapter = std::make_unique<ImageListAdapter>(*FImages);
  }
  Invalidate();
}

void TbsSkinComboBox::SetImageIndex(int Value) {
  FImageIndex = Value;
  Invalidate();
}

void TbsSkinComboBox::Notification(TComponent* AComponent, TOperation Operation) {
  TbsSkinCustomControl::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FImages) {
    FImages = nullptr;
    FImageAdapter.reset();
  }
}

TbsItemContent TbsSkinComboBox::Content() const {
  return {&FBehaviour.Items(), FImageAdapter.get(), FImageIndex};
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

void TbsSkinComboBox::PaintPlainLook(gfx::Bitmap& B) {
  gfx::DeviceContext dc(B);
  PaintComboBoxPlainLook(dc, LookState(), Content(), B.Width(), B.Height());
}

void TbsSkinComboBox::PaintSkinLook(gfx::Bitmap& B) {
  const auto* record = ComboRecord();
  if (record == nullptr) {
    TbsSkinCustomControl::PaintSkinLook(B);
    return;
  }
  PaintComboBoxSkinLook(B, *FSD, *record, LookState(), Content(), Width(), Height());
}

void TbsSkinComboBox::ApplySkinChange() {
  TbsSkinCustomControl::ApplySkinChange();
  const auto* record = ComboRecord();
  FListBox->SetSkinDataName(record != nullptr ? record->listboxname : "");
  FListBox->SetSkinData(FSD);
  FListBox->ReadSkinRecord();
  Invalidate();
}

void TbsSkinComboBox::PlaceAndShowList() {
  const int rows = FBehaviour.ListRows();
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

void TbsSkinComboBox::KeyPress(char& Key) {
  TbsSkinCustomControl::KeyPress(Key);
  if (Key >= ' ')
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
