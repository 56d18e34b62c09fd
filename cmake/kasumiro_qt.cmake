# The Linux desktop program `kasumiro` (Qt 6 Widgets) and what is installed
# with it (cmake/packaging.cmake; the Debian package is debian/). Only for Linux builds; the Windows build carries no Qt.
option(KASUMIRO_QT "Build the Qt program kasumiro (Linux)" ON)
if(WIN32 OR NOT KASUMIRO_QT)
  return()
endif()

find_package(Qt6 COMPONENTS Widgets Test)
find_package(Fontconfig)
if(NOT Qt6_FOUND OR NOT Fontconfig_FOUND)
  message(WARNING "Qt 6 Widgets or fontconfig not found: kasumiro is not built (scripts/install-deps.sh qt)")
  return()
endif()

# The Qt front end: its window, boxes, chooser and frame.
add_library(kasumiro_qt STATIC)
kasumiro_sources(kasumiro_qt
  src/ui/qt/backup_list_dialog.cpp
  src/ui/qt/box_placement.cpp
  src/ui/qt/change_list_view.cpp
  src/ui/qt/chooser_places.cpp
  src/ui/qt/chooser_texts.cpp
  src/ui/qt/command_line.cpp
  src/ui/qt/display_choice.cpp
  src/ui/qt/japanese_font.cpp
  src/ui/qt/main_window.cpp
  src/ui/qt/message_form.cpp
  src/ui/qt/qt_application.cpp
  src/ui/qt/qt_folder_chooser.cpp
  src/ui/qt/qt_frame.cpp
  src/ui/qt/qt_program.cpp
  src/ui/qt/quit_signals.cpp
  src/ui/qt/radio_view.cpp
  src/ui/qt/slot_notice.cpp
  src/ui/qt/undo_menu.cpp)
# Qt's widgets appear in its headers; fontconfig only its own code calls.
target_link_libraries(kasumiro_qt PUBLIC kasumiro_ui kasumiro_places Qt6::Widgets)
target_link_libraries(kasumiro_qt PRIVATE Fontconfig::Fontconfig)

add_executable(kasumiro ${CMAKE_SOURCE_DIR}/src/main/kasumiro_main_posix.cpp)
target_link_libraries(kasumiro PRIVATE kasumiro_qt)

# Start to first paint against a minimal Qt window (make bench-linux).
add_executable(kasumiro_paint_bench EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/bench/qt/first_paint_bench.cpp)
target_link_libraries(kasumiro_paint_bench PRIVATE kasumiro_qt)

include(${CMAKE_SOURCE_DIR}/cmake/packaging.cmake)
