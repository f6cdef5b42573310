#pragma once

// The active parts of a skinned frame: the caption, the caption buttons,
// plain push buttons, frame animations and objects the application paints
// itself. Each knows its rectangle on the frame, its normal and active looks
// and its state, morphs between the looks on the frame's timer, and runs
// its command when clicked. The frame owns them and drives them from its
// hover tracking and mouse routing.

#include <functional>
#include <optional>
#include <string>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"
#include "skin/data/EffectBmp.h"
#include "skin/data/SkinObjectRecords.h"
#include "skin/data/SkinValues.h"
#include "ui/Types.h"

class TbsSkinForm;
class TMenuItem;
class TbsEffectBmp;

class TbsActiveSkinObject {
 public:
  // `record` may be null for the built-in buttons of the plain frame.
  TbsActiveSkinObject(TbsSkinForm* form, const TbsDataSkinObject* record);
  virtual ~TbsActiveSkinObject() = default;
  TbsActiveSkinObject(const TbsActiveSkinObject&) = delete;
  TbsActiveSkinObject& operator=(const TbsActiveSkinObject&) = delete;

  // Whether MorphProgress still has to move towards the look Highlighted
  // asks for.
  virtual bool CanMorph() const;
  // Draws the object at ObjectRect. Without `update` an object whose normal
  // look is part of the frame picture draws nothing in that look.
  virtual void Draw(gfx::DeviceContext& dc, bool update);
  virtual void DblClick() {}
  virtual void MouseDown(int X, int Y, TMouseButton Button);
  virtual void MouseUp(int X, int Y, TMouseButton Button);
  virtual void MouseMove(int X, int Y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual bool IsCaption() const { return false; }
  // Whether the object has a size that can be drawn; a damaged skin may
  // give one far larger than any window.
  bool Drawable() const;

  // Morphs on the frame's timer, or paints at once.
  void RedrawObject();
  // One tenth of the way between the looks.
  void MorphStep();

  TbsSkinForm* SkinForm;
  double MorphProgress = 0;
  bool Hovered = false;
  const gfx::Bitmap* Picture = nullptr;
  const gfx::Bitmap* StatesPicture = nullptr;
  std::string IDName;
  std::string Hint;
  gfx::Rect SkinRect;
  gfx::Rect ActiveSkinRect;
  gfx::Rect ObjectRect;
  bool Highlighted = false;
  bool Morphing = false;
  TbsMorphKind MorphKind = TbsMorphKind::mkDefault;
  bool Enabled = true;
  bool Visible = true;
  bool SkinRectInAPicture = false;

 protected:
  // The morph between two looks (rectangles of their pictures) at the
  // current progress, drawn at ObjectRect where dc can show it.
  void DrawMorph(gfx::DeviceContext& dc, const gfx::Bitmap* normalPicture, const gfx::Rect& normal,
                 const gfx::Bitmap* activePicture, const gfx::Rect& active);
  // The part of a look, in the object's own coordinates, as a bitmap of
  // the part's size.
  using TbsLookPart = std::function<gfx::Bitmap(bool active, const gfx::Rect& part)>;
  // The morph at the current progress of the part `shown` of the object (in
  // its own coordinates), composed from parts of its looks only, changed by
  // `finish` when given, and drawn in its place.
  void DrawMorphPart(gfx::DeviceContext& dc, const gfx::Rect& shown, const TbsLookPart& look,
                     const std::function<void(TbsEffectBmp&)>& finish = {});
  // Copies a rectangle of a picture onto ObjectRect, stretching when the
  // sizes differ.
  void DrawLook(gfx::DeviceContext& dc, const gfx::Bitmap* picture, const gfx::Rect& source) const;
};

// An object the application draws in OnPaintEvent.
class TbsUserObject : public TbsActiveSkinObject {
 public:
  using TbsActiveSkinObject::TbsActiveSkinObject;
  void Draw(gfx::DeviceContext& dc, bool update) override;
};

class TbsSkinButtonObject : public TbsActiveSkinObject {
 public:
  TbsSkinButtonObject(TbsSkinForm* form, const TbsDataSkinButton* record);

  bool CanMorph() const override;
  void Draw(gfx::DeviceContext& dc, bool update) override;
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  void SetPressed(bool Value);
  // Opens the children of PopupItem under the button.
  void ShowObjectPopup();

  bool Pressed = false;
  gfx::Rect DownRect;
  gfx::Rect DisabledRect;
  TMenuItem* PopupItem = nullptr;
  bool PopupUp = false;
};

class TbsSkinStdButtonObject : public TbsSkinButtonObject {
 public:
  // `record` null: one of the built-in buttons of the plain frame.
  TbsSkinStdButtonObject(TbsSkinForm* form, const TbsDataSkinStdButton* record,
                         TbsStdCommand command, const std::string& name = {});

  bool CanMorph() const override;
  void Draw(gfx::DeviceContext& dc, bool update) override;
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void DblClick() override;

  // Whether the button shows its restore look now.
  bool RestoreLook() const;
  void RunCommand();

  TbsStdCommand Command;
  gfx::Rect RestoreRect;
  gfx::Rect RestoreActiveRect;
  gfx::Rect RestoreDownRect;
  gfx::Rect RestoreInactiveRect;
  bool FromRecord;

 private:
  bool ShowsIcon() const;
  void DrawBuiltIn(gfx::DeviceContext& dc) const;
};

class TbsSkinCaptionObject : public TbsActiveSkinObject {
 public:
  TbsSkinCaptionObject(TbsSkinForm* form, const TbsDataSkinCaption* record);

  void Draw(gfx::DeviceContext& dc, bool update) override;
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  bool IsCaption() const override { return true; }

  // The text rectangle relative to the object's top-left corner.
  gfx::Rect TextRect() const;

  std::string FontName;
  int FontHeight = 14;
  TbsFontStyles FontStyle;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TbsAlignment Alignment = TbsAlignment::taCenter;
  gfx::Rect TextRectKey;
  bool Shadow = false;
  TColor ShadowColor = 0;
  TColor ActiveShadowColor = 0;
  gfx::Rect FrameRect;
  gfx::Rect ActiveFrameRect;
  gfx::Rect FrameTextRect;
  int FrameLeftOffset = 0;
  int FrameRightOffset = 0;

 private:
  void PaintCaptionBackground(gfx::DeviceContext& dc, const gfx::Rect& source,
                              const gfx::Bitmap* picture, int width, int height) const;
  void DrawCaptionText(gfx::DeviceContext& dc, int x0, int y0, bool active) const;
  // One look, background and title, drawn straight into dc at ObjectRect.
  void DrawCaptionLook(gfx::DeviceContext& dc, bool active) const;
  // The part of the object inside the window, in its own coordinates: all
  // that any paint can show, and all that is composed for a look.
  gfx::Rect ShownPart() const;
  // The part `part` (in the object's coordinates) of one look.
  gfx::Bitmap LookPart(bool active, const gfx::Rect& part) const;
  // A look's shown part with the inactive effect, drawn in its place.
  void DrawInactiveLook(gfx::DeviceContext& dc, bool active, TbsInactiveEffect effect) const;

  // The two looks a fade mixes, made once for the size, part and title they
  // show and kept only while the fade runs.
  struct TbsFadeLooks {
    gfx::Size Size;
    gfx::Rect Part;
    std::string Caption;
    gfx::Bitmap Normal;
    gfx::Bitmap Active;
  };
  const TbsFadeLooks& FadeLooks(const gfx::Rect& part);
  std::optional<TbsFadeLooks> FFadeLooks;
};

class TbsSkinAnimateObject : public TbsActiveSkinObject {
 public:
  TbsSkinAnimateObject(TbsSkinForm* form, const TbsDataSkinAnimate* record);

  void Draw(gfx::DeviceContext& dc, bool update) override;
  bool CanMorph() const override { return false; }
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void DblClick() override;

  // One tick of the frame's 25 ms animation timer; false when the object
  // no longer plays.
  bool AnimationTick();
  void Stop();

  int CurrentFrame = 1;
  int CountFrames = 1;
  bool Cycle = false;
  bool ButtonStyle = false;
  int TimerInterval = 50;
  TbsStdCommand Command = TbsStdCommand::cmDefault;
  bool Playing = false;
  bool Forward = true;
  int Elapsed = 25;
  TMenuItem* PopupItem = nullptr;
  bool PopupUp = false;
};

// Shortens text by characters from its end until it, followed by "...",
// fits width on dc; the text itself when it fits.
std::string CaptionTextFit(const gfx::DeviceContext& dc, const std::string& text, int width);

// Gives a piece of the frame the skin's inactive look.
void ApplyFrameInactiveEffect(TbsEffectBmp& bmp, TbsInactiveEffect effect);

// The glyph of a caption button's command in the colour given, its box's
// top-left corner at o: the built-in buttons and the system menu's items
// draw it. restoreLook draws the restore glyph for maximize and minimize,
// and turns the roll-up arrow down.
void DrawCaptionGlyph(gfx::DeviceContext& dc, TbsStdCommand command, gfx::Point o,
                      gfx::ColorRef colour, bool restoreLook);
