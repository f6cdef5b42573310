#pragma once

// Helpers for the control tests: the product skin loaded once, and
// pictures whose pixels name their own coordinates, so that a test can tell
// exactly which source pixel a fitted picture put where.

#include <memory>
#include <string>

#include "platform/gfx/Bitmap.h"
#include "skin/data/SkinData.h"
#include "skin/data/StoredSkin.h"

namespace controltest {

// The product skin of the repository, loaded once for the whole run.
inline const TbsSkinData& ProductSkin() {
  static const std::unique_ptr<TbsSkinData> skin = [] {
    TbsStoredSkin stored(nullptr);
    stored.LoadFromSkinFile(std::string(TILEBROOK_SOURCE_DIR) + "/assets/skin/skin.ini");
    auto data = std::make_unique<TbsSkinData>(nullptr);
    data->ApplyStoredSkin(&stored);
    return data;
  }();
  return *skin;
}

// The product skin's control record of that name and class, or null.
template <class Record>
const Record* ProductRecord(const std::string& name) {
  const TbsSkinData& skin = ProductSkin();
  const int i = skin.IndexOfControlRecord(name);
  return i < 0 ? nullptr : dynamic_cast<const Record*>(skin.ControlRecords[i].get());
}

// Pixel (x, y) has red x and green y (both below 256), blue 7.
inline gfx::Bitmap CoordinatePicture(int width, int height) {
  gfx::Bitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      b.SetPixel(x, y, gfx::RGB(x, y, 7));
  return b;
}

// The source coordinates a pixel of a composed coordinate picture came
// from; (-1, -1) for a pixel that nothing was drawn on.
inline gfx::Point SourceOf(const gfx::Bitmap& b, int x, int y) {
  const gfx::ColorRef c = b.GetPixel(x, y);
  if (gfx::GetBValue(c) != 7)
    return {-1, -1};
  return {gfx::GetRValue(c), gfx::GetGValue(c)};
}

}  // namespace controltest

#include <functional>

#include "skin/controls/ControlTimer.h"

namespace controltest {

// A control timer on a clock that moves only when the test says so.
class ManualTimer : public TbsControlTimer {
 public:
  void Start(unsigned interval) override {
    interval_ = interval;
    due_ = now_ + interval;
    running_ = true;
    ++starts_;
  }
  void Stop() override { running_ = false; }
  bool Running() const override { return running_; }
  unsigned Interval() const { return interval_; }
  int Starts() const { return starts_; }
  unsigned Now() const { return now_; }

  // Moves the clock on, delivering every tick that falls due on the way.
  void Advance(unsigned ms) {
    const unsigned end = now_ + ms;
    while (running_ && due_ <= end) {
      now_ = due_;
      due_ += interval_;
      if (OnTick)
        OnTick();
    }
    now_ = end;
  }

  std::function<void()> OnTick;

 private:
  unsigned now_ = 0;
  unsigned due_ = 0;
  unsigned interval_ = 0;
  bool running_ = false;
  int starts_ = 0;
};

}  // namespace controltest
