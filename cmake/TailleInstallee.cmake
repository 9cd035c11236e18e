# SPDX-FileCopyrightText: 2026 L'équipe Sidranes
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack once the .deb is built. CPack counts Installed-Size its own way (it
# follows links and adds up bytes); this recounts the way dpkg-gencontrol does (each
# file's size in KiB rounded up, one KiB for each link and directory) and rebuilds the
# package with the corrected control file. dpkg-deb takes its time stamps from
# SOURCE_DATE_EPOCH, so that the same sources give the same package.
foreach(paquet IN LISTS CPACK_PACKAGE_FILES)
  set(arbre "${paquet}.arbre")
  file(REMOVE_RECURSE "${arbre}")
  execute_process(COMMAND dpkg-deb -R "${paquet}" "${arbre}" COMMAND_ERROR_IS_FATAL ANY)
  file(GLOB_RECURSE entrees LIST_DIRECTORIES true "${arbre}/*")
  list(FILTER entrees EXCLUDE REGEX "^${arbre}/DEBIAN(/|$)")
  set(kio 1) # the top directory, counted like any other
  foreach(entree IN LISTS entrees)
    if(IS_SYMLINK "${entree}" OR IS_DIRECTORY "${entree}")
      math(EXPR kio "${kio} + 1")
    else()
      file(SIZE "${entree}" octets)
      math(EXPR kio "${kio} + (${octets} + 1023) / 1024")
    endif()
  endforeach()
  file(READ "${arbre}/DEBIAN/control" controle)
  string(REGEX REPLACE "Installed-Size: [0-9]+" "Installed-Size: ${kio}" controle "${controle}")
  file(WRITE "${arbre}/DEBIAN/control" "${controle}")
  execute_process(COMMAND dpkg-deb --root-owner-group -b "${arbre}" "${paquet}"
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${arbre}")
  message(STATUS "Installed-Size: ${kio} KiB")
endforeach()
