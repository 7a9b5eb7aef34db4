# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the .deb in BUILD_DIR with scripts/make-deb and judges it: lintian
# --pedantic shows no error and no warning; the binary is position-independent,
# has a stack protector, read-only relocations and immediate binding, and
# carries no RPATH or RUNPATH; the copyright notice and the changelog, which a
# plain install leaves out, are in the package, the changelog's newest entry
# being the package's version.
# Run by CTest: cmake -DMAKE_DEB= -DBUILD_DIR= -DPACKAGE=name_version -DBINARY=usr/bin/...
#                     -DDOCDIR=usr/share/doc/... -P check_package.cmake

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}):\n${output}")
  endif()
  set(output "${output}" PARENT_SCOPE)
endfunction()

run("scripts/make-deb" "${MAKE_DEB}" "${BUILD_DIR}")
file(GLOB deb "${BUILD_DIR}/${PACKAGE}_*.deb")
list(LENGTH deb count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "scripts/make-deb made ${count} packages named ${PACKAGE}_*.deb:\n${output}")
endif()

run("lintian --pedantic (errors and warnings)" lintian --pedantic --fail-on error,warning "${deb}")
message(STATUS "lintian --pedantic ${deb}:\n${output}")

set(root "${BUILD_DIR}/package-check")
file(REMOVE_RECURSE "${root}")
run("dpkg-deb -x" dpkg-deb -x "${deb}" "${root}")
foreach(file "${DOCDIR}/copyright" "${DOCDIR}/changelog.gz")
  if(NOT EXISTS "${root}/${file}")
    message(FATAL_ERROR "the package lacks ${file}")
  endif()
endforeach()
# The changelog's newest entry is this package at this version.
run("dpkg-deb -f" dpkg-deb -f "${deb}" Package Version)
string(REGEX REPLACE "^Package: ([^\n]*)\nVersion: ([^\n]*)\n$" "\\1 (\\2) " heading "${output}")
run("gzip -dc" gzip -dc "${root}/${DOCDIR}/changelog.gz")
string(FIND "${output}" "${heading}" at)
if(NOT at EQUAL 0)
  message(FATAL_ERROR "the changelog does not begin with \"${heading}\":\n${output}")
endif()
run("readelf -d" readelf -d "${root}/${BINARY}")
if(output MATCHES "RPATH|RUNPATH")
  message(FATAL_ERROR "${BINARY} carries a library search path:\n${output}")
endif()
# hardening-check fails on features this Debian does not build with yet
# (stack clash protection, control flow integrity), so read its lines.
execute_process(COMMAND hardening-check "${root}/${BINARY}" OUTPUT_VARIABLE output ERROR_VARIABLE output)
foreach(feature "Position Independent Executable" "Stack protected" "Read-only relocations" "Immediate binding")
  if(NOT output MATCHES "${feature}: yes")
    message(FATAL_ERROR "${BINARY} lacks ${feature}:\n${output}")
  endif()
endforeach()
file(REMOVE_RECURSE "${root}")
message(STATUS "hardening-check:\n${output}")
