# The Debian package: `cpack -G DEB` in the build folder.
include(GNUInstallDirs)
string(TOLOWER ${PROJECT_NAME} package_name)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${package_name})

# Debian wants the manual page and the changelog compressed to the full,
# without a time stamp, so that the package is the same at every build.
configure_file(keywright.1 ${CMAKE_CURRENT_BINARY_DIR}/keywright.1 @ONLY)
configure_file(changelog.Debian.in ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian @ONLY)
set(compressed)
foreach(file keywright.1 changelog.Debian)
  add_custom_command(OUTPUT ${file}.gz
                     COMMAND gzip -9 -n -c ${file} > ${file}.gz
                     DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${file})
  list(APPEND compressed ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz)
endforeach()
add_custom_target(keywright_package_documents ALL DEPENDS ${compressed})

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/keywright.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz DESTINATION ${doc_dir})
# Lintian checks the metainfo with AppStream, which cannot be told of the
# accepted finding (see resources/); the desktop_files test validates it
# strictly with only that one accepted. Lintian before (Debian 12) knows no
# such tag and refuses an override of it.
if(appstream_accepted_finding)
  set(APPSTREAM_OVERRIDE appstream-metadata-validation-failed)
endif()
configure_file(lintian-overrides.in ${CMAKE_CURRENT_BINARY_DIR}/lintian-overrides @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${package_name})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${package_name})
set(CPACK_PACKAGE_CONTACT "The Keywright developers <maintainers@keywright.net>")
set(CPACK_PACKAGE_DESCRIPTION "The older Tarvex 11 Mbps wireless cards take a WEP key as 5 or 13 hex byte
boxes, the newer products as 5 or 13 ASCII characters. Keywright asks which
product you have and which one you want to talk to, takes the key in the
form the other product knows, and shows it in the form your own product asks
for, over a picture of the dialog where you type it.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries: the fonts that the designed look needs, and the
# display plugins of Qt for X11 and Wayland.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-comic-neue, fonts-liberation, qt6-qpa-plugins, qt6-wayland")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
