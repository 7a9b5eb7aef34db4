# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the .deb in BUILD_DIR with cpack and judges it: lintian --pedantic
# shows no error and no warning; the binary is position-independent, has a
# stack protector, read-only relocations and immediate binding, and carries
# no RPATH or RUNPATH.
# Run by CTest: cmake -DBUILD_DIR= -DCPACK= -DPACKAGE=name_version -DBINARY=usr/bin/... -P check_package.cmake

function(run what)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${BUILD_DIR}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}):\n${output}")
  endif()
  set(output "${output}" PARENT_SCOPE)
endfunction()

file(GLOB old "${BUILD_DIR}/${PACKAGE}_*.deb")
if(old)
  file(REMOVE ${old})
endif()
run("cpack" "${CPACK}" -G DEB)
file(GLOB deb "${BUILD_DIR}/${PACKAGE}_*.deb")
list(LENGTH deb count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made ${count} packages named ${PACKAGE}_*.deb:\n${output}")
endif()

run("lintian --pedantic (errors and warnings)" lintian --pedantic --fail-on error,warning "${deb}")
message(STATUS "lintian --pedantic ${deb}:\n${output}")

set(root "${BUILD_DIR}/package-check")
file(REMOVE_RECURSE "${root}")
run("dpkg-deb -x" dpkg-deb -x "${deb}" "${root}")
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
