#include "browser/NoticeDialog.h"

#include <algorithm>

#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinLabels.h"
#include "ui/Application.h"
#include "ui/Form.h"

void ShowPlainNotice(TbsSkinData* Skin, const std::string& Caption, const std::string& Text) {
  constexpr int kMargin = 16;
  constexpr int kButtonWidth = 75;
  constexpr int kButtonHeight = 25;
  TForm form(Application);
  form.SetBorderStyle(bsDialog);
  form.SetPosition(poMainFormCenter);
  form.SetCaption(Caption);
  form.SetColor(gfx::clBtnFace);

  auto* message = new TbsSkinStdLabel(&form);
  message->SetName("Message");
  message->SetSkinData(Skin);
  message->SetLeft(kMargin);
  message->SetTop(kMargin);
  message->SetCaption(Text);
  message->SetParent(&form);

  auto* ok = new TbsSkinButton(&form);
  ok->SetName("OK");
  ok->SetCaption("OK");
  ok->SetDefault(true);
  ok->SetCancel(true);
  ok->SetModalResult(mrOk);
  ok->SetParent(&form);
  ok->SetSkinData(Skin);

  const int width = std::max(message->Width(), kButtonWidth) + 2 * kMargin;
  const int buttonTop = message->Top() + message->Height() + kMargin;
  ok->SetBounds((width - kButtonWidth) / 2, buttonTop, kButtonWidth, kButtonHeight);
  form.SetClientSize(width, buttonTop + kButtonHeight + kMargin);
  form.SetActiveControl(ok);
  form.ShowModal();
}
