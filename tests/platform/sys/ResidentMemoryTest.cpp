// Releasing the pages of constant data.

#include "platform/sys/ResidentMemory.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// Private anonymous memory comes back as zeros once dropped, which shows
// exactly which pages went: only those wholly inside the bytes may, so
// that constant data sharing its first or last page with other data never
// loses anything around it.
TEST(ResidentMemory, OnlyPagesWhollyInsideTheBytesAreDropped) {
  const std::size_t page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
  void* mapped =
      ::mmap(nullptr, 4 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(mapped, MAP_FAILED);
  auto* bytes = static_cast<std::uint8_t*>(mapped);
  std::memset(bytes, 0xAB, 4 * page);

  sys::ReleaseConstantPages({bytes + 100, 3 * page - 50});
  auto all = [](const std::uint8_t* from, std::size_t count, std::uint8_t value) {
    return std::all_of(from, from + count, [value](std::uint8_t b) { return b == value; });
  };
  EXPECT_TRUE(all(bytes, page, 0xAB));
  EXPECT_TRUE(all(bytes + page, 2 * page, 0));
  EXPECT_TRUE(all(bytes + 3 * page, page, 0xAB));

  // Less than a whole page, or nothing at all, drops nothing.
  std::memset(bytes, 0xCD, 4 * page);
  sys::ReleaseConstantPages({bytes + 1, page});
  sys::ReleaseConstantPages({});
  EXPECT_TRUE(all(bytes, 4 * page, 0xCD));
  ::munmap(mapped, 4 * page);
}

}  // namespace
