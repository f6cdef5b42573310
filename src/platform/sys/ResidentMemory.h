#pragma once

// Constant data compiled into the program, such as its embedded skin, is
// read once at start-up and kept afterwards in the objects made from it.
// Its pages need not stay in the program's resident memory: should they be
// read again, the system brings them back from the executable.

#include <cstdint>
#include <span>

namespace sys {

// Drops the pages that lie wholly inside `bytes` from the resident memory.
// Only for the program's own constant data: the pages are never written,
// so dropping them loses nothing.
void ReleaseConstantPages(std::span<const std::uint8_t> bytes);

}  // namespace sys
