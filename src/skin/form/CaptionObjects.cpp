#include "skin/form/CaptionObjects.h"

#include <algorithm>

#include "skin/data/EffectBmp.h"
#include "skin/data/SkinData.h"
#include "skin/form/FrameGeometry.h"
#include "skin/form/SkinForm.h"

using gfx::Bitmap;
using gfx::DeviceContext;
using gfx::Rect;

namespace {

// The part `part` of a rectangle of a picture fitted to width x height.
Bitmap LookPart(const Bitmap* picture, const Rect& source, int width, int height,
                const Rect& part) {
  Bitmap out(std::max(part.Width(), 0), std::max(part.Height(), 0));
  if (picture == nullptr || out.IsEmpty() || source.IsEmpty())
    return out;
  DeviceContext dc(out);
  dc.StretchBlt(-part.left, -part.top, width, height, *picture, source.left, source.top,
                source.Width(), source.Height());
  return out;
}

}  // namespace

TbsActiveSkinObject::TbsActiveSkinObject(TbsSkinForm* form, const TbsDataSkinObject* record)
    : SkinForm(form) {
  if (record == nullptr)
    return;
  const TbsSkinData* skin = form->SkinData();
  IDName = record->IDName;
  Hint = record->hint;
  SkinRect = BoundedFrameRect(record->skinrect);
  ActiveSkinRect = BoundedFrameRect(record->activeskinrect);
  ObjectRect = SkinRect;
  Morphing = record->morphing;
  MorphKind = record->morphkind;
  SkinRectInAPicture = record->skinrectinapicture;
  if (skin != nullptr) {
    Picture = &skin->Picture;
    StatesPicture = skin->ActivePicture(record->activepictureindex);
  }
  // Without its picture an object has no active look and nothing to morph.
  if (StatesPicture == nullptr)
    ActiveSkinRect = {};
  if (ActiveSkinRect.IsEmpty())
    Morphing = false;
}

bool TbsActiveSkinObject::Drawable() const {
  constexpr long long kLargestArea = 16LL * 1024 * 1024;
  const int w = ObjectRect.Width(), h = ObjectRect.Height();
  return w > 0 && h > 0 && w <= gfx::Bitmap::kMaxDimension && h <= gfx::Bitmap::kMaxDimension &&
         static_cast<long long>(w) * h <= kLargestArea;
}

bool TbsActiveSkinObject::CanMorph() const {
  return (Highlighted && MorphProgress < 1) || (!Highlighted && MorphProgress > 0);
}

void TbsActiveSkinObject::DrawLook(DeviceContext& dc, const Bitmap* picture,
                                   const Rect& source) const {
  if (picture == nullptr || source.IsEmpty() || ObjectRect.IsEmpty())
    return;
  if (source.GetSize() == ObjectRect.GetSize())
    dc.BitBlt(ObjectRect.left, ObjectRect.top, source.Width(), source.Height(), *picture,
              source.left, source.top);
  else
    dc.StretchBlt(ObjectRect.left, ObjectRect.top, ObjectRect.Width(), ObjectRect.Height(),
                  *picture, source.left, source.top, source.Width(), source.Height());
}

// Only the part of the object the device context can show is composed:
// a large object mostly outside the window costs no more than what shows.
void TbsActiveSkinObject::DrawMorph(DeviceContext& dc, const Bitmap* normalPicture,
                                    const Rect& normal, const Bitmap* activePicture,
                                    const Rect& active) {
  const int w = ObjectRect.Width(), h = ObjectRect.Height();
  const Rect shown =
      ObjectRect.Intersect(dc.GetClipBox()).Offset(-ObjectRect.left, -ObjectRect.top);
  DrawMorphPart(dc, shown, [&](bool activeLook, const Rect& part) {
    return activeLook ? LookPart(activePicture, active, w, h, part)
                      : LookPart(normalPicture, normal, w, h, part);
  });
}

void TbsActiveSkinObject::DrawMorphPart(DeviceContext& dc, const Rect& shown,
                                        const TbsLookPart& look,
                                        const std::function<void(TbsEffectBmp&)>& finish) {
  const int w = ObjectRect.Width(), h = ObjectRect.Height();
  if (w <= 0 || h <= 0 || shown.IsEmpty())
    return;
  const gfx::Point at{ObjectRect.left + shown.left, ObjectRect.top + shown.top};
  if (IsSlidingMorph(MorphKind)) {
    // Each run of columns comes straight from its look.
    Bitmap composed(shown.Width(), shown.Height());
    DeviceContext cdc(composed);
    for (const TbsMorphRun& run : MorphRuns(MorphKind, w, MorphProgress)) {
      const Rect dest = shown.Intersect({run.dest, shown.top, run.dest + run.count, shown.bottom});
      if (!dest.IsEmpty())
        cdc.DrawBitmap(dest.left - shown.left, dest.top - shown.top,
                       look(run.fromOther, dest.Offset(run.source - run.dest, 0)));
    }
    if (!finish) {
      dc.DrawBitmap(at.x, at.y, composed);
      return;
    }
    TbsEffectBmp result(composed);
    finish(result);
    result.Draw(dc, at.x, at.y);
    return;
  }
  TbsEffectBmp result(look(false, shown));
  result.ApplyMorph(MorphKind, TbsEffectBmp(look(true, shown)), MorphProgress,
                    {w, h, shown.left, shown.top});
  if (finish)
    finish(result);
  result.Draw(dc, at.x, at.y);
}

void TbsActiveSkinObject::Draw(DeviceContext& dc, bool update) {
  const Bitmap* normalPicture = SkinRectInAPicture ? StatesPicture : Picture;
  if (Morphing && CanMorph()) {
    DrawMorph(dc, normalPicture, SkinRect, StatesPicture, ActiveSkinRect);
    return;
  }
  if (Highlighted && !ActiveSkinRect.IsEmpty()) {
    DrawLook(dc, StatesPicture, ActiveSkinRect);
    return;
  }
  if (!update && !SkinRectInAPicture)
    return;
  DrawLook(dc, normalPicture, SkinRect);
}

void TbsActiveSkinObject::MouseDown(int X, int Y, TMouseButton Button) {
  if (SkinForm->OnMouseDownEvent)
    SkinForm->OnMouseDownEvent(IDName, X, Y, ObjectRect, Button);
}

void TbsActiveSkinObject::MouseUp(int X, int Y, TMouseButton Button) {
  if (Hovered && SkinForm->OnMouseUpEvent)
    SkinForm->OnMouseUpEvent(IDName, X, Y, ObjectRect, Button);
}

void TbsActiveSkinObject::MouseMove(int X, int Y) {
  if (SkinForm->OnMouseMoveEvent)
    SkinForm->OnMouseMoveEvent(IDName, X, Y, ObjectRect);
}

void TbsActiveSkinObject::MouseEnter() {
  Hovered = Highlighted = true;
  if (!ActiveSkinRect.IsEmpty())
    RedrawObject();
  if (SkinForm->OnMouseEnterEvent)
    SkinForm->OnMouseEnterEvent(IDName);
}

void TbsActiveSkinObject::MouseLeave() {
  Hovered = Highlighted = false;
  if (!ActiveSkinRect.IsEmpty())
    RedrawObject();
  if (SkinForm->OnMouseLeaveEvent)
    SkinForm->OnMouseLeaveEvent(IDName);
}

void TbsActiveSkinObject::RedrawObject() {
  if (Morphing)
    SkinForm->StartFadeTimer();
  else
    SkinForm->PaintObjectNow(*this);
}

void TbsActiveSkinObject::MorphStep() {
  MorphProgress = std::clamp(MorphProgress + (Highlighted ? 0.1 : -0.1), 0.0, 1.0);
  // Ten steps of a tenth must end exactly at a look.
  if (MorphProgress > 0.999)
    MorphProgress = 1;
  if (MorphProgress < 0.001)
    MorphProgress = 0;
  SkinForm->PaintObjectNow(*this);
}

void TbsUserObject::Draw(DeviceContext& dc, bool) {
  if (SkinForm->OnPaintEvent)
    SkinForm->OnPaintEvent(IDName, dc, ObjectRect);
}

// -- Buttons -------------------------------------------------------------------

TbsSkinButtonObject::TbsSkinButtonObject(TbsSkinForm* form, const TbsDataSkinButton* record)
    : TbsActiveSkinObject(form, record) {
  if (record == nullptr)
    return;
  DownRect = BoundedFrameRect(record->downrect);
  DisabledRect = BoundedFrameRect(record->disableskinrsect);
}

bool TbsSkinButtonObject::CanMorph() const {
  if (PopupItem != nullptr && Pressed)
    return false;
  return TbsActiveSkinObject::CanMorph();
}

void TbsSkinButtonObject::Draw(DeviceContext& dc, bool update) {
  if (!Enabled && !DisabledRect.IsEmpty())
    DrawLook(dc, StatesPicture, DisabledRect);
  else if (Pressed && !DownRect.IsEmpty() && Hovered)
    DrawLook(dc, StatesPicture, DownRect);
  else
    TbsActiveSkinObject::Draw(dc, update);
}

void TbsSkinButtonObject::SetPressed(bool Value) {
  Pressed = Value;
  if (Morphing && Highlighted)
    MorphProgress = 1;
  SkinForm->PaintObjectNow(*this);
  if (Morphing && !Pressed)
    RedrawObject();
}

void TbsSkinButtonObject::MouseDown(int X, int Y, TMouseButton Button) {
  if (!Enabled)
    return;
  if (Button == mbLeft && !Pressed) {
    SetPressed(true);
    ShowObjectPopup();
  }
  TbsActiveSkinObject::MouseDown(X, Y, Button);
}

void TbsSkinButtonObject::MouseUp(int X, int Y, TMouseButton Button) {
  if (!Enabled)
    return;
  if (Button == mbLeft && PopupItem == nullptr && Pressed)
    SetPressed(false);
  TbsActiveSkinObject::MouseUp(X, Y, Button);
}

void TbsSkinButtonObject::MouseEnter() {
  Hovered = Highlighted = true;
  if (!DownRect.IsEmpty() && Pressed) {
    if (Morphing)
      MorphProgress = 1;
    SkinForm->PaintObjectNow(*this);
  } else if (!ActiveSkinRect.IsEmpty()) {
    RedrawObject();
  }
  if (SkinForm->OnMouseEnterEvent)
    SkinForm->OnMouseEnterEvent(IDName);
}

void TbsSkinButtonObject::MouseLeave() {
  Hovered = Highlighted = false;
  if (!(Pressed && PopupItem != nullptr)) {
    SkinForm->PaintObjectNow(*this);
    RedrawObject();
  }
  if (SkinForm->OnMouseLeaveEvent)
    SkinForm->OnMouseLeaveEvent(IDName);
}

void TbsSkinButtonObject::ShowObjectPopup() {
  if (PopupItem == nullptr || PopupItem->Count() == 0)
    return;
  const TCustomForm* owner = SkinForm->OwnerForm();
  const Rect anchor = ObjectRect.Offset(owner->Left(), owner->Top());
  SkinForm->ShowFrameMenu(*PopupItem, anchor, PopupUp);
}

// -- Animations ------------------------------------------------------------------

TbsSkinAnimateObject::TbsSkinAnimateObject(TbsSkinForm* form, const TbsDataSkinAnimate* record)
    : TbsActiveSkinObject(form, record) {
  Morphing = false;
  if (record == nullptr)
    return;
  CountFrames = std::max(record->countframes, 1);
  Cycle = record->cycle;
  ButtonStyle = record->buttonstyle;
  TimerInterval = std::max(record->timerinterval, 25);
  Command = record->command;
}

void TbsSkinAnimateObject::Draw(DeviceContext& dc, bool) {
  const int w = SkinRect.Width(), h = SkinRect.Height();
  const long long left = ActiveSkinRect.left + static_cast<long long>(w) * (CurrentFrame - 1);
  // A frame beyond any picture shows nothing.
  if (left > kFarFrameCoordinate)
    return;
  DrawLook(dc, StatesPicture, Rect::FromXYWH(static_cast<int>(left), ActiveSkinRect.top, w, h));
}

void TbsSkinAnimateObject::MouseEnter() {
  Hovered = true;
  if (ButtonStyle) {
    Playing = true;
    Forward = true;
    SkinForm->StartAnimateTimer();
  }
  if (SkinForm->OnMouseEnterEvent)
    SkinForm->OnMouseEnterEvent(IDName);
}

void TbsSkinAnimateObject::MouseLeave() {
  Hovered = false;
  if (ButtonStyle) {
    Playing = true;
    Forward = false;
    SkinForm->StartAnimateTimer();
  }
  if (SkinForm->OnMouseLeaveEvent)
    SkinForm->OnMouseLeaveEvent(IDName);
}

void TbsSkinAnimateObject::MouseUp(int X, int Y, TMouseButton Button) {
  const bool run = Button == mbLeft && Hovered;
  TbsActiveSkinObject::MouseUp(X, Y, Button);
  if (!run)
    return;
  const TCustomForm* owner = SkinForm->OwnerForm();
  const Rect anchor = ObjectRect.Offset(owner->Left(), owner->Top());
  if (Command == TbsStdCommand::cmSysMenu)
    SkinForm->ShowFrameMenu(*SkinForm->GetSystemMenuItems(), anchor, PopupUp);
  else if (Command == TbsStdCommand::cmDefault && PopupItem != nullptr && PopupItem->Count() > 0)
    SkinForm->ShowFrameMenu(*PopupItem, anchor, PopupUp);
}

void TbsSkinAnimateObject::DblClick() {
  if (Command == TbsStdCommand::cmSysMenu)
    SkinForm->OwnerForm()->Close();
}

void TbsSkinAnimateObject::Stop() {
  Playing = false;
  Elapsed = 25;
}

bool TbsSkinAnimateObject::AnimationTick() {
  if (!Playing)
    return false;
  if (Elapsed < TimerInterval) {
    Elapsed += 25;
    return true;
  }
  Elapsed = 25;
  if (Forward) {
    CurrentFrame = CurrentFrame >= CountFrames ? 1 : CurrentFrame + 1;
    if (CurrentFrame == CountFrames && !Cycle)
      Playing = false;
  } else {
    CurrentFrame = CurrentFrame <= 1 ? CountFrames : CurrentFrame - 1;
    if (CurrentFrame == 1)
      Playing = false;
  }
  SkinForm->PaintObjectNow(*this);
  return Playing;
}
