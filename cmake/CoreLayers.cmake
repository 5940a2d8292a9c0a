# One static library per layer of the Qt-free core, each linking only the
# layer below it (and, through it, the ones further down), so that a call
# from a layer into a later one does not link.
#
# A static library alone would not show such a call: the linker resolves it
# whenever a program happens to pull the called object from the later layer.
# So each layer also gets a link check, a do-nothing program that takes every
# object of the layer (whole archive) and only the layers below it; a call
# upwards leaves an undefined reference there and the build stops.

# scorvane_core_layer(<layer> [USES <layer below>] <sources>...) makes the
# library scorvane_<layer> and its link check scorvane_<layer>_link_check.
function(scorvane_core_layer layer)
  cmake_parse_arguments(arg "" "USES" "" ${ARGN})
  set(library scorvane_${layer})
  add_library(${library} STATIC ${arg_UNPARSED_ARGUMENTS})
  target_include_directories(${library} PUBLIC ${CMAKE_SOURCE_DIR})
  if(arg_USES)
    target_link_libraries(${library} PUBLIC scorvane_${arg_USES})
  endif()
  scorvane_target_settings(${library})
  scorvane_link_check(${library})
endfunction()

# A program made of every object of `library` and what it links, nothing else.
function(scorvane_link_check library)
  add_executable(${library}_link_check ${CMAKE_SOURCE_DIR}/cmake/link_check_main.cpp)
  target_link_libraries(${library}_link_check PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${library}>")
endfunction()
