#pragma once

// Pictures: TGraphic is any picture that can draw itself on a canvas;
// TBitmap is an editable picture with its own canvas, read and written as
// BMP; TJPEGImage is a decoded JPEG; TPicture holds one of them, chosen by
// the file ending when loading.

#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"
#include "ui/Canvas.h"

// A picture could not be read or written; the text says why, naming the
// file where there is one.
class EInvalidGraphic : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum TTransparentMode { tmAuto, tmFixed };

class TGraphic : public TObject {
 public:
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual bool Empty() const = 0;
  // Draws the picture scaled to Rect (not scaled when the sizes agree),
  // leaving out the transparent colour when Transparent is set.
  virtual void Draw(TCanvas& Canvas, const TRect& Rect) const = 0;
  virtual void LoadFromFile(const std::string& FileName) = 0;
  // The decoded pixels; empty for an empty picture.
  virtual const gfx::Bitmap& Pixels() const = 0;

  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);

  TNotifyEvent OnChange;

 protected:
  void Changed() {
    if (OnChange)
      OnChange(this);
  }
  // Draws Pixels() with the given colour key (none: opaque).
  void DrawPixels(TCanvas& Canvas, const TRect& Rect, std::optional<TColor> Key) const;

 private:
  bool FTransparent = false;
};

class TBitmap : public TGraphic {
 public:
  TBitmap();
  TBitmap(int AWidth, int AHeight);
  ~TBitmap() override;

  int Width() const override { return FBitmap.Width(); }
  int Height() const override { return FBitmap.Height(); }
  bool Empty() const override { return FBitmap.IsEmpty(); }
  void SetWidth(int Value) { SetSize(Value, Height()); }
  void SetHeight(int Value) { SetSize(Width(), Value); }
  // Keeps the pixels of the old size that still fit; new ones are black.
  void SetSize(int AWidth, int AHeight);

  // A canvas drawing on the bitmap's pixels.
  TCanvas& Canvas();

  // The colour left out when Transparent is set: with tmAuto the colour of
  // the bottom-left pixel, with tmFixed the colour given.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor Value);
  TTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode Value) { FTransparentMode = Value; }

  void Draw(TCanvas& Canvas, const TRect& Rect) const override;
  void LoadFromFile(const std::string& FileName) override;
  // Reads one BMP file from memory; raises EInvalidGraphic when it is not
  // one, leaving the bitmap as it was.
  void LoadFromBytes(std::span<const std::uint8_t> Bytes);
  // Writes a 24-bit BMP file, replacing an existing one only when the new
  // one is complete. Raises EInvalidGraphic when it cannot be written.
  void SaveToFile(const std::string& FileName) const;

  void Assign(const TGraphic& Source);
  // Takes the pixels over.
  void SetPixels(gfx::Bitmap&& Pixels);
  const gfx::Bitmap& Pixels() const override { return FBitmap; }
  gfx::Bitmap& Bitmap() { return FBitmap; }

 private:
  void ResetCanvas();

  gfx::Bitmap FBitmap;
  std::unique_ptr<gfx::DeviceContext> FContext;
  std::unique_ptr<TCanvas> FCanvas;
  TColor FTransparentColor = gfx::clNone;
  TTransparentMode FTransparentMode = tmAuto;
};

class TJPEGImage : public TGraphic {
 public:
  int Width() const override { return FBitmap.Width(); }
  int Height() const override { return FBitmap.Height(); }
  bool Empty() const override { return FBitmap.IsEmpty(); }
  void Draw(TCanvas& Canvas, const TRect& Rect) const override;
  void LoadFromFile(const std::string& FileName) override;
  void LoadFromBytes(std::span<const std::uint8_t> Bytes);
  void Assign(const TGraphic& Source);
  const gfx::Bitmap& Pixels() const override { return FBitmap; }

 private:
  gfx::Bitmap FBitmap;
};

class TPicture : public TObject {
 public:
  TPicture();
  ~TPicture() override;

  // The picture held, or null.
  TGraphic* Graphic() const { return FGraphic.get(); }
  void SetGraphic(std::unique_ptr<TGraphic> Value);
  // The picture as a bitmap; a picture of another kind is replaced by an
  // empty bitmap first, as the classic picture does.
  TBitmap& Bitmap();

  int Width() const { return FGraphic ? FGraphic->Width() : 0; }
  int Height() const { return FGraphic ? FGraphic->Height() : 0; }

  // ".bmp" loads a bitmap, ".jpg" and ".jpeg" a JPEG picture (any letter
  // case). Anything else, a missing file or a damaged picture raises
  // EInvalidGraphic and keeps the picture held before.
  void LoadFromFile(const std::string& FileName);
  void Assign(const TPicture& Source);
  void Clear() { SetGraphic(nullptr); }

  TNotifyEvent OnChange;

 private:
  void Changed();

  std::unique_ptr<TGraphic> FGraphic;
};
