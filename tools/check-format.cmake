# Fails when a C++ source of the project differs from what .clang-format makes
# of it. The style is kept so that clang-format 14 (Debian 12's) and 19
# (Debian 13's) lay it out alike, so a difference from either is a real one.
# Another version lays some places out by its own preferences: it is not
# asked, and the check says "skipped:" with the version that it found.
# Usage: cmake -DCLANG_FORMAT=clang-format -DSOURCE_DIR=<root> -P tools/check-format.cmake
execute_process(COMMAND ${CLANG_FORMAT} --version OUTPUT_VARIABLE version)
string(REGEX REPLACE ".*version ([0-9]+).*" "\\1" major "${version}")
if(NOT major MATCHES "^(14|19)$")
  message("skipped: ${CLANG_FORMAT} is clang-format ${major}, not 14 or 19")
  return()
endif()
file(GLOB_RECURSE sources
     ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
list(FILTER sources EXCLUDE REGEX "/build[^/]*/")
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources} RESULT_VARIABLE result
                ERROR_VARIABLE differences)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${differences}Run: clang-format -i on the files above")
endif()
