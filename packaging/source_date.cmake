# Read by cpack before it packs, and by the Windows build before it strips the
# MinGW runtime: every time stamp in a package is SOURCE_DATE_EPOCH, as
# Debian's builders set it, or else the time of the last commit, so that two
# builds of one commit give the same bytes. Without either, the package would
# carry the time of packing: that is an error, with git's reason.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CPACK_KEYWRIGHT_SOURCE_DIR}" log -1 --format=%ct
                  OUTPUT_VARIABLE last_commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE git_failed ERROR_VARIABLE git_says)
  if(git_failed OR NOT last_commit_time)
    message(FATAL_ERROR "No time for the package's files: SOURCE_DATE_EPOCH is not set, and git "
                        "gives no last commit of ${CPACK_KEYWRIGHT_SOURCE_DIR}:\n${git_says}")
  endif()
  set(ENV{SOURCE_DATE_EPOCH} "${last_commit_time}")
endif()
