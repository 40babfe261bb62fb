# Windows: a zip of a folder that runs where it is unpacked, and an NSIS
# installer; `cpack` in the Windows build folder makes both. The folder holds
# the program, the Qt libraries and plugins that it loads, the MinGW runtime
# and the licences.
# The plugins by their files: Qt 6.8 defines no targets for them in a
# program's build.
set(qt_plugins platforms/qwindows.dll styles/qmodernwindowsstyle.dll imageformats/qgif.dll
               imageformats/qico.dll imageformats/qjpeg.dll)
foreach(library Qt6::Core Qt6::Gui Qt6::Widgets)
  install(FILES $<TARGET_FILE:${library}> DESTINATION .)
endforeach()
foreach(plugin IN LISTS qt_plugins)
  get_filename_component(plugin_type ${plugin} DIRECTORY)
  install(FILES ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/${plugin} DESTINATION ${plugin_type})
endforeach()

# The compiler knows where its own runtime lies; Debian ships it with its
# symbols, which a user does not need. Stripping writes a time into the
# library's header: SOURCE_DATE_EPOCH's, as in the packages.
include(${CMAKE_CURRENT_LIST_DIR}/source_date.cmake)
foreach(runtime libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                  OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${runtime_path}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know ${runtime}")
  endif()
  execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${CMAKE_CURRENT_BINARY_DIR}/${runtime}
                          ${runtime_path} COMMAND_ERROR_IS_FATAL ANY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${runtime} DESTINATION .)
endforeach()

# Qt is under the LGPL 3: its text, and where its source is found.
find_file(LGPL_3_TEXT LGPL-3 PATHS /usr/share/common-licenses NO_CMAKE_FIND_ROOT_PATH REQUIRED)
file(READ ${LGPL_3_TEXT} lgpl_3)
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/Qt-LICENSE.txt CONTENT
"Keywright carries Qt ${Qt6_VERSION} (Qt Core, Qt Gui, Qt Widgets and their plugins),
built unchanged but for Debian's patches from Debian's source package qt6-base
${KEYWRIGHT_QT_SOURCE_VERSION}: `apt-get source qt6-base=${KEYWRIGHT_QT_SOURCE_VERSION}` on Debian 13 gives
that source, and tools/windows/build_qt.sh in Keywright's source builds it.
Qt is licensed under the GNU Lesser General Public License version 3:

${lgpl_3}")
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/Qt-LICENSE.txt DESTINATION .)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${PROJECT_NAME})
set(CPACK_PACKAGE_EXECUTABLES ${PROJECT_NAME} ${PROJECT_NAME}) # the Start-menu entry
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_NSIS_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_NSIS_DISPLAY_NAME ${PROJECT_NAME})
# A 64-bit installer for a 64-bit program: it sees the 64-bit registry and
# Program Files, and runs where no 32-bit layer is installed. It keeps no
# file times, so that two builds of one commit give the same installer. Its
# footer names Keywright (CPack's own branding option asks for a trimming
# that makensis offers on Windows only).
set(CPACK_NSIS_DEFINES
    "Target amd64-unicode\nSetDateSave off\nBrandingText '${PROJECT_NAME} ${PROJECT_VERSION}'")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME ${PROJECT_NAME}.exe) # the icon shown under Apps
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/icons/program.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/icons/program.ico)
# Keywright's own look, name and version, and a start at the end, ticked.
set(CPACK_NSIS_MUI_WELCOMEFINISHPAGE_BITMAP ${PROJECT_SOURCE_DIR}/resources/installer/side.bmp)
set(CPACK_NSIS_MUI_UNWELCOMEFINISHPAGE_BITMAP ${PROJECT_SOURCE_DIR}/resources/installer/side.bmp)
set(CPACK_NSIS_MUI_HEADERIMAGE ${PROJECT_SOURCE_DIR}/resources/installer/header.bmp)
set(CPACK_NSIS_MUI_FINISHPAGE_RUN ${PROJECT_NAME}.exe)
# The installer runs with administrator rights; Keywright, started from its
# last page, runs as the user who is logged on: the desktop's shell, which
# runs as that user, starts it. (Quotes and backslashes are escaped for this
# file and for CPack's, as below.)
string(APPEND CPACK_NSIS_DEFINES "\n!define MUI_FINISHPAGE_RUN_FUNCTION Run_Keywright_As_User
Function Run_Keywright_As_User
  Exec '\\\"$WINDIR\\\\explorer.exe\\\" \\\"$INSTDIR\\\\${PROJECT_NAME}.exe\\\"'
FunctionEnd")
# CPack's uninstaller removes the product's key but leaves the vendor's key
# around it; only Keywright uses that one.
# (A backslash is written twice over: for this file, and for CPack's.)
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "DeleteRegKey SHCTX 'Software\\\\${CPACK_PACKAGE_VENDOR}'")
# The zip's entries in the order of their names, whatever order the file
# system lists them in.
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/zip_in_name_order.cmake)
# A second install replaces the first, silently too.
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
