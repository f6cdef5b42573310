#include "SkinFramePreview.h"

#include <cstdio>
#include <memory>
#include <optional>

#include "SkinPreview.h"
#include "SkinSource.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "skin/data/StoredSkin.h"
#include "skin/form/SkinForm.h"
#include "skin/product/ProductSkin.h"
#include "ui/Application.h"

#if TILEBROOK_PREVIEW_X11
#include "platform/win/x11/DesktopFactory.h"
#endif

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

std::unique_ptr<TbsSkinData> LoadFrameSkin(const std::string& source) {
  if (!source.empty())
    return LoadSkinSource(source).data;
  TbsStoredSkin stored(nullptr);
  ReadProductSkin(stored);
  auto data = std::make_unique<TbsSkinData>(nullptr);
  data->ApplyStoredSkin(&stored);
  return data;
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
  application.AddForm(form);
  return form;
}

int Screenshot(TbsSkinData* skin, const FrameOptions& o) {
  win::HeadlessDesktop headless;
  TScreen screen;
  TApplication application;
  TForm* form = MakeFrameForm(application, skin, o);
  form->Show();
  if (o.inactive) {
    // Another window takes the activation; the frame fades to its
    // inactive look.
    auto* other = new TForm(&application);
    other->SetBorderStyle(bsNone);
    other->SetBounds(0, 0, 1, 1);
    other->Show();
  }
  SettleHeadless(headless, application);
  if (!headless.Backend().SaveWindowShot(form->Handle(), o.screenshot)) {
    std::fprintf(stderr, "tilebrook-skin: cannot write %s\n", o.screenshot.c_str());
    return 1;
  }
  return 0;
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
  std::unique_ptr<TbsSkinData> skin;
  try {
    skin = LoadFrameSkin(o.source);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tilebrook-skin: %s\n", e.what());
    return 1;
  }
  if (skin->Empty) {
    std::fprintf(stderr, "tilebrook-skin: the skin was refused\n");
    return 1;
  }
  if (!o.screenshot.empty())
    return Screenshot(skin.get(), o);
#if TILEBROOK_PREVIEW_X11
  std::unique_ptr<win::Desktop> desktop = win::OpenDesktopOrExit("tilebrook-skin");
  TScreen screen;
  TApplication application;
  application.SetTitle("Skin frame");
  MakeFrameForm(application, skin.get(), o);
  application.Run();
  return 0;
#else
  std::fprintf(stderr,
               "tilebrook-skin: this build has no display backend; use --screenshot FILE.png\n");
  return 1;
#endif
}
