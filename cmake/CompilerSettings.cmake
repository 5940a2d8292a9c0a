# Warning, sanitizer and fuzzing flags shared by every target of the project.

set(SCORVANE_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Wcast-align -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough)
# g++ 12 inlines std::string concatenation into memcpy calls it then reports
# as overlapping (-Wrestrict), wrongly: GCC bug 105651, mended in g++ 13.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  list(APPEND SCORVANE_WARNINGS -Wno-restrict)
endif()
if(SCORVANE_WERROR)
  list(APPEND SCORVANE_WARNINGS -Werror)
endif()

if(SCORVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(SCORVANE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "SCORVANE_FUZZ needs clang (libFuzzer)")
  endif()
  # Every object carries the coverage hooks libFuzzer reads. The programs
  # that are not fuzzers (the command-line tool, the tests) link the same
  # flag, which brings clang's runtime with do-nothing hooks; the fuzzers
  # link -fsanitize=fuzzer, whose hooks take over.
  add_compile_options(-fsanitize=fuzzer-no-link)
  add_link_options(-fsanitize=fuzzer-no-link)
endif()

# Applies the project's warnings to one of its own targets (not to generated Qt code).
function(scorvane_target_settings target)
  target_compile_options(${target} PRIVATE ${SCORVANE_WARNINGS})
endfunction()
