#include "platform/win/Win.h"
#include "ui/WinControl.h"

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

void TGraphicControl::WndProc(TMessage& Message) {
  if (Message.Msg == win::WM_PAINT) {
    auto* dc = win::ParamPointer<gfx::DeviceContext>(Message.WParam);
    if (!dc)
      return;
    FCanvas.SetHandle(dc);
    FCanvas.Font().Assign(Font());
    FCanvas.Brush().SetColor(Color());
    Paint();
    FCanvas.SetHandle(nullptr);
    return;
  }
  TControl::WndProc(Message);
}

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}

void TCustomControl::PaintWindow(gfx::DeviceContext* DC) {
  FCanvas.SetHandle(DC);
  FCanvas.Font().Assign(Font());
  FCanvas.Brush().SetColor(Color());
  Paint();
  FCanvas.SetHandle(nullptr);
}
