#pragma once

// TCustomLabel and TLabel: a caption drawn on the parent. The text drawing
// is one virtual operation, DoDrawText, that measures (with DT_CALCRECT)
// as well as draws, so that a derived label drawing its text another way
// (with a skin's font and colours) sizes itself by the same rule.

#include "ui/WinControl.h"

class TCustomLabel : public TGraphicControl {
 public:
  explicit TCustomLabel(TComponent* AOwner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  // The label takes the size of its text whenever the text or the font
  // changes; a right-aligned label keeps its right edge.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  // "&" marks the next character as the accelerator and shows it
  // underlined; "&&" is a plain "&". Off: every "&" is shown as it is.
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);
  // A transparent label leaves its background unpainted.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  // The control that its accelerator focuses.
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);

  // Sizes the label to its text now (when AutoSize is on).
  void AdjustBounds();

 protected:
  virtual std::string GetLabelText() const { return Caption(); }
  // Draws the text in Rect with the DT_ flags, or with DT_CALCRECT
  // measures it into Rect.
  virtual void DoDrawText(TRect& Rect, unsigned Flags);
  // Sets the font DoDrawText draws with: the label's own.
  virtual void PrepareFont(TFont& F) { F.Assign(Font()); }
  void Paint() override;
  void WndProc(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TAlignment FAlignment = taLeftJustify;
  bool FAutoSize = true;
  TTextLayout FLayout = tlTop;
  bool FWordWrap = false;
  bool FShowAccelChar = true;
  bool FTransparent = false;
  TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
 public:
  using TCustomLabel::TCustomLabel;
};
