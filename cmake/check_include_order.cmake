# Checks that includes under src/ point only downward:
#   common <- process, settings, places; process <- backup; all but places <- ui
#   <- ui/win32; ui and places <- ui/qt <- main
#   common <- process, backup, settings, places <- cli <- main
# and, given the link graph the build wrote (LINKS_FILE), that each layer's
# library links only the libraries below it; the command line links no UI
# code and none of the Win32 window libraries; and that no .cpp file of the
# tree is left out of every target's source list.
# Run as: cmake -DSOURCE_DIR=<tree> [-DLINKS_FILE=<build>/kasumiro_layers.cmake] -P check_include_order.cmake
# Fails with one line per offending include or link.
cmake_minimum_required(VERSION 3.25)

# The layers a folder may include, itself always among them.
set(allowed_common   common)
set(allowed_process  common process)
set(allowed_backup   common process backup)
set(allowed_settings common settings)
set(allowed_places   common places)
set(allowed_ui       common process backup settings ui)
set(allowed_ui_win32 common process backup settings ui ui/win32)
set(allowed_ui_qt    common process backup settings places ui ui/qt)
set(allowed_cli      common process backup settings places cli)
set(allowed_main     common process backup settings places ui ui/win32 ui/qt cli main)

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

# What each library and program may link: the layers below it, the flags
# target, and the system or toolkit libraries its own code calls.
set(may_link_kasumiro_common   kasumiro_flags kernel32 shell32)
set(may_link_kasumiro_process  kasumiro_common)
set(may_link_kasumiro_backup   kasumiro_common kasumiro_process)
set(may_link_kasumiro_settings kasumiro_common)
set(may_link_kasumiro_places   kasumiro_common)
set(may_link_kasumiro_ui       kasumiro_common kasumiro_process kasumiro_backup kasumiro_settings user32)
set(may_link_kasumiro_shell_chooser kasumiro_common kasumiro_ui shell32 ole32 user32 gdi32)
set(may_link_kasumiro_win32    kasumiro_common kasumiro_process kasumiro_settings kasumiro_ui kasumiro_shell_chooser
                               user32 gdi32 comctl32)
set(may_link_kasumiro_qt       kasumiro_common kasumiro_process kasumiro_settings kasumiro_places kasumiro_ui
                               Qt6::Widgets Fontconfig::Fontconfig)
set(may_link_kasumiro_cli      kasumiro_common kasumiro_process kasumiro_backup kasumiro_settings kasumiro_places)
set(may_link_Kasumiro          kasumiro_win32)
set(may_link_kasumiro          kasumiro_qt)
set(may_link_kasumiro-cli      kasumiro_cli)

if(DEFINED LINKS_FILE)
  include(${LINKS_FILE})
  set(checked 0)
  foreach(target IN ITEMS kasumiro_common kasumiro_process kasumiro_backup kasumiro_settings kasumiro_places
                          kasumiro_ui kasumiro_shell_chooser kasumiro_win32 kasumiro_qt kasumiro_cli Kasumiro kasumiro kasumiro-cli)
    if(NOT DEFINED links_${target})
      continue()
    endif()
    math(EXPR checked "${checked} + 1")
    foreach(link IN LISTS links_${target})
      if(NOT link IN_LIST may_link_${target})
        list(JOIN may_link_${target} ", " may)
        list(APPEND offences "${target}: links ${link} (it may link only ${may})")
      endif()
    endforeach()
  endforeach()
  if(checked EQUAL 0)
    list(APPEND offences "${LINKS_FILE}: no layer library found")
  endif()

  # Every .cpp file of src/, tests/ and tools/ is in some target's list; left
  # out are the other platform's adapters, on Linux the Windows-only Win32
  # front end and end-to-end tests, on Windows the fault injection (and the
  # Qt program's files when it is not built).
  file(GLOB_RECURSE tree_sources ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tools/*.cpp)
  foreach(source IN LISTS tree_sources)
    get_filename_component(name ${source} NAME_WE)
    file(RELATIVE_PATH relative ${SOURCE_DIR} ${source})
    if(name MATCHES "${skip_suffix}(_test)?$" OR source IN_LIST built_sources)
      continue()
    endif()
    if(skip_suffix STREQUAL "_win32" AND relative MATCHES "^(src/ui/win32|tests/e2e)/")
      continue()
    endif()
    # The fault injection wraps the Linux system calls, and Wine's prefixes
    # are a Linux user's: no Windows build of either.
    if(skip_suffix STREQUAL "_posix" AND relative MATCHES "^(tests/fault|src/places)/")
      continue()
    endif()
    if(NOT DEFINED links_kasumiro_qt AND relative MATCHES "^(src/ui/qt|tests/qt)/")
      continue()
    endif()
    list(APPEND offences "${relative}: in no target's source list")
  endforeach()
endif()

if(offences)
  list(LENGTH offences count)
  list(JOIN offences "\n" text)
  message(NOTICE "${text}")
  message(FATAL_ERROR "${count} include(s), link(s) or source(s) out of order")
endif()
list(LENGTH files count)
message(STATUS "include order holds in ${count} files under src/")
if(DEFINED LINKS_FILE)
  message(STATUS "link order holds for ${checked} libraries and programs; every source is listed")
endif()
