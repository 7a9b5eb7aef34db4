# SPDX-License-Identifier: GPL-3.0-or-later
# Optimised builds (Release, RelWithDebInfo, MinSizeRel; the default build and
# the package are RelWithDebInfo) get the compile and link flags Debian builds
# its own packages with, as dpkg-buildflags gives them with every hardening
# feature on: fortified libc calls, the stack protector, format checks,
# read-only relocations and immediate binding; the compiler makes
# position-independent executables by default. Debug builds stay as they are:
# fortification needs optimisation.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
  # `make run` builds without it; `make deb` and `make test` install it.
  message(STATUS "dpkg-buildflags (package dpkg-dev) not found: this build is not hardened")
  return()
endif()

function(zelvar_dpkg_buildflags out name)
  # From the source folder, so that -ffile-prefix-map maps it to "." and the
  # binaries do not carry the build machine's paths.
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                          ${DPKG_BUILDFLAGS} --get ${name}
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  set(${out} "${flags}" PARENT_SCOPE)
endfunction()

zelvar_dpkg_buildflags(ZELVAR_HARDENING_CPPFLAGS CPPFLAGS)
zelvar_dpkg_buildflags(ZELVAR_HARDENING_CXXFLAGS CXXFLAGS)
zelvar_dpkg_buildflags(ZELVAR_HARDENING_LDFLAGS LDFLAGS)
set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
add_compile_options("$<${optimised}:${ZELVAR_HARDENING_CPPFLAGS};${ZELVAR_HARDENING_CXXFLAGS}>")
add_link_options("$<${optimised}:${ZELVAR_HARDENING_LDFLAGS}>")

# Whether this build is hardened: the package test runs only then.
if(CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  set(ZELVAR_HARDENED ON)
endif()
