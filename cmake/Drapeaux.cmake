# SPDX-FileCopyrightText: 2026 L'équipe Sidranes
# SPDX-License-Identifier: GPL-3.0-or-later
# Compiler and linker flags. A distribution's own flags (CXXFLAGS, LDFLAGS, which CMake
# puts in CMAKE_CXX_FLAGS and CMAKE_EXE_LINKER_FLAGS) come first and win: ours are only
# added where they say nothing, and only for the compilers and linkers that know them.
include(CheckLinkerFlag)

set(SIDRANES_DRAPEAUX_GNU OFF)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  set(SIDRANES_DRAPEAUX_GNU ON)
endif()

if(SIDRANES_DRAPEAUX_GNU)
  add_compile_options(-Wall -Wextra -Wpedantic)
elseif(MSVC)
  add_compile_options(/W4 /permissive-)
endif()

# The same bytes from any folder: the debug information and __FILE__ name the source
# and build folders by fixed names, not where this clone happens to be. The build
# folder is mapped last so that it wins when it lies inside the sources.
if(SIDRANES_DRAPEAUX_GNU)
  add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.
                      -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
endif()

# Hardening, as Debian builds its packages: a stronger stack protector, relocations
# made read-only once bound at start, and checked string and memory calls. The last
# need optimisation, and the sanitizers watch the same calls themselves, so Debug and
# sanitizer builds go without them.
string(TOUPPER "${CMAKE_BUILD_TYPE}" SIDRANES_TYPE)
set(SIDRANES_DRAPEAUX_DONNES "${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${SIDRANES_TYPE}}")
if(SIDRANES_DRAPEAUX_GNU AND NOT SIDRANES_DRAPEAUX_DONNES MATCHES "-f(no-)?stack-protector")
  add_compile_options(-fstack-protector-strong)
endif()
if(SIDRANES_DRAPEAUX_GNU AND NOT SIDRANES_DRAPEAUX_DONNES MATCHES "_FORTIFY_SOURCE"
   AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug" AND NOT SIDRANES_DRAPEAUX_DONNES MATCHES "-fsanitize"
   AND NOT SIDRANES_FUZZ)
  add_compile_definitions(_FORTIFY_SOURCE=2)
endif()
# ELF linkers only: Apple's and Microsoft's have no -z.
if(NOT CMAKE_EXE_LINKER_FLAGS MATCHES "-z,?relro")
  check_linker_flag(CXX "LINKER:-z,relro,-z,now" SIDRANES_LIEUR_RELRO)
  if(SIDRANES_LIEUR_RELRO)
    add_link_options(LINKER:-z,relro LINKER:-z,now)
  endif()
endif()
