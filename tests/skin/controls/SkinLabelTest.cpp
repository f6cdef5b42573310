// Labels, link labels, link images and bevels with and without the skin.

#include "SkinFormTest.h"
#include "skin/controls/SkinLabels.h"

namespace controltest {
namespace {

class SkinLabels : public SkinFormTest {
 protected:
  // How many pixels of the control have exactly this colour.
  int Count(TControl* c, TColor color) {
    const gfx::Bitmap shot = ShotOf(c);
    int n = 0;
    for (int y = 0; y < shot.Height(); ++y)
      for (int x = 0; x < shot.Width(); ++x)
        n += shot.GetPixel(x, y) == color;
    return n;
  }
  template <class Pred>
  int CountIf(TControl* c, Pred pred) {
    const gfx::Bitmap shot = ShotOf(c);
    int n = 0;
    for (int y = 0; y < shot.Height(); ++y)
      for (int x = 0; x < shot.Width(); ++x)
        n += pred(shot.GetPixel(x, y));
    return n;
  }
  TbsSkinStdLabel* MakeLabel(const std::string& caption) {
    auto* l = new TbsSkinStdLabel(form);
    l->SetParent(form);
    l->SetLeft(20);
    l->SetTop(20);
    l->SetCaption(caption);
    return l;
  }
};

TEST_F(SkinLabels, DisabledLabelDrawsHighlightUnderShadow) {
  form->SetColor(gfx::clBtnFace);
  TbsSkinStdLabel* l = MakeLabel("Severity");
  auto lighter = [](TColor c) { return gfx::GetGValue(c) > 0xD0; };
  auto black = [](TColor c) { return gfx::GetGValue(c) < 0x50; };
  EXPECT_EQ(CountIf(l, lighter), 0);
  EXPECT_GT(CountIf(l, black), 0);
  l->SetEnabled(false);
  // Grey text over a white copy: lighter pixels appear, black ones go.
  EXPECT_GT(CountIf(l, lighter), 0);
  EXPECT_EQ(CountIf(l, black), 0);
}

TEST_F(SkinLabels, SkinFontWinsOverTheLabelsFont) {
  TbsSkinStdLabel* l = MakeLabel("Package / Paket:");
  l->Font().SetHeight(40);
  l->Font().SetColor(gfx::clRed);
  // No skin: the default font, not the big red one.
  EXPECT_LT(l->Height(), 25);
  EXPECT_EQ(Count(l, gfx::clRed), 0);
  l->SetSkinData(skin);
  EXPECT_NE(l->SkinIndex(), -1);
  EXPECT_LT(l->Height(), 25);
  EXPECT_GT(Count(l, gfx::clBlack), 0);
  EXPECT_EQ(Count(l, gfx::clRed), 0);
  // Without the skin font the label's own font shows, in the skin's colour.
  l->SetUseSkinFont(false);
  l->SkinRefresh();
  EXPECT_GT(l->Height(), 35);
  EXPECT_EQ(Count(l, gfx::clRed), 0);
}

TEST_F(SkinLabels, LinkLabelLightsUpUnderTheMouse) {
  auto* link = new TbsSkinLinkLabel(form);
  link->SetParent(form);
  link->SetBounds(20, 60, 10, 10);
  link->SetCaption("Newsletter");
  link->SetSkinData(skin);
  const TColor active = 16744448;
  EXPECT_EQ(Count(link, active), 0);
  const TPoint p = At(link, 3, 3);
  script.MoveTo(p.x, p.y);
  Run();
  EXPECT_TRUE(link->MouseIn());
  EXPECT_GT(Count(link, active), 0);
  script.MoveTo(1, 1);
  Run();
  EXPECT_EQ(Count(link, active), 0);
}

TEST_F(SkinLabels, DisabledLinkImageTakesNoClicks) {
  auto* image = new TbsSkinLinkImage(form);
  image->SetParent(form);
  image->SetBounds(0, 0, 100, 100);
  image->SetEnabled(false);
  int clicks = 0;
  image->OnClick = [&](TObject*) { ++clicks; };
  const TPoint p = At(image, 50, 50);
  script.Click(p.x, p.y);
  Run();
  EXPECT_EQ(clicks, 0);
}

TEST_F(SkinLabels, PreviewBevelInTheSkinColours) {
  form->SetColor(gfx::clWhite);
  auto* bevel = new TbsSkinBevel(form);
  bevel->SetParent(form);
  bevel->SetBounds(10, 10, 160, 161);
  EXPECT_EQ(bevel->LightColor(), gfx::clBtnHighlight);
  bevel->SetSkinData(skin);
  gfx::Bitmap shot = ShotOf(bevel);
  EXPECT_EQ(shot.GetPixel(80, 0), gfx::clSilver);
  EXPECT_EQ(shot.GetPixel(0, 80), gfx::clSilver);
  EXPECT_EQ(shot.GetPixel(80, 160), gfx::clBlack);
  EXPECT_EQ(shot.GetPixel(159, 80), gfx::clBlack);
  bevel->SetDividerMode(true);
  shot = ShotOf(bevel);
  EXPECT_EQ(shot.GetPixel(79, 80), gfx::clSilver);
  EXPECT_EQ(shot.GetPixel(80, 80), gfx::clBlack);
  EXPECT_NE(shot.GetPixel(0, 80), gfx::clSilver);
}

}  // namespace
}  // namespace controltest
