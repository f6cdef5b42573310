#include "SkinJson.h"

namespace {

std::string Numbers(std::initializer_list<int> values) {
  std::string out = "[";
  bool first = true;
  for (int v : values) {
    out += (first ? "" : ", ") + std::to_string(v);
    first = false;
  }
  return out + "]";
}

// Writes each visited key as a member of one JSON object.
class JsonKeyWriter : public TbsSkinKeyVisitor {
 public:
  std::string Object() const { return "{" + members_ + "}"; }

  void Integer(const char* key, int& value, int) override { Add(key, std::to_string(value)); }
  void Color(const char* key, TbsColor& value, TbsColor) override {
    Add(key, std::to_string(value));
  }
  void Flag(const char* key, bool& value) override { Add(key, value ? "true" : "false"); }
  void Text(const char* key, std::string& value, const char*) override {
    Add(key, JsonString(value));
  }
  void Point(const char* key, gfx::Point& value) override { Add(key, Numbers({value.x, value.y})); }
  void Rect(const char* key, gfx::Rect& value) override {
    Add(key, Numbers({value.left, value.top, value.right, value.bottom}));
  }
  void FontStyle(const char* key, TbsFontStyles& value) override {
    std::string words;
    auto add = [&](bool set, const char* word) {
      if (set)
        words += (words.empty() ? "\"" : ", \"") + std::string(word) + "\"";
    };
    add(value.fsBold, "fsbold");
    add(value.fsItalic, "fsitalic");
    add(value.fsUnderline, "fsunderline");
    add(value.fsStrikeOut, "fsstrikeout");
    Add(key, "[" + words + "]");
  }
  void Alignment(const char* key, TbsAlignment& value) override {
    Add(key, JsonString(AlignmentToString(value)));
  }
  void MorphKind(const char* key, TbsMorphKind& value) override {
    Add(key, JsonString(MorphKindToString(value)));
  }
  void InactiveEffect(const char* key, TbsInactiveEffect& value) override {
    Add(key, JsonString(InactiveEffectToString(value)));
  }
  void Command(const char* key, TbsStdCommand& value) override {
    Add(key, JsonString(CommandToString(value)));
  }

 private:
  void Add(const char* key, const std::string& value) {
    if (!members_.empty())
      members_ += ", ";
    members_ += JsonString(key) + ": " + value;
  }

  std::string members_;
};

template <typename Visitable>
std::string KeysOf(Visitable& record) {
  JsonKeyWriter writer;
  record.VisitKeys(writer);
  return writer.Object();
}

std::string PictureSize(const gfx::Bitmap& bitmap) {
  return bitmap.IsEmpty() ? "null" : Numbers({bitmap.Width(), bitmap.Height()});
}

template <typename Record>
std::string RecordLine(Record& record) {
  return "{\"name\": " + JsonString(record.IDName) +
         ", \"type\": " + JsonString(record.TypeWord()) +
         ", \"class\": " + JsonString(record.ClassName()) + ", \"keys\": " + KeysOf(record) + "}";
}

template <typename List>
std::string RecordList(List& records) {
  if (records.empty())
    return "[]";
  std::string out = "[\n";
  for (size_t i = 0; i < records.size(); ++i)
    out += "    " + RecordLine(*records[i]) + (i + 1 < records.size() ? ",\n" : "\n");
  return out + "  ]";
}

}  // namespace

std::string DumpSkinJson(TbsSkinData& data) {
  std::string out = "{\n";
  out += "  \"version\": {\"skinname\": " + JsonString(data.skinname) +
         ", \"skinauthor\": " + JsonString(data.skinauthor) +
         ", \"authoremail\": " + JsonString(data.authoremail) +
         ", \"authorurl\": " + JsonString(data.authorurl) +
         ", \"skincomments\": " + JsonString(data.skincomments) + "},\n";

  std::string active;
  for (const gfx::Bitmap& bitmap : data.ActivePictures)
    active += (active.empty() ? "" : ", ") + PictureSize(bitmap);
  out += "  \"pictures\": {\"picture\": " + PictureSize(data.Picture) +
         ", \"inactivepicture\": " + PictureSize(data.InactivePicture) +
         ", \"mask\": " + PictureSize(data.MaskPicture) + ", \"active\": [" + active + "]},\n";

  JsonKeyWriter formInfo;
  data.VisitFormInfoKeys(formInfo);
  out += "  \"forminfo\": " + formInfo.Object() + ",\n";
  out += "  \"popupwindow\": " + KeysOf(*data.PopupWindowRecord) + ",\n";
  out += "  \"hintwindow\": " + KeysOf(*data.HintWindowRecord) + ",\n";
  out += "  \"objects\": " + RecordList(data.ObjectRecords) + ",\n";
  out += "  \"controls\": " + RecordList(data.ControlRecords) + "\n";
  return out + "}\n";
}

std::string JsonError(const std::string& message) {
  return "{\"error\": " + JsonString(message) + "}\n";
}
