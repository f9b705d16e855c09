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
install(FILES data/cz.brandivo.zirdanlog.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/cz.brandivo.zirdanlog.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
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
set(ZIRDAN_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/zirdanlog)
install(FILES README.md data/sample.LOG data/package/copyright DESTINATION ${ZIRDAN_DOC_DIR})

# The manual pages and the changelog, compressed as Debian keeps them: gzip -9n stores no
# name and no time stamp, so the same sources always give the same package.
if(NOT WIN32)
  set(ZIRDAN_MAN_PAGES zirdanlog-cli)
  if(TARGET zirdanlog)
    list(APPEND ZIRDAN_MAN_PAGES zirdanlog)
  endif()
  set(compressed "")
  foreach(source ${ZIRDAN_MAN_PAGES} changelog)
    if(source STREQUAL "changelog")
      set(input ${CMAKE_SOURCE_DIR}/data/package/changelog)
      set(copy ${CMAKE_BINARY_DIR}/compressed/changelog)
    else()
      set(input ${CMAKE_SOURCE_DIR}/data/man/${source}.1)
      set(copy ${CMAKE_BINARY_DIR}/compressed/${source}.1)
    endif()
    add_custom_command(OUTPUT ${copy}.gz
                       COMMAND ${CMAKE_COMMAND} -E copy ${input} ${copy}
                       COMMAND gzip -9nf ${copy}
                       DEPENDS ${input} VERBATIM)
    list(APPEND compressed ${copy}.gz)
  endforeach()
  add_custom_target(zirdan_compressed_docs ALL DEPENDS ${compressed})
  foreach(page ${ZIRDAN_MAN_PAGES})
    install(FILES ${CMAKE_BINARY_DIR}/compressed/${page}.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
  install(FILES ${CMAKE_BINARY_DIR}/compressed/changelog.gz DESTINATION ${ZIRDAN_DOC_DIR})
endif()

# cpack -G DEB: the runtime packages of Debian 12 that the programs link and load.
set(CPACK_PACKAGE_NAME zirdanlog)
set(CPACK_PACKAGE_VENDOR "Brandivo")
set(CPACK_PACKAGE_CONTACT "Brandivo <zirdan@brandivo.cz>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Logbook editor for Zirdan dive computers")
# The extended description, in lines Debian's 80 columns hold; cpack indents them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "Zirdan LOG Editor downloads the memory of a Zirdan wrist dive computer"
       "over its serial interface cable and keeps the dives in a logbook (*.LOG)."
       "The diver completes each dive with the site, the weather, the suit, the"
       "buddy and a note, and looks at its depth profile."
       ""
       "The editor makes statistics, an overview of all dives, printed logbook"
       "pages and CSV files, in English or Czech. The command-line tool"
       "zirdanlog-cli works on the same logbooks.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Folders and control files as Debian wants them, whatever the packager's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.brandivo.cz/zirdan")
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.36), libstdc++6 (>= 12), libgcc-s1, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6serialport6 (>= 6.4), libqt6printsupport6 (>= 6.4), qt6-qpa-plugins")
# The MIME and desktop databases and the icon cache are refreshed by these packages'
# triggers when files land in their folders; Qt's own dialogs speak the diver's language
# with its translations; the Liberation fonts stand in for the Windows fonts of the layouts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "shared-mime-info, desktop-file-utils, xdg-utils, libqt6svg6, qt6-translations-l10n, fonts-liberation")
include(CPack)

# The install check: an install into a scratch prefix holds every file above, and the
# installed tool finds its translation file when started from another folder.
if(BUILD_TESTING)
  add_test(NAME install_into_prefix
           COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                   -DPREFIX=${CMAKE_BINARY_DIR}/install-check -DWITH_EDITOR=$<TARGET_EXISTS:zirdanlog>
                   "-DICON_SIZES=${ZIRDAN_ICON_SIZES}" -DVERSION=${PROJECT_VERSION} -DWITH_MAN_PAGES=$<NOT:$<BOOL:${WIN32}>>
                   "-DEXE_SUFFIX=${CMAKE_EXECUTABLE_SUFFIX}"
                   "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}" -P ${CMAKE_SOURCE_DIR}/cmake/InstallCheck.cmake)
  # The Debian package, checked with Debian's own tools. Sanitizer and Windows builds are
  # never packaged.
  if(TARGET zirdanlog AND NOT ZIRDAN_SANITIZE AND NOT WIN32)
    add_test(NAME debian_package
             COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                     -DVERSION=${PROJECT_VERSION} -P ${CMAKE_SOURCE_DIR}/cmake/PackageCheck.cmake)
    set_tests_properties(debian_package PROPERTIES SKIP_REGULAR_EXPRESSION "SKIPPED: " TIMEOUT 300)
  endif()
endif()
