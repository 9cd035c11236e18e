# SPDX-FileCopyrightText: 2026 L'équipe Sidranes
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack on the installed tree before it builds the .deb: what Debian's policy
# asks of a package and no other distribution wants. The manual and the release notes
# compressed with no time stamp (gzip -9n), the notes under Debian's name for them,
# Debian's changelog and its machine-readable copyright file in place of COPYING.
set(racine "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
set(docs "${racine}/${CPACK_SIDRANES_DOCDIR}")

# A package whose changelog does not start with its own version would mislabel itself.
file(STRINGS "${CPACK_SIDRANES_SOURCE}/data/debian/changelog" tete LIMIT_COUNT 1)
set(attendue "sidranes (${CPACK_PACKAGE_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})")
string(FIND "${tete}" "${attendue}" position)
if(NOT position EQUAL 0)
  message(FATAL_ERROR "data/debian/changelog starts with \"${tete}\", not with an entry "
                      "for ${attendue}: add the release's entry first (CONTRIBUTING.md).")
endif()

function(compresse source cible)
  execute_process(COMMAND gzip -9n -c "${source}" OUTPUT_FILE "${cible}"
                  COMMAND_ERROR_IS_FATAL ANY)
endfunction()

set(manuel "${racine}/${CPACK_SIDRANES_MANDIR}/man1/sidranes.1")
compresse("${manuel}" "${manuel}.gz")
compresse("${docs}/NEWS" "${docs}/changelog.gz")
compresse("${CPACK_SIDRANES_SOURCE}/data/debian/changelog" "${docs}/changelog.Debian.gz")
file(REMOVE "${manuel}" "${docs}/NEWS" "${docs}/COPYING")
file(COPY "${CPACK_SIDRANES_SOURCE}/data/debian/copyright" DESTINATION "${docs}")
