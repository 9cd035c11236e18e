# SPDX-FileCopyrightText: 2026 L'équipe Sidranes
# SPDX-License-Identifier: GPL-3.0-or-later
# Installed like any desktop program, by the distributions' conventions: the program in
# bin/, its data file in share/sidranes/ (where the program looks when none lies beside
# it), the menu entry, the icons, the metadata, the manual page, the licence and the
# release notes. Compressing the manual and adding Debian's own copyright and changelog
# is the Debian package's business: `make package` does it (cmake/PaquetDebian.cmake).
# Windows and macOS have their own layout and installers (cmake/AutresSystemes.cmake).

if(WIN32 OR APPLE)
  include(${CMAKE_CURRENT_LIST_DIR}/AutresSystemes.cmake)
  return()
endif()

set(SIDRANES_DOCS ${CMAKE_BINARY_DIR}/docs)

# The manual page names the project's version: written at configure time, so that an
# install right after `make run` finds it. The release notes, the metadata and the
# Debian changelog list each release under its own number and are installed as written.
configure_file(data/sidranes.1.in ${SIDRANES_DOCS}/sidranes.1 @ONLY)

# An install never builds: the package's step (cpack) installs the program it was given.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS sidranes RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install also drops the compiler's notes, as Debian's own packages do.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND ${CMAKE_STRIP} --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/sidranes\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")
install(FILES data/sidranes.dat DESTINATION ${SIDRANES_DATADIR})
install(FILES data/org.sidranes.Sidranes.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/org.sidranes.Sidranes.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(taille IN ITEMS 16 22 24 32 48 64 128 256)
  install(FILES data/icons/sidranes-${taille}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${taille}x${taille}/apps
          RENAME sidranes.png)
endforeach()
install(FILES data/icons/sidranes.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${SIDRANES_DOCS}/sidranes.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES NEWS COPYING DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sidranes)
set(CPACK_PACKAGE_VENDOR "L'équipe Sidranes")
set(CPACK_PACKAGE_CONTACT "L'équipe Sidranes <contact@sidranes.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "orrery: the Sun, the planets and the Moon in motion")
set(CPACK_PACKAGE_DESCRIPTION [[
Sidranes shows, in one window, the Sun at the centre and the nine planets
turning on circular orbits, optionally with the Moon around the Earth, while a
calendar date runs. The user starts, stops and resets the clock, chooses the
speed (1 to 100 days a step) and the outermost planet in view, lets every body
leave a trace so that the orbits draw themselves, and shows the planets' names.

The interface is in French.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://sidranes.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Without a platform plugin Qt opens no window; Qt itself only recommends one.
# The fonts are the ones the panel is drawn for, but every caption also fits in
# the default sans font, so they are recommended, not required. Qt's Wayland
# plugin lets the program run natively on a Wayland desktop; without it Qt falls
# back to X through XWayland. Qt's French translation puts its own texts (a field's
# menu, the file dialog) in the language of the program.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, fonts-comic-neue, qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Read by cmake/PaquetDebian.cmake, which cpack runs on the installed tree.
set(CPACK_SIDRANES_SOURCE ${CMAKE_SOURCE_DIR})
set(CPACK_SIDRANES_MANDIR ${CMAKE_INSTALL_MANDIR})
set(CPACK_SIDRANES_DOCDIR ${CMAKE_INSTALL_DOCDIR})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PaquetDebian.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/TailleInstallee.cmake)
include(CPack)
