// A stand-in for a started program: it records how it was started in a file
// beside itself, named after its own file with ".started" appended: one line
// per argument, then whether stdin is /dev/null and whether it leads its own
// session.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  // argv[0] may be a bare name found along PATH; the record goes beside the
  // real file.
  char self[4096];
  ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0)
    return 1;
  std::string record = std::string(self, static_cast<size_t>(n)) + ".started";
  // Descriptor 3 and up would be leaked from the starter; look before the
  // record file takes the lowest free one.
  bool fd3Open = ::fcntl(3, F_GETFD) != -1;
  FILE* out = std::fopen(record.c_str(), "w");
  if (out == nullptr)
    return 1;
  std::fprintf(out, "argc=%d\n", argc);
  for (int i = 1; i < argc; ++i)
    std::fprintf(out, "arg=%s\n", argv[i]);
  struct stat in {
  }, null{};
  bool nullInput = ::fstat(0, &in) == 0 && ::stat("/dev/null", &null) == 0 &&
                   in.st_rdev == null.st_rdev && S_ISCHR(in.st_mode);
  std::fprintf(out, "stdin-null=%d\n", nullInput ? 1 : 0);
  std::fprintf(out, "session-leader=%d\n", ::getsid(0) == ::getpid() ? 1 : 0);
  std::fprintf(out, "fd3-open=%d\n", fd3Open ? 1 : 0);
  std::fclose(out);
  return 0;
}
