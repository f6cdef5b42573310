// Fonts, bitmaps, pictures and image lists: what a control draws with and
// what it reads from files.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/gfx/ImageCodecs.h"
#include "ui/Graphics.h"
#include "ui/ImageList.h"

namespace {

namespace fs = std::filesystem;

class TempDir {
 public:
  TempDir() {
    char pattern[] = "/tmp/tb-ui-XXXXXX";
    path_ = mkdtemp(pattern);
  }
  ~TempDir() { fs::remove_all(path_); }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(Fonts, SizeAndHeightConvertAndEveryChangeIsAnnounced) {
  TFont font;
  int changes = 0;
  font.OnChange = [&](TObject*) { ++changes; };
  EXPECT_EQ(font.Height(), -11);
  EXPECT_EQ(font.Size(), 8);
  font.SetSize(12);
  EXPECT_EQ(font.Height(), -16);
  font.SetHeight(-16);  // no change, no event
  font.SetStyle({fsBold, fsUnderline});
  font.SetColor(gfx::clRed);
  font.SetName("Arial");
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(font.Handle().GetLogFont().weight, gfx::FW_BOLD);
  EXPECT_TRUE(font.Handle().GetLogFont().underline);
  TFont copy;
  copy.Assign(font);
  EXPECT_TRUE(copy.SameAs(font));
  EXPECT_EQ(copy.Handle().GetLogFont(), font.Handle().GetLogFont());
}

TEST(Bitmaps, ResizingKeepsPixelsAndTheCanvasDrawsOnTheNewOnes) {
  TBitmap bmp(4, 4);
  bmp.Canvas().Brush().SetColor(gfx::clRed);
  bmp.Canvas().FillRect({0, 0, 4, 4});
  bmp.SetSize(6, 3);
  EXPECT_EQ(bmp.Pixels().GetPixel(3, 2), gfx::clRed);
  EXPECT_EQ(bmp.Pixels().GetPixel(5, 2), gfx::clBlack);
  bmp.Canvas().SetPixel(5, 0, gfx::clLime);
  EXPECT_EQ(bmp.Pixels().GetPixel(5, 0), gfx::clLime);
  EXPECT_FALSE(bmp.Empty());
  bmp.SetSize(0, 3);
  EXPECT_TRUE(bmp.Empty());
}

TEST(Bitmaps, TransparentColourIsTheBottomLeftPixelUnlessFixed) {
  TBitmap bmp(2, 2);
  bmp.Canvas().SetPixel(0, 1, gfx::clFuchsia);
  EXPECT_EQ(bmp.TransparentColor(), gfx::clFuchsia);
  bmp.SetTransparentColor(gfx::clLime);
  EXPECT_EQ(bmp.TransparentMode(), tmFixed);
  EXPECT_EQ(bmp.TransparentColor(), gfx::clLime);
  // Drawn transparent, the key colour leaves the target as it was.
  bmp.Canvas().SetPixel(1, 1, gfx::clLime);
  bmp.SetTransparent(true);
  TBitmap target(2, 2);
  target.Canvas().Brush().SetColor(gfx::clWhite);
  target.Canvas().FillRect({0, 0, 2, 2});
  target.Canvas().Draw(0, 0, bmp);
  EXPECT_EQ(target.Pixels().GetPixel(1, 1), gfx::clWhite);
  EXPECT_EQ(target.Pixels().GetPixel(0, 1), gfx::clFuchsia);
}

TEST(Bitmaps, SaveAndLoadAsBmpAndAssignCopies) {
  TempDir dir;
  TBitmap bmp(3, 2);
  bmp.Canvas().SetPixel(2, 1, gfx::RGB(1, 2, 3));
  bmp.SaveToFile(dir.File("a.bmp"));
  TBitmap back;
  back.LoadFromFile(dir.File("a.bmp"));
  EXPECT_TRUE(back.Pixels().SameAs(bmp.Pixels()));
  TBitmap copy;
  copy.Assign(bmp);
  bmp.Canvas().SetPixel(0, 0, gfx::clWhite);
  EXPECT_EQ(copy.Pixels().GetPixel(0, 0), gfx::clBlack);
  // A failed write names the file and leaves nothing half written.
  EXPECT_THROW(bmp.SaveToFile(dir.File("missing/a.bmp")), EInvalidGraphic);
  // A damaged file is an error and the bitmap keeps its picture.
  WriteText(dir.File("bad.bmp"), "BM not really");
  EXPECT_THROW(back.LoadFromFile(dir.File("bad.bmp")), EInvalidGraphic);
  EXPECT_EQ(back.Width(), 3);
}

TEST(Pictures, TheFileEndingChoosesTheKindAndFailuresKeepThePicture) {
  TempDir dir;
  gfx::Bitmap pixels(8, 8, gfx::clBlue);
  ASSERT_TRUE(gfx::SaveImageFile(pixels, dir.File("p.JPG")));
  ASSERT_TRUE(gfx::SaveImageFile(pixels, dir.File("b.Bmp")));
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  picture.LoadFromFile(dir.File("p.JPG"));
  EXPECT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 8);
  picture.LoadFromFile(dir.File("b.Bmp"));
  EXPECT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
  EXPECT_EQ(changes, 2);
  // A JPEG named .bmp is not a bitmap.
  fs::copy_file(dir.File("p.JPG"), dir.File("wrong.bmp"));
  EXPECT_THROW(picture.LoadFromFile(dir.File("wrong.bmp")), EInvalidGraphic);
  EXPECT_THROW(picture.LoadFromFile(dir.File("p.png")), EInvalidGraphic);
  EXPECT_THROW(picture.LoadFromFile(dir.File("none.jpg")), EInvalidGraphic);
  EXPECT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
  EXPECT_EQ(changes, 2);
  try {
    picture.LoadFromFile(dir.File("x.gif"));
  } catch (const EInvalidGraphic& e) {
    EXPECT_STREQ(e.what(), "Unknown picture file extension (.gif)");
  }
  TPicture copy;
  copy.Assign(picture);
  EXPECT_TRUE(copy.Graphic()->Pixels().SameAs(picture.Graphic()->Pixels()));
  // Asking a JPEG picture for a bitmap gives an empty one in its place.
  picture.LoadFromFile(dir.File("p.JPG"));
  EXPECT_TRUE(picture.Bitmap().Empty());
}

TEST(ImageLists, CellsAreCutFromAStripAndDrawnMaskedOrWhole) {
  TImageList list(nullptr);
  list.SetWidth(4);
  list.SetHeight(2);
  TBitmap strip(10, 2);  // two whole cells; the rest is dropped
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 2; ++y)
      strip.Canvas().SetPixel(x, y, x < 4 ? gfx::clRed : gfx::clLime);
  strip.Canvas().SetPixel(0, 1, gfx::clWhite);  // the first cell's key colour
  strip.Canvas().SetPixel(4, 1, gfx::clWhite);
  EXPECT_EQ(list.Add(strip), 0);
  EXPECT_EQ(list.Count(), 2);
  TBitmap narrow(3, 2);
  EXPECT_EQ(list.Add(narrow), -1);

  TBitmap target(4, 2);
  target.Canvas().Brush().SetColor(gfx::clBlue);
  target.Canvas().FillRect({0, 0, 4, 2});
  list.Draw(target.Canvas(), 0, 0, 1);
  EXPECT_EQ(target.Pixels().GetPixel(1, 0), gfx::clLime);
  EXPECT_EQ(target.Pixels().GetPixel(0, 1), gfx::clBlue);
  list.SetMasked(false);
  list.Draw(target.Canvas(), 0, 0, 1);
  EXPECT_EQ(target.Pixels().GetPixel(0, 1), gfx::clWhite);
  list.Draw(target.Canvas(), 0, 0, 7);  // no such cell: nothing drawn
  list.Delete(0);
  TBitmap cell;
  ASSERT_TRUE(list.GetBitmap(0, cell));
  EXPECT_EQ(cell.Pixels().GetPixel(2, 0), gfx::clLime);
  EXPECT_FALSE(list.GetBitmap(1, cell));
}

}  // namespace
