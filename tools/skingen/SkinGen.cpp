#include "SkinGen.h"

#include "ControlKit.h"

namespace skingen {

void AddControlPictures(SkinParts& parts) {
  Atlas atlas(240);
  ControlKit kit{atlas, parts};
  AddBrowserControls(kit);
  AddOtherControls(kit);
  AddVariantControls(kit);
  parts.active[kControlsPicture] = atlas.Finish("controls.bmp");
}

namespace {

void EntryList(SkinText& ini, const std::string& section, const std::vector<std::string>& entries) {
  ini.Section(section);
  ini.Int("count", static_cast<int>(entries.size()));
  for (std::size_t i = 0; i < entries.size(); ++i)
    ini.Text(std::to_string(i), entries[i]);
}

}  // namespace

std::vector<art::AssetFile> GenerateSkin() {
  SkinParts parts;
  AddFramePictures(parts);
  AddMenuPictures(parts);
  AddMenuBarButtons(parts);
  AddHintPicture(parts);
  AddControlPictures(parts);

  SkinText text;
  text.Section("VERSION");
  text.Int("ver", 1);
  text.Text("skinname", "Tilebrook");
  text.Text("skinauthor", "Tilebrook Studio");
  text.Text("authoremail", "studio@example.org");
  text.Text("authorurl", "https://example.org/tilebrook");
  text.Text("skincomments", "Walnut frame, cream controls, brook teal accents.");
  text.Section("PICTURES");
  text.Text("picture", parts.picture.name);
  text.Text("inactivepicture", "");
  text.Text("mask", parts.mask.name);
  text.Int("activepicturescount", kActivePictureCount);
  for (int i = 0; i < kActivePictureCount; ++i)
    text.Text(std::to_string(i), parts.active[i].name);
  text.Append(parts.head);
  SkinText lists;
  EntryList(lists, "SKINOBJECTS", parts.objects);
  EntryList(lists, "SKINCONTROLS", parts.controls);
  text.Append(lists);
  text.Append(parts.records);

  std::vector<art::AssetFile> files;
  files.push_back({.name = "skin.ini", .text = text.ToString()});
  files.push_back(std::move(parts.picture));
  files.push_back(std::move(parts.mask));
  for (art::AssetFile& file : parts.active)
    files.push_back(std::move(file));
  return files;
}

}  // namespace skingen
