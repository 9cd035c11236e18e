# SPDX-FileCopyrightText: 2026 L'équipe Sidranes
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as Windows and macOS expect it: a program with windows and no console of
# its own, its icon and version in the executable on Windows, an application bundle
# with its Info.plist and icon on macOS. The icons are made at build time from the PNG
# icons the Linux desktop uses (tools/icones.cpp). Nothing here applies on Linux.
add_executable(sidranes_icones tools/icones.cpp)
set(SIDRANES_PNG)
foreach(taille IN ITEMS 16 32 48 64 128 256)
  list(APPEND SIDRANES_PNG ${CMAKE_SOURCE_DIR}/data/icons/sidranes-${taille}.png)
endforeach()

if(WIN32)
  set(icone ${CMAKE_BINARY_DIR}/sidranes.ico)
  add_custom_command(OUTPUT ${icone}
    COMMAND sidranes_icones ico ${icone} ${SIDRANES_PNG}
    DEPENDS sidranes_icones ${SIDRANES_PNG})
  configure_file(data/windows/sidranes.rc.in ${CMAKE_BINARY_DIR}/sidranes.rc @ONLY)
  set_source_files_properties(${CMAKE_BINARY_DIR}/sidranes.rc PROPERTIES OBJECT_DEPENDS ${icone})
  target_sources(sidranes PRIVATE ${CMAKE_BINARY_DIR}/sidranes.rc)
  set_target_properties(sidranes PROPERTIES WIN32_EXECUTABLE ON)
else()
  set(icone ${CMAKE_BINARY_DIR}/sidranes.icns)
  add_custom_command(OUTPUT ${icone}
    COMMAND sidranes_icones icns ${icone} ${SIDRANES_PNG}
    DEPENDS sidranes_icones ${SIDRANES_PNG})
  # In the bundle's Resources, where the program looks for its data file too.
  set_source_files_properties(${icone} ${CMAKE_SOURCE_DIR}/data/sidranes.dat
    PROPERTIES MACOSX_PACKAGE_LOCATION Resources)
  target_sources(sidranes PRIVATE ${icone} ${CMAKE_SOURCE_DIR}/data/sidranes.dat)
  set_target_properties(sidranes PROPERTIES
    MACOSX_BUNDLE ON
    OUTPUT_NAME Sidranes
    MACOSX_BUNDLE_INFO_PLIST ${CMAKE_SOURCE_DIR}/data/macos/Info.plist.in
    MACOSX_BUNDLE_GUI_IDENTIFIER org.sidranes.Sidranes
    MACOSX_BUNDLE_BUNDLE_NAME Sidranes
    MACOSX_BUNDLE_ICON_FILE sidranes.icns
    MACOSX_BUNDLE_BUNDLE_VERSION ${PROJECT_VERSION}
    MACOSX_BUNDLE_SHORT_VERSION_STRING ${PROJECT_VERSION})
endif()

# Installed as each system's installers want it: on Windows the data file beside the
# program, which looks there first; on macOS everything inside the bundle. Qt's deploy
# script copies the toolkit's libraries and plugins next to the program.
if(WIN32)
  install(TARGETS sidranes RUNTIME DESTINATION .)
  install(FILES data/sidranes.dat NEWS COPYING DESTINATION .)
  set(CPACK_GENERATOR NSIS)
  set(CPACK_NSIS_DISPLAY_NAME Sidranes)
  set(CPACK_NSIS_MUI_ICON ${CMAKE_BINARY_DIR}/sidranes.ico)
  set(CPACK_NSIS_INSTALLED_ICON_NAME sidranes.exe)
  set(CPACK_PACKAGE_EXECUTABLES sidranes Sidranes)
  set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/COPYING)
else()
  install(TARGETS sidranes BUNDLE DESTINATION .)
  set(CPACK_GENERATOR DragNDrop)
endif()
if(Qt6_VERSION VERSION_LESS 6.5)
  qt_generate_deploy_app_script(TARGET sidranes FILENAME_VARIABLE deploiement
                                NO_UNSUPPORTED_PLATFORM_ERROR)
else()
  qt_generate_deploy_app_script(TARGET sidranes OUTPUT_SCRIPT deploiement
                                NO_UNSUPPORTED_PLATFORM_ERROR)
endif()
install(SCRIPT ${deploiement})

set(CPACK_PACKAGE_NAME Sidranes)
set(CPACK_PACKAGE_VENDOR "L'équipe Sidranes")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Sidranes)
include(CPack)
