#include "skin/data/SkinData.h"

#include <algorithm>

#include "skin/data/SkinStreams.h"

namespace {

constexpr intptr_t kSkinMessageParam = 1000;

// Splits a list entry "name:type" at its first ":"; without one both are
// empty.
void SplitEntry(std::string_view entry, std::string_view& name, std::string_view& type) {
  const size_t colon = entry.find(':');
  if (colon == std::string_view::npos) {
    name = type = {};
    return;
  }
  name = entry.substr(0, colon);
  type = entry.substr(colon + 1);
}

// Only keys that exist can make a record (a missing one has no type word),
// so the loop visits those below count instead of every number up to it.
template <typename Make, typename List>
void ReadEntryList(const TbsSkinIni& ini, const char* section, Make make, List& list) {
  const int count = ini.ReadInteger(section, "count", 0);
  std::string_view name, type;
  for (int k : ini.IndexKeys(section, count)) {
    SplitEntry(ini.FindValue(section, std::to_string(k)).value_or(""), name, type);
    auto record = make(type, std::string(name));
    if (record == nullptr)
      continue;
    list.push_back(std::move(record));
    list.back()->LoadFromIni(ini);
  }
}

}  // namespace

TbsSkinFormHooks& SkinFormHooks() {
  static TbsSkinFormHooks hooks;
  return hooks;
}

TbsSkinData::TbsSkinData(TComponent* AOwner)
    : TComponent(AOwner),
      PopupWindowRecord(std::make_unique<TbsDataSkinPopupWindow>()),
      HintWindowRecord(std::make_unique<TbsDataSkinHintWindow>()) {}

TbsSkinData::~TbsSkinData() {
  Empty = true;
  ClearRecords();
  SetStoredSkin(nullptr);
  SetCompressedStoredSkin(nullptr);
}

void TbsSkinData::SetStoredSkin(TbsStoredSkin* value) {
  if (FStoredSkin != value) {
    if (FStoredSkin != nullptr)
      FStoredSkin->RemoveFreeNotification(this);
    FStoredSkin = value;
    if (value != nullptr)
      value->FreeNotification(this);
  }
  // Assigning the same skin again loads it again: its text or pictures may
  // have been edited since.
  if (value != nullptr && !ComponentState().Contains(csDesigning))
    ApplyStoredSkin(value);
}

void TbsSkinData::SetCompressedStoredSkin(TbsCompressedStoredSkin* value) {
  if (FCompressedStoredSkin != value) {
    if (FCompressedStoredSkin != nullptr)
      FCompressedStoredSkin->RemoveFreeNotification(this);
    FCompressedStoredSkin = value;
    if (value != nullptr)
      value->FreeNotification(this);
  }
  // Assigning the same skin again loads it again: its text or pictures may
  // have been edited since.
  if (value != nullptr && !ComponentState().Contains(csDesigning))
    ApplyCompressedStoredSkin(value);
}

void TbsSkinData::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != TOperation::opRemove)
    return;
  if (AComponent == FStoredSkin)
    FStoredSkin = nullptr;
  if (AComponent == FCompressedStoredSkin)
    FCompressedStoredSkin = nullptr;
}

void TbsSkinData::NotifySkinForms(unsigned message) {
  const TbsSkinFormHooks& hooks = SkinFormHooks();
  if (!hooks.Send)
    return;
  TComponent* owner = Owner();
  const bool ownerIsForm = owner != nullptr && hooks.IsForm && hooks.IsForm(owner);
  if (ownerIsForm)
    hooks.Send(owner, message, this, kSkinMessageParam);
  if (!hooks.Forms)
    return;
  for (TComponent* form : hooks.Forms())
    if (!(ownerIsForm && form == owner))
      hooks.Send(form, message, this, kSkinMessageParam);
}

void TbsSkinData::ClearRecords() {
  ObjectRecords.clear();
  ControlRecords.clear();
  ActivePictures.clear();
  ActivePictureNames.clear();
  PopupWindowRecord->windowpictureindex = -1;
  HintWindowRecord->windowpictureindex = -1;
}

void TbsSkinData::ClearSkin() {
  ++FSkinChanges;
  ClearRecords();
  Picture = gfx::Bitmap();
  MaskPicture = gfx::Bitmap();
  InactivePicture = gfx::Bitmap();
  PictureFileName.clear();
  InactivePictureFileName.clear();
  MaskFileName.clear();
  Empty = true;
}

int TbsSkinData::IndexOfObjectRecord(std::string_view name) const {
  for (size_t i = 0; i < ObjectRecords.size(); ++i)
    if (ObjectRecords[i]->IDName == name)
      return static_cast<int>(i);
  return -1;
}

int TbsSkinData::IndexOfControlRecord(std::string_view name) const {
  for (size_t i = 0; i < ControlRecords.size(); ++i)
    if (ControlRecords[i]->IDName == name)
      return static_cast<int>(i);
  return -1;
}

const gfx::Bitmap* TbsSkinData::ActivePicture(int i) const {
  if (i < 0 || i >= static_cast<int>(ActivePictures.size()))
    return nullptr;
  return &ActivePictures[i];
}

void TbsSkinData::VisitFormInfoGeometry(TbsSkinKeyVisitor& v) {
  v.Point("lefttoppoint", lefttoppoint);
  v.Point("righttoppoint", righttoppoint);
  v.Point("leftbottompoint", leftbottompoint);
  v.Point("rightbottompoint", rightbottompoint);
  v.Rect("clientrect", clientrect);
  v.PictureIndex("bgpictureindex", bgpictureindex);
  v.PictureIndex("mdibgpictureindex", mdibgpictureindex);
  v.Flag("leftstretch", leftstretch);
  v.Flag("rightstretch", rightstretch);
  v.Flag("topstretch", topstretch);
  v.Flag("bottomstretch", bottomstretch);
  v.Rect("maskrectarea", maskrectarea);
  v.Point("hittestlefttoppoint", hittestlefttoppoint);
  v.Point("hittestrighttoppoint", hittestrighttoppoint);
  v.Point("hittestleftbottompoint", hittestleftbottompoint);
  v.Point("hittestrightbottompoint", hittestrightbottompoint);
}

void TbsSkinData::VisitFormInfoFrame(TbsSkinKeyVisitor& v) {
  v.Rect("buttonsrect", buttonsrect);
  v.Rect("captionrect", captionrect);
  v.Integer("buttonsoffset", buttonsoffset, 0);
  v.Flag("buttonsinleft", buttonsinleft);
  v.Flag("mainmenupopupup", mainmenupopupup);
  v.Integer("borderwidth", borderwidth, 0);
  v.Flag("autorenderinginactiveimage", autorenderinginactiveimage);
  v.InactiveEffect("inactiveeffect", inactiveeffect);
}

void TbsSkinData::VisitFormInfoKeys(TbsSkinKeyVisitor& v) {
  VisitFormInfoGeometry(v);
  VisitFormInfoFrame(v);
}

void TbsSkinData::ReadFormInfo(const TbsSkinIni& ini) {
  TbsSkinKeyReader reader(ini, "FORMINFO");
  VisitFormInfoGeometry(reader);

  // With a mask the frame's shape and hit testing follow the mask: its
  // inner area covers at least the client area, and unset hit-test corners
  // (a coordinate of 0) take the frame's corner points.
  if (!MaskFileName.empty()) {
    if (maskrectarea.Width() < 1 || maskrectarea.Height() < 1)
      maskrectarea = clientrect;
    else
      maskrectarea = maskrectarea.Union(clientrect);
    auto fill = [](gfx::Point& hit, const gfx::Point& corner) {
      if (hit.x == 0 || hit.y == 0)
        hit = corner;
    };
    fill(hittestlefttoppoint, lefttoppoint);
    fill(hittestrighttoppoint, righttoppoint);
    fill(hittestleftbottompoint, leftbottompoint);
    fill(hittestrightbottompoint, rightbottompoint);
  }

  VisitFormInfoFrame(reader);

  // Corner points outside the client area would make the frame's pieces
  // overlap it; a degenerate frame (the last corner level with the first)
  // is left as the skin gives it.
  if (rightbottompoint.x != lefttoppoint.x && rightbottompoint.y != lefttoppoint.y) {
    const gfx::Rect& c = clientrect;
    lefttoppoint = {std::max(lefttoppoint.x, c.left), std::max(lefttoppoint.y, c.top)};
    righttoppoint = {std::min(righttoppoint.x, c.right), std::max(righttoppoint.y, c.top)};
    leftbottompoint = {std::max(leftbottompoint.x, c.left), std::min(leftbottompoint.y, c.bottom)};
    rightbottompoint = {std::min(rightbottompoint.x, c.right),
                        std::min(rightbottompoint.y, c.bottom)};
  }
}

void TbsSkinData::ReadSkinObjects(const TbsSkinIni& ini) {
  ReadEntryList(ini, "SKINOBJECTS", CreateSkinObjectRecord, ObjectRecords);
}

void TbsSkinData::ReadSkinControls(const TbsSkinIni& ini) {
  ReadEntryList(ini, "SKINCONTROLS", CreateSkinControlRecord, ControlRecords);
}

void TbsSkinData::ReadVersionAndPictureNames(const TbsSkinIni& ini) {
  skinname = ini.ReadString("VERSION", "skinname", "");
  skinauthor = ini.ReadString("VERSION", "skinauthor", "");
  authoremail = ini.ReadString("VERSION", "authoremail", "");
  authorurl = ini.ReadString("VERSION", "authorurl", "");
  skincomments = ini.ReadString("VERSION", "skincomments", "");
  PictureFileName = ini.ReadString("PICTURES", "picture", "");
  InactivePictureFileName = ini.ReadString("PICTURES", "inactivepicture", "");
  MaskFileName = ini.ReadString("PICTURES", "mask", "");
  ReadNameList(ini, "PICTURES", "activepictures", ActivePictureNames);
}

void TbsSkinData::ReadSkinText(const TbsSkinIni& ini) {
  ReadFormInfo(ini);
  PopupWindowRecord->LoadFromIni(ini);
  HintWindowRecord->LoadFromIni(ini);
  ReadSkinObjects(ini);
  ReadSkinControls(ini);
}

// A load that stops half-way leaves the container empty; the forms still
// hear that the change is over, so that none waits for a skin that will
// not come and each draws its plain look.
void TbsSkinData::ApplyFailed() {
  Empty = true;
  NotifySkinForms(SkinChangedMessage);
  NotifySkinForms(SkinChangeEndMessage);
}

void TbsSkinData::ApplyStoredSkin(const TbsStoredSkin* skin) {
  if (skin == nullptr)
    return;
  Empty = true;
  NotifySkinForms(SkinChangeBeginMessage);
  ClearSkin();
  TbsSkinIni ini;
  ini.SetStrings(skin->IniStrings());
  if (!HasRequiredSkinSections(ini)) {
    ApplyFailed();
    return;
  }
  try {
    ReadVersionAndPictureNames(ini);
    Picture = skin->Picture.Clone();
    InactivePicture = skin->InactivePicture.Clone();
    MaskPicture = skin->MaskPicture.Clone();
    for (const gfx::Bitmap& bitmap : skin->ActivePictures)
      ActivePictures.push_back(bitmap.Clone());
    ReadSkinText(ini);
  } catch (...) {
    ApplyFailed();
    throw;
  }
  Empty = false;
  NotifySkinForms(SkinChangedMessage);
  NotifySkinForms(SkinChangeEndMessage);
}

void TbsSkinData::ReadPlainSkinStream(std::span<const uint8_t> plain) {
  TbsByteReader in(plain);
  if (in.ReadInt32() != 1)
    return;
  TbsPixelBudget budget;
  ReadFlaggedPicture(in, Picture, budget, "main picture");
  ReadFlaggedPicture(in, InactivePicture, budget, "inactive picture");
  ReadFlaggedPicture(in, MaskPicture, budget, "mask picture");
  const int32_t count = in.ReadInt32();
  for (int32_t i = 0; i < count; ++i)
    ReadBitmap(in, ActivePictures.emplace_back(), budget,
               ActivePictureName(static_cast<size_t>(i)));
  TbsSkinIni ini;
  ini.SetStrings(SplitLines(in.Rest()));
  ReadVersionAndPictureNames(ini);
  ReadSkinText(ini);
  Empty = false;
}

void TbsSkinData::ApplyCompressedStoredSkin(const TbsCompressedStoredSkin* skin) {
  if (skin == nullptr || skin->IsEmpty())
    return;
  Empty = true;
  NotifySkinForms(SkinChangeBeginMessage);
  ClearSkin();
  try {
    std::vector<uint8_t> plain;
    skin->DecompressTo(plain);
    ReadPlainSkinStream(plain);
  } catch (...) {
    ApplyFailed();
    throw;
  }
  if (Empty) {
    // Another version than 1: nothing of it was read.
    ApplyFailed();
    return;
  }
  NotifySkinForms(SkinChangedMessage);
  NotifySkinForms(SkinChangeEndMessage);
}
