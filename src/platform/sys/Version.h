#pragma once

// The program's file version, compiled in from the build's project version.

namespace sys {

struct FileVersion {
  unsigned major = 0;
  unsigned minor = 0;
  unsigned release = 0;
  unsigned build = 0;
};

FileVersion ProgramFileVersion();

}  // namespace sys
