#include "platform/sys/Version.h"

#include "TilebrookVersion.h"

namespace sys {

FileVersion ProgramFileVersion() {
  return {TILEBROOK_VERSION_MAJOR, TILEBROOK_VERSION_MINOR, TILEBROOK_VERSION_RELEASE,
          TILEBROOK_VERSION_BUILD};
}

}  // namespace sys
