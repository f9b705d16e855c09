# Installs the build into a scratch prefix and checks what a user's system would get.
# cmake -DSOURCE_DIR=.. -DBUILD_DIR=.. -DPREFIX=.. -DWITH_EDITOR=0|1 -DICON_SIZES=".." -DVERSION=..
#       -DWITH_MAN_PAGES=0|1 -P
# (and for a cross build -DEXE_SUFFIX=.exe -DEMULATOR=wine)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected bin/zirdanlog-cli${EXE_SUFFIX} share/zirdanlog/Language.ini share/zirdanlog/zirdanlog.png
             share/applications/cz.brandivo.zirdanlog.desktop share/mime/packages/zirdanlog.xml
             share/metainfo/cz.brandivo.zirdanlog.metainfo.xml share/doc/zirdanlog/copyright
             share/icons/hicolor/scalable/apps/zirdanlog.svg
             share/icons/hicolor/scalable/mimetypes/application-zirdan.svg)
if(WITH_EDITOR)
  list(APPEND expected bin/zirdanlog${EXE_SUFFIX})
endif()
# The manual pages and the compressed changelog of a Unix install.
if(WITH_MAN_PAGES)
  list(APPEND expected share/man/man1/zirdanlog-cli.1.gz share/doc/zirdanlog/changelog.gz)
  if(WITH_EDITOR)
    list(APPEND expected share/man/man1/zirdanlog.1.gz)
  endif()
endif()
foreach(size ${ICON_SIZES})
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/zirdanlog.png
                       share/icons/hicolor/${size}x${size}/mimetypes/application-zirdan.png)
endforeach()
file(GLOB_RECURSE help_pages RELATIVE ${SOURCE_DIR}/data/help ${SOURCE_DIR}/data/help/*)
foreach(page ${help_pages})
  list(APPEND expected share/zirdanlog/help/${page})
endforeach()
set(missing "")
foreach(file ${expected})
  if(NOT EXISTS ${PREFIX}/${file})
    list(APPEND missing ${file})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "not installed: ${missing}")
endif()

# The installed data files are the project's own.
foreach(pair "data/Language.ini:share/zirdanlog/Language.ini"
             "data/cz.brandivo.zirdanlog.desktop:share/applications/cz.brandivo.zirdanlog.desktop"
             "data/zirdanlog.xml:share/mime/packages/zirdanlog.xml")
  string(REPLACE ":" ";" paths ${pair})
  list(GET paths 0 source)
  list(GET paths 1 installed)
  file(SHA256 ${SOURCE_DIR}/${source} want)
  file(SHA256 ${PREFIX}/${installed} got)
  if(NOT want STREQUAL got)
    message(FATAL_ERROR "${installed} differs from ${source}")
  endif()
endforeach()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/cz.brandivo.zirdanlog.desktop
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0 OR out MATCHES "error")
    message(FATAL_ERROR "desktop-file-validate: ${out}")
  endif()
endif()

# From a folder that holds no data file, the installed tool reads the English texts of
# the installed Language.ini; without it every text would read "Error".
set(elsewhere ${BUILD_DIR}/install-check-elsewhere)
file(MAKE_DIRECTORY ${elsewhere})
execute_process(COMMAND ${EMULATOR} ${PREFIX}/bin/zirdanlog-cli${EXE_SUFFIX} overview ${SOURCE_DIR}/data/sample.LOG --language 1
                WORKING_DIRECTORY ${elsewhere} RESULT_VARIABLE result OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR NOT out MATCHES "Logbook:" OR out MATCHES "Error")
  message(FATAL_ERROR "the installed tool did not find its translation file (${result}):\n${out}${err}")
endif()
# Both installed programs name their version, the editor without needing a display.
set(programs zirdanlog-cli)
if(WITH_EDITOR)
  list(APPEND programs zirdanlog)
endif()
foreach(program ${programs})
  execute_process(COMMAND ${EMULATOR} ${PREFIX}/bin/${program}${EXE_SUFFIX} --version RESULT_VARIABLE result
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0 OR NOT out STREQUAL "${program} (Zirdan LOG Editor) ${VERSION}\n")
    message(FATAL_ERROR "${program} --version (${result}): ${out}${err}")
  endif()
endforeach()
# The editor's manual page describes every switch its --help names.
if(WITH_EDITOR)
  execute_process(COMMAND ${PREFIX}/bin/zirdanlog --help OUTPUT_VARIABLE help)
  file(READ ${SOURCE_DIR}/data/man/zirdanlog.1 page)
  string(REPLACE "\\-" "-" page "${page}")
  string(REGEX MATCHALL "/[A-Z][A-Z]+|--[a-z][a-z-]*" switches "${help}")
  if(NOT switches)
    message(FATAL_ERROR "zirdanlog --help names no switch:\n${help}")
  endif()
  foreach(switch ${switches})
    if(NOT page MATCHES "\n\\.B ${switch}\n")
      message(FATAL_ERROR "zirdanlog --help names ${switch}, data/man/zirdanlog.1 does not")
    endif()
  endforeach()
endif()
message(STATUS "install into ${PREFIX}: every file present, translation found")
