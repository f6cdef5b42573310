# Small helpers so that each folder's CMakeLists.txt stays a few lines long.

# tilebrook_library(NAME SOURCES ... [LIBS ...])
# A static library of one layer; includes are rooted at src/.
function(tilebrook_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${PROJECT_BINARY_DIR}/generated)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# The GoogleTest and GoogleMock headers, compiled once for all test binaries:
# reading them was about a third of what each test source cost to build.
function(tilebrook_test_headers)
  if(TARGET tb_test_headers)
    return()
  endif()
  add_library(tb_test_headers OBJECT ${PROJECT_SOURCE_DIR}/cmake/TestHeaders.cpp)
  target_link_libraries(tb_test_headers PRIVATE GTest::gtest GTest::gmock)
  target_precompile_headers(tb_test_headers PRIVATE <gtest/gtest.h> <gmock/gmock.h>)
endfunction()

# Behind the precompiled headers GCC 12 inlines libstdc++'s string
# concatenation in the tests otherwise, and at -O2 it then reports copies past
# a string's own buffer that cannot happen (the false positives the Release
# build meets as -Wrestrict). The tests' real bounds are checked as they run,
# in the sanitizer build.
set(TILEBROOK_TEST_WARNINGS)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  set(TILEBROOK_TEST_WARNINGS -Wno-array-bounds -Wno-stringop-overflow -Wno-stringop-overread)
endif()

# tilebrook_test(NAME [ONE_PROCESS] SOURCES ... [LIBS ...])
# A GoogleTest binary; every test case becomes one CTest test. With
# ONE_PROCESS the binary is one CTest test, for cases that share a costly
# set-up made once per process.
function(tilebrook_test name)
  cmake_parse_arguments(ARG "ONE_PROCESS" "" "SOURCES;LIBS" ${ARGN})
  if(NOT TILEBROOK_TESTS)
    return()
  endif()
  tilebrook_test_headers()
  add_executable(${name} ${ARG_SOURCES})
  target_precompile_headers(${name} REUSE_FROM tb_test_headers)
  target_compile_options(${name} PRIVATE ${TILEBROOK_TEST_WARNINGS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    TILEBROOK_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    TILEBROOK_BINARY_DIR="${PROJECT_BINARY_DIR}")
  if(ARG_ONE_PROCESS)
    add_test(NAME ${name} COMMAND ${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# tilebrook_benchmark(NAME SOURCES ... [LIBS ...])
# A Google Benchmark binary whose main prints each benchmark as a ratio
# against the baseline of its group (see bench/common/BenchMain.cpp). The
# target `benchmarks` builds them all and what they run, nothing else.
function(tilebrook_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT TILEBROOK_BENCH)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} tb_bench_main benchmark::benchmark)
  add_dependencies(benchmarks ${name})
endfunction()

# tilebrook_fuzzer(NAME SOURCES ... [LIBS ...])
# A libFuzzer target. With TILEBROOK_FUZZ it links libFuzzer; otherwise it
# links a replay driver and CTest replays the target's corpus directory
# fuzz/corpus/NAME, so every kept crash input stays a regression test.
function(tilebrook_fuzzer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  if(TILEBROOK_FUZZ)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  else()
    target_link_libraries(${name} PRIVATE tb_fuzz_replay)
  endif()
  set(corpus ${PROJECT_SOURCE_DIR}/fuzz/corpus/${name})
  if(TILEBROOK_TESTS AND EXISTS ${corpus})
    if(TILEBROOK_FUZZ)
      add_test(NAME fuzz.${name} COMMAND ${name} -runs=0 ${corpus})
    else()
      add_test(NAME fuzz.${name} COMMAND ${name} ${corpus})
    endif()
  endif()
endfunction()

# tilebrook_pixel_loops(SOURCE ...)
# Sources whose inner loops run once a pixel. In fuzz builds their
# comparisons are not traced for libFuzzer (their edges still are, and the
# sanitizers check them as before): tracing a loop counter's comparison on
# every pixel was most of the two fifths of the frame fuzz target's time
# spent in comparison callbacks, and it guides the fuzzer nowhere.
function(tilebrook_pixel_loops)
  if(TILEBROOK_FUZZ)
    set_source_files_properties(${ARGN} PROPERTIES COMPILE_OPTIONS -fno-sanitize-coverage=trace-cmp)
  endif()
endfunction()

# tilebrook_add_subdirectories(DIR): every direct sub-folder of DIR that has
# a CMakeLists.txt, so that a new tool or benchmark needs no edit here.
function(tilebrook_add_subdirectories dir)
  file(GLOB children LIST_DIRECTORIES true CONFIGURE_DEPENDS ${dir}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
