#include "platform/sys/ResidentMemory.h"

#include <sys/mman.h>
#include <unistd.h>

namespace sys {

void ReleaseConstantPages(std::span<const std::uint8_t> bytes) {
  const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  if (bytes.empty() || page == 0)
    return;
  const auto begin = reinterpret_cast<std::uintptr_t>(bytes.data());
  const std::uintptr_t first = (begin + page - 1) / page * page;
  const std::uintptr_t last = (begin + bytes.size()) / page * page;
  if (first < last)
    ::madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
}

}  // namespace sys
