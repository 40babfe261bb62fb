# Run by cpack after it packs: puts the zip's entries in the order of their
# names and dates them all from SOURCE_DATE_EPOCH (set by source_date.cmake,
# where there is a commit to take it from), so that two builds of one commit
# give the same zip on any file system.
set(dated)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(dated --timestamp $ENV{SOURCE_DATE_EPOCH})
endif()
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.zip$")
    execute_process(COMMAND strip-nondeterminism --type zip ${dated} ${package} COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
