# tessa_knows_source_root(TARGET)
# Gives the target's sources TESSA_SOURCE_ROOT, the folder the bundled library and resources are
# found in. Only the targets that need it get it, so that objects of other targets do not
# depend on where the sources were checked out (and a compiler cache serves every checkout).
function(tessa_knows_source_root name)
  target_compile_definitions(${name} PRIVATE TESSA_SOURCE_ROOT="${PROJECT_SOURCE_DIR}")
endfunction()

# tessa_library(NAME SOURCES... DEPENDS libs...)
# One static library per source folder; headers are included from the repository root
# ("platform/core/text/Vdn_String.h").
function(tessa_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  if(ARG_DEPENDS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  endif()
endfunction()

# tessa_test(NAME SOURCES... DEPENDS libs...)
function(tessa_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  tessa_knows_source_root(${name})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "TESSA_SOURCE_ROOT=${PROJECT_SOURCE_DIR}")
endfunction()
