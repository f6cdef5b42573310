# Writes a C++ source that carries files' bytes, for pictures the program
# needs at run time without finding them on disk. Run as a script:
#
#   cmake -DOUTPUT=FILE.cpp -DFUNCTION=NAME -DFILES="a.bmp;b.bmp" -P EmbedFiles.cmake
#
# The source defines std::span<const std::uint8_t> NAME(int index): the
# bytes of the index-th file, empty for an index out of range.
set(body "// Generated from ${FILES}; do not edit.\n#include <cstdint>\n#include <span>\n\nnamespace {\n")
set(cases "")
set(index 0)
foreach(file IN LISTS FILES)
  file(READ ${file} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND body "const std::uint8_t kFile${index}[] = {${bytes}};\n")
  string(APPEND cases "    case ${index}:\n      return kFile${index};\n")
  math(EXPR index "${index} + 1")
endforeach()
string(APPEND body "}  // namespace\n\nstd::span<const std::uint8_t> ${FUNCTION}(int index) {\n  switch (index) {\n${cases}    default:\n      return {};\n  }\n}\n")
file(WRITE ${OUTPUT}.tmp "${body}")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
