#include "SkinFramePreview.h"

#include <cstdio>
#include <memory>
#include <optional>

#include "SkinPreview.h"
#include "skin/form/SkinForm.h"
#include "ui/Application.h"

namespace {

// The browser window's client area.
constexpr int kDefaultWidth = 760;
constexpr int kDefaultHeight = 570;
// Large enough for any screen; larger sizes are a typing error.
constexpr int kLargestSide = 8192;

struct FrameOptions {
  int width = kDefaultWidth;
  int height = kDefaultHeight;
  bool sizeable = false;
  bool inactive = false;
  std::string screenshot;
  std::string source;
};

int FrameUsage(const std::string& message) {
  std::fprintf(stderr,
               "tilebrook-skin: %s\nusage: tilebrook-skin frame [--size WxH] [--sizeable] "
               "[--inactive] [--screenshot FILE.png] [SOURCE]\n",
               message.c_str());
  return 2;
}

// "WxH" with both sides from 1 to kLargestSide.
std::optional<std::pair<int, int>> ParseSize(const std::string& text) {
  int w = 0, h = 0;
  char x = 0, rest = 0;
  if (std::sscanf(text.c_str(), "%d%c%d%c", &w, &x, &h, &rest) != 3 || (x != 'x' && x != 'X'))
    return std::nullopt;
  if (w < 1 || h < 1 || w > kLargestSide || h > kLargestSide)
    return std::nullopt;
  return std::make_pair(w, h);
}

// An empty form of the asked client size in the skin's frame.
TForm* MakeFrameForm(TApplication& application, TbsSkinData* skin, const FrameOptions& o) {
  auto* form = new TForm(&application);
  form->SetCaption("Skin frame " + std::to_string(o.width) + " x " + std::to_string(o.height));
  form->SetBorderStyle(o.sizeable ? bsSizeable : bsSingle);
  form->SetBounds(40, 40, 300, 200);
  auto* frame = new TbsSkinForm(form);
  frame->SetSkinData(skin);
  form->SetClientSize(o.width, o.height);
  return form;
}

}  // namespace

int FrameCommand(const std::vector<std::string>& args) {
  FrameOptions o;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--size") {
      if (i + 1 >= args.size())
        return FrameUsage("--size needs WxH");
      const auto size = ParseSize(args[++i]);
      if (!size)
        return FrameUsage("--size needs WxH, each side from 1 to " + std::to_string(kLargestSide));
      o.width = size->first;
      o.height = size->second;
    } else if (a == "--sizeable") {
      o.sizeable = true;
    } else if (a == "--inactive") {
      o.inactive = true;
    } else if (a == "--screenshot") {
      if (i + 1 >= args.size() || args[i + 1].empty())
        return FrameUsage("--screenshot needs a file name");
      o.screenshot = args[++i];
    } else if (!a.empty() && a[0] == '-') {
      return FrameUsage("unknown option " + a);
    } else if (o.source.empty()) {
      o.source = a;
    } else {
      return FrameUsage("give at most one skin");
    }
  }
  const std::unique_ptr<TbsSkinData> skin = LoadShownSkin(o.source);
  if (!skin)
    return 1;
  const auto make = [&](TApplication& application) {
    return MakeFrameForm(application, skin.get(), o);
  };
  // Another window takes the activation; the frame fades to its inactive
  // look.
  const auto deactivate = [&](TApplication& application) {
    if (!o.inactive)
      return;
    auto* other = new TForm(&application);
    other->SetBorderStyle(bsNone);
    other->SetBounds(0, 0, 1, 1);
    other->Show();
  };
  return ShowToolForm("Skin frame", o.screenshot, make, deactivate);
}
