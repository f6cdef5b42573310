#include "platform/sys/Collation.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/stringpiece.h>

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
