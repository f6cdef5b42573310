#pragma once

// TbsSkinData: the live skin. It holds the skin's pictures, the frame
// geometry of FORMINFO, the popup and hint window records and one record
// per entry of the object and control lists. Frames and controls keep a
// reference to it and a record name, look the record up whenever they bind,
// and draw from the record's rectangles in these pictures.
//
// Every load is announced to the forms of the application with three
// messages, so that they drop their bindings before the old skin goes and
// bind again once the new one is complete.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "skin/data/SkinControlRecords.h"
#include "skin/data/SkinObjectRecords.h"
#include "skin/data/SkinWindowRecords.h"
#include "skin/data/StoredSkin.h"
#include "ui/Component.h"

// Sent before the old skin is cleared, after the new one is complete (or
// refused), and right after that. The first parameter is the sending
// container, the second 1000.
inline constexpr unsigned SkinChangeBeginMessage = 0x0400 + 201;
inline constexpr unsigned SkinChangedMessage = 0x0400 + 202;
inline constexpr unsigned SkinChangeEndMessage = 0x0400 + 203;

class TbsSkinData;

// How a container reaches the forms of the application. The window layer
// installs the real one; until then, and in tests, these hooks decide which
// components are forms and deliver the messages synchronously.
struct TbsSkinFormHooks {
  // Every form of the application in the platform's form order.
  std::function<std::vector<TComponent*>()> Forms;
  std::function<bool(TComponent*)> IsForm;
  std::function<void(TComponent* form, unsigned message, TbsSkinData* sender, intptr_t lParam)>
      Send;
};
TbsSkinFormHooks& SkinFormHooks();

class TbsSkinData : public TComponent {
 public:
  explicit TbsSkinData(TComponent* AOwner);
  ~TbsSkinData() override;

  TbsStoredSkin* StoredSkin() const { return FStoredSkin; }
  // Keeps the reference and, unless designing, loads a non-null skin at once.
  void SetStoredSkin(TbsStoredSkin* value);
  TbsCompressedStoredSkin* CompressedStoredSkin() const { return FCompressedStoredSkin; }
  void SetCompressedStoredSkin(TbsCompressedStoredSkin* value);

  // Replaces the whole skin. A text without the five required sections
  // leaves the container empty. A point or rectangle with an empty number
  // throws TbsConvertError; the container then stays empty. Either way the
  // forms hear 1225 first and 1226 and 1227 last.
  void ApplyStoredSkin(const TbsStoredSkin* skin);
  // The same from a compressed skin; one without data changes nothing. A
  // stream of another version than 1 leaves the container empty; damaged
  // data throw TbsDecompressionError or TbsStreamError and leave it empty.
  void ApplyCompressedStoredSkin(const TbsCompressedStoredSkin* skin);

  // The position of the first record named exactly name, or -1.
  int IndexOfObjectRecord(std::string_view name) const;
  int IndexOfControlRecord(std::string_view name) const;
  // The active picture of index i, or null when i names no picture.
  const gfx::Bitmap* ActivePicture(int i) const;

  void ClearRecords();
  void ClearSkin();
  void NotifySkinForms(unsigned message);
  // Counts the skins cleared away; what was composed from the container's
  // records and pictures holds only while the count stays.
  unsigned SkinChanges() const { return FSkinChanges; }

  void ReadFormInfo(const TbsSkinIni& ini);
  void ReadSkinObjects(const TbsSkinIni& ini);
  void ReadSkinControls(const TbsSkinIni& ini);
  // Visits the FORMINFO keys in reading order, for writing a skin back and
  // for describing it.
  void VisitFormInfoKeys(TbsSkinKeyVisitor& v);

  gfx::Rect buttonsrect;
  gfx::Rect captionrect;
  int buttonsoffset = 0;
  bool buttonsinleft = false;
  bool autorenderinginactiveimage = false;
  TbsInactiveEffect inactiveeffect = TbsInactiveEffect::ieBrightness;
  std::unique_ptr<TbsDataSkinPopupWindow> PopupWindowRecord;
  std::unique_ptr<TbsDataSkinHintWindow> HintWindowRecord;
  bool Empty = true;
  gfx::Bitmap Picture;
  gfx::Bitmap InactivePicture;
  gfx::Bitmap MaskPicture;
  std::vector<gfx::Bitmap> ActivePictures;
  std::string PictureFileName;
  std::string InactivePictureFileName;
  std::string MaskFileName;
  std::vector<std::string> ActivePictureNames;
  std::vector<std::unique_ptr<TbsDataSkinObject>> ObjectRecords;
  std::vector<std::unique_ptr<TbsDataSkinControl>> ControlRecords;
  gfx::Point lefttoppoint;
  gfx::Point righttoppoint;
  gfx::Point leftbottompoint;
  gfx::Point rightbottompoint;
  int bgpictureindex = -1;
  int mdibgpictureindex = -1;
  bool mainmenupopupup = false;
  gfx::Rect maskrectarea;
  gfx::Point hittestlefttoppoint;
  gfx::Point hittestrighttoppoint;
  gfx::Point hittestleftbottompoint;
  gfx::Point hittestrightbottompoint;
  gfx::Rect clientrect;
  int borderwidth = 0;
  bool topstretch = false;
  bool leftstretch = false;
  bool rightstretch = false;
  bool bottomstretch = false;
  std::string skinname;
  std::string skinauthor;
  std::string authorurl;
  std::string authoremail;
  std::string skincomments;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  // Steps shared by both loaders once the pictures are in place.
  void ReadSkinText(const TbsSkinIni& ini);
  void ReadVersionAndPictureNames(const TbsSkinIni& ini);
  void VisitFormInfoGeometry(TbsSkinKeyVisitor& v);
  void VisitFormInfoFrame(TbsSkinKeyVisitor& v);
  void ApplyFailed();
  void ReadPlainSkinStream(std::span<const uint8_t> plain);

  TbsStoredSkin* FStoredSkin = nullptr;
  TbsCompressedStoredSkin* FCompressedStoredSkin = nullptr;
  unsigned FSkinChanges = 0;
};
