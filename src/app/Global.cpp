#include "app/Global.h"

#include "platform/sys/Version.h"

std::string FileVersionText() {
  sys::FileVersion v = sys::ProgramFileVersion();
  return std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.release) +
         "." + std::to_string(v.build);
}

std::string ReplaceAll(std::string_view S, std::string_view Old, std::string_view New) {
  if (Old.empty())
    return std::string(S);
  std::string result;
  result.reserve(S.size());
  std::size_t pos = 0;
  for (std::size_t found; (found = S.find(Old, pos)) != std::string_view::npos;
       pos = found + Old.size()) {
    result.append(S.substr(pos, found - pos));
    result.append(New);
  }
  result.append(S.substr(pos));
  return result;
}
