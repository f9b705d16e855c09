# Builds the Debian package of the build and checks it as Debian would: lintian finds no
# error and no warning, the AppStream metadata and the manual pages pass their checkers, and
# the packaged programs run and name the package's version.
# cmake -DSOURCE_DIR=.. -DBUILD_DIR=.. -DVERSION=.. -P PackageCheck.cmake
foreach(tool lintian appstreamcli man dpkg-deb)
  find_program(found_${tool} ${tool})
  if(NOT found_${tool})
    # scripts/install-deps.sh installs them; a build without them cannot check the package.
    message(STATUS "SKIPPED: ${tool} is not installed")
    return()
  endif()
endforeach()

set(out ${BUILD_DIR}/package-check)
file(REMOVE_RECURSE ${out})
execute_process(COMMAND cpack -G DEB -B ${out} --config ${BUILD_DIR}/CPackConfig.cmake
                RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
file(GLOB deb ${out}/zirdanlog_${VERSION}_*.deb)
if(NOT result EQUAL 0 OR NOT deb)
  message(FATAL_ERROR "cpack -G DEB failed (${result}):\n${log}")
endif()

# What a user's system gets, and that the stripped programs still run.
set(root ${out}/root)
execute_process(COMMAND dpkg-deb -x ${deb} ${root} RESULT_VARIABLE result)
set(expected usr/bin/zirdanlog usr/bin/zirdanlog-cli
             usr/share/doc/zirdanlog/copyright usr/share/doc/zirdanlog/changelog.gz
             usr/share/man/man1/zirdanlog.1.gz usr/share/man/man1/zirdanlog-cli.1.gz
             usr/share/applications/cz.brandivo.zirdanlog.desktop
             usr/share/metainfo/cz.brandivo.zirdanlog.metainfo.xml)
foreach(file ${expected})
  if(NOT EXISTS ${root}/${file})
    message(FATAL_ERROR "the package lacks /${file}")
  endif()
endforeach()
foreach(program zirdanlog zirdanlog-cli)
  execute_process(COMMAND ${root}/usr/bin/${program} --version OUTPUT_VARIABLE said
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0 OR NOT said MATCHES " ${VERSION}\n$")
    message(FATAL_ERROR "the packaged ${program} --version (${result}): ${said}")
  endif()
endforeach()

# The changelog's newest entry is this version; a native package's version has no revision.
file(STRINGS ${SOURCE_DIR}/data/package/changelog newest LIMIT_COUNT 1)
if(NOT newest MATCHES "^zirdanlog \\(${VERSION}\\) ")
  message(FATAL_ERROR "data/package/changelog begins with '${newest}', not version ${VERSION}")
endif()

execute_process(COMMAND lintian --fail-on error,warning --tag-display-limit 0 ${deb}
                RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT result EQUAL 0 OR said MATCHES "(^|\n)[EW]: ")
  message(FATAL_ERROR "lintian (${result}):\n${said}")
endif()

# The metainfo file together with the desktop entry it names. --no-net: the homepage is
# not fetched, so the check does not depend on the network.
execute_process(COMMAND appstreamcli validate-tree --pedantic --no-net ${root}
                RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate-tree (${result}):\n${said}")
endif()

foreach(page zirdanlog zirdanlog-cli)
  execute_process(COMMAND man --warnings -E UTF-8 -l ${root}/usr/share/man/man1/${page}.1.gz
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE said)
  if(NOT result EQUAL 0 OR NOT said STREQUAL "")
    message(FATAL_ERROR "man --warnings ${page}(1) (${result}):\n${said}")
  endif()
endforeach()
message(STATUS "${deb}: lintian, appstreamcli and man accept it")
