// The cost of bringing a stored skin to life at start-up (reading its
// Pictures stream and applying it to the container) against the part of
// that work nobody can avoid: decoding its BMP files.
//
// The skin has the browser skin's shape: a 205 x 167 main picture and mask,
// nine active pictures, 12 objects and a record of every control type.

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <string>
#include <vector>

#include "platform/gfx/ImageCodecs.h"
#include "skin/data/SkinControlRecords.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjectRecords.h"
#include "skin/data/SkinStreams.h"

namespace {

gfx::Bitmap Picture(int width, int height, int seed) {
  gfx::Bitmap bitmap(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      bitmap.SetPixel(x, y, gfx::RGB(x * 3 + seed, y * 5 + seed, (x ^ y) + seed));
  return bitmap;
}

std::vector<std::string> SkinText() {
  TbsSkinIni ini;
  ini.WriteString("VERSION", "skinname", "Bench");
  const std::vector<std::string> names = {"a0.bmp", "a1.bmp", "a2.bmp", "a3.bmp", "a4.bmp",
                                          "a5.bmp", "a6.bmp", "a7.bmp", "a8.bmp"};
  ini.WriteString("PICTURES", "picture", "main.bmp");
  ini.WriteString("PICTURES", "mask", "mask.bmp");
  WriteNameList(ini, "PICTURES", "activepictures", names);
  ini.WriteString("FORMINFO", "clientrect", "7,30,198,160");
  const char* objectWords[] = {"caption",   "stdbutton",         "stdbutton", "stdbutton",
                               "stdbutton", "stdbutton",         "menuitem",  "mainmenubaritem",
                               "button",    "mainmenubarbutton", "animate",   "userobject"};
  int k = 0;
  for (const char* word : objectWords) {
    std::string name = "object" + std::to_string(k);
    ini.WriteString("SKINOBJECTS", std::to_string(k++), name + ":" + word);
    CreateSkinObjectRecord(word, name)->SaveToIni(ini);
  }
  ini.WriteInteger("SKINOBJECTS", "count", k);
  const char* controlWords[] = {
      "panel",    "expanel",     "menubutton", "button",   "checkradio", "gauge",
      "splitter", "trackbar",    "label",      "stdlabel", "updown",     "grid",
      "tab",      "mainmenubar", "controlbar", "memo",     "edit",       "checklistbox",
      "listbox",  "combobox",    "scrollbar",  "spinedit", "scrollbox",  "treeview",
      "bevel",    "slider",      "listview",   "richedit"};
  k = 0;
  for (int round = 0; round < 2; ++round)
    for (const char* word : controlWords) {
      std::string name = "control" + std::to_string(k);
      ini.WriteString("SKINCONTROLS", std::to_string(k++), name + ":" + word);
      CreateSkinControlRecord(word, name)->SaveToIni(ini);
    }
  ini.WriteInteger("SKINCONTROLS", "count", k);
  return ini.GetStrings();
}

struct BenchSkin {
  std::vector<uint8_t> pictures;  // the Pictures stream
  std::vector<std::string> text;

  BenchSkin() {
    // Both cases free everything they made at the end of each iteration.
    // Without this the allocator hands the larger working set of the full
    // load back to the system every time and faults it in again, a cost
    // that start-up pays once for the decoded pictures as well; keeping
    // freed memory makes the two cases comparable.
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    TbsStoredSkin stored(nullptr);
    stored.Picture = Picture(205, 167, 1);
    stored.MaskPicture = Picture(205, 167, 2);
    for (int i = 0; i < 9; ++i)
      stored.ActivePictures.push_back(Picture(180 + 10 * i, 90, i));
    stored.WritePictures(pictures);
    text = SkinText();
  }
};

const BenchSkin& Skin() {
  static BenchSkin skin;
  return skin;
}

// Walks the stream and decodes each BMP file, as any reader must.
void BaselineDecodeBmps(benchmark::State& state) {
  const BenchSkin& skin = Skin();
  for (auto _ : state) {
    TbsByteReader in(skin.pictures);
    int decoded = 0;
    for (int flagged = 0; flagged < 3; ++flagged) {
      if (in.ReadByte() != 0)
        continue;
      gfx::DecodedImage image = gfx::ReadBmp(in.Rest());
      in.Skip(image.bytesUsed);
      ++decoded;
    }
    const int32_t count = in.ReadInt32();
    for (int32_t i = 0; i < count; ++i) {
      gfx::DecodedImage image = gfx::ReadBmp(in.Rest());
      in.Skip(image.bytesUsed);
      ++decoded;
    }
    benchmark::DoNotOptimize(decoded);
  }
}

void ReadAndApply(benchmark::State& state) {
  const BenchSkin& skin = Skin();
  for (auto _ : state) {
    TbsStoredSkin stored(nullptr);
    stored.SetIniStrings(skin.text);
    stored.ReadPictures(skin.pictures);
    TbsSkinData data(nullptr);
    data.ApplyStoredSkin(&stored);
    benchmark::DoNotOptimize(data.ControlRecords.size());
  }
}

BENCHMARK(BaselineDecodeBmps)->Name("ApplyStoredSkin:baseline_decode_bmps");
BENCHMARK(ReadAndApply)->Name("ApplyStoredSkin:read_pictures_and_apply");

}  // namespace
