#include "platform/sys/Collation.h"

#include <unicode/brkiter.h>
#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/stringpiece.h>
#include <unicode/utext.h>

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

// Steps through UTF-8 text by user-perceived characters: a base letter
// together with the marks that follow it.
class CharacterSteps {
 public:
  explicit CharacterSteps(std::string_view text) {
    UErrorCode status = U_ZERO_ERROR;
    text_ = utext_openUTF8(nullptr, text.data(), static_cast<int64_t>(text.size()), &status);
    breaks_.reset(icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    if (U_FAILURE(status) || !breaks_)
      breaks_.reset();
    else
      breaks_->setText(text_, status);
  }
  ~CharacterSteps() { utext_close(text_); }
  CharacterSteps(const CharacterSteps&) = delete;
  CharacterSteps& operator=(const CharacterSteps&) = delete;

  bool Ok() const { return breaks_ != nullptr; }
  // The byte offset after the next character, or -1 at the end.
  int32_t Next() { return breaks_->next(); }

 private:
  UText* text_ = nullptr;
  std::unique_ptr<icu::BreakIterator> breaks_;
};

}  // namespace

bool StartsWithTextIgnoreCase(std::string_view text, std::string_view prefix) {
  CharacterSteps inPrefix(prefix);
  CharacterSteps inText(text);
  if (!inPrefix.Ok() || !inText.Ok())
    return text.substr(0, prefix.size()) == prefix;
  // As many whole characters of the text as the prefix has.
  int32_t end = 0;
  while (inPrefix.Next() != icu::BreakIterator::DONE) {
    end = inText.Next();
    if (end == icu::BreakIterator::DONE)
      return false;
  }
  return CompareTextIgnoreCase(text.substr(0, static_cast<std::size_t>(end)), prefix) == 0;
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
