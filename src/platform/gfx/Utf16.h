#pragma once

// Text handed to ICU, which works on UTF-16.

#include <cstddef>
#include <string>
#include <vector>

namespace gfx {

// Each character becomes one or two units; a value that is no character
// (a surrogate, or beyond U+10FFFF) becomes U+FFFD. With characterOf, each
// unit's character index is appended to it.
std::u16string ToUtf16(const std::u32string& text, std::vector<std::size_t>* characterOf = nullptr);

}  // namespace gfx
