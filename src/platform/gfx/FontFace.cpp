#include "platform/gfx/FontFace.h"

#include <fcntl.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <future>
#include <map>
#include <mutex>
#include <tuple>

namespace gfx {

namespace {

// The classic face names that skins and designs ask for, mapped to the
// metric-compatible faces installed with the program's dependencies.
std::string SubstituteFamily(const std::string& name) {
  static const std::pair<const char*, const char*> kAliases[] = {
      {"ms sans serif", "Liberation Sans"}, {"microsoft sans serif", "Liberation Sans"},
      {"ms shell dlg", "Liberation Sans"},  {"ms shell dlg 2", "Liberation Sans"},
      {"arial", "Liberation Sans"},         {"tahoma", "Liberation Sans"},
      {"helvetica", "Liberation Sans"},     {"times new roman", "Liberation Serif"},
      {"courier new", "Liberation Mono"},
  };
  std::string lower = name;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const auto& [from, to] : kAliases)
    if (lower == from)
      return to;
  return name.empty() ? std::string("Liberation Sans") : name;
}

FT_Library Library() {
  // One library for the life of the process; FreeType frees it at exit
  // together with the faces, so it is deliberately never released.
  static FT_Library library = [] {
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0)
      return static_cast<FT_Library>(nullptr);
    return lib;
  }();
  return library;
}

struct FontFile {
  std::string path;
  int index = 0;
  std::string family;
};

// The configuration read on a thread of its own, when the program asked
// for it before its first font.
std::shared_future<bool>& PreparedConfiguration() {
  static std::shared_future<bool> prepared;
  return prepared;
}

bool ConfigurationLoaded() {
  const std::shared_future<bool>& prepared = PreparedConfiguration();
  if (prepared.valid() && !prepared.get())
    return false;
  return FcInit() == FcTrue;
}

// A font configuration pattern for the face name and style, completed as
// for a match; null when the configuration cannot be read. The caller
// destroys it.
FcPattern* StylePattern(const LogFont& lf) {
  if (!ConfigurationLoaded())
    return nullptr;
  FcPattern* pattern = FcPatternCreate();
  if (!pattern)
    return nullptr;
  const std::string family = SubstituteFamily(lf.faceName);
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, lf.weight >= 600 ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, lf.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  return pattern;
}

// The file, face index and family a matched or sorted font names; false
// when it names no file.
bool ReadFontFile(FcPattern* font, FontFile& file) {
  FcChar8* path = nullptr;
  if (FcPatternGetString(font, FC_FILE, 0, &path) != FcResultMatch || !path)
    return false;
  file.path = reinterpret_cast<const char*>(path);
  FcPatternGetInteger(font, FC_INDEX, 0, &file.index);
  FcChar8* family = nullptr;
  if (FcPatternGetString(font, FC_FAMILY, 0, &family) == FcResultMatch && family)
    file.family = reinterpret_cast<const char*>(family);
  return true;
}

// Asks the font configuration for the best file for the face name and
// style. Returns an empty path when nothing matches.
FontFile Resolve(const LogFont& lf) {
  FontFile result;
  FcPattern* pattern = StylePattern(lf);
  if (!pattern)
    return result;
  FcResult res = FcResultNoMatch;
  if (FcPattern* match = FcFontMatch(nullptr, pattern, &res)) {
    ReadFontFile(match, result);
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return result;
}

// What the font configuration answers depends on the face name and style
// only, never on the height, so every size of a face shares one question.
template <typename Answer, Answer (*Ask)(const LogFont&)>
const Answer& AskOncePerStyle(const LogFont& lf) {
  using Key = std::tuple<std::string, bool, bool>;
  static std::map<Key, Answer> answers;
  Key key{lf.faceName, lf.weight >= 600, lf.italic};
  auto it = answers.find(key);
  if (it == answers.end())
    it = answers.emplace(std::move(key), Ask(lf)).first;
  return it->second;
}

const FontFile& ResolveOnce(const LogFont& lf) {
  return AskOncePerStyle<FontFile, Resolve>(lf);
}

// The fonts that can stand in for characters a face does not have (a
// package name in Japanese shown in a Latin face), best first: the font
// configuration's sorted list for the face name and style, with what each
// font covers, read once per name and style. Colour and bitmap-only fonts
// are left out; the glyphs are drawn as coverage from outlines.
class FallbackList {
 public:
  static const FallbackList& For(const LogFont& lf) {
    return AskOncePerStyle<FallbackList, Read>(lf);
  }

  // The best font that has the character; null when none has it.
  const FontFile* FontFor(char32_t codePoint) const {
    for (const Entry& e : entries_)
      if (FcCharSetHasChar(e.charset.get(), codePoint))
        return &e.file;
    return nullptr;
  }

 private:
  struct CharSetRelease {
    void operator()(FcCharSet* c) const { FcCharSetDestroy(c); }
  };
  struct Entry {
    FontFile file;
    std::unique_ptr<FcCharSet, CharSetRelease> charset;
  };

  static FallbackList Read(const LogFont& lf) {
    FallbackList list;
    FcPattern* pattern = StylePattern(lf);
    if (!pattern)
      return list;
    FcResult result = FcResultNoMatch;
    FcFontSet* set = FcFontSort(nullptr, pattern, FcTrue, nullptr, &result);
    FcPatternDestroy(pattern);
    if (!set)
      return list;
    for (int i = 0; i < set->nfont; ++i) {
      FcPattern* font = set->fonts[i];
      FcCharSet* charset = nullptr;
      FcBool scalable = FcFalse;
      if (FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) != FcResultMatch || !charset ||
          FcPatternGetBool(font, FC_SCALABLE, 0, &scalable) != FcResultMatch || !scalable)
        continue;
#ifdef FC_COLOR
      FcBool colour = FcFalse;
      if (FcPatternGetBool(font, FC_COLOR, 0, &colour) == FcResultMatch && colour)
        continue;
#endif
      Entry entry;
      if (!ReadFontFile(font, entry.file))
        continue;
      entry.charset.reset(FcCharSetCopy(charset));
      list.entries_.push_back(std::move(entry));
    }
    FcFontSetDestroy(set);
    return list;
  }

  std::vector<Entry> entries_;
};

// A font file mapped into memory once for every size and style opened on
// it. Opened from its path, each face would map the whole file again, and
// every mapping counts in the program's resident memory.
class MappedFontFile {
 public:
  // Null when the file cannot be mapped; the face is then opened from the
  // path.
  static std::shared_ptr<const MappedFontFile> Get(const std::string& path) {
    static std::map<std::string, std::weak_ptr<const MappedFontFile>> mapped;
    if (auto file = mapped[path].lock())
      return file;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
      return nullptr;
    struct stat info {};
    void* data = MAP_FAILED;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
      data = ::mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
    ::close(fd);
    if (data == MAP_FAILED)
      return nullptr;
    auto file = std::make_shared<const MappedFontFile>(static_cast<const FT_Byte*>(data),
                                                       static_cast<std::size_t>(info.st_size));
    mapped[path] = file;
    return file;
  }

  MappedFontFile(const FT_Byte* data, std::size_t size) : data_(data), size_(size) {}
  ~MappedFontFile() { ::munmap(const_cast<FT_Byte*>(data_), size_); }
  MappedFontFile(const MappedFontFile&) = delete;
  MappedFontFile& operator=(const MappedFontFile&) = delete;

  const FT_Byte* Data() const { return data_; }
  FT_Long Size() const { return static_cast<FT_Long>(size_); }

 private:
  const FT_Byte* data_;
  std::size_t size_;
};

// Opens the face from the file's one mapping, or from the path when the
// file cannot be mapped.
FT_Error OpenFace(FT_Library lib, const FontFile& file,
                  std::shared_ptr<const MappedFontFile>& mapping, FT_Face* face) {
  mapping = MappedFontFile::Get(file.path);
  if (mapping)
    return FT_New_Memory_Face(lib, mapping->Data(), mapping->Size(), file.index, face);
  return FT_New_Face(lib, file.path.c_str(), file.index, face);
}

constexpr int kMaxFontHeight = 1000;

int RoundDiv(long long num, long long den) {
  return static_cast<int>((num >= 0 ? num + den / 2 : num - den / 2) / den);
}

// A face opened from a file, with the bold and slant it lacks for the
// style asked for and has to be given.
struct OpenedFace {
  // The face reads from the mapping, so it is let go of first.
  std::shared_ptr<const MappedFontFile> mapping;
  FT_Face face = nullptr;
  bool emboldenSynthetic = false;
  bool slantSynthetic = false;

  OpenedFace() = default;
  OpenedFace(const OpenedFace&) = delete;
  OpenedFace& operator=(const OpenedFace&) = delete;
  ~OpenedFace() {
    if (face)
      FT_Done_Face(face);
  }

  bool Open(const FontFile& file, const LogFont& lf) {
    FT_Library lib = Library();
    if (!lib || file.path.empty() || OpenFace(lib, file, mapping, &face) != 0) {
      face = nullptr;
      return false;
    }
    emboldenSynthetic = lf.weight >= 600 && !(face->style_flags & FT_STYLE_FLAG_BOLD);
    slantSynthetic = lf.italic && !(face->style_flags & FT_STYLE_FLAG_ITALIC);
    return true;
  }
};

// Loads, styles and renders one glyph of face into glyph.
void RenderGlyph(const OpenedFace& from, FT_UInt index, FontFace::Glyph& glyph) {
  FT_Face face = from.face;
  // Light hinting keeps the shapes true and the stems crisp vertically,
  // which reads best at the small sizes of controls.
  if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP) != 0)
    return;
  FT_GlyphSlot slot = face->glyph;
  if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
    if (from.emboldenSynthetic)
      FT_Outline_Embolden(&slot->outline, std::max<FT_Pos>(face->size->metrics.x_ppem * 2, 32));
    if (from.slantSynthetic) {
      FT_Matrix shear{0x10000, 0x0366A, 0, 0x10000};
      FT_Outline_Transform(&slot->outline, &shear);
    }
  }
  glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
  if (from.emboldenSynthetic)
    glyph.advance += 1;
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_LIGHT) == 0 &&
      slot->bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
    const FT_Bitmap& bm = slot->bitmap;
    glyph.width = static_cast<int>(bm.width);
    glyph.height = static_cast<int>(bm.rows);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.height);
    for (int y = 0; y < glyph.height; ++y)
      std::memcpy(glyph.coverage.data() + static_cast<std::size_t>(y) * glyph.width,
                  bm.buffer + static_cast<std::ptrdiff_t>(y) * bm.pitch,
                  static_cast<std::size_t>(glyph.width));
  }
}

}  // namespace

struct FontFace::Impl {
  OpenedFace main;
  // The em size the face is set to, in 1/64 pixel; fallback faces are set
  // to the same.
  FT_F26Dot6 charSize = 64;
  // Faces opened for characters the main face lacks, by file and index.
  std::map<std::pair<std::string, int>, std::unique_ptr<OpenedFace>> fallbacks;

  // The face that draws a character the main face does not have, opened
  // at the main face's size the first time it is needed; null when no
  // installed font has the character.
  const OpenedFace* FallbackFor(char32_t codePoint, const LogFont& lf) {
    const FontFile* file = FallbackList::For(lf).FontFor(codePoint);
    if (!file)
      return nullptr;
    auto [it, added] = fallbacks.try_emplace({file->path, file->index});
    if (added) {
      auto opened = std::make_unique<OpenedFace>();
      if (opened->Open(*file, lf) && FT_Set_Char_Size(opened->face, 0, charSize, 72, 72) == 0)
        it->second = std::move(opened);
    }
    return it->second.get();
  }
};

void PrepareFontConfiguration() {
  static std::once_flag once;
  std::call_once(once, [] {
    PreparedConfiguration() =
        std::async(std::launch::async, [] { return FcInit() == FcTrue; }).share();
  });
}

std::shared_ptr<FontFace> FontFace::Get(const LogFont& lf) {
  using Key = std::tuple<std::string, int, int, bool, bool, bool>;
  static std::map<Key, std::shared_ptr<FontFace>> cache;
  Key key{lf.faceName, lf.height, lf.weight, lf.italic, lf.underline, lf.strikeOut};
  auto it = cache.find(key);
  if (it != cache.end())
    return it->second;
  auto face = std::make_shared<FontFace>(lf);
  cache.emplace(std::move(key), face);
  return face;
}

FontFace::FontFace(const LogFont& logFont) : logFont_(logFont), impl_(std::make_unique<Impl>()) {
  // A damaged skin or design can ask for any height; glyphs of a million
  // pixels would exhaust memory, so sizes beyond any screen are capped.
  logFont_.height = std::clamp(logFont_.height, -kMaxFontHeight, kMaxFontHeight);
  const FontFile& file = ResolveOnce(logFont_);
  if (impl_->main.Open(file, logFont_)) {
    const FT_Face face = impl_->main.face;
    family_ =
        file.family.empty() ? std::string(face->family_name ? face->family_name : "") : file.family;
    ComputeMetrics();
  } else {
    ComputeFallbackMetrics();
  }
}

FontFace::~FontFace() = default;

void FontFace::ComputeFallbackMetrics() {
  int height = logFont_.height == 0 ? 16 : std::abs(logFont_.height);
  metrics_.ascent = height * 4 / 5;
  metrics_.descent = height - metrics_.ascent;
  metrics_.height = height;
  metrics_.aveCharWidth = std::max(1, height / 2);
  metrics_.maxCharWidth = height;
}

void FontFace::ComputeMetrics() {
  FT_Face face = impl_->main.face;
  const long long upem = face->units_per_EM > 0 ? face->units_per_EM : 2048;
  long long winAscent = face->ascender;
  long long winDescent = -face->descender;
  long long xAvg = 0;
  long long strikePos = 0;
  if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
      os2 && os2->version != 0xFFFF) {
    if (os2->usWinAscent + os2->usWinDescent > 0) {
      winAscent = os2->usWinAscent;
      winDescent = os2->usWinDescent;
    }
    xAvg = os2->xAvgCharWidth;
    strikePos = os2->yStrikeoutPosition;
  }
  if (winAscent + winDescent <= 0) {
    winAscent = upem * 9 / 10;
    winDescent = upem - winAscent;
  }

  // The classic sign convention: a negative height is the em size in
  // pixels, a positive one the whole cell (ascent plus descent).
  int height = logFont_.height == 0 ? -12 : logFont_.height;
  long long ppem26 = 0;  // em size in 1/64 pixel
  if (height < 0) {
    ppem26 = static_cast<long long>(-height) * 64;
    metrics_.ascent = RoundDiv(winAscent * -height, upem);
    metrics_.descent = RoundDiv(winDescent * -height, upem);
  } else {
    ppem26 = RoundDiv(static_cast<long long>(height) * upem * 64, winAscent + winDescent);
    metrics_.ascent = RoundDiv(static_cast<long long>(height) * winAscent, winAscent + winDescent);
    metrics_.descent = height - metrics_.ascent;
  }
  metrics_.height = metrics_.ascent + metrics_.descent;
  metrics_.internalLeading = std::max(0, metrics_.height - static_cast<int>((ppem26 + 32) / 64));
  impl_->charSize = static_cast<FT_F26Dot6>(std::max<long long>(ppem26, 64));
  FT_Set_Char_Size(face, 0, impl_->charSize, 72, 72);

  if (xAvg > 0)
    metrics_.aveCharWidth = std::max(1, RoundDiv(xAvg * ppem26, upem * 64));
  else
    metrics_.aveCharWidth = std::max(1, Advance(U'x'));
  metrics_.maxCharWidth =
      std::max(metrics_.aveCharWidth,
               RoundDiv(static_cast<long long>(face->max_advance_width) * ppem26, upem * 64));

  lineThickness_ =
      std::max(1, RoundDiv(static_cast<long long>(face->underline_thickness) * ppem26, upem * 64));
  int underlinePos =
      -RoundDiv(static_cast<long long>(face->underline_position) * ppem26, upem * 64);
  underlineOffset_ = std::clamp(underlinePos, 1, std::max(1, metrics_.descent - lineThickness_));
  strikeOutOffset_ =
      strikePos > 0 ? -RoundDiv(strikePos * ppem26, upem * 64) : -std::max(1, metrics_.ascent / 3);
}

const FontFace::Glyph& FontFace::GetGlyph(char32_t codePoint) const {
  if (codePoint < latin1_.size() && latin1_[codePoint] != nullptr)
    return *latin1_[codePoint];
  const Glyph& glyph = LoadGlyph(codePoint);
  if (codePoint < latin1_.size())
    latin1_[codePoint] = &glyph;
  return glyph;
}

const FontFace::Glyph& FontFace::LoadGlyph(char32_t codePoint) const {
  auto it = glyphs_.find(codePoint);
  if (it != glyphs_.end())
    return it->second;
  Glyph glyph;
  FT_Face face = impl_->main.face;
  if (codePoint < 0x20 || codePoint == 0x7F) {
    // Control characters take no room and show nothing.
  } else if (!face) {
    glyph.advance = metrics_.aveCharWidth;
  } else {
    const OpenedFace* from = &impl_->main;
    FT_UInt index = FT_Get_Char_Index(face, codePoint);
    if (index == 0) {
      // The face has no such character: another installed font that has
      // it draws it, and the face's own missing-character box only shows
      // when none has.
      const OpenedFace* other = impl_->FallbackFor(codePoint, logFont_);
      if (const FT_UInt found = other ? FT_Get_Char_Index(other->face, codePoint) : 0) {
        from = other;
        index = found;
      }
    }
    RenderGlyph(*from, index, glyph);
  }
  return glyphs_.emplace(codePoint, std::move(glyph)).first->second;
}

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  const auto* s = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i < n) {
    unsigned char c = s[i];
    if (c < 0x80) {
      out.push_back(c);
      ++i;
      continue;
    }
    int extra = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if ((c & 0xE0) == 0xC0) {
      extra = 1;
      cp = c & 0x1F;
      min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
      extra = 2;
      cp = c & 0x0F;
      min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
      extra = 3;
      cp = c & 0x07;
      min = 0x10000;
    } else {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    bool ok = i + static_cast<std::size_t>(extra) < n;
    for (int k = 1; ok && k <= extra; ++k) {
      unsigned char cc = s[i + static_cast<std::size_t>(k)];
      if ((cc & 0xC0) != 0x80)
        ok = false;
      else
        cp = (cp << 6) | (cc & 0x3F);
    }
    if (!ok || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    out.push_back(cp);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

}  // namespace gfx
