#include "support/GoldenImage.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "platform/gfx/ImageCodecs.h"

namespace testsupport {

namespace fs = std::filesystem;

std::string SourcePath(const std::string& relative) {
  return (fs::path(TILEBROOK_SOURCE_DIR) / relative).string();
}

namespace {

bool UpdateRequested() {
  const char* value = std::getenv("TILEBROOK_UPDATE_GOLDEN");
  return value && *value && std::string(value) != "0";
}

int ChannelDifference(gfx::Pixel a, gfx::Pixel b) {
  int worst = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    int d = std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
    worst = std::max(worst, d);
  }
  return worst;
}

// Where failure pictures go: beside the build, named after the reference.
std::string FailurePath(const std::string& goldenPath, const std::string& suffix) {
  fs::path dir = fs::path(TILEBROOK_BINARY_DIR) / "golden-failures";
  std::error_code ec;
  fs::create_directories(dir, ec);
  return (dir / (fs::path(goldenPath).stem().string() + suffix)).string();
}

}  // namespace

::testing::AssertionResult MatchesGolden(const gfx::Bitmap& actual, const std::string& goldenPath,
                                         int tolerance) {
  const std::string path = SourcePath(goldenPath);
  if (UpdateRequested()) {
    std::error_code ec;
    fs::create_directories(fs::path(path).parent_path(), ec);
    if (!gfx::SaveImageFile(actual, path))
      return ::testing::AssertionFailure() << "could not write the reference " << path;
    return ::testing::AssertionSuccess();
  }

  gfx::DecodedImage golden = gfx::LoadImageFile(path);
  if (!golden.Ok()) {
    const std::string actualPath = FailurePath(goldenPath, ".actual.png");
    gfx::SaveImageFile(actual, actualPath);
    return ::testing::AssertionFailure()
           << "no usable reference " << path << " (" << golden.error << "); the actual picture is "
           << actualPath << "; run the tests with TILEBROOK_UPDATE_GOLDEN=1 to create it";
  }
  const gfx::Bitmap& expected = golden.bitmap;
  const std::string actualPath = FailurePath(goldenPath, ".actual.png");
  if (expected.GetSize() != actual.GetSize()) {
    gfx::SaveImageFile(actual, actualPath);
    return ::testing::AssertionFailure()
           << "size " << actual.Width() << "x" << actual.Height()
           << " differs from the reference's " << expected.Width() << "x" << expected.Height()
           << "; actual picture: " << actualPath;
  }

  gfx::Bitmap diff(actual.Width(), actual.Height());
  int mismatches = 0;
  int worst = 0;
  for (int y = 0; y < actual.Height(); ++y) {
    const gfx::Pixel* a = actual.Row(y);
    const gfx::Pixel* e = expected.Row(y);
    gfx::Pixel* d = diff.Row(y);
    for (int x = 0; x < actual.Width(); ++x) {
      const int delta = ChannelDifference(a[x], e[x]);
      worst = std::max(worst, delta);
      if (delta > tolerance) {
        ++mismatches;
        d[x] = 0x00FF0000;  // red
      } else {
        // The picture faded toward white, so that red marks stand out.
        gfx::Pixel p = a[x];
        d[x] = (((p & 0xFF) + 3 * 255) / 4) | (((((p >> 8) & 0xFF) + 3 * 255) / 4) << 8) |
               (((((p >> 16) & 0xFF) + 3 * 255) / 4) << 16);
      }
    }
  }
  if (mismatches == 0)
    return ::testing::AssertionSuccess();
  const std::string diffPath = FailurePath(goldenPath, ".diff.png");
  gfx::SaveImageFile(actual, actualPath);
  gfx::SaveImageFile(diff, diffPath);
  return ::testing::AssertionFailure()
         << mismatches << " pixels differ from " << path << " by more than " << tolerance
         << " (worst " << worst << "); actual: " << actualPath << ", difference: " << diffPath;
}

}  // namespace testsupport
