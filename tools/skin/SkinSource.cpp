#include "SkinSource.h"

#include <algorithm>
#include <exception>
#include <string_view>

#include "skin/data/SkinIni.h"
#include "skin/data/SkinStreams.h"
#include "skin/data/SkinValues.h"
#include "skin/data/StoredSkin.h"
#include "skin/data/StoredSkinStream.h"

namespace {

const char* const kRequiredSections[] = {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS",
                                         "SKINCONTROLS"};

std::string NamePartOf(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The engine refuses a text without one of the five sections silently; a
// skin author needs to hear which one is missing.
void RequireSkinSections(const std::vector<std::string>& lines, const std::string& path) {
  TbsSkinIni ini;
  ini.SetStrings(lines);
  for (const char* section : kRequiredSections)
    if (!ini.SectionExists(section))
      throw SkinToolError(path + " is not a skin: it has no section [" + section + "]");
}

// Reads every point and rectangle key a record visits and remembers the
// first one whose text the engine cannot convert.
class ConvertProbe : public TbsSkinKeyVisitor {
 public:
  ConvertProbe(const TbsSkinIni& ini, std::string section)
      : ini_(ini), section_(std::move(section)) {}

  const std::string& Failure() const { return failure_; }
  void SetSection(std::string section) { section_ = std::move(section); }

  void Point(const char* key, gfx::Point&) override {
    Probe(key, [&] { ReadPointValue(ini_, section_, key); });
  }
  void Rect(const char* key, gfx::Rect&) override {
    Probe(key, [&] { ReadRectValue(ini_, section_, key); });
  }
  void Integer(const char*, int&, int) override {}
  void Color(const char*, TbsColor&, TbsColor) override {}
  void Flag(const char*, bool&) override {}
  void Text(const char*, std::string&, const char*) override {}
  void FontStyle(const char*, TbsFontStyles&) override {}
  void Alignment(const char*, TbsAlignment&) override {}
  void MorphKind(const char*, TbsMorphKind&) override {}
  void InactiveEffect(const char*, TbsInactiveEffect&) override {}
  void Command(const char*, TbsStdCommand&) override {}

 private:
  template <typename Read>
  void Probe(const char* key, Read read) {
    if (!failure_.empty())
      return;
    try {
      read();
    } catch (const TbsConvertError&) {
      failure_ = "[" + section_ + "] " + key;
    }
  }

  const TbsSkinIni& ini_;
  std::string section_;
  std::string failure_;
};

// The section and key of the first point or rectangle that stops a load,
// in the order the container reads them; empty when none does.
std::string LocateConvertError(const std::vector<std::string>& text) {
  TbsSkinIni ini;
  ini.SetStrings(text);
  ConvertProbe probe(ini, "FORMINFO");
  TbsSkinData frame(nullptr);
  frame.VisitFormInfoKeys(probe);
  probe.SetSection(TbsDataSkinPopupWindow::kSection);
  TbsDataSkinPopupWindow().VisitKeys(probe);
  probe.SetSection(TbsDataSkinHintWindow::kSection);
  TbsDataSkinHintWindow().VisitKeys(probe);
  for (const char* list : {"SKINOBJECTS", "SKINCONTROLS"}) {
    const int count = ini.ReadInteger(list, "count", 0);
    for (int k : ini.IndexKeys(list, count)) {
      if (!probe.Failure().empty())
        break;
      const std::string entry = ini.ReadString(list, std::to_string(k), "");
      const size_t colon = entry.find(':');
      if (colon == std::string::npos)
        continue;
      const std::string name = entry.substr(0, colon);
      const std::string type = entry.substr(colon + 1);
      probe.SetSection(name);
      if (std::string_view(list) == "SKINOBJECTS") {
        if (auto record = CreateSkinObjectRecord(type, name))
          record->VisitKeys(probe);
      } else if (auto record = CreateSkinControlRecord(type, name)) {
        record->VisitKeys(probe);
      }
    }
  }
  return probe.Failure();
}

// Runs one step of the engine and turns whatever it throws into a message
// that names the file, and for a value the engine cannot convert, the
// section and key that hold it.
template <typename Step>
void Guarded(const std::string& path, const std::vector<std::string>* text, Step step) {
  try {
    step();
  } catch (const SkinToolError&) {
    throw;
  } catch (const TbsConvertError& e) {
    const std::string where = text != nullptr ? LocateConvertError(*text) : std::string();
    throw SkinToolError(path + ": " + e.what() + (where.empty() ? "" : " at " + where));
  } catch (const std::exception& e) {
    throw SkinToolError(path + ": " + e.what());
  }
}

int32_t LittleEndianInt32(std::span<const uint8_t> bytes) {
  return static_cast<int32_t>(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 |
                              uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24);
}

// The skin text at the end of a plain skin stream, behind its pictures.
std::vector<std::string> PlainStreamText(std::span<const uint8_t> plain) {
  TbsByteReader in(plain);
  if (in.ReadInt32() != 1)
    return {};
  gfx::Bitmap skip;
  TbsPixelBudget budget;
  for (const char* picture : {"main picture", "inactive picture", "mask picture"})
    ReadFlaggedPicture(in, skip, budget, picture);
  const int32_t count = in.ReadInt32();
  for (int32_t i = 0; i < count; ++i)
    ReadBitmap(in, skip, budget, ActivePictureName(static_cast<size_t>(i)));
  return SplitLines(in.Rest());
}

LoadedSkin LoadSkinText(const std::string& path) {
  LoadedSkin loaded;
  loaded.kind = SkinSourceKind::SkinText;
  TbsStoredSkin stored(nullptr);
  Guarded(path, nullptr, [&] { stored.LoadFromSkinFile(path); });
  RequireSkinSections(stored.IniStrings(), path);
  loaded.text = stored.IniStrings();
  loaded.data = std::make_unique<TbsSkinData>(nullptr);
  Guarded(path, &loaded.text, [&] { loaded.data->ApplyStoredSkin(&stored); });
  return loaded;
}

LoadedSkin LoadStoredSkinStream(const std::string& path, std::span<const uint8_t> bytes) {
  LoadedSkin loaded;
  loaded.kind = SkinSourceKind::StoredSkinStream;
  TbsStoredSkin stored(nullptr);
  Guarded(path, nullptr, [&] { ReadStoredSkinStream(bytes, stored); });
  RequireSkinSections(stored.IniStrings(), path);
  loaded.text = stored.IniStrings();
  loaded.data = std::make_unique<TbsSkinData>(nullptr);
  Guarded(path, &loaded.text, [&] { loaded.data->ApplyStoredSkin(&stored); });
  return loaded;
}

LoadedSkin LoadCompressedSkinFile(const std::string& path, std::span<const uint8_t> bytes) {
  LoadedSkin loaded;
  loaded.kind = SkinSourceKind::CompressedSkinFile;
  const int32_t version = LittleEndianInt32(bytes);
  if (version != 1)
    throw SkinToolError(path + ": a compressed skin file of version " + std::to_string(version) +
                        "; only version 1 can be read");
  TbsCompressedStoredSkin compressed(nullptr);
  Guarded(path, nullptr, [&] { compressed.LoadCompressedFile(path); });
  if (compressed.IsEmpty())
    throw SkinToolError(path + ": the compressed skin file holds no data");
  std::vector<uint8_t> plain;
  Guarded(path, nullptr, [&] {
    compressed.DecompressTo(plain);
    loaded.text = PlainStreamText(plain);
  });
  // The compressed loader reads any text; the check that the stored-skin
  // loader makes is made here too, so that a refused skin is never dumped
  // as an empty one.
  RequireSkinSections(loaded.text, path);
  loaded.data = std::make_unique<TbsSkinData>(nullptr);
  Guarded(path, &loaded.text, [&] { loaded.data->ApplyCompressedStoredSkin(&compressed); });
  if (loaded.data->Empty)
    throw SkinToolError(path + ": the compressed skin's stream is not of version 1");
  return loaded;
}

}  // namespace

SkinSourceKind DetectSkinSource(std::span<const uint8_t> bytes) {
  if (IsStoredSkinStream(bytes))
    return SkinSourceKind::StoredSkinStream;
  // A compressed skin file begins with a small version number and the
  // length of its data; a skin text begins with printable characters, so
  // three zero bytes after the first never start one.
  if (bytes.size() >= 8 && bytes[1] == 0 && bytes[2] == 0 && bytes[3] == 0)
    return SkinSourceKind::CompressedSkinFile;
  return SkinSourceKind::SkinText;
}

LoadedSkin LoadSkinSource(const std::string& path) {
  std::vector<uint8_t> bytes;
  Guarded(path, nullptr, [&] { bytes = ReadWholeFile(path); });
  switch (DetectSkinSource(bytes)) {
    case SkinSourceKind::StoredSkinStream:
      return LoadStoredSkinStream(path, bytes);
    case SkinSourceKind::CompressedSkinFile:
      return LoadCompressedSkinFile(path, bytes);
    case SkinSourceKind::SkinText:
      break;
  }
  return LoadSkinText(path);
}

std::vector<uint8_t> ImportSkin(const std::string& path) {
  TbsStoredSkin stored(nullptr);
  Guarded(path, nullptr, [&] { stored.LoadFromSkinFile(path); });
  RequireSkinSections(stored.IniStrings(), path);
  // Not designing, so this keeps the name as the stored design does.
  stored.SetFileName(NamePartOf(path));
  std::vector<uint8_t> out;
  WriteStoredSkinStream(stored, out);
  return out;
}

std::vector<uint8_t> CompressSkin(const std::string& path) {
  TbsCompressedStoredSkin compressed(nullptr);
  std::vector<std::string> lines;
  Guarded(path, nullptr, [&] { lines = SplitLines(ReadWholeFile(path)); });
  RequireSkinSections(lines, path);
  Guarded(path, nullptr, [&] { compressed.CompressSkinFile(path); });
  std::vector<uint8_t> out;
  WriteInt32(out, 1);
  WriteInt32(out, static_cast<int32_t>(compressed.CompressedData().size()));
  out.insert(out.end(), compressed.CompressedData().begin(), compressed.CompressedData().end());
  return out;
}
