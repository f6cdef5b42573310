#include "SkinCheck.h"

#include <algorithm>
#include <string_view>

#include "skin/data/SkinIni.h"
#include "skin/data/SkinValues.h"

namespace {

// A value quoted from the skin text, cut so that a finding stays one
// readable line whatever the text holds.
std::string Shortened(std::string_view value) {
  constexpr size_t kShown = 64;
  if (value.size() <= kShown)
    return std::string(value);
  return std::string(value.substr(0, kShown)) + "...";
}

std::string RectText(const gfx::Rect& r) {
  return RectToString(r);
}

// Collects the rectangles, picture indexes and texts a record visits.
class KeyCollector : public TbsSkinKeyVisitor {
 public:
  struct RectKey {
    std::string key;
    gfx::Rect rect;
  };
  struct IndexKey {
    std::string key;
    int index;
  };

  std::vector<RectKey> rects;
  std::vector<IndexKey> pictureIndexes;
  std::vector<std::pair<std::string, std::string>> texts;

  void PictureIndex(const char* key, int& value) override {
    pictureIndexes.push_back({key, value});
  }
  void Rect(const char* key, gfx::Rect& value) override { rects.push_back({key, value}); }
  void Text(const char* key, std::string& value, const char*) override {
    texts.emplace_back(key, value);
  }
  void Integer(const char*, int&, int) override {}
  void Color(const char*, TbsColor&, TbsColor) override {}
  void Flag(const char*, bool&) override {}
  void Point(const char*, gfx::Point&) override {}
  void FontStyle(const char*, TbsFontStyles&) override {}
  void Alignment(const char*, TbsAlignment&) override {}
  void MorphKind(const char*, TbsMorphKind&) override {}
  void InactiveEffect(const char*, TbsInactiveEffect&) override {}
  void Command(const char*, TbsStdCommand&) override {}

  const gfx::Rect* Find(std::string_view key) const {
    for (const RectKey& r : rects)
      if (r.key == key)
        return &r.rect;
    return nullptr;
  }
};

template <typename Record>
KeyCollector Collect(Record& record) {
  KeyCollector collector;
  record.VisitKeys(collector);
  return collector;
}

bool Contains(std::initializer_list<std::string_view> keys, std::string_view key) {
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

// Rectangles of a control record that lie inside the control (its client
// area, text areas, the places of its buttons) rather than in its picture.
bool IsPlacementRect(std::string_view type, std::string_view key) {
  if (Contains(
          {"clientrect", "captionrect", "textrect", "itemtextrect", "trackarea", "checkimagearea",
           "textarea", "progressarea", "trackbuttonrect", "rollvcaptionrect", "rollhcaptionrect",
           "itemcheckrect", "fixedcelltextrect", "celltextrect", "itemsrect"},
          key))
    return true;
  if (Contains({"updown", "scrollbar", "spinedit", "listbox", "checklistbox"}, type) &&
      Contains({"upbuttonrect", "downbuttonrect", "checkbuttonrect"}, key))
    return true;
  return Contains({"combobox", "edit", "memo"}, type) && key == "buttonrect";
}

// Looks of a control that replace its skinrect image as a whole.
bool IsControlStateRect(std::string_view type, std::string_view key) {
  if (Contains({"button", "menubutton"}, type))
    return Contains({"activeskinrect", "downskinrect", "disabledskinrect"}, key);
  if (Contains({"checkradio", "edit", "memo", "spinedit"}, type))
    return key == "activeskinrect";
  return false;
}

// Object rectangles taken from the active picture; the others of the
// normal look come from the main picture unless skinrectinapicture.
bool IsObjectActiveRect(std::string_view key) {
  return Contains({"activeskinrect", "downrect", "disableskinrsect", "restoreactiverect",
                   "restoredownrect", "restoreinactiverect", "activeframerect"},
                  key);
}
bool IsObjectNormalRect(std::string_view key) {
  return Contains({"skinrect", "restorerect", "framerect", "dividerrect"}, key);
}
bool IsObjectStateRect(std::string_view key) {
  return Contains({"activeskinrect", "downrect", "disableskinrsect", "restorerect",
                   "restoreactiverect", "restoredownrect", "restoreinactiverect"},
                  key);
}

struct NamedPicture {
  const gfx::Bitmap* bitmap = nullptr;
  std::string name;
};

class Checker {
 public:
  Checker(TbsSkinData& data, const std::vector<std::string>& text) : data_(data) {
    ini_.SetStrings(text);
  }

  std::vector<SkinFinding> Run() {
    CheckEntries("SKINOBJECTS", true);
    CheckEntries("SKINCONTROLS", false);
    CheckFormInfo();
    CheckWindowRecord("POPUPWINDOW", Collect(*data_.PopupWindowRecord),
                      data_.PopupWindowRecord->windowpictureindex);
    CheckWindowRecord("HINTWINDOW", Collect(*data_.HintWindowRecord),
                      data_.HintWindowRecord->windowpictureindex);
    for (auto& record : data_.ObjectRecords)
      CheckObject(*record);
    for (auto& record : data_.ControlRecords)
      CheckControl(*record);
    CheckBrowserRecords();
    return std::move(findings_);
  }

 private:
  void Add(std::string section, std::string key, std::string message) {
    findings_.push_back({std::move(section), std::move(key), std::move(message)});
  }

  NamedPicture Active(int index) const {
    const gfx::Bitmap* bitmap = data_.ActivePicture(index);
    if (bitmap == nullptr)
      return {};
    std::string name = index < static_cast<int>(data_.ActivePictureNames.size())
                           ? data_.ActivePictureNames[index]
                           : "active picture " + std::to_string(index);
    return {bitmap, name};
  }

  NamedPicture Main() const {
    return {&data_.Picture, data_.PictureFileName.empty() ? "main picture" : data_.PictureFileName};
  }

  void CheckPictureIndex(const std::string& section, const std::string& key, int index) {
    const int count = static_cast<int>(data_.ActivePictures.size());
    if (index == -1 || (index >= 0 && index < count))
      return;
    Add(section, key,
        "picture index " + std::to_string(index) + " is out of range: the skin has " +
            std::to_string(count) + " active pictures (0 to " + std::to_string(count - 1) + ")");
  }

  void CheckInside(const std::string& section, const std::string& key, const gfx::Rect& rect,
                   const NamedPicture& picture) {
    if (rect.IsEmpty() || picture.bitmap == nullptr || picture.bitmap->IsEmpty())
      return;
    const int w = picture.bitmap->Width();
    const int h = picture.bitmap->Height();
    if (rect.left >= 0 && rect.top >= 0 && rect.right <= w && rect.bottom <= h)
      return;
    Add(section, key,
        "rectangle " + RectText(rect) + " lies outside its picture " + picture.name + " (" +
            std::to_string(w) + " x " + std::to_string(h) + ")");
  }

  void CheckStateSize(const std::string& section, const std::string& key, const gfx::Rect& rect,
                      const gfx::Rect& skinrect) {
    if (rect.IsEmpty() || skinrect.IsEmpty())
      return;
    if (rect.Width() == skinrect.Width() && rect.Height() == skinrect.Height())
      return;
    Add(section, key,
        "rectangle " + RectText(rect) + " is " + std::to_string(rect.Width()) + " x " +
            std::to_string(rect.Height()) + " but skinrect is " + std::to_string(skinrect.Width()) +
            " x " + std::to_string(skinrect.Height()));
  }

  // A run of missing entries is one finding, however long, so that a count
  // of billions costs one line rather than one per number.
  void AddMissingEntries(const char* section, int first, int last, int count) {
    if (last < first)
      return;
    const std::string key =
        first == last ? std::to_string(first) : std::to_string(first) + "-" + std::to_string(last);
    Add(section, key,
        std::string(first == last ? "entry missing" : "entries missing") + ": count is " +
            std::to_string(count));
  }

  void CheckEntries(const char* section, bool objects) {
    const int count = ini_.ReadInteger(section, "count", 0);
    int expected = 0;
    for (int k : ini_.IndexKeys(section, count)) {
      AddMissingEntries(section, expected, k - 1, count);
      expected = k + 1;
      const std::string key = std::to_string(k);
      const std::string entry = ini_.ReadString(section, key, "");
      const size_t colon = entry.find(':');
      if (colon == std::string::npos) {
        Add(section, key, "entry \"" + Shortened(entry) + "\" is not of the form name:type");
        continue;
      }
      const std::string name = entry.substr(0, colon);
      const std::string type = entry.substr(colon + 1);
      const bool known = objects ? CreateSkinObjectRecord(type, name) != nullptr
                                 : CreateSkinControlRecord(type, name) != nullptr;
      std::string message;
      if (!known) {
        message = objects ? "unknown object type word \"" : "unknown control type word \"";
        message += Shortened(type);
        message += "\"; no record is made for ";
        message += Shortened(name);
      } else if (!ini_.SectionExists(name)) {
        message = "record " + name;
        message += " has no section [";
        message += name;
        message += "]; all its keys take their defaults";
      }
      if (!message.empty())
        Add(section, key, std::move(message));
    }
    if (count > 0)
      AddMissingEntries(section, expected, count - 1, count);
  }

  void CheckFormInfo() {
    KeyCollector keys;
    data_.VisitFormInfoKeys(keys);
    for (const auto& [key, index] : keys.pictureIndexes)
      CheckPictureIndex("FORMINFO", key, index);
    const NamedPicture mask{&data_.MaskPicture,
                            data_.MaskFileName.empty() ? "mask" : data_.MaskFileName};
    for (const auto& [key, rect] : keys.rects)
      CheckInside("FORMINFO", key, rect, key == "maskrectarea" ? mask : Main());
  }

  // The areas of the popup and hint windows lie in their window picture.
  void CheckWindowRecord(const char* section, const KeyCollector& keys, int windowpictureindex) {
    for (const auto& [key, index] : keys.pictureIndexes)
      CheckPictureIndex(section, key, index);
    for (const auto& [key, rect] : keys.rects)
      CheckInside(section, key, rect, Active(windowpictureindex));
  }

  void CheckObject(TbsDataSkinObject& record) {
    const KeyCollector keys = Collect(record);
    const std::string& section = record.IDName;
    for (const auto& [key, index] : keys.pictureIndexes)
      CheckPictureIndex(section, key, index);
    if (std::string_view(record.TypeWord()) == "userobject")
      return;  // it only marks a place on the frame; the program draws it
    const NamedPicture active = Active(record.activepictureindex);
    const NamedPicture normal = record.skinrectinapicture ? active : Main();
    const bool animate = std::string_view(record.TypeWord()) == "animate";
    for (const auto& [key, rect] : keys.rects) {
      if (IsObjectNormalRect(key))
        CheckInside(section, key, rect, normal);
      else if (IsObjectActiveRect(key))
        CheckInside(section, key, rect, active);
      // An animation's skinrect holds all its frames side by side.
      if (!animate && IsObjectStateRect(key))
        CheckStateSize(section, key, rect, record.skinrect);
    }
  }

  void CheckControl(TbsDataSkinControl& record) {
    const KeyCollector keys = Collect(record);
    const std::string& section = record.IDName;
    const std::string_view type = record.TypeWord();
    for (const auto& [key, index] : keys.pictureIndexes)
      CheckPictureIndex(section, key, index);
    const NamedPicture picture = Active(record.pictureindex);
    for (const auto& [key, rect] : keys.rects) {
      if (!IsPlacementRect(type, key))
        CheckInside(section, key, rect, picture);
      if (IsControlStateRect(type, key))
        CheckStateSize(section, key, rect, record.skinrect);
    }
  }

  // A record the browser window binds by name must be there and of the
  // kind it draws it as.
  template <typename List>
  const char* RequireRecord(const char* list, List& records, const std::string& name,
                            std::string_view type, const std::string& user) {
    for (auto& record : records) {
      if (record->IDName != name)
        continue;
      if (record->TypeWord() != type) {
        std::string message = "the browser window draws " + user;
        message += " with ";
        message += name;
        message += " as a ";
        message += type;
        message += " record, but it is of type ";
        message += record->TypeWord();
        Add(list, name, std::move(message));
        return nullptr;
      }
      return record->TypeWord();
    }
    Add(list, name,
        "missing record: the browser window draws " + user + " with a " + std::string(type) +
            " record named " + name);
    return nullptr;
  }

  std::string ControlText(const std::string& name, const char* key) {
    const int i = data_.IndexOfControlRecord(name);
    if (i < 0)
      return {};
    KeyCollector keys = Collect(*data_.ControlRecords[i]);
    for (const auto& [k, value] : keys.texts)
      if (k == key)
        return value;
    return {};
  }

  void CheckBrowserRecords() {
    if (!ini_.SectionExists("POPUPWINDOW"))
      Add("POPUPWINDOW", "",
          "missing section: the browser window's system menu takes its frame from it");
    auto& objects = data_.ObjectRecords;
    RequireRecord("SKINOBJECTS", objects, "caption1", "caption", "its caption");
    RequireRecord("SKINOBJECTS", objects, "closebutton", "stdbutton", "the close button");
    RequireRecord("SKINOBJECTS", objects, "minbutton", "stdbutton", "the minimise button");
    RequireRecord("SKINOBJECTS", objects, "maxbutton", "stdbutton", "the maximise button");
    RequireRecord("SKINOBJECTS", objects, "rollupbutton", "stdbutton", "the roll-up button");
    RequireRecord("SKINOBJECTS", objects, "systemmenubutton", "stdbutton",
                  "the system menu button");
    RequireRecord("SKINOBJECTS", objects, "menuitem", "menuitem", "the system menu's items");

    auto& controls = data_.ControlRecords;
    RequireRecord("SKINCONTROLS", controls, "button", "button", "the notices' buttons");
    RequireRecord("SKINCONTROLS", controls, "resizebutton", "button", "its buttons");
    RequireRecord("SKINCONTROLS", controls, "stdlabel", "stdlabel", "its labels");
    RequireRecord("SKINCONTROLS", controls, "vupdown", "updown", "the page up-down");
    RequireRecord("SKINCONTROLS", controls, "bevel", "bevel", "the preview frames");
    if (RequireRecord("SKINCONTROLS", controls, "combobox", "combobox", "its combo boxes") ==
        nullptr)
      return;
    const std::string listbox = ControlText("combobox", "listboxname");
    if (listbox.empty()) {
      Add("combobox", "listboxname", "empty: the combo boxes' drop-down lists need a list box");
      return;
    }
    if (RequireRecord("SKINCONTROLS", controls, listbox, "listbox",
                      "the combo boxes' drop-down lists") == nullptr)
      return;
    const std::string scrollbar = ControlText(listbox, "vscrollbarname");
    if (!scrollbar.empty())
      RequireRecord("SKINCONTROLS", controls, scrollbar, "scrollbar",
                    "the scroll bar of long drop-down lists");
  }

  TbsSkinData& data_;
  TbsSkinIni ini_;
  std::vector<SkinFinding> findings_;
};

}  // namespace

std::vector<SkinFinding> CheckSkin(TbsSkinData& data, const std::vector<std::string>& text) {
  return Checker(data, text).Run();
}

std::string FormatFinding(const SkinFinding& finding) {
  std::string out = "[" + finding.section + "]";
  if (!finding.key.empty())
    out += " " + finding.key;
  return out + ": " + finding.message;
}
