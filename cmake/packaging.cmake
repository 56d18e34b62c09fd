# The Debian package of the Linux programs (make package): kasumiro and
# kasumiro-cli, their man pages made by help2man from --help, the desktop
# entry, AppStream metainfo, icons, the machine-readable copyright file, the
# changelog and lintian's override for a package made outside Debian. Included by kasumiro_qt.cmake once kasumiro is defined.

# Set at release time: cmake --preset package -DKASUMIRO_MAINTAINER="Name <address>"
set(KASUMIRO_MAINTAINER "Kasumiro developers <kasumiro@localhost>" CACHE STRING
    "Maintainer of the Debian package and its changelog (name and e-mail address)")
set(KASUMIRO_HOMEPAGE "https://kasumiro.example.org" CACHE STRING
    "Project home page; the AppStream screenshot is HOMEPAGE/screenshot-linux.png")
set(KASUMIRO_APPSTREAM_ID "org.example.kasumiro" CACHE STRING
    "AppStream component id: the home page's domain reversed")

# The package's own revision of the release: Debian's changelog is that of a
# package made from an upstream release, so its version carries one.
set(KASUMIRO_DEBIAN_REVISION 1)
set(KASUMIRO_DEBIAN_VERSION ${PROJECT_VERSION}-${KASUMIRO_DEBIAN_REVISION})

include(GNUInstallDirs)
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/kasumiro)
set(generated ${CMAKE_BINARY_DIR}/packaging)
configure_file(${CMAKE_SOURCE_DIR}/packaging/copyright.in ${generated}/copyright @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.Debian.in ${generated}/changelog.Debian @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/kasumiro.metainfo.xml.in
               ${generated}/${KASUMIRO_APPSTREAM_ID}.metainfo.xml @ONLY)

# Man pages from the programs' own --help and --version, compressed as
# Debian wants them (gzip -9n: no name or time stamp in the header).
find_program(HELP2MAN help2man)
find_program(GZIP gzip)
set(package_files ${generated}/changelog.Debian.gz)
add_custom_command(OUTPUT ${generated}/changelog.Debian.gz
  COMMAND ${GZIP} -9nc ${generated}/changelog.Debian > ${generated}/changelog.Debian.gz
  DEPENDS ${generated}/changelog.Debian VERBATIM)
if(HELP2MAN)
  foreach(program IN ITEMS kasumiro kasumiro-cli)
    if(program STREQUAL "kasumiro")
      set(synopsis "rewrite the officer names of a saved game of Tenka Touitsu (window)")
    else()
      set(synopsis "rewrite the officer names of a saved game of Tenka Touitsu (command line)")
    endif()
    add_custom_command(OUTPUT ${generated}/${program}.1.gz
      COMMAND ${HELP2MAN} --no-info --locale=C.UTF-8 --section=1 --name=${synopsis}
              --output=${generated}/${program}.1 $<TARGET_FILE:${program}>
      COMMAND ${GZIP} -9nf ${generated}/${program}.1
      DEPENDS ${program} VERBATIM)
    list(APPEND package_files ${generated}/${program}.1.gz)
    install(FILES ${generated}/${program}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
else()
  message(STATUS "help2man not found: the package is made without man pages (scripts/install-deps.sh package)")
endif()
# Built by the package preset only (make package); other builds need no help2man.
add_custom_target(kasumiro_package_files DEPENDS ${package_files})
add_dependencies(kasumiro_package_files kasumiro kasumiro-cli)

install(TARGETS kasumiro kasumiro-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/src/main/kasumiro.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generated}/${KASUMIRO_APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/src/main/icons/kasumiro-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME kasumiro.png)
endforeach()
install(FILES ${generated}/copyright ${generated}/changelog.Debian.gz DESTINATION ${docdir})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME kasumiro)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kasumiro)
set(CPACK_PACKAGE_CONTACT "${KASUMIRO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rewrites officer names in a saved game of 天下統一")
# CPack puts the summary above as the first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[For one saved game of the Japanese PC strategy game 天下統一 (Tenka
Touitsu), Kasumiro rewrites the officer names in the save's officer file
BUSYO21.BIN from the scenario's officer file, in place: every officer
whose name in the save differs from the scenario's gets the scenario's
name with the suffix 嗣.
.
The package holds the Qt 6 program kasumiro and the command kasumiro-cli.
A game installed through Wine, Steam's Proton, Bottles or Lutris needs no
Wine for Kasumiro: the folder chooser lists each Wine prefix it finds.]])
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KASUMIRO_HOMEPAGE}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${KASUMIRO_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Without a Japanese font every Japanese text is empty boxes; without the
# icon theme the window icon falls back to Qt's.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic | fonts-noto-cjk | fonts-vlgothic | fonts-takao-gothic, hicolor-icon-theme")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
