#pragma once

// THintWindow: the small window that shows a control's hint. It never
// takes the focus or the mouse; the application moves it to the hint's
// place and shows it. A skin replaces it by a class of its own through
// TApplication::HintWindowClass.

#include <string>

#include "ui/WinControl.h"

class THintWindow : public TCustomControl {
 public:
  explicit THintWindow(TComponent* AOwner);

  // Shows the hint at Rect (screen coordinates), kept on the screen.
  virtual void ActivateHint(TRect Rect, const std::string& AHint);
  virtual void ActivateHintData(TRect Rect, const std::string& AHint, void* AData);
  // The size the hint needs, at (0, 0): its text wrapped at MaxWidth with a
  // margin.
  virtual TRect CalcHintRect(int MaxWidth, const std::string& AHint, void* AData);
  // Hides the window.
  void ReleaseHandle();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void WndProc(TMessage& Message) override;
};
