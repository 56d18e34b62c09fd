# Checks that includes under src/ point only downward:
#   common <- process, settings <- ui <- ui/win32, ui/qt, cli <- main
# Run as: cmake -DSOURCE_DIR=<tree> -P check_include_order.cmake
# Fails with one line per offending include.
cmake_minimum_required(VERSION 3.25)

# The layers a folder may include, itself always among them.
set(allowed_common   common)
set(allowed_process  common process)
set(allowed_settings common settings)
set(allowed_ui       common process settings ui)
set(allowed_ui_win32 common process settings ui ui/win32)
set(allowed_ui_qt    common process settings ui ui/qt)
set(allowed_cli      common process settings ui cli)
set(allowed_main     common process settings ui ui/win32 ui/qt cli main)

# The layer of a path below src/ ("ui/win32/x.h" is in ui/win32, "ui/x.h" in ui).
function(layer_of path out)
  if(path MATCHES "^(ui/[^/]+)/")
    set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
  elseif(path MATCHES "^([^/]+)/")
    set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR}/src ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp)
set(offences)
foreach(file IN LISTS files)
  layer_of(${file} from)
  string(REPLACE "/" "_" key "${from}")
  if(NOT DEFINED allowed_${key})
    list(APPEND offences "src/${file}: folder '${from}' has no place in the layer order")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/src/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" target "${line}")
    layer_of(${target} to)
    # An include without a folder is the file's own neighbour.
    if(NOT to STREQUAL "" AND NOT to IN_LIST allowed_${key})
      list(JOIN allowed_${key} ", " may)
      list(APPEND offences "src/${file}: includes \"${target}\" (${from} may include only ${may})")
    endif()
  endforeach()
endforeach()

if(offences)
  list(LENGTH offences count)
  list(JOIN offences "\n" text)
  message(NOTICE "${text}")
  message(FATAL_ERROR "${count} include(s) point the wrong way")
endif()
list(LENGTH files count)
message(STATUS "include order holds in ${count} files under src/")
