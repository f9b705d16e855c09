# Every tests/<folder>/*_test.cpp is its own test executable, and ctest lists each of its
# cases. Files named *_gui_test.cpp link the windows and run on the offscreen platform; the
# others link the logic only. tests/support/*.cpp form a helper library linked to every test.
if(CMAKE_CROSSCOMPILING)
  # No GoogleTest library exists for the target system: build Debian's source of it with the
  # same toolchain (it names its targets GTest::gtest and GTest::gtest_main itself).
  set(ZIRDAN_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for cross builds")
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${ZIRDAN_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)
if(NOT ZIRDAN_LOGIC_ONLY)
  find_package(Qt6 REQUIRED COMPONENTS Test)
endif()

function(zirdan_add_all_tests)
  file(GLOB_RECURSE test_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*_test.cpp)
  file(GLOB_RECURSE support_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
  zirdan_keep_this_systems_sources(test_files)
  zirdan_keep_this_systems_sources(support_files)
  add_library(zirdan_test_support STATIC ${support_files})
  target_link_libraries(zirdan_test_support PUBLIC zirdan_logic GTest::gtest)
  target_include_directories(zirdan_test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(zirdan_test_support PUBLIC
    ZIRDAN_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    ZIRDAN_BINARY_DIR="${CMAKE_BINARY_DIR}"
    ZIRDAN_CLI_PATH="$<TARGET_FILE:zirdanlog-cli>")
  # Compiling the tests is most of the time a build of everything takes. Their own code is
  # compiled without optimisation (the code they test keeps the build's), and the headers
  # every test parses are parsed once: GoogleTest's for the logic tests, and with Qt's for
  # the windows' tests, whose flags differ.
  target_compile_options(zirdan_test_support PUBLIC $<$<CXX_COMPILER_ID:GNU,Clang>:-O0>)
  if(ZIRDAN_SANITIZE)
    # The sanitizers watch the code under test, which keeps them; the tests' own code is
    # compiled without them, in half the time. Their runtime is still linked to every test.
    target_compile_options(zirdan_test_support PUBLIC -fno-sanitize=all)
  endif()
  target_precompile_headers(zirdan_test_support PRIVATE <gtest/gtest.h>)
  set(gui_pch_holder "")
  add_dependencies(zirdan_test_support zirdanlog-cli)

  foreach(file ${test_files})
    get_filename_component(name ${file} NAME_WE)
    set(is_gui FALSE)
    if(name MATCHES "_gui_test$")
      set(is_gui TRUE)
    endif()
    if(is_gui AND ZIRDAN_LOGIC_ONLY)
      continue()
    endif()
    # The includes are the same for every system, and the native build checks them; a
    # Windows program would have to walk the source tree through the emulator's drive mapping.
    if(name STREQUAL "include_layers_test" AND CMAKE_CROSSCOMPILING)
      continue()
    endif()
    add_executable(${name} ${file})
    target_link_libraries(${name} PRIVATE zirdan_test_support GTest::gtest_main)
    set(environment "")
    if(is_gui)
      target_link_libraries(${name} PRIVATE zirdan_ui Qt6::Test)
      # Only a test with a class of its own needs the meta-object compiler; for the others
      # it would compile an empty file over the shared header parse.
      file(READ ${file} test_source)
      set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
      if(test_source MATCHES "Q_OBJECT")
        zirdan_qt_target(${name})
      endif()
      set(environment "QT_QPA_PLATFORM=offscreen")
      if(gui_pch_holder)
        target_precompile_headers(${name} REUSE_FROM ${gui_pch_holder})
      else()
        target_precompile_headers(${name} PRIVATE <gtest/gtest.h> <QtWidgets> <QtTest>)
        set(gui_pch_holder ${name})
      endif()
    else()
      target_precompile_headers(${name} REUSE_FROM zirdan_test_support)
    endif()
    if(CMAKE_CROSSCOMPILING OR ZIRDAN_SANITIZE)
      # Each start of a program under the emulator costs a good part of a second, and with
      # the sanitizers' shadow memory a tenth: one run of all its cases, rather than one per
      # case.
      add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
      set_tests_properties(${name} PROPERTIES TIMEOUT 600)
    else()
      gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                           PROPERTIES TIMEOUT 300 ENVIRONMENT "${environment}")
    endif()
  endforeach()

  # The build itself runs the include check whenever a source file changes, so a wrong-way
  # include fails the build and not only the test run. A cross build leaves it to its test
  # run: the includes are the same for every system.
  if(CMAKE_CROSSCOMPILING)
    return()
  endif()
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.h ${CMAKE_SOURCE_DIR}/src/*.cpp)
  add_custom_command(OUTPUT include_layers.checked
                     COMMAND include_layers_test --gtest_brief=1
                     COMMAND ${CMAKE_COMMAND} -E touch include_layers.checked
                     DEPENDS include_layers_test ${sources} ${CMAKE_BINARY_DIR}/layers.txt
                     COMMENT "Checking every #include against the layer table")
  add_custom_target(include_layers_check ALL DEPENDS include_layers.checked)
endfunction()
