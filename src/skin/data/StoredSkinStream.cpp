#include "skin/data/StoredSkinStream.h"

#include <cstring>
#include <string>

#include "skin/data/SkinStreams.h"

namespace {

constexpr char kSignature[4] = {'T', 'B', 'S', 'S'};
constexpr int32_t kVersion = 1;

void WriteBlock(std::vector<uint8_t>& out, std::span<const uint8_t> block) {
  WriteInt32(out, static_cast<int32_t>(block.size()));
  out.insert(out.end(), block.begin(), block.end());
}

std::span<const uint8_t> ReadBlock(TbsByteReader& in) {
  const int32_t length = in.ReadInt32();
  if (length < 0)
    throw TbsStreamError("Stream read error");
  return in.ReadBytes(static_cast<size_t>(length));
}

// Sets the properties with the component marked as loading, so that setting
// FileName stores the name instead of importing a skin from disk, just as
// when a form is read.
class LoadingScope {
 public:
  explicit LoadingScope(TbsStoredSkin& skin)
      : skin_(skin), owns_(!skin.ComponentState().Contains(csLoading)) {
    if (owns_)
      skin_.BeginLoading();
  }
  ~LoadingScope() {
    if (owns_)
      skin_.EndLoading();
  }
  LoadingScope(const LoadingScope&) = delete;
  LoadingScope& operator=(const LoadingScope&) = delete;

 private:
  TbsStoredSkin& skin_;
  bool owns_;
};

}  // namespace

bool IsStoredSkinStream(std::span<const uint8_t> bytes) {
  return bytes.size() >= sizeof kSignature &&
         std::memcmp(bytes.data(), kSignature, sizeof kSignature) == 0;
}

void WriteStoredSkinStream(const TbsStoredSkin& skin, std::vector<uint8_t>& out) {
  out.insert(out.end(), std::begin(kSignature), std::end(kSignature));
  WriteInt32(out, kVersion);
  const std::string& name = skin.FileName();
  WriteBlock(out, {reinterpret_cast<const uint8_t*>(name.data()), name.size()});
  std::vector<uint8_t> text;
  for (const std::string& line : skin.IniStrings()) {
    text.insert(text.end(), line.begin(), line.end());
    text.push_back('\r');
    text.push_back('\n');
  }
  WriteBlock(out, text);
  std::vector<uint8_t> pictures;
  skin.WritePictures(pictures);
  WriteBlock(out, pictures);
}

void ReadStoredSkinStream(std::span<const uint8_t> bytes, TbsStoredSkin& skin) {
  if (!IsStoredSkinStream(bytes))
    throw TbsStreamError("Not a stored skin stream");
  TbsByteReader in(bytes);
  in.Skip(sizeof kSignature);
  if (in.ReadInt32() != kVersion)
    throw TbsStreamError("Unsupported stored skin stream version");
  const std::span<const uint8_t> name = ReadBlock(in);
  const std::span<const uint8_t> text = ReadBlock(in);
  const std::span<const uint8_t> pictures = ReadBlock(in);

  LoadingScope loading(skin);
  skin.SetFileName(std::string(name.begin(), name.end()));
  skin.SetIniStrings(SplitLines(text));
  skin.ReadPictures(pictures);
}
