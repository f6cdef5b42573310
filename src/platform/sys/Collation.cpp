#include "platform/sys/Collation.h"

#include <unicode/brkiter.h>
#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/stringpiece.h>
#include <unicode/utext.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace sys {
namespace {

std::unique_ptr<icu::Collator> CreateCollator() {
  UErrorCode status = U_ZERO_ERROR;
  std::string name = CollationLocaleFromEnvironment();
  std::unique_ptr<icu::Collator> collator(
      icu::Collator::createInstance(icu::Locale::createCanonical(name.c_str()), status));
  if (U_FAILURE(status) || !collator) {
    status = U_ZERO_ERROR;
    collator.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
  }
  if (U_FAILURE(status))
    return nullptr;
  // Secondary strength tells accents apart but not letter case.
  collator->setStrength(icu::Collator::SECONDARY);
  return collator;
}

}  // namespace

// Steps through UTF-8 texts by user-perceived characters: a base letter
// together with the marks that follow it. One iterator serves every text.
class TextPrefixMatcher::Steps {
 public:
  Steps() {
    UErrorCode status = U_ZERO_ERROR;
    breaks_.reset(icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    if (U_FAILURE(status))
      breaks_.reset();
  }
  ~Steps() { utext_close(text_); }
  Steps(const Steps&) = delete;
  Steps& operator=(const Steps&) = delete;

  bool Ok() const { return breaks_ != nullptr; }
  // How many characters text has.
  int Count(std::string_view text) {
    if (!Open(text))
      return 0;
    int count = 0;
    for (int32_t end = breaks_->first(); (end = breaks_->next()) != icu::BreakIterator::DONE;)
      ++count;
    return count;
  }
  // The byte length of the first `count` characters of text, or -1 when it
  // has fewer.
  int32_t Length(std::string_view text, int count) {
    if (!Open(text))
      return -1;
    int32_t end = breaks_->first();
    for (int k = 0; k < count && end != icu::BreakIterator::DONE; ++k)
      end = breaks_->next();
    return end;
  }

 private:
  bool Open(std::string_view text) {
    UErrorCode status = U_ZERO_ERROR;
    text_ = utext_openUTF8(text_, text.data(), static_cast<int64_t>(text.size()), &status);
    if (U_SUCCESS(status))
      breaks_->setText(text_, status);
    return U_SUCCESS(status);
  }

  UText* text_ = nullptr;
  std::unique_ptr<icu::BreakIterator> breaks_;
};

namespace {

// Where the first `count` characters of text end when they and the byte
// after them are plain ASCII (no mark can follow), else -1.
int32_t AsciiLength(std::string_view text, int count) {
  const std::size_t n = static_cast<std::size_t>(count);
  if (text.size() < n)
    return -1;
  for (std::size_t i = 0; i < std::min(n + 1, text.size()); ++i)
    if (static_cast<unsigned char>(text[i]) >= 0x80 || text[i] == '\r')
      return -1;
  return count;
}

}  // namespace

TextPrefixMatcher::TextPrefixMatcher(std::string_view prefix)
    : prefix_(prefix), steps_(std::make_unique<Steps>()) {
  if (steps_->Ok())
    characters_ = steps_->Count(prefix_);
}

TextPrefixMatcher::~TextPrefixMatcher() = default;

bool TextPrefixMatcher::Matches(std::string_view text) {
  if (!steps_->Ok())
    return text.substr(0, prefix_.size()) == prefix_;
  // As many whole characters of the text as the prefix has.
  int32_t end = AsciiLength(text, characters_);
  if (end < 0)
    end = steps_->Length(text, characters_);
  if (end < 0)
    return false;
  return CompareTextIgnoreCase(text.substr(0, static_cast<std::size_t>(end)), prefix_) == 0;
}

bool StartsWithTextIgnoreCase(std::string_view text, std::string_view prefix) {
  return TextPrefixMatcher(prefix).Matches(text);
}

std::string CollationLocaleFromEnvironment() {
  const char* value = nullptr;
  for (const char* variable : {"LC_ALL", "LC_COLLATE", "LANG"}) {
    const char* v = std::getenv(variable);
    if (v != nullptr && *v != '\0') {
      value = v;
      break;
    }
  }
  if (value == nullptr)
    return {};
  std::string name = value;
  name = name.substr(0, name.find_first_of(".@"));
  if (name == "C" || name == "POSIX")
    return {};
  return name;
}

int CompareTextIgnoreCase(std::string_view a, std::string_view b) {
  static const std::unique_ptr<icu::Collator> collator = CreateCollator();
  if (!collator)
    return a.compare(b);
  UErrorCode status = U_ZERO_ERROR;
  UCollationResult result =
      collator->compareUTF8(icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
                            icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), status);
  if (U_FAILURE(status))
    return a.compare(b);
  return static_cast<int>(result);
}

}  // namespace sys
