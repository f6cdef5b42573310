// The caption buttons: their commands and looks, the objects a skin names,
// the built-in buttons of the plain frame, and the button row.

#include <algorithm>

#include "platform/win/Win.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinForm.h"

using gfx::Bitmap;
using gfx::DeviceContext;
using gfx::Point;
using gfx::Rect;

namespace {

// The border icon that shows a button of that command; none for commands
// that are always shown.
std::optional<TbsBorderIcon> IconOf(TbsStdCommand command) {
  switch (command) {
    case TbsStdCommand::cmMaximize:
      return TbsBorderIcon::biMaximize;
    case TbsStdCommand::cmMinimize:
      return TbsBorderIcon::biMinimize;
    case TbsStdCommand::cmSysMenu:
      return TbsBorderIcon::biSystemMenu;
    case TbsStdCommand::cmRollUp:
      return TbsBorderIcon::biRollUp;
    case TbsStdCommand::cmMinimizeToTray:
      return TbsBorderIcon::biMinimizeToTray;
    default:
      return std::nullopt;
  }
}

void Line(DeviceContext& dc, Point o, int x1, int y1, int x2, int y2) {
  dc.MoveTo(o.x + x1, o.y + y1);
  dc.LineTo(o.x + x2, o.y + y2);
}

void Outline(DeviceContext& dc, Point o, int l, int t, int r, int b) {
  dc.Rectangle(o.x + l, o.y + t, o.x + r, o.y + b);
}

void DrawRestoreGlyph(DeviceContext& dc, Point o) {
  Outline(dc, o, 2, 0, 10, 6);
  Outline(dc, o, 2, 0, 10, 2);
  Outline(dc, o, 0, 4, 7, 10);
  Outline(dc, o, 0, 4, 7, 6);
}

}  // namespace

void DrawCaptionGlyph(DeviceContext& dc, TbsStdCommand command, Point o, gfx::ColorRef colour,
                      bool restoreLook) {
  dc.SelectPen(gfx::Pen{gfx::PS_SOLID, 1, colour});
  dc.SelectBrush(gfx::Brush{gfx::BS_NULL, 0});
  switch (command) {
    case TbsStdCommand::cmClose:
      Line(dc, o, 1, 1, 9, 9);
      Line(dc, o, 9, 1, 1, 9);
      Line(dc, o, 2, 1, 10, 9);
      Line(dc, o, 8, 1, 0, 9);
      break;
    case TbsStdCommand::cmMaximize:
      if (restoreLook) {
        DrawRestoreGlyph(dc, o);
      } else {
        Outline(dc, o, 0, 0, 11, 10);
        Outline(dc, o, 0, 0, 11, 2);
      }
      break;
    case TbsStdCommand::cmMinimize:
      if (restoreLook) {
        DrawRestoreGlyph(dc, o);
      } else {
        Line(dc, o, 1, 8, 9, 8);
        Line(dc, o, 1, 9, 9, 9);
      }
      break;
    case TbsStdCommand::cmSysMenu:
      Outline(dc, o, 1, 3, 9, 6);
      break;
    case TbsStdCommand::cmRollUp:
      for (int i = 0; i < 5; ++i) {
        if (restoreLook)
          Line(dc, o, 5 - i, 6 - i, 5 + i, 6 - i);
        else
          Line(dc, o, 1 + i, 6 - i, 9 - i, 6 - i);
      }
      break;
    case TbsStdCommand::cmMinimizeToTray:
      dc.FillRect({o.x + 2, o.y + 2, o.x + 7, o.y + 7}, colour);
      break;
    case TbsStdCommand::cmDefault:
      break;
  }
}

TbsSkinStdButtonObject::TbsSkinStdButtonObject(TbsSkinForm* form,
                                               const TbsDataSkinStdButton* record,
                                               TbsStdCommand command, const std::string& name)
    : TbsSkinButtonObject(form, record), Command(command), FromRecord(record != nullptr) {
  if (record == nullptr) {
    IDName = name;
    return;
  }
  RestoreRect = BoundedFrameRect(record->restorerect);
  RestoreActiveRect = BoundedFrameRect(record->restoreactiverect);
  RestoreDownRect = BoundedFrameRect(record->restoredownrect);
  RestoreInactiveRect = BoundedFrameRect(record->restoreinactiverect);
}

bool TbsSkinStdButtonObject::RestoreLook() const {
  switch (Command) {
    case TbsStdCommand::cmMaximize:
      return SkinForm->FormState() == TbsFormState::Maximized;
    case TbsStdCommand::cmMinimize:
      return SkinForm->FormState() == TbsFormState::Minimized;
    case TbsStdCommand::cmRollUp:
      return SkinForm->RollUpState();
    default:
      return false;
  }
}

bool TbsSkinStdButtonObject::ShowsIcon() const {
  return Enabled && Command == TbsStdCommand::cmSysMenu && SkinForm->ShowIcon() &&
         (SkinRectInAPicture || !FromRecord) && !SkinForm->OwnerForm()->Icon().Empty();
}

bool TbsSkinStdButtonObject::CanMorph() const {
  return !ShowsIcon() && TbsSkinButtonObject::CanMorph();
}

void TbsSkinStdButtonObject::Draw(DeviceContext& dc, bool update) {
  if (ShowsIcon()) {
    const Bitmap& icon = SkinForm->OwnerForm()->Icon().Pixels();
    dc.StretchBlt(ObjectRect.left, ObjectRect.top, ObjectRect.Width(), ObjectRect.Height(), icon, 0,
                  0, icon.Width(), icon.Height());
    MorphProgress = 0;
    return;
  }
  if (!FromRecord) {
    DrawBuiltIn(dc);
    return;
  }
  if (Enabled && RestoreLook() && !RestoreRect.IsEmpty()) {
    if (!SkinForm->WindowIsActive() && !RestoreInactiveRect.IsEmpty()) {
      DrawLook(dc, StatesPicture, RestoreInactiveRect);
    } else if (Pressed && !RestoreDownRect.IsEmpty() && Hovered) {
      DrawLook(dc, StatesPicture, RestoreDownRect);
    } else {
      const Rect active = RestoreActiveRect.IsEmpty() ? RestoreRect : RestoreActiveRect;
      if (Morphing && CanMorph())
        DrawMorph(dc, StatesPicture, RestoreRect, StatesPicture, active);
      else
        DrawLook(dc, StatesPicture, Highlighted ? active : RestoreRect);
    }
    return;
  }
  TbsSkinButtonObject::Draw(dc, update);
}

void TbsSkinStdButtonObject::DrawBuiltIn(DeviceContext& target) const {
  const int w = ObjectRect.Width(), h = ObjectRect.Height();
  if (w <= 0 || h <= 0)
    return;
  Bitmap b(w, h, gfx::clBtnFace);
  DeviceContext dc(b);
  const bool down = Pressed && Hovered;
  if (Hovered) {
    dc.FillRect({0, 0, w, h}, down ? gfx::RGB(133, 146, 181) : gfx::RGB(182, 189, 210));
    dc.FrameRect({0, 0, w, h}, gfx::clNavy);
  }
  Point o{w / 2 - 5, h / 2 - 4};
  if (down)
    o = {w / 2 - 4, h / 2 - 3};
  else if (Pressed)
    o = {w / 2 - 6, h / 2 - 5};
  const gfx::ColorRef glyph = Enabled ? gfx::clBtnText : gfx::clBtnShadow;
  DrawCaptionGlyph(dc, Command, o, glyph, RestoreLook());
  target.DrawBitmap(ObjectRect.left, ObjectRect.top, b);
}

void TbsSkinStdButtonObject::MouseDown(int X, int Y, TMouseButton Button) {
  if (!Enabled || Button != mbLeft || Pressed)
    return;
  SetPressed(true);
  if (Command == TbsStdCommand::cmSysMenu) {
    PopupItem = SkinForm->GetSystemMenuItems();
    ShowObjectPopup();
  }
  (void)X;
  (void)Y;
}

void TbsSkinStdButtonObject::MouseUp(int X, int Y, TMouseButton Button) {
  const bool run = Enabled && Highlighted && Button == mbLeft;
  if (Command == TbsStdCommand::cmClose) {
    // The button shows released before the form goes.
    TbsSkinButtonObject::MouseUp(X, Y, Button);
    if (run)
      RunCommand();
    return;
  }
  if (run)
    RunCommand();
  TbsSkinButtonObject::MouseUp(X, Y, Button);
}

void TbsSkinStdButtonObject::DblClick() {
  if (Command == TbsStdCommand::cmSysMenu)
    SkinForm->OwnerForm()->Close();
}

void TbsSkinStdButtonObject::RunCommand() {
  switch (Command) {
    case TbsStdCommand::cmClose:
      SkinForm->OwnerForm()->Close();
      break;
    case TbsStdCommand::cmMaximize:
      SkinForm->SetFormState(SkinForm->FormState() == TbsFormState::Maximized
                                 ? TbsFormState::Normal
                                 : TbsFormState::Maximized);
      break;
    case TbsStdCommand::cmMinimize:
      if (SkinForm->AlwaysMinimizeToTray())
        SkinForm->MinimizeToTray();
      else
        SkinForm->SetFormState(SkinForm->FormState() == TbsFormState::Minimized
                                   ? TbsFormState::Normal
                                   : TbsFormState::Minimized);
      break;
    case TbsStdCommand::cmRollUp:
      SkinForm->RollUp(!SkinForm->RollUpState());
      break;
    case TbsStdCommand::cmMinimizeToTray:
      SkinForm->MinimizeToTray();
      break;
    case TbsStdCommand::cmSysMenu:
    case TbsStdCommand::cmDefault:
      break;
  }
}

// -- The form's objects --------------------------------------------------------

void TbsSkinForm::CreateSkinObjects() {
  FObjectList.clear();
  for (const auto& record : FSD->ObjectRecords) {
    const TbsDataSkinObject* r = record.get();
    std::unique_ptr<TbsActiveSkinObject> object;
    if (dynamic_cast<const TbsDataSkinMainMenuBarButton*>(r) != nullptr)
      continue;
    if (auto* std = dynamic_cast<const TbsDataSkinStdButton*>(r))
      object = std::make_unique<TbsSkinStdButtonObject>(this, std, std->command);
    else if (auto* button = dynamic_cast<const TbsDataSkinButton*>(r))
      object = std::make_unique<TbsSkinButtonObject>(this, button);
    else if (auto* caption = dynamic_cast<const TbsDataSkinCaption*>(r))
      object = std::make_unique<TbsSkinCaptionObject>(this, caption);
    else if (auto* animate = dynamic_cast<const TbsDataSkinAnimate*>(r))
      object = std::make_unique<TbsSkinAnimateObject>(this, animate);
    else if (dynamic_cast<const TbsDataUserObject*>(r) != nullptr)
      object = std::make_unique<TbsUserObject>(this, r);
    if (object)
      FObjectList.push_back(std::move(object));
  }
}

void TbsSkinForm::CreatePlainButtons() {
  FActiveObject = FPreviousActiveObject = FCaptureObject = -1;
  FObjectList.clear();
  const std::pair<const char*, TbsStdCommand> buttons[] = {
      {"closebutton", TbsStdCommand::cmClose},     {"maxbutton", TbsStdCommand::cmMaximize},
      {"minbutton", TbsStdCommand::cmMinimize},    {"rollupbutton", TbsStdCommand::cmRollUp},
      {"sysmenubutton", TbsStdCommand::cmSysMenu}, {"traybutton", TbsStdCommand::cmMinimizeToTray}};
  for (const auto& [name, command] : buttons)
    FObjectList.push_back(std::make_unique<TbsSkinStdButtonObject>(this, nullptr, command, name));
  ApplyBorderIcons();
}

void TbsSkinForm::ApplyBorderIcons() {
  for (const auto& o : FObjectList) {
    std::optional<TbsStdCommand> command;
    if (auto* b = dynamic_cast<TbsSkinStdButtonObject*>(o.get()))
      command = b->Command;
    else if (auto* a = dynamic_cast<TbsSkinAnimateObject*>(o.get());
             a != nullptr &&
             (FHideCaptionButtons || (a->ButtonStyle && a->Command != TbsStdCommand::cmDefault)))
      command = a->Command;
    if (!command)
      continue;
    const std::optional<TbsBorderIcon> icon = IconOf(*command);
    if (FHideCaptionButtons || (icon && !FBorderIcons.Contains(*icon))) {
      // A button drawn as part of the frame picture stays, disabled; one
      // with a look of its own leaves the row.
      o->Enabled = false;
      o->Visible = !o->SkinRectInAPicture;
    }
  }
}

void TbsSkinForm::PlaceObjects() {
  if (FSkinLoaded) {
    for (const auto& o : FObjectList)
      if (!o->SkinRectInAPicture)
        o->ObjectRect = MapObjectRect(*FSD, FSized, o->SkinRect);
  }
  PlaceButtonRow();
}

void TbsSkinForm::PlaceButtonRow() {
  const int smallIcon = win::GetSystemMetrics(win::SM_CXSMICON);
  const auto sizeOf = [&](const TbsActiveSkinObject& o, TbsStdCommand command) {
    if (!FSkinLoaded)
      return gfx::Size{PlainCaptionHeight() - 2, PlainCaptionHeight() - 2};
    if (command == TbsStdCommand::cmSysMenu && FShowIcon)
      return gfx::Size{smallIcon > 0 ? smallIcon : win::GetSystemMetrics(win::SM_CXSIZE),
                       smallIcon > 0 ? win::GetSystemMetrics(win::SM_CYSMICON)
                                     : win::GetSystemMetrics(win::SM_CYSIZE)};
    return o.SkinRect.GetSize();
  };
  const auto find = [&](TbsStdCommand command) -> TbsActiveSkinObject* {
    for (const auto& o : FObjectList) {
      if (!o->Visible || (FSkinLoaded && !o->SkinRectInAPicture))
        continue;
      if (auto* b = dynamic_cast<TbsSkinStdButtonObject*>(o.get()); b && b->Command == command)
        return b;
      if (auto* a = dynamic_cast<TbsSkinAnimateObject*>(o.get()); a && a->Command == command)
        return a;
    }
    return nullptr;
  };
  TbsActiveSkinObject* caption = nullptr;
  for (const auto& o : FObjectList)
    if (o->IsCaption()) {
      caption = o.get();
      break;
    }
  Rect captionRect = FSkinLoaded ? FSized.SizedCaptionRect : PlainCaptionRect();
  Rect base = FSkinLoaded ? FSized.SizedButtonsRect : Rect{};
  const bool inCaption = base.IsEmpty();
  if (inCaption)
    base = captionRect;
  if (base.IsEmpty())
    return;
  const int offset = FSkinLoaded ? FSized.ButtonsOffset : 0;
  const bool left = FSkinLoaded && FSized.ButtonsInLeft;
  const int top = FSkinLoaded ? base.top : base.top + 1;
  const TbsStdCommand order[] = {TbsStdCommand::cmClose, TbsStdCommand::cmMaximize,
                                 TbsStdCommand::cmMinimize, TbsStdCommand::cmRollUp,
                                 TbsStdCommand::cmMinimizeToTray};
  int x = left ? base.left : base.right;
  int rowEdge = x;  // the row's inner end: where its last button ends
  for (TbsStdCommand command : order) {
    TbsActiveSkinObject* o = find(command);
    if (o == nullptr)
      continue;
    const gfx::Size s = sizeOf(*o, command);
    o->ObjectRect = left ? Rect::FromXYWH(x, top, s.cx, s.cy) : Rect{x - s.cx, top, x, top + s.cy};
    rowEdge = left ? o->ObjectRect.right : o->ObjectRect.left;
    x = left ? x + s.cx + offset : x - s.cx - offset;
  }
  // A button rectangle of its own holds the row of every button the skin
  // draws; the buttons the border icons leave out leave room at its inner
  // end. The caption beside the row takes that room, at the distance from
  // the row the skin gave it, so that the title is not cut short next to
  // a bare stretch of frame.
  if (!inCaption && caption != nullptr) {
    if (!left && caption->ObjectRect.right <= base.left)
      caption->ObjectRect.right += std::max(0, rowEdge - base.left);
    else if (left && caption->ObjectRect.left >= base.right)
      caption->ObjectRect.left -= std::max(0, base.right - rowEdge);
  }
  TbsActiveSkinObject* sys = find(TbsStdCommand::cmSysMenu);
  if (!left) {
    if (inCaption && caption != nullptr)
      caption->ObjectRect.right = x + offset;
    if (sys != nullptr) {
      const gfx::Size s = sizeOf(*sys, TbsStdCommand::cmSysMenu);
      const int t = captionRect.top + captionRect.Height() / 2 - s.cy / 2;
      sys->ObjectRect = Rect::FromXYWH(captionRect.left, t, s.cx, s.cy);
      if (caption != nullptr)
        caption->ObjectRect.left = sys->ObjectRect.right;
    }
  } else if (inCaption) {
    if (sys != nullptr) {
      const gfx::Size s = sizeOf(*sys, TbsStdCommand::cmSysMenu);
      sys->ObjectRect = Rect::FromXYWH(x, top, s.cx, s.cy);
      x += s.cx + offset;
    }
    if (caption != nullptr)
      caption->ObjectRect.left = x + offset;
  }
}
