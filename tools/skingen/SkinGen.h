#pragma once

// The product skin, drawn by code: the skin text and every picture it
// names, as an asset set for the directory assets/skin/.

#include <string>
#include <vector>

#include "AssetSet.h"
#include "SkinText.h"

namespace skingen {

// Positions of the active pictures; every picture index of the text is one
// of these.
enum ActivePicture : int {
  kObjectsPicture = 0,  // the skin objects' active looks
  kPopupPicture = 1,    // the popup menu window
  kMenuItemPicture = 2,
  kControlsPicture = 3,  // every control
  kButtonMask = 4,
  kCheckRadioMask = 5,
  kVTrackBarMask = 6,
  kHTrackBarMask = 7,
  kHintPicture = 8,
  kActivePictureCount = 9,
};

// The skin while it is being built: each part adds its pictures, its
// sections and its list entries.
struct SkinParts {
  SkinText head;                      // VERSION, PICTURES, FORMINFO, POPUPWINDOW, HINTWINDOW
  SkinText records;                   // the sections named by the entry lists
  std::vector<std::string> objects;   // "name:type" of SKINOBJECTS
  std::vector<std::string> controls;  // "name:type" of SKINCONTROLS
  art::AssetFile picture;
  art::AssetFile mask;
  std::vector<art::AssetFile> active = std::vector<art::AssetFile>(kActivePictureCount);
};

// The parts, in the order the text lists them.
void AddFramePictures(SkinParts& parts);    // main picture, mask, FORMINFO, frame objects
void AddMenuPictures(SkinParts& parts);     // popup window, menu items, POPUPWINDOW
void AddMenuBarButtons(SkinParts& parts);   // the main menu bar's buttons
void AddHintPicture(SkinParts& parts);      // hint window, HINTWINDOW
void AddControlPictures(SkinParts& parts);  // the control atlas, masks, SKINCONTROLS

// The whole skin: "skin.ini" first, then the pictures.
std::vector<art::AssetFile> GenerateSkin();

}  // namespace skingen
