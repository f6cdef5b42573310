#include "tiles/TilesNotice.h"

#include <algorithm>

#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinLabels.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace {

constexpr TColor kPaper = gfx::RGB(244, 236, 220);
constexpr int kMargin = 16;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 20;

}  // namespace

void ShowTilesNotice(const std::string& Text, TbsSkinData* Skin) {
  TForm notice(Application);
  notice.SetBorderStyle(bsDialog);
  notice.SetBorderIcons({biSystemMenu});
  notice.SetPosition(Application && Application->MainForm() ? poMainFormCenter : poScreenCenter);
  notice.SetCaption(Application ? Application->Title() : std::string());
  notice.SetColor(kPaper);

  auto* text = new TbsSkinStdLabel(&notice);
  text->SetSkinData(Skin);
  text->SetTransparent(true);
  text->SetCaption(Text);
  text->SetParent(&notice);
  text->SetLeft(kMargin);
  text->SetTop(kMargin);

  auto* ok = new TbsSkinButton(&notice);
  ok->SetSkinDataName("button");
  ok->SetSkinData(Skin);
  ok->SetCaption("OK");
  ok->SetDefault(true);
  ok->SetCancel(true);
  ok->SetModalResult(mrOk);
  ok->SetParent(&notice);

  const int width = std::max(text->Width(), 240) + 2 * kMargin;
  const int buttonTop = text->Top() + text->Height() + kMargin;
  ok->SetBounds((width - kButtonWidth) / 2, buttonTop, kButtonWidth, kButtonHeight);
  notice.SetClientSize(width, buttonTop + ok->Height() + kMargin);
  notice.SetActiveControl(ok);
  notice.ShowModal();
}
