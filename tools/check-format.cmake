# Fails when a C++ source of the project differs from what .clang-format makes
# of it. The style was written with clang-format 14. Another major version
# may lay out a few constructs otherwise, a matter of its taste: where it
# agrees, it checks as well; where not, the check says so and is skipped.
# Usage: cmake -DCLANG_FORMAT=clang-format -DSOURCE_DIR=<root> -P tools/check-format.cmake
set(style_version 14)
file(GLOB_RECURSE sources
     ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
list(FILTER sources EXCLUDE REGEX "/build[^/]*/")
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources} RESULT_VARIABLE result
                ERROR_VARIABLE differences)
if(result EQUAL 0)
  return()
endif()
execute_process(COMMAND ${CLANG_FORMAT} --version OUTPUT_VARIABLE version)
string(REGEX MATCH "version ([0-9]+)" version "${version}")
if(CMAKE_MATCH_1 EQUAL style_version)
  message(FATAL_ERROR "${differences}Run: clang-format -i on the files above")
endif()
message("${differences}Skipped: the style is clang-format ${style_version}'s; clang-format "
        "${CMAKE_MATCH_1} lays out the places above otherwise.")
