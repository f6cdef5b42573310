#pragma once

// TbsSkinHint gives tool-tip hints the skin's look. Placed on the
// application's main form and active, it makes TbsSkinHintWindow the
// class of the application's hint window, so every control hint is drawn
// from the skin's hint-window record; it also shows hints of its own, for
// the objects of a skinned frame, after the application's hint pause.

#include <memory>
#include <optional>
#include <string>

#include "platform/gfx/Region.h"
#include "skin/data/SkinData.h"
#include "skin/form/WindowPicture.h"
#include "ui/Application.h"
#include "ui/HintWindow.h"

class TTimer;
class TbsSkinHint;

class TbsSkinHintWindow : public THintWindow {
 public:
  explicit TbsSkinHintWindow(TComponent* AOwner);

  // Sizes the window to the text (with the skin's picture around it),
  // keeps it on the screen and shows it without taking the focus. Nothing
  // shows while the main form has no active TbsSkinHint.
  void ActivateHint(TRect Rect, const std::string& AHint) override;

  bool SkinLook() const { return FSkinLook; }
  const std::optional<gfx::Region>& ShapeRegion() const { return FRegion; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void WndProc(TMessage& Message) override;

 private:
  const TbsDataSkinHintWindow* Record() const;
  void PrepareFont();

  TbsSkinHint* FHint = nullptr;
  bool FSkinLook = false;
  TbsFrameLayout FLayout;
  TbsSizedFrame FSized;
  std::optional<gfx::Region> FRegion;
  bool FAlphaBlend = false;
  int FAlphaBlendValue = -1;
};

class TbsSkinHint : public TComponent {
 public:
  explicit TbsSkinHint(TComponent* AOwner);
  ~TbsSkinHint() override;

  TbsSkinData* SkinData() const { return FSD; }
  void SetSkinData(TbsSkinData* Value);
  bool Active() const { return FActive; }
  // Only one hint component of the main form is active at a time.
  void SetActive(bool Value);
  bool AlphaBlend = false;
  unsigned char AlphaBlendValue = 0;
  TFont& DefaultFont() { return FDefaultFont; }
  void SetDefaultFont(const TFont& Value) { FDefaultFont.Assign(Value); }
  bool UseSkinFont = true;
  TShowHintEvent OnShowHint;

  // Shows Text after the application's hint pause (a frame object's hint);
  // a new request replaces a pending one.
  void ShowObjectHintText(const std::string& Text);
  void ShowHintNow();
  void HideObjectHint();
  TbsSkinHintWindow& HintWindow() const { return *FHintWindow; }

  // How far below the cursor's hot spot its picture reaches.
  static int CursorBottomMargin();

  // The active hint component of the application's main form, or null.
  static TbsSkinHint* ActiveHintOf(TComponent* MainForm);

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void InstallHintWindowClass();

  TbsSkinData* FSD = nullptr;
  bool FActive = true;
  TFont FDefaultFont;
  TbsSkinHintWindow* FHintWindow = nullptr;
  std::unique_ptr<TTimer> FTimer;
  std::string FObjectHint;
};
