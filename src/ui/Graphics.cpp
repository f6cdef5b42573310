#include "ui/Graphics.h"

#include <algorithm>
#include <cctype>

#include "platform/gfx/ImageCodecs.h"
#include "platform/sys/AtomicFile.h"
#include "platform/sys/FileSystem.h"

namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

std::string FileEnding(const std::string& FileName) {
  std::size_t slash = FileName.find_last_of('/');
  std::size_t dot = FileName.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
    return "";
  return Lower(FileName.substr(dot));
}

std::string ReadWholeFile(const std::string& FileName) {
  std::optional<std::string> bytes = sys::ReadFileBytes(FileName);
  if (!bytes)
    throw EInvalidGraphic("Cannot open file \"" + FileName + "\"");
  return std::move(*bytes);
}

std::span<const std::uint8_t> AsBytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

}  // namespace

// -- TGraphic ----------------------------------------------------------------

void TGraphic::SetTransparent(bool Value) {
  if (Value != FTransparent) {
    FTransparent = Value;
    Changed();
  }
}

void TGraphic::DrawPixels(TCanvas& Canvas, const TRect& Rect, std::optional<TColor> Key) const {
  gfx::DeviceContext* dc = Canvas.Handle();
  const gfx::Bitmap& px = Pixels();
  if (!dc || px.IsEmpty() || Rect.IsEmpty())
    return;
  if (Key) {
    dc->TransparentBlt(Rect.left, Rect.top, Rect.Width(), Rect.Height(), px, 0, 0, px.Width(),
                       px.Height(), *Key);
  } else if (Rect.Width() == px.Width() && Rect.Height() == px.Height()) {
    dc->BitBlt(Rect.left, Rect.top, Rect.Width(), Rect.Height(), px, 0, 0);
  } else {
    dc->StretchBlt(Rect.left, Rect.top, Rect.Width(), Rect.Height(), px, 0, 0, px.Width(),
                   px.Height());
  }
}

// -- TBitmap -----------------------------------------------------------------

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int AWidth, int AHeight) {
  SetSize(AWidth, AHeight);
}

TBitmap::~TBitmap() = default;

void TBitmap::ResetCanvas() {
  // The canvas keeps its pen, brush and font; only its context follows the
  // new pixels.
  FContext.reset();
  if (FCanvas) {
    FCanvas->SetHandle(nullptr);
    if (!FBitmap.IsEmpty()) {
      FContext = std::make_unique<gfx::DeviceContext>(FBitmap);
      FCanvas->SetHandle(FContext.get());
    }
  }
}

void TBitmap::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  if (AWidth == Width() && AHeight == Height())
    return;
  gfx::Bitmap next(AWidth, AHeight);
  if (!FBitmap.IsEmpty() && !next.IsEmpty()) {
    gfx::DeviceContext dc(next);
    dc.BitBlt(0, 0, FBitmap.Width(), FBitmap.Height(), FBitmap, 0, 0);
  }
  FBitmap = std::move(next);
  ResetCanvas();
  Changed();
}

TCanvas& TBitmap::Canvas() {
  if (!FCanvas) {
    FCanvas = std::make_unique<TCanvas>();
    ResetCanvas();
  }
  return *FCanvas;
}

TColor TBitmap::TransparentColor() const {
  if (FTransparentMode == tmFixed && FTransparentColor != gfx::clNone)
    return FTransparentColor;
  if (FBitmap.IsEmpty())
    return gfx::clNone;
  return FBitmap.GetPixel(0, FBitmap.Height() - 1);
}

void TBitmap::SetTransparentColor(TColor Value) {
  FTransparentColor = Value;
  FTransparentMode = Value == gfx::clNone ? tmAuto : tmFixed;
  Changed();
}

void TBitmap::Draw(TCanvas& Canvas, const TRect& Rect) const {
  std::optional<TColor> key;
  if (Transparent())
    key = gfx::ColorToRGB(TransparentColor());
  DrawPixels(Canvas, Rect, key);
}

void TBitmap::LoadFromFile(const std::string& FileName) {
  std::string bytes = ReadWholeFile(FileName);
  gfx::DecodedImage image = gfx::ReadBmp(AsBytes(bytes));
  if (!image.Ok())
    throw EInvalidGraphic("Cannot read the bitmap \"" + FileName + "\": " + image.error);
  SetPixels(std::move(image.bitmap));
}

void TBitmap::LoadFromBytes(std::span<const std::uint8_t> Bytes) {
  gfx::DecodedImage image = gfx::ReadBmp(Bytes);
  if (!image.Ok())
    throw EInvalidGraphic("Cannot read the bitmap: " + image.error);
  SetPixels(std::move(image.bitmap));
}

void TBitmap::SaveToFile(const std::string& FileName) const {
  std::vector<std::uint8_t> bytes = gfx::WriteBmp(FBitmap, 24);
  std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (!sys::ReplaceFileAtomically(FileName, view))
    throw EInvalidGraphic("Cannot write the bitmap \"" + FileName + "\"");
}

void TBitmap::SetPixels(gfx::Bitmap&& Pixels) {
  FBitmap = std::move(Pixels);
  ResetCanvas();
  Changed();
}

void TBitmap::Assign(const TGraphic& Source) {
  if (&Source == this)
    return;
  FBitmap = Source.Pixels().Clone();
  if (auto* b = dynamic_cast<const TBitmap*>(&Source)) {
    FTransparentColor = b->FTransparentColor;
    FTransparentMode = b->FTransparentMode;
  }
  // Copies the flag without a change event of its own; one follows below.
  TNotifyEvent keep = std::move(OnChange);
  SetTransparent(Source.Transparent());
  OnChange = std::move(keep);
  ResetCanvas();
  Changed();
}

// -- TJPEGImage --------------------------------------------------------------

void TJPEGImage::Draw(TCanvas& Canvas, const TRect& Rect) const {
  // A JPEG has no colour key of its own; transparency uses the bottom-left
  // pixel as a bitmap in automatic mode does.
  std::optional<TColor> key;
  if (Transparent() && !FBitmap.IsEmpty())
    key = FBitmap.GetPixel(0, FBitmap.Height() - 1);
  DrawPixels(Canvas, Rect, key);
}

void TJPEGImage::LoadFromFile(const std::string& FileName) {
  std::string bytes = ReadWholeFile(FileName);
  gfx::DecodedImage image = gfx::DecodeJpeg(AsBytes(bytes));
  if (!image.Ok())
    throw EInvalidGraphic("Cannot read the JPEG picture \"" + FileName + "\": " + image.error);
  FBitmap = std::move(image.bitmap);
  Changed();
}

void TJPEGImage::LoadFromBytes(std::span<const std::uint8_t> Bytes) {
  gfx::DecodedImage image = gfx::DecodeJpeg(Bytes);
  if (!image.Ok())
    throw EInvalidGraphic("Cannot read the JPEG picture: " + image.error);
  FBitmap = std::move(image.bitmap);
  Changed();
}

void TJPEGImage::Assign(const TGraphic& Source) {
  if (&Source == this)
    return;
  FBitmap = Source.Pixels().Clone();
  SetTransparent(Source.Transparent());
  Changed();
}

// -- TPicture ----------------------------------------------------------------

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Changed() {
  if (OnChange)
    OnChange(this);
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> Value) {
  FGraphic = std::move(Value);
  if (FGraphic)
    FGraphic->OnChange = [this](TObject*) { Changed(); };
  Changed();
}

TBitmap& TPicture::Bitmap() {
  auto* bitmap = dynamic_cast<TBitmap*>(FGraphic.get());
  if (!bitmap) {
    auto fresh = std::make_unique<TBitmap>();
    bitmap = fresh.get();
    SetGraphic(std::move(fresh));
  }
  return *bitmap;
}

void TPicture::LoadFromFile(const std::string& FileName) {
  std::string ending = FileEnding(FileName);
  std::unique_ptr<TGraphic> graphic;
  if (ending == ".bmp")
    graphic = std::make_unique<TBitmap>();
  else if (ending == ".jpg" || ending == ".jpeg")
    graphic = std::make_unique<TJPEGImage>();
  else
    throw EInvalidGraphic("Unknown picture file extension (" + ending + ")");
  // Loaded into a new object so that a failure leaves the old picture.
  graphic->LoadFromFile(FileName);
  if (FGraphic)
    graphic->SetTransparent(FGraphic->Transparent());
  SetGraphic(std::move(graphic));
}

void TPicture::Assign(const TPicture& Source) {
  if (&Source == this)
    return;
  if (!Source.FGraphic) {
    SetGraphic(nullptr);
    return;
  }
  if (auto* jpeg = dynamic_cast<const TJPEGImage*>(Source.FGraphic.get())) {
    auto copy = std::make_unique<TJPEGImage>();
    copy->Assign(*jpeg);
    SetGraphic(std::move(copy));
    return;
  }
  auto copy = std::make_unique<TBitmap>();
  copy->Assign(*Source.FGraphic);
  SetGraphic(std::move(copy));
}
