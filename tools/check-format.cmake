# Fails when a C++ source of the project differs from what .clang-format makes
# of it. The style is kept so that clang-format 14 (Debian 12's) and 19
# (Debian 13's) lay it out alike, so a difference from either is a real one.
# Usage: cmake -DCLANG_FORMAT=clang-format -DSOURCE_DIR=<root> -P tools/check-format.cmake
file(GLOB_RECURSE sources
     ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
list(FILTER sources EXCLUDE REGEX "/build[^/]*/")
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources} RESULT_VARIABLE result
                ERROR_VARIABLE differences)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${differences}Run: clang-format -i on the files above")
endif()
