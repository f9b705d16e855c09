# Install rules and the Debian package. The programs look for their data beside the
# executable, else in <prefix>/share/zirdanlog (see src/env/data_files.h).
include(GNUInstallDirs)
set(ZIRDAN_DATA_DIR ${CMAKE_INSTALL_DATADIR}/zirdanlog)
set(ZIRDAN_ICON_SIZES 16 24 32 48 64 128 256)

install(TARGETS zirdanlog-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET zirdanlog)
  install(TARGETS zirdanlog RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES data/Language.ini DESTINATION ${ZIRDAN_DATA_DIR})
# The window icon of a program that is not found in the icon theme.
install(FILES data/icons/zirdanlog-128.png DESTINATION ${ZIRDAN_DATA_DIR} RENAME zirdanlog.png)
if(EXISTS ${CMAKE_SOURCE_DIR}/data/help)
  install(DIRECTORY data/help DESTINATION ${ZIRDAN_DATA_DIR})
endif()
install(FILES data/zirdanlog.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/zirdanlog.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
foreach(icon zirdanlog:apps application-zirdan:mimetypes)
  string(REPLACE ":" ";" name_and_context ${icon})
  list(GET name_and_context 0 name)
  list(GET name_and_context 1 context)
  install(FILES data/icons/${name}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/${context})
  foreach(size ${ZIRDAN_ICON_SIZES})
    install(FILES data/icons/${name}-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/${context}
            RENAME ${name}.png)
  endforeach()
endforeach()
install(FILES README.md data/sample.LOG DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zirdanlog)

# cpack -G DEB: the runtime packages of Debian 12 that the programs link and load.
set(CPACK_PACKAGE_NAME zirdanlog)
set(CPACK_PACKAGE_VENDOR "Brandivo")
set(CPACK_PACKAGE_CONTACT "Brandivo <zirdan@brandivo.cz>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Logbook editor for Zirdan dive computers")
set(CPACK_PACKAGE_DESCRIPTION
    "Zirdan LOG Editor downloads the memory of a Zirdan wrist dive computer over its serial "
    "cable and keeps the dives in a logbook (*.LOG): fields, profile graphs, statistics, "
    "overview, printing and CSV export. The command-line tool zirdanlog-cli works on the "
    "same logbooks.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.brandivo.cz/zirdan")
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.36), libstdc++6 (>= 12), libgcc-s1, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6serialport6 (>= 6.4), libqt6printsupport6 (>= 6.4), qt6-qpa-plugins")
# The MIME and desktop databases and the icon cache are refreshed by these packages'
# triggers when files land in their folders.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, xdg-utils, libqt6svg6")
include(CPack)

# The install check: an install into a scratch prefix holds every file above, and the
# installed tool finds its translation file when started from another folder.
if(BUILD_TESTING)
  add_test(NAME install_into_prefix
           COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                   -DPREFIX=${CMAKE_BINARY_DIR}/install-check -DWITH_EDITOR=$<TARGET_EXISTS:zirdanlog>
                   "-DICON_SIZES=${ZIRDAN_ICON_SIZES}"
                   "-DEXE_SUFFIX=${CMAKE_EXECUTABLE_SUFFIX}"
                   "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}" -P ${CMAKE_SOURCE_DIR}/cmake/InstallCheck.cmake)
endif()
