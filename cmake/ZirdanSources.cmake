# Splits the sources of the given src/ folders into the Qt-free logic and the Qt layer.
# Qt layer files are named qt_*, form_* or dialog_*; everything else is logic.
function(zirdan_collect_sources logic_var qt_var)
  set(logic)
  set(qt)
  foreach(dir ${ARGN})
    file(GLOB files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*.cpp)
    foreach(f ${files})
      get_filename_component(name ${f} NAME)
      if(name MATCHES "^(qt|form|dialog)_")
        list(APPEND qt ${f})
      else()
        list(APPEND logic ${f})
      endif()
    endforeach()
  endforeach()
  set(${logic_var} ${logic} PARENT_SCOPE)
  set(${qt_var} ${qt} PARENT_SCOPE)
endfunction()

# A target with Qt classes or window headers: moc and uic run for it.
function(zirdan_qt_target target)
  set_target_properties(${target} PROPERTIES AUTOMOC ON AUTOUIC ON)
endfunction()
