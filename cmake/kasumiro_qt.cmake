# The Linux desktop program `kasumiro` (Qt 6 Widgets), its install rules and
# its Debian package. Only for Linux builds; the Windows build carries no Qt.
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
  src/ui/qt/japanese_font.cpp
  src/ui/qt/main_window.cpp
  src/ui/qt/message_form.cpp
  src/ui/qt/qt_application.cpp
  src/ui/qt/qt_folder_shell.cpp
  src/ui/qt/qt_frame.cpp
  src/ui/qt/qt_program.cpp
  src/ui/qt/quit_signals.cpp
  src/ui/qt/wine_prefixes.cpp)
target_link_libraries(kasumiro_qt PUBLIC kasumiro_ui Qt6::Widgets Fontconfig::Fontconfig)

add_executable(kasumiro ${CMAKE_SOURCE_DIR}/src/main/kasumiro_main_posix.cpp)
target_link_libraries(kasumiro PRIVATE kasumiro_qt)

# Start to first paint against a minimal Qt window (make bench-linux).
add_executable(kasumiro_paint_bench EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/bench/qt/first_paint_bench.cpp)
target_link_libraries(kasumiro_paint_bench PRIVATE kasumiro_qt)

include(GNUInstallDirs)
install(TARGETS kasumiro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/src/main/kasumiro.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/src/main/icons/kasumiro-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME kasumiro.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kasumiro)
set(CPACK_PACKAGE_CONTACT "Kasumiro developers <kasumiro@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Rewrites officer names in a saved game of 天下統一")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-vlgothic | fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
