# SPDX-License-Identifier: GPL-3.0-or-later
# Installed like a desktop program: the executable and its data file together in
# lib/sidranes (the program reads the file from its own directory, which the kernel
# reports through the link in bin/), the menu entry, the icons, the metadata, the
# manual page and the copyright notice. `make package` makes a Debian package of it.

set(SIDRANES_LIBEXEC lib/sidranes)
set(SIDRANES_DOCS ${CMAKE_BINARY_DIR}/docs)

# The metadata, the manual page and the Debian changelog take the project's version.
configure_file(data/org.sidranes.Sidranes.metainfo.xml.in
               ${SIDRANES_DOCS}/org.sidranes.Sidranes.metainfo.xml @ONLY)
configure_file(data/debian/changelog.in ${SIDRANES_DOCS}/changelog.Debian @ONLY)
configure_file(data/sidranes.1.in ${SIDRANES_DOCS}/sidranes.1 @ONLY)

# Debian wants these compressed with no time stamp: gzip -9n.
set(SIDRANES_COMPRESSES)
foreach(paire IN ITEMS "${SIDRANES_DOCS}/changelog.Debian|changelog.Debian.gz"
                       "${CMAKE_SOURCE_DIR}/NEWS|changelog.gz"
                       "${SIDRANES_DOCS}/sidranes.1|sidranes.1.gz")
  string(REPLACE "|" ";" paire "${paire}")
  list(GET paire 0 source)
  list(GET paire 1 cible)
  add_custom_command(OUTPUT ${SIDRANES_DOCS}/${cible}
    COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${source} ${SIDRANES_DOCS}/${cible}
    DEPENDS ${source} VERBATIM)
  list(APPEND SIDRANES_COMPRESSES ${SIDRANES_DOCS}/${cible})
endforeach()
add_custom_target(sidranes_documents ALL DEPENDS ${SIDRANES_COMPRESSES})

install(TARGETS sidranes RUNTIME DESTINATION ${SIDRANES_LIBEXEC})
# A stripped install also drops the compiler's notes, as Debian's own packages do.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND ${CMAKE_STRIP} --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${SIDRANES_LIBEXEC}/sidranes\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")
install(FILES data/sidranes.dat DESTINATION ${SIDRANES_LIBEXEC})
install(CODE "
  set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(MAKE_DIRECTORY \"\${bin}\")
  file(CREATE_LINK ../${SIDRANES_LIBEXEC}/sidranes \"\${bin}/sidranes\" SYMBOLIC)
  message(STATUS \"Installing: \${bin}/sidranes -> ../${SIDRANES_LIBEXEC}/sidranes\")")
install(FILES data/org.sidranes.Sidranes.desktop DESTINATION share/applications)
install(FILES ${SIDRANES_DOCS}/org.sidranes.Sidranes.metainfo.xml DESTINATION share/metainfo)
foreach(taille IN ITEMS 16 22 24 32 48 64 128 256)
  install(FILES data/icons/sidranes-${taille}.png
          DESTINATION share/icons/hicolor/${taille}x${taille}/apps RENAME sidranes.png)
endforeach()
install(FILES data/icons/sidranes.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${SIDRANES_DOCS}/sidranes.1.gz DESTINATION share/man/man1)
install(FILES data/debian/copyright ${SIDRANES_DOCS}/changelog.Debian.gz
              ${SIDRANES_DOCS}/changelog.gz
        DESTINATION share/doc/sidranes)

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
# back to X through XWayland.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, fonts-comic-neue, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/TailleInstallee.cmake)
include(CPack)
