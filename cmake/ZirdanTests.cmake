# Every tests/<folder>/*_test.cpp is its own test executable. Files named *_gui_test.cpp
# link the Qt layer and run on the offscreen platform; the others link the logic only.
# tests/support/*.cpp form a helper library linked to every test.
find_package(GTest REQUIRED)

function(zirdan_add_all_tests)
  file(GLOB_RECURSE test_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*_test.cpp)
  file(GLOB_RECURSE support_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
  add_library(zirdan_test_support STATIC ${support_files})
  target_link_libraries(zirdan_test_support PUBLIC zirdan_logic GTest::gtest)
  target_include_directories(zirdan_test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(zirdan_test_support PUBLIC
    ZIRDAN_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    ZIRDAN_BINARY_DIR="${CMAKE_BINARY_DIR}"
    ZIRDAN_CLI_PATH="$<TARGET_FILE:zirdanlog-cli>")
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
    add_executable(${name} ${file})
    target_link_libraries(${name} PRIVATE zirdan_test_support GTest::gtest_main)
    if(is_gui)
      target_link_libraries(${name} PRIVATE zirdan_qt Qt6::Test)
      zirdan_qt_target(${name})
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
    if(is_gui)
      set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endif()
  endforeach()
endfunction()
