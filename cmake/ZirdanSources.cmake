# The program is built as layers, one static library per src/ folder. A layer links only
# the layers it names, each of which must be declared before it, so the layers can never
# form a cycle. The table is also written to ${CMAKE_BINARY_DIR}/layers.txt, one line per
# layer ("name kind dep dep ...", kind logic, qt or program), for the test that checks
# every #include against it.

# zirdan_layer(NAME [QT] [DEPENDS layer...]): the library zirdan_NAME from src/NAME/*.cpp.
# QT layers (platform adapters, windows) link Qt and run moc and uic; the others are plain
# C++ with no Qt header. A logic-only build declares the QT layers without building them.
function(zirdan_layer name)
  cmake_parse_arguments(LAYER "QT" "" "DEPENDS" ${ARGN})
  if(LAYER_QT)
    zirdan_layer_row(${name} qt ${LAYER_DEPENDS})
  else()
    zirdan_layer_row(${name} logic ${LAYER_DEPENDS})
  endif()
  if(LAYER_QT AND ZIRDAN_LOGIC_ONLY)
    return()
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${name}/*.cpp)
  zirdan_keep_this_systems_sources(sources)
  if(LAYER_QT)
    file(GLOB forms CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${name}/*.ui)
    list(APPEND sources ${forms})
  endif()
  add_library(zirdan_${name} STATIC ${sources})
  target_include_directories(zirdan_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  list(TRANSFORM LAYER_DEPENDS PREPEND zirdan_ OUTPUT_VARIABLE dep_targets)
  target_link_libraries(zirdan_${name} PUBLIC ${dep_targets})
  if(LAYER_QT)
    zirdan_qt_target(zirdan_${name})
    target_link_libraries(zirdan_${name} PUBLIC Qt6::Core Qt6::Gui Qt6::Widgets
                                                 Qt6::SerialPort Qt6::PrintSupport)
    target_compile_definitions(zirdan_${name} PUBLIC QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS)
  endif()
endfunction()

# One row of the table; an executable's folder (app, cli) is of kind program: it may use
# the layers it names, and no layer may use it.
function(zirdan_layer_row name kind)
  get_property(declared GLOBAL PROPERTY ZIRDAN_LAYERS)
  foreach(dep ${ARGN})
    if(NOT dep IN_LIST declared)
      message(FATAL_ERROR "${name} names ${dep}, which is not a layer declared before it")
    endif()
  endforeach()
  set_property(GLOBAL APPEND PROPERTY ZIRDAN_LAYERS ${name})
  list(JOIN ARGN " " deps)
  set_property(GLOBAL APPEND_STRING PROPERTY ZIRDAN_LAYER_TABLE "${name} ${kind} ${deps}\n")
endfunction()

# Writes the table for the include test.
function(zirdan_write_layer_table)
  get_property(table GLOBAL PROPERTY ZIRDAN_LAYER_TABLE)
  file(WRITE ${CMAKE_BINARY_DIR}/layers.txt "${table}")
endfunction()

# A target with Qt classes or window headers: moc and uic run for it.
function(zirdan_qt_target target)
  set_target_properties(${target} PROPERTIES AUTOMOC ON AUTOUIC ON)
endfunction()

# Where the systems differ, a seam has one implementation per system: NAME_posix.cpp and
# NAME_windows.cpp; tests of one system's behaviour are NAME_posix_test.cpp or
# NAME_windows_test.cpp. Keeps in `list` the files for the system being built for.
function(zirdan_keep_this_systems_sources list)
  if(WIN32)
    list(FILTER ${list} EXCLUDE REGEX "_posix(_test)?\\.cpp$")
  else()
    list(FILTER ${list} EXCLUDE REGEX "_windows(_test)?\\.cpp$")
  endif()
  set(${list} ${${list}} PARENT_SCOPE)
endfunction()
