# What `cmake --install` puts beside the two Linux programs, for the Debian
# package (debian/) or any other: the man pages made by help2man with the
# sections of packaging/*.h2m, the desktop entry, the AppStream
# metainfo and the icon, as SVG and as the PNG sizes rendered from it.
# Included by kasumiro_qt.cmake once kasumiro is defined.

# Placeholders until the release; scripts/set-identity.sh sets them, with
# the maintainer and home page of debian/.
set(KASUMIRO_HOMEPAGE "https://kasumiro.example.org" CACHE STRING
    "Project home page; the AppStream screenshot is HOMEPAGE/screenshot-linux.png")
set(KASUMIRO_APPSTREAM_ID "org.example.kasumiro" CACHE STRING
    "AppStream component id: the home page's domain reversed")

# A package build asks for every file: without help2man or rsvg-convert it
# fails rather than leave out the man pages or the icon's sizes. A developer
# build goes on without them.
option(KASUMIRO_REQUIRE_PACKAGE_FILES "Fail when help2man or rsvg-convert is missing (package builds)" OFF)
function(kasumiro_package_tool_missing tool what)
  if(KASUMIRO_REQUIRE_PACKAGE_FILES)
    message(FATAL_ERROR "${tool} not found: the package would have no ${what} (scripts/install-deps.sh package)")
  endif()
  message(STATUS "${tool} not found: no ${what} are installed (scripts/install-deps.sh package)")
endfunction()

include(GNUInstallDirs)
set(generated ${CMAKE_BINARY_DIR}/packaging)
configure_file(${CMAKE_SOURCE_DIR}/packaging/kasumiro.metainfo.xml.in
               ${generated}/${KASUMIRO_APPSTREAM_ID}.metainfo.xml @ONLY)

# A game's programs, as Debian's policy has them (the package is in the
# section games): the programs in PREFIX/games, their man pages in section 6.
set(KASUMIRO_INSTALL_GAMESDIR games)
set(KASUMIRO_MAN_SECTION 6)

# Man pages from the programs' --version and the sections of
# packaging/*.h2m (kasumiro-cli's help is Japanese, its page English). help2man dates them by SOURCE_DATE_EPOCH when it is set
# (the Debian build sets it from debian/changelog), not by the build.
find_program(HELP2MAN help2man)
set(package_files)
if(HELP2MAN)
  foreach(program IN ITEMS kasumiro kasumiro-cli)
    if(program STREQUAL "kasumiro")
      set(synopsis "rewrite the officer names of a saved game of Tenka Touitsu (window)")
    else()
      set(synopsis "rewrite the officer names of a saved game of Tenka Touitsu (command line)")
    endif()
    set(include ${CMAKE_SOURCE_DIR}/packaging/${program}.h2m)
    set(page ${generated}/${program}.${KASUMIRO_MAN_SECTION})
    add_custom_command(OUTPUT ${page}
      COMMAND ${HELP2MAN} --no-info --locale=C.UTF-8 --section=${KASUMIRO_MAN_SECTION} --name=${synopsis}
              --include=${include} --output=${page} $<TARGET_FILE:${program}>
      DEPENDS ${program} ${include} VERBATIM)
    list(APPEND package_files ${page})
    install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${KASUMIRO_MAN_SECTION})
  endforeach()
else()
  kasumiro_package_tool_missing(help2man "man pages")
endif()

# The icon's PNG sizes, rendered from its SVG source.
set(icon_source ${CMAKE_SOURCE_DIR}/src/main/icons/kasumiro.svg)
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
  foreach(size 16 24 32 48 64 128 256)
    set(png ${generated}/icons/${size}x${size}/kasumiro.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/icons/${size}x${size}
      COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${icon_source}
      DEPENDS ${icon_source} VERBATIM)
    list(APPEND package_files ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
else()
  kasumiro_package_tool_missing(rsvg-convert "PNG sizes of the icon")
endif()
# Built with the programs, by every build: the man pages' test reads them.
add_custom_target(kasumiro_package_files ALL DEPENDS ${package_files})

install(TARGETS kasumiro kasumiro-cli RUNTIME DESTINATION ${KASUMIRO_INSTALL_GAMESDIR})
# The desktop entry starts the program by its full path: a session's PATH
# need not hold the games folder.
set(KASUMIRO_PROGRAM_PATH ${CMAKE_INSTALL_PREFIX}/${KASUMIRO_INSTALL_GAMESDIR}/kasumiro)
configure_file(${CMAKE_SOURCE_DIR}/src/main/kasumiro.desktop.in ${generated}/kasumiro.desktop @ONLY)
install(FILES ${generated}/kasumiro.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generated}/${KASUMIRO_APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${icon_source} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
